// Objects as lines of the lister's output.
#pragma once

#include "core/model/navisionobject.h"
#include "core/reading/datetimetext.h"
#include "core/reading/regionalsettings.h"

#include <QByteArray>
#include <QString>

#include <array>

// Writes the lines of many objects under one set of regional settings: the
// seven texts of the list's columns joined by TAB and ended by LF, in UTF-8.
// The code page 850 texts go through a table, and the date-times are written
// as the export writes them wherever that gives the same characters as
// QLocale's display text.
class TListLineWriter {
public:
    explicit TListLineWriter(const TRegionalSettings &settings);

    // Appends the object's line.
    void Append(QByteArray &line, const TNavisionObject &object) const;

private:
    void AppendText(QByteArray &line, QByteArrayView text) const;

    const TRegionalSettings &Settings;
    TDateTimeTextWriter DateTimes;
    bool WritesDateTimesDirectly = false;
    std::array<QByteArray, 256> Utf8; // each code page 850 byte's UTF-8 bytes
};
