#include "ui/objecttext/objecttextform.h"

#include "core/model/binaryfile.h"
#include "core/reading/codepage.h"
#include "core/reading/filenames.h"
#include "ui/common/fonts.h"
#include "ui/common/uistrings.h"
#include "ui/mainwindow/simplestatusbar.h"
#include "ui/objecttext/codeview.h"
#include "ui/objecttext/findbar.h"
#include "ui/objecttext/objecttexthighlighter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr QSize ObjectTextWindowSize(760, 560);

// Qt reads "[*]" in a caption as the place of its modified mark.
QString LiteralCaption(QString text)
{
    return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

} // namespace

TfrmObjectText::TfrmObjectText(QWidget *parent) : QMainWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmObjectText"));
    const QFont font = WindowFont();
    if (font != QApplication::font())
        setFont(font);
    resize(Scaled(ObjectTextWindowSize));
    setWindowTitle(UiStrings::ApplicationTitle());

    auto *client = new QWidget(this);
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    txtObject = new TCodeView(client);
    txtObject->setObjectName(QStringLiteral("txtObject"));
    txtObject->setAccessibleName(tr("Object text"));
    txtObject->setAccessibleDescription(
        tr("The object's text as it stands in its file, with the file's line numbers"));
    layout->addWidget(txtObject, 1);
    barFind = new TFindBar(*txtObject, client);
    barFind->hide();
    layout->addWidget(barFind);
    setCentralWidget(client);
    FHighlighter = new TObjectTextHighlighter(txtObject->document());
    FHighlighter->SetColours(TTextColours::FromPalette(txtObject->palette()));

    stbObjectText = new TSimpleStatusBar(this);
    stbObjectText->setSizeGripEnabled(true);
    setStatusBar(stbObjectText);

    actEditFind = new QAction(this);
    actEditFind->setShortcut(QKeySequence::Find);
    actEditFindNext = new QAction(this);
    actEditFindNext->setShortcut(QKeySequence(Qt::Key_F3));
    actEditFindPrevious = new QAction(this);
    actEditFindPrevious->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    actFileClose = new QAction(this);
    actFileClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    addActions({actEditFind, actEditFindNext, actEditFindPrevious, actFileClose});
    connect(actEditFind, &QAction::triggered, barFind, &TFindBar::Open);
    connect(actEditFindNext, &QAction::triggered, barFind, &TFindBar::FindNext);
    connect(actEditFindPrevious, &QAction::triggered, barFind, &TFindBar::FindPrevious);
    connect(actFileClose, &QAction::triggered, this, &QWidget::close);
    connect(txtObject, &QPlainTextEdit::cursorPositionChanged, this, &TfrmObjectText::UpdateStatus);
    connect(barFind, &TFindBar::NotFound, this, [this](const QString &text) {
        stbObjectText->SetSimpleText(tr("\"%1\" was not found").arg(text));
    });
}

void TfrmObjectText::ShowText(const QString &caption, const QString &fileName, qint64 firstLine,
                              const QString &text)
{
    FFileName = fileName;
    setWindowTitle(
        LiteralCaption(UiStrings::TitleWithFile().arg(caption, UiStrings::ApplicationTitle())));
    txtObject->SetFirstLine(firstLine);
    txtObject->SetText(text);
    UpdateStatus();
}

void TfrmObjectText::UpdateStatus()
{
    stbObjectText->SetSimpleText(tr("%1, line %2")
                                     .arg(FileNameForDisplay(QDir::toNativeSeparators(FFileName)),
                                          QString::number(txtObject->CurrentLineNumber())));
}

void TfrmObjectText::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        FHighlighter->SetColours(TTextColours::FromPalette(txtObject->palette()));
    QMainWindow::changeEvent(event);
}

QString ObjectCaption(const TNavisionObject &object)
{
    return QStringLiteral("%1 %2 %3")
        .arg(DecodeText(object.GetTypeName()), QString::number(object.ID()),
             DecodeText(object.Name()));
}

TfrmObjectText *OpenObjectText(QWidget &parent, const TNavisionBinaryFile &file,
                               const TNavisionObject &object)
{
    const TTextPlace *place = file.TextPlace(object);
    if (!place)
        return nullptr;
    const QString text = file.ReadObjectText(object);
    auto window = std::make_unique<TfrmObjectText>(&parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->ShowText(ObjectCaption(object), file.ObjectFileName(object), place->Line, text);
    window->show();
    return window.release();
}
