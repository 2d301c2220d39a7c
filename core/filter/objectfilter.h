// Which objects of the visible list a view lists: those whose name, version
// list or ID holds a text (letter case folded under the user's locale), or
// whose ID lies in a range; of one type; or those the licence grants less
// than all rights. The filter only picks positions of the model's list and
// keeps no texts of its own.
#pragma once

#include "core/model/navisionobject.h"
#include "core/model/objectlist.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

class TNavisionBinaryFile;

struct TObjectFilter {
    // Found anywhere in the name, the version list or the ID; "A..B" or
    // "A-B" as the whole text keeps the IDs from A to B instead.
    QString Text;
    // One type only; otNone stands for every type.
    TNavisionObjectType ObjectType = otNone;
    // Only objects whose rights fall short of HasAllRights.
    bool MissingRights = false;
    // With ObjectType otNone: only the objects of no recognised type that
    // carry this type name (Page, Query); empty: no such limit.
    QByteArray OtherTypeName = {};

    bool IsActive() const;
    bool operator==(const TObjectFilter &) const = default;
};

// A type the objects of a file have: a recognised one, or otNone with the
// name of the type the model doesn't know.
struct TTypePresent {
    TNavisionObjectType ObjectType = otNone;
    QByteArray OtherTypeName = {};
    bool operator==(const TTypePresent &) const = default;
};
// Every type of the model's objects, hidden ones included: the recognised
// types in their order, then the others by name.
std::vector<TTypePresent> TypesPresent(const TNavisionBinaryFile &model);

struct TIdRange {
    int32_t From;
    int32_t To;
};
// "50000..99999" or "50000-99999", blanks around allowed, the bounds in
// either order; nothing when the text is no range.
std::optional<TIdRange> ParseIdRange(const QString &text);

// Every right a licence can grant for the type: R, I, M, D and X for a
// table (its data and the object), X for every other type (run or show it).
TPermissionFlags FullRights(TNavisionObjectType type);
bool HasAllRights(const TNavisionObject &object);

// A filter made ready for testing many objects.
class TObjectMatcher {
public:
    TObjectMatcher(const TObjectFilter &filter, const QLocale &locale);
    bool Matches(const TNavisionObject &object) const;

private:
    bool ContainsText(const TNavisionObject &object) const;
    bool ContainsFolded(QByteArrayView haystack) const;

    TObjectFilter Filter;
    std::optional<TIdRange> Range;
    bool TextMatchesNothing = false; // it has a character code page 850 lacks
    QByteArray FoldedText;           // in code page 850, case folded
    TCaseFolding Folding;
};

// The rows of a view over the model's visible list: every position while
// no filter is active, else the positions the filter keeps, in list order.
class TListedObjects {
public:
    const TObjectFilter &Filter() const { return FFilter; }
    void SetFilter(const TObjectFilter &filter) { FFilter = filter; }
    bool IsFiltering() const { return FFilter.IsActive(); }

    // Takes the rows afresh from the model's list as it stands now.
    void Refresh(const TNavisionBinaryFile &model);
    // The same after only the filter changed, the model's list as at the
    // last Refresh: a text that grows keeps a part of the rows it kept, so
    // only those are tested again.
    void Refilter(const TNavisionBinaryFile &model, const TObjectFilter &filter);
    int Count() const;
    int Total() const { return FTotal; }
    // The model position of a row, and the row of a position (-1: not listed).
    int Position(int row) const;
    int RowOf(int position) const;
    // Every listed position, in order.
    std::vector<int> Positions() const;

private:
    TObjectFilter FFilter;
    int FTotal = 0;
    std::vector<int> FPositions; // while filtering
};
