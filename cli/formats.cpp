#include "formats.h"

#include "core/errors.h"
#include "core/reading/codepage.h"
#include "core/reading/conversions.h"
#include "core/reading/filenames.h"
#include "core/reading/tabfields.h"
#include "listing.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The field names of the header lines and the JSON members.
const QStringList FieldNames{"typeName", "id",          "name",       "dateTime",
                             "size",     "versionList", "permissions"};
const QString FileFieldName = QStringLiteral("file");
// What CSV and JSON add: where each object comes from. CSV names the file
// here, whether one argument is given or several, so its columns never move.
const QStringList OriginFieldNames{"modified", "file", "line"};

QStringList OriginFields(const TObjectOrigin &origin)
{
    return {origin.Modified ? (*origin.Modified ? QStringLiteral("true") : QStringLiteral("false"))
                            : QString(),
            FileNameForDisplay(origin.File),
            origin.Line ? QString::number(origin.Line) : QString()};
}

// The seven fields of the list's columns, as texts.
QStringList Fields(const TNavisionObject &object, const QString &dateTime)
{
    return {DecodeText(object.GetTypeName()),
            QString::number(object.ID()),
            DecodeText(object.Name()),
            dateTime,
            object.HasSize() ? QString::number(object.Size()) : QString(),
            DecodeText(object.VersionList()),
            DecodeText(object.GetPermissionText())};
}

class TTsvWriter : public TFormatWriter {
public:
    TTsvWriter(const TListFormatOptions &options, const TRegionalSettings &settings, QIODevice &out)
        : TFormatWriter(options, settings, out), Lines(settings)
    {
    }
    void Begin() override
    {
        if (Options.Header)
            Add(FileFieldName, FieldNames.join(u'\t').toUtf8() + '\n');
    }
    void Write(const TObjectOrigin &origin, const TNavisionObject &object) override
    {
        const QString &file = origin.File;
        // The list's own line unless the dates are asked for in ISO 8601.
        if (Options.IsoDates) {
            Add(file, TabLine(Fields(object, IsoDateTimeText(object))));
            return;
        }
        if (Options.FileColumn)
            Pending.append(TabField(FileNameForDisplay(file)).toUtf8()).append('\t');
        Lines.Append(Pending, object);
        FlushWhenFull();
    }
    void End() override { Flush(); }

private:
    void Add(const QString &file, const QByteArray &fields)
    {
        if (Options.FileColumn)
            Pending.append(TabField(FileNameForDisplay(file)).toUtf8()).append('\t');
        Put(fields);
    }

    const TListLineWriter Lines;
};

class TCsvWriter : public TFormatWriter {
public:
    using TFormatWriter::TFormatWriter;
    void Begin() override { Put(CsvLine(FieldNames + OriginFieldNames)); }
    void Write(const TObjectOrigin &origin, const TNavisionObject &object) override
    {
        QStringList fields = Fields(object, IsoDateTimeText(object));
        for (const int text : {NameField, VersionListField})
            fields[text] = CsvText(fields[text], Options.Raw);
        QStringList where = OriginFields(origin);
        where[OriginFileField] = CsvText(where[OriginFileField], Options.Raw);
        Put(CsvLine(fields + where));
    }
    void End() override { Flush(); }

private:
    // The positions of the texts that a spreadsheet could take for formulas:
    // among the object's fields, and the file's among the origin's.
    static constexpr int NameField = 2, VersionListField = 5, OriginFileField = 1;
};

// One array, written an object at a time so that the list is never held
// twice; each object is encoded by QJsonDocument.
class TJsonWriter : public TFormatWriter {
public:
    using TFormatWriter::TFormatWriter;
    void Begin() override { Put("["); }
    void Write(const TObjectOrigin &origin, const TNavisionObject &object) override
    {
        const QJsonObject record{
            {"type", int(object.ObjectType())},
            {"typeName", DecodeText(object.GetTypeName())},
            {"id", object.ID()},
            {"name", DecodeText(object.Name())},
            {"dateTime", IsoDateTimeText(object)},
            {"size", object.HasSize() ? QJsonValue(object.Size()) : QJsonValue()},
            {"versionList", DecodeText(object.VersionList())},
            {"permissions", DecodeText(object.GetPermissionText())},
            {FileFieldName, FileNameForDisplay(origin.File)},
            {"modified", origin.Modified ? QJsonValue(*origin.Modified) : QJsonValue()},
            {"line", origin.Line ? QJsonValue(origin.Line) : QJsonValue()},
        };
        Put((First ? "\n  " : ",\n  ") + QJsonDocument(record).toJson(QJsonDocument::Compact));
        First = false;
    }
    void End() override
    {
        Put(First ? "]\n" : "\n]\n");
        Flush();
    }

private:
    bool First = true;
};

} // namespace

std::optional<TListFormat> ListFormatFromName(const QString &name)
{
    const std::pair<const char *, TListFormat> formats[] = {
        {"tsv", TListFormat::Tsv}, {"csv", TListFormat::Csv}, {"json", TListFormat::Json}};
    for (const auto &[formatName, format] : formats) {
        if (name.compare(QLatin1String(formatName), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

QString CsvText(const QString &text, bool raw)
{
    static const QString Formula = QStringLiteral("=+-@\t\r");
    if (raw || text.isEmpty() || !Formula.contains(text.front()))
        return text;
    return u'\'' + text;
}

QByteArray CsvLine(const QStringList &fields)
{
    QStringList record;
    record.reserve(fields.size());
    for (const QString &text : fields) {
        // In double quotes when it holds a comma, a quote or a line break,
        // its quotes doubled.
        if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
            !text.contains(u'\n')) {
            record << text;
            continue;
        }
        QString quoted = text;
        quoted.replace(u'"', QStringLiteral("\"\""));
        record << u'"' + quoted + u'"';
    }
    return (record.join(u',') + QStringLiteral("\r\n")).toUtf8();
}

QString IsoDateTimeText(const TNavisionObject &object)
{
    if (!object.HasDateTime())
        return QString();
    const auto [date, time] = DecodeDateTime(object.DateTime());
    return date.toString(Qt::ISODate) + u'T' + time.toString(QStringLiteral("HH:mm:ss"));
}

std::unique_ptr<TFormatWriter> TFormatWriter::Create(const TListFormatOptions &options,
                                                     const TRegionalSettings &settings,
                                                     QIODevice &out)
{
    switch (options.Format) {
    case TListFormat::Csv:
        return std::unique_ptr<TFormatWriter>(new TCsvWriter(options, settings, out));
    case TListFormat::Json:
        return std::unique_ptr<TFormatWriter>(new TJsonWriter(options, settings, out));
    case TListFormat::Tsv:
        break;
    }
    return std::unique_ptr<TFormatWriter>(new TTsvWriter(options, settings, out));
}

void TFormatWriter::Put(const QByteArray &bytes)
{
    Pending.append(bytes);
    FlushWhenFull();
}

void TFormatWriter::FlushWhenFull()
{
    if (Pending.size() >= BlockSize)
        Flush();
}

void TFormatWriter::Flush()
{
    const qint64 written = Out.write(Pending);
    Pending.resize(0);
    if (written < 0)
        throw TOutputError(CleanCause(Out.errorString()));
}
