#include "core/model/licensefile.h"

#include "core/errors.h"
#include "core/reading/filenames.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// Fields of the permission table: the key, then one value per right.
constexpr int32_t TypeField = 1;
constexpr int32_t NumberField = 2;
constexpr std::pair<int32_t, TPermissionFlags> RightFields[] = {
    {10, pfRead}, {11, pfInsert}, {12, pfModify}, {13, pfDelete}, {14, pfExecute}};

// Field of the information table that holds one line of text.
constexpr int32_t TextField = 2;
constexpr int32_t TextBufferSize = 251;

} // namespace

TNavisionLicenseFile::TNavisionLicenseFile(const TCFrontEntryPoints &library) : Library(library)
{
    Library.Init();
    Library.OpenTable(&PermissionTable, CF_PERMISSION_TABLE);
    PermissionRecord = Library.AllocRecord(PermissionTable);
    Library.OpenTable(&InformationTable, CF_INFORMATION_TABLE);
    InformationRecord = Library.AllocRecord(InformationTable);
    ReadInformation();
}

TNavisionLicenseFile::~TNavisionLicenseFile()
{
    InfoLines.clear();
    Library.FreeRecord(InformationRecord);
    Library.CloseTable(InformationTable);
    Library.FreeRecord(PermissionRecord);
    Library.CloseTable(PermissionTable);
    Library.Done();
}

int TNavisionLicenseFile::GetInfoLineCount() const
{
    return int(InfoLines.size());
}

QByteArray TNavisionLicenseFile::GetInfoLine(int index) const
{
    if (index < 0 || index >= InfoLines.size())
        throw TError(
            QCoreApplication::translate("TNavisionLicenseFile", "List index out of bounds (%1)")
                .arg(index));
    return InfoLines[index];
}

void TNavisionLicenseFile::ReadInformation()
{
    InfoLines.clear();
    Library.SetSearchMode(CF_SEARCH_MODE);
    if (Library.FindRecord(InformationTable, InformationRecord, "-") == 0)
        return;
    do {
        char buffer[TextBufferSize] = {}; // stays a valid text if the library writes nothing
        Library.GetFieldData(buffer, TextBufferSize, InformationTable, InformationRecord,
                             TextField);
        // The text ends at the first NUL, or fills the buffer.
        InfoLines.append(QByteArray(buffer, qstrnlen(buffer, TextBufferSize)));
    } while (Library.NextRecord(InformationTable, InformationRecord, 1) != 0);
}

void TNavisionLicenseFile::ChangeLicenseFile(const QString &fileName)
{
    const int32_t loaded = Library.SetLicenseFile(EncodeFileName(fileName).constData());
    // Only a library that reports on its licence gives ordinal 89's result a
    // meaning (0: the file can't be used and nothing changed).
    if (Library.LicenseStatus && loaded == 0) {
        QString cause = QString::fromUtf8(StatusText(CF_LICENCE_LAST_ERROR));
        while (!cause.isEmpty() && (cause.back().isSpace() || cause.back() == u'.'))
            cause.chop(1);
        throw TError(QCoreApplication::translate("TNavisionLicenseFile",
                                                 "Cannot load licence file \"%1\". %2")
                         .arg(AbsoluteFileName(fileName), cause));
    }
    ReadInformation();
}

QByteArray TNavisionLicenseFile::StatusText(int32_t item) const
{
    QByteArray text(256, '\0');
    const int32_t length = Library.LicenseStatus(item, text.data(), int32_t(text.size()));
    if (length >= text.size()) {
        text.resize(qsizetype(length) + 1);
        Library.LicenseStatus(item, text.data(), int32_t(text.size()));
    }
    text.truncate(qBound(0, int(length), int(text.size()) - 1));
    // A text ends at its first NUL, as the library's texts do.
    text.truncate(qsizetype(qstrnlen(text.constData(), size_t(text.size()))));
    return text;
}

TActiveLicense TNavisionLicenseFile::ActiveLicense() const
{
    TActiveLicense active;
    if (!Library.LicenseStatus)
        return active;
    switch (Library.LicenseStatus(CF_LICENCE_STATE, nullptr, 0)) {
    case CF_LICENCE_NONE:
        active.State = TActiveLicense::TState::None;
        break;
    case CF_LICENCE_LOADED:
        active.State = TActiveLicense::TState::Loaded;
        break;
    case CF_LICENCE_INFORMATION_ONLY:
        active.State = TActiveLicense::TState::InformationOnly;
        break;
    case CF_LICENCE_BROKEN:
        active.State = TActiveLicense::TState::Broken;
        break;
    default:
        return active;
    }
    active.FileName = DecodeFileName(StatusText(CF_LICENCE_FILE));
    active.Problem = QString::fromUtf8(StatusText(CF_LICENCE_PROBLEM));
    return active;
}

void TNavisionLicenseFile::SetKeyField(int32_t field, int32_t value)
{
    const int32_t type = Library.FieldType(PermissionTable, field);
    Library.AssignField(PermissionTable, PermissionRecord, field, type, &value, sizeof value);
}

int32_t TNavisionLicenseFile::ReadIntegerField(int32_t field)
{
    int32_t value = 0;
    Library.GetFieldData(&value, sizeof value, PermissionTable, PermissionRecord, field);
    return value;
}

TPermissionFlags TNavisionLicenseFile::GetPermissions(int32_t objectType, int32_t id)
{
    SetKeyField(TypeField, objectType);
    SetKeyField(NumberField, id);
    Library.SetSearchMode(CF_SEARCH_MODE);
    if (Library.FindRecord(PermissionTable, PermissionRecord, "=") == 0)
        return pfNoRecord;
    TPermissionFlags flags = 0;
    for (const auto &[field, flag] : RightFields) {
        if (ReadIntegerField(field) != 0)
            flags |= flag;
    }
    return flags;
}
