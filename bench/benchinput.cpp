#include "benchinput.h"

#include "entries.h"

#include <QList>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char *, 8> Tags = {"Table",    "Form",    "Report",    "Dataport",
                                              "Codeunit", "XMLport", "MenuSuite", "Page"};

// Words of object names; some in code page 850 (ø is 0x9B, å 0x86, æ 0x91).
constexpr std::array<const char *, 24> Words = {
    "Customer", "Vendor",   "Item",    "Sales",     "Purchase",      "G/L",
    "Ledger",   "Entry",    "Header",  "Line",      "Posting",       "Setup",
    "Budget",   "Journal",  "Batch",   "Dimension", "Value",         "Bank",
    "Account",  "Resource", "Service", "Kunde",     "Leverand\x9Br", "Bel\x9Bp"};

constexpr std::array<const char *, 7> VersionLists = {"NAVW17.00",
                                                      "NAVW17.00,NAVNO7.00",
                                                      "NAVW15.00,NAVNO5.00.01,PROJ1.2",
                                                      "NAVW14.00.03",
                                                      "",
                                                      "NAVW17.10,CUST1.00,FIX2341",
                                                      "NAVW16.00,NAVNO6.00"};

// A deterministic sequence, so every run measures the same bytes.
struct TSequence {
    uint32_t State = 12345;
    uint32_t Next(uint32_t bound)
    {
        State = State * 1103515245u + 12345u;
        return (State >> 8) % bound;
    }
};

QByteArray Name(TSequence &random)
{
    QByteArray name;
    const uint32_t words = 1 + random.Next(3);
    for (uint32_t w = 0; w < words; ++w) {
        if (w > 0)
            name += ' ';
        name += Words[random.Next(Words.size())];
    }
    return name.left(30);
}

TEntryFields ObjectFields(int i, TSequence &random)
{
    TEntryFields f;
    f.Tag = Tags[size_t(i) % Tags.size()];
    // 2 % system objects, the others spread over the customer and standard ranges.
    const int id = i % 50 == 7 ? 2000000000 + i : 1 + int(random.Next(99999));
    f.ID = QByteArray::number(id);
    f.Name = Name(random);
    f.Date = QByteArray::number(1 + random.Next(28)) + '.' +
             QByteArray::number(1 + random.Next(12)) + '.' +
             QByteArray::number(random.Next(100)).rightJustified(2, '0');
    f.Time = QByteArray::number(random.Next(24)) + ':' +
             QByteArray::number(random.Next(60)).rightJustified(2, '0') + ':' +
             QByteArray::number(random.Next(60)).rightJustified(2, '0');
    f.Size = QByteArray::number(random.Next(500000));
    f.VersionList = VersionLists[random.Next(VersionLists.size())];
    return f;
}

// Lines of an object's body; what real exports are made of, mostly code.
constexpr std::array<const char *, 12> BodyLines = {
    "    { 1   ;   ;No.                 ;Code20        ;OnValidate=BEGIN",
    "                                                                IF \"No.\" <> xRec.\"No.\" "
    "THEN BEGIN",
    "                                                                  SalesSetup.GET;",
    "                                                                END;",
    "                                                   CaptionML=[ENU=No.;NOR=Nr.] }",
    "      IF NOT Cust.GET(\"Sell-to Customer No.\") THEN",
    "        ERROR(Text001,Cust.TABLECAPTION,\"Sell-to Customer No.\");",
    "      SalesLine.SETRANGE(\"Document Type\",\"Document Type\");",
    "      Date=FIELD(Date Filter);",
    "      FOR i := 1 TO ARRAYLEN(Amount) DO",
    "        TotalAmount := TotalAmount + ROUND(Amount[i] * (1 - Discount / 100),0.01);",
    "      // Posting of the line's amounts into the ledger entries"};

} // namespace

