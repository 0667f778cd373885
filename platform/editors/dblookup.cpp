#include "platform/editors/dblookup.h"

#include <QHeaderView>
#include <QTreeView>

namespace orva::platform {

DbLookup::DbLookup(QWidget* parent) : QComboBox(parent) {
    auto* view = new QTreeView(this);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->header()->setStretchLastSection(true);
    setView(view);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
}

DbLookup::DbLookup(const QString& field, QWidget* parent) : DbLookup(parent) {
    setFieldName(field);
}

void DbLookup::setLookup(QAbstractItemModel* model, const QString& keyField,
                         const QStringList& listFields) {
    if (lookup_)
        disconnect(lookup_, nullptr, this, nullptr);
    lookup_ = model;
    keyField_ = keyField;
    listFields_ = listFields;
    setModel(model);
    keyColumn_ = columnOfField(model, keyField);
    if (!listFields.isEmpty())
        setModelColumn(std::max(0, columnOfField(model, listFields.first())));
    layoutColumns();
    // A reloaded lookup keeps the chosen key.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { kept_ = editorValue(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        layoutColumns();
        setEditorValue(kept_);
    });
    setCurrentIndex(-1);
}

void DbLookup::layoutColumns() {
    auto* tree = qobject_cast<QTreeView*>(view());
    if (!tree || !lookup_)
        return;
    tree->setHeaderHidden(listFields_.size() < 2);
    QList<int> shown;
    for (const QString& f : listFields_)
        shown << columnOfField(lookup_, f);
    for (int column = 0; column < lookup_->columnCount(); ++column)
        tree->setColumnHidden(column, !shown.contains(column));
    for (int i = 0; i < shown.size(); ++i)
        if (shown[i] >= 0)
            tree->header()->moveSection(tree->header()->visualIndex(shown[i]), i);
    tree->header()->resizeSections(QHeaderView::ResizeToContents);
    int width = 0;
    for (int column : shown)
        if (column >= 0)
            width += tree->header()->sectionSize(column);
    tree->setMinimumWidth(std::max(width + 24, this->width()));
}

QVariant DbLookup::keyAt(int row) const {
    if (!lookup_ || keyColumn_ < 0 || row < 0 || row >= lookup_->rowCount())
        return {};
    return lookup_->data(lookup_->index(row, keyColumn_), Qt::EditRole);
}

QVariant DbLookup::editorValue() const {
    const QVariant key = keyAt(currentIndex());
    return key.isValid() ? key : QVariant();
}

void DbLookup::setEditorValue(const QVariant& value) {
    if (!lookup_ || keyColumn_ < 0 || value.isNull() || !value.isValid()) {
        setCurrentIndex(-1);
        return;
    }
    const QString wanted = value.toString();
    for (int row = 0; row < lookup_->rowCount(); ++row)
        if (keyAt(row).toString() == wanted) {
            setCurrentIndex(row);
            return;
        }
    setCurrentIndex(-1);
}

} // namespace orva::platform
