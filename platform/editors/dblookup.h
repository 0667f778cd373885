#pragma once
#include "platform/editors/boundeditor.h"

#include <QComboBox>
#include <QPointer>
#include <QStringList>

namespace orva::platform {

/// Drop-down list fed by a model (a lookup dataset): the field takes the chosen row's
/// key, the list shows several fields of each row, and the box shows the first of them.
class DbLookup : public QComboBox, public BoundEditor {
    Q_OBJECT
public:
    explicit DbLookup(QWidget* parent = nullptr);
    DbLookup(const QString& field, QWidget* parent = nullptr);

    /// `listFields`: the columns shown in the list, the first one also in the box.
    void setLookup(QAbstractItemModel* model, const QString& keyField,
                   const QStringList& listFields);
    QString keyField() const { return keyField_; }
    QStringList listFields() const { return listFields_; }

    /// The key of the chosen row; null when none is chosen.
    QVariant editorValue() const override;
    /// Chooses the row whose key equals `value` (compared as text); none when absent.
    void setEditorValue(const QVariant& value) override;
    QWidget* widget() override { return this; }
    /// Key of a row of the lookup model.
    QVariant keyAt(int row) const;

private:
    void layoutColumns();

    QPointer<QAbstractItemModel> lookup_;
    QString keyField_;
    QStringList listFields_;
    int keyColumn_ = -1;
    QVariant kept_;
};

} // namespace orva::platform
