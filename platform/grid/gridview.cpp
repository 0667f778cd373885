#include "platform/grid/gridview.h"

#include "platform/grid/columnchooser.h"
#include "platform/grid/cursormodel.h"
#include "platform/grid/filterheader.h"
#include "platform/grid/gridfooter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace orva::platform {
namespace {

constexpr int kSampleRows = 60;
constexpr int kMinWidth = 40;
constexpr int kMaxNaturalWidth = 350;

/// The records area: group rows are drawn as one band of text across the whole row.
class GridTree : public QTreeView {
public:
    GridTree(GridModel* model, QWidget* parent) : QTreeView(parent), model_(model) {}

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override {
        QTreeView::drawRow(painter, option, index);
        if (!model_->isGroup(index))
            return;
        int firstLogical = -1;
        for (int v = 0; v < header()->count() && firstLogical < 0; ++v)
            if (!header()->isSectionHidden(header()->logicalIndex(v)))
                firstLogical = header()->logicalIndex(v);
        const int level = index.data(GridModel::GroupLevelRole).toInt();
        const int left = (firstLogical >= 0 ? header()->sectionViewportPosition(firstLogical) : 0) +
                         indentation() * (level + 1) + 4;
        const QRect band(left, option.rect.top(), viewport()->width() - left - 4,
                         option.rect.height());
        painter->save();
        QFont bold = option.font;
        bold.setBold(true);
        painter->setFont(bold);
        const bool selected = selectionModel() && selectionModel()->isSelected(index);
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QString text = model_->data(model_->index(index.row(), 0, index.parent())).toString();
        painter->drawText(band, Qt::AlignLeft | Qt::AlignVCenter,
                          QFontMetrics(bold).elidedText(text, Qt::ElideRight, band.width()));
        painter->restore();
    }

private:
    GridModel* model_;
};

/// Leaves group rows' text to GridTree and wraps text when rows fit their content.
class GridDelegate : public QStyledItemDelegate {
public:
    GridDelegate(QTreeView* tree, const bool* fitRows)
        : QStyledItemDelegate(tree), tree_(tree), fitRows_(fitRows) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(GridModel::IsGroupRole).toBool())
            option->text.clear();
        else if (*fitRows_)
            option->features |= QStyleOptionViewItem::WrapText;
        else // one line per record until rows fit their content (the base class has
             // turned line breaks into line separators)
            option->text.replace(QChar::LineSeparator, QLatin1Char(' '));
    }

public:
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (*fitRows_ && !index.data(GridModel::IsGroupRole).toBool()) {
            QFont font = option.font;
            const QVariant f = index.data(Qt::FontRole);
            if (f.isValid())
                font = f.value<QFont>();
            const int width = std::max(20, tree_->header()->sectionSize(index.column()) - 8);
            const QRect bounds = QFontMetrics(font).boundingRect(
                QRect(0, 0, width, 100000), Qt::TextWordWrap, index.data().toString());
            size.setHeight(std::max(size.height(), bounds.height() + 6));
        }
        return size;
    }

private:
    QTreeView* tree_;
    const bool* fitRows_;
};

} // namespace

