// Reads an object file's index entry by entry through one large buffer that
// is reused for the whole index, so the stream is asked for a block at a
// time rather than for every entry.
#pragma once

#include <QByteArrayView>
#include <QIODevice>

#include <memory>

class TError;

class TIndexEntryReader {
public:
    // Small enough to stay in the processor's cache and to need few fresh
    // pages in a new process; large enough that reading costs few calls.
    static constexpr qint64 BlockSize = 1 << 16;

    explicit TIndexEntryReader(QIODevice &stream);

    // The next object entry of 161 bytes, table-data entries skipped; an
    // empty view at the end of the index (a byte 0x1A or the end of the
    // stream). Valid until the next call. Throws TError, with the entry's
    // place, when the stream fails or ends within an object entry.
    QByteArrayView NextObjectEntry();
    // Tells the error where the entry read last stands: its number in the
    // index, from 1, table data included, the stream position at which it
    // began, and whether its bytes are text.
    void SetPlace(TError &error, QByteArrayView bytes) const;

private:
    // Makes at least count bytes available from Begin, fewer only at the
    // end of the stream; returns how many are.
    qint64 Available(qint64 count);
    [[noreturn]] void Fail(const QString &cause, QByteArrayView bytes) const;

    QIODevice &Stream;
    std::unique_ptr<char[]> Buffer;
    qint64 Capacity = 0;
    qint64 Begin = 0, End = 0; // the unread bytes within the buffer
    qint64 BufferOffset = 0;   // the stream position of Buffer[0]
    qint64 Offset = 0;
    int Number = 0;
};
