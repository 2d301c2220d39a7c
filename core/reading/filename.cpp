#include "core/reading/filename.h"

#include <QDir>

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t EscapeFirst = 0xDC80; // stands for the byte 0x80, up to 0xDCFF for 0xFF

bool IsEscapedByte(char16_t unit)
{
    return unit >= EscapeFirst && unit <= EscapeFirst + 0x7F;
}

// The length of the valid UTF-8 sequence at the start of bytes, 0 if none.
qsizetype Utf8SequenceLength(QByteArrayView bytes)
{
    const auto byte = [&](qsizetype i) { return uchar(bytes[i]); };
    const uchar lead = byte(0);
    qsizetype length = 0;
    char32_t least = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        least = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    char32_t code = lead & (0x7F >> length);
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are no UTF-8.
    if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

QString DecodeFileName(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    while (!bytes.isEmpty()) {
        const qsizetype length = Utf8SequenceLength(bytes);
        if (length == 0) {
            name.append(QChar(char16_t(EscapeFirst + uchar(bytes[0]) - 0x80)));
            bytes = bytes.sliced(1);
        } else {
            name.append(QString::fromUtf8(bytes.first(length)));
            bytes = bytes.sliced(length);
        }
    }
    return name;
}

QByteArray EncodeFileName(const QString &fileName)
{
    QByteArray bytes;
    bytes.reserve(fileName.size());
    qsizetype run = 0; // start of the text not yet encoded
    const auto flush = [&](qsizetype end) {
        bytes.append(QStringView(fileName).sliced(run, end - run).toUtf8());
    };
    for (qsizetype i = 0; i < fileName.size(); ++i) {
        const char16_t unit = fileName[i].unicode();
        if (!IsEscapedByte(unit))
            continue;
        flush(i);
        bytes.append(char(unit - EscapeFirst + 0x80));
        run = i + 1;
    }
    flush(fileName.size());
    return bytes;
}

QString DisplayFileName(const QString &fileName)
{
    QString shown;
    shown.reserve(fileName.size());
    for (const QChar c : fileName) {
        if (IsEscapedByte(c.unicode()))
            shown += QStringLiteral("\\x") +
                     QString::number(c.unicode() - EscapeFirst + 0x80, 16).toUpper();
        else
            shown += c;
    }
    return shown;
}

QString AbsoluteFileName(const QString &fileName)
{
    if (QDir::isAbsolutePath(fileName))
        return QDir::cleanPath(fileName);
    // The current folder's own bytes: its name may be no UTF-8 either.
    QByteArray folder(PATH_MAX, Qt::Uninitialized);
    if (!::getcwd(folder.data(), size_t(folder.size())))
        return QDir::cleanPath(QDir::currentPath() + u'/' + fileName);
    return QDir::cleanPath(DecodeFileName(folder.constData()) + u'/' + fileName);
}

QString FileNameFromUrl(const QUrl &url)
{
    if (!url.isLocalFile())
        return QString();
    return DecodeFileName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

bool IsRegularFile(const QString &fileName)
{
    struct stat status {};
    return ::stat(EncodeFileName(fileName).constData(), &status) == 0 && S_ISREG(status.st_mode);
}
