// The object list on its own: a model that holds nothing but a row count and
// asks its handler for every row, the view that reports header clicks and
// typed text, and the prefix search behind find-by-typing.

#include "ui/common/imagelists.h"
#include "ui/objectlist/keysearch.h"
#include "ui/objectlist/listselection.h"
#include "ui/objectlist/objectlistmodel.h"
#include "ui/objectlist/objectlistview.h"
#include "uitestsupport.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

namespace {

// A handler over texts the test can change behind the model's back.
struct TRows {
    QStringList Names;
    QList<int> Images;
    int Calls = 0;

    void Fill(TListItem &item)
    {
        ++Calls;
        item.Caption = QStringLiteral("Type %1").arg(item.Index);
        item.ImageIndex = Images.value(item.Index, -1);
        item.SubItems = {QString::number(item.Index), Names.value(item.Index)};
    }
};

// A view over a model of that many rows, each filled by the handler.
struct TListInView {
    explicit TListInView(int count)
    {
        Model.SetDataHandler([this](TListItem &item) { Rows.Fill(item); });
        Model.SetItemCount(count);
        View.setModel(&Model);
    }

    TRows Rows;
    TObjectListModel Model;
    TObjectListView View; // goes before the model it shows
};

} // namespace

class TObjectListTest : public QObject {
    Q_OBJECT

private slots:
    void keyPrefix_data();
    void keyPrefix();
    void findFromStartRow_data();
    void findFromStartRow();
    void modelAsksHandlerEveryTime();
    void modelShowsPicturesAndAlignment();
    void rowCountKeepsSelectionOfRemainingRows();
    void headerClickReportsColumn();
    void rowsAreAsHighAsTheirContents();
    void keysMoveBetweenRows_data();
    void keysMoveBetweenRows();
    void objectTypePicturesExist();
    void copyKeepsEveryCell_data();
    void copyKeepsEveryCell();
};

void TObjectListTest::keyPrefix_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<bool>("matches");

    QTest::newRow("prefix") << QByteArray("Table 18 Customer") << QByteArray("Table 1") << true;
    QTest::newRow("ASCII case folded")
        << QByteArray("Table 18 Customer") << QByteArray("tABLE 18 cUSTOMER") << true;
    QTest::newRow("whole key") << QByteArray("Form 1 A") << QByteArray("form 1 a") << true;
    QTest::newRow("key shorter than text")
        << QByteArray("Form 1 A") << QByteArray("form 1 ab") << false;
    QTest::newRow("empty text") << QByteArray("Form 1 A") << QByteArray() << true;
    QTest::newRow("different") << QByteArray("Form 1 A") << QByteArray("form 2") << false;
    // 0x9D is Ø, 0x9B is ø in code page 850: no folding outside A to Z.
    QTest::newRow("same byte beyond ASCII")
        << QByteArray("Table 5 \x9D") << QByteArray("table 5 \x9D") << true;
    QTest::newRow("other case beyond ASCII")
        << QByteArray("Table 5 \x9D") << QByteArray("table 5 \x9B") << false;
    QTest::newRow("brackets are not letters")
        << QByteArray("Table 5 [") << QByteArray("table 5 {") << false;
}

void TObjectListTest::keyPrefix()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, typed);
    QFETCH(bool, matches);
    QCOMPARE(KeyStartsWith(key, typed), matches);
}

void TObjectListTest::findFromStartRow_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("found");

    // Keys: 0 Table 3 Demo, 1 Table 18 Customer, 2 Codeunit 80 Post.
    QTest::newRow("t at the start row") << QByteArray("t") << 1 << true << 1;
    QTest::newRow("c below the start row") << QByteArray("c") << 1 << true << 2;
    QTest::newRow("wrapped") << QByteArray("table 3") << 1 << true << 0;
    QTest::newRow("not wrapped") << QByteArray("table 3") << 1 << false << -1;
    QTest::newRow("start at the count, wrapped") << QByteArray("table") << 3 << true << 0;
    QTest::newRow("start at the count, not wrapped") << QByteArray("table") << 3 << false << -1;
    QTest::newRow("nothing anywhere") << QByteArray("report") << 0 << true << -1;
}

