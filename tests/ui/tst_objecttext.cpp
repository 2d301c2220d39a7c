// The object text viewer: View Object Text (menu, Enter, double-click)
// opens the current object's text from its file with the file's line
// numbers; the command is disabled for a binary file's object; find; the
// colours of keywords, strings and comments, readable in a dark palette.
#include "ui/objecttext/codeview.h"
#include "ui/objecttext/findbar.h"
#include "ui/objecttext/objecttextform.h"
#include "ui/objecttext/objecttexthighlighter.h"
#include "ui/objecttext/textcolours.h"
#include "uitestsupport.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

constexpr int IDColumn = 1;

// An object of a text export: 14 lines, its ID in its name line and in a
// comment of its code, so that every line tells which object it belongs to.
QByteArray TextObject(const QByteArray &type, int id, const QByteArray &name)
{
    const QByteArray number = QByteArray::number(id);
    return "OBJECT " + type + ' ' + number + ' ' + name +
           "\n"
           "{\n"
           "  OBJECT-PROPERTIES\n"
           "  {\n"
           "    Date=01/02/03;\n"
           "    Time=10:15:30;\n"
           "  }\n"
           "  CODE\n"
           "  {\n"
           "    BEGIN\n"
           "    { object " +
           number +
           " }\n"
           "    END.\n"
           "  }\n"
           "}\n";
}
constexpr int TextObjectLines = 14;

QString WriteFile(const QTemporaryDir &folder, const QString &name, const QByteArray &contents)
{
    const QString path = QDir(folder.path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("Cannot write %s", qPrintable(path));
    return path;
}

// Makes the row of the object with the ID the list's current row.
bool GoToObject(TfrmMain &window, int id)
{
    for (int row = 0; row < window.ListModel().rowCount(); ++row) {
        if (CellText(window, row, IDColumn) == QString::number(id)) {
            window.lvwMain->setCurrentIndex(window.ListModel().index(row, 0));
            GoIdle();
            return true;
        }
    }
    return false;
}

QList<TfrmObjectText *> Viewers(const TfrmMain &window)
{
    return window.findChildren<TfrmObjectText *>();
}

QString LineText(const TCodeView &view, int line)
{
    return view.document()->findBlockByNumber(line).text();
}

// The part a character of the document is coloured as: "keyword",
// "string", "comment" or "" for plain text.
QString PartAt(const QTextDocument &document, int line, int column, const TTextColours &colours)
{
    const QTextBlock block = document.findBlockByNumber(line);
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (column < range.start || column >= range.start + range.length)
            continue;
        const QColor colour = range.format.foreground().color();
        if (colour == colours.Keyword)
            return QStringLiteral("keyword");
        if (colour == colours.String)
            return QStringLiteral("string");
        if (colour == colours.Comment)
            return QStringLiteral("comment");
        return QStringLiteral("?");
    }
    return QString();
}

QPalette DarkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(53, 53, 53));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(30, 30, 30));
    palette.setColor(QPalette::Text, QColor(220, 220, 220));
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    // Accents meant for a light background: too dark to read on this one.
    palette.setColor(QPalette::Link, QColor(0, 0, 170));
    palette.setColor(QPalette::LinkVisited, QColor(90, 0, 90));
    return palette;
}

QPalette LightPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    return palette;
}

} // namespace

class TObjectTextWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearSettings(); }

    void opensTheObjectsText_data();
    void opensTheObjectsText();
    void disabledForBinaryObject();
    void findMovesBetweenMatches();
    void bracesAreCommentsOnlyInCode_data();
    void bracesAreCommentsOnlyInCode();
    void coloursReadOnTheBackground_data();
    void coloursReadOnTheBackground();
};

void TObjectTextWindowTest::opensTheObjectsText_data()
{
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("firstLine");
    QTest::addColumn<QString>("how");
    // Three objects one after another, a blank line between them.
    const int second = 1 + TextObjectLines + 1, third = second + TextObjectLines + 1;
    for (const QByteArray &lineEnd : {QByteArray("\n"), QByteArray("\r\n")}) {
        const char *ends = lineEnd == "\n" ? "LF" : "CR LF";
        QTest::addRow("first, %s, menu", ends) << lineEnd << 3 << 1 << "menu";
        QTest::addRow("middle, %s, Enter", ends) << lineEnd << 80 << second << "enter";
        QTest::addRow("last, %s, double-click", ends) << lineEnd << 6 << third << "double-click";
    }
}

