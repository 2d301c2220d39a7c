#include "objectlist.h"

#include "bytehash.h"
#include "codepage.h"

#include <QHash>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

constexpr size_t MaxReservedObjects = size_t(1) << 22;

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

TObjectList::TObjectList(const QLocale &locale) : Folding(locale)
{
    for (int type = otTable; type <= otMenuSuite; ++type) {
        TFoldedKey &name = FoldedTypeNames[size_t(type)];
        for (const char c : ObjectTypeName(TNavisionObjectType(type)))
            name.Bytes[name.Length++] = Folding.Fold(c);
        name.Bytes[name.Length++] = ' ';
    }
}

void TObjectList::FoldKey(const TNavisionObject &object, TFoldedKey &key) const
{
    // The key's bytes as WriteKey writes them, folded as they are written;
    // digits, signs and blanks fold to themselves.
    char *out = key.Bytes;
    if (const TNavisionObjectType type = object.ObjectType(); type != otNone) {
        const TFoldedKey &name = FoldedTypeNames[size_t(type)];
        std::memcpy(out, name.Bytes, 16); // the longest, "MenuSuite ", and more
        out += name.Length;
    } else {
        for (const char c : object.TypeNameView())
            *out++ = Folding.Fold(c);
        *out++ = ' ';
    }
    out = std::to_chars(out, out + 11, object.ID()).ptr;
    *out++ = ' ';
    for (const char c : object.Name())
        *out++ = Folding.Fold(c);
    key.Length = int(out - key.Bytes);
}

void TObjectList::Reserve(size_t count)
{
    // A file's size tells how many entries its index holds at most: the
    // bodies behind the index take room too. Reserved objects take no memory
    // until they are written; beyond a few million the list grows as it is read.
    Objects.reserve(std::min(count, MaxReservedObjects));
}

uint32_t TObjectList::KeyHash(const TNavisionObject &object, TFoldedKey &key) const
{
    FoldKey(object, key);
    return uint32_t(HashBytes(key.View(), HashSeed()));
}

const TNavisionObject *TObjectList::AppendUnique(const TNavisionObject &object)
{
    TFoldedKey key, listed;
    FoldKey(object, key);
    for (const TNavisionObject &other : Objects) {
        FoldKey(other, listed);
        if (listed == key)
            return nullptr;
    }
    Objects.push_back(object);
    return &Objects.back();
}

TNavisionObject &TObjectList::AppendUnchecked(TNavisionObject &&object)
{
    Objects.push_back(std::move(object));
    return Objects.back();
}

namespace {

// An object's key hash and its position in the list.
struct THashedPosition {
    uint32_t Hash;
    uint32_t Position;
};

// Sorts by hash, keeping the order of equal hashes: three passes of 11 bits
// each over the array, where comparison sorting would take twenty.
void SortByHash(TLargeVector<THashedPosition> &items)
{
    constexpr int Bits = 11;
    constexpr size_t Buckets = size_t(1) << Bits;
    TLargeVector<THashedPosition> sorted(items.size());
    for (int shift = 0; shift < 32; shift += Bits) {
        std::vector<size_t> starts(Buckets + 1);
        for (const THashedPosition &item : items)
            ++starts[((item.Hash >> shift) & (Buckets - 1)) + 1];
        for (size_t bucket = 1; bucket <= Buckets; ++bucket)
            starts[bucket] += starts[bucket - 1];
        for (const THashedPosition &item : items)
            sorted[starts[(item.Hash >> shift) & (Buckets - 1)]++] = item;
        items.swap(sorted);
    }
}

} // namespace

void TObjectList::DropRepeatedKeys(int from)
{
    const size_t count = Objects.size(), first = size_t(std::max(from, 0));
    if (first >= count)
        return;
    TLargeVector<THashedPosition> hashed(count);
    TFoldedKey key, other;
    for (size_t position = 0; position < count; ++position)
        hashed[position] = {KeyHash(Objects[position], key), uint32_t(position)};
    SortByHash(hashed);

    // Equal keys have equal hashes: within each run of one hash, in the
    // order of the list, an object from first on goes when an earlier
    // object that stays has its key.
    std::vector<bool> repeated(count);
    bool anyRepeated = false;
    for (size_t run = 0, end; run < count; run = end) {
        end = run + 1;
        while (end < count && hashed[end].Hash == hashed[run].Hash)
            ++end;
        for (size_t later = run + 1; later < end; ++later) {
            const uint32_t position = hashed[later].Position;
            if (position < first)
                continue;
            FoldKey(Objects[position], key);
            for (size_t earlier = run; earlier < later; ++earlier) {
                const uint32_t candidate = hashed[earlier].Position;
                if (repeated[candidate])
                    continue;
                FoldKey(Objects[candidate], other);
                if (other == key) {
                    repeated[position] = true;
                    anyRepeated = true;
                    break;
                }
            }
        }
    }
    if (!anyRepeated)
        return;
    size_t kept = first;
    for (size_t position = first; position < count; ++position) {
        if (!repeated[position])
            Objects[kept++] = std::move(Objects[position]);
    }
    Objects.erase(Objects.begin() + qsizetype(kept), Objects.end());
}

void TObjectList::Append(TNavisionObject object)
{
    Objects.push_back(std::move(object));
}

std::vector<TNavisionObject>
TObjectList::TakeReversed(const std::function<bool(const TNavisionObject &)> &test)
{
    std::vector<TNavisionObject> taken;
    size_t kept = 0;
    for (size_t position = 0; position < Objects.size(); ++position) {
        if (test(Objects[position]))
            taken.push_back(std::move(Objects[position]));
        else
            Objects[kept++] = std::move(Objects[position]);
    }
    Objects.erase(Objects.begin() + qsizetype(kept), Objects.end());
    std::reverse(taken.begin(), taken.end());
    return taken;
}

void TObjectList::Exchange(int a, int b)
{
    std::swap(Objects[size_t(a)], Objects[size_t(b)]);
}

void TObjectList::Reorder(const TLargeVector<uint32_t> &formerPositions)
{
    // Gathered into a new block: reading at random and writing in order is
    // faster than moving the objects round in place.
    decltype(Objects) ordered;
    ordered.reserve(Objects.capacity());
    for (const uint32_t position : formerPositions)
        ordered.push_back(std::move(Objects[position]));
    Objects.swap(ordered);
}

void TObjectList::Truncate(int count)
{
    if (size_t(count) >= Objects.size())
        return;
    Objects.erase(Objects.begin() + count, Objects.end());
}

void TObjectList::Empty()
{
    Objects.clear();
}

void TObjectList::Clear()
{
    // The memory goes too: a list of a million objects is large.
    decltype(Objects)().swap(Objects);
}
