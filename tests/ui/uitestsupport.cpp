#include "uitestsupport.h"

#include "settings.h"

#include "core/cfront/cfront.h"
#include "core/model/ordering.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

namespace {

void WriteFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("Cannot write the fixture %s", qPrintable(path));
}

// Every window test keeps the program's settings in a folder of its own,
// never in the user's home: set up as soon as the application exists,
// before any window reads them.
QTemporaryDir *SettingsFolder = nullptr;

void KeepSettingsApart()
{
    QStandardPaths::setTestModeEnabled(true);
    SettingsFolder = new QTemporaryDir;
    if (!SettingsFolder->isValid())
        qFatal("Cannot make a folder for the settings");
    QCoreApplication::setOrganizationName(QStringLiteral("Quintarel"));
    QCoreApplication::setApplicationName(QStringLiteral("quintarel"));
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, SettingsFolder->path());
        QSettings::setPath(format, QSettings::SystemScope, SettingsFolder->path());
    }
    qAddPostRoutine([] {
        delete SettingsFolder;
        SettingsFolder = nullptr;
    });
}
Q_COREAPP_STARTUP_FUNCTION(KeepSettingsApart)

} // namespace

QString SettingsFolderPath()
{
    return SettingsFolder ? SettingsFolder->path() : QString();
}

void ClearSettings()
{
    QSettings().clear();
}

QString WriteObjectFile(const QTemporaryDir &folder, const QString &name,
                        const QList<QByteArray> &entries)
{
    QByteArray contents;
    for (const QByteArray &entry : entries) {
        if (entry.size() != 161)
            qFatal("An index entry has %d bytes", int(entry.size()));
        contents += entry;
    }
    contents += '\x1a';
    const QString path = folder.filePath(name);
    WriteFile(path, contents);
    return path;
}

QString WriteLicenseFile(const QTemporaryDir &folder, const QString &name,
                         const QByteArray &contents)
{
    const QString path = folder.filePath(name);
    WriteFile(path, contents);
    return path;
}

QString DemoObjectFile()
{
    const QString path = QStringLiteral(QUINTAREL_SAMPLES_DIR "/demo.fob");
    return QFile::exists(path) ? path : QString();
}

TErrorRecorder::TErrorRecorder()
{
    Previous = SetErrorBoxHandler([this](const QString &caption, const QString &text) {
        Boxes.append({caption, text});
    });
}

TErrorRecorder::~TErrorRecorder()
{
    SetErrorBoxHandler(Previous);
}

TDialogRecorder::TDialogRecorder()
{
    Previous = TFileDialog::SetRunner([this](QWidget *, const TFileDialog &dialog) {
        Shown.append(
            {dialog.Kind, dialog.Title, dialog.Filters, dialog.DefaultSuffix, dialog.FileName});
        return Answers.isEmpty() ? std::nullopt : Answers.takeFirst();
    });
}

TDialogRecorder::~TDialogRecorder()
{
    TFileDialog::SetRunner(Previous);
}

TRegionalSettings TestSettings()
{
    return UsTwentyFourHourSettings();
}

void IsolateSettings()
{
    // The test mode's settings lie under the home folder: a scratch one,
    // removed when the test ends.
    static QTemporaryDir home;
    static const bool isolated = [] {
        if (!home.isValid())
            qFatal("Cannot make a scratch home folder");
        qputenv("HOME", QFile::encodeName(home.path()));
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Quintarel"));
        QCoreApplication::setApplicationName(QStringLiteral("quintarel"));
        return true;
    }();
    Q_UNUSED(isolated);
}

std::unique_ptr<TfrmMain> CreateMainWindow(const QStringList &arguments, const QString &licenseFile)
{
    IsolateSettings();
    // Sort Key and Sort Direction live as long as the program; each test
    // starts where the program starts.
    StoreSortKey(0);
    StoreSortDirection(0);
    ClearSettings(); // and nothing remembered from an earlier window
    return std::make_unique<TfrmMain>(LoadCFront(), TestSettings(), arguments, licenseFile);
}

QString CellText(const TfrmMain &window, int row, int column)
{
    return window.ListModel().index(row, column).data().toString();
}

QStringList ColumnTexts(const TfrmMain &window, int column)
{
    QStringList texts;
    for (int row = 0; row < window.ListModel().rowCount(); ++row)
        texts << CellText(window, row, column);
    return texts;
}

void GoIdle()
{
    // A loop that waits for events, as the program's does; QTest::qWait
    // only polls, and never tells the dispatcher it is about to wait.
    QEventLoop loop;
    QTimer::singleShot(5, &loop, &QEventLoop::quit);
    loop.exec();
}
