// Texts of object files and licences are 8-bit text in the DOS code page 850,
// as the ERP writes them. They are kept as bytes; these turn them into text
// for people and back.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>

QString DecodeText(QByteArrayView bytes);
QByteArray EncodeText(const QString &text);
// One byte's character, from a table made once.
QChar DecodeByte(char byte);
