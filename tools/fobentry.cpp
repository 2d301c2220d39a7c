#include "fobentry.h"

#include <stdexcept>
#include <string>

namespace {

[[noreturn]] void Refuse(const char *field, const QByteArray &value, const char *reason)
{
    throw std::invalid_argument(std::string(field) + " \"" + value.toStdString() + "\" " + reason);
}

// A text field must fit its columns and read back as written: readers trim
// the blanks around it, a CR or LF would break the entry's lines, a 0x1A
// would end the index and a NUL ends the text.
void CheckText(const char *field, const QByteArray &value, int width)
{
    if (value.size() > width)
        Refuse(field, value, ("is longer than its " + std::to_string(width) + " columns").c_str());
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            Refuse(field, value, "holds a control character");
    }
    if (!value.isEmpty() && (value.front() == ' ' || value.back() == ' '))
        Refuse(field, value, "begins or ends with a blank");
}

// A number right-aligned in its columns; a negative one is refused where the
// field counts something.
QByteArray NumberField(const char *field, qint64 value, int width, bool mayBeNegative)
{
    const QByteArray digits = QByteArray::number(value);
    if (!mayBeNegative && value < 0)
        Refuse(field, digits, "is negative");
    if (digits.size() > width)
        Refuse(field, digits, ("is longer than its " + std::to_string(width) + " columns").c_str());
    return digits.rightJustified(width, ' ');
}

// A text placed in its columns as it stands; one longer than its columns is
// refused rather than cut.
QByteArray Column(const char *field, const QByteArray &value, int width, bool rightAligned)
{
    if (value.size() > width)
        Refuse(field, value, ("is longer than its " + std::to_string(width) + " columns").c_str());
    return rightAligned ? value.rightJustified(width, ' ') : value.leftJustified(width, ' ');
}

void CheckLength(const QByteArray &entry, int expected)
{
    if (entry.size() != expected)
        throw std::logic_error("entry laid out as " + std::to_string(entry.size()) +
                               " bytes instead of " + std::to_string(expected));
}

} // namespace

QByteArray LayOutObjectEntry(const TObjectEntryFields &fields)
{
    if (fields.TypeName.isEmpty())
        Refuse("type", fields.TypeName, "is empty");
    // A tag of "TableData" would make readers take the entry for 108 bytes.
    if (fields.TypeName == "TableData")
        Refuse("type", fields.TypeName, "is the tag of a table-data entry");

    TObjectEntryTexts texts;
    texts.Tag = fields.TypeName;
    texts.ID = QByteArray::number(fields.ID);
    texts.Name = fields.Name;
    texts.Date = fields.Date;
    texts.Time = fields.Time;
    texts.Size = QByteArray::number(fields.Size);
    texts.VersionList = fields.VersionList;
    CheckText("type", texts.Tag, 10);
    CheckText("name", texts.Name, 30);
    CheckText("date", texts.Date, 12);
    CheckText("time", texts.Time, 14);
    CheckText("version list", texts.VersionList, 57);
    if (fields.Size < 0)
        Refuse("size", texts.Size, "is negative");
    return LayOutEntryTexts(texts);
}

QByteArray LayOutEntryTexts(const TObjectEntryTexts &texts)
{
    QByteArray entry;
    entry.reserve(ObjectEntrySize);
    entry += Column("type", texts.Tag, 10, false);
    entry += Column("ID", texts.ID, 10, true);
    entry += ' ';
    entry += Column("name", texts.Name, 30, false);
    entry += Column("date", texts.Date, 12, true);
    entry += ' ';
    entry += Column("time", texts.Time, 14, true);
    entry += " \r\n";
    entry += Column("size", texts.Size, 20, true);
    entry += ' ';
    entry += Column("version list", texts.VersionList, 57, false);
    entry += "\r\n";
    CheckLength(entry, ObjectEntrySize);
    return entry;
}

QByteArray LayOutTableDataEntry(int32_t tableID, int32_t recordCount, int32_t dataSize)
{
    QByteArray entry;
    entry.reserve(TableDataEntrySize);
    entry += "TableData ";
    entry += NumberField("table number", tableID, 10, true);
    entry += ' ';
    entry += NumberField("record count", recordCount, 20, false);
    entry += ' ';
    entry += NumberField("data size", dataSize, 20, false);
    entry = entry.leftJustified(TableDataEntrySize - 2, ' ');
    entry += "\r\n";
    CheckLength(entry, TableDataEntrySize);
    return entry;
}

QByteArray LayOutObjectText(const QByteArray &objectLine, const QByteArrayList &properties,
                            const QByteArray &eol)
{
    QByteArray text = objectLine + eol + "{" + eol + "  OBJECT-PROPERTIES" + eol + "  {" + eol;
    for (const QByteArray &property : properties)
        text += "    " + property + eol;
    text += "  }" + eol + "  PROPERTIES" + eol + "  {" + eol + "    OnRun=BEGIN" + eol +
            "            Date=FIELD(Date Filter);" + eol + "          END;" + eol + "  }" + eol +
            "}" + eol + eol;
    return text;
}