GridView::GridView(QWidget* parent)
    : QWidget(parent), model_(new GridModel(this)), tree_(new GridTree(model_, this)),
      header_(new FilterHeader(tree_)), findEdit_(new QLineEdit(this)),
      findTimer_(new QTimer(this)), counter_(new QLabel(this)), groupPanel_(new QLabel(this)),
      ungroupButton_(new QPushButton(QStringLiteral("Quitar agrupación"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    // Find panel, always shown.
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(new QLabel(QStringLiteral("Buscar:"), this));
    findEdit_->setObjectName(QStringLiteral("buscar"));
    findEdit_->setPlaceholderText(QStringLiteral("Escriba para buscar en las columnas visibles…"));
    findEdit_->setClearButtonEnabled(true);
    findRow->addWidget(findEdit_, 1);
    auto* findButton = new QPushButton(QStringLiteral("Buscar"), this);
    auto* clearButton = new QPushButton(QStringLiteral("Limpiar"), this);
    findRow->addWidget(findButton);
    findRow->addWidget(clearButton);
    layout->addLayout(findRow);

    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(groupPanel_, 1);
    groupRow->addWidget(ungroupButton_);
    groupPanel_->hide();
    ungroupButton_->hide();
    layout->addLayout(groupRow);

    tree_->setHeader(header_);
    tree_->setModel(model_);
    tree_->setItemDelegate(new GridDelegate(tree_, &fitRows_));
    tree_->setUniformRowHeights(true);
    tree_->setRootIsDecorated(false);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree_->setAllColumnsShowFocus(true);
    tree_->setAlternatingRowColors(true);
    tree_->setExpandsOnDoubleClick(true);
    header_->setSectionsClickable(true); // the tree turns it off without its own sorting
    header_->setSortIndicatorShown(true);
    header_->setContextMenuPolicy(Qt::CustomContextMenu);
    header_->setStretchLastSection(false);
    layout->addWidget(tree_, 1);

    footer_ = new GridFooter(model_, header_, this);
    footer_->hide();
    layout->addWidget(footer_);
    counter_->setObjectName(QStringLiteral("contador"));
    layout->addWidget(counter_);

    findTimer_->setSingleShot(true);
    connect(findEdit_, &QLineEdit::textEdited, this, [this] { findTimer_->start(findPause_); });
    connect(findTimer_, &QTimer::timeout, this, [this] { model_->setFindText(findEdit_->text()); });
    auto findNow = [this] {
        findTimer_->stop();
        model_->setFindText(findEdit_->text());
    };
    connect(findEdit_, &QLineEdit::returnPressed, this, findNow);
    connect(findButton, &QPushButton::clicked, this, findNow);
    connect(clearButton, &QPushButton::clicked, this, [this] { setFindText({}); });
    connect(header_, &FilterHeader::filterChanged, model_, &GridModel::setColumnFilter);
    connect(header_, &QHeaderView::sectionClicked, this, [this](int column) {
        if (model_->groupColumns().contains(column)) {
            setGroupDescending(!model_->groupDescending());
            return;
        }
        sortBy(column, model_->sortState(column) == SortState::Ascending ? SortState::Descending
                                                                         : SortState::Ascending);
    });
    connect(header_, &QWidget::customContextMenuRequested, this, &GridView::headerMenu);
    connect(ungroupButton_, &QPushButton::clicked, this, [this] { setGroupColumns({}); });

    // After the tree's own handling of the reset (connected first by setModel).
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, &GridView::aboutToReset);
    connect(model_, &QAbstractItemModel::modelReset, this, &GridView::afterReset);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onCurrentChanged(current); });
    connect(tree_, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { expanded_.insert(model_->groupPath(index)); });
    connect(tree_, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        expanded_.remove(model_->groupPath(index));
        allExpanded_ = false;
    });
    connect(tree_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        const int row = model_->sourceRow(index);
        if (row < 0)
            return;
        if (toggleOnDoubleClick_)
            setRowHeightFitsContent(!fitRows_);
        emit cellDoubleClicked(row, index.column());
    });
    connect(tree_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        header_->placeEdits();
        footer_->update();
    });
    footer_->setLeftMargin(tree_->frameWidth());

    // Ctrl+F goes to the find panel; Esc there clears the search.
    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        findEdit_->setFocus(Qt::ShortcutFocusReason);
        findEdit_->selectAll();
    });
    auto* clearFind = new QShortcut(QKeySequence(Qt::Key_Escape), findEdit_);
    clearFind->setContext(Qt::WidgetShortcut);
    connect(clearFind, &QShortcut::activated, this, [this] { setFindText({}); });
    updateCounter();
}

GridView::~GridView() = default;

QTreeView* GridView::treeView() const {
    return tree_;
}
QAbstractItemModel* GridView::model() const {
    return source_;
}

