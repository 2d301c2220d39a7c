// File names as the system holds them: bytes, mostly but not always UTF-8
// (names out of archives made on Windows hold Latin-1 letters). A name is
// kept in a QString whose undecodable bytes stand as the code points
// U+DC80..U+DCFF, one each, so that it reaches the file system unchanged;
// valid UTF-8 never decodes to those, so every name goes there and back.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The name for the file system's bytes.
QString DecodeFileName(QByteArrayView bytes);
// The file system's bytes of a name that DecodeFileName gave (or any text).
QByteArray EncodeFileName(const QString &name);
// The name for a message: each undecodable byte written visibly as \xNN.
QString FileNameForDisplay(const QString &name);
// The name made absolute against the current folder, without asking the
// file system (so the undecodable bytes stay): "a/../b.fob" gives "/cwd/b.fob".
QString AbsoluteFileName(const QString &name);
// The local file of a file: URL (a drop, a dialog), its bytes kept where
// QUrl::toLocalFile would lose those that are no UTF-8.
QString FileNameFromUrl(const QUrl &url);
// True when the name is a regular file (or a link to one).
bool IsRegularFile(const QString &name);
// True when the name is a folder (or a link to one).
bool IsFolder(const QString &name);
