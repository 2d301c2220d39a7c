#include "core/reading/textdigest.h"

#include "core/fast/bytehash.h"
#include "core/reading/codepage.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr uint64_t LineEnds = 0x0A0D0A0D0A0D0A0Du; // CR LF four times

bool IsLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

} // namespace

// --- TTextHashStream -----------------------------------------------------------

inline void TTextHashStream::THashState::HashWord(uint64_t word)
{
    using namespace HashDetail;
    // Four lanes in turn: the multiplications of neighbouring words don't
    // wait for each other.
    const uint64_t mixed = Stirred(Step(Lanes[0], word));
    Lanes[0] = Lanes[1];
    Lanes[1] = Lanes[2];
    Lanes[2] = Lanes[3];
    Lanes[3] = mixed;
    ++Words;
}

// size bytes in the word's low end, the bytes above them 0.
inline void TTextHashStream::THashState::AddWord(uint64_t word, int size)
{
    const uint64_t combined = Partial | (word << (8 * PartialSize));
    const int total = PartialSize + size;
    if (total >= 8) {
        HashWord(combined);
        // The bytes that did not fit; none when Partial was empty.
        Partial = (word >> 8) >> (56 - 8 * PartialSize);
        PartialSize = total - 8;
    } else {
        Partial = combined;
        PartialSize = total;
    }
}

void TTextHashStream::AddByte(char byte)
{
    Hash.AddWord(uchar(byte), 1);
}

// Each as CR LF, as the body's line ends are hashed.
void TTextHashStream::FlushLineFeeds()
{
    for (; PendingFeeds >= 4; PendingFeeds -= 4)
        Hash.AddWord(LineEnds, 8);
    if (PendingFeeds > 0)
        Hash.AddWord(LineEnds >> (64 - 16 * PendingFeeds), int(2 * PendingFeeds));
    PendingFeeds = 0;
}

// Bytes whose last one is no line end. The stream is hashed with every
// line end as CR LF: an LF that no CR comes before gets one. A text of CR
// LF lines, as the ERP writes them, is hashed word by word as it stands.
// Returns whether a byte of 0x80 or up was among them.
bool TTextHashStream::AddBody(const char *from, const char *end)
{
    using HashDetail::WordAt;
    unsigned high = 0;
    bool afterReturn = false; // the byte before was a CR
    // A copy of its own, kept in registers: the bytes read could be the
    // members' for all the compiler knows.
    THashState hash = Hash;
    const auto addByte = [&](char byte) {
        if (byte == '\n' && !afterReturn)
            hash.AddWord('\r', 1);
        hash.AddWord(uchar(byte), 1);
        afterReturn = byte == '\r';
    };
#if defined(__SSE2__)
    const __m128i returns = _mm_set1_epi8('\r'), feeds = _mm_set1_epi8('\n');
    for (; end - from >= 16; from += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
        const unsigned crs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, returns)));
        const unsigned lfs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, feeds)));
        high |= unsigned(_mm_movemask_epi8(block));
        const unsigned alone = lfs & ~((crs << 1) | unsigned(afterReturn));
        if (alone == 0) {
            hash.AddWord(WordAt(from), 8);
            hash.AddWord(WordAt(from + 8), 8);
            afterReturn = (crs >> 15) != 0;
            continue;
        }
        for (int i = 0; i < 16; ++i)
            addByte(from[i]);
    }
#endif
    for (; from < end; ++from) {
        high |= uchar(*from) & 0x80;
        addByte(*from);
    }
    Hash = hash;
    return high != 0;
}

// Bytes that are all CR or LF.
void TTextHashStream::AddTail(const char *from, const char *end)
{
    for (; from < end; ++from) {
        if (*from == '\n') {
            ++PendingFeeds;
        } else if (from + 1 == end) {
            PendingReturn = true;
        } else if (from[1] != '\n') {
            FlushLineFeeds();
            AddByte('\r');
        }
    }
}

bool TTextHashStream::Add(QByteArrayView bytes)
{
    const char *from = bytes.data(), *end = from + bytes.size();
    if (from == end)
        return false;
    if (PendingReturn) {
        PendingReturn = false;
        if (*from != '\n') {
            FlushLineFeeds();
            AddByte('\r');
        }
    }
    const char *bodyEnd = end;
    while (bodyEnd > from && IsLineEnd(bodyEnd[-1]))
        --bodyEnd;
    bool high = false;
    if (bodyEnd > from) {
        FlushLineFeeds();
        high = AddBody(from, bodyEnd);
    }
    AddTail(bodyEnd, end);
    return high;
}

uint64_t TTextHashStream::Value() const
{
    using namespace HashDetail;
    uint64_t hash = Stirred(Step(Hash.Lanes[0], Hash.Partial));
    for (int lane = 1; lane < 4; ++lane)
        hash = Stirred(Step(hash, Hash.Lanes[lane]));
    hash = Step(hash, Hash.Words * 8 + uint64_t(Hash.PartialSize));
    return hash ^ (hash >> 32);
}

// --- TTextDigest ---------------------------------------------------------------

namespace {

// The bytes as code page 850 fed to the stream in UTF-8: runs of ASCII as
// they are, each other byte as its character's UTF-8.
void AddFromCodePage(TTextHashStream &stream, QByteArrayView bytes)
{
    qsizetype run = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (uchar(bytes[i]) < 0x80)
            continue;
        stream.Add(bytes.sliced(run, i - run));
        const char16_t c = DecodeByte(bytes[i]).unicode();
        char utf8[3];
        qsizetype size = 0;
        if (c < 0x800) {
            utf8[size++] = char(0xC0 | (c >> 6));
        } else {
            utf8[size++] = char(0xE0 | (c >> 12));
            utf8[size++] = char(0x80 | ((c >> 6) & 0x3F));
        }
        utf8[size++] = char(0x80 | (c & 0x3F));
        stream.Add(QByteArrayView(utf8, size));
        run = i + 1;
    }
    stream.Add(bytes.sliced(run));
}

} // namespace

void TTextDigest::Add(QByteArrayView bytes)
{
    if (!Apart) {
        const TTextHashStream before = Utf8;
        if (Utf8.Add(bytes)) {
            Apart = true;
            CodePage = before;
            AddFromCodePage(CodePage, bytes);
        }
        return;
    }
    if (Utf8.Add(bytes))
        AddFromCodePage(CodePage, bytes);
    else
        CodePage.Add(bytes);
}

uint64_t TTextDigest::Value(bool utf8) const
{
    return utf8 || !Apart ? Utf8.Value() : CodePage.Value();
}
