#include "core/reading/textexport.h"

#include "core/errors.h"
#include "core/fast/linefeed.h"
#include "core/reading/codepage.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <memory>

namespace {

constexpr QByteArrayView ObjectLineStart = "OBJECT ";
constexpr std::array<QByteArrayView, 9> TypeNames{
    "Table", "Form", "Report", "Dataport", "Codeunit", "XMLport", "MenuSuite", "Page", "Query"};
constexpr QByteArrayView ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlankByte(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

QByteArrayView Trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && IsBlankByte(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && IsBlankByte(text.back()))
        text.chop(1);
    return text;
}

// A text quoted in a message, long ones cut short so the message stays readable.
QString Quoted(QByteArrayView text)
{
    constexpr qsizetype Longest = 40;
    if (text.size() <= Longest)
        return DecodeText(text);
    return DecodeText(text.first(Longest)) + QStringLiteral("...");
}

// The type name after "OBJECT " when the line begins an object; empty otherwise.
QByteArrayView ObjectLineType(QByteArrayView line)
{
    if (!line.startsWith(ObjectLineStart))
        return {};
    const QByteArrayView rest = line.sliced(ObjectLineStart.size());
    for (const QByteArrayView type : TypeNames) {
        if (rest.startsWith(type) && rest.size() > type.size() && rest[type.size()] == ' ')
            return type;
    }
    return {};
}

// Whether the bytes are valid UTF-8, fed a block at a time.
class TUtf8Check {
public:
    void Feed(const char *bytes, qsizetype count)
    {
        for (qsizetype i = 0; Valid && i < count;) {
            if (Need == 0) {
                // Most text is ASCII: 64 bytes at a time, then eight.
#if defined(__SSE2__)
                for (; i + 64 <= count; i += 64) {
                    const auto *block = reinterpret_cast<const __m128i *>(bytes + i);
                    const __m128i any = _mm_or_si128(
                        _mm_or_si128(_mm_loadu_si128(block), _mm_loadu_si128(block + 1)),
                        _mm_or_si128(_mm_loadu_si128(block + 2), _mm_loadu_si128(block + 3)));
                    if (_mm_movemask_epi8(any))
                        break;
                }
#endif
                for (uint64_t word; i + 8 <= count; i += 8) {
                    std::memcpy(&word, bytes + i, sizeof word);
                    if (word & 0x8080808080808080u)
                        break;
                }
                if (i >= count)
                    break;
                const uchar c = uchar(bytes[i++]);
                if (c < 0x80)
                    continue;
                if (c < 0xC2)
                    Valid = false;
                else if (c < 0xE0)
                    Expect(1, 0x80, 0xBF);
                else if (c < 0xF0)
                    Expect(2, c == 0xE0 ? 0xA0 : 0x80, c == 0xED ? 0x9F : 0xBF);
                else if (c < 0xF5)
                    Expect(3, c == 0xF0 ? 0x90 : 0x80, c == 0xF4 ? 0x8F : 0xBF);
                else
                    Valid = false;
            } else {
                const uchar c = uchar(bytes[i++]);
                Valid = c >= Low && c <= High;
                Low = 0x80;
                High = 0xBF;
                --Need;
            }
        }
    }
    bool IsValid() const
    {
        return Valid && Need == 0;
    }

private:
    void Expect(int need, uchar low, uchar high)
    {
        Need = need;
        Low = low;
        High = high;
    }
    bool Valid = true;
    int Need = 0;
    uchar Low = 0x80, High = 0xBF;
};

// The stream seen through a window of a few hundred KiB, small enough that
// its bytes stay in the processor's cache from their reading through the
// UTF-8 check and the search to the digest: lines are handed out from it,
// and the bytes between objects are skipped without being kept.
class TTextWindow {
public:
    static constexpr qsizetype WindowSize = qsizetype(256) << 10;
    // Longer lines are refused where they must be read (object lines and
    // properties); elsewhere a line may be of any length.
    static constexpr qsizetype LongestLine = qsizetype(1) << 16;

