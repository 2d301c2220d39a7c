#include "objectlist.h"

#include "codepage.h"

#include <QHash>
#include <QHashFunctions>

namespace {

constexpr size_t FirstIndexSize = 64;

} // namespace

TCaseFolding::TCaseFolding(const QLocale &locale)
{
    // Made once per locale and thread: every model builds two lists.
    thread_local QHash<QString, std::array<char, 256>> made;
    const QString name = locale.name();
    if (const auto found = made.constFind(name); found != made.cend()) {
        Table = *found;
        return;
    }
    // Each character's lower case under the locale, where code page 850 has
    // it as a single byte (the Turkish I becomes dotless ı, for one).
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        const QByteArray lower = EncodeText(locale.toLower(DecodeText(QByteArray(1, c))));
        Table[size_t(byte)] = lower.size() == 1 ? lower.front() : c;
    }
    // Characters code page 850 lacks come back as '?'; only a real '?' maps there.
    for (int byte = 0; byte < 256; ++byte) {
        if (Table[size_t(byte)] == '?' && byte != '?')
            Table[size_t(byte)] = char(byte);
    }
    made.insert(name, Table);
}

TObjectList::TObjectList(const QLocale &locale) : Folding(locale) {}

void TObjectList::FoldKey(const TNavisionObject &object, TFoldedKey &key) const
{
    WriteKey(object, key);
    for (char &c : key)
        c = Folding.Fold(c);
}

uint64_t TObjectList::Hash(const TFoldedKey &key)
{
    return qHashBits(key.constData(), size_t(key.size()), 0x51A7E1u);
}

const TNavisionObject *TObjectList::FindEqualKey(const TFoldedKey &key, uint64_t hash) const
{
    if (Slots.empty())
        return nullptr;
    const size_t mask = Slots.size() - 1;
    TFoldedKey listed;
    for (size_t slot = hash & mask; Slots[slot].Object; slot = (slot + 1) & mask) {
        if (Slots[slot].Hash != hash)
            continue;
        FoldKey(*Slots[slot].Object, listed);
        if (listed.size() == key.size() && std::equal(listed.begin(), listed.end(), key.begin()))
            return Slots[slot].Object;
    }
    return nullptr;
}

void TObjectList::IndexLastEntry()
{
    // Past four fifths full, the index grows to twice the size and takes
    // every entry again, the last one too.
    if (Entries.size() * 5 > Slots.size() * 4)
        RebuildIndex();
    else
        InsertIntoIndex(Entries.back());
}

void TObjectList::InsertIntoIndex(const TObjectEntry &entry)
{
    const size_t mask = Slots.size() - 1;
    size_t slot = entry.KeyHash & mask;
    while (Slots[slot].Object)
        slot = (slot + 1) & mask;
    Slots[slot] = {entry.KeyHash, entry.Object.get()};
}

void TObjectList::RebuildIndex()
{
    size_t size = FirstIndexSize;
    while (size * 4 < Entries.size() * 5 + 5)
        size *= 2;
    Slots.assign(size, TSlot());
    for (const TObjectEntry &entry : Entries)
        InsertIntoIndex(entry);
}

bool TObjectList::AppendUnique(std::unique_ptr<TNavisionObject> &object)
{
    TFoldedKey key;
    FoldKey(*object, key);
    const uint64_t hash = Hash(key);
    if (FindEqualKey(key, hash))
        return false;
    Entries.push_back({hash, std::move(object)});
    IndexLastEntry();
    return true;
}

void TObjectList::Append(TObjectEntry entry)
{
    Entries.push_back(std::move(entry));
    IndexLastEntry();
}

std::vector<TObjectEntry>
TObjectList::TakeReversed(const std::function<bool(const TNavisionObject &)> &test)
{
    std::vector<TObjectEntry> taken, kept;
    kept.reserve(Entries.size());
    for (auto entry = Entries.rbegin(); entry != Entries.rend(); ++entry) {
        if (test(*entry->Object))
            taken.push_back(std::move(*entry));
        else
            kept.push_back(std::move(*entry));
    }
    Entries.assign(std::make_move_iterator(kept.rbegin()), std::make_move_iterator(kept.rend()));
    if (!taken.empty())
        RebuildIndex();
    return taken;
}

void TObjectList::Reorder(const std::vector<uint32_t> &formerPositions)
{
    std::vector<TObjectEntry> ordered;
    ordered.reserve(Entries.size());
    for (const uint32_t position : formerPositions)
        ordered.push_back(std::move(Entries[position]));
    Entries = std::move(ordered);
}

void TObjectList::Clear()
{
    Entries.clear();
    Slots.clear();
}
