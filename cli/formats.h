// The lister's output formats: TSV as the list shows it (the default), CSV
// after RFC 4180 and JSON, for scripts that must not depend on the locale.
#pragma once

#include "core/errors.h"
#include "core/model/navisionobject.h"
#include "core/reading/regionalsettings.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

enum class TListFormat { Tsv, Csv, Json };

std::optional<TListFormat> ListFormatFromName(const QString &name);

struct TListFormatOptions {
    TListFormat Format = TListFormat::Tsv;
    bool Header = false;     // TSV: a first line of field names (CSV always has one)
    bool IsoDates = false;   // TSV: ISO 8601 date-times (CSV and JSON always)
    bool FileColumn = false; // TSV: a leading column naming the file (CSV, JSON always name it)
    bool Raw = false;        // CSV: texts as they are, without the formula protection
};

// A CSV cell of a text (name, version list, file): one that begins with =, +,
// -, @, TAB or CR gets a leading ' so that no spreadsheet runs it as a
// formula; unchanged when raw.
QString CsvText(const QString &text, bool raw);
// The fields as one CSV record after RFC 4180, ended by CR LF, in UTF-8.
QByteArray CsvLine(const QStringList &fields);

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
    // The bytes gather into blocks: a million lines are written in a few
    // hundred writes. Throw TOutputError.
    void Put(const QByteArray &bytes);
    void FlushWhenFull();
    void Flush();

    const TListFormatOptions Options;
    const TRegionalSettings &Settings;
    QIODevice &Out;
    QByteArray Pending;

private:
    static constexpr qsizetype BlockSize = 1 << 16;
};

// The output (standard output) failed: the run ends there. Its message is
// the cause alone ("File too large").
class TOutputError : public TError {
public:
    using TError::TError;
};
