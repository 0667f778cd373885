#include "exchange/gridexport_formats.h"

#include "platform/grid/displayformat.h"

namespace orva::exchange {
namespace {

/// Literal text of a number pattern, quoted unless it is a currency sign or a sign.
QString literal(const QString& text) {
    if (text.isEmpty() || text == QLatin1String("$") || text == QLatin1String("-"))
        return text;
    QString plain = text;
    plain.remove(QLatin1Char('"'));
    return QLatin1Char('"') + plain + QLatin1Char('"');
}

QString printfForm(const QString& pattern) {
    const QChar kind = pattern.back().toLower();
    const int decimals = platform::printfDecimals(pattern);
    const QString fraction =
        decimals > 0 ? QLatin1Char('.') + QString(decimals, QLatin1Char('0')) : QString();
    if (kind == QLatin1Char('m'))
        return QStringLiteral("$#,##0") + fraction;
    if (kind == QLatin1Char('n'))
        return QStringLiteral("#,##0") + fraction;
    if (kind == QLatin1Char('f'))
        return QStringLiteral("0") + fraction;
    if (kind == QLatin1Char('d'))
        return QStringLiteral("0");
    return {};
}

} // namespace

QString spreadsheetNumberFormat(const QString& displayFormat, int tag) {
    const QString pattern = displayFormat.trimmed();
    if (pattern.isEmpty())
        return tag == moneyTag ? QStringLiteral("$#,##0.00") : QString();
    if (pattern.startsWith(QLatin1Char('%')) && pattern.size() >= 2)
        return printfForm(pattern);
    if (pattern.contains(QLatin1Char(';')))
        return pattern; // sections: already in the spreadsheet's form
    const auto [first, last] = platform::numberPart(pattern);
    if (first < 0)
        return {};
    return literal(pattern.left(first)) + pattern.mid(first, last - first + 1) +
           literal(pattern.mid(last + 1));
}

QString spreadsheetDateFormat(const QString& qtPattern, bool withTime) {
    if (qtPattern.trimmed().isEmpty())
        return withTime ? QStringLiteral("dd/mm/yyyy hh:mm:ss") : QStringLiteral("dd/mm/yyyy");
    QString out;
    for (qsizetype i = 0; i < qtPattern.size();) {
        const QChar c = qtPattern.at(i);
        if (c == QLatin1Char('\'')) { // quoted text
            const qsizetype end = qtPattern.indexOf(QLatin1Char('\''), i + 1);
            const QString text = qtPattern.mid(i + 1, end < 0 ? -1 : end - i - 1);
            if (!text.isEmpty())
                out += QLatin1Char('"') + text + QLatin1Char('"');
            i = end < 0 ? qtPattern.size() : end + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < qtPattern.size() && qtPattern.at(i + run) == c)
            ++run;
        switch (c.unicode()) {
        case 'M':
            out += QString(run, QLatin1Char('m'));
            break;
        case 'H':
        case 'h':
            out += QString(run, QLatin1Char('h'));
            break;
        case 'A':
        case 'a':
            out += QStringLiteral("AM/PM");
            if (i + run < qtPattern.size() && qtPattern.at(i + run).toLower() == QLatin1Char('p'))
                ++run;
            break;
        case 'z':
            out += QStringLiteral("000");
            break;
        default:
            out += QString(run, c);
            break;
        }
        i += run;
    }
    return out;
}

} // namespace orva::exchange
