#include "platform/editors/boundeditor.h"

#include "platform/grid/cursormodel.h"

#include <QAbstractItemModel>

namespace orva::platform {

int columnOfField(const QAbstractItemModel* model, const QString& field) {
    if (!model)
        return -1;
    for (int column = 0; column < model->columnCount(); ++column) {
        QVariant name = model->headerData(column, Qt::Horizontal, CursorModel::FieldNameRole);
        if (!name.isValid() || name.toString().isEmpty())
            name = model->headerData(column, Qt::Horizontal, Qt::DisplayRole);
        if (name.toString().compare(field, Qt::CaseInsensitive) == 0)
            return column;
    }
    return -1;
}

} // namespace orva::platform
