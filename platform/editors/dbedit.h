#pragma once
#include "platform/editors/boundeditor.h"

#include <QLineEdit>

namespace orva::platform {

/// One-line text editor bound to a field; optionally turns what is typed to upper case.
class DbEdit : public QLineEdit, public BoundEditor {
    Q_OBJECT
public:
    explicit DbEdit(QWidget* parent = nullptr);
    DbEdit(const QString& field, QWidget* parent = nullptr);

    void setUpperCase(bool on);
    bool upperCase() const { return upperCase_; }

    QVariant editorValue() const override { return text(); }
    void setEditorValue(const QVariant& value) override;
    QWidget* widget() override { return this; }
    bool isReadOnlyEditor() const override { return isReadOnly(); }
    void limitLength(int characters) override {
        if (characters < maxLength())
            setMaxLength(characters);
    }

private:
    bool upperCase_ = false;
};

} // namespace orva::platform
