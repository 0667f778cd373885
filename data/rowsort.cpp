#include "data/rowsort.h"

#include "data/errors.h"

#include <algorithm>

namespace orva::data {

std::vector<SortKey> parseOrderBy(const QString& text, const std::vector<FieldInfo>& fields) {
    std::vector<SortKey> keys;
    for (const QString& rawItem : text.split(u',', Qt::SkipEmptyParts)) {
        QStringList words = rawItem.simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        SortKey key;
        if (words.size() == 2) {
            const QString dir = words[1].toLower();
            if (dir != u"asc" && dir != u"desc")
                throw Exception(QStringLiteral("Orden no válido: «%1».").arg(rawItem.trimmed()));
            key.descending = dir == u"desc";
        } else if (words.size() > 2) {
            throw Exception(QStringLiteral("Orden no válido: «%1».").arg(rawItem.trimmed()));
        }
        QString name = words[0];
        if ((name.startsWith(u'[') && name.endsWith(u']')) ||
            (name.startsWith(u'`') && name.endsWith(u'`')))
            name = name.mid(1, name.size() - 2);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0) {
                key.field = static_cast<int>(i);
                break;
            }
        }
        if (key.field < 0)
            throw Exception(
                QStringLiteral("No se puede ordenar por %1: el campo no existe.").arg(name));
        keys.push_back(key);
    }
    return keys;
}

namespace {

/// One sort column, its values read once for every row.
struct Column {
    bool numeric = false;
    bool descending = false;
    std::vector<unsigned char> null;
    std::vector<double> numbers;
    std::vector<QString> texts;

    int compare(int a, int b) const {
        const auto ia = static_cast<std::size_t>(a), ib = static_cast<std::size_t>(b);
        int c;
        if (null[ia] || null[ib])
            c = null[ia] == null[ib] ? 0 : null[ia] ? -1 : 1;
        else if (numeric)
            c = numbers[ia] < numbers[ib] ? -1 : numbers[ia] > numbers[ib] ? 1 : 0;
        else
            c = texts[ia].compare(texts[ib]);
        return descending ? -c : c;
    }
};

} // namespace

void sortRows(std::vector<int>& order, const std::vector<PackedRow>& rows,
              const std::vector<FieldInfo>& fields, const std::vector<SortKey>& keys) {
    if (keys.empty())
        return;
    std::vector<Column> columns;
    for (const SortKey& key : keys) {
        Column col;
        const FieldInfo& f = fields[static_cast<std::size_t>(key.field)];
        col.numeric = f.isNumeric();
        col.descending = key.descending;
        col.null.assign(rows.size(), 1);
        if (col.numeric)
            col.numbers.assign(rows.size(), 0);
        else
            col.texts.resize(rows.size());
        // Dates and times are stored as ISO text, which sorts in time order as it is.
        const bool fold = f.type == FieldType::String || f.type == FieldType::Memo;
        const auto k = static_cast<unsigned>(key.field);
        for (int r : order) {
            const auto i = static_cast<std::size_t>(r);
            const PackedRow& row = rows[i];
            if (!row || row.isNull(k))
                continue;
            col.null[i] = 0;
            const QByteArrayView cell = row.cell(k);
            if (col.numeric)
                col.numbers[i] = cell.toDouble();
            else if (fold)
                col.texts[i] = QString::fromUtf8(cell.data(), cell.size()).toCaseFolded();
            else
                col.texts[i] = QString::fromUtf8(cell.data(), cell.size());
        }
        columns.push_back(std::move(col));
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        for (const Column& col : columns) {
            const int c = col.compare(a, b);
            if (c != 0)
                return c < 0;
        }
        return false;
    });
}

} // namespace orva::data
