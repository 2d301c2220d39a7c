#include "cfrontlibrary.h"

#include "core/errors.h"

#include <QTest>

namespace {

// Records a failed step as a test failure without leaving the helper.
void Check(bool ok, const char *step, const char *file, int line)
{
    QTest::qVerify(ok, step, "a step the program relies on failed", file, line);
}
#define CHECK_STEP(expression) Check(static_cast<bool>(expression), #expression, __FILE__, __LINE__)

constexpr int32_t FirstRightField = 10;
constexpr int32_t RightFieldCount = 5;

} // namespace

QStringList EntryPointNames()
{
    return {"cfront_3_Init",          "cfront_12_OpenTable",
            "cfront_65_AllocRecord",  "cfront_36_FieldType",
            "cfront_41_AssignField",  "cfront_1_SetSearchMode",
            "cfront_16_FindRecord",   "cfront_17_NextRecord",
            "cfront_44_GetFieldData", "cfront_89_SetLicenseFile",
            "cfront_66_FreeRecord",   "cfront_14_CloseTable",
            "cfront_4_Done"};
}

TCFrontLibrary::TCFrontLibrary(const QString &path) : Library(path)
{
    if (!Library.load()) {
        LoadError = Library.errorString();
        return;
    }
    try {
        static_cast<TCFrontEntryPoints &>(*this) = ResolveCFront(Library);
    } catch (const TError &error) {
        LoadError = error.message();
    }
    if (LoadError.isEmpty() && !LicenseStatus)
        LoadError = QStringLiteral("cfront_LicenceStatus is missing");
}

TCFrontLibrary::~TCFrontLibrary()
{
    Library.unload();
}

TRights RightsOf(const QByteArray &letters)
{
    TRights rights;
    for (const char letter : QByteArrayLiteral("RIMDX"))
        rights.append(letters.contains(letter) ? 1 : letters.contains(char(letter + 32)) ? 2 : 0);
    return rights;
}

TCFrontSession::TCFrontSession(const TCFrontLibrary &library) : Api(library)
{
    CHECK_STEP(Api.Init());
    CHECK_STEP(Api.OpenTable(&PermissionTable, CF_PERMISSION_TABLE));
    CHECK_STEP(Api.OpenTable(&InformationTable, CF_INFORMATION_TABLE));
    PermissionRecord = Api.AllocRecord(PermissionTable);
    InformationRecord = Api.AllocRecord(InformationTable);
    CHECK_STEP(PermissionRecord > 0 && InformationRecord > 0);
}

TCFrontSession::~TCFrontSession()
{
    Api.FreeRecord(InformationRecord);
    Api.FreeRecord(PermissionRecord);
    Api.CloseTable(InformationTable);
    Api.CloseTable(PermissionTable);
    Api.Done();
}

bool TCFrontSession::SetLicenceFile(const QString &path)
{
    return Api.SetLicenseFile(path.toLocal8Bit().constData()) != 0;
}

int32_t TCFrontSession::State() const
{
    return Api.LicenseStatus(CF_LICENCE_STATE, nullptr, 0);
}

QByteArray TCFrontSession::StatusText(int32_t item) const
{
    char buffer[1024];
    const int32_t length = Api.LicenseStatus(item, buffer, sizeof buffer);
    CHECK_STEP(length >= 0 && length < int32_t(sizeof buffer));
    CHECK_STEP(buffer[std::max(0, std::min(length, 1023))] == '\0');
    return QByteArray(buffer, std::max(0, std::min(length, 1023)));
}

void TCFrontSession::SetKey(CFHandle table, CFHandle record, int32_t field, int32_t value)
{
    const int32_t type = Api.FieldType(table, field);
    CHECK_STEP(Api.AssignField(table, record, field, type, &value, sizeof value));
}

bool TCFrontSession::Find(CFHandle table, CFHandle record, const char *searchText)
{
    CHECK_STEP(Api.SetSearchMode(CF_SEARCH_MODE));
    return Api.FindRecord(table, record, searchText) != 0;
}

std::optional<int32_t> TCFrontSession::ReadInteger(CFHandle table, CFHandle record, int32_t field)
{
    int32_t value = 0;
    if (!Api.GetFieldData(&value, sizeof value, table, record, field))
        return std::nullopt;
    return value;
}

std::optional<QByteArray> TCFrontSession::ReadText(CFHandle table, CFHandle record, int32_t field)
{
    QByteArray buffer(TextBufferSize, '\xAA');
    if (!Api.GetFieldData(buffer.data(), TextBufferSize, table, record, field))
        return std::nullopt;
    const qsizetype end = buffer.indexOf('\0');
    CHECK_STEP(end >= 0);
    return buffer.left(end);
}

std::optional<TRights> TCFrontSession::ReadRights(CFHandle record)
{
    TRights rights;
    for (int32_t field = FirstRightField; field < FirstRightField + RightFieldCount; ++field) {
        const auto value = ReadInteger(PermissionTable, record, field);
        if (!value)
            return std::nullopt;
        rights.append(*value);
    }
    return rights;
}

std::optional<TRights> TCFrontSession::Lookup(int32_t objectType, int32_t number)
{
    SetKey(PermissionTable, PermissionRecord, TypeField, objectType);
    SetKey(PermissionTable, PermissionRecord, NumberField, number);
    if (!Find(PermissionTable, PermissionRecord, "="))
        return std::nullopt;
    const auto rights = ReadRights(PermissionRecord);
    CHECK_STEP(rights.has_value());
    return rights;
}

QList<QByteArray> TCFrontSession::InformationLines()
{
    QList<QByteArray> lines;
    if (!Find(InformationTable, InformationRecord, "-"))
        return lines;
    // Bounded, so that a library that never reaches the end fails the test
    // instead of hanging it.
    constexpr qsizetype MostLines = 10000;
    do {
        const auto text = ReadText(InformationTable, InformationRecord, InformationTextField);
        CHECK_STEP(text.has_value());
        lines.append(text.value_or(QByteArray()));
    } while (lines.size() < MostLines &&
             Api.NextRecord(InformationTable, InformationRecord, 1) != 0);
    CHECK_STEP(lines.size() < MostLines);
    return lines;
}
