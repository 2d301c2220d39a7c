#include "comparing.h"

#include "core/compare/compare.h"
#include "core/reading/codepage.h"
#include "core/reading/tabfields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QStringList FieldNames{"change",     "changedFields", "typeName",       "id",
                             "oldName",    "newName",       "oldDateTime",    "newDateTime",
                             "oldSize",    "newSize",       "oldVersionList", "newVersionList",
                             "permissions"};
// The texts that a spreadsheet could take for formulas.
constexpr int NameFields[] = {4, 5, 10, 11};

// The fields of a difference as texts, the date-times in ISO 8601.
QStringList IsoFields(const TObjectDifference &difference)
{
    return ComparisonFields(difference, IsoDateTimeText);
}

// One JSON object: numbers as numbers, a missing side's fields null, the
// changed fields as an array of names.
QByteArray JsonRecord(const TObjectDifference &difference)
{
    const QStringList fields = IsoFields(difference);
    QJsonObject record;
    for (int i = 0; i < fields.size(); ++i) {
        const bool missing = (i >= 4 && i < 12) && !(i % 2 == 0 ? difference.Old : difference.New);
        record.insert(FieldNames[i], missing ? QJsonValue() : QJsonValue(fields[i]));
    }
    record.insert(QStringLiteral("type"), int(difference.Object().ObjectType()));
    record.insert(QStringLiteral("id"), difference.Object().ID());
    record.insert(
        QStringLiteral("changedFields"),
        QJsonArray::fromStringList(fields[1].isEmpty() ? QStringList() : fields[1].split(u',')));
    // Sizes as numbers; null for a missing side and for an object of a text
    // export, which has none.
    const auto size = [](const TNavisionObject *object) {
        return object && object->HasSize() ? QJsonValue(object->Size()) : QJsonValue();
    };
    record.insert(QStringLiteral("oldSize"), size(difference.Old));
    record.insert(QStringLiteral("newSize"), size(difference.New));
    if (!difference.New)
        record.insert(QStringLiteral("permissions"), QJsonValue());
    return QJsonDocument(record).toJson(QJsonDocument::Compact);
}

void Write(QIODevice &output, QByteArray &pending, bool last = false)
{
    if (!last && pending.size() < (1 << 16))
        return;
    const qint64 written = output.write(pending);
    pending.resize(0);
    if (written < 0)
        throw TOutputError(CleanCause(output.errorString()));
}

} // namespace

bool WriteComparison(const TNavisionBinaryFile &oldFile, const TNavisionBinaryFile &newFile,
                     bool all, const TListFormatOptions &format, QIODevice &output)
{
    const TObjectComparison comparison(oldFile, newFile);
    std::vector<int> rows;
    rows.reserve(size_t(comparison.Count()));
    for (int i = 0; i < comparison.Count(); ++i) {
        if (all || comparison.Difference(i).Kind != TChangeKind::Unchanged)
            rows.push_back(i);
    }
    SortDifferences(rows, comparison, TComparisonColumn::Type, false);

    QByteArray pending;
    if (format.Format == TListFormat::Json)
        pending += '[';
    else if (format.Format == TListFormat::Csv)
        pending += CsvLine(FieldNames);
    else if (format.Header)
        pending += FieldNames.join(u'\t').toUtf8() + '\n';
    bool first = true;
    for (const int row : rows) {
        const TObjectDifference &difference = comparison.Difference(row);
        switch (format.Format) {
        case TListFormat::Json:
            pending += (first ? "\n  " : ",\n  ") + JsonRecord(difference);
            break;
        case TListFormat::Csv: {
            QStringList fields = IsoFields(difference);
            for (const int text : NameFields)
                fields[text] = CsvText(fields[text], format.Raw);
            pending += CsvLine(fields);
            break;
        }
        case TListFormat::Tsv:
            pending += format.IsoDates ? TabLine(IsoFields(difference))
                                       : ComparisonLine(difference, newFile.Settings());
            break;
        }
        first = false;
        Write(output, pending);
    }
    if (format.Format == TListFormat::Json)
        pending += first ? "]\n" : "\n]\n";
    Write(output, pending, true);
    return comparison.HasDifferences();
}
