#include "platform/grid/gridmodel.h"

#include "platform/grid/cursormodel.h"
#include "platform/grid/displayformat.h"
#include "platform/grid/searchtext.h"

#include <QCollator>
#include <QDate>
#include <QDateTime>
#include <QFont>
#include <QTimer>
#include <algorithm>
#include <numeric>

namespace orva::platform {
namespace {

constexpr QChar kSeparator = QChar(0x1f);

QColor groupBackground(int level) {
    if (level == 0)
        return QColor(224, 224, 224);
    if (level == 1)
        return QColor(177, 177, 177);
    return QColor(208, 214, 215);
}

/// Sort key of one column for every source row.
struct ColumnKeys {
    enum class Kind { Number, Text } kind = Kind::Number;
    std::vector<double> numbers;
    std::vector<unsigned char> present;
    std::vector<QCollatorSortKey> texts;
    bool descending = false;

    int compare(int a, int b) const {
        int c = 0;
        if (present[a] != present[b])
            c = present[a] ? 1 : -1; // empty cells first
        else if (!present[a])
            c = 0;
        else if (kind == Kind::Number)
            c = numbers[a] < numbers[b] ? -1 : (numbers[b] < numbers[a] ? 1 : 0);
        else
            c = texts[a].compare(texts[b]);
        return descending ? -c : c;
    }
};

} // namespace

GridModel::GridModel(QObject* parent) : QAbstractItemModel(parent), warmTimer_(new QTimer(this)) {
    warmTimer_->setInterval(0);
    connect(warmTimer_, &QTimer::timeout, this, &GridModel::warmTexts);
}

void GridModel::warmTexts() {
    // A slice at a time, so that the window stays responsive; the first find-panel
    // keystroke then finds the texts ready.
    constexpr int kSlice = 4000;
    const int n = static_cast<int>(built_.size());
    int done = 0;
    while (warmNext_ < n && done < kSlice) {
        if (!built_[warmNext_]) {
            rowText(warmNext_);
            ++done;
        }
        ++warmNext_;
    }
    if (warmNext_ >= n)
        warmTimer_->stop();
}

// ---------------------------------------------------------------- source and columns

void GridModel::setSourceModel(QAbstractItemModel* source) {
    if (source_)
        disconnect(source_, nullptr, this, nullptr);
    source_ = source;
    connectSource();
    QList<GridColumn> specs;
    for (const auto& c : cols_)
        specs << c.spec;
    if (specs.isEmpty() || !explicitColumns_)
        specs.clear();
    setColumnsInternal(specs);
}

void GridModel::setColumns(const QList<GridColumn>& columns) {
    explicitColumns_ = !columns.isEmpty();
    setColumnsInternal(columns);
}

void GridModel::setColumnsInternal(const QList<GridColumn>& columns) {
    beginResetModel();
    cols_.clear();
    QList<GridColumn> specs = columns;
    if (specs.isEmpty() && source_) {
        for (int i = 0; i < source_->columnCount(); ++i) {
            GridColumn c;
            c.fieldName = sourceFieldName(i);
            specs << c;
        }
    }
    for (const GridColumn& spec : specs) {
        Column c;
        c.spec = spec;
        if (c.spec.caption.isEmpty())
            c.spec.caption = spec.fieldName;
        cols_.push_back(c);
    }
    resolveSources();
    sortColumn_ = -1;
    sortState_ = SortState::None;
    groupCols_.clear();
    resetCaches();
    refilterInside();
    endResetModel();
    emit displayChanged();
}

void GridModel::resolveSources() {
    for (Column& c : cols_) {
        c.source = -1;
        if (source_)
            for (int i = 0; i < source_->columnCount(); ++i)
                if (sourceFieldName(i).compare(c.spec.fieldName, Qt::CaseInsensitive) == 0) {
                    c.source = i;
                    break;
                }
    }
}

QString GridModel::sourceFieldName(int sourceColumn) const {
    QVariant name = source_->headerData(sourceColumn, Qt::Horizontal, CursorModel::FieldNameRole);
    if (!name.isValid() || name.toString().isEmpty())
        name = source_->headerData(sourceColumn, Qt::Horizontal, Qt::DisplayRole);
    return name.toString();
}

int GridModel::columnOf(const QString& fieldName) const {
    for (std::size_t i = 0; i < cols_.size(); ++i)
        if (cols_[i].spec.fieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void GridModel::connectSource() {
    if (!source_)
        return;
    auto full = [this] { sourceReset(); };
    connect(source_, &QAbstractItemModel::modelReset, this, full);
    connect(source_, &QAbstractItemModel::layoutChanged, this, full);
    connect(source_, &QAbstractItemModel::rowsMoved, this, full);
    connect(source_, &QAbstractItemModel::columnsInserted, this,
            [this] { setColumnsInternal(currentSpecs()); });
    connect(source_, &QAbstractItemModel::columnsRemoved, this,
            [this] { setColumnsInternal(currentSpecs()); });
    connect(source_, &QAbstractItemModel::dataChanged, this, &GridModel::sourceDataChanged);
    connect(source_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                const int n = last - first + 1;
                texts_.insert(texts_.begin() + first, n, QString());
                built_.insert(built_.begin() + first, n, 0);
                offsets_.insert(offsets_.begin() + first * slotStride(), n * slotStride(), 0);
                // Until the reset the displayed rows keep naming the same records.
                for (int& r : rows_)
                    if (r >= first)
                        r += n;
                sourceReset(false);
            });
    connect(source_, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                texts_.erase(texts_.begin() + first, texts_.begin() + last + 1);
                built_.erase(built_.begin() + first, built_.begin() + last + 1);
                offsets_.erase(offsets_.begin() + first * slotStride(),
                               offsets_.begin() + (last + 1) * slotStride());
                for (int& r : rows_)
                    r = r > last ? r - (last - first + 1) : (r >= first ? -1 : r);
                sourceReset(false);
            });
}

QList<GridColumn> GridModel::currentSpecs() const {
    QList<GridColumn> specs;
    if (explicitColumns_)
        for (const auto& c : cols_)
            specs << c.spec;
    return specs;
}

void GridModel::sourceReset(bool dropTextCache) {
    beginResetModel();
    // A reset may bring other fields (a dataset declared before it was opened, or opened
    // again on another statement): the columns find theirs again by name.
    if (dropTextCache) {
        resolveSources();
        resetCaches();
    }
    orderValid_ = false;
    sums_.clear();
    refilterInside();
    endResetModel();
    emit displayChanged();
}

void GridModel::sourceDataChanged(const QModelIndex& from, const QModelIndex& to) {
    for (int r = from.row(); r <= to.row() && r < static_cast<int>(built_.size()); ++r)
        built_[r] = 0;
    sums_.clear();
    lastStyled_ = -1;
    // Show the new values at once; re-sorting and re-filtering waits for the event loop
    // so that a record written field by field is placed once.
    for (int r = from.row(); r <= to.row(); ++r) {
        const QModelIndex first = indexOfSourceRow(r, 0);
        if (first.isValid())
            emit dataChanged(first, first.siblingAtColumn(columnCount() - 1));
    }
    if (sortColumn_ >= 0 || !groupCols_.isEmpty() || !findText_.isEmpty() || anyColumnFilter()) {
        orderValid_ = false;
        if (!refilterQueued_) {
            refilterQueued_ = true;
            QTimer::singleShot(0, this, [this] {
                if (refilterQueued_)
                    refilter();
            });
        }
    }
}

void GridModel::setColumnVisible(int column, bool visible) {
    Column& c = cols_.at(column);
    if (c.spec.visible == visible)
        return;
    change([&] {
        c.spec.visible = visible;
        if (!visible && !c.filterText.isEmpty()) {
            c.filterText.clear();
            c.filter = ColumnFilter();
        }
        resetCaches();
    });
}

void GridModel::setColumnCaption(int column, const QString& caption) {
    cols_.at(column).spec.caption = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void GridModel::setFooterSum(int column, bool on, const QString& format) {
    cols_.at(column).spec.footerSum = on;
    cols_.at(column).spec.footerFormat = format;
    sums_.clear();
}

// ---------------------------------------------------------------- text cache

int GridModel::slotStride() const {
    return static_cast<int>(visibleCols_.size()) + 1;
}

void GridModel::resetCaches() {
    visibleCols_.clear();
    for (std::size_t i = 0; i < cols_.size(); ++i)
        if (cols_[i].spec.visible)
            visibleCols_.push_back(static_cast<int>(i));
    const int n = source_ ? source_->rowCount() : 0;
    texts_.assign(n, QString());
    built_.assign(n, 0);
    offsets_.assign(static_cast<std::size_t>(n) * slotStride(), 0);
    warmNext_ = 0;
    warmTimer_->start();
    orderValid_ = false;
    sums_.clear();
    lastStyled_ = -1;
}

const QString& GridModel::rowText(int sourceRow) const {
    QString& text = texts_[sourceRow];
    if (!built_[sourceRow]) {
        text.clear();
        int* offsets = offsets_.data() + static_cast<std::size_t>(sourceRow) * slotStride();
        for (std::size_t slot = 0; slot < visibleCols_.size(); ++slot) {
            offsets[slot] = static_cast<int>(text.size());
            text += foldForSearch(displayText(sourceRow, visibleCols_[slot]));
            text += kSeparator;
        }
        offsets[visibleCols_.size()] = static_cast<int>(text.size());
        text.squeeze();
        built_[sourceRow] = 1;
    }
    return text;
}

QStringView GridModel::cellText(int sourceRow, int slot) const {
    const QString& text = rowText(sourceRow);
    const int* offsets = offsets_.data() + static_cast<std::size_t>(sourceRow) * slotStride();
    return QStringView(text).mid(offsets[slot], offsets[slot + 1] - offsets[slot] - 1);
}

QString GridModel::displayText(int sourceRow, int column) const {
    const Column& c = cols_.at(column);
    if (!source_ || c.source < 0)
        return {};
    return formatValue(source_->data(source_->index(sourceRow, c.source), Qt::DisplayRole),
                       c.spec.displayFormat);
}

// ---------------------------------------------------------------- filtering

void GridModel::setFindText(const QString& text) {
    if (text == findText_)
        return;
    // Typing on at the end only removes records: filter what is displayed.
    const bool narrowing =
        !findText_.isEmpty() && text.startsWith(findText_) && orderValid_ && !refilterQueued_;
    change([&] { findText_ = text; }, narrowing);
}

void GridModel::setColumnFilter(int column, const QString& text) {
    Column& c = cols_.at(column);
    if (c.filterText == text)
        return;
    const bool narrowing = !c.filterText.trimmed().isEmpty() && text.startsWith(c.filterText) &&
                           !c.filter.needsValue() && orderValid_ && !refilterQueued_ &&
                           !text.contains(QLatin1Char('*')) && !text.contains(QLatin1Char('?')) &&
                           !text.contains(QStringLiteral(".."));
    const ColumnFilter filter(text);
    change(
        [&] {
            c.filterText = text;
            c.filter = filter;
        },
        narrowing && !filter.needsValue() && !filter.isEmpty());
}

void GridModel::clearFilters() {
    change([&] {
        findText_.clear();
        for (Column& c : cols_) {
            c.filterText.clear();
            c.filter = ColumnFilter();
        }
    });
}

bool GridModel::anyColumnFilter() const {
    return std::any_of(cols_.begin(), cols_.end(),
                       [](const Column& c) { return !c.filter.isEmpty(); });
}

bool GridModel::passes(int sourceRow, const QStringList& words,
                       const std::vector<std::pair<int, int>>& filters) const {
    if (!words.isEmpty()) {
        const QStringView text(rowText(sourceRow));
        for (const QString& w : words)
            if (!text.contains(w))
                return false;
    }
    for (const auto& [slot, column] : filters) {
        const Column& c = cols_[column];
        const QVariant value =
            c.filter.needsValue() && c.source >= 0
                ? source_->data(source_->index(sourceRow, c.source), Qt::EditRole)
                : QVariant();
        if (!c.filter.matches(cellText(sourceRow, slot), value))
            return false;
    }
    return true;
}

void GridModel::refilter(bool narrowing) {
    change([] {}, narrowing);
}

void GridModel::change(const std::function<void()>& apply, bool narrowing) {
    // The view reads the old rows until the reset begins: change nothing before it.
    beginResetModel();
    apply();
    refilterInside(narrowing);
    endResetModel();
    emit displayChanged();
}

void GridModel::refilterInside(bool narrowing) {
    refilterQueued_ = false;
    if (!orderValid_) {
        rebuildOrder();
        narrowing = false;
    }
    const QStringList words = searchWords(findText_);
    std::vector<std::pair<int, int>> filters;
    for (std::size_t slot = 0; slot < visibleCols_.size(); ++slot)
        if (!cols_[visibleCols_[slot]].filter.isEmpty())
            filters.emplace_back(static_cast<int>(slot), visibleCols_[slot]);

    if (words.isEmpty() && filters.empty()) {
        rows_ = order_;
    } else {
        std::vector<int> kept;
        const std::vector<int>& candidates = narrowing ? rows_ : order_;
        kept.reserve(candidates.size());
        for (int r : candidates)
            if (passes(r, words, filters))
                kept.push_back(r);
        rows_.swap(kept);
    }
    positions_.assign(source_ ? source_->rowCount() : 0, -1);
    for (std::size_t p = 0; p < rows_.size(); ++p)
        positions_[rows_[p]] = static_cast<int>(p);
    sums_.clear();
    lastStyled_ = -1;
    buildGroups();
}

// ---------------------------------------------------------------- order and groups

void GridModel::sort(int column, Qt::SortOrder order) {
    setSortState(column,
                 order == Qt::AscendingOrder ? SortState::Ascending : SortState::Descending);
}

void GridModel::setSortState(int column, SortState state) {
    change([&] {
        if (column < 0 || state == SortState::None) {
            sortColumn_ = -1;
            sortState_ = SortState::None;
        } else {
            sortColumn_ = column;
            sortState_ = state;
        }
        orderValid_ = false;
    });
}

SortState GridModel::sortState(int column) const {
    return column == sortColumn_ ? sortState_ : SortState::None;
}

void GridModel::setGroupColumns(const QList<int>& columns) {
    change([&] {
        groupCols_ = columns;
        orderValid_ = false;
    });
}

void GridModel::setGroupDescending(bool descending) {
    change([&] {
        groupDescending_ = descending;
        orderValid_ = false;
    });
}

void GridModel::rebuildOrder() {
    const int n = source_ ? source_->rowCount() : 0;
    order_.resize(n);
    std::iota(order_.begin(), order_.end(), 0);
    orderValid_ = true;

    std::vector<std::pair<int, bool>> keyCols; // grid column, descending
    for (int g : groupCols_)
        keyCols.emplace_back(g, groupDescending_);
    if (sortColumn_ >= 0 && !groupCols_.contains(sortColumn_))
        keyCols.emplace_back(sortColumn_, sortState_ == SortState::Descending);
    if (keyCols.empty() || n == 0)
        return;

    QCollator collator{QLocale(QLocale::Spanish, QLocale::Mexico)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<ColumnKeys> keys(keyCols.size());
    for (std::size_t k = 0; k < keyCols.size(); ++k) {
        const Column& c = cols_.at(keyCols[k].first);
        ColumnKeys& key = keys[k];
        key.descending = keyCols[k].second;
        key.present.assign(n, 0);
        if (c.source < 0)
            continue;
        std::vector<QVariant> values(n);
        bool numeric = true;
        for (int r = 0; r < n; ++r) {
            values[r] = source_->data(source_->index(r, c.source), Qt::EditRole);
            const QVariant& v = values[r];
            if (v.isValid() && !v.isNull()) {
                key.present[r] = 1;
                const int t = v.typeId();
                if (!isNumeric(v) && t != QMetaType::QDate && t != QMetaType::QDateTime)
                    numeric = false;
            }
        }
        key.kind = numeric ? ColumnKeys::Kind::Number : ColumnKeys::Kind::Text;
        if (numeric) {
            key.numbers.assign(n, 0.0);
            for (int r = 0; r < n; ++r) {
                const QVariant& v = values[r];
                if (!key.present[r])
                    continue;
                if (v.typeId() == QMetaType::QDate)
                    key.numbers[r] = static_cast<double>(v.toDate().toJulianDay());
                else if (v.typeId() == QMetaType::QDateTime)
                    key.numbers[r] = static_cast<double>(v.toDateTime().toMSecsSinceEpoch());
                else
                    key.numbers[r] = v.toDouble();
            }
        } else {
            key.texts.reserve(n);
            for (int r = 0; r < n; ++r)
                key.texts.push_back(collator.sortKey(displayText(r, keyCols[k].first)));
        }
    }
    std::stable_sort(order_.begin(), order_.end(), [&keys](int a, int b) {
        for (const ColumnKeys& key : keys)
            if (const int c = key.compare(a, b))
                return c < 0;
        return false;
    });
}

void GridModel::buildGroups() {
    groups_.clear();
    topGroups_.clear();
    innerGroups_.clear();
    if (groupCols_.isEmpty())
        return;
    const int levels = static_cast<int>(groupCols_.size());
    std::vector<int> open(levels, -1); // group open at each level
    std::vector<QString> openText(levels);
    for (int p = 0; p < static_cast<int>(rows_.size()); ++p) {
        const int r = rows_[p];
        bool changed = false;
        for (int level = 0; level < levels; ++level) {
            const QString text = displayText(r, groupCols_[level]);
            if (!changed && open[level] >= 0 && text == openText[level]) {
                ++groups_[open[level]].count;
                continue;
            }
            changed = true;
            Group g;
            g.level = level;
            g.text = text;
            g.first = p;
            g.count = 1;
            g.parent = level == 0 ? -1 : open[level - 1];
            const int id = static_cast<int>(groups_.size());
            if (g.parent < 0) {
                g.row = static_cast<int>(topGroups_.size());
                topGroups_.push_back(id);
            } else {
                g.row = static_cast<int>(groups_[g.parent].children.size());
                groups_[g.parent].children.push_back(id);
            }
            groups_.push_back(std::move(g));
            open[level] = id;
            openText[level] = text;
            if (level == levels - 1)
                innerGroups_.push_back(id);
        }
    }
}

// ---------------------------------------------------------------- reading

int GridModel::positionOf(int sourceRow) const {
    return sourceRow >= 0 && sourceRow < static_cast<int>(positions_.size()) ? positions_[sourceRow]
                                                                             : -1;
}

GridModel::Node GridModel::node(const QModelIndex& index) const {
    if (!index.isValid())
        return {};
    const quintptr parentId = index.internalId();
    if (parentId == 0) {
        if (!groupCols_.isEmpty())
            return {topGroups_[index.row()], -1};
        return {-1, index.row()};
    }
    const Group& parent = groups_[parentId - 1];
    if (!parent.children.empty())
        return {parent.children[index.row()], -1};
    return {-1, parent.first + index.row()};
}

int GridModel::sourceRow(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return -1;
    const Node n = node(index);
    return n.group >= 0 ? -1 : rows_[n.position];
}

bool GridModel::isGroup(const QModelIndex& index) const {
    return index.isValid() && node(index).group >= 0;
}

int GridModel::recordPosition(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return -1;
    const Node n = node(index);
    return n.group >= 0 ? groups_[n.group].first : n.position;
}

QModelIndex GridModel::indexOfSourceRow(int sourceRow, int column) const {
    const int p = positionOf(sourceRow);
    if (p < 0)
        return {};
    if (groupCols_.isEmpty())
        return createIndex(p, column, quintptr(0));
    // The innermost group holding the position.
    auto it = std::upper_bound(innerGroups_.begin(), innerGroups_.end(), p,
                               [this](int pos, int g) { return pos < groups_[g].first; });
    const int g = *std::prev(it);
    return createIndex(p - groups_[g].first, column, quintptr(g + 1));
}

QString GridModel::groupPath(const QModelIndex& index) const {
    int g = node(index).group;
    QStringList parts;
    while (g >= 0) {
        parts.prepend(groups_[g].text);
        g = groups_[g].parent;
    }
    return parts.join(kSeparator);
}

QModelIndex GridModel::indexOfGroupPath(const QString& path) const {
    const QStringList parts = path.split(kSeparator);
    const std::vector<int>* level = &topGroups_;
    QModelIndex found;
    for (const QString& part : parts) {
        const auto it = std::find_if(level->begin(), level->end(),
                                     [&](int g) { return groups_[g].text == part; });
        if (it == level->end())
            return {};
        const Group& g = groups_[*it];
        found = createIndex(g.row, 0, quintptr(g.parent + 1));
        level = &g.children;
    }
    return found;
}

double GridModel::sum(int column) const {
    if (sums_.empty())
        sums_.assign(cols_.size(), std::nullopt);
    std::optional<double>& cached = sums_[column];
    if (!cached) {
        double total = 0;
        const int sc = cols_.at(column).source;
        if (sc >= 0)
            for (int r : rows_)
                total += source_->data(source_->index(r, sc), Qt::EditRole).toDouble();
        cached = total;
    }
    return *cached;
}

QString GridModel::footerText(int column) const {
    const GridColumn& spec = cols_.at(column).spec;
    if (!spec.footerSum)
        return {};
    return formatNumber(sum(column),
                        spec.footerFormat.isEmpty() ? spec.displayFormat : spec.footerFormat);
}

void GridModel::forEachRow(const std::function<void(const GridRowInfo&)>& visit) const {
    const int levels = static_cast<int>(groupCols_.size());
    auto record = [&](int position) {
        GridRowInfo info;
        info.level = levels;
        info.sourceRow = rows_[position];
        visit(info);
    };
    std::function<void(int)> group = [&](int id) {
        const Group& g = groups_[id];
        GridRowInfo info;
        info.isGroup = true;
        info.level = g.level;
        info.column = groupCols_[g.level];
        info.caption = cols_[info.column].spec.caption;
        info.text = g.text;
        info.recordCount = g.count;
        visit(info);
        if (!g.children.empty())
            for (int child : g.children)
                group(child);
        else
            for (int p = g.first; p < g.first + g.count; ++p)
                record(p);
    };
    if (levels == 0)
        for (int p = 0; p < static_cast<int>(rows_.size()); ++p)
            record(p);
    else
        for (int id : topGroups_)
            group(id);
}

// ---------------------------------------------------------------- QAbstractItemModel

QModelIndex GridModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= columnCount() || row >= rowCount(parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, quintptr(0));
    return createIndex(row, column, quintptr(node(parent).group + 1));
}

QModelIndex GridModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == 0)
        return {};
    const Group& g = groups_[child.internalId() - 1];
    return createIndex(g.row, 0, quintptr(g.parent + 1));
}

int GridModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return groupCols_.isEmpty() ? static_cast<int>(rows_.size())
                                    : static_cast<int>(topGroups_.size());
    if (parent.column() != 0)
        return 0;
    const Node n = node(parent);
    if (n.group < 0)
        return 0;
    const Group& g = groups_[n.group];
    return g.children.empty() ? g.count : static_cast<int>(g.children.size());
}

int GridModel::columnCount(const QModelIndex&) const {
    return static_cast<int>(cols_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !source_)
        return {};
    const Node n = node(index);
    if (n.group >= 0) {
        const Group& g = groups_[n.group];
        switch (role) {
        case Qt::DisplayRole:
            if (index.column() != 0)
                return {};
            return QStringLiteral("%1: %2 (%3 %4)")
                .arg(cols_[groupCols_[g.level]].spec.caption, g.text)
                .arg(g.count)
                .arg(g.count == 1 ? QStringLiteral("registro") : QStringLiteral("registros"));
        case IsGroupRole:
            return true;
        case GroupLevelRole:
            return g.level;
        case Qt::BackgroundRole:
            return groupBackground(g.level);
        case Qt::FontRole: {
            QFont f;
            f.setBold(true);
            return f;
        }
        default:
            return {};
        }
    }
    const int r = rows_[n.position];
    const Column& c = cols_[index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return displayText(r, index.column());
    case IsGroupRole:
        return false;
    case Qt::TextAlignmentRole: {
        if (c.source < 0)
            return {};
        const QVariant v = source_->data(source_->index(r, c.source), Qt::EditRole);
        return isNumeric(v) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                            : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
    case Qt::FontRole: {
        if (!styler_)
            return {};
        if (lastStyled_ != r || lastStyledColumn_ != index.column()) {
            lastStyle_ = CellStyle{};
            styler_(r, index.column(), lastStyle_);
            lastStyled_ = r;
            lastStyledColumn_ = index.column();
        }
        if (role == Qt::FontRole)
            return lastStyle_.font ? QVariant(*lastStyle_.font) : QVariant();
        const QColor& colour =
            role == Qt::BackgroundRole ? lastStyle_.background : lastStyle_.foreground;
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    default:
        if (c.source < 0)
            return {};
        return source_->data(source_->index(r, c.source), role);
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return cols_[section].spec.caption;
    if (role == CursorModel::FieldNameRole)
        return cols_[section].spec.fieldName;
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!isGroup(index))
        f |= Qt::ItemNeverHasChildren;
    return f;
}

void GridModel::setCellStyler(CellStyler styler) {
    styler_ = std::move(styler);
    lastStyled_ = -1;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace orva::platform
