// File names as bytes: every name goes to a text and back unchanged, and
// shows its undecodable bytes as \xNN.
#include "core/errors.h"
#include "core/reading/filenames.h"

#include <QDir>
#include <QTest>

class TestFileNames : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void absoluteName();
};

void TestFileNames::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown"); // in a message

    QTest::newRow("ASCII") << QByteArray("demo.fob") << "demo.fob";
    QTest::newRow("UTF-8 letters")
        << QByteArray("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80") << "caf\u00e9 \u20ac \U0001F600";
    QTest::newRow("Latin-1 letter") << QByteArray("latin1-\xe9.fob") << "latin1-\\xE9.fob";
    QTest::newRow("a lead byte cut short") << QByteArray("a\xc3") << "a\\xC3";
    QTest::newRow("a lead byte before ASCII") << QByteArray("\xc3(") << "\\xC3(";
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << "\\xC0\\xAF";
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << "\\xED\\xA0\\x80";
    QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << "\\xF4\\x90\\x80\\x80";
    QTest::newRow("a lone continuation byte") << QByteArray("\x80z") << "\\x80z";
    // What the escapes themselves look like in UTF-8 is no escape.
    QTest::newRow("escape's own UTF-8") << QByteArray("\xed\xb3\xa9") << "\\xED\\xB3\\xA9";
}

void TestFileNames::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QString name = DecodeFileName(bytes);
    QCOMPARE(EncodeFileName(name), bytes);
    QCOMPARE(FileNameForDisplay(name), shown);
    QCOMPARE(MessageForDisplay(name), shown + (shown.back() > u'.' ? "." : ""));
}

void TestFileNames::absoluteName()
{
    const QString latin1 = DecodeFileName("a/../latin1-\xe9.fob");
    QCOMPARE(EncodeFileName(AbsoluteFileName(latin1)),
             QFile::encodeName(QDir::currentPath()) + "/latin1-\xe9.fob");
    QCOMPARE(AbsoluteFileName("/x/./y/../z.fob"), "/x/z.fob");
}

QTEST_GUILESS_MAIN(TestFileNames)
#include "tst_filenames.moc"
