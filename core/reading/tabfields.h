// Fields of the tab-separated outputs (the export, the lister's lines, the
// comparison's lines, Copy): a TAB, CR or LF inside a field would split its
// line, so each is written as one blank.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

constexpr bool SplitsTabLine(char16_t c)
{
    return c == u'\t' || c == u'\n' || c == u'\r';
}

inline void AppendTabField(QByteArray &line, QByteArrayView field)
{
    const qsizetype start = line.size();
    line.append(field);
    for (qsizetype i = start; i < line.size(); ++i) {
        if (SplitsTabLine(char16_t(uchar(line[i]))))
            line[i] = ' ';
    }
}

inline QString TabField(QString field)
{
    for (QChar &c : field) {
        if (SplitsTabLine(c.unicode()))
            c = u' ';
    }
    return field;
}

// The fields as one line ended by LF, in UTF-8.
inline QByteArray TabLine(const QStringList &fields)
{
    QStringList line;
    line.reserve(fields.size());
    for (const QString &field : fields)
        line << TabField(field);
    return (line.join(u'\t') + u'\n').toUtf8();
}
