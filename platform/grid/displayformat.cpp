#include "platform/grid/displayformat.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <cmath>

namespace orva::platform {
namespace {

QString groupThousands(const QString& digits) {
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits.at(i);
    }
    return out;
}

/// Digits of |value| rounded to `decimals`, split into integer and fraction parts.
void splitNumber(double value, int decimals, QString& integer, QString& fraction) {
    const QString fixed = QString::number(std::fabs(value), 'f', decimals);
    const qsizetype dot = fixed.indexOf(QLatin1Char('.'));
    integer = dot < 0 ? fixed : fixed.left(dot);
    fraction = dot < 0 ? QString() : fixed.mid(dot + 1);
}

QString printfForm(double value, const QString& pattern) {
    const QChar kind = pattern.back().toLower();
    const int decimals = printfDecimals(pattern);
    QString integer, fraction;
    splitNumber(value, decimals, integer, fraction);
    const bool grouped = kind == QLatin1Char('m') || kind == QLatin1Char('n');
    QString number = grouped ? groupThousands(integer) : integer;
    if (!fraction.isEmpty())
        number += QLatin1Char('.') + fraction;
    const bool negative = value < 0 && number.contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (kind == QLatin1Char('m'))
        return negative ? QStringLiteral("-$") + number : QStringLiteral("$") + number;
    return negative ? QLatin1Char('-') + number : number;
}

} // namespace

bool isNumeric(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

int printfDecimals(const QString& pattern) {
    const QChar kind = pattern.back().toLower();
    int decimals = kind == QLatin1Char('d') ? 0 : 2;
    const qsizetype dot = pattern.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        bool ok = false;
        const int d = pattern.mid(dot + 1, pattern.size() - dot - 2).toInt(&ok);
        if (ok)
            decimals = d;
    }
    return decimals;
}

NumberSpan numberPart(const QString& pattern) {
    NumberSpan span;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (span.first < 0)
                span.first = i;
            span.last = i;
        }
    }
    return span;
}

QString formatNumber(double value, const QString& pattern) {
    if (pattern.isEmpty())
        return QString::number(value, 'g', 15);
    if (pattern.startsWith(QLatin1Char('%')) && pattern.size() >= 2)
        return printfForm(value, pattern);

    // Number part: from the first digit placeholder to the last one.
    const auto [first, last] = numberPart(pattern);
    if (first < 0)
        return pattern;
    const QString prefix = pattern.left(first);
    const QString suffix = pattern.mid(last + 1);
    const QString body = pattern.mid(first, last - first + 1);
    const qsizetype dot = body.indexOf(QLatin1Char('.'));
    const QString intPart = dot < 0 ? body : body.left(dot);
    const QString fracPart = dot < 0 ? QString() : body.mid(dot + 1);
    const bool grouped = intPart.contains(QLatin1Char(','));
    const int minInt = static_cast<int>(intPart.count(QLatin1Char('0')));
    const int maxDec =
        static_cast<int>(fracPart.count(QLatin1Char('0')) + fracPart.count(QLatin1Char('#')));
    const int minDec = static_cast<int>(fracPart.count(QLatin1Char('0')));

    QString integer, fraction;
    splitNumber(value, maxDec, integer, fraction);
    while (fraction.size() > minDec && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (integer == QLatin1String("0") && minInt == 0)
        integer.clear();
    while (integer.size() < minInt)
        integer.prepend(QLatin1Char('0'));
    QString number = grouped ? groupThousands(integer) : integer;
    if (!fraction.isEmpty())
        number += QLatin1Char('.') + fraction;
    if (number.isEmpty())
        number = QStringLiteral("0");
    const bool negative = value < 0 && number.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return (negative ? QStringLiteral("-") : QString()) + prefix + number + suffix;
}

QString formatValue(const QVariant& value, const QString& pattern) {
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate().toString(pattern.isEmpty() ? QStringLiteral("dd/MM/yyyy") : pattern);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(pattern.isEmpty() ? QStringLiteral("dd/MM/yyyy hh:mm:ss")
                                                             : pattern);
    case QMetaType::QString:
        return value.toString();
    default:
        break;
    }
    if (isNumeric(value)) {
        if (pattern.isEmpty()) {
            if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
                return QString::number(value.toDouble(), 'g', 15);
            return value.toString();
        }
        return formatNumber(value.toDouble(), pattern);
    }
    return value.toString();
}

} // namespace orva::platform
