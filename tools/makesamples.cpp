// makesamples OUTDIR
//
// Writes the demo object file OUTDIR/demo.fob, a later release of it
// OUTDIR/demo-update.fob and the demo licence OUTDIR/demo.flf. Everything
// in them comes from this file, so every run gives the same bytes; samples/
// holds the committed copies and a test checks that they still equal what
// this program writes. samples/README.md tells
// what is special in each entry.

#include "fobentry.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace {

// One object of the demo file. Name is UTF-8 here and written in code page 850.
struct TDemoObject {
    const char *TypeName;
    int32_t ID;
    const char *Name;
    const char *Date;
    const char *Time;
    int32_t Size;
    const char *VersionList;
};

struct TDemoTableData {
    int32_t TableID;
    int32_t RecordCount;
    int32_t DataSize;
};

using TDemoEntry = std::variant<TDemoObject, TDemoTableData>;

// Version lists of the standard objects.
constexpr const char *W1 = "NAVW16.00";
constexpr const char *W1NO = "NAVW16.00.01,NAVNO6.00.01";
constexpr const char *NO = "NAVNO6.00";

// The index in file order: by type, then by ID, as the ERP exports; the two
// duplicates at the end, as when two exports are joined.
//
// Dates keep day, month and year between 1 and 12, so they read the same
// kind of date in every date order; the separators differ as between exports
// made in different regions.
const std::vector<TDemoEntry> &DemoIndex() {
    static const std::vector<TDemoEntry> index = {
        TDemoObject{"Table", 3, "Payment Terms", "07.10.10", "12:00:00", 6212, W1},
        TDemoObject{"Table", 4, "Currency", "07.10.10", "12:00:00", 15873, W1NO},
        TDemoObject{"Table", 15, "G/L Account", "07.10.10", "12:00:00", 24586, W1NO},
        TDemoObject{"Table", 18, "Customer", "07.10.10", "12:00:00", 45710, W1NO},
        TDemoTableData{18, 25, 8192},
        TDemoObject{"Table", 23, "Vendor", "07.10.10", "12:00:00", 38944, W1NO},
        TDemoObject{"Table", 27, "Item", "07.10.10", "12:00:00", 52367, W1NO},
        TDemoObject{"Table", 36, "Sales Header", "07.10.10", "12:00:00", 88412, W1NO},
        TDemoObject{"Table", 37, "Sales Line", "07.10.10", "12:00:00", 121503, W1NO},
        TDemoObject{"Table", 38, "Purchase Header", "07.10.10", "12:00:00", 84275, W1NO},
        TDemoObject{"Table", 81, "Gen. Journal Line", "07.10.10", "12:00:00", 97730, W1NO},
        TDemoObject{"Table", 98, "General Ledger Setup", "07.10.10", "12:00:00", 20118, W1NO},
        TDemoObject{"Table", 5050, "Contact", "07.10.10", "12:00:00", 61009, W1},
        TDemoObject{"Table", 15000001, "Remittance Account", "07.10.10", "12:00:00", 9833, NO},
        TDemoObject{"Table", 50000, "Demo Setup", "05-03-11", "09:30:00 AM", 3480, "DEMO1.00"},
        TDemoTableData{50000, 1, 512},
        TDemoObject{"Table", 50001, "Budsjettoppfølging", "05-03-11", "14:22:31", 7166, "DEMO1.00"},
        TDemoObject{"Table", 50002, "Særavgift", "05-03-11", "16.48.59", 2950, "DEMO1.01"},
        TDemoObject{"Table", 99000750, "Work Shift", "07.10.10", "12:00:00", 5307, W1},
        TDemoObject{"Table", 2000000001, "Object", "03.11.10", "12:00:00", 4032, ""},
        TDemoObject{"Table", 2000000002, "User", "03.11.10", "12:00:00", 3321, ""},
        TDemoObject{"Table", 2000000003, "Member Of", "03.11.10", "12:00:00", 1874, ""},
        TDemoObject{"Table", 2000000004, "User Role", "03.11.10", "12:00:00", 1690, ""},
        TDemoObject{"Table", 2000000005, "Permission", "03.11.10", "12:00:00", 2548, ""},
        TDemoObject{"Table", 2000000006, "Company", "03.11.10", "12:00:00", 1207, ""},
        TDemoObject{"Table", 2000000007, "Date", "03.11.10", "12:00:00", 1433, ""},

        TDemoObject{"Form", 16, "Chart of Accounts", "07.10.10", "12:00:00", 31877, W1NO},
        TDemoObject{"Form", 21, "Customer Card", "07.10.10", "12:00:00", 58114, W1NO},
        TDemoObject{"Form", 22, "Customer List", "07.10.10", "12:00:00", 27560, W1NO},
        TDemoObject{"Form", 26, "Vendor Card", "07.10.10", "12:00:00", 49321, W1NO},
        TDemoObject{"Form", 30, "Item Card", "07.10.10", "12:00:00", 66402, W1NO},
        TDemoObject{"Form", 42, "Sales Order", "07.10.10", "12:00:00", 71288, W1NO},
        TDemoObject{"Form", 50000, "Demo Setup", "05-03-11", "12:00:00 PM", 9120, "DEMO1.00"},
        TDemoObject{"Form", 50001, "Kundeoversikt Ålesund", "", "", 11873, "DEMO1.01"},
        TDemoObject{"Form", 2000000001, "Objects", "03.11.10", "12:00:00", 6650, ""},

        TDemoObject{"Report", 1, "Chart of Accounts", "07.10.10", "12:00:00", 18834, W1NO},
        TDemoObject{"Report", 6, "Trial Balance", "07.10.10", "12:00:00", 29713, W1NO},
        TDemoObject{"Report", 101, "Customer - List", "07.10.10", "12:00:00", 25461, W1},
        TDemoObject{"Report", 206, "Sales - Invoice", "07.10.10", "12:00:00", 83017, W1NO},
        TDemoObject{"Report", 795, "Adjust Cost - Item Entries", "07.10.10", "12:00:00", 21908, W1},
        TDemoObject{"Report", 10600, "Saldobalanse", "07.10.10", "12:00:00", 27004, NO},
        TDemoObject{"Report", 50000, "Demo Customer Statement", "09/12/10", "", 35512, "DEMO1.00"},
        TDemoObject{"Report", 50001, "Betalingsmelding på", "05-03-11", "16.48.59", 19377,
                    "NAVW16.00.01,NAVNO6.00.01,DEMO1.00,DEMO1.01,DEMO1.02"},

        TDemoObject{"Dataport", 81, "Import/Export Gen. Journal", "07.10.10", "12:00:00", 8845, W1},
        TDemoObject{"Dataport", 50001, "ÆØÅ æøå Import Test", "09/12/10", "03:15:42 PM", 4410,
                    "DEMO1.01"},

        TDemoObject{"Codeunit", -1, "Negative ID test", "09/12/10", "11:59:59 AM", 1024, ""},
        TDemoObject{"Codeunit", 1, "ApplicationManagement", "07.10.10", "12:00:00", 40571, W1NO},
        TDemoObject{"Codeunit", 12, "Gen. Jnl.-Post Line", "07.10.10", "12:00:00", 189530, W1NO},
        TDemoObject{"Codeunit", 80, "Sales-Post", "07.10.10", "12:00:00", 164288, W1NO},
        TDemoObject{"Codeunit", 90, "Purch.-Post", "07.10.10", "12:00:00", 151742, W1NO},
        TDemoObject{"Codeunit", 5063, "ArchiveManagement", "07.10.10", "12:00:00", 30206, W1},
        TDemoObject{"Codeunit", 50000, "Demo Sales Order Release Mgmt.", "05-03-11", "10:05:17",
                    12790, "DEMO1.00"},
        TDemoObject{"Codeunit", 99000773, "Calculate Prod. Order", "07.10.10", "12:00:00", 45333,
                    W1},

        TDemoObject{"XMLport", 5050, "Export Contact", "07.10.10", "12:00:00", 7312, W1},
        TDemoObject{"XMLport", 50000, "Demo Price List", "05-03-11", "11.02.03", 5590, "DEMO1.00"},
        TDemoObject{"XMLport", 50001, "Lønnsfil Økonomi", "05-03-11", "11.02.04", 6038, "DEMO1.01"},

        TDemoObject{"MenuSuite", 10, "Navigation Pane", "07.10.10", "12:00:00", 210455, W1NO},
        TDemoObject{"MenuSuite", 70, "Partner Add-ons", "09/12/10", "02:30:00 PM", 3315,
                    "DEMO1.00"},
        TDemoObject{"MenuSuite", 1010, "Company", "05-03-11", "14:22:31", 2877, "DEMO1.00"},

        TDemoObject{"Page", 21, "Customer Card", "02.01.12", "08:45:10", 73560, "NAVW17.00"},
        TDemoObject{"Page", 22, "Customer List", "02.01.12", "08:45:10", 30118, "NAVW17.00"},
        TDemoObject{"Query", 21, "Customer Card", "02.01.12", "08:45:10", 4096, "NAVW17.00"},

        // The same key as Table 18 above, from a later export: readers keep the first.
        TDemoObject{"Table", 18, "Customer", "05-03-11", "16.48.59", 45918,
                    "NAVW16.00.01,NAVNO6.00.01,DEMO1.00"},
        // Codeunit 80 again, its name differing only in letter case.
        TDemoObject{"Codeunit", 80, "SALES-POST", "05-03-11", "12:00:00 PM", 164301,
                    "NAVW17.00,NAVNO7.00"},
    };
    return index;
}

