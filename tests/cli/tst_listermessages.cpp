// What the lister says on standard error: every error as
// "quintarel-cli: FILE: message", the notes only where they tell something,
// a write error once, and file names of any bytes.
#include "programrun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Samples = QStringLiteral(QUINTAREL_SAMPLES);
const QString Demo = Samples + QStringLiteral("/demo.fob");
const QString Licence = Samples + QStringLiteral("/demo.flf");

// The file's bytes, the name given as bytes too.
QByteArray ReadAll(const QByteArray &path)
{
    QFile file;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return "<unreadable>";
    return file.readAll();
}

bool WriteFile(const QByteArray &path, const QByteArray &bytes)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}

QStringList WithFolder(QStringList arguments, const QString &folder)
{
    for (QString &argument : arguments)
        argument.replace(QStringLiteral("%1"), folder);
    return arguments;
}

// The name for printf's %b: its bytes outside plain ASCII in octal.
QString PrintfFormat(const QByteArray &name)
{
    QString format;
    for (const char c : name) {
        if (uchar(c) > 0x20 && uchar(c) < 0x7F && c != '\\' && c != '%')
            format += QChar(c);
        else
            format += QStringLiteral("\\0%1").arg(uint(uchar(c)), 3, 8, QChar(u'0'));
    }
    return format;
}

// The lister with each argument "@NAME@" replaced by the name's bytes, which
// a QString argument could not carry; run by the shell from the current folder.
TRun RunWithName(const QByteArray &name, const QStringList &arguments)
{
    const QString script =
        QStringLiteral("n=$(printf %b \"$1\"); shift; for a; do shift; "
                       "if [ \"$a\" = @NAME@ ]; then a=$n; fi; set -- \"$@\" \"$a\"; done; "
                       "exec \"$0\" \"$@\"");
    return RunProgram(QStringLiteral("/bin/sh"),
                      QStringList{"-c", script, QStringLiteral(QUINTAREL_CLI), PrintfFormat(name),
                                  "--license", Licence} +
                          arguments);
}

} // namespace

class TestListerMessages : public QObject {
    Q_OBJECT

private slots:
    void init();
    void messages_data();
    void messages();
    void writeErrorEndsTheRun_data();
    void writeErrorEndsTheRun();
    void fileNamesOfAnyBytes_data();
    void fileNamesOfAnyBytes();
    void foldersOfAnyBytes_data();
    void foldersOfAnyBytes();

private:
    std::optional<QTemporaryDir> FFolder;
};

// Each test in a fresh folder that is also the current one, with an empty
// object file, an ERP's licence file and a file whose name begins with -.
void TestListerMessages::init()
{
    FFolder.emplace();
    QVERIFY(FFolder->isValid());
    QVERIFY(QDir::setCurrent(FFolder->path()));
    QVERIFY(WriteFile("empty.fob", {}));
    QVERIFY(WriteFile("erp.flf", "Licensed to: ERP Customer\r\n\x1a\x01\x02"));
    QVERIFY(WriteFile("-dash.fob", ReadAll(Demo.toUtf8())));
}

