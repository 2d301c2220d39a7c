// The digest of an object's text: which texts digest the same, fed in one
// piece and in pieces split anywhere (the reader feeds it what a window of
// the file holds, so a piece may end between a CR and its LF).
#include "core/reading/textdigest.h"

#include <QTest>

namespace {

uint64_t DigestOf(const QByteArray &text, bool utf8, qsizetype piece)
{
    TTextDigest digest;
    for (qsizetype at = 0; at < text.size(); at += piece)
        digest.Add(QByteArrayView(text).sliced(at, std::min(piece, text.size() - at)));
    return digest.Value(utf8);
}

// Longer than the sixteen bytes the digest takes at once, so that line
// ends fall inside its blocks as well as between them.
const QByteArray Code = "    IF Cust.GET(\"No.\") THEN\r\n      Amount := Amount + 1;\r\n"
                        "    // ledger entries posted here\r\n  END;\r\n";

QByteArray WithFeeds(QByteArray text)
{
    return text.replace("\r\n", "\n");
}

} // namespace

class TestTextDigest : public QObject {
    Q_OBJECT

private slots:
    void digests_data();
    void digests();
};

void TestTextDigest::digests_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<bool>("utf8"); // the encoding both files were found in
    QTest::addColumn<bool>("same");

    QTest::newRow("CR LF against LF") << Code << WithFeeds(Code) << true << true;
    QTest::newRow("CR LF and LF mixed")
        << Code << QByteArray(Code).replace("THEN\r\n", "THEN\n") << true << true;
    QTest::newRow("blank lines at the end") << Code << Code + "\r\n\n\r\n" << true << true;
    QTest::newRow("last line without its line end") << Code << Code.chopped(2) << true << true;
    QTest::newRow("last line ends in a CR only") << Code << Code.chopped(1) << true << true;
    QTest::newRow("blank line inside")
        << Code << QByteArray(Code).replace("THEN\r\n", "THEN\r\n\r\n") << true << false;
    QTest::newRow("blank line at the start") << Code << "\r\n" + Code << true << false;
    QTest::newRow("a CR within a line")
        << Code << QByteArray(Code).replace("Amount +", "Amount\r+") << true << false;
    QTest::newRow("CR CR LF against CR LF")
        << Code << QByteArray(Code).replace("THEN\r\n", "THEN\r\r\n") << true << false;
    QTest::newRow("a line end moved")
        << Code << QByteArray(Code).replace("THEN\r\n      ", "THEN      \r\n") << true << false;
    QTest::newRow("one character changed")
        << Code << QByteArray(Code).replace("+ 1", "+ 2") << true << false;
    QTest::newRow("two lines swapped") << QByteArray("A := 1;\r\nB := 2;\r\n")
                                       << QByteArray("B := 2;\r\nA := 1;\r\n") << true << false;
    QTest::newRow("spaces at the end are text") << Code << Code + "  " << true << false;
    // Ø is 0x9D in code page 850 and C3 98 in UTF-8.
    QTest::newRow("code page 850 against UTF-8")
        << Code + "    // Tr\x9Dndelag\r\n" + Code << Code + "    // Tr\xC3\x98ndelag\n" + Code
        << false << true;
    QTest::newRow("UTF-8 file against UTF-8 file") << Code + "    // Tr\xC3\x98ndelag\r\n"
                                                   << Code + "    // Tr\xC3\x98ndelag\n"
                                                   << true << true;
    QTest::newRow("code page 850, other letter") << Code + "    // Tr\x9Dndelag\r\n"
                                                 << Code + "    // Tr\x9Bndelag\r\n"
                                                 << false << false;
}

void TestTextDigest::digests()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(bool, utf8);
    QFETCH(bool, same);
    // The code page side of "code page 850 against UTF-8" is read as code
    // page 850, the other as UTF-8.
    const bool bUtf8 = utf8 || QTest::currentDataTag() == QByteArray("code page 850 against UTF-8");
    const uint64_t whole = DigestOf(a, utf8, a.size());
    QCOMPARE(DigestOf(b, bUtf8, b.size()) == whole, same);
    for (qsizetype piece = 1; piece <= 40; ++piece) {
        QCOMPARE(DigestOf(a, utf8, piece), whole);
        QCOMPARE(DigestOf(b, bUtf8, piece), DigestOf(b, bUtf8, b.size()));
    }
}

QTEST_GUILESS_MAIN(TestTextDigest)
#include "tst_textdigest.moc"
