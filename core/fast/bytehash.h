// A fast hash of short byte strings (keys, version lists), eight bytes at a
// time, for the tables that look a file's texts up while it is read.
#pragma once

#include <QByteArrayView>
#include <QRandomGenerator>

#include <cstdint>
#include <cstring>

// A start for the hash drawn once per run, so that a file made to send its
// texts to one slot of a table can't be made for every run.
inline uint64_t HashSeed()
{
    static const uint64_t seed = QRandomGenerator::system()->generate64();
    return seed;
}

inline uint64_t HashBytes(QByteArrayView bytes, uint64_t hash)
{
    constexpr uint64_t Multiplier = 0x9E3779B97F4A7C15u;
    qsizetype i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        hash = (hash ^ word) * Multiplier;
        hash ^= hash >> 29;
    }
    uint64_t rest = 0;
    if (i < bytes.size())
        std::memcpy(&rest, bytes.data() + i, size_t(bytes.size() - i));
    hash = (hash ^ rest ^ (uint64_t(bytes.size()) << 56)) * Multiplier;
    return hash ^ (hash >> 32);
}