void TObjectTextWindowTest::opensTheObjectsText()
{
    QFETCH(QByteArray, lineEnd);
    QFETCH(int, id);
    QFETCH(int, firstLine);
    QFETCH(QString, how);
    QTemporaryDir folder;
    QByteArray contents = TextObject("Table", 3, "Demo") + '\n' +
                          TextObject("Codeunit", 80, "Post") + '\n' +
                          TextObject("Report", 6, "Trial Balance");
    contents.replace("\n", lineEnd);
    const QString path = WriteFile(folder, QStringLiteral("objects.txt"), contents);

    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    window->OpenFile(path);
    window->show();
    QVERIFY(GoToObject(*window, id));
    QVERIFY(window->actObjectViewText->isEnabled());
    if (how == QLatin1String("menu")) {
        window->actObjectViewText->trigger();
    } else if (how == QLatin1String("enter")) {
        window->lvwMain->setFocus();
        QTest::keyClick(window->lvwMain, Qt::Key_Return);
    } else {
        QWidget *viewport = window->lvwMain->viewport();
        const QPoint at = window->lvwMain->visualRect(window->lvwMain->currentIndex()).center();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    }
    QVERIFY2(errors.Boxes.isEmpty(), qPrintable(errors.Boxes.value(0).Text));
    QCOMPARE(Viewers(*window).size(), 1);
    const TCodeView &view = *Viewers(*window).front()->txtObject;

    // From its OBJECT line to its closing brace, nothing of its neighbours.
    const int lines = view.document()->blockCount();
    QCOMPARE(lines, TextObjectLines);
    QVERIFY(LineText(view, 0).startsWith("OBJECT ") &&
            LineText(view, 0).contains(QStringLiteral(" %1 ").arg(id)));
    QCOMPARE(LineText(view, 10), QStringLiteral("    { object %1 }").arg(id));
    QCOMPARE(LineText(view, lines - 1), QStringLiteral("}"));
    QVERIFY(!view.toPlainText().contains(QLatin1Char('\r')));
    // The gutter numbers the lines as the file does.
    QCOMPARE(view.LineNumber(0), qint64(firstLine));
    QCOMPARE(view.LineNumber(lines - 1), qint64(firstLine + TextObjectLines - 1));
    QVERIFY(Viewers(*window).front()->windowTitle().contains(QStringLiteral(" %1 ").arg(id)));
}

void TObjectTextWindowTest::disabledForBinaryObject()
{
    QTemporaryDir folder;
    const QString path =
        WriteObjectFile(folder, QStringLiteral("a.fob"), {IndexEntry("Table", 3, "Demo")});
    const auto window = CreateMainWindow();
    window->OpenFile(path);
    window->show();
    QVERIFY(GoToObject(*window, 3));
    QVERIFY(!window->actObjectViewText->isEnabled());
    window->lvwMain->setFocus();
    QTest::keyClick(window->lvwMain, Qt::Key_Return);
    QCOMPARE(Viewers(*window).size(), 0);
    QCOMPARE(window->stbMain->SimpleText(),
             QStringLiteral("A binary file holds no text of its objects"));
}

void TObjectTextWindowTest::findMovesBetweenMatches()
{
    TfrmObjectText viewer;
    viewer.ShowText(QStringLiteral("Codeunit 1 Find"), QStringLiteral("find.txt"), 100,
                    QStringLiteral("OBJECT Codeunit 1 Find\n{\n  Amount\n  x\n  amount\n  "
                                   "y\n  AMOUNT\n}\n"));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.actEditFind->trigger();
    QVERIFY(viewer.barFind->isVisible());
    QTest::keyClicks(viewer.barFind->edtFind, QStringLiteral("amount"));
    // Typing finds the first; F3 the next, in any letter case; round at the end.
    QCOMPARE(viewer.txtObject->CurrentLineNumber(), 102);
    const QList<std::pair<QAction *, int>> steps = {{viewer.actEditFindNext, 104},
                                                    {viewer.actEditFindNext, 106},
                                                    {viewer.actEditFindNext, 102},
                                                    {viewer.actEditFindPrevious, 106},
                                                    {viewer.actEditFindPrevious, 104}};
    for (const auto &[action, line] : steps) {
        action->trigger();
        QCOMPARE(viewer.txtObject->CurrentLineNumber(), line);
        QCOMPARE(viewer.txtObject->textCursor().selectedText().toLower(), QStringLiteral("amount"));
    }
    // No match: the cursor stays and the status bar says so.
    viewer.barFind->edtFind->setText(QStringLiteral("missing"));
    QVERIFY(!viewer.barFind->FindNext());
    QCOMPARE(viewer.txtObject->CurrentLineNumber(), 104);
    QVERIFY(viewer.stbObjectText->SimpleText().contains(QStringLiteral("missing")));
}

