#include "core/reading/indexreader.h"

#include "core/errors.h"
#include "core/fast/trimming.h"
#include "core/model/navisionobject.h"
#include "core/reading/conversions.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace {

constexpr char EndOfIndex = 0x1A;
constexpr qint64 TagSize = 10;
constexpr qint64 TableDataSize = 108;
constexpr qint64 EntrySize = TNavisionObject::EntrySize;

// Whether the bytes are text: no control characters but tab and line breaks.
bool IsText(QByteArrayView bytes)
{
    for (const char c : bytes) {
        const uchar byte = uchar(c);
        if ((byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F)
            return false;
    }
    return true;
}

} // namespace

TIndexEntryReader::TIndexEntryReader(QIODevice &stream) : Stream(stream), BufferOffset(stream.pos())
{
    // A small stream needs no large block.
    Capacity = BlockSize;
    if (!stream.isSequential())
        Capacity = std::clamp(stream.size() - stream.pos(), EntrySize, BlockSize);
    Buffer = std::make_unique_for_overwrite<char[]>(size_t(Capacity));
}

void TIndexEntryReader::SetPlace(TError &error, QByteArrayView bytes) const
{
    error.SetPlace({Number, Offset, IsText(bytes)});
}

void TIndexEntryReader::Fail(const QString &cause, QByteArrayView bytes) const
{
    TError error(cause);
    SetPlace(error, bytes);
    throw error;
}

qint64 TIndexEntryReader::Available(qint64 count)
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
            Fail(QCoreApplication::translate("TNavisionBinaryFile", "Cannot read the index. %1")
                     .arg(CleanCause(Stream.errorString())),
                 QByteArrayView(Buffer.get(), End));
        if (got == 0)
            break;
        End += got;
    }
    return std::min(count, End - Begin);
}

QByteArrayView TIndexEntryReader::NextObjectEntry()
{
    for (;;) {
        Offset = BufferOffset + Begin;
        ++Number;
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
        if (length < EntrySize)
            Fail(QCoreApplication::translate("TNavisionBinaryFile",
                                             "The object entry is cut short: the "
                                             "file ends after %1 of its %2 bytes")
                     .arg(length)
                     .arg(EntrySize),
                 QByteArrayView(Buffer.get() + Begin, length));
        const QByteArrayView result(Buffer.get() + Begin, EntrySize);
        Begin += EntrySize;
        return result;
    }
}
