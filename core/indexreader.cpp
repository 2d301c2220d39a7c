#include "indexreader.h"

#include "conversions.h"
#include "errors.h"
#include "navisionobject.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char EndOfIndex = 0x1A;
constexpr qint64 TagSize = 10;
constexpr qint64 TableDataSize = 108;
constexpr qint64 EntrySize = TNavisionObject::EntrySize;

QString CleanCause(QString text)
{
    while (!text.isEmpty() && (text.back().unicode() <= u' ' || text.back() == u'.'))
        text.chop(1);
    return text.isEmpty() ? QStringLiteral("Unknown error") : text;
}

} // namespace

TIndexReader::TIndexReader(QIODevice &stream) : Stream(stream), BufferOffset(stream.pos())
{
    // A small stream needs no block of a mebibyte.
    Capacity = BlockSize;
    if (!stream.isSequential())
        Capacity = std::clamp(stream.size() - stream.pos(), EntrySize, BlockSize);
    Buffer = std::make_unique<char[]>(size_t(Capacity));
}

qint64 TIndexReader::Available(qint64 count)
{
    if (End - Begin >= count)
        return count;
    // The bytes left move to the front, and the rest of the buffer is filled.
    std::memmove(Buffer.get(), Buffer.get() + Begin, size_t(End - Begin));
    BufferOffset += Begin;
    End -= Begin;
    Begin = 0;
    while (End < count) {
        const qint64 got = Stream.read(Buffer.get() + End, Capacity - End);
        if (got < 0)
            throw TError(
                QStringLiteral("Cannot read the index. %1").arg(CleanCause(Stream.errorString())));
        if (got == 0)
            break;
        End += got;
    }
    return std::min(count, End - Begin);
}

QByteArrayView TIndexReader::NextObjectEntry()
{
    for (;;) {
        Offset = BufferOffset + Begin;
        const qint64 tagLength = Available(TagSize);
        const char *entry = Buffer.get() + Begin;
        if (tagLength == 0 || entry[0] == EndOfIndex)
            return {};
        if (TrimmedRight(QByteArrayView(entry, tagLength)) == QByteArrayView("TableData")) {
            // Table data is skipped; one cut short by the end of the stream ends the index.
            Begin += Available(TableDataSize);
            continue;
        }
        const qint64 length = Available(EntrySize);
        if (length < EntrySize) {
            throw TError(QStringLiteral("The object entry at byte %1 is cut short: the file ends "
                                        "after %2 of its %3 bytes")
                             .arg(Offset)
                             .arg(length)
                             .arg(EntrySize));
        }
        const QByteArrayView result(Buffer.get() + Begin, EntrySize);
        Begin += EntrySize;
        return result;
    }
}
