// The one fast hash of the model's tables (texts pooled while a file is
// read, keys looked for twice, the distinct texts of a sort): eight bytes at
// a time in two lanes, so that the multiplications don't wait for each
// other. For .cpp files only, where the calls stay inline.
#pragma once

#include <QByteArrayView>
#include <QRandomGenerator>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

// A start for the hash drawn once per run, so that a file made to send its
// texts to one slot of a table can't be made for every run.
inline uint64_t HashSeed()
{
    static const uint64_t seed = QRandomGenerator::system()->generate64();
    return seed;
}

namespace HashDetail {

inline constexpr uint64_t Multiplier = 0x9E3779B97F4A7C15u;

// One word mixed into a lane.
inline uint64_t Step(uint64_t lane, uint64_t word)
{
    lane = (lane ^ word) * Multiplier;
    return lane ^ (lane >> 29);
}

inline uint64_t Joined(uint64_t a, uint64_t b)
{
    const uint64_t hash = (a ^ (b >> 31)) * Multiplier ^ b;
    return hash ^ (hash >> 32);
}

inline uint64_t WordAt(const char *bytes)
{
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

} // namespace HashDetail

// The bytes' hash, from the given start (a seed, or the hash of what comes
// before).
inline uint64_t HashBytes(QByteArrayView bytes, uint64_t start)
{
    using namespace HashDetail;
    const qsizetype size = bytes.size();
    uint64_t a = start, b = start ^ Multiplier;
    qsizetype i = 0;
    for (; i + 16 <= size; i += 16) {
        a = Step(a, WordAt(bytes.data() + i));
        b = Step(b, WordAt(bytes.data() + i + 8));
    }
    if (i + 8 <= size) {
        a = Step(a, WordAt(bytes.data() + i));
        i += 8;
    }
    uint64_t rest = 0;
    if (i < size)
        std::memcpy(&rest, bytes.data() + i, size_t(size - i));
    b = Step(b, rest ^ (uint64_t(size) << 56));
    return Joined(a, b);
}

// The same hash of words already in hand: a key's folded words, say.
template <std::size_t Count>
uint64_t HashWords(const std::array<uint64_t, Count> &words, uint64_t start)
{
    using namespace HashDetail;
    uint64_t a = start, b = start ^ Multiplier;
    for (std::size_t i = 0; i + 1 < Count; i += 2) {
        a = Step(a, words[i]);
        b = Step(b, words[i + 1]);
    }
    if constexpr (Count % 2 == 1)
        a = Step(a, words[Count - 1]);
    return Joined(a, b);
}
