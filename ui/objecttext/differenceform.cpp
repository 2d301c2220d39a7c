#include "ui/objecttext/differenceform.h"

#include "core/model/binaryfile.h"
#include "core/reading/filenames.h"
#include "ui/common/fonts.h"
#include "ui/common/uistrings.h"
#include "ui/mainwindow/simplestatusbar.h"
#include "ui/objecttext/codeview.h"
#include "ui/objecttext/objecttextform.h"
#include "ui/objecttext/objecttexthighlighter.h"
#include "ui/objecttext/textcolours.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>
#include <memory>

namespace {

constexpr QSize DifferenceWindowSize(1100, 600);

QString LiteralCaption(QString text)
{
    return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QString ShownPath(const QString &fileName)
{
    return FileNameForDisplay(QDir::toNativeSeparators(fileName));
}

// The views scroll together.
void ScrollTogether(QScrollBar *a, QScrollBar *b)
{
    QObject::connect(a, &QScrollBar::valueChanged, b, &QScrollBar::setValue);
    QObject::connect(b, &QScrollBar::valueChanged, a, &QScrollBar::setValue);
}

} // namespace

TfrmDifference::TfrmDifference(QWidget *parent) : QMainWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmDifference"));
    const QFont font = WindowFont();
    if (font != QApplication::font())
        setFont(font);
    resize(Scaled(DifferenceWindowSize));
    setWindowTitle(UiStrings::ApplicationTitle());

    auto *client = new QWidget(this);
    auto *grid = new QGridLayout(client);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    lblOldFile = new QLabel(client);
    lblNewFile = new QLabel(client);
    txtOld = new TCodeView(client);
    txtOld->setObjectName(QStringLiteral("txtOld"));
    txtOld->setAccessibleName(tr("Old text"));
    txtNew = new TCodeView(client);
    txtNew->setObjectName(QStringLiteral("txtNew"));
    txtNew->setAccessibleName(tr("New text"));
    const QString marked = tr("Changed lines are marked; F8 goes to the next change, Shift+F8 "
                              "to the previous one");
    txtOld->setAccessibleDescription(marked);
    txtNew->setAccessibleDescription(marked);
    for (QLabel *label : {lblOldFile, lblNewFile}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setContentsMargins(6, 0, 6, 0);
    }
    grid->addWidget(lblOldFile, 0, 0);
    grid->addWidget(lblNewFile, 0, 1);
    grid->addWidget(txtOld, 1, 0);
    grid->addWidget(txtNew, 1, 1);
    grid->setRowStretch(1, 1);
    setCentralWidget(client);
    ScrollTogether(txtOld->verticalScrollBar(), txtNew->verticalScrollBar());
    ScrollTogether(txtOld->horizontalScrollBar(), txtNew->horizontalScrollBar());
    FOldHighlighter = new TObjectTextHighlighter(txtOld->document());
    FNewHighlighter = new TObjectTextHighlighter(txtNew->document());

    stbDifference = new TSimpleStatusBar(this);
    stbDifference->setSizeGripEnabled(true);
    setStatusBar(stbDifference);

    actViewNextChange = new QAction(this);
    actViewNextChange->setShortcut(QKeySequence(Qt::Key_F8));
    actViewPreviousChange = new QAction(this);
    actViewPreviousChange->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8));
    actFileClose = new QAction(this);
    actFileClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    addActions({actViewNextChange, actViewPreviousChange, actFileClose});
    connect(actViewNextChange, &QAction::triggered, this,
            &TfrmDifference::actViewNextChangeExecute);
    connect(actViewPreviousChange, &QAction::triggered, this,
            &TfrmDifference::actViewPreviousChangeExecute);
    connect(actFileClose, &QAction::triggered, this, &QWidget::close);
}

