// The lister's output formats: TSV as the list shows it (the default), CSV
// after RFC 4180 and JSON, for scripts that must not depend on the locale.
#pragma once

#include "core/model/navisionobject.h"
#include "core/reading/regionalsettings.h"

#include <QIODevice>
#include <QString>

#include <memory>
#include <optional>

enum class TListFormat { Tsv, Csv, Json };

std::optional<TListFormat> ListFormatFromName(const QString &name);

struct TListFormatOptions {
    TListFormat Format = TListFormat::Tsv;
    bool Header = false;     // TSV: a first line of field names (CSV always has one)
    bool IsoDates = false;   // TSV: ISO 8601 date-times (CSV and JSON always)
    bool FileColumn = false; // TSV: a leading column naming the file (CSV, JSON always)
};

// The date-time as ISO 8601 without zone (2015-09-15T12:00:00); empty when
// the entry had none.
QString IsoDateTimeText(const TNavisionObject &object);

// Where a listed object comes from: its file (a text export's own file
// within a folder), and for a text export's object its line and mark.
struct TObjectOrigin {
    QString File;
    std::optional<bool> Modified; // none for a binary file's object
    qint64 Line = 0;              // of its OBJECT line; 0 for a binary file's object
};

// Writes the objects of any number of files as one list in one format.
class TFormatWriter {
public:
    static std::unique_ptr<TFormatWriter> Create(const TListFormatOptions &options,
                                                 const TRegionalSettings &settings, QIODevice &out);
    virtual ~TFormatWriter() = default;

    // Throw TError when the output can't be written.
    virtual void Begin() = 0;
    virtual void Write(const TObjectOrigin &origin, const TNavisionObject &object) = 0;
    virtual void End() = 0;

protected:
    TFormatWriter(const TListFormatOptions &options, const TRegionalSettings &settings,
                  QIODevice &out)
        : Options(options), Settings(settings), Out(out)
    {
    }
    void Put(const QByteArray &bytes);

    const TListFormatOptions Options;
    const TRegionalSettings &Settings;
    QIODevice &Out;
};
