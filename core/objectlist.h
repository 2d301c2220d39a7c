// An ordered list of objects, each entry its key text and the object it owns.
// An index of the keys, with the locale's case-insensitive equality, finds a
// listed key without comparing with every entry.
#pragma once

#include "navisionobject.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

struct TObjectEntry {
    QByteArray Key;
    std::unique_ptr<TNavisionObject> Object;
};

class TObjectList {
public:
    explicit TObjectList(const QLocale &locale);

    int Count() const { return static_cast<int>(Entries.size()); }
    const TObjectEntry &Entry(int index) const { return Entries[static_cast<size_t>(index)]; }
    TNavisionObject &Object(int index) const { return *Entries[static_cast<size_t>(index)].Object; }

    // Appends the object under its key unless an equal key, ignoring case,
    // is listed; an object not appended stays the caller's.
    bool AppendUnique(QByteArray key, std::unique_ptr<TNavisionObject> &object);
    // Appends without comparing keys.
    void Append(TObjectEntry entry);
    // Removes the entries whose object satisfies the test; returns them from
    // the last position to the first. The others keep their order.
    std::vector<TObjectEntry>
    TakeReversed(const std::function<bool(const TNavisionObject &)> &test);
    void Exchange(int a, int b) { std::swap(Entries[size_t(a)], Entries[size_t(b)]); }
    void Clear();

private:
    // A key as the index orders it: the locale's collation key, or for the C
    // locale (which Qt compares without a collator) the case-folded text.
    struct TIndexKey {
        std::optional<QCollatorSortKey> Collated;
        QString Folded;
        bool operator<(const TIndexKey &other) const
        {
            return Collated ? Collated->compare(*other.Collated) < 0 : Folded < other.Folded;
        }
    };
    TIndexKey IndexKey(const QByteArray &key) const;

    QCollator Collator;
    bool CLocale;
    std::vector<TObjectEntry> Entries;
    std::multiset<TIndexKey> KeyIndex;
};
