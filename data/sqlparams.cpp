#include "data/sqlparams.h"

namespace orva::data {
namespace {

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

/// Index just past a quoted text that opens at `i` with `quote`.
qsizetype skipQuoted(QStringView sql, qsizetype i, QChar quote) {
    const qsizetype n = sql.size();
    ++i;
    while (i < n) {
        const QChar c = sql[i];
        if (c == u'\\' && quote != u'`') {
            i += 2;
            continue;
        }
        if (c == quote) {
            if (i + 1 < n && sql[i + 1] == quote) { // doubled quote inside
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return n;
}

qsizetype skipToLineEnd(QStringView sql, qsizetype i) {
    const qsizetype end = sql.indexOf(u'\n', i);
    return end < 0 ? sql.size() : end + 1;
}

} // namespace

std::vector<SqlParamToken> scanSqlParams(QStringView sql) {
    std::vector<SqlParamToken> out;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = sql[i];
        const QChar next = i + 1 < n ? sql[i + 1] : QChar();
        if (c == u'\'' || c == u'"' || c == u'`') {
            i = skipQuoted(sql, i, c);
        } else if (c == u'#') {
            i = skipToLineEnd(sql, i);
        } else if (c == u'-' && next == u'-' &&
                   (i + 2 >= n || sql[i + 2].isSpace() || sql[i + 2].unicode() < 32)) {
            i = skipToLineEnd(sql, i);
        } else if (c == u'/' && next == u'*') {
            const qsizetype end = sql.indexOf(u"*/", i + 2);
            i = end < 0 ? n : end + 2;
        } else if (c == u':' && next == u':') {
            out.push_back({i, 2, QString()});
            i += 2;
        } else if (c == u':' && !next.isNull() && isNameChar(next)) {
            qsizetype j = i + 1;
            while (j < n && isNameChar(sql[j]))
                ++j;
            out.push_back({i, j - i, sql.mid(i + 1, j - i - 1).toString()});
            i = j;
        } else {
            ++i;
        }
    }
    return out;
}

std::vector<SqlParamToken> findSqlParams(QStringView sql) {
    std::vector<SqlParamToken> all = scanSqlParams(sql);
    std::erase_if(all, [](const SqlParamToken& t) { return t.name.isEmpty(); });
    return all;
}

QStringList sqlParamNames(QStringView sql) {
    QStringList names;
    for (const SqlParamToken& t : findSqlParams(sql)) {
        if (!names.contains(t.name, Qt::CaseInsensitive))
            names << t.name;
    }
    return names;
}

QString bindSqlParams(QStringView sql, const std::function<QString(const QString&)>& literalFor) {
    QString out;
    out.reserve(sql.size() + 16);
    qsizetype from = 0;
    for (const SqlParamToken& t : scanSqlParams(sql)) {
        out += sql.mid(from, t.position - from);
        out += t.name.isEmpty() ? QStringLiteral(":") : literalFor(t.name);
        from = t.position + t.length;
    }
    out += sql.mid(from);
    return out;
}

} // namespace orva::data
