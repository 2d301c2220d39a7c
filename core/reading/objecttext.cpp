#include "core/reading/objecttext.h"

#include <QString>

#include <algorithm>
#include <array>

namespace {

// The language's words, in any letter case, inside code.
constexpr std::array CodeKeywords{
    u"AND",  u"ARRAY", u"ASSERTERROR", u"BEGIN", u"CASE",      u"DIV",    u"DO",        u"DOWNTO",
    u"ELSE", u"END",   u"EXIT",        u"FALSE", u"FOR",       u"IF",     u"IN",        u"LOCAL",
    u"MOD",  u"NOT",   u"OF",          u"OR",    u"PROCEDURE", u"REPEAT", u"THEN",      u"TO",
    u"TRUE", u"UNTIL", u"VAR",         u"WHILE", u"WITH",      u"XOR",    u"TEMPORARY",
};

// Outside code: the words that open sections and declarations, in capitals
// as an export writes them, first on a line, after '=' or after another of them.
constexpr std::array SectionKeywords{
    u"OBJECT",      u"OBJECT-PROPERTIES",
    u"PROPERTIES",  u"FIELDS",
    u"KEYS",        u"FIELDGROUPS",
    u"CODE",        u"CONTROLS",
    u"SECTIONS",    u"DATAITEMS",
    u"REQUESTFORM", u"REQUESTPAGE",
    u"ELEMENTS",    u"MENUNODES",
    u"EVENTS",      u"LABELS",
    u"RDLDATA",     u"WORDLAYOUT",
    u"DATASET",     u"VAR",
    u"PROCEDURE",   u"LOCAL",
    u"BEGIN",       u"END",
    u"EVENT",
};

bool IsWordStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool IsWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

template <size_t N>
bool Contains(const std::array<const char16_t *, N> &words, QStringView word,
              Qt::CaseSensitivity cs)
{
    return std::any_of(words.begin(), words.end(), [&](const char16_t *keyword) {
        return word.compare(QStringView(keyword), cs) == 0;
    });
}

bool IsWord(QStringView word, const char16_t *keyword)
{
    return word.compare(QStringView(keyword), Qt::CaseInsensitive) == 0;
}

// Whether the line ends after the position, or a comment follows it.
bool NothingButCommentFrom(QStringView line, qsizetype from)
{
    const QStringView rest = line.sliced(from).trimmed();
    return rest.isEmpty() || rest.startsWith(u'{') || rest.startsWith(u"//");
}

// The end of a string that begins at the quote: two quotes stand for one;
// an unclosed string ends with its line.
qsizetype StringEnd(QStringView line, qsizetype quote)
{
    for (qsizetype i = quote + 1; i < line.size(); ++i) {
        if (line[i] != u'\'')
            continue;
        if (i + 1 < line.size() && line[i + 1] == u'\'') {
            ++i;
            continue;
        }
        return i + 1;
    }
    return line.size();
}

// The end of a brace comment from the given position, or -1 when it goes on.
qsizetype CommentEnd(QStringView line, qsizetype from)
{
    const qsizetype close = line.indexOf(u'}', from);
    return close < 0 ? -1 : close + 1;
}

} // namespace

int TTextLineState::Packed() const
{
    constexpr int MostDepth = (1 << 29) - 1;
    return (std::clamp(CodeDepth, 0, MostDepth) << 1) | (InComment ? 1 : 0);
}

TTextLineState TTextLineState::Unpacked(int packed)
{
    if (packed < 0)
        return {};
    return {packed >> 1, (packed & 1) != 0};
}

TTextLineState ScanObjectTextLine(QStringView line, TTextLineState state,
                                  std::vector<TTextSpan> &spans)
{
    const qsizetype size = line.size();
    qsizetype i = 0;
    if (state.InComment) {
        const qsizetype end = CommentEnd(line, 0);
        spans.push_back({0, end < 0 ? size : end, TTextPart::Comment});
        if (end < 0)
            return state;
        state.InComment = false;
        i = end;
    }
    // Outside code: where a section word may stand. After '=' only the
    // words that begin a trigger's code (VAR, BEGIN) stand.
    enum { LineStart, AfterEquals, AfterKeyword, Elsewhere } place = LineStart;
    while (i < size) {
        const QChar c = line[i];
        if (state.InCode()) {
            if (c == u'{') {
                const qsizetype end = CommentEnd(line, i + 1);
                spans.push_back({i, (end < 0 ? size : end) - i, TTextPart::Comment});
                if (end < 0) {
                    state.InComment = true;
                    return state;
                }
                i = end;
            } else if (c == u'/' && i + 1 < size && line[i + 1] == u'/') {
                spans.push_back({i, size - i, TTextPart::Comment});
                return state;
            } else if (c == u'\'') {
                const qsizetype end = StringEnd(line, i);
                spans.push_back({i, end - i, TTextPart::String});
                i = end;
            } else if (c == u'"') {
                // A name in quotes: nothing in it is a word of the language.
                const qsizetype close = line.indexOf(u'"', i + 1);
                i = close < 0 ? size : close + 1;
            } else if (IsWordPart(c)) {
                const qsizetype start = i;
                while (i < size && IsWordPart(line[i]))
                    ++i;
                const QStringView word = line.sliced(start, i - start);
                // A member (Rec.Case) is a name, whatever its letters.
                const bool member = start > 0 && line[start - 1] == u'.';
                if (member || !IsWordStart(word.front()) ||
                    !Contains(CodeKeywords, word, Qt::CaseInsensitive))
                    continue;
                spans.push_back({start, word.size(), TTextPart::Keyword});
                if (IsWord(word, u"BEGIN") || IsWord(word, u"CASE"))
                    ++state.CodeDepth;
                else if (IsWord(word, u"END"))
                    --state.CodeDepth;
            } else {
                ++i;
            }
            continue;
        }
        if (c.isSpace()) {
            ++i;
        } else if (c == u'=') {
            place = AfterEquals;
            ++i;
        } else if (IsWordStart(c)) {
            const qsizetype start = i;
            while (i < size && (IsWordPart(line[i]) || line[i] == u'-'))
                ++i;
            const QStringView word = line.sliced(start, i - start);
            const bool section =
                place == AfterEquals
                    ? word == u"VAR"
                    : place != Elsewhere && Contains(SectionKeywords, word, Qt::CaseSensitive);
            // Code begins with a BEGIN that ends its line (but for a
            // comment): a caption such as "ENU=Begin Date" goes on, a
            // property value ends in ';'.
            const bool opensCode =
                place != Elsewhere && IsWord(word, u"BEGIN") && NothingButCommentFrom(line, i);
            if (section || opensCode)
                spans.push_back({start, word.size(), TTextPart::Keyword});
            if (opensCode)
                state.CodeDepth = 1;
            place = section ? AfterKeyword : Elsewhere;
        } else {
            place = Elsewhere;
            ++i;
        }
    }
    return state;
}