QByteArray MakeBenchTextObject(int i, qsizetype bodyBytes)
{
    TSequence random{uint32_t(i) * 2654435761u + 1};
    const TEntryFields f = ObjectFields(i, random);
    const QByteArray type = f.Tag.trimmed();
    QByteArray text = "OBJECT " + type + ' ' + f.ID + ' ' + f.Name +
                      "\r\n{\r\n  OBJECT-PROPERTIES\r\n  {\r\n    Date=" + f.Date +
                      ";\r\n    Time=" + f.Time + ";\r\n";
    if (i % 3 == 0)
        text += "    Modified=Yes;\r\n";
    text += "    Version List=" + f.VersionList +
            ";\r\n  }\r\n  PROPERTIES\r\n  {\r\n  }\r\n"
            "  CODE\r\n  {\r\n    PROCEDURE Post@1();\r\n    BEGIN\r\n";
    const qsizetype end = text.size() + bodyBytes;
    text.reserve(end + 64);
    while (text.size() < end)
        text.append(BodyLines[random.Next(BodyLines.size())]).append("\r\n");
    return text + "    END;\r\n\r\n    BEGIN\r\n    END.\r\n  }\r\n}\r\n\r\n";
}

QByteArray MakeBenchIndex(int objects)
{
    TSequence random;
    QByteArray index;
    index.reserve(qsizetype(objects) * 161 + qsizetype(objects / 50) * 108 + 1);
    QList<TEntryFields> listed;
    listed.reserve(objects);
    for (int i = 0; i < objects; ++i) {
        TEntryFields f;
        if (i % 100 == 99 && !listed.isEmpty()) {
            // An earlier key again, its name in upper case: dropped as a duplicate.
            f = listed[qsizetype(random.Next(uint32_t(listed.size())))];
            f.Name = f.Name.toUpper();
        } else {
            f = ObjectFields(i, random);
            listed.append(f);
        }
        index += Entry(f);
        if (i % 50 == 49)
            index += TableDataEntry();
    }
    return index + '\x1A';
}

QByteArray MakeBenchUpdateIndex(const QByteArray &index, int objects)
{
    QByteArray update;
    update.reserve(index.size());
    constexpr qsizetype SizeField = 81, SizeLength = 20;
    int entry = 0;
    for (qsizetype at = 0; at < index.size() && index[at] != '\x1A';) {
        const bool tableData = index.mid(at, 9) == "TableData";
        const qsizetype length = tableData ? 108 : 161;
        QByteArray bytes = index.mid(at, length);
        at += length;
        if (!tableData) {
            ++entry;
            if (entry % 100 == 42)
                continue;
            if (entry % 20 == 3)
                bytes.replace(SizeField, SizeLength,
                              QByteArray::number(entry).rightJustified(20, ' '));
        }
        update += bytes;
    }
    // IDs above those of the first release: new objects.
    TSequence random;
    for (int i = 0; i < objects / 100; ++i) {
        TEntryFields f = ObjectFields(i, random);
        f.ID = QByteArray::number(100000 + i);
        update += Entry(f);
    }
    return update + '\x1A';
}

QByteArray MakeBenchLicence()
{
    TSequence random;
    QByteArray text = "; Licence of the benchmarks\n[Information]\n"
                      "Licensed to: Benchmark Company\nSerial number: 4711\n\n[Permissions]\n";
    constexpr std::array<const char *, 8> rights = {"R",  "RIM", "RIMD", "RIMDX",
                                                    "RX", "X",   "-",    "RI"};
    for (int type = 1; type <= 7; ++type) {
        // 28 ranges a type across 1 .. 99999, then the system objects.
        int from = 1;
        for (int range = 0; range < 28; ++range) {
            const int to = std::min(99999, from + 500 + int(random.Next(6000)));
            text += QByteArray(Tags[size_t(type - 1)]) + ' ' + QByteArray::number(from) + ".." +
                    QByteArray::number(to) + ' ' + rights[random.Next(rights.size())] + '\n';
            from = to + 1 + int(random.Next(200));
            if (from > 99999)
                break;
        }
        text += QByteArray(Tags[size_t(type - 1)]) + " 2000000000..2000100000 R\n";
    }
    return text;
}