void TestListerMessages::messages_data()
{
    QTest::addColumn<QStringList>("arguments"); // %1 is the folder
    QTest::addColumn<bool>("licence");          // the demo licence named
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("err"); // its lines; the last one may be a beginning

    const QString missing =
        "quintarel-cli: /no/such.fob: Cannot open file \"/no/such.fob\". No such file or "
        "directory.";
    const QString noLicence = "quintarel-cli: note: no licence is active, so no object has "
                              "permissions; name one with --license FILE.";
    const QString erp = "quintarel-cli: note: the licence \"%1/erp.flf\" was written by the ERP: "
                        "its permissions can't be read here, so no object has any.";
    QTest::newRow("missing file") << QStringList{"/no/such.fob"} << true << QByteArray() << 1
                                  << QStringList{missing};
    QTest::newRow("missing file, no licence: no note")
        << QStringList{"/no/such.fob"} << false << QByteArray() << 1 << QStringList{missing};
    QTest::newRow("one of two missing")
        << QStringList{Demo, "/no/such.fob"} << true << QByteArray() << 1 << QStringList{missing};
    QTest::newRow("no licence: noted before the list")
        << QStringList{Demo} << false << QByteArray() << 0 << QStringList{noLicence};
    QTest::newRow("no licence, the export has no permissions")
        << QStringList{"--export", "-", Demo} << false << QByteArray() << 0 << QStringList{};
    QTest::newRow("licence written by the ERP") << QStringList{"--license", "%1/erp.flf", Demo}
                                                << false << QByteArray() << 0 << QStringList{erp};
    QTest::newRow("licence written by the ERP, file missing")
        << QStringList{"--license", "%1/erp.flf", "/no/such.fob"} << false << QByteArray() << 1
        << QStringList{missing};
    QTest::newRow("licence missing")
        << QStringList{"--license", "none.flf", Demo} << false << QByteArray() << 1
        << QStringList{"quintarel-cli: none.flf: Cannot load licence file \"%1/none.flf\"."};
    QTest::newRow("empty file") << QStringList{"empty.fob"} << true << QByteArray() << 0
                                << QStringList{"quintarel-cli: empty.fob: note: no objects."};
    QTest::newRow("empty file, no licence: no note on it")
        << QStringList{"empty.fob"} << false << QByteArray() << 0
        << QStringList{"quintarel-cli: empty.fob: note: no objects."};
    QTest::newRow("empty standard input")
        << QStringList{"-"} << true << QByteArray() << 0
        << QStringList{"quintarel-cli: standard input: note: no objects."};
    QTest::newRow("broken standard input") << QStringList{"-"} << true << QByteArray(100, 'x') << 1
                                           << QStringList{"quintarel-cli: standard input: "};
    QTest::newRow("file name beginning with -")
        << QStringList{"-dash.fob"} << true << QByteArray() << 2
        << QStringList{"quintarel-cli: Unknown option \"-dash.fob\"; put -- before file names "
                       "that begin with - (quintarel-cli -- -dash.fob).",
                       "Try --help"};
    QTest::newRow("file name beginning with -, after --")
        << QStringList{"--", "-dash.fob"} << true << QByteArray() << 0 << QStringList{};
    QTest::newRow("comparison, old missing")
        << QStringList{"--compare", "/no/old.fob", Demo} << true << QByteArray() << 1
        << QStringList{"quintarel-cli: /no/old.fob (old): Cannot open file \"/no/old.fob\"."};
    QTest::newRow("comparison, new on standard input broken")
        << QStringList{"--compare", Demo, "-"} << true << QByteArray(100, 'x') << 1
        << QStringList{"quintarel-cli: standard input (new): "};
    QTest::newRow("comparison, new empty")
        << QStringList{"--compare", Demo, "empty.fob"} << true << QByteArray() << 3
        << QStringList{"quintarel-cli: empty.fob (new): note: no objects."};
    QTest::newRow("comparison, no licence: noted") << QStringList{"--compare", Demo, Demo} << false
                                                   << QByteArray() << 0 << QStringList{noLicence};
}

void TestListerMessages::messages()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, licence);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QStringList, err);
    arguments = WithFolder(arguments, FFolder->path());
    if (licence)
        arguments = QStringList{"--license", Licence} + arguments;
    const TRun run =
        RunProgram(QStringLiteral(QUINTAREL_CLI), arguments, QStringLiteral("en_US.UTF-8"), input);
    QCOMPARE(run.ExitCode, exitCode);
    QStringList lines = QString::fromUtf8(run.Err).split(u'\n');
    QCOMPARE(lines.takeLast(), QString()); // every line ended
    QCOMPARE(lines.size(), err.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString expected = WithFolder({err[i]}, FFolder->path()).constFirst();
        QVERIFY2(i + 1 < lines.size() ? lines[i] == expected : lines[i].startsWith(expected),
                 qPrintable(lines[i]));
    }
}

// Under a file size limit of 1 KiB on standard output: one message naming
// what failed and why, status 1, and nothing more written after it.
void TestListerMessages::writeErrorEndsTheRun_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("err");

    const QString standardOutput = "quintarel-cli: standard output: File too large.\n";
    QTest::newRow("tsv") << QStringList{Demo, Demo, Demo} << standardOutput;
    QTest::newRow("json") << QStringList{"--format", "json", Demo, Demo} << standardOutput;
    QTest::newRow("export to standard output")
        << QStringList{"--export", "-", Demo, Demo, Demo} << standardOutput;
    QTest::newRow("comparison") << QStringList{"--compare", "--all", Demo,
                                               Samples + "/demo-update.fob"}
                                << standardOutput;
    QTest::newRow("export to a file")
        << QStringList{"--export", "list.txt", Demo}
        << "quintarel-cli: list.txt: Cannot write file \"%1/list.txt\". File too large.\n";
}

void TestListerMessages::writeErrorEndsTheRun()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, err);
    arguments = QStringList{"--license", Licence} + arguments;
    const TRun whole = RunProgram(QStringLiteral(QUINTAREL_CLI), arguments);
    QVERIFY(whole.Out.size() > 1024 || arguments.contains("list.txt"));
    QVERIFY(WriteFile("list.txt", "an earlier export\r\n"));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(FFolder->filePath("out"));
    process.setChildProcessModifier([] {
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(QStringLiteral(QUINTAREL_CLI), arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
             QString(err).replace("%1", FFolder->path()));
    const QByteArray written = ReadAll("out");
    QVERIFY(whole.Out.startsWith(written));
    // A file is replaced only when whole: the earlier one stays, and nothing beside it.
    QCOMPARE(ReadAll("list.txt"), "an earlier export\r\n");
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden).size(), 5);
}

