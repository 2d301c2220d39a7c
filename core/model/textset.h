// Text exports read as one set: a single file, or every .txt file of a
// folder and its subfolders, read but not yet converted, so that the date
// order can be chosen for the whole set before any object is made.
#pragma once

#include "core/errors.h"
#include "core/reading/dateorder.h"
#include "core/reading/regionalsettings.h"
#include "core/reading/textexport.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// A text file a list was read from.
struct TTextFile {
    QString Name;         // the path as given, joined with its path within the folder
    QString RelativeName; // within the folder; the name as given for a single file
    bool Utf8 = false;
    std::optional<TDateOrder> DateOrder; // its dates' order; none without dates
};

struct TTextSetFile {
    TTextFile File;
    TTextExport Contents;
    std::optional<TError> Failure;      // why it could not be read
    TDateOrder Order = TDateOrder::DMY; // its dates' order, once chosen
};

struct TTextSet {
    std::vector<TTextSetFile> Files;
    bool IsFolder = false;
};

// Every .txt file (any letter case) in the folder and its subfolders, in
// the byte order of their paths; symbolic links are followed, but never
// into a folder already visited. Throws TError when the folder itself
// can't be read; a subfolder that can't be read is one failed file.
TTextSet ReadTextFolder(const QString &folder);
// One text export from the stream; name is how it was given (may be empty).
TTextSet ReadTextStream(QIODevice &stream, const QString &name);

// Reads the sides' dates under the given settings: false when a date
// doesn't convert. For the binary files of a comparison, which are read in
// full for each try.
using TOtherSidesRead = std::function<bool(const TRegionalSettings &settings)>;

// Chooses the order of each file's dates: the choice's order for all; for
// Automatic the first of the settings' own, day-month-year, month-day-year
// and year-month-day that reads every file of every set (and the other
// sides), files whose dates read in no order left out; else each file's own first order that reads
// it, else the settings' own. Returns the order of all files, or none when they differ.
std::optional<TDateOrder> ChooseDateOrders(const std::vector<TTextSet *> &sets,
                                           const TRegionalSettings &settings,
                                           TDateOrderChoice choice,
                                           const TOtherSidesRead &otherSides = {});

// The settings with another date order.
TRegionalSettings InDateOrder(const TRegionalSettings &settings, TDateOrder order);
