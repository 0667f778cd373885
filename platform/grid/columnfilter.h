#pragma once
// The filter row's syntax, told once here and shown as the edits' tooltip.
//
//   texto          the cell contains "texto"
//   =texto         the cell is exactly "texto"          "="  alone: the cell is empty
//   <>texto        the cell is not "texto"               "<>" alone: the cell is not empty
//   >n  >=n  <n  <=n   comparison: numbers as numbers, dates written dd/mm/aaaa as dates,
//                  anything else alphabetically
//   desde..hasta   between the two values, both included (numbers, dates or text)
//   te*to  te?to   wildcards: * any run of characters, ? one character; the whole cell
//                  must match
//
// Upper and lower case and accents do not matter ("jose" finds "JOSÉ").
#include <QDate>
#include <QRegularExpression>
#include <QString>
#include <QVariant>
#include <optional>

namespace orva::platform {

/// Tooltip of the filter row's edits: the syntax above, in the users' words.
QString columnFilterHelp();

class ColumnFilter {
public:
    ColumnFilter() = default;
    explicit ColumnFilter(const QString& text);

    bool isEmpty() const { return op_ == Op::None; }
    /// Whether evaluating needs the cell's raw value (comparisons), not only its text.
    bool needsValue() const { return op_ == Op::Compare || op_ == Op::Between; }
    /// `folded`: the cell's shown text through foldForSearch(); `value`: the raw value
    /// (only read when needsValue()).
    bool matches(QStringView folded, const QVariant& value) const;

private:
    enum class Op { None, Contains, Equals, NotEquals, Compare, Between, Wildcard };
    struct Operand {
        QString folded;
        std::optional<double> number;
        std::optional<QDate> date;
    };
    static Operand operand(const QString& text);
    /// -1, 0, 1 comparing the cell with an operand; nothing when they do not compare.
    static std::optional<int> compare(QStringView folded, const QVariant& value, const Operand& o);

    Op op_ = Op::None;
    QString cmp_; ///< ">", ">=", "<", "<="
    Operand a_, b_;
    QRegularExpression wildcard_;
};

} // namespace orva::platform
