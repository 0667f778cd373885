#include "platform/report/reportexpr.h"

#include "platform/grid/displayformat.h"

#include <QDateTime>
#include <QRegularExpression>

namespace orva::platform::report {
namespace {

QString stripAngles(const QString& expression) {
    QString e = expression.trimmed();
    if (e.startsWith(QLatin1Char('<')) && e.endsWith(QLatin1Char('>')))
        e = e.mid(1, e.size() - 2).trimmed();
    return e;
}

bool isPageMacro(const QString& e) {
    return e.compare(QLatin1String("Page"), Qt::CaseInsensitive) == 0 ||
           e.compare(QLatin1String("Page#"), Qt::CaseInsensitive) == 0 ||
           e.compare(QLatin1String("TotalPages"), Qt::CaseInsensitive) == 0 ||
           e.compare(QLatin1String("TotalPages#"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool ParseFieldReference(const QString& expression, QString& source, QString& field) {
    static const QRegularExpression quoted(
        QStringLiteral("^\\s*([\\w]+)\\s*\\.\\s*\"([^\"]*)\"\\s*$"));
    static const QRegularExpression bare(QStringLiteral("^\\s*([\\w]+)\\s*\\.\\s*([\\w]+)\\s*$"));
    QRegularExpressionMatch m = quoted.match(expression);
    if (!m.hasMatch())
        m = bare.match(expression);
    if (!m.hasMatch())
        return false;
    source = m.captured(1);
    field = m.captured(2);
    return true;
}

std::optional<QVariant> Evaluate(const QString& expression, const ExprContext& context) {
    QString sourceName, fieldName;
    if (ParseFieldReference(expression, sourceName, fieldName)) {
        for (const ExprContext::Current& c : context.sources) {
            if (!c.source || c.source->name().compare(sourceName, Qt::CaseInsensitive) != 0)
                continue;
            const int field = c.source->fieldIndex(fieldName);
            if (field < 0)
                return std::nullopt;
            if (c.row < 0 || c.row >= c.source->rowCount())
                return QVariant();
            return c.source->value(c.row, field);
        }
        return std::nullopt;
    }
    const QString e = stripAngles(expression);
    if (e.compare(QLatin1String("Date"), Qt::CaseInsensitive) == 0)
        return QVariant(QDate::currentDate());
    if (e.compare(QLatin1String("Time"), Qt::CaseInsensitive) == 0)
        return QVariant(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    if (e.compare(QLatin1String("Line"), Qt::CaseInsensitive) == 0 ||
        e.compare(QLatin1String("Line#"), Qt::CaseInsensitive) == 0)
        return QVariant(context.line);
    return std::nullopt;
}

QString ExpandText(const QString& text, const ExprContext& context, const QString& displayFormat) {
    if (!text.contains(QLatin1Char('[')))
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('['), i);
        if (open < 0) {
            out += QStringView(text).mid(i);
            break;
        }
        // The closing bracket outside quoted field names.
        qsizetype close = -1;
        bool inQuotes = false;
        for (qsizetype k = open + 1; k < text.size(); ++k) {
            const QChar c = text.at(k);
            if (c == QLatin1Char('"'))
                inQuotes = !inQuotes;
            else if (c == QLatin1Char(']') && !inQuotes) {
                close = k;
                break;
            }
        }
        if (close < 0) {
            out += QStringView(text).mid(i);
            break;
        }
        out += QStringView(text).mid(i, open - i);
        const QString expression = text.mid(open + 1, close - open - 1);
        const std::optional<QVariant> value =
            isPageMacro(stripAngles(expression)) ? std::nullopt : Evaluate(expression, context);
        if (value)
            out += FormatValue(*value, displayFormat);
        else
            out += QStringView(text).mid(open, close - open + 1);
        i = close + 1;
    }
    return out;
}

bool HasPageMacros(const QString& text) {
    if (!text.contains(QLatin1Char('[')))
        return false;
    static const QRegularExpression macro(
        QStringLiteral("\\[\\s*<?\\s*(Page|TotalPages)#?\\s*>?\\s*\\]"),
        QRegularExpression::CaseInsensitiveOption);
    return macro.match(text).hasMatch();
}

QString ResolvePageMacros(const QString& text, int page, int totalPages) {
    static const QRegularExpression macro(
        QStringLiteral("\\[\\s*<?\\s*(Page|TotalPages)#?\\s*>?\\s*\\]"),
        QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype last = 0;
    auto it = macro.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        const bool total =
            m.captured(1).compare(QLatin1String("TotalPages"), Qt::CaseInsensitive) == 0;
        out += QString::number(total ? totalPages : page);
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}

QString FormatValue(const QVariant& value, const QString& displayFormat, const QString& plain) {
    if (!value.isValid() || value.isNull())
        return {};
    if (!displayFormat.isEmpty()) {
        if (isNumeric(value))
            return formatNumber(value.toDouble(), displayFormat);
        if (value.typeId() == QMetaType::QString) {
            // Decimal columns may come as text; a money format still applies to them.
            bool ok = false;
            const double number = value.toString().trimmed().toDouble(&ok);
            if (ok)
                return formatNumber(number, displayFormat);
        }
    }
    if (!plain.isEmpty())
        return plain;
    return formatValue(value, {});
}

} // namespace orva::platform::report