// A later release of the demo customer's add-on, for comparing with
// demo.fob: the standard objects and the duplicates as they were, three of
// the customer's objects changed (one of them renamed), two gone and three
// new, among them a Page.
std::vector<TDemoEntry> UpdateIndex() {
    constexpr const char *Date = "02.01.12";
    constexpr const char *Release = "DEMO1.10";
    std::vector<TDemoEntry> index;
    for (TDemoEntry entry : DemoIndex()) {
        auto *object = std::get_if<TDemoObject>(&entry);
        const auto is = [&](const char *type, int32_t id) {
            return object && QByteArrayView(object->TypeName) == QByteArrayView(type) &&
                   object->ID == id;
        };
        if (is("Report", 50000) || is("XMLport", 50000))
            continue;
        if (is("Table", 50001)) {
            *object = {"Table", 50001, object->Name, Date, "10:12:44", 7480, Release};
        } else if (is("Form", 50001)) {
            *object = {"Form", 50001, "Kundeoversikt Ålesund/Molde", Date, "10:12:44", 12406,
                       Release};
        } else if (is("Codeunit", 50000)) {
            *object = {"Codeunit", 50000, object->Name, Date, "10:14:02", 13408, Release};
        } else if (is("MenuSuite", 70)) {
            object->Size = 3402;
        }
        index.push_back(entry);
        if (is("Table", 50002))
            index.push_back(TDemoObject{"Table", 50003, "Demo Log Entry", Date, "10:12:44", 2215,
                                        Release});
        if (is("Codeunit", 50000))
            index.push_back(TDemoObject{"Codeunit", 50001, "Demo Notification Mgmt.", Date,
                                        "10:14:02", 8734, Release});
        if (is("Page", 22))
            index.push_back(TDemoObject{"Page", 50000, "Demo Setup Card", Date, "10:15:30", 6120,
                                        Release});
    }
    return index;
}

