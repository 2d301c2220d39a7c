// An ordered list of objects, each entry owning its object. A hash index of
// the keys finds a listed key, ignoring case, without comparing with every
// entry.
#pragma once

#include "navisionobject.h"

#include <QLocale>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct TObjectEntry {
    uint64_t KeyHash = 0; // of the key with its letter case folded
    std::unique_ptr<TNavisionObject> Object;
};

// The letter case of code page 850 bytes folded under a locale: every byte
// maps to the byte of its lower-case letter, or to itself.
class TCaseFolding {
public:
    explicit TCaseFolding(const QLocale &locale);
    char Fold(char c) const { return Table[uchar(c)]; }

private:
    std::array<char, 256> Table{};
};

class TObjectList {
public:
    explicit TObjectList(const QLocale &locale);

    int Count() const { return static_cast<int>(Entries.size()); }
    const TObjectEntry &Entry(int index) const { return Entries[static_cast<size_t>(index)]; }
    TNavisionObject &Object(int index) const { return *Entries[static_cast<size_t>(index)].Object; }

    // Appends the object unless an object with an equal key, ignoring case,
    // is listed; an object not appended stays the caller's.
    bool AppendUnique(std::unique_ptr<TNavisionObject> &object);
    // Appends without comparing keys.
    void Append(TObjectEntry entry);
    // Removes the entries whose object satisfies the test; returns them from
    // the last position to the first. The others keep their order.
    std::vector<TObjectEntry>
    TakeReversed(const std::function<bool(const TNavisionObject &)> &test);
    void Exchange(int a, int b) { std::swap(Entries[size_t(a)], Entries[size_t(b)]); }
    // Puts the entries into the order given as their former positions.
    void Reorder(const std::vector<uint32_t> &formerPositions);
    void Clear();

private:
    // The key of an object as the index compares it: case folded.
    using TFoldedKey = TKeyBuffer;
    void FoldKey(const TNavisionObject &object, TFoldedKey &key) const;
    static uint64_t Hash(const TFoldedKey &key);

    // Open addressing with linear probing over the listed objects.
    struct TSlot {
        uint64_t Hash = 0;
        const TNavisionObject *Object = nullptr;
    };
    const TNavisionObject *FindEqualKey(const TFoldedKey &key, uint64_t hash) const;
    void IndexLastEntry();
    void InsertIntoIndex(const TObjectEntry &entry);
    void RebuildIndex();

    TCaseFolding Folding;
    std::vector<TObjectEntry> Entries;
    std::vector<TSlot> Slots; // a power of two in size, at most four fifths used
};
