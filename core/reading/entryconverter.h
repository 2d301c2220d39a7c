// What converting the entries of an index under one set of regional
// settings needs, made once for the whole index rather than again for every
// entry.
#pragma once

#include "core/reading/conversions.h"
#include "core/reading/regionalsettings.h"

#include <QByteArrayView>

#include <memory>

class TTextPool;

class TEntryConverter {
public:
    // With a pool, the texts that objects share are held once.
    explicit TEntryConverter(const TRegionalSettings &settings, TTextPool *texts = nullptr);
    ~TEntryConverter();

    // The date and time fields, trimmed and not both empty, as days since
    // 30 December 1899. Their separators, whatever the file was written
    // under, stand for the settings' ones. Throws TDateTimeConversionError
    // when they don't convert.
    double DateTime(QByteArrayView date, QByteArrayView time) const
    {
        // Most are read where they stand; the others as one text.
        if (double value;
            ReadUsualDateTime(date, time, DateFieldKinds, TimeFieldKinds, *DateTimes, value))
            return value;
        return ScannedDateTime(date, time);
    }
    // The pool of shared texts; null for none.
    TTextPool *Texts() const { return Pool; }

private:
    double ScannedDateTime(QByteArrayView date, QByteArrayView time) const;

    std::shared_ptr<const TDateTimeBytes> DateTimes;
    char DateSeparator; // the settings' separators as code page 850 bytes
    char TimeSeparator;
    // The kinds of the bytes of a date field and of a time field, whose
    // separators stand for the settings' ones.
    TByteKinds DateFieldKinds;
    TByteKinds TimeFieldKinds;
    TTextPool *Pool;
};
