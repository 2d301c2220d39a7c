#include "formats.h"

#include "core/errors.h"
#include "core/reading/codepage.h"
#include "core/reading/conversions.h"
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
            origin.File, origin.Line ? QString::number(origin.Line) : QString()};
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
            Add(file, (Fields(object, IsoDateTimeText(object)).join(u'\t') + u'\n').toUtf8());
            return;
        }
        if (Options.FileColumn)
            Pending.append(file.toUtf8()).append('\t');
        Lines.Append(Pending, object);
        if (Pending.size() >= BlockSize)
            Flush();
    }
    void End() override { Flush(); }

private:
    // Lines gather into blocks: a million lines are written in a few hundred writes.
    static constexpr qsizetype BlockSize = 1 << 16;

    void Add(const QString &file, const QByteArray &fields)
    {
        if (Options.FileColumn)
            Pending.append(file.toUtf8()).append('\t');
        Pending.append(fields);
    }
    void Flush()
    {
        Put(Pending);
        Pending.resize(0);
    }

    const TListLineWriter Lines;
    QByteArray Pending;
};

class TCsvWriter : public TFormatWriter {
public:
    using TFormatWriter::TFormatWriter;
    void Begin() override { Put(Record(FieldNames + OriginFieldNames)); }
    void Write(const TObjectOrigin &origin, const TNavisionObject &object) override
    {
        Put(Record(Fields(object, IsoDateTimeText(object)) + OriginFields(origin)));
    }
    void End() override {}

private:
    // A field in double quotes when it holds a comma, a quote or a line
    // break, its quotes doubled.
    static QString Field(const QString &text)
    {
        if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
            !text.contains(u'\n'))
            return text;
        QString quoted = text;
        quoted.replace(u'"', QStringLiteral("\"\""));
        return u'"' + quoted + u'"';
    }
    static QByteArray Record(const QStringList &fields)
    {
        QStringList record;
        for (const QString &field : fields)
            record << Field(field);
        return (record.join(u',') + QStringLiteral("\r\n")).toUtf8();
    }
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
            {FileFieldName, origin.File},
            {"modified", origin.Modified ? QJsonValue(*origin.Modified) : QJsonValue()},
            {"line", origin.Line ? QJsonValue(origin.Line) : QJsonValue()},
        };
        Put((First ? "\n  " : ",\n  ") + QJsonDocument(record).toJson(QJsonDocument::Compact));
        First = false;
    }
    void End() override { Put(First ? "]\n" : "\n]\n"); }

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
    if (Out.write(bytes) != bytes.size())
        throw TError(QStringLiteral("Cannot write the list. %1").arg(Out.errorString()));
}