void GridView::setModel(QAbstractItemModel* model) {
    if (cursor_)
        disconnect(cursor_, nullptr, this, nullptr);
    source_ = model;
    cursor_ = qobject_cast<CursorModel*>(model);
    if (cursor_)
        connect(cursor_, &CursorModel::currentRowChanged, this, &GridView::followCursor);
    model_->setSourceModel(model);
}

void GridView::setColumns(const QList<GridColumn>& columns) {
    widths_.clear();
    for (const GridColumn& c : columns)
        widths_ << c.width;
    model_->setColumns(columns);
}

// ---------------------------------------------------------------- columns

void GridView::setColumnVisible(int column, bool visible) {
    if (column < 0 || column >= model_->columnCount())
        return;
    if (!visible)
        header_->setFilterText(column, {});
    model_->setColumnVisible(column, visible);
    header_->setSectionHidden(column, !visible);
    fitColumns();
}

bool GridView::isColumnVisible(int column) const {
    return model_->isColumnVisible(column);
}

void GridView::setColumnWidth(int column, int width) {
    while (widths_.size() <= column)
        widths_ << 0;
    widths_[column] = width;
    fitColumns();
}

void GridView::setFooterSum(int column, bool on, const QString& format) {
    model_->setFooterSum(column, on, format);
    bool any = false;
    for (int c = 0; c < model_->columnCount(); ++c)
        any = any || model_->column(c).footerSum;
    footer_->setVisible(any);
    footer_->update();
}

void GridView::setAutoColumnWidths(bool on) {
    autoWidths_ = on;
    tree_->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    fitColumns();
}

QList<int> GridView::naturalWidths() const {
    QList<int> widths;
    const QFontMetrics fm(tree_->font());
    const int sample = std::min(model_->recordCount(), kSampleRows);
    for (int column = 0; column < model_->columnCount(); ++column) {
        if (column < widths_.size() && widths_[column] > 0) {
            widths << widths_[column];
            continue;
        }
        int w = fm.horizontalAdvance(model_->column(column).caption) + 28;
        for (int p = 0; p < sample; ++p)
            w = std::max(
                w, fm.horizontalAdvance(model_->displayText(model_->sourceRowAt(p), column)) + 14);
        widths << std::clamp(w, kMinWidth, kMaxNaturalWidth);
    }
    return widths;
}

void GridView::fitColumns() {
    const QList<int> natural = naturalWidths();
    QList<int> visible;
    int total = 0;
    for (int column = 0; column < natural.size(); ++column)
        if (model_->isColumnVisible(column)) {
            visible << column;
            total += natural[column];
        }
    const int available = tree_->viewport()->width();
    if (!autoWidths_ || visible.isEmpty() || available <= 0 || total <= 0) {
        for (int column : visible)
            header_->resizeSection(column, natural[column]);
        return;
    }
    int used = 0;
    for (int i = 0; i < visible.size(); ++i) {
        const int column = visible[i];
        const int w = i + 1 == visible.size()
                          ? std::max(kMinWidth / 2, available - used)
                          : std::max(kMinWidth / 2, natural[column] * available / total);
        header_->resizeSection(column, w);
        used += w;
    }
}

void GridView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (autoWidths_)
        QTimer::singleShot(0, this, &GridView::fitColumns);
}

// ---------------------------------------------------------------- find, filter, sort, groups

void GridView::setFindText(const QString& text) {
    findTimer_->stop();
    findEdit_->setText(text);
    model_->setFindText(text);
}

void GridView::setColumnFilter(int column, const QString& text) {
    header_->setFilterText(column, text);
    model_->setColumnFilter(column, text);
}

void GridView::setFilterRowVisible(bool visible) {
    if (!visible)
        for (int column = 0; column < model_->columnCount(); ++column)
            setColumnFilter(column, {});
    header_->setFilterRowVisible(visible);
}

void GridView::sortBy(int column, SortState state) {
    model_->setSortState(column, state);
    if (state == SortState::None || column < 0)
        header_->setSortIndicator(-1, Qt::AscendingOrder);
    else
        header_->setSortIndicator(column, state == SortState::Ascending ? Qt::AscendingOrder
                                                                        : Qt::DescendingOrder);
}

