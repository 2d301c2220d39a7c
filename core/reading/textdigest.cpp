#include "core/reading/textdigest.h"

#include "core/fast/bytehash.h"
#include "core/reading/codepage.h"

#include <cstring>

namespace {

// A fixed start: digests are compared across files and runs.
constexpr uint64_t DigestStart = 0x5155494E54415245u;

uint32_t QuarterAt(const char *bytes)
{
    uint32_t quarter;
    std::memcpy(&quarter, bytes, sizeof quarter);
    return quarter;
}

// The line's hash, and whether it holds a byte of 0x80 or up. The last
// words are read ending at the line's end, overlapping the words before:
// no copy of a tail of varying length for each short line.
uint64_t LineHash(QByteArrayView line, bool &ascii)
{
    using namespace HashDetail;
    const qsizetype size = line.size();
    const char *bytes = line.data(), *end = bytes + size;
    uint64_t a = DigestStart ^ uint64_t(size), b = DigestStart ^ Multiplier, high = 0;
    for (qsizetype i = 0; i + 16 < size; i += 16) {
        const uint64_t first = WordAt(bytes + i), second = WordAt(bytes + i + 8);
        high |= first | second;
        a = Stirred(Step(a, first));
        b = Stirred(Step(b, second));
    }
    uint64_t first = 0, second = 0;
    if (size >= 16) {
        first = WordAt(end - 16);
        second = WordAt(end - 8);
    } else if (size >= 8) {
        first = WordAt(bytes);
        second = WordAt(end - 8);
    } else if (size >= 4) {
        first = QuarterAt(bytes) | uint64_t(QuarterAt(end - 4)) << 32;
    } else if (size > 0) {
        first = uchar(bytes[0]) | uint64_t(uchar(bytes[size / 2])) << 8 |
                uint64_t(uchar(bytes[size - 1])) << 16;
    }
    high |= first | second;
    a = Step(a, first);
    b = Step(b, second);
    ascii = (high & 0x8080808080808080u) == 0;
    const uint64_t hash = Step(a ^ (b >> 31), b);
    return hash ^ (hash >> 32);
}

} // namespace

void TTextDigest::AddLine(QByteArrayView line)
{
    if (line.isEmpty()) {
        ++PendingBlankLines;
        return;
    }
    bool unused = true;
    for (; PendingBlankLines > 0; --PendingBlankLines) {
        const uint64_t blank = LineHash({}, unused);
        Mix(blank, blank);
    }
    bool ascii = true;
    const uint64_t hash = LineHash(line, ascii);
    if (ascii) {
        Mix(hash, hash);
        return;
    }
    const QByteArray transcoded = DecodeText(line).toUtf8();
    Mix(hash, LineHash(transcoded, ascii));
}

void TTextDigest::Mix(uint64_t utf8Line, uint64_t codePageLine)
{
    using namespace HashDetail;
    Utf8 = Stirred(Step(Utf8, utf8Line));
    CodePage = Stirred(Step(CodePage, codePageLine));
}
