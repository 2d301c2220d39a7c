#include "core/reading/filenames.h"

#include <QDir>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t EscapeBase = 0xDC00; // U+DC80..U+DCFF stand for the bytes 0x80..0xFF

bool IsEscapedByte(QChar c)
{
    return c.unicode() >= EscapeBase + 0x80 && c.unicode() <= EscapeBase + 0xFF;
}

bool IsContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at the start of the bytes, or 0:
// no overlong forms, no surrogates, nothing above U+10FFFF.
qsizetype SequenceLength(QByteArrayView bytes)
{
    const uchar lead = uchar(bytes[0]);
    qsizetype length = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, lowest = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, lowest = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, lowest = 0x10000;
    else
        return 0;
    if (bytes.size() < length)
        return 0;
    char32_t code = lead & (0x3F >> (length - 1));
    for (qsizetype i = 1; i < length; ++i) {
        if (!IsContinuation(uchar(bytes[i])))
            return 0;
        code = (code << 6) | (uchar(bytes[i]) & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString DecodeFileName(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar byte = uchar(bytes[i]);
        if (byte < 0x80) {
            name += QChar(byte);
            ++i;
        } else if (const qsizetype length = SequenceLength(bytes.sliced(i))) {
            name += QString::fromUtf8(bytes.sliced(i, length));
            i += length;
        } else {
            name += QChar(char16_t(EscapeBase + byte));
            ++i;
        }
    }
    return name;
}

QByteArray EncodeFileName(const QString &name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype runStart = 0;
    const auto appendRun = [&](qsizetype end) {
        bytes += QStringView(name).sliced(runStart, end - runStart).toUtf8();
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!IsEscapedByte(name[i]))
            continue;
        appendRun(i);
        bytes += char(name[i].unicode() - EscapeBase);
        runStart = i + 1;
    }
    appendRun(name.size());
    return bytes;
}

QString FileNameForDisplay(const QString &name)
{
    QString text;
    text.reserve(name.size());
    for (const QChar c : name) {
        if (IsEscapedByte(c))
            text += QStringLiteral("\\x") + QString::number(c.unicode() - EscapeBase, 16).toUpper();
        else
            text += c;
    }
    return text;
}

QString AbsoluteFileName(const QString &name)
{
    if (name.startsWith(u'/'))
        return QDir::cleanPath(name);
    // The current folder's own bytes, which QDir::currentPath may not keep.
    QByteArray folder(4096, '\0');
    while (!::getcwd(folder.data(), size_t(folder.size()))) {
        if (errno != ERANGE)
            return QDir::cleanPath(QDir::currentPath() + u'/' + name);
        folder.resize(folder.size() * 2);
    }
    folder.truncate(qstrlen(folder.constData()));
    return QDir::cleanPath(DecodeFileName(folder) + u'/' + name);
}

QString FileNameFromUrl(const QUrl &url)
{
    if (!url.isLocalFile())
        return QString();
    return DecodeFileName(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

bool IsRegularFile(const QString &name)
{
    struct stat status {};
    return ::stat(EncodeFileName(name).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

bool IsFolder(const QString &name)
{
    struct stat status {};
    return ::stat(EncodeFileName(name).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}
