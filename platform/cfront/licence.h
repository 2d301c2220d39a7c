// The active licence as the library's two tables show it: permission lines
// in file order and information lines.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cfront {

// The rights a permission line grants, one bit each, in the order of the
// permission table's fields 10 to 14.
enum TRight : uint8_t {
    RightRead = 1,
    RightInsert = 2,
    RightModify = 4,
    RightDelete = 8,
    RightExecute = 16,
};

struct TPermissionLine {
    int32_t ObjectType = 0;
    int32_t From = 0;
    int32_t To = 0;
    uint8_t Rights = 0;   // TRight bits; 0 grants nothing
    uint8_t Indirect = 0; // the TRight bits of Rights granted indirectly (lower-case letters)

    // A right's field value: 0 not granted, 1 granted, 2 granted indirectly.
    // Without a branch: the rights of the lines asked for one after the
    // other differ at random.
    int32_t FieldValue(TRight right) const
    {
        const int32_t granted = (Rights & right) != 0, indirect = (Indirect & right) != 0;
        return granted * (1 + indirect);
    }
};

struct TLicence {
    std::vector<TPermissionLine> Permissions;
    // A licence file written by the ERP: its text is shown, its permissions
    // can't be read.
    bool InformationOnly = false;
    // Code page 850 bytes, at their full length.
    std::vector<std::string> Information;

    // The first line, in file order, whose type matches and whose range holds
    // the number: a plain scan over every line.
    std::optional<std::size_t> FindPermission(int32_t objectType, int32_t number) const;
};

// The same answers as TLicence::FindPermission without a scan. The lines are
// cut once into disjoint spans of numbers, each with the line that wins there
// (the first in file order that holds it), so a lookup is a binary search;
// the span found last is tried first, since lists ask in order of type and
// number. Built for one licence: a new licence needs a new index.
class TPermissionIndex {
public:
    static constexpr std::size_t NotFound = std::size_t(-1);

    TPermissionIndex() = default;
    explicit TPermissionIndex(const std::vector<TPermissionLine> &lines);

    // The line's position, or NotFound. A plain number rather than an
    // optional, which comes back through memory and stalls the caller that
    // reads it, eleven times for every object of a file. Not const: it
    // remembers the span it found.
    std::size_t Find(int32_t objectType, int32_t number);

private:
    struct TSpan {
        int32_t ObjectType;
        int32_t From;
        int32_t To;
        std::size_t Line;

        bool Holds(int32_t objectType, int32_t number) const
        {
            return ObjectType == objectType && From <= number && number <= To;
        }
    };

    // The spans of one type, Spans[Begin] to Spans[End - 1].
    struct TTypeSpans {
        int32_t ObjectType;
        std::size_t Begin;
        std::size_t End;
    };

    void Append(int32_t objectType, int64_t from, int64_t to, std::size_t line);
    const TTypeSpans *SpansOf(int32_t objectType) const;

    std::vector<TSpan> Spans;      // by type, then number; none overlap
    std::vector<int32_t> Starts;   // each span's From, side by side for the search
    std::vector<TTypeSpans> Types; // by type; a licence file has at most eight
    // The position in Types of each small type number, or -1: the types of
    // a list's objects take turns, which a search among them mispredicts.
    static constexpr int32_t SmallTypes = 16;
    std::array<int32_t, SmallTypes> SmallTypeSlot = [] {
        std::array<int32_t, SmallTypes> none;
        none.fill(-1);
        return none;
    }();
    std::size_t LastFound = 0;
};

// A licence that grants nothing and whose one information line tells what
// went wrong (UTF-8).
TLicence BrokenLicence(const std::string &message);

} // namespace cfront
