#include "ui/about/AboutBox.h"

#include "ui/about/memorystatus.h"
#include "ui/common/fonts.h"
#include "ui/common/uistrings.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

// Pixels of the design, for Tahoma 8 pt (see DesignScale).
constexpr QSize ClientSize(340, 256);
constexpr int TextLeft = 76;
constexpr int FiguresRight = 328; // right edge of the right-aligned figures

// Enter and Escape both close it as the OK button does.
class TAboutDialog : public QDialog {
public:
    using QDialog::QDialog;
    void reject() override { accept(); }
};

// A label as wide and high as its text, its left edge at x.
QLabel *AddLabel(QDialog &dialog, const char *name, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, &dialog);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->move(Scaled(x), Scaled(y));
    label->adjustSize();
    return label;
}

// The same, right-aligned, its right edge at right.
QLabel *AddFigure(QDialog &dialog, const char *name, const QString &text, int right, int y)
{
    QLabel *label = AddLabel(dialog, name, text, 0, y);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->move(Scaled(right) - label->width(), Scaled(y));
    return label;
}

// The design has room for a 32-bit memory total; a larger figure, or a wider
// font, pushes the right-hand column (the figures, the end of the rule, the
// button) and the edge of the box outwards until every caption clears its figure.
void MakeRoomForFigures(QDialog &dialog, const QList<QPair<QLabel *, QLabel *>> &rows, QFrame &rule,
                        QPushButton &button)
{
    int shortfall = 0;
    for (const auto &[caption, figure] : rows)
        shortfall = std::max(shortfall, caption->geometry().right() + Scaled(6) - figure->x());
    if (shortfall <= 0)
        return;
    dialog.setFixedSize(dialog.width() + shortfall, dialog.height());
    for (const auto &row : rows)
        row.second->move(row.second->pos() + QPoint(shortfall, 0));
    rule.resize(rule.width() + shortfall, rule.height());
    button.move(button.pos() + QPoint(shortfall, 0));
}

void CentreOnScreen(QDialog &dialog)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), dialog.size());
    frame.moveCenter(screen->availableGeometry().center());
    dialog.move(frame.topLeft());
}

} // namespace

TAboutBox::TAboutBox(QObject *parent, QString thousandSeparator)
    : QObject(parent), ThousandSeparator(std::move(thousandSeparator))
{
}

bool TAboutBox::Execute()
{
    const std::unique_ptr<QDialog> dialog = BuildDialog();
    dialog->exec();
    return true;
}

std::unique_ptr<QDialog> TAboutBox::BuildDialog() const
{
    const TVersionInfo version =
        VersionSource ? VersionSource().value_or(TVersionInfo{}) : TVersionInfo{};

    auto dialog = std::make_unique<TAboutDialog>(qobject_cast<QWidget *>(parent()),
                                                 Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                                     Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint);
    dialog->setObjectName(QStringLiteral("dlgAbout"));
    dialog->setWindowTitle(UiStrings::AboutCaption().arg(version.ProductName));
    dialog->setFixedSize(Scaled(ClientSize));
    const QFont font = WindowFont();
    if (font != QApplication::font())
        dialog->setFont(font);

    AddLabel(*dialog, "lblProductName", version.ProductName, TextLeft, 16);
    AddLabel(*dialog, "lblVersion", UiStrings::AboutVersion().arg(version.FileVersion), TextLeft,
             32);
    AddLabel(*dialog, "lblCopyright", version.LegalCopyright, TextLeft, 48);
    QLabel *memoryCaption =
        AddLabel(*dialog, "lblPhysicalMemory", UiStrings::AboutPhysicalMemory().arg(SystemName()),
                 TextLeft, 168);
    const TMemoryStatus memory = MemorySource ? MemorySource() : TMemoryStatus{};
    QLabel *memoryFigure =
        AddFigure(*dialog, "lblPhysicalMemoryValue",
                  FormatTotalMemory(memory.TotalPhysical, ThousandSeparator), FiguresRight, 168);
    QLabel *resourcesCaption =
        AddLabel(*dialog, "lblSystemResources", UiStrings::AboutSystemResources(), TextLeft, 190);
    QLabel *resourcesFigure = AddFigure(*dialog, "lblSystemResourcesValue",
                                        FormatFreeShare(memory.MemoryLoad), FiguresRight, 190);

    auto *rule = new QFrame(dialog.get());
    rule->setObjectName(QStringLiteral("bvlRule"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(Scaled(TextLeft), Scaled(156), Scaled(FiguresRight) - Scaled(TextLeft) + 1,
                      2);

    auto *icon = new QLabel(dialog.get());
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setGeometry(Scaled(20), Scaled(16), 32, 32); // the picture itself unscaled
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QIcon applicationIcon = QApplication::windowIcon();
    if (!applicationIcon.isNull())
        icon->setPixmap(applicationIcon.pixmap(32, 32));

    auto *ok = new QPushButton(UiStrings::AboutOK(), dialog.get());
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(Scaled(QRect(252, 220, 77, 25)));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog.get(), &QDialog::accept);
    ok->setFocus();

    MakeRoomForFigures(
        *dialog, {{memoryCaption, memoryFigure}, {resourcesCaption, resourcesFigure}}, *rule, *ok);
    CentreOnScreen(*dialog);
    return dialog;
}