// The licence text, UTF-8.
constexpr const char *DemoLicence =
    R"(; Demo licence for Quintarel's samples. Made up: it names no real customer
; and grants nothing outside the samples.

[Information]
Licensed to: Demo Company AS
Address: Karl Johans gate 1, 0154 Oslo
Country: Norway
Serial number: 4711-0815-42
Licence date: 05.03.2011
Product version: Microsoft Dynamics NAV 2009 R2 (NO)
Partner: Bjørn Ålesund Data AS, Ålesund
Partner contact: Bjørn Ødegård

[Permissions]
; System tables: read only.
Table 2000000000..2147483647 R
; Two tables with rights of their own, ahead of the standard range that holds them.
Table 18 RIMD
Table 27 RIM
; Standard tables: readable, not modifiable.
Table 1..49999 R
; The customer's own range.
Table 50000..99999 RIMDX
; Manufacturing tables: a record that grants nothing.
Table 99000750..99008535 -
FORM 2000000000..2147483647 R
Form 1..49999 R
Form 50000..99999 RIMDX
Report 1..9999 X
Report 10000..49999 -
Report 50000..99999 RIMDX
Dataport 1..99999999 R
; Codeunits run only; 5000..5999 has no record at all.
Codeunit 1..4999 X
Codeunit 6000..49999 X
Codeunit 50000..99999 RIMDX
5 99000750..99008535 X
XMLport 50000..99999 RIMDX
menusuite 1..99 R
; Type 0: the object types that have no name here (pages, queries).
0 1..99999 RX
)";

