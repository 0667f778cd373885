#pragma once
#include "platform/editors/boundeditor.h"

#include <QCheckBox>

namespace orva::platform {

/// A yes/no switch over a text field: on writes "Si", off writes "No", and only the exact
/// text "Si" reads as on.
class DbSwitch : public QCheckBox, public BoundEditor {
    Q_OBJECT
public:
    explicit DbSwitch(QWidget* parent = nullptr);
    DbSwitch(const QString& field, const QString& caption, QWidget* parent = nullptr);

    void setValues(const QString& on, const QString& off) {
        on_ = on;
        off_ = off;
    }

    QVariant editorValue() const override { return isChecked() ? on_ : off_; }
    void setEditorValue(const QVariant& value) override { setChecked(value.toString() == on_); }
    QWidget* widget() override { return this; }

private:
    QString on_ = QStringLiteral("Si");
    QString off_ = QStringLiteral("No");
};

} // namespace orva::platform
