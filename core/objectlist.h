// An ordered list of objects, each entry its key text and the object it owns.
// An index of the keys, with the locale's case-insensitive equality, finds a
// listed key without comparing with every entry.
#pragma once

#include "navisionobject.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <functional>
#include <memory>
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

    // Whether a key equal to this one, ignoring case, is listed.
    bool ContainsKey(const QByteArray &key) const;
    void Append(TObjectEntry entry);
    // Removes the entries whose object satisfies the test; returns them from
    // the last position to the first. The others keep their order.
    std::vector<TObjectEntry>
    TakeReversed(const std::function<bool(const TNavisionObject &)> &test);
    void Exchange(int a, int b) { std::swap(Entries[size_t(a)], Entries[size_t(b)]); }
    void Clear();

private:
    QCollatorSortKey SortKey(const QByteArray &key) const;

    struct KeyLess {
        bool operator()(const QCollatorSortKey &a, const QCollatorSortKey &b) const {
            return a.compare(b) < 0;
        }
    };
    QCollator Collator;
    std::vector<TObjectEntry> Entries;
    std::multiset<QCollatorSortKey, KeyLess> KeyIndex;
};
