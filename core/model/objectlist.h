// An ordered list of objects, held as compact values side by side in one
// block of memory. Keys that repeat, ignoring case, are found by sorting
// their hashes once a whole file has been appended.
#pragma once

#include "core/fast/largeblock.h"
#include "core/model/navisionobject.h"

#include <QLocale>

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// The letter case of code page 850 bytes folded under a locale: every byte
// maps to the byte of its lower-case letter, or to itself.
class TCaseFolding {
public:
    explicit TCaseFolding(const QLocale &locale);
    char Fold(char c) const { return Table[uchar(c)]; }
    // The eight bytes of the word folded, each on its own.
    uint64_t FoldWord(uint64_t word) const;

private:
    std::array<char, 256> Table{};
    static std::array<char, 256> MadeFor(const QLocale &locale);

    // Whether ASCII folds as in English: A to Z to a to z, nothing else.
    // Then the ASCII bytes of a word fold all at once.
    bool AsciiFoldsPlainly = false;
};

class TObjectList {
public:
    explicit TObjectList(const QLocale &locale);

    int Count() const { return static_cast<int>(Objects.size()); }
    // Valid until the list next changes.
    const TNavisionObject &Object(int index) const { return Objects[size_t(index)]; }
    TNavisionObject &Object(int index) { return Objects[size_t(index)]; }

    // Makes room for about this many objects, so that they don't move or
    // grow while a file of that size is read.
    void Reserve(size_t count);
    // Appends the object without looking for its key, for reading a whole
    // file: DropRepeatedKeys then removes the repeated ones all at once.
    TNavisionObject &AppendUnchecked(TNavisionObject &&object);
    // Removes every object from position from on whose key, ignoring case,
    // an object before it has; the others keep their order: what appending
    // them one by one, each unless its key was listed, would have kept.
    // With repeated, each object removed is added to it with the object
    // that stays in its place.
    void
    DropRepeatedKeys(int from,
                     std::vector<std::pair<TNavisionObject, TNavisionObject>> *repeated = nullptr);
    // Appends without comparing keys.
    void Append(TNavisionObject object);
    // Removes the objects that satisfy the test; returns them from the last
    // position to the first. The others keep their order.
    std::vector<TNavisionObject>
    TakeReversed(const std::function<bool(const TNavisionObject &)> &test);
    // Puts the objects into the order given as their former positions.
    void Reorder(const TLargeVector<uint32_t> &formerPositions);
    // Drops the objects after the first count ones.
    void Truncate(int count);
    // Removes every object but keeps the memory, for a list filled again at once.
    void Empty();
    // Removes every object and gives the memory back.
    void Clear();

private:
    // A key's bytes with its letters folded. Room for the longest: a type
    // name of 10, two blanks, an ID of 11 and a name of 30 bytes, and for
    // writing whole words past its end.
    struct TFoldedKey {
        char Bytes[80] = {};
        int Length = 0;

        QByteArrayView View() const { return QByteArrayView(Bytes, Length); }
        bool operator==(const TFoldedKey &other) const { return View() == other.View(); }
    };
    void FoldKey(const TNavisionObject &object, TFoldedKey &key) const;
    uint32_t KeyHash(const TNavisionObject &object, TFoldedKey &key) const;
    // A hash of the key's parts: its type name, ID and name, folded. Keys
    // equal as texts have equal parts as long as no type name holds a blank
    // (the first blank then ends the type name, the next the ID); the
    // caller checks that. Without writing the key out, and without a branch
    // on the lengths of its parts.
    uint32_t PartsHash(const TNavisionObject &object) const;

    TCaseFolding Folding;
    // The seven type names folded, each followed by its blank, and a hash
    // of each.
    std::array<TFoldedKey, otMenuSuite + 1> FoldedTypeNames;
    std::array<uint64_t, otMenuSuite + 1> TypeNameHashes{};
    TLargeVector<TNavisionObject> Objects;
};