    explicit TTextWindow(QIODevice &stream)
        : Stream(stream), Buffer(new char[WindowSize]), BufferOffset(stream.pos())
    {
    }

    qint64 LineNumber() const { return Line; }
    qint64 Offset() const { return BufferOffset + Pos; }
    // Whether every byte read so far is UTF-8; valid at the end of the stream.
    bool IsUtf8() const { return Utf8.IsValid(); }

    void SkipByteOrderMark()
    {
        Available(ByteOrderMark.size());
        if (QByteArrayView(Buffer.get() + Pos, Length - Pos).startsWith(ByteOrderMark))
            Pos += ByteOrderMark.size();
    }

    // The current line without its line break; false at the end of the stream.
    bool PeekLine(QByteArrayView &line)
    {
        for (qsizetype searched = Pos;;) {
            if (const void *found =
                    std::memchr(Buffer.get() + searched, '\n', size_t(Length - searched))) {
                const qsizetype end = static_cast<const char *>(found) - Buffer.get();
                CheckLength(end - Pos);
                LineEnd = end + 1;
                line = WithoutReturn(QByteArrayView(Buffer.get() + Pos, end - Pos));
                return true;
            }
            CheckLength(Length - Pos);
            searched = Length - Pos;
            if (!Fill()) {
                if (Pos == Length)
                    return false;
                LineEnd = Length;
                line = WithoutReturn(QByteArrayView(Buffer.get() + Pos, Length - Pos));
                return true;
            }
            searched += Pos;
        }
    }
    // Moves past the line PeekLine gave.
    void Consume()
    {
        Pos = LineEnd;
        ++Line;
    }

    // Moves to the next line that begins with "OBJECT " in column 0, the
    // current one included, digesting the bytes passed; false at the end of
    // the stream. Most of a file is code: it is only searched for a line
    // feed before an 'O' and digested as it stands.
    bool SkipToObjectLine(TTextDigest &digest)
    {
        Available(ObjectLineStart.size());
        if (Pos == Length)
            return false;
        if (IsObjectLine(QByteArrayView(Buffer.get() + Pos, Length - Pos)))
            return true;
        for (;;) {
            // Before the end of the stream, a line feed is looked at only
            // with the seven bytes after it at hand.
            const qsizetype limit = AtEnd ? Length - 1 : Length - ObjectLineStart.size() - 1;
            const char *const begin = Buffer.get() + Pos, *const end = Buffer.get() + Length;
            int64_t feeds = 0;
            const char *from = begin;
            const char *feed = nullptr;
            while (from < Buffer.get() + limit &&
                   (feed = FindLineFeedBefore(from, Buffer.get() + limit, 'O', feeds))) {
                if (IsObjectLine(QByteArrayView(feed + 1, end - feed - 1)))
                    break;
                ++feeds;
                from = feed + 1;
                feed = nullptr;
            }
            if (feed) {
                digest.Add(QByteArrayView(begin, feed + 1 - begin));
                Line += feeds + 1;
                Pos = feed + 1 - Buffer.get();
                return true;
            }
            const qsizetype stop = AtEnd ? Length : std::max(Pos, limit);
            digest.Add(QByteArrayView(begin, stop - Pos));
            Line += feeds;
            Pos = stop;
            if (AtEnd)
                return false;
            Fill();
        }
    }

    [[noreturn]] void Fail(const QString &cause, qint64 line) const
    {
        TError error(cause);
        error.SetLine(line);
        throw error;
    }

private:
    static bool IsObjectLine(QByteArrayView line)
    {
        return !line.isEmpty() && line.front() == 'O' && line.startsWith(ObjectLineStart);
    }

    static QByteArrayView WithoutReturn(QByteArrayView line)
    {
        return line.endsWith('\r') ? line.chopped(1) : line;
    }

