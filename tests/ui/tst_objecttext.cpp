// The object text viewer: View Object Text (menu, Enter, double-click)
// opens the current object's text from its file with the file's line
// numbers; the command is disabled for a binary file's object; find; the
// colours of keywords, strings and comments, readable in a dark palette.
#include "ui/compare/compareform.h"
#include "ui/compare/comparemodel.h"
#include "ui/objecttext/codeview.h"
#include "ui/objecttext/differenceform.h"
#include "ui/objecttext/findbar.h"
#include "ui/objecttext/objecttextform.h"
#include "ui/objecttext/objecttexthighlighter.h"
#include "ui/objecttext/sidebyside.h"
#include "ui/objecttext/textcolours.h"
#include "uitestsupport.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
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

// The edit script of a line difference written as text: "=" a line both
// hold, "-" one removed, "+" one added, in order; indices count on.
TEditScript Script(const QString &steps)
{
    TEditScript script;
    int old = 0, now = 0;
    for (const QChar step : steps) {
        if (step == u'=')
            script.push_back({TEditKind::Same, old++, now++});
        else if (step == u'-')
            script.push_back({TEditKind::Removed, old++, -1});
        else
            script.push_back({TEditKind::Added, -1, now++});
    }
    return script;
}

// Rows as "old/new" with '*' for a change and '.' for a gap.
QStringList RowTexts(const std::vector<TSideBySideRow> &rows)
{
    QStringList texts;
    const auto side = [](int line) {
        return line < 0 ? QStringLiteral(".") : QString::number(line);
    };
    for (const TSideBySideRow &row : rows)
        texts << side(row.Old) + QLatin1Char('/') + side(row.New) +
                     (row.Changed ? QStringLiteral("*") : QString());
    return texts;
}

// Compares the two files in a comparison window of the main window's.
TfrmCompare *Compare(TfrmMain &window, const QString &oldFile, const QString &newFile)
{
    auto *compare = new TfrmCompare(window.BinaryFile().LicenseFile(), TestSettings(), &window);
    compare->Compare(oldFile, newFile, false);
    compare->show();
    return compare;
}