void TObjectListTest::findFromStartRow()
{
    QFETCH(QByteArray, typed);
    QFETCH(int, start);
    QFETCH(bool, wrap);
    QFETCH(int, found);

    const QList<QByteArray> keys{"Table 3 Demo", "Table 18 Customer", "Codeunit 80 Post"};
    QList<int> asked;
    const int result = FindKeyPrefix(
        int(keys.size()),
        [&](int row, QVarLengthArray<char, 64> &key, qsizetype) {
            asked << row;
            key.clear();
            key.append(keys.at(row).constData(), keys.at(row).size());
        },
        typed, start, wrap);
    QCOMPARE(result, found);
    // Every row is asked at most once, none outside the list.
    QCOMPARE(QSet<int>(asked.begin(), asked.end()).size(), asked.size());
    for (int row : asked)
        QVERIFY(row >= 0 && row < keys.size());
}

void TObjectListTest::modelAsksHandlerEveryTime()
{
    TRows rows;
    rows.Names = {"Customer", "Vendor"};
    TObjectListModel model;
    model.SetDataHandler([&](TListItem &item) { rows.Fill(item); });
    QCOMPARE(model.rowCount(), 0);
    model.SetItemCount(2);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 7);

    QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Type 1"));
    QCOMPARE(model.index(1, 2).data().toString(), QStringLiteral("Vendor"));
    QCOMPARE(model.index(1, 6).data().toString(), QString()); // not filled: empty
    // Nothing is kept: a changed text shows at the next request.
    rows.Names[1] = QStringLiteral("Item");
    QCOMPARE(model.index(1, 2).data().toString(), QStringLiteral("Item"));
    QCOMPARE(rows.Calls, 4);

    QSignalSpy repainted(&model, &QAbstractItemModel::dataChanged);
    model.RepaintAll();
    QCOMPARE(repainted.count(), 1);
    QCOMPARE(repainted[0][0].value<QModelIndex>(), model.index(0, 0));
    QCOMPARE(repainted[0][1].value<QModelIndex>(), model.index(1, 6));
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
}

void TObjectListTest::modelShowsPicturesAndAlignment()
{
    TRows rows;
    rows.Images = {0, -1, 6, 7};
    TObjectListModel model;
    model.SetImages(ListViewImages());
    model.SetDataHandler([&](TListItem &item) { rows.Fill(item); });
    model.SetItemCount(4);

    // No picture is an empty one, so the texts of the column stay in line.
    const auto picture = [&](int row) {
        return model.index(row, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(16, 16).toImage();
    };
    const auto isBlank = [](const QImage &image) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 0)
                    return false;
            }
        }
        return true;
    };
    QCOMPARE(picture(0), ListViewImages()[0].pixmap(16, 16).toImage());
    QCOMPARE(picture(2), ListViewImages()[6].pixmap(16, 16).toImage());
    QCOMPARE(picture(1).size(), QSize(16, 16));
    QVERIFY(isBlank(picture(1))); // type 0
    QVERIFY(isBlank(picture(3))); // beyond the list
    QVERIFY(!isBlank(picture(0)));
    QVERIFY(!model.index(0, 1).data(Qt::DecorationRole).isValid()); // first column only

    const auto alignment = [&](int column) {
        return Qt::Alignment(model.index(0, column).data(Qt::TextAlignmentRole).toInt()) &
               Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(alignment(0), Qt::AlignLeft);
    QCOMPARE(alignment(1), Qt::AlignRight);
    QCOMPARE(alignment(3), Qt::AlignRight);
    QCOMPARE(alignment(4), Qt::AlignRight);
    QCOMPARE(alignment(5), Qt::AlignLeft);
}

void TObjectListTest::rowCountKeepsSelectionOfRemainingRows()
{
    TListInView list(5);
    TObjectListModel &model = list.Model;
    TObjectListView &view = list.View;
    view.setCurrentIndex(model.index(1, 0));

    model.SetItemCount(3);
    QCOMPARE(view.selectionModel()->selectedRows().value(0).row(), 1);
    model.SetItemCount(6);
    QCOMPARE(view.selectionModel()->selectedRows().value(0).row(), 1);
    // When the selected row goes, the view moves to a row that is left.
    model.SetItemCount(1);
    for (const QModelIndex &row : view.selectionModel()->selectedRows())
        QCOMPARE(row.row(), 0);
    model.SetItemCount(0);
    QCOMPARE(model.rowCount(), 0);
}

