// Both programs' command lines as a script meets them: exit status and the
// first line of what they print, with no display for the desktop program.
#include "programrun.h"
#include <QProcess>
#include <QTest>

namespace {

const QString Lister = QStringLiteral(QUINTAREL_CLI);
const QString Window = QStringLiteral(QUINTAREL_GUI); // empty in a build without it
const QString Samples = QStringLiteral(QUINTAREL_SAMPLES);
const QString Version = QStringLiteral(QUINTAREL_VERSION);

// Without any display: the desktop program must answer before it needs one.
TRun Run(const QString &program, const QStringList &arguments)
{
    return RunProgram(program, arguments, QStringLiteral("en_US.UTF-8"), {},
                      {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
}

QString FirstLine(const QByteArray &text)
{
    return QString::fromUtf8(text.left(text.indexOf('\n')));
}

} // namespace

class TestCommandLines : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
};

void TestCommandLines::answers_data()
{
    QTest::addColumn<bool>("window");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    // The first line on standard output, or on standard error when the
    // status is not 0; the other stream stays empty then.
    QTest::addColumn<QString>("firstLine");

    const QString demo = Samples + "/demo.fob";
    const QString listerUsage = "Usage: quintarel-cli [options] FILE...";
    const QString listerVersion = "quintarel-cli " + Version;
    QTest::newRow("lister --help") << false << QStringList{"--help"} << 0 << listerUsage;
    QTest::newRow("lister -h") << false << QStringList{"-h"} << 0 << listerUsage;
    QTest::newRow("lister help after a file")
        << false << QStringList{demo, "-h"} << 0 << listerUsage;
    QTest::newRow("lister --version") << false << QStringList{"--version"} << 0 << listerVersion;
    QTest::newRow("lister -v") << false << QStringList{"-v"} << 0 << listerVersion;
    // With a licence, so that no note on its absence goes to standard error.
    const QString licence = Samples + "/demo.flf";
    QTest::newRow("lister lists")
        << false << QStringList{"--sort", "id", "--license", licence, demo} << 0
        << "Codeunit\t-1\tNegative ID test\t9/12/10 11:59:59 AM\t1024\t\t";
    QTest::newRow("lister without a file")
        << false << QStringList{} << 2 << "quintarel-cli: No object file given.";
    QTest::newRow("lister unknown option")
        << false << QStringList{"--colour", demo} << 2 << "quintarel-cli: Unknown option 'colour'.";
    QTest::newRow("lister unknown short option")
        << false << QStringList{"-x", demo} << 2 << "quintarel-cli: Unknown option 'x'.";
    QTest::newRow("lister help beside a wrong option")
        << false << QStringList{"--help", "--colour"} << 2
        << "quintarel-cli: Unknown option 'colour'.";
    QTest::newRow("lister option without its value")
        << false << QStringList{demo, "--license"} << 2
        << "quintarel-cli: Missing value after '--license'.";
    QTest::newRow("lister value eaten as the key")
        << false << QStringList{"--sort", demo} << 2
        << QString("quintarel-cli: Unknown sort key \"%1\".").arg(demo);
    QTest::newRow("lister file missing")
        << false << QStringList{"--license", licence, "/no/such.fob"} << 1
        << "quintarel-cli: /no/such.fob: Cannot open file \"/no/such.fob\". No such file or "
           "directory.";

    if (Window.isEmpty())
        return;
    const QString windowUsage = "Usage: quintarel [options] [FILE]";
    const QString windowVersion = "quintarel " + Version;
    QTest::newRow("window --help") << true << QStringList{"--help"} << 0 << windowUsage;
    QTest::newRow("window -h with a file") << true << QStringList{demo, "-h"} << 0 << windowUsage;
    QTest::newRow("window --version") << true << QStringList{"--version"} << 0 << windowVersion;
    QTest::newRow("window -v") << true << QStringList{"-v"} << 0 << windowVersion;
    QTest::newRow("window beside Qt's own options")
        << true << QStringList{"-platform", "offscreen", "-reverse", "--version"} << 0
        << windowVersion;
    QTest::newRow("window unknown option")
        << true << QStringList{"--colour"} << 2 << "quintarel: Unknown option 'colour'.";
    QTest::newRow("window --license without its value")
        << true << QStringList{"--license"} << 2 << "quintarel: Missing value after '--license'.";
    QTest::newRow("window --license with an empty name")
        << true << QStringList{"--license="} << 2 << "quintarel: --license needs a file name.";
    QTest::newRow("window Qt option without its value")
        << true << QStringList{"-style"} << 2 << "quintarel: Missing value after '-style'.";
}

void TestCommandLines::answers()
{
    QFETCH(bool, window);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, firstLine);
    const TRun run = Run(window ? Window : Lister, arguments);
    QCOMPARE(run.ExitCode, exitCode);
    if (exitCode == 0) {
        QCOMPARE(run.Err, QByteArray());
        QCOMPARE(FirstLine(run.Out), firstLine);
        return;
    }
    QCOMPARE(run.Out, QByteArray());
    QCOMPARE(FirstLine(run.Err), firstLine);
    // A wrong command line: the problem in one line and the hint, nothing more.
    if (exitCode == 2)
        QCOMPARE(run.Err.split('\n').mid(1), (QList<QByteArray>{"Try --help", ""}));
}

QTEST_GUILESS_MAIN(TestCommandLines)
#include "tst_commandlines.moc"