void GridView::setGroupColumns(const QList<int>& columns) {
    expanded_.clear();
    allExpanded_ = false;
    model_->setGroupColumns(columns);
}

void GridView::setGroupDescending(bool descending) {
    model_->setGroupDescending(descending);
}

void GridView::expandAll() {
    allExpanded_ = true;
    tree_->expandAll();
}

void GridView::collapseAll() {
    allExpanded_ = false;
    expanded_.clear();
    tree_->collapseAll();
}

void GridView::updateGroupPanel() {
    const QList<int> groups = model_->groupColumns();
    QStringList captions;
    for (int column : groups)
        captions << model_->column(column).caption;
    groupPanel_->setText(
        QStringLiteral("Agrupado por: %1%2")
            .arg(captions.join(QStringLiteral(" › ")),
                 model_->groupDescending() ? QStringLiteral(" (descendente)") : QString()));
    groupPanel_->setVisible(!groups.isEmpty());
    ungroupButton_->setVisible(!groups.isEmpty());
    tree_->setRootIsDecorated(!groups.isEmpty());
}

// ---------------------------------------------------------------- focus and counter

void GridView::setRowHeightFitsContent(bool on) {
    if (fitRows_ == on)
        return;
    fitRows_ = on;
    tree_->setWordWrap(on);
    tree_->setUniformRowHeights(!on);
    tree_->doItemsLayout();
    tree_->viewport()->update();
}

int GridView::currentSourceRow() const {
    return model_->sourceRow(tree_->currentIndex());
}

void GridView::setCurrentSourceRow(int sourceRow) {
    const QModelIndex index = model_->indexOfSourceRow(sourceRow);
    if (!index.isValid())
        return;
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
        tree_->expand(p);
    tree_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    tree_->scrollTo(index);
}

QList<int> GridView::selectedSourceRows() const {
    QList<int> rows;
    for (const QModelIndex& index : tree_->selectionModel()->selectedRows())
        if (const int row = model_->sourceRow(index); row >= 0)
            rows << row;
    std::sort(rows.begin(), rows.end(),
              [this](int a, int b) { return model_->positionOf(a) < model_->positionOf(b); });
    return rows;
}

void GridView::onCurrentChanged(const QModelIndex& current) {
    const int row = model_->sourceRow(current);
    if (row >= 0 && cursor_ && !syncing_ && cursor_->currentRow() != row) {
        syncing_ = true;
        cursor_->setCurrentRow(row);
        syncing_ = false;
    }
    updateCounter();
    if (row >= 0)
        emit currentSourceRowChanged(row);
}

void GridView::followCursor(int sourceRow) {
    if (syncing_ || sourceRow == currentSourceRow())
        return;
    syncing_ = true;
    setCurrentSourceRow(sourceRow);
    syncing_ = false;
}

void GridView::aboutToReset() {
    keptRow_ = cursor_ ? cursor_->currentRow() : currentSourceRow();
}

void GridView::afterReset() {
    updateGroupPanel();
    if (allExpanded_) {
        tree_->expandAll();
    } else {
        const QSet<QString> paths = expanded_;
        for (const QString& path : paths)
            if (const QModelIndex index = model_->indexOfGroupPath(path); index.isValid())
                tree_->expand(index);
    }
    // Column count changes (new model, new columns) bring declared visibility and widths.
    for (int column = 0; column < model_->columnCount(); ++column)
        header_->setSectionHidden(column, !model_->isColumnVisible(column));
    if (header_->property("fittedColumns").toInt() != model_->columnCount() ||
        header_->property("fittedModel").value<void*>() != source_) {
        header_->setProperty("fittedColumns", model_->columnCount());
        header_->setProperty("fittedModel", QVariant::fromValue<void*>(source_));
        fitColumns();
    }
    // The focused record stays focused when still displayed; otherwise the first record
    // takes the focus (and the dataset follows it).
    int row = cursor_ ? cursor_->currentRow() : keptRow_;
    if (model_->positionOf(row) < 0)
        row = -1;
    if (row < 0 && model_->recordCount() > 0) {
        if (model_->groupColumns().isEmpty())
            row = model_->sourceRowAt(0);
        else
            tree_->setCurrentIndex(model_->index(0, 0));
    }
    if (row >= 0)
        setCurrentSourceRow(row);
    updateCounter();
}

