// File names as the system holds them: bytes, mostly but not always UTF-8
// (archives made on Windows bring Latin-1 names). A name travels through the
// program as a QString in which each byte that is no part of valid UTF-8
// stands as one of the code points U+DC80 to U+DCFF, so that it reaches the
// system again unchanged and shows visibly as \xNN.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QUrl>

// The name of the system's bytes; valid UTF-8 decodes as usual.
QString DecodeFileName(QByteArrayView bytes);
// The bytes to give the system: the inverse of DecodeFileName.
QByteArray EncodeFileName(const QString &fileName);
// For messages and captions: every byte that is not UTF-8 as \xNN.
QString DisplayFileName(const QString &fileName);
// The local file of a file: URL (a drop, a dialog), its bytes kept where
// QUrl::toLocalFile would lose those that are no UTF-8.
QString FileNameFromUrl(const QUrl &url);
// True when the name is a regular file (or a link to one).
bool IsRegularFile(const QString &fileName);
// The full path of a name, against the current folder, its bytes kept.
QString AbsoluteFileName(const QString &fileName);
