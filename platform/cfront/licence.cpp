#include "licence.h"

#include "cp850.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace cfront {

std::optional<std::size_t> TLicence::FindPermission(int32_t objectType, int32_t number) const
{
    for (std::size_t i = 0; i < Permissions.size(); ++i) {
        const TPermissionLine &line = Permissions[i];
        if (line.ObjectType == objectType && line.From <= number && number <= line.To)
            return i;
    }
    return std::nullopt;
}

TPermissionIndex::TPermissionIndex(const std::vector<TPermissionLine> &lines)
{
    // Where each line's range starts and where it has ended (one past its
    // end, which may lie past the 32-bit range), by type and number.
    struct TEdge {
        int32_t ObjectType;
        int64_t At;
        bool Starts;
        std::size_t Line;
    };
    std::vector<TEdge> edges;
    edges.reserve(2 * lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TPermissionLine &line = lines[i];
        edges.push_back({line.ObjectType, line.From, true, i});
        edges.push_back({line.ObjectType, int64_t(line.To) + 1, false, i});
    }
    std::sort(edges.begin(), edges.end(), [](const TEdge &a, const TEdge &b) {
        return std::tie(a.ObjectType, a.At) < std::tie(b.ObjectType, b.At);
    });

    // A sweep over the edges of each type: between two edges the same lines
    // hold every number, and the first of them in file order wins.
    std::set<std::size_t> holding;
    for (std::size_t e = 0; e < edges.size();) {
        const int32_t objectType = edges[e].ObjectType;
        const int64_t at = edges[e].At;
        for (; e < edges.size() && edges[e].ObjectType == objectType && edges[e].At == at; ++e) {
            if (edges[e].Starts)
                holding.insert(edges[e].Line);
            else
                holding.erase(edges[e].Line);
        }
        // A line still holding ends at a later edge of the same type.
        if (!holding.empty())
            Append(objectType, at, edges[e].At - 1, *holding.begin());
    }
    for (const TSpan &span : Spans)
        Starts.push_back(span.From);
    for (std::size_t slot = 0; slot < Types.size(); ++slot) {
        const int32_t objectType = Types[slot].ObjectType;
        if (objectType >= 0 && objectType < SmallTypes)
            SmallTypeSlot[std::size_t(objectType)] = int32_t(slot);
    }
}

void TPermissionIndex::Append(int32_t objectType, int64_t from, int64_t to, std::size_t line)
{
    // Neighbouring spans of the same line are one span.
    if (!Spans.empty()) {
        TSpan &last = Spans.back();
        if (last.ObjectType == objectType && last.Line == line && int64_t(last.To) + 1 == from) {
            last.To = int32_t(to);
            return;
        }
    }
    Spans.push_back({objectType, int32_t(from), int32_t(to), line});
    if (Types.empty() || Types.back().ObjectType != objectType)
        Types.push_back({objectType, Spans.size() - 1, Spans.size()});
    else
        Types.back().End = Spans.size();
}

const TPermissionIndex::TTypeSpans *TPermissionIndex::SpansOf(int32_t objectType) const
{
    if (objectType >= 0 && objectType < SmallTypes) {
        const int slot = SmallTypeSlot[std::size_t(objectType)];
        return slot < 0 ? nullptr : &Types[std::size_t(slot)];
    }
    const auto type = std::find_if(Types.begin(), Types.end(), [objectType](const TTypeSpans &t) {
        return t.ObjectType == objectType;
    });
    return type == Types.end() ? nullptr : &*type;
}

std::size_t TPermissionIndex::Find(int32_t objectType, int32_t number)
{
    if (LastFound < Spans.size() && Spans[LastFound].Holds(objectType, number))
        return Spans[LastFound].Line;
    const TTypeSpans *type = SpansOf(objectType);
    if (!type)
        return NotFound;
    // The last span of the type that starts at or before the number is the
    // only one that can hold it (the first span when none does). Halving
    // without a branch to mispredict: the numbers asked for jump about.
    const int32_t *starts = Starts.data();
    std::size_t first = type->Begin;
    for (std::size_t count = type->End - type->Begin; count > 1;) {
        const std::size_t half = count / 2;
        first = starts[first + half] <= number ? first + half : first;
        count -= half;
    }
    if (!Spans[first].Holds(objectType, number))
        return NotFound;
    LastFound = first;
    return Spans[first].Line;
}

TLicence BrokenLicence(const std::string &message)
{
    TLicence licence;
    licence.Information.push_back(Utf8ToCp850(message));
    return licence;
}

} // namespace cfront