QByteArray ToCodePage850(const char *utf8) {
    static const struct {
        char16_t Letter;
        char Byte;
    } table[] = {
        {u'æ', '\x91'}, {u'Æ', '\x92'}, {u'ø', '\x9B'}, {u'Ø', '\x9D'}, {u'å', '\x86'},
        {u'Å', '\x8F'}, {u'ö', '\x94'}, {u'Ö', '\x99'}, {u'ä', '\x84'}, {u'Ä', '\x8E'},
        {u'ü', '\x81'}, {u'Ü', '\x9A'}, {u'é', '\x82'},
    };
    QByteArray result;
    for (QChar c : QString::fromUtf8(utf8)) {
        if (c.unicode() < 0x80) {
            result += static_cast<char>(c.unicode());
            continue;
        }
        bool found = false;
        for (const auto &entry : table) {
            if (entry.Letter == c.unicode()) {
                result += entry.Byte;
                found = true;
                break;
            }
        }
        if (!found)
            throw std::invalid_argument(std::string("no code page 850 byte for a letter of \"") +
                                        utf8 + "\"");
    }
    return result;
}

int32_t TypeNumber(const QByteArray &typeName) {
    static const char *const names[] = {"Table",    "Form",    "Report",   "Dataport",
                                        "Codeunit", "XMLport", "MenuSuite"};
    for (int i = 0; i < 7; ++i) {
        if (typeName == names[i])
            return i + 1;
    }
    return 0;
}

// A fixed sequence of filler bytes (a linear congruential generator), so the
// bodies look binary yet come out the same every run.
class TFiller {
public:
    unsigned char Next() {
        FState = FState * 1664525u + 1013904223u;
        return static_cast<unsigned char>(FState >> 24);
    }

private:
    uint32_t FState = 20110305u;
};

void AppendLittleEndian(QByteArray &bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

QByteArray BuildObjectFile(const std::vector<TDemoEntry> &entries) {
    QByteArray index;
    QByteArray bodies;
    TFiller filler;
    for (const TDemoEntry &entry : entries) {
        if (const auto *data = std::get_if<TDemoTableData>(&entry)) {
            index += LayOutTableDataEntry(data->TableID, data->RecordCount, data->DataSize);
            continue;
        }
        const auto &object = std::get<TDemoObject>(entry);
        TObjectEntryFields fields;
        fields.TypeName = object.TypeName;
        fields.ID = object.ID;
        fields.Name = ToCodePage850(object.Name);
        fields.Date = object.Date;
        fields.Time = object.Time;
        fields.Size = object.Size;
        fields.VersionList = object.VersionList;
        index += LayOutObjectEntry(fields);

        // Not real object code: type, ID and size, then filler. Small, so the
        // sample stays small; readers of the index never look at it.
        AppendLittleEndian(bodies, static_cast<uint32_t>(TypeNumber(fields.TypeName)));
        AppendLittleEndian(bodies, static_cast<uint32_t>(object.ID));
        AppendLittleEndian(bodies, static_cast<uint32_t>(object.Size));
        const int fillerLength = 16 + filler.Next() % 96;
        for (int i = 0; i < fillerLength; ++i)
            bodies += static_cast<char>(filler.Next());
    }
    return index + QByteArray(2, IndexEndByte) + bodies;
}

void WriteFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesamples OUTDIR\n"
                             "Writes OUTDIR/demo.fob, OUTDIR/demo-update.fob and "
                             "OUTDIR/demo.flf.\n");
        return 2;
    }
    try {
        const QString outDir = QString::fromLocal8Bit(argv[1]);
        if (!QDir().mkpath(outDir))
            throw std::runtime_error("cannot create " + outDir.toStdString());
        const QDir dir(outDir);
        WriteFile(dir.filePath(QStringLiteral("demo.fob")), BuildObjectFile(DemoIndex()));
        WriteFile(dir.filePath(QStringLiteral("demo-update.fob")),
                  BuildObjectFile(UpdateIndex()));
        WriteFile(dir.filePath(QStringLiteral("demo.flf")), QByteArray(DemoLicence));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "makesamples: %s\n", error.what());
        return 1;
    }
    return 0;
}
