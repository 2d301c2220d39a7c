// The About box: its texts with and without the executable's version
// information, the memory figures and how they are written, its layout and
// how it closes.

#include "ui/about/AboutBox.h"
#include "ui/common/fonts.h"
#include "ui/common/imagelists.h"
#include "uitestsupport.h"
#include "versionresource.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QString LabelText(const QDialog &dialog, const char *name)
{
    const auto *label = dialog.findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

const QLabel *Label(const QDialog &dialog, const char *name)
{
    return dialog.findChild<QLabel *>(QString::fromLatin1(name));
}

// MemTotal of /proc/meminfo, in bytes: a second reading of the same figure.
uint64_t MemTotalFromProc()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("MemTotal:"))
            return line.mid(9).simplified().split(' ').value(0).toULongLong() * 1024;
    }
    return 0;
}

} // namespace

class TAboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void programCarriesVersionInformation();
    void showsVersionTexts_data();
    void showsVersionTexts();
    void totalMemory_data();
    void totalMemory();
    void freeShare_data();
    void freeShare();
    void showsMemoryFigures();
    void readsTrueTotalFromSystem();
    void isLaidOut_data();
    void isLaidOut();
    void showsApplicationIcon_data();
    void showsApplicationIcon();
    void closesOnKey_data();
    void closesOnKey();
};

void TAboutBoxTest::programCarriesVersionInformation()
{
    const TVersionInfo version = QuintarelVersionResource();
    QCOMPARE(version.ProductName, QStringLiteral("Quintarel"));
    QCOMPARE(version.FileVersion, QStringLiteral("1.1.0.27"));
    QCOMPARE(version.ProductVersion, QStringLiteral("1.0.0.0"));
    QVERIFY(version.LegalCopyright.startsWith(QStringLiteral("Copyright © ")));
}

void TAboutBoxTest::showsVersionTexts_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("copyright");

    const TVersionInfo compiled = QuintarelVersionResource();
    QTest::newRow("with version information") << true << "About Quintarel"
                                              << "Quintarel"
                                              << "Version 1.1.0.27" << compiled.LegalCopyright;
    QTest::newRow("without") << false << "About "
                             << ""
                             << "Version "
                             << "";
}

void TAboutBoxTest::showsVersionTexts()
{
    QFETCH(bool, present);
    QFETCH(QString, caption);
    QFETCH(QString, product);
    QFETCH(QString, version);
    QFETCH(QString, copyright);

    // The program hands its information over at start; a program that
    // didn't has none.
    if (present)
        SetExecutableVersionInfo(QuintarelVersionResource());
    TAboutBox about(nullptr, QStringLiteral(","));
    if (!present)
        about.VersionSource = [] { return std::optional<TVersionInfo>(); };
    const auto dialog = about.BuildDialog();
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(LabelText(*dialog, "lblProductName"), product);
    QCOMPARE(LabelText(*dialog, "lblVersion"), version);
    QCOMPARE(LabelText(*dialog, "lblCopyright"), copyright);
    QCOMPARE(LabelText(*dialog, "lblPhysicalMemory"),
             QStringLiteral("Physical memory available to Linux:"));
    QCOMPARE(LabelText(*dialog, "lblSystemResources"), QStringLiteral("System resources:"));
}

void TAboutBoxTest::totalMemory_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("text");

    QTest::newRow("comma") << quint64(536870912) << ","
                           << "524,288 KB";
    QTest::newRow("period") << quint64(536870912) << "."
                            << "524.288 KB";
    QTest::newRow("rounded up to the nearest") << quint64(4294967295) << ","
                                               << "4,194,304 KB";
    QTest::newRow("rounded down") << quint64(1024 + 511) << ","
                                  << "1 KB";
    QTest::newRow("half rounds up") << quint64(1024 + 512) << ","
                                    << "2 KB";
    QTest::newRow("beyond 32 bits") << quint64(25769803776) << ","
                                    << "25,165,824 KB";
    QTest::newRow("no grouping below a thousand") << quint64(999 * 1024) << ","
                                                  << "999 KB";
    QTest::newRow("nothing") << quint64(0) << ","
                             << "0 KB";
    QTest::newRow("blank separator") << quint64(1048576 * 1024) << " "
                                     << "1 048 576 KB";
}

void TAboutBoxTest::totalMemory()
{
    QFETCH(quint64, bytes);
    QFETCH(QString, separator);
    QFETCH(QString, text);
    QCOMPARE(FormatTotalMemory(bytes, separator), text);
}

void TAboutBoxTest::freeShare_data()
{
    QTest::addColumn<int>("load");
    QTest::addColumn<QString>("text");
    QTest::newRow("38") << 38 << "62% Free";
    QTest::newRow("0") << 0 << "100% Free";
    QTest::newRow("100") << 100 << "0% Free";
}

void TAboutBoxTest::freeShare()
{
    QFETCH(int, load);
    QFETCH(QString, text);
    QCOMPARE(FormatFreeShare(load), text);
}

void TAboutBoxTest::showsMemoryFigures()
{
    TAboutBox about(nullptr, QStringLiteral("."));
    int readings = 0;
    about.MemorySource = [&] {
        ++readings;
        return TMemoryStatus{536870912, 38};
    };
    const auto dialog = about.BuildDialog();
    QCOMPARE(LabelText(*dialog, "lblPhysicalMemoryValue"), QStringLiteral("524.288 KB"));
    QCOMPARE(LabelText(*dialog, "lblSystemResourcesValue"), QStringLiteral("62% Free"));
    QCOMPARE(readings, 1);
}

