// The one fast hash of the model's tables (texts pooled while a file is
// read, keys looked for twice, the distinct texts of a sort): eight bytes at
// a time. For .cpp files only, where the calls stay inline.
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

// One word mixed into a lane: its low bits reach the lane's high ones.
inline uint64_t Step(uint64_t lane, uint64_t word)
{
    return (lane ^ word) * Multiplier;
}

// The lane's high bits brought down, before the next word.
inline uint64_t Stirred(uint64_t lane)
{
    return lane ^ (lane >> 29);
}

inline uint64_t WordAt(const char *bytes)
{
    uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

} // namespace HashDetail

// The bytes' hash, from the given start (a seed, or the hash of what comes
// before): one lane, since most texts hashed are a word or two long.
inline uint64_t HashBytes(QByteArrayView bytes, uint64_t start)
{
    using namespace HashDetail;
    const qsizetype size = bytes.size();
    uint64_t hash = start;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8)
        hash = Stirred(Step(hash, WordAt(bytes.data() + i)));
    uint64_t rest = 0;
    if (i < size)
        std::memcpy(&rest, bytes.data() + i, size_t(size - i));
    hash = Step(hash, rest ^ (uint64_t(size) << 56));
    return hash ^ (hash >> 32);
}

// The same steps over words already in hand, a key's folded words say, in
// two lanes so that the multiplications don't wait for each other.
template <std::size_t Count>
uint64_t HashWords(const std::array<uint64_t, Count> &words, uint64_t start)
{
    static_assert(Count % 2 == 0);
    using namespace HashDetail;
    uint64_t a = Step(start, words[0]), b = Step(start ^ Multiplier, words[1]);
    for (std::size_t i = 2; i < Count; i += 2) {
        a = Step(Stirred(a), words[i]);
        b = Step(Stirred(b), words[i + 1]);
    }
    const uint64_t hash = Step(a ^ (b >> 31), 0) ^ b;
    return hash ^ (hash >> 32);
}
