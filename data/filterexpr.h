#pragma once
// The dataset's client-side filter: an expression such as
//   (IdEstructuraActual = 3) or (IdEstructuraActual = 0)
//   ETipoMovimiento <> 'Alta'
//   IdTab = '3' AND Acceder = 'Si'
//   SNombre LIKE '%ana%' and not (DFecha between '2024-01-01' and '2024-12-31')
// Operands: field names (bare, [with blanks] or `quoted`), numbers, 'text' or "text",
// NULL. Operators: = <> != < > <= >=, [NOT] LIKE (% any run, _ one character),
// IS [NOT] NULL, [NOT] IN (…), [NOT] BETWEEN … AND …, AND, OR, NOT, parentheses.
// A field compared with a number, or a number field with text that reads as a number,
// compares as numbers; a date field with text that reads as a date, as dates; anything
// else as text, with or without regard to case. NULL matches only IS NULL (and "= NULL").
#include "data/fieldinfo.h"

#include <QString>
#include <memory>
#include <vector>

namespace orva::data {

class FilterExpression {
public:
    FilterExpression();
    /// Parses the text; throws Exception naming the fault and its position.
    explicit FilterExpression(const QString& text);
    ~FilterExpression();
    FilterExpression(FilterExpression&&) noexcept;
    FilterExpression& operator=(FilterExpression&&) noexcept;

    bool isEmpty() const { return !root_; }
    const QString& text() const { return text_; }
    /// Field names used, as written.
    QStringList fieldNames() const;
    /// Resolves field names against the dataset's columns (case-insensitive); throws
    /// Exception for an unknown field.
    void bind(const std::vector<FieldInfo>& fields, bool caseInsensitive);
    /// Whether a row passes (bind() first). An empty expression passes every row.
    bool matches(const PackedRow& row) const;

    struct Node;

private:
    QString text_;
    std::unique_ptr<Node> root_;
    bool caseInsensitive_ = false;
};

} // namespace orva::data