    void CheckLength(qsizetype length) const
    {
        if (length > LongestLine)
            Fail(QCoreApplication::translate("TTextExport", "The line is longer than %1 bytes")
                     .arg(LongestLine),
                 Line);
    }

    // Makes count bytes available from Pos where the stream has them.
    void Available(qsizetype count)
    {
        while (Length - Pos < count && Fill()) {
        }
    }

    // Keeps the unread bytes and reads more after them; false when the
    // stream has no more.
    bool Fill()
    {
        if (AtEnd)
            return false;
        if (Pos > 0) {
            std::memmove(Buffer.get(), Buffer.get() + Pos, size_t(Length - Pos));
            BufferOffset += Pos;
            LineEnd -= Pos;
            Length -= Pos;
            Pos = 0;
        }
        const qint64 read = Stream.read(Buffer.get() + Length, WindowSize - Length);
        if (read < 0)
            Fail(QCoreApplication::translate("TTextExport", "Cannot read the file. %1")
                     .arg(CleanCause(Stream.errorString())),
                 Line);
        if (read == 0) {
            AtEnd = true;
            return false;
        }
        Utf8.Feed(Buffer.get() + Length, read);
        Length += read;
        return true;
    }

    QIODevice &Stream;
    std::unique_ptr<char[]> Buffer;
    qint64 BufferOffset; // the stream position of Buffer[0]
    qsizetype Pos = 0, Length = 0, LineEnd = 0;
    qint64 Line = 1;
    bool AtEnd = false;
    TUtf8Check Utf8;
};

int32_t ObjectID(QByteArrayView text)
{
    int32_t value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.isEmpty() || error != std::errc() || ptr != end)
        throw TError(
            QCoreApplication::translate("TNavisionObject", "'%1' is not a valid integer value")
                .arg(Quoted(text)));
    return value;
}

// "OBJECT <Type> <ID> <Name>"
void ReadObjectLine(QByteArrayView line, TTextObjectFields &fields)
{
    const QByteArrayView type = ObjectLineType(line);
    if (type.isEmpty())
        throw TError(QCoreApplication::translate("TTextExport", "'%1' is not an object line")
                         .arg(Quoted(line)));
    fields.TypeName = type.toByteArray();
    QByteArrayView rest = line.sliced(ObjectLineStart.size() + type.size() + 1);
    const qsizetype blank = rest.indexOf(' ');
    fields.ID = ObjectID(blank < 0 ? rest : rest.first(blank));
    fields.Name = blank < 0 ? QByteArray() : Trimmed(rest.sliced(blank + 1)).toByteArray();
}

// A property's value: up to the ';' that ends it, a bracketed value without
// its brackets.
QByteArrayView PropertyValue(QByteArrayView value)
{
    value = Trimmed(value);
    if (value.endsWith(';'))
        value.chop(1);
    if (value.size() >= 2 && value.front() == '[' && value.back() == ']')
        value = value.sliced(1, value.size() - 2);
    return Trimmed(value);
}

bool SkipBlankLines(TTextWindow &window, QByteArrayView &line)
{
    while (window.PeekLine(line)) {
        if (!Trimmed(line).isEmpty())
            return true;
        window.Consume();
    }
    return false;
}

