#pragma once
#include "platform/editors/boundeditor.h"

#include <QPlainTextEdit>

namespace orva::platform {

/// Several-line text editor bound to a field. Tab leaves it (Enter makes a new line).
class DbMemo : public QPlainTextEdit, public BoundEditor {
    Q_OBJECT
public:
    explicit DbMemo(QWidget* parent = nullptr);
    explicit DbMemo(const QString& field, QWidget* parent = nullptr);

    QVariant editorValue() const override { return toPlainText(); }
    void setEditorValue(const QVariant& value) override {
        setPlainText(value.isNull() ? QString() : value.toString());
    }
    QWidget* widget() override { return this; }
    bool isReadOnlyEditor() const override { return isReadOnly(); }
};

} // namespace orva::platform
