#include "objectlist.h"

#include "codepage.h"

TObjectList::TObjectList(const QLocale &locale)
    : Collator(locale), CLocale(locale.language() == QLocale::C)
{
    // Case-insensitive but accent-sensitive: É equals é, e differs from é.
    Collator.setCaseSensitivity(Qt::CaseInsensitive);
}

TObjectList::TIndexKey TObjectList::IndexKey(const QByteArray &key) const
{
    const QString text = DecodeText(key);
    if (CLocale)
        return {std::nullopt, text.toCaseFolded()};
    return {Collator.sortKey(text), QString()};
}

bool TObjectList::AppendUnique(QByteArray key, std::unique_ptr<TNavisionObject> &object)
{
    TIndexKey indexKey = IndexKey(key);
    if (KeyIndex.find(indexKey) != KeyIndex.end())
        return false;
    KeyIndex.insert(std::move(indexKey));
    Entries.push_back({std::move(key), std::move(object)});
    return true;
}

void TObjectList::Append(TObjectEntry entry)
{
    KeyIndex.insert(IndexKey(entry.Key));
    Entries.push_back(std::move(entry));
}

std::vector<TObjectEntry>
TObjectList::TakeReversed(const std::function<bool(const TNavisionObject &)> &test)
{
    std::vector<TObjectEntry> taken, kept;
    kept.reserve(Entries.size());
    for (auto entry = Entries.rbegin(); entry != Entries.rend(); ++entry) {
        if (test(*entry->Object)) {
            if (const auto key = KeyIndex.find(IndexKey(entry->Key)); key != KeyIndex.end())
                KeyIndex.erase(key);
            taken.push_back(std::move(*entry));
        } else {
            kept.push_back(std::move(*entry));
        }
    }
    Entries.assign(std::make_move_iterator(kept.rbegin()), std::make_move_iterator(kept.rend()));
    return taken;
}

void TObjectList::Clear()
{
    KeyIndex.clear();
    Entries.clear();
}
