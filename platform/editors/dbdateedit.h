#pragma once
#include "platform/editors/boundeditor.h"

#include <QDateEdit>

namespace orva::platform {

/// Date editor (dd/MM/yyyy, calendar popup) that can also hold no date: an empty field
/// shows blank, and Delete or Backspace on a fully selected date empties it.
class DbDateEdit : public QDateEdit, public BoundEditor {
    Q_OBJECT
public:
    explicit DbDateEdit(QWidget* parent = nullptr);
    explicit DbDateEdit(const QString& field, QWidget* parent = nullptr);

    bool isEmpty() const { return date() == minimumDate(); }
    void clearDate() { setDate(minimumDate()); }

    /// QDate, or a null QVariant when empty.
    QVariant editorValue() const override;
    void setEditorValue(const QVariant& value) override;
    QWidget* widget() override { return this; }
    bool isReadOnlyEditor() const override { return isReadOnly(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orva::platform