void TObjectTextWindowTest::bracesAreCommentsOnlyInCode_data()
{
    // The line of the text below, and where in it: the first character of
    // the first (or, with a count, the later) occurrence of the marker.
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<QString>("part");
    QTest::newRow("OBJECT") << 0 << "OBJECT" << 1 << "keyword";
    QTest::newRow("section brace") << 3 << "{" << 1 << "";
    QTest::newRow("field brace") << 4 << "{" << 1 << "";
    QTest::newRow("quote in a caption") << 4 << "'" << 1 << "";
    QTest::newRow("BEGIN of a trigger") << 4 << "BEGIN" << 1 << "keyword";
    QTest::newRow("brace in code") << 5 << "{" << 1 << "comment";
    QTest::newRow("string in code") << 6 << "'" << 1 << "string";
    QTest::newRow("brace in a string") << 6 << "{" << 1 << "string";
    QTest::newRow("END of a trigger") << 7 << "END" << 1 << "keyword";
    QTest::newRow("field brace after code") << 7 << "}" << 1 << "";
    QTest::newRow("documentation comment") << 11 << "{" << 1 << "comment";
    QTest::newRow("comment over lines") << 12 << "still" << 1 << "comment";
    QTest::newRow("after the comment") << 13 << "END" << 1 << "keyword";
    QTest::newRow("closing brace") << 15 << "}" << 1 << "";
}

void TObjectTextWindowTest::bracesAreCommentsOnlyInCode()
{
    QFETCH(int, line);
    QFETCH(QString, marker);
    QFETCH(int, occurrence);
    QFETCH(QString, part);
    TCodeView view;
    TObjectTextHighlighter highlighter(view.document());
    const TTextColours colours = TTextColours::FromPalette(LightPalette());
    highlighter.SetColours(colours);
    view.SetText(QStringLiteral("OBJECT Table 3 Demo\n"
                                "{\n"
                                "  FIELDS\n"
                                "  {\n"
                                "    { 1   ;   ;No.   ;Code20 ;CaptionML=ENU=It's;"
                                "OnValidate=BEGIN\n"
                                "                x := 1; { here }\n"
                                "                Text := 'a { b';\n"
                                "                END; }\n"
                                "  }\n"
                                "  CODE\n"
                                "  {\n"
                                "    BEGIN { documentation\n"
                                "      still }\n"
                                "    END.\n"
                                "  }\n"
                                "}"));
    const QTextDocument &document = *view.document();
    const QString text = document.findBlockByNumber(line).text();
    qsizetype column = -1;
    for (int i = 0; i < occurrence; ++i)
        column = text.indexOf(marker, column + 1);
    QVERIFY(column >= 0);
    QCOMPARE(PartAt(document, line, int(column), colours), part);
}

void TObjectTextWindowTest::coloursReadOnTheBackground_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << LightPalette();
    QTest::newRow("dark") << DarkPalette();
}

void TObjectTextWindowTest::coloursReadOnTheBackground()
{
    QFETCH(QPalette, palette);
    const TTextColours colours = TTextColours::FromPalette(palette);
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    QVERIFY(ContrastRatio(colours.Keyword, base) >= 4.5);
    QVERIFY(ContrastRatio(colours.String, base) >= 4.5);
    QVERIFY(ContrastRatio(colours.Comment, base) >= 3.0);
    // Each part apart from the plain text and from the others.
    QVERIFY(colours.Keyword != text && colours.String != text && colours.Comment != text);
    QVERIFY(colours.Keyword != colours.String && colours.String != colours.Comment);
    // A changed line stands out from the background, and its text still reads.
    QVERIFY(colours.ChangedLine != base && colours.MissingLine != base);
    QVERIFY(ContrastRatio(text, colours.ChangedLine) >= 4.5);
}

QTEST_MAIN(TObjectTextWindowTest)
#include "tst_objecttext.moc"