void TObjectListTest::headerClickReportsColumn()
{
    TObjectListModel model;
    TObjectListView view;
    view.setModel(&model);
    view.resize(900, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy clicks(&view, &TObjectListView::ColumnClicked);
    QHeaderView *header = view.header();
    for (int column : {5, 0, 6}) {
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(clicks[0][0].toInt(), 5);
    QCOMPARE(clicks[1][0].toInt(), 0);
    QCOMPARE(clicks[2][0].toInt(), 6);
}

void TObjectListTest::rowsAreAsHighAsTheirContents()
{
    TRows rows;
    rows.Images = {0, -1, 3};
    TObjectListModel model;
    model.SetImages(ListViewImages());
    model.SetDataHandler([&](TListItem &item) { rows.Fill(item); });
    TObjectListView view;
    view.setModel(&model);
    model.SetItemCount(3);
    const QAbstractItemView &asked = view; // where the height a row asks for is public
    // Every row as high as a row of text and picture asks, in a larger font too.
    for (const int pointSize : {0, 20}) {
        if (pointSize > 0) {
            QFont larger = view.font();
            larger.setPointSize(pointSize);
            view.setFont(larger);
        }
        QVERIFY(view.rowHeight(0) >= view.fontMetrics().height());
        for (int row = 0; row < 3; ++row)
            QCOMPARE(view.rowHeight(row), asked.sizeHintForRow(row));
    }
}

void TObjectListTest::keysMoveBetweenRows_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("expectedRow");
    QTest::newRow("Home") << int(Qt::Key_Home) << 3 << 0;
    QTest::newRow("End") << int(Qt::Key_End) << 1 << 5;
    QTest::newRow("Down") << int(Qt::Key_Down) << 1 << 2;
    QTest::newRow("Up") << int(Qt::Key_Up) << 1 << 0;
    QTest::newRow("Left keeps the row") << int(Qt::Key_Left) << 2 << 2;
    QTest::newRow("Right keeps the row") << int(Qt::Key_Right) << 2 << 2;
}

void TObjectListTest::keysMoveBetweenRows()
{
    QFETCH(int, key);
    QFETCH(int, startRow);
    QFETCH(int, expectedRow);
    TListInView list(6);
    TObjectListModel &model = list.Model;
    TObjectListView &view = list.View;
    view.resize(300, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setFocus();
    view.setCurrentIndex(model.index(startRow, 1));

    QTest::keyClick(&view, Qt::Key(key));
    QCOMPARE(view.currentIndex().row(), expectedRow);
    QCOMPARE(view.selectionModel()->selectedRows().size(), 1);
    QCOMPARE(view.selectionModel()->selectedRows().value(0).row(), expectedRow);
}

void TObjectListTest::objectTypePicturesExist()
{
    const QList<QIcon> objects = ListViewImages();
    QCOMPARE(objects.size(), 7);
    for (const QIcon &icon : objects)
        QVERIFY(!icon.pixmap(16, 16).isNull());

    const QList<QIcon> menu = ToolbarImages();
    QCOMPARE(menu.size(), 13);
    for (int index = 0; index < menu.size(); ++index)
        QCOMPARE(!menu[index].isNull(), index <= 7 || index == 12);
    QVERIFY(!ApplicationIcon().pixmap(32, 32).isNull());
}

// Copy's text for a spreadsheet: a TAB, CR or LF inside a cell becomes a
// blank, so every row keeps its cells; everything else is copied as shown.
void TObjectListTest::copyKeepsEveryCell_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("copied");

    QTest::newRow("TAB") << "Tab\there"
                         << "Tab here";
    QTest::newRow("LF") << "Line\nbreak"
                        << "Line break";
    QTest::newRow("CR LF") << "Two\r\nlines"
                           << "Two  lines";
    QTest::newRow("=") << "=cmd|' /C calc'!A0"
                       << "=cmd|' /C calc'!A0";
    QTest::newRow("quotes and commas") << "Say \"Hi\", then go"
                                       << "Say \"Hi\", then go";
    QTest::newRow("letters") << "Kundeoversikt \u00c5lesund"
                             << "Kundeoversikt \u00c5lesund";
}

void TObjectListTest::copyKeepsEveryCell()
{
    QFETCH(QString, name);
    QFETCH(QString, copied);
    QStandardItemModel model(1, 3);
    model.setHorizontalHeaderLabels({"ID", "Name", "Version List"});
    model.setItem(0, 0, new QStandardItem("7"));
    model.setItem(0, 1, new QStandardItem(name));
    model.setItem(0, 2, new QStandardItem(name));
    QCOMPARE(RowsAsText(model, {0}),
             "ID\tName\tVersion List\n7\t" + copied + u'\t' + copied + u'\n');
}

QTEST_MAIN(TObjectListTest)
#include "tst_objectlist.moc"