// Names that are no UTF-8 reach the file system as their bytes and show
// them as \xNN in messages; the listing, the comparison and the export.
void TestListerMessages::fileNamesOfAnyBytes_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Latin-1 letter") << QByteArray("latin1-\xe9.fob") << "latin1-\\xE9.fob";
    QTest::newRow("invalid UTF-8 sequence")
        << QByteArray("bad-\xc3\x28-\xed\xa0\x80.fob") << "bad-\\xC3(-\\xED\\xA0\\x80.fob";
    QTest::newRow("UTF-8 letter") << QByteArray("caf\xc3\xa9.fob") << "caf\u00e9.fob";
    QTest::newRow("blanks") << QByteArray(" two  blanks .fob") << " two  blanks .fob";
    QTest::newRow("leading -") << QByteArray("-\xe9.fob") << "-\\xE9.fob";
}

void TestListerMessages::fileNamesOfAnyBytes()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, shown);
    QVERIFY(WriteFile(name, ReadAll(Demo.toUtf8())));
    const TRun expected = RunLister({Demo});
    QVERIFY(!expected.Out.isEmpty());

    const TRun listed = RunWithName(name, {"--", "@NAME@"});
    QCOMPARE(listed.Err, QByteArray());
    QCOMPARE(listed.ExitCode, 0);
    QCOMPARE(listed.Out, expected.Out);

    const TRun compared = RunWithName(name, {"--compare", "--", "@NAME@", "@NAME@"});
    QCOMPARE(compared.Err, QByteArray());
    QCOMPARE(compared.ExitCode, 0);

    // The export to a name of the same bytes.
    const QByteArray exportName = "out-" + name;
    const TRun exported = RunWithName(exportName, {"--export", "@NAME@", Demo});
    QCOMPARE(exported.ExitCode, 0);
    QCOMPARE(ReadAll(exportName), RunLister({"--export", "-", Demo}).Out);

    // A missing file: its name shown with the bytes visible.
    QCOMPARE(::unlink(name.constData()), 0);
    const TRun missing = RunWithName(name, {"--", "@NAME@"});
    QCOMPARE(missing.ExitCode, 1);
    QCOMPARE(QString::fromUtf8(missing.Err),
             QStringLiteral("quintarel-cli: %1: Cannot open file \"%2/%1\". No such file or "
                            "directory.\n")
                 .arg(shown, FFolder->path()));
    QCOMPARE(::unlink(exportName.constData()), 0); // QTemporaryDir removes UTF-8 names only
}

void TestListerMessages::foldersOfAnyBytes_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Latin-1 folder")
        << QByteArray("repo-\xe9") << QByteArray("TAB27.TXT") << "repo-\\xE9";
    QTest::newRow("Latin-1 file in it")
        << QByteArray("repo-\xe9") << QByteArray("caf\xe9.txt") << "repo-\\xE9";
    QTest::newRow("UTF-8 folder") << QByteArray("caf\xc3\xa9") << QByteArray("TAB27.TXT")
                                  << "caf\u00e9";
}

// A folder of text exports whose name (or whose files' names) are no UTF-8
// is read by its bytes, alone and as a side of a comparison; when missing,
// its name is shown with the bytes visible.
void TestListerMessages::foldersOfAnyBytes()
{
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    QCOMPARE(::mkdir(folder.constData(), 0755), 0);
    const QByteArray path = folder + '/' + file;
    QVERIFY(WriteFile(path, "OBJECT Table 27 Item\n{\n  OBJECT-PROPERTIES\n  {\n"
                            "    Date=05/23/17;\n    Time=15:18:31;\n  }\n}\n"));

    const TRun listed = RunWithName(folder, {"@NAME@"});
    QCOMPARE(listed.Err, QByteArray());
    QCOMPARE(listed.ExitCode, 0);
    QVERIFY2(listed.Out.startsWith("Table\t27\tItem\t"), listed.Out.constData());

    const TRun compared = RunWithName(folder, {"--compare", "@NAME@", "@NAME@"});
    QCOMPARE(compared.Err, QByteArray());
    QCOMPARE(compared.ExitCode, 0);

    QCOMPARE(::unlink(path.constData()), 0);
    QCOMPARE(::rmdir(folder.constData()), 0); // QTemporaryDir removes UTF-8 names only
    const TRun missing = RunWithName(folder, {"@NAME@"});
    QCOMPARE(missing.ExitCode, 1);
    QCOMPARE(QString::fromUtf8(missing.Err),
             QStringLiteral("quintarel-cli: %1: Cannot open file \"%2/%1\". No such file or "
                            "directory.\n")
                 .arg(shown, FFolder->path()));
}

QTEST_GUILESS_MAIN(TestListerMessages)
#include "tst_listermessages.moc"
