#include "platform/grid/columnfilter.h"

#include "platform/grid/displayformat.h"
#include "platform/grid/searchtext.h"

#include <QDateTime>

namespace orva::platform {
namespace {

std::optional<double> toNumber(QString text) {
    text.remove(QLatin1Char(',')).remove(QLatin1Char('$'));
    text = text.trimmed();
    bool ok = false;
    const double d = text.toDouble(&ok);
    return ok ? std::optional<double>(d) : std::nullopt;
}

std::optional<QDate> toDate(const QString& text) {
    for (const char* format : {"d/M/yyyy", "d/M/yy", "yyyy-M-d"}) {
        const QDate d = QDate::fromString(text.trimmed(), QString::fromLatin1(format));
        if (d.isValid())
            return d;
    }
    return std::nullopt;
}

} // namespace

QString columnFilterHelp() {
    return QStringLiteral("texto: contiene el texto\n"
                          "=texto: igual a   (= solo: vacío)\n"
                          "<>texto: distinto de   (<> solo: no vacío)\n"
                          ">n  >=n  <n  <=n: mayor, menor (números, fechas dd/mm/aaaa o texto)\n"
                          "desde..hasta: entre ambos valores, incluidos\n"
                          "te*to  te?to: comodines (* varios caracteres, ? uno)\n"
                          "Sin distinguir mayúsculas ni acentos.");
}

ColumnFilter::Operand ColumnFilter::operand(const QString& text) {
    return {foldForSearch(text.trimmed()), toNumber(text), toDate(text)};
}

ColumnFilter::ColumnFilter(const QString& source) {
    const QString text = source.trimmed();
    if (text.isEmpty())
        return;
    for (const char* c : {">=", "<=", "<>", "!=", ">", "<", "="}) {
        const QString prefix = QString::fromLatin1(c);
        if (!text.startsWith(prefix))
            continue;
        const QString rest = text.mid(prefix.size());
        a_ = operand(rest);
        if (prefix == QLatin1String("="))
            op_ = Op::Equals;
        else if (prefix == QLatin1String("<>") || prefix == QLatin1String("!="))
            op_ = Op::NotEquals;
        else {
            op_ = rest.trimmed().isEmpty() ? Op::None : Op::Compare;
            cmp_ = prefix;
        }
        return;
    }
    const qsizetype range = text.indexOf(QStringLiteral(".."));
    if (range > 0 && range + 2 < text.size()) {
        op_ = Op::Between;
        a_ = operand(text.left(range));
        b_ = operand(text.mid(range + 2));
        return;
    }
    if (text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'))) {
        op_ = Op::Wildcard;
        QString pattern;
        for (QChar c : foldForSearch(text))
            pattern += c == QLatin1Char('*')   ? QStringLiteral(".*")
                       : c == QLatin1Char('?') ? QStringLiteral(".")
                                               : QRegularExpression::escape(QString(c));
        wildcard_ = QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                       QRegularExpression::DotMatchesEverythingOption);
        return;
    }
    op_ = Op::Contains;
    a_ = operand(text);
}

std::optional<int> ColumnFilter::compare(QStringView folded, const QVariant& value,
                                         const Operand& o) {
    auto sign = [](auto a, auto b) { return a < b ? -1 : (b < a ? 1 : 0); };
    if (o.number) {
        if (isNumeric(value))
            return sign(value.toDouble(), *o.number);
        if (auto n = toNumber(folded.toString()))
            return sign(*n, *o.number);
    }
    if (o.date) {
        if (value.typeId() == QMetaType::QDate && value.toDate().isValid())
            return sign(value.toDate(), *o.date);
        if (value.typeId() == QMetaType::QDateTime && value.toDateTime().isValid())
            return sign(value.toDateTime().date(), *o.date);
        if (auto d = toDate(folded.toString()))
            return sign(*d, *o.date);
    }
    if (o.number || o.date)
        return std::nullopt; // a number or date filter never matches other cells
    if (folded.isEmpty())
        return std::nullopt;
    return sign(folded.compare(o.folded), 0);
}

bool ColumnFilter::matches(QStringView folded, const QVariant& value) const {
    switch (op_) {
    case Op::None:
        return true;
    case Op::Contains:
        return folded.contains(a_.folded);
    case Op::Equals:
        return folded == a_.folded;
    case Op::NotEquals:
        return folded != a_.folded;
    case Op::Wildcard:
        return wildcard_.match(folded).hasMatch();
    case Op::Compare: {
        const auto c = compare(folded, value, a_);
        if (!c)
            return false;
        if (cmp_ == QLatin1String(">"))
            return *c > 0;
        if (cmp_ == QLatin1String(">="))
            return *c >= 0;
        if (cmp_ == QLatin1String("<"))
            return *c < 0;
        return *c <= 0;
    }
    case Op::Between: {
        const auto low = compare(folded, value, a_);
        const auto high = compare(folded, value, b_);
        return low && high && *low >= 0 && *high <= 0;
    }
    }
    return true;
}

} // namespace orva::platform
