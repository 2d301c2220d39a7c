// The parts of an object's text a window colours: keywords, strings and
// comments, and braces that are comments only inside code.
#include "core/reading/objecttext.h"

#include <QTest>

namespace {

// The spans of each line of the text, read from the text's start, as
// "K:word", "S:'string'" or "C:comment", and the state after the last line.
struct TScanned {
    QStringList Spans;
    TTextLineState End;
};

TScanned Scan(const QString &text)
{
    TScanned scanned;
    const QStringList lines = text.split(QLatin1Char('\n'));
    TTextLineState state;
    for (const QString &line : lines) {
        std::vector<TTextSpan> spans;
        state = ScanObjectTextLine(line, state, spans);
        for (const TTextSpan &span : spans) {
            const char part = span.Part == TTextPart::Keyword  ? 'K'
                              : span.Part == TTextPart::String ? 'S'
                                                               : 'C';
            scanned.Spans << QString(QLatin1Char(part)) + QLatin1Char(':') +
                                 line.mid(span.Start, span.Length);
        }
    }
    scanned.End = state;
    return scanned;
}

} // namespace

Q_DECLARE_METATYPE(TTextLineState)

class TObjectTextTest : public QObject {
    Q_OBJECT

private slots:
    void partsOfLines_data();
    void partsOfLines();
    void statePacksIntoABlockState_data();
    void statePacksIntoABlockState();
};

void TObjectTextTest::partsOfLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("spans");
    QTest::addColumn<int>("endDepth");
    QTest::addColumn<bool>("endInComment");

    QTest::newRow("sections: braces delimit, no comment")
        << QStringLiteral(
               "OBJECT Table 27 Item\n{\n  OBJECT-PROPERTIES\n  {\n    Date=09/15/15;\n  }")
        << QStringList{"K:OBJECT", "K:OBJECT-PROPERTIES"} << 0 << false;
    QTest::newRow("field line: braces and quotes are no comment or string")
        << QStringLiteral("    { 1   ;   ;No.  ;Code20 ;CaptionML=ENU=Customer's No. }")
        << QStringList{} << 0 << false;
    QTest::newRow("a trigger: brace inside code is a comment")
        << QStringLiteral(
               "    OnRun=BEGIN\n            { a comment }\n            x := 1;\n          END;")
        << QStringList{"K:BEGIN", "C:{ a comment }", "K:END"} << 0 << false;
    QTest::newRow("brace comment over lines inside code")
        << QStringLiteral("    BEGIN\n    {\n      Documentation }\n    END.")
        << QStringList{"K:BEGIN", "C:{", "C:      Documentation }", "K:END"} << 0 << false;
    QTest::newRow("brace comment left open")
        << QStringLiteral("    BEGIN\n    { still open") << QStringList{"K:BEGIN", "C:{ still open"}
        << 1 << true;
    QTest::newRow("strings: quote doubled, brace and END inside")
        << QStringLiteral("  BEGIN\n    s := 'it''s { END';\n  END;")
        << QStringList{"K:BEGIN", "S:'it''s { END'", "K:END"} << 0 << false;
    QTest::newRow("line comment inside code, none outside")
        << QStringLiteral("Url=http://x;\nOnRun=BEGIN\n  x := 1; // END { here\nEND;")
        << QStringList{"K:BEGIN", "C:// END { here", "K:END"} << 0 << false;
    QTest::newRow("nested BEGIN and CASE close one END each")
        << QStringLiteral("OnRun=BEGIN\n  IF a THEN BEGIN\n    CASE b OF\n      1: ;\n    END;\n  "
                          "END;\n  { c }\nEND;\n{ 2 ;Field }")
        << QStringList{"K:BEGIN", "K:IF",  "K:THEN", "K:BEGIN", "K:CASE",
                       "K:OF",    "K:END", "K:END",  "C:{ c }", "K:END"}
        << 0 << false;
    QTest::newRow("code words in any case; quoted names and members are names")
        << QStringLiteral("OnRun=begin\n  \"Begin Date\" := Rec.Case;\n  if x then exit;\nend;")
        << QStringList{"K:begin", "K:if", "K:then", "K:exit", "K:end"} << 0 << false;
    QTest::newRow("BEGIN with a comment after it opens code")
        << QStringLiteral("    BEGIN { Documentation\n    }\n    END.")
        << QStringList{"K:BEGIN", "C:{ Documentation", "C:    }", "K:END"} << 0 << false;
    QTest::newRow("a caption's Begin does not open code")
        << QStringLiteral(
               "    CaptionML=ENU=Begin Date;\n    OptionString=Begin;\n    { 1 ;Field }")
        << QStringList{} << 0 << false;
    QTest::newRow("section words only where a section or declaration begins")
        << QStringLiteral("  CODE\n  {\n    LOCAL PROCEDURE Post@1();\n    Description=CODE;")
        << QStringList{"K:CODE", "K:LOCAL", "K:PROCEDURE"} << 0 << false;
    QTest::newRow("a member named like a section is no keyword")
        << QStringLiteral("    Name=Item Code;") << QStringList{} << 0 << false;
}

void TObjectTextTest::partsOfLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, spans);
    QFETCH(int, endDepth);
    QFETCH(bool, endInComment);
    const TScanned scanned = Scan(text);
    QCOMPARE(scanned.Spans, spans);
    QCOMPARE(scanned.End.CodeDepth, endDepth);
    QCOMPARE(scanned.End.InComment, endInComment);
}

void TObjectTextTest::statePacksIntoABlockState_data()
{
    QTest::addColumn<TTextLineState>("state");
    QTest::newRow("start") << TTextLineState{};
    QTest::newRow("in code") << TTextLineState{3, false};
    QTest::newRow("in a comment in code") << TTextLineState{1, true};
    QTest::newRow("deep") << TTextLineState{100000, true};
}

void TObjectTextTest::statePacksIntoABlockState()
{
    QFETCH(TTextLineState, state);
    QVERIFY(state.Packed() >= 0);
    QCOMPARE(TTextLineState::Unpacked(state.Packed()), state);
    // A block not read yet stands for the text's start.
    QCOMPARE(TTextLineState::Unpacked(-1), TTextLineState{});
}

QTEST_APPLESS_MAIN(TObjectTextTest)
#include "tst_objecttext.moc"
