// The line difference of two texts as unified hunks.
#include "core/compare/textdiff.h"

#include <QTest>

class TestTextDiff : public QObject {
    Q_OBJECT

private slots:
    void splitsKeepingLineEnds_data();
    void splitsKeepingLineEnds();
    void writesHunks_data();
    void writesHunks();
};

void TestTextDiff::splitsKeepingLineEnds_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::newRow("empty") << QByteArray() << QByteArrayList();
    QTest::newRow("LF") << QByteArray("a\nb\n") << QByteArrayList{"a\n", "b\n"};
    QTest::newRow("CR LF, last without end")
        << QByteArray("a\r\n\r\nb") << QByteArrayList{"a\r\n", "\r\n", "b"};
}

void TestTextDiff::splitsKeepingLineEnds()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArrayList, lines);
    QByteArrayList split;
    for (const QByteArrayView line : SplitLines(text))
        split << line.toByteArray();
    QCOMPARE(split, lines);
}

namespace {

// Lines "1" to "n", each ended by eol.
QByteArray Numbered(int n, const QByteArray &eol = "\n")
{
    QByteArray text;
    for (int i = 1; i <= n; ++i)
        text += QByteArray::number(i) + eol;
    return text;
}

} // namespace

void TestTextDiff::writesHunks_data()
{
    QTest::addColumn<QByteArray>("oldText");
    QTest::addColumn<QByteArray>("newText");
    QTest::addColumn<int>("oldFirstLine");
    QTest::addColumn<QByteArray>("hunks");

    const QByteArray ten = Numbered(10);
    QTest::newRow("equal") << ten << ten << 1 << QByteArray();
    QTest::newRow("one line changed")
        << ten << QByteArray(ten).replace("5\n", "five\n") << 1
        << QByteArray("@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+five\n 6\n 7\n 8\n");
    QTest::newRow("within a file, from line 101")
        << ten << QByteArray(ten).replace("5\n", "five\n") << 101
        << QByteArray("@@ -102,7 +102,7 @@\n 2\n 3\n 4\n-5\n+five\n 6\n 7\n 8\n");
    QTest::newRow("line added at the start")
        << ten << "0\n" + ten << 1 << QByteArray("@@ -1,3 +1,4 @@\n+0\n 1\n 2\n 3\n");
    QTest::newRow("line added at the end")
        << ten << ten + "11\n"
        << 1 << QByteArray("@@ -8,3 +8,4 @@\n 8\n 9\n 10\n+11\n");
    QTest::newRow("lines removed at the start")
        << ten << ten.sliced(4) << 1 << QByteArray("@@ -1,5 +1,3 @@\n-1\n-2\n 3\n 4\n 5\n");
    QTest::newRow("two changes six lines apart: one hunk")
        << ten << QByteArray(ten).replace("2\n", "two\n").replace("9\n", "nine\n") << 1
        << QByteArray("@@ -1,10 +1,10 @@\n 1\n-2\n+two\n 3\n 4\n 5\n 6\n 7\n 8\n-9\n+nine\n 10\n");
    QTest::newRow("two changes seven lines apart: two hunks")
        << Numbered(20)
        << QByteArray(Numbered(20)).replace("\n2\n", "\ntwo\n").replace("10\n", "ten\n") << 1
        << QByteArray("@@ -1,5 +1,5 @@\n 1\n-2\n+two\n 3\n 4\n 5\n"
                      "@@ -7,7 +7,7 @@\n 7\n 8\n 9\n-10\n+ten\n 11\n 12\n 13\n");
    QTest::newRow("CR LF against LF: no change")
        << Numbered(5, "\r\n") << Numbered(5) << 1 << QByteArray();
    QTest::newRow("CR LF lines kept as they are")
        << Numbered(3, "\r\n") << QByteArray("1\r\nzwei\r\n3\r\n") << 1
        << QByteArray("@@ -1,3 +1,3 @@\n 1\r\n-2\r\n+zwei\r\n 3\r\n");
    QTest::newRow("last line without its end")
        << QByteArray("a\nb") << QByteArray("a\nc") << 1
        << QByteArray("@@ -1,2 +1,2 @@\n a\n-b\n\\ No newline at end of file\n+c\n"
                      "\\ No newline at end of file\n");
    QTest::newRow("all new") << QByteArray() << QByteArray("a\nb\n") << 1
                             << QByteArray("@@ -0,0 +1,2 @@\n+a\n+b\n");
}

void TestTextDiff::writesHunks()
{
    QFETCH(QByteArray, oldText);
    QFETCH(QByteArray, newText);
    QFETCH(int, oldFirstLine);
    QFETCH(QByteArray, hunks);
    const std::vector<QByteArrayView> oldLines = SplitLines(oldText),
                                      newLines = SplitLines(newText);
    QCOMPARE(
        UnifiedHunks(DiffLines(oldLines, newLines), oldLines, newLines, oldFirstLine, oldFirstLine),
        hunks);
}

QTEST_GUILESS_MAIN(TestTextDiff)
#include "tst_textdiff.moc"