void TfrmDifference::ShowDifference(const QString &caption, const TDifferenceSide &oldSide,
                                    const TDifferenceSide &newSide)
{
    setWindowTitle(
        LiteralCaption(UiStrings::TitleWithFile().arg(caption, UiStrings::ApplicationTitle())));
    lblOldFile->setText(ShownPath(oldSide.FileName));
    lblNewFile->setText(ShownPath(newSide.FileName));
    const QStringList oldLines = ViewText(oldSide.Text).split(QLatin1Char('\n'));
    const QStringList newLines = ViewText(newSide.Text).split(QLatin1Char('\n'));
    FRows = SideBySideRows(EditScript(oldLines, newLines));
    FChanges = ChangeStarts(FRows);
    FCurrent = -1;
    const auto sideText = [this](const QStringList &lines, int TSideBySideRow::*line) {
        QStringList shown;
        shown.reserve(qsizetype(FRows.size()));
        for (const TSideBySideRow &row : FRows)
            shown << (row.*line >= 0 ? lines[row.*line] : QString());
        return shown.join(QLatin1Char('\n'));
    };
    txtOld->setPlainText(sideText(oldLines, &TSideBySideRow::Old));
    txtNew->setPlainText(sideText(newLines, &TSideBySideRow::New));
    const auto numbers = [this](qint64 firstLine, int TSideBySideRow::*line) {
        return [this, firstLine, line](int row) -> qint64 {
            if (row < 0 || size_t(row) >= FRows.size() || FRows[size_t(row)].*line < 0)
                return 0;
            return firstLine + FRows[size_t(row)].*line;
        };
    };
    txtOld->SetLineNumbers(numbers(oldSide.FirstLine, &TSideBySideRow::Old),
                           oldSide.FirstLine + oldLines.size());
    txtNew->SetLineNumbers(numbers(newSide.FirstLine, &TSideBySideRow::New),
                           newSide.FirstLine + newLines.size());
    MarkRows();
    if (!FChanges.empty())
        GoToChange(0);
    UpdateStatus();
}

void TfrmDifference::MarkRows()
{
    const TTextColours colours = TTextColours::FromPalette(txtOld->palette());
    FOldHighlighter->SetColours(colours);
    FNewHighlighter->SetColours(colours);
    for (TCodeView *view : {txtOld, txtNew}) {
        const bool old = view == txtOld;
        QList<QTextEdit::ExtraSelection> marks;
        QTextBlock block = view->document()->begin();
        for (const TSideBySideRow &row : FRows) {
            if (row.Changed) {
                QTextEdit::ExtraSelection mark;
                mark.cursor = QTextCursor(block);
                mark.format.setProperty(QTextFormat::FullWidthSelection, true);
                const bool gap = (old ? row.Old : row.New) < 0;
                mark.format.setBackground(gap ? colours.MissingLine : colours.ChangedLine);
                marks << mark;
            }
            block = block.next();
        }
        view->setExtraSelections(marks);
    }
}

void TfrmDifference::GoToChange(int change)
{
    if (change < 0 || change >= ChangeCount())
        return;
    FCurrent = change;
    const int row = FChanges[size_t(change)];
    txtOld->GoToLine(row);
    txtNew->GoToLine(row);
    UpdateStatus();
}

void TfrmDifference::actViewNextChangeExecute()
{
    GoToChange(std::min(FCurrent + 1, ChangeCount() - 1));
}

void TfrmDifference::actViewPreviousChangeExecute()
{
    GoToChange(std::max(FCurrent - 1, 0));
}

void TfrmDifference::UpdateStatus()
{
    if (FChanges.empty())
        stbDifference->SetSimpleText(tr("The texts have no different lines"));
    else
        stbDifference->SetSimpleText(
            tr("Change %1 of %2 (F8: next, Shift+F8: previous)")
                .arg(QString::number(FCurrent + 1), QString::number(ChangeCount())));
}

void TfrmDifference::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && !FRows.empty())
        MarkRows();
    QMainWindow::changeEvent(event);
}

TfrmDifference *OpenObjectDifference(QWidget &parent, const TNavisionBinaryFile &oldFile,
                                     const TNavisionObject &oldObject,
                                     const TNavisionBinaryFile &newFile,
                                     const TNavisionObject &newObject)
{
    const TTextPlace *oldPlace = oldFile.TextPlace(oldObject);
    const TTextPlace *newPlace = newFile.TextPlace(newObject);
    if (!oldPlace || !newPlace)
        return nullptr;
    const TDifferenceSide oldSide{oldFile.ObjectFileName(oldObject), oldPlace->Line,
                                  oldFile.ReadObjectText(oldObject)};
    const TDifferenceSide newSide{newFile.ObjectFileName(newObject), newPlace->Line,
                                  newFile.ReadObjectText(newObject)};
    auto window = std::make_unique<TfrmDifference>(&parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->ShowDifference(ObjectCaption(newObject), oldSide, newSide);
    window->show();
    return window.release();
}
