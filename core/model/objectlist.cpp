#include "core/model/objectlist.h"

#include "core/fast/bytehash.h"
#include "core/fast/radixsort.h"
#include "core/reading/codepage.h"

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
    if (const auto found = made.constFind(name); found != made.cend())
        Table = *found;
    else
        Table = made[name] = MadeFor(locale);
    AsciiFoldsPlainly = true;
    for (int byte = 0; byte < 0x80; ++byte) {
        const int lower = byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
        AsciiFoldsPlainly = AsciiFoldsPlainly && Table[size_t(byte)] == char(lower);
    }
}

std::array<char, 256> TCaseFolding::MadeFor(const QLocale &locale)
{
    std::array<char, 256> table;
    // Each character's lower case under the locale, where code page 850 has
    // it as a single byte (the Turkish I becomes dotless ı, for one).
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        const QByteArray lower = EncodeText(locale.toLower(DecodeText(QByteArray(1, c))));
        table[size_t(byte)] = lower.size() == 1 ? lower.front() : c;
    }
    // Characters code page 850 lacks come back as '?'; only a real '?' maps there.
    for (int byte = 0; byte < 256; ++byte) {
        if (table[size_t(byte)] == '?' && byte != '?')
            table[size_t(byte)] = char(byte);
    }
    return table;
}

uint64_t TCaseFolding::FoldWord(uint64_t word) const
{
    constexpr uint64_t Low7 = 0x7F7F7F7F7F7F7F7Fu, High = 0x8080808080808080u;
    if (AsciiFoldsPlainly && !(word & High)) {
        // Per byte, the high bit where it is one of A to Z; moved to 0x20, it
        // makes the letter small. No sum carries into the next byte.
        const uint64_t heptets = word & Low7;
        const uint64_t fromA = heptets + 0x3F3F3F3F3F3F3F3Fu; // 0x80 - 'A'
        const uint64_t pastZ = heptets + 0x2525252525252525u; // 0x80 - 'Z' - 1
        return word | ((fromA & ~pastZ & High) >> 2);
    }
    uint64_t folded = 0;
    for (int byte = 0; byte < 8; ++byte)
        folded |= uint64_t(uchar(Fold(char(word >> (8 * byte))))) << (8 * byte);
    return folded;
}

TObjectList::TObjectList(const QLocale &locale) : Folding(locale)
{
    for (int type = otTable; type <= otMenuSuite; ++type) {
        TFoldedKey &name = FoldedTypeNames[size_t(type)];
        for (const char c : ObjectTypeName(TNavisionObjectType(type)))
            name.Bytes[name.Length++] = Folding.Fold(c);
        TypeNameHashes[size_t(type)] = HashBytes(name.View(), HashSeed());
        name.Bytes[name.Length++] = ' ';
    }
}

uint32_t TObjectList::PartsHash(const TNavisionObject &object) const
{
    uint64_t typeHash;
    if (const TNavisionObjectType type = object.ObjectType(); type != otNone) {
        typeHash = TypeNameHashes[size_t(type)];
    } else {
        TFoldedKey name;
        for (const char c : object.TypeNameView())
            name.Bytes[name.Length++] = Folding.Fold(c);
        typeHash = HashBytes(name.View(), HashSeed());
    }
    // The name as four words, the bytes past its end zero: all the room
    // copied, then masked.
    const QByteArrayView name = object.Name();
    char bytes[32] = {};
    std::memcpy(bytes, name.data(), TNavisionObject::NameSize);
    uint64_t words[4];
    std::memcpy(words, bytes, sizeof words);
    // A word's first kept bytes in memory order, whatever the byte order.
    static constexpr unsigned char Mask[16] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int word = 0; word < 4; ++word) {
        const qsizetype kept = std::clamp<qsizetype>(name.size() - 8 * word, 0, 8);
        uint64_t mask;
        std::memcpy(&mask, Mask + 8 - kept, sizeof mask);
        words[word] &= mask;
    }
    // The hash's steps written out in two lanes, so that the multiplications
    // don't wait for each other, the words folded as they go in.
    using namespace HashDetail;
    uint64_t a = Step(typeHash, uint64_t(uint32_t(object.ID())));
    uint64_t b = Step(HashSeed(), uint64_t(name.size()));
    a = Step(a, Folding.FoldWord(words[0]));
    b = Step(b, Folding.FoldWord(words[1]));
    a = Step(Stirred(a), Folding.FoldWord(words[2]));
    b = Step(Stirred(b), Folding.FoldWord(words[3]));
    const uint64_t hash = Step(a ^ (b >> 31), 0) ^ b;
    return uint32_t(hash ^ (hash >> 32));
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

TNavisionObject &TObjectList::AppendUnchecked(TNavisionObject &&object)
{
    Objects.push_back(std::move(object));
    return Objects.back();
}

void TObjectList::DropRepeatedKeys(
    int from, std::vector<std::pair<TNavisionObject, TNavisionObject>> *repeatedWith)
{
    const size_t count = Objects.size(), first = size_t(std::max(from, 0));
    if (first >= count)
        return;
    TLargeVector<THashedPosition> hashed(count);
    TFoldedKey key, other;
    bool blankInTypeName = false;
    for (size_t position = 0; position < count; ++position) {
        const TNavisionObject &object = Objects[position];
        blankInTypeName = blankInTypeName ||
                          (object.ObjectType() == otNone && object.TypeNameView().contains(' '));
        hashed[position] = {PartsHash(object), uint32_t(position)};
    }
    // Then "Page 1 2 X" and "Page 1" 2 "X" are the same key: hashed as texts.
    if (blankInTypeName) {
        for (size_t position = 0; position < count; ++position)
            hashed[position] = {KeyHash(Objects[position], key), uint32_t(position)};
    }
    RadixSort(hashed);

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
                    if (repeatedWith)
                        repeatedWith->emplace_back(Objects[position], Objects[candidate]);
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
