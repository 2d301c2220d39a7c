#include "objectlist.h"

#include "codepage.h"

TObjectList::TObjectList(const QLocale &locale) : Collator(locale) {
    // Case-insensitive but accent-sensitive: É equals é, e differs from é.
    Collator.setCaseSensitivity(Qt::CaseInsensitive);
}

QCollatorSortKey TObjectList::SortKey(const QByteArray &key) const {
    return Collator.sortKey(DecodeText(key));
}

bool TObjectList::ContainsKey(const QByteArray &key) const {
    return KeyIndex.find(SortKey(key)) != KeyIndex.end();
}

void TObjectList::Append(TObjectEntry entry) {
    KeyIndex.insert(SortKey(entry.Key));
    Entries.push_back(std::move(entry));
}

std::vector<TObjectEntry>
TObjectList::TakeReversed(const std::function<bool(const TNavisionObject &)> &test) {
    std::vector<TObjectEntry> taken, kept;
    kept.reserve(Entries.size());
    for (auto entry = Entries.rbegin(); entry != Entries.rend(); ++entry) {
        if (test(*entry->Object)) {
            if (const auto key = KeyIndex.find(SortKey(entry->Key)); key != KeyIndex.end())
                KeyIndex.erase(key);
            taken.push_back(std::move(*entry));
        } else {
            kept.push_back(std::move(*entry));
        }
    }
    Entries.assign(std::make_move_iterator(kept.rbegin()), std::make_move_iterator(kept.rend()));
    return taken;
}

void TObjectList::Clear() {
    KeyIndex.clear();
    Entries.clear();
}
