#include "core/filter/objectfilter.h"

#include "core/model/binaryfile.h"
#include "core/reading/codepage.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <charconv>
#include <set>

bool TObjectFilter::IsActive() const
{
    return !Text.trimmed().isEmpty() || ObjectType != otNone || !OtherTypeName.isEmpty() ||
           MissingRights;
}

std::optional<TIdRange> ParseIdRange(const QString &text)
{
    static const QRegularExpression range(
        QStringLiteral(R"(^\s*([+-]?\d+)\s*(?:\.\.|-)\s*([+-]?\d+)\s*$)"));
    const QRegularExpressionMatch match = range.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool fromOk = false, toOk = false;
    const int from = match.captured(1).toInt(&fromOk);
    const int to = match.captured(2).toInt(&toOk);
    if (!fromOk || !toOk)
        return std::nullopt;
    return TIdRange{std::min(from, to), std::max(from, to)};
}

TPermissionFlags FullRights(TNavisionObjectType type)
{
    if (type == otTable)
        return pfRead | pfInsert | pfModify | pfDelete | pfExecute;
    return pfExecute;
}

bool HasAllRights(const TNavisionObject &object)
{
    const TPermissionFlags granted = object.Permissions();
    if (granted == pfNoRecord)
        return false;
    const TPermissionFlags full = FullRights(object.ObjectType());
    return (granted & full) == full;
}

TObjectMatcher::TObjectMatcher(const TObjectFilter &filter, const QLocale &locale)
    : Filter(filter), Folding(locale)
{
    if (filter.Text.trimmed().isEmpty())
        return;
    Range = ParseIdRange(filter.Text);
    if (Range)
        return;
    // Names and version lists are code page 850 bytes: the text is compared
    // as the same bytes, folded by the same table as the keys of the list.
    FoldedText = EncodeText(filter.Text);
    TextMatchesNothing = DecodeText(FoldedText) != filter.Text;
    for (char &c : FoldedText)
        c = Folding.Fold(c);
}

bool TObjectMatcher::Matches(const TNavisionObject &object) const
{
    if (Filter.ObjectType != otNone && object.ObjectType() != Filter.ObjectType)
        return false;
    if (!Filter.OtherTypeName.isEmpty() &&
        (object.ObjectType() != otNone || object.TypeNameView() != Filter.OtherTypeName))
        return false;
    if (Filter.MissingRights && HasAllRights(object))
        return false;
    if (Range)
        return object.ID() >= Range->From && object.ID() <= Range->To;
    return FoldedText.isEmpty() || ContainsText(object);
}

bool TObjectMatcher::ContainsText(const TNavisionObject &object) const
{
    if (TextMatchesNothing)
        return false;
    char number[12];
    const char *numberEnd = std::to_chars(number, number + sizeof number, object.ID()).ptr;
    return ContainsFolded(object.Name()) || ContainsFolded(object.VersionList()) ||
           ContainsFolded(QByteArrayView(number, numberEnd - number));
}

bool TObjectMatcher::ContainsFolded(QByteArrayView haystack) const
{
    const qsizetype length = FoldedText.size();
    const char first = FoldedText.front();
    for (qsizetype start = 0; start + length <= haystack.size(); ++start) {
        if (Folding.Fold(haystack[start]) != first)
            continue;
        qsizetype i = 1;
        while (i < length && Folding.Fold(haystack[start + i]) == FoldedText[i])
            ++i;
        if (i == length)
            return true;
    }
    return false;
}

void TListedObjects::Refresh(const TNavisionBinaryFile &model)
{
    FTotal = model.GetCount();
    FPositions.clear();
    if (!IsFiltering())
        return;
    const TObjectMatcher matcher(FFilter, model.Settings().Locale);
    const TObjectList &objects = model.Objects();
    for (int position = 0; position < FTotal; ++position) {
        if (matcher.Matches(objects.Object(position)))
            FPositions.push_back(position);
    }
}

void TListedObjects::Refilter(const TNavisionBinaryFile &model, const TObjectFilter &filter)
{
    const TObjectFilter before = FFilter;
    FFilter = filter;
    // Every object the new filter keeps, the old one kept too: the same
    // type and rights, and a text that holds the old one (no ID ranges).
    const bool narrows =
        before.IsActive() && FFilter.IsActive() && FTotal == model.GetCount() &&
        before.ObjectType == FFilter.ObjectType && before.OtherTypeName == FFilter.OtherTypeName &&
        (!before.MissingRights || FFilter.MissingRights) && !ParseIdRange(before.Text) &&
        !ParseIdRange(FFilter.Text) && FFilter.Text.contains(before.Text, Qt::CaseSensitive);
    if (!narrows) {
        Refresh(model);
        return;
    }
    const TObjectMatcher matcher(FFilter, model.Settings().Locale);
    const TObjectList &objects = model.Objects();
    std::erase_if(FPositions,
                  [&](int position) { return !matcher.Matches(objects.Object(position)); });
}

int TListedObjects::Count() const
{
    return IsFiltering() ? int(FPositions.size()) : FTotal;
}

int TListedObjects::Position(int row) const
{
    return IsFiltering() ? FPositions.at(size_t(row)) : row;
}

int TListedObjects::RowOf(int position) const
{
    if (!IsFiltering())
        return position >= 0 && position < FTotal ? position : -1;
    const auto found = std::lower_bound(FPositions.begin(), FPositions.end(), position);
    return found != FPositions.end() && *found == position ? int(found - FPositions.begin()) : -1;
}

std::vector<int> TListedObjects::Positions() const
{
    if (IsFiltering())
        return FPositions;
    std::vector<int> all(static_cast<size_t>(FTotal));
    for (int i = 0; i < FTotal; ++i)
        all[size_t(i)] = i;
    return all;
}

std::vector<TTypePresent> TypesPresent(const TNavisionBinaryFile &model)
{
    std::array<bool, otMenuSuite + 1> known{};
    std::set<QByteArray> others;
    for (const TObjectList *list : {&model.Objects(), &model.HiddenObjects()}) {
        for (int i = 0; i < list->Count(); ++i) {
            const TNavisionObject &object = list->Object(i);
            if (object.ObjectType() != otNone)
                known[size_t(object.ObjectType())] = true;
            else
                others.insert(object.TypeNameView().toByteArray());
        }
    }
    std::vector<TTypePresent> types;
    for (int type = otTable; type <= otMenuSuite; ++type) {
        if (known[size_t(type)])
            types.push_back({TNavisionObjectType(type), {}});
    }
    for (const QByteArray &name : others)
        types.push_back({otNone, name});
    return types;
}
