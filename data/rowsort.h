#pragma once
// The dataset's client-side ORDER BY: "Campo1 asc, Campo2 desc".
#include "data/fieldinfo.h"
#include "data/packedrow.h"

#include <QString>
#include <vector>

namespace orva::data {

struct SortKey {
    int field = -1;
    bool descending = false;
};

/// Parses the order text against the columns (names case-insensitive, optionally
/// [bracketed] or `quoted`, then ASC or DESC). Throws Exception for an unknown field or
/// a malformed item.
std::vector<SortKey> parseOrderBy(const QString& text, const std::vector<FieldInfo>& fields);

/// Sorts the row indices, stably: numbers as numbers, dates in time order, text without
/// regard to case; NULL first in ascending order.
void sortRows(std::vector<int>& order, const std::vector<PackedRow>& rows,
              const std::vector<FieldInfo>& fields, const std::vector<SortKey>& keys);

} // namespace orva::data