void TAboutBoxTest::readsTrueTotalFromSystem()
{
    const TMemoryStatus status = ReadMemoryStatus();
    const uint64_t expected = MemTotalFromProc();
    if (expected == 0)
        QSKIP("/proc/meminfo can't be read here");
    QCOMPARE(status.TotalPhysical, expected);
    QVERIFY(status.MemoryLoad >= 0 && status.MemoryLoad <= 100);
    QCOMPARE(MemoryLoadPercent(1000, 620), 38);
    QCOMPARE(MemoryLoadPercent(1000, 1000), 0);
    QCOMPARE(MemoryLoadPercent(1000, 0), 100);
    QCOMPARE(MemoryLoadPercent(0, 0), 0);
}

void TAboutBoxTest::isLaidOut_data()
{
    QTest::addColumn<quint64>("total");
    QTest::addColumn<bool>("asDesigned");
    QTest::newRow("a total the design has room for") << quint64(536870912) << true;
    QTest::newRow("a total far beyond 32 bits") << (quint64(1) << 60) << false;
}

void TAboutBoxTest::isLaidOut()
{
    QFETCH(quint64, total);
    QFETCH(bool, asDesigned);
    TAboutBox about(nullptr, QStringLiteral(","));
    about.VersionSource = [] { return std::optional<TVersionInfo>(QuintarelVersionResource()); };
    about.MemorySource = [total] { return TMemoryStatus{total, 38}; };
    const auto dialog = about.BuildDialog();
    // Design pixels for Tahoma 8 pt, grown in proportion for a wider font;
    // a figure too wide for its place widens the box by what it lacks.
    QCOMPARE(dialog->height(), Scaled(256));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QCOMPARE(dialog->width() == Scaled(340), asDesigned);
    const int widened = dialog->width() - Scaled(340);

    for (const char *name : {"lblProductName", "lblVersion", "lblCopyright", "lblPhysicalMemory",
                             "lblSystemResources"}) {
        const QLabel *label = Label(*dialog, name);
        QVERIFY(label);
        QCOMPARE(label->x(), Scaled(76));
        QCOMPARE(label->size(), label->sizeHint()); // as large as its text
    }
    QCOMPARE(Label(*dialog, "lblProductName")->y(), Scaled(16));
    QCOMPARE(Label(*dialog, "lblVersion")->y(), Scaled(32));
    QCOMPARE(Label(*dialog, "lblCopyright")->y(), Scaled(48));
    QCOMPARE(Label(*dialog, "lblPhysicalMemory")->y(), Scaled(168));
    QCOMPARE(Label(*dialog, "lblSystemResources")->y(), Scaled(190));
    for (const char *name : {"lblPhysicalMemoryValue", "lblSystemResourcesValue"}) {
        const QLabel *figure = Label(*dialog, name);
        QCOMPARE(figure->geometry().right() + 1, Scaled(328) + widened);
        QVERIFY(figure->alignment() & Qt::AlignRight);
    }
    // Every text fits: no caption runs into its figure, none leaves the box.
    QVERIFY(Label(*dialog, "lblPhysicalMemory")->geometry().right() <
            Label(*dialog, "lblPhysicalMemoryValue")->x());
    QVERIFY(Label(*dialog, "lblSystemResources")->geometry().right() <
            Label(*dialog, "lblSystemResourcesValue")->x());
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        QVERIFY2(label->geometry().right() < dialog->width(), qPrintable(label->objectName()));

    const auto *rule = dialog->findChild<QFrame *>(QStringLiteral("bvlRule"));
    QVERIFY(rule);
    QCOMPARE(rule->frameShape(), QFrame::HLine);
    QCOMPARE(rule->frameShadow(), QFrame::Sunken);
    QCOMPARE(rule->geometry().topLeft(), QPoint(Scaled(76), Scaled(156)));
    QCOMPARE(rule->geometry().right(), Scaled(328) + widened);

    const auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), Scaled(QRect(252, 220, 77, 25)).translated(widened, 0));
    QVERIFY(ok->isDefault());
    // The only element that takes the focus.
    for (const QWidget *child : dialog->findChildren<QWidget *>())
        QCOMPARE(child->focusPolicy() != Qt::NoFocus, child == ok);
}

void TAboutBoxTest::showsApplicationIcon_data()
{
    QTest::addColumn<bool>("hasIcon");
    QTest::newRow("with the program's icon") << true;
    QTest::newRow("without an icon") << false;
}

void TAboutBoxTest::showsApplicationIcon()
{
    QFETCH(bool, hasIcon);
    QApplication::setWindowIcon(hasIcon ? ApplicationIcon() : QIcon());
    TAboutBox about(nullptr, QStringLiteral(","));
    const auto dialog = about.BuildDialog();
    const QLabel *image = Label(*dialog, "imgIcon");
    QVERIFY(image);
    QCOMPARE(image->geometry(), QRect(Scaled(20), Scaled(16), 32, 32));
    QCOMPARE(!image->pixmap().isNull(), hasIcon);
    QApplication::setWindowIcon(QIcon());
}

void TAboutBoxTest::closesOnKey_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TAboutBoxTest::closesOnKey()
{
    QFETCH(int, key);
    TAboutBox about(nullptr, QStringLiteral(","));
    int result = -1;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("dlgAbout"));
        connect(dialog, &QDialog::finished, [&](int code) { result = code; });
        QTest::keyClick(dialog, Qt::Key(key));
    });
    QVERIFY(about.Execute());
    QCOMPARE(result, int(QDialog::Accepted));
}

QTEST_MAIN(TAboutBoxTest)
#include "tst_aboutbox.moc"