bool GoToDifference(TfrmCompare &compare, int id)
{
    for (int row = 0; row < compare.Model().rowCount(); ++row) {
        if (compare.Model().DifferenceAt(row).Object().ID() == id) {
            compare.lvwCompare->setCurrentIndex(compare.Model().index(row, 0));
            return true;
        }
    }
    return false;
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
    void longTextShownAtOnceAndAppended_data();
    void longTextShownAtOnceAndAppended();
    void bracesAreCommentsOnlyInCode_data();
    void bracesAreCommentsOnlyInCode();
    void coloursReadOnTheBackground_data();
    void coloursReadOnTheBackground();
    void sideBySideRows_data();
    void sideBySideRows();
    void comparisonOpensTheDifference();
    void comparisonWithBinarySide();
    void textColumnTellsCodeFromSaves_data();
    void textColumnTellsCodeFromSaves();
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

void TObjectTextWindowTest::longTextShownAtOnceAndAppended_data()
{
    // What the user does while the rest of the text is still to come.
    QTest::addColumn<QString>("how");
    QTest::newRow("waits") << "wait";
    QTest::newRow("finds a text of the last lines") << "find";
    QTest::newRow("goes to the end") << "ctrl+end";
}

void TObjectTextWindowTest::longTextShownAtOnceAndAppended()
{
    QFETCH(QString, how);
    // A comment over the first 6,000 lines, then code; the marker near the end.
    constexpr int CommentLines = 6000, CodeLines = 4000;
    QString text = QStringLiteral("OBJECT Codeunit 9 Long\n{\n  CODE\n  {\n    BEGIN { notes\n");
    for (int line = 0; line < CommentLines; ++line)
        text += QStringLiteral("      note %1\n").arg(line);
    text += QStringLiteral("      }\n");
    for (int line = 0; line < CodeLines; ++line)
        text += QStringLiteral("      IF x = %1 THEN x := 0;\n").arg(line);
    text += QStringLiteral("      IF Zebra THEN\n    END.\n  }\n}\n");
    const int lines = 5 + CommentLines + 1 + CodeLines + 4;
    const int zebraLine = lines - 4;
    constexpr int FirstLine = 7;

    TfrmObjectText viewer;
    viewer.setPalette(LightPalette());
    const TTextColours colours = TTextColours::FromPalette(viewer.txtObject->palette());
    viewer.ShowText(QStringLiteral("Codeunit 9 Long"), QStringLiteral("long.txt"), FirstLine, text);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    TCodeView &view = *viewer.txtObject;
    // The gutter is as wide as the whole text's numbers need from the start.
    const int gutterWidth = view.GutterWidth();
    QCOMPARE(view.LineCount(), lines);
    QVERIFY(view.IsLoading());
    QVERIFY(view.blockCount() < lines);
    QCOMPARE(PartAt(*view.document(), 0, 0, colours), QStringLiteral("keyword"));

    if (how == QLatin1String("wait")) {
        QSignalSpy loaded(&view, &TCodeView::Loaded);
        QVERIFY(loaded.wait(10'000));
    } else if (how == QLatin1String("find")) {
        viewer.actEditFind->trigger();
        QTest::keyClicks(viewer.barFind->edtFind, QStringLiteral("zebra"));
        QCOMPARE(view.CurrentLineNumber(), qint64(FirstLine + zebraLine));
        QCOMPARE(view.textCursor().selectedText(), QStringLiteral("Zebra"));
    } else {
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view.CurrentLineNumber(), qint64(FirstLine + lines - 1));
    }
    QVERIFY(!view.IsLoading());
    QCOMPARE(view.blockCount(), lines);
    QCOMPARE(view.LineNumber(lines - 1), qint64(FirstLine + lines - 1));
    QCOMPARE(LineText(view, zebraLine), QStringLiteral("      IF Zebra THEN"));
    QCOMPARE(view.toPlainText(), ViewText(text));
    QCOMPARE(view.GutterWidth(), gutterWidth);
    // Coloured throughout: the comment's state carried from piece to piece.
    QCOMPARE(PartAt(*view.document(), 5 + CommentLines - 1, 6, colours), QStringLiteral("comment"));
    QCOMPARE(PartAt(*view.document(), 5 + CommentLines + 1, 6, colours), QStringLiteral("keyword"));
    QCOMPARE(PartAt(*view.document(), zebraLine, 6, colours), QStringLiteral("keyword"));
    QCOMPARE(PartAt(*view.document(), zebraLine, 9, colours), QString());
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

void TObjectTextWindowTest::sideBySideRows_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<int>>("changes");
    QTest::newRow("equal") << "==" << QStringList{"0/0", "1/1"} << QList<int>{};
    QTest::newRow("a line replaced")
        << "=-+=" << QStringList{"0/0", "1/1*", "2/2"} << QList<int>{1};
    QTest::newRow("two removed, one added: a gap on the new side")
        << "--+=" << QStringList{"0/0*", "1/.*", "2/1"} << QList<int>{0};
    QTest::newRow("added at the end, after a change")
        << "-+=++" << QStringList{"0/0*", "1/1", "./2*", "./3*"} << QList<int>{0, 2};
}

void TObjectTextWindowTest::sideBySideRows()
{
    QFETCH(QString, script);
    QFETCH(QStringList, rows);
    QFETCH(QList<int>, changes);
    const std::vector<TSideBySideRow> shown = SideBySideRows(Script(script));
    QCOMPARE(RowTexts(shown), rows);
    const std::vector<int> starts = ChangeStarts(shown);
    QCOMPARE(QList<int>(starts.begin(), starts.end()), changes);
}

void TObjectTextWindowTest::comparisonOpensTheDifference()
{
    QTemporaryDir folder;
    const QByteArray post = TextObject("Codeunit", 80, "Post");
    QByteArray changedPost = post;
    changedPost.replace("Time=10:15:30", "Time=11:00:00")
        .replace("    { object 80 }\n", "    { object 80, changed }\n    { one more }\n");
    // Old: Table 3, then Codeunit 80 from line 16; new: Codeunit 80 from
    // line 1, then Report 6 (added).
    const QString oldFile =
        WriteFile(folder, QStringLiteral("old.txt"), TextObject("Table", 3, "Demo") + '\n' + post);
    QByteArray newContents = changedPost + '\n' + TextObject("Report", 6, "Trial Balance");
    const QString newFile =
        WriteFile(folder, QStringLiteral("new.txt"), newContents.replace("\n", "\r\n"));
    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    TfrmCompare *compare = Compare(*window, oldFile, newFile);
    QVERIFY2(errors.Boxes.isEmpty(), qPrintable(errors.Boxes.value(0).Text));

    QVERIFY(GoToDifference(*compare, 80));
    QVERIFY(compare->actViewDifferences->isEnabled());
    compare->actViewDifferences->trigger();
    const QList<TfrmDifference *> views = compare->findChildren<TfrmDifference *>();
    QCOMPARE(views.size(), 1);
    TfrmDifference &view = *views.front();
    // The time changed; the comment line replaced and a line added: two
    // changes, the first shown.
    QCOMPARE(view.ChangeCount(), 2);
    QCOMPARE(view.CurrentChange(), 0);
    QCOMPARE(view.Rows()[5], (TSideBySideRow{5, 5, true}));
    QCOMPARE(view.txtNew->textCursor().blockNumber(), 5);
    view.actViewNextChange->trigger();
    QCOMPARE(view.CurrentChange(), 1);
    const int row = 10;
    QCOMPARE(view.Rows()[row], (TSideBySideRow{10, 10, true}));
    QCOMPARE(view.Rows()[row + 1], (TSideBySideRow{-1, 11, true}));
    QCOMPARE(view.txtOld->document()->findBlockByNumber(row).text(),
             QStringLiteral("    { object 80 }"));
    QCOMPARE(view.txtNew->document()->findBlockByNumber(row).text(),
             QStringLiteral("    { object 80, changed }"));
    // The files' own line numbers; none beside a gap.
    QCOMPARE(view.txtOld->LineNumber(0), 16);
    QCOMPARE(view.txtNew->LineNumber(0), 1);
    QCOMPARE(view.txtOld->LineNumber(row + 1), 0);
    QCOMPARE(view.txtOld->LineNumber(row + 2), 16 + 11);
    QCOMPARE(view.txtNew->LineNumber(row + 2), 1 + 12);
    // The changed rows are marked on both sides.
    QCOMPARE(view.txtOld->extraSelections().size(), 3);
    QCOMPARE(view.txtNew->extraSelections().size(), 3);
    QCOMPARE(view.txtOld->textCursor().blockNumber(), row);
    view.actViewNextChange->trigger(); // there is none after the last: it stays
    QCOMPARE(view.CurrentChange(), 1);
    view.actViewPreviousChange->trigger();
    QCOMPARE(view.CurrentChange(), 0);
    QCOMPARE(view.txtOld->textCursor().blockNumber(), 5);

    // An added object opens its text.
    QVERIFY(GoToDifference(*compare, 6));
    compare->lvwCompare->setFocus();
    QTest::keyClick(compare->lvwCompare, Qt::Key_Return);
    const QList<TfrmObjectText *> texts = compare->findChildren<TfrmObjectText *>();
    QCOMPARE(texts.size(), 1);
    // After Codeunit 80 of one more line and a blank line.
    QCOMPARE(texts.front()->txtObject->LineNumber(0), 1 + (TextObjectLines + 1) + 1);
    QVERIFY(texts.front()->txtObject->toPlainText().startsWith("OBJECT Report 6 "));
}

void TObjectTextWindowTest::comparisonWithBinarySide()
{
    QTemporaryDir folder;
    const QString binary =
        WriteObjectFile(folder, QStringLiteral("old.fob"), {IndexEntry("Codeunit", 80, "Old")});
    const QString text =
        WriteFile(folder, QStringLiteral("new.txt"), TextObject("Codeunit", 80, "Post"));
    const auto window = CreateMainWindow();
    TfrmCompare *compare = Compare(*window, binary, text);
    QVERIFY(GoToDifference(*compare, 80));
    QVERIFY(!compare->actViewDifferences->isEnabled());
    compare->lvwCompare->setFocus();
    QTest::keyClick(compare->lvwCompare, Qt::Key_Return);
    QVERIFY(compare->findChildren<TfrmDifference *>().isEmpty());
    QCOMPARE(compare->stbCompare->SimpleText(),
             QStringLiteral("A binary file holds no text of its objects"));
}

void TObjectTextWindowTest::textColumnTellsCodeFromSaves_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<bool>("binaryOld");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("marked");

    QTest::newRow("code changed") << QByteArray("    { object 80 }\n")
                                  << QByteArray("    { object 80, changed }\n") << false
                                  << "Changed" << true;
    QTest::newRow("only saved again")
        << QByteArray("Time=10:15:30") << QByteArray("Time=11:00:00") << false << "Same" << false;
    QTest::newRow("old side binary")
        << QByteArray("Time=10:15:30") << QByteArray("Time=11:00:00") << true << "" << false;
}

// The Text column tells objects whose code changed from objects only saved
// again, where both sides hold text; empty where a side is binary.
void TObjectTextWindowTest::textColumnTellsCodeFromSaves()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(bool, binaryOld);
    QFETCH(QString, text);
    QFETCH(bool, marked);
    QTemporaryDir folder;
    const QByteArray post = TextObject("Codeunit", 80, "Post");
    const QString oldFile = binaryOld ? WriteObjectFile(folder, QStringLiteral("old.fob"),
                                                        {IndexEntry("Codeunit", 80, "Post")})
                                      : WriteFile(folder, QStringLiteral("old.txt"), post);
    const QString newFile =
        WriteFile(folder, QStringLiteral("new.txt"), QByteArray(post).replace(from, to));
    const auto window = CreateMainWindow();
    TfrmCompare *compare = Compare(*window, oldFile, newFile);
    QVERIFY(compare);
    QVERIFY(GoToDifference(*compare, 80));
    const int row = compare->lvwCompare->currentIndex().row();
    const QModelIndex cell = compare->Model().index(row, int(TComparisonColumn::Text));
    QCOMPARE(cell.data().toString(), text);
    QCOMPARE(compare->Model().IsMarked(row, int(TComparisonColumn::Text)), marked);
}

QTEST_MAIN(TObjectTextWindowTest)
#include "tst_objecttext.moc"
