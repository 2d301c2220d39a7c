#include "core/fast/textpool.h"

#include "core/fast/bytehash.h"

#include <QSet>

#include <cstdint>
#include <vector>

namespace {

constexpr qsizetype Capacity = 4096;

bool HoldsTexts(const TEntryTexts &texts, QByteArrayView tag, QByteArrayView versionList)
{
    return texts.VersionList.size() == versionList.size() && texts.Tag.size() == tag.size() &&
           QByteArrayView(texts.VersionList) == versionList && QByteArrayView(texts.Tag) == tag;
}

} // namespace

struct TTextPool::TTables {
    QSet<QByteArray> Texts;
    // The pairs by a hash of their bytes: open addressing, twice the
    // capacity in size.
    struct TPairSlot {
        uint64_t Hash = 0;
        TEntryTextsPointer Texts;
    };
    std::vector<TPairSlot> Pairs;
    qsizetype PairCount = 0;
    const TPairSlot *Last = nullptr; // entries in a row often share their texts
    TEntryTextsPointer Unpooled;     // the last pair made beyond the capacity
};

TTextPool::TTextPool() : Tables(std::make_unique<TTables>()) {}
TTextPool::~TTextPool() = default;

QByteArray TTextPool::Shared(QByteArrayView text)
{
    if (text.isEmpty())
        return QByteArray();
    QSet<QByteArray> &texts = Tables->Texts;
    const auto found = texts.constFind(QByteArray::fromRawData(text.data(), text.size()));
    if (found != texts.cend())
        return *found;
    if (texts.size() >= Capacity)
        return text.toByteArray();
    return *texts.insert(text.toByteArray());
}

const TEntryTextsPointer &TTextPool::SharedTexts(QByteArrayView tag, QByteArrayView versionList)
{
    static const TEntryTextsPointer none;
    if (tag.isEmpty() && versionList.isEmpty())
        return none;
    TTables &tables = *Tables;
    if (tables.Last && HoldsTexts(*tables.Last->Texts, tag, versionList))
        return tables.Last->Texts;
    std::vector<TTables::TPairSlot> &pairs = tables.Pairs;
    if (pairs.empty())
        pairs.resize(size_t(Capacity) * 2); // never grows, so Last stays valid
    const uint64_t hash = HashBytes(versionList, HashBytes(tag, HashSeed()));
    const size_t mask = pairs.size() - 1;
    size_t slot = size_t(hash) & mask;
    for (; pairs[slot].Texts; slot = (slot + 1) & mask) {
        if (pairs[slot].Hash == hash && HoldsTexts(*pairs[slot].Texts, tag, versionList)) {
            tables.Last = &pairs[slot];
            return tables.Last->Texts;
        }
    }
    auto *texts = new TEntryTexts;
    texts->Tag = Shared(tag);
    texts->VersionList = Shared(versionList);
    if (tables.PairCount >= Capacity) {
        tables.Unpooled = TEntryTextsPointer(texts);
        return tables.Unpooled;
    }
    pairs[slot] = {hash, TEntryTextsPointer(texts)};
    ++tables.PairCount;
    tables.Last = &pairs[slot];
    return tables.Last->Texts;
}

void TTextPool::Clear()
{
    Tables->Texts.clear();
    Tables->Pairs.clear();
    Tables->PairCount = 0;
    Tables->Last = nullptr;
    Tables->Unpooled.reset();
}
