#include "platform/grid/columnchooser.h"

#include "platform/grid/gridmodel.h"
#include "platform/grid/gridview.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace orva::platform {

ColumnChooser::ColumnChooser(GridView* grid, QWidget* parent)
    : QDialog(parent), grid_(grid), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Selector de columnas"));
    setObjectName(QStringLiteral("selectorColumnas"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    refresh();
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        grid_->setColumnVisible(item->data(Qt::UserRole).toInt(),
                                item->checkState() == Qt::Checked);
    });
}

void ColumnChooser::refresh() {
    const QSignalBlocker block(list_);
    list_->clear();
    GridModel* model = grid_->gridModel();
    for (int column = 0; column < model->columnCount(); ++column) {
        auto* item = new QListWidgetItem(model->column(column).caption, list_);
        item->setData(Qt::UserRole, column);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(model->isColumnVisible(column) ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace orva::platform