QString GridView::counterText() const {
    const int position = model_->recordPosition(tree_->currentIndex());
    return QStringLiteral("Registro %1 de %2").arg(position + 1).arg(model_->recordCount());
}

void GridView::updateCounter() {
    counter_->setText(counterText());
}

// ---------------------------------------------------------------- printing and export

GridColumnInfo GridView::info(int column) const {
    const GridColumn& spec = model_->column(column);
    GridColumnInfo info;
    info.column = column;
    info.fieldName = spec.fieldName;
    info.caption = spec.caption;
    info.width = header_->sectionSize(column);
    info.tag = spec.tag;
    info.displayFormat = spec.displayFormat;
    info.groupIndex = static_cast<int>(model_->groupColumns().indexOf(column));
    info.sort = info.groupIndex >= 0
                    ? (model_->groupDescending() ? SortState::Descending : SortState::Ascending)
                    : model_->sortState(column);
    return info;
}

QList<GridColumnInfo> GridView::visibleColumns() const {
    QList<GridColumnInfo> columns;
    for (int visual = 0; visual < header_->count(); ++visual) {
        const int column = header_->logicalIndex(visual);
        if (model_->isColumnVisible(column))
            columns << info(column);
    }
    return columns;
}

QList<GridColumnInfo> GridView::groupedColumns() const {
    QList<GridColumnInfo> columns;
    for (int column : model_->groupColumns())
        columns << info(column);
    return columns;
}

// ---------------------------------------------------------------- menus

void GridView::showColumnChooser() {
    auto* chooser = new ColumnChooser(this, this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->show();
}

void GridView::headerMenu(const QPoint& pos) {
    const int column = header_->logicalIndexAt(pos);
    QMenu menu(this);
    if (column >= 0) {
        menu.addAction(QStringLiteral("Ordenar ascendente"), this,
                       [this, column] { sortBy(column, SortState::Ascending); });
        menu.addAction(QStringLiteral("Ordenar descendente"), this,
                       [this, column] { sortBy(column, SortState::Descending); });
        menu.addAction(QStringLiteral("Quitar orden"), this,
                       [this] { sortBy(-1, SortState::None); });
        menu.addSeparator();
        if (!model_->groupColumns().contains(column))
            menu.addAction(QStringLiteral("Agrupar por esta columna"), this,
                           [this, column] { setGroupColumns(model_->groupColumns() << column); });
    }
    if (!model_->groupColumns().isEmpty()) {
        menu.addAction(QStringLiteral("Quitar agrupación"), this, [this] { setGroupColumns({}); });
        QAction* descending = menu.addAction(QStringLiteral("Grupos en orden descendente"));
        descending->setCheckable(true);
        descending->setChecked(model_->groupDescending());
        connect(descending, &QAction::toggled, this, &GridView::setGroupDescending);
        menu.addAction(QStringLiteral("Expandir todo"), this, &GridView::expandAll);
        menu.addAction(QStringLiteral("Contraer todo"), this, &GridView::collapseAll);
    }
    menu.addSeparator();
    if (column >= 0)
        menu.addAction(QStringLiteral("Ocultar columna"), this,
                       [this, column] { setColumnVisible(column, false); });
    menu.addAction(QStringLiteral("Selector de columnas…"), this, &GridView::showColumnChooser);
    QAction* fit = menu.addAction(QStringLiteral("Ajustar altura de filas al contenido"));
    fit->setCheckable(true);
    fit->setChecked(fitRows_);
    connect(fit, &QAction::toggled, this, &GridView::setRowHeightFitsContent);
    menu.exec(header_->mapToGlobal(pos));
}

} // namespace orva::platform
