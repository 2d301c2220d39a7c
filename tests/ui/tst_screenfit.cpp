// Every window on the screen, frame included: the rule that fits a window's
// rectangle into the available area, and the main window, the licence
// window, the About box and a file dialog as shown. CTest runs this on an
// offscreen screen of 1280 x 1024 pixels at the scale factors 1 and 2
// (QT_SCALE_FACTOR), which leaves 640 x 512 at scale 2.

#include "ui/about/AboutBox.h"
#include "ui/common/screenfit.h"
#include "ui/license/licform.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

QRect Available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The desktop's frame comes a moment after the window is shown, and the
// window is fitted again then.
void VerifyOnScreen(const QWidget &window)
{
    const auto outer = [&] { return window.geometry().marginsAdded(FrameMargins(window)); };
    QTRY_VERIFY2_WITH_TIMEOUT(Available().contains(outer()),
                              qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 beyond the screen %6x%7")
                                             .arg(window.objectName())
                                             .arg(outer().x())
                                             .arg(outer().y())
                                             .arg(outer().width())
                                             .arg(outer().height())
                                             .arg(Available().width())
                                             .arg(Available().height())),
                              2000);
}

} // namespace

class TScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qApp->installEventFilter(new TScreenFitter(qApp));
        const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                 ? qgetenv("QT_SCALE_FACTOR").toDouble()
                                 : 1.0;
        QCOMPARE(QGuiApplication::primaryScreen()->size() * scale, QSize(1280, 1024));
    }
    void fitsRectangle_data();
    void fitsRectangle();
    void mainWindowFits();
    void licenseWindowFitsAndKeepsButtons();
    void aboutBoxFits();
    void fileDialogFits();
};

void TScreenFitTest::fitsRectangle_data()
{
    QTest::addColumn<QRect>("client");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<QRect>("expected");
    const QMargins frame(2, 30, 2, 2);
    QTest::newRow("fits as it is")
        << QRect(266, 264, 400, 300) << frame << true << QRect(266, 264, 400, 300);
    QTest::newRow("frame hangs off the right edge")
        << QRect(480, 100, 800, 300) << frame << true << QRect(478, 100, 800, 300);
    QTest::newRow("wider and higher than the screen")
        << QRect(266, 264, 2062, 1400) << frame << true << QRect(2, 30, 1276, 992);
    QTest::newRow("fixed size, too wide: moved, not shrunk")
        << QRect(600, 10, 1500, 200) << frame << false << QRect(2, 30, 1500, 200);
    QTest::newRow("above and left of the screen")
        << QRect(-50, -20, 300, 200) << frame << true << QRect(2, 30, 300, 200);
}

void TScreenFitTest::fitsRectangle()
{
    QFETCH(QRect, client);
    QFETCH(QMargins, frame);
    QFETCH(bool, resizable);
    QTEST(FitClientRect(client, frame, QRect(0, 0, 1280, 1024), resizable), "expected");
}

void TScreenFitTest::mainWindowFits()
{
    const auto window = CreateMainWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    VerifyOnScreen(*window);
    // Where the screen is large enough, the design's place is kept.
    if (Available().width() >= 266 + window->width() &&
        Available().height() >= 264 + window->height())
        QCOMPARE(window->pos(), QPoint(266, 264));
}

void TScreenFitTest::licenseWindowFitsAndKeepsButtons()
{
    const auto window = CreateMainWindow();
    window->show();
    TfrmLicense license(window.get());
    license.show();
    VerifyOnScreen(license);
    // The buttons stay inside the window, below the text box.
    QVERIFY(license.rect().contains(license.cmdClose->geometry()));
    QVERIFY(license.rect().contains(license.cmdChange->geometry()));
    QVERIFY(license.memMain->geometry().bottom() < license.cmdClose->y());
    QVERIFY(license.memMain->width() > 0);
    license.close();
}

void TScreenFitTest::aboutBoxFits()
{
    const auto window = CreateMainWindow();
    window->show();
    const std::unique_ptr<QDialog> about = window->dlgAbout->BuildDialog();
    about->show();
    VerifyOnScreen(*about);
}

void TScreenFitTest::fileDialogFits()
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.resize(2000, 1500);
    dialog.show();
    VerifyOnScreen(dialog);
}

QTEST_MAIN(TScreenFitTest)
#include "tst_screenfit.moc"