// The OBJECT-PROPERTIES block, when it follows the object line and its
// brace; anything else is left for the search of the next object.
void ReadProperties(TTextWindow &window, TTextObjectFields &fields)
{
    QByteArrayView line;
    if (!SkipBlankLines(window, line) || Trimmed(line) != "{")
        return;
    window.Consume();
    if (!SkipBlankLines(window, line) || Trimmed(line) != "OBJECT-PROPERTIES")
        return;
    window.Consume();
    if (!SkipBlankLines(window, line) || Trimmed(line) != "{")
        return;
    window.Consume();
    for (;;) {
        if (!window.PeekLine(line) || !ObjectLineType(line).isEmpty())
            window.Fail(
                QCoreApplication::translate(
                    "TTextExport", "The object \"%1 %2 %3\" ends within its OBJECT-PROPERTIES")
                    .arg(DecodeText(fields.TypeName))
                    .arg(fields.ID)
                    .arg(DecodeText(fields.Name)),
                fields.Line);
        const QByteArrayView text = Trimmed(line);
        if (text == "}") {
            window.Consume();
            return;
        }
        if (const qsizetype equals = text.indexOf('='); equals > 0) {
            const QByteArrayView name = Trimmed(text.first(equals));
            const QByteArrayView value = PropertyValue(text.sliced(equals + 1));
            if (name == "Date") {
                fields.Date = value.toByteArray();
                fields.DateLine = window.LineNumber();
            } else if (name == "Time") {
                fields.Time = value.toByteArray();
                if (fields.DateLine == 0)
                    fields.DateLine = window.LineNumber();
            } else if (name == "Modified") {
                fields.Modified = value.compare("Yes", Qt::CaseInsensitive) == 0;
            } else if (name == "Version List") {
                fields.VersionList = value.toByteArray();
            }
        }
        window.Consume();
    }
}

bool IsAscii(QByteArrayView text)
{
    for (const char c : text) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

// A UTF-8 text as code page 850; characters the code page lacks become '?'.
void ToCodePage(QByteArray &text)
{
    if (!IsAscii(text))
        text = EncodeText(QString::fromUtf8(text));
}

} // namespace

bool IsTextExport(QIODevice &stream)
{
    // Enough for any object line's beginning: "OBJECT MenuSuite " and more.
    constexpr qsizetype Wanted = 32;
    QByteArray head;
    bool first = true;
    const auto look = [&](QByteArrayView bytes) {
        if (first) {
            first = false;
            if (bytes.startsWith(ByteOrderMark))
                bytes = bytes.sliced(ByteOrderMark.size());
        }
        if (head.isEmpty()) {
            while (!bytes.isEmpty() && IsBlankByte(bytes.front()))
                bytes = bytes.sliced(1);
        }
        head.append(bytes.first(std::min(bytes.size(), Wanted - head.size())));
        return head.size() >= Wanted;
    };
    if (stream.isSequential()) {
        look(stream.peek(1 << 16));
    } else {
        const qint64 start = stream.pos();
        QByteArray block(1 << 16, Qt::Uninitialized);
        for (qint64 read; (read = stream.read(block.data(), block.size())) > 0;) {
            if (look(QByteArrayView(block.constData(), read)))
                break;
        }
        stream.seek(start);
    }
    return !ObjectLineType(head).isEmpty();
}

TTextExport ReadTextExport(QIODevice &stream)
{
    TTextExport result;
    TTextWindow window(stream);
    window.SkipByteOrderMark();
    QByteArrayView line;
    // A file of blank lines holds no object.
    if (!SkipBlankLines(window, line))
        return result;
    if (ObjectLineType(line).isEmpty())
        window.Fail(
            QCoreApplication::translate(
                "TTextExport", "It is not an object file: its first line is no OBJECT line"),
            window.LineNumber());
    for (bool more = true; more;) {
        TTextObjectFields fields;
        fields.Line = window.LineNumber();
        fields.Begin = window.Offset();
        try {
            ReadObjectLine(line, fields);
        } catch (TError &error) {
            error.SetLine(fields.Line);
            throw;
        }
        window.Consume();
        ReadProperties(window, fields);
        more = window.SkipToObjectLine(fields.Digest) && window.PeekLine(line);
        fields.End = window.Offset();
        result.Objects.push_back(std::move(fields));
    }
    // The search for a next object has read the whole stream.
    result.Utf8 = window.IsUtf8();
    if (result.Utf8) {
        for (TTextObjectFields &fields : result.Objects) {
            ToCodePage(fields.Name);
            ToCodePage(fields.VersionList);
            ToCodePage(fields.Date);
            ToCodePage(fields.Time);
        }
    }
    return result;
}
