#pragma once
#include "platform/editors/boundeditor.h"

#include <QLineEdit>

namespace orva::platform {

/// Integer or amount editor: accepts only digits (and the decimals of an amount), may be
/// empty, and shows amounts with their decimals ("1,234.50" read back as 1234.5).
class DbNumberEdit : public QLineEdit, public BoundEditor {
    Q_OBJECT
public:
    enum class Kind { Integer, Amount };
    explicit DbNumberEdit(QWidget* parent = nullptr);
    DbNumberEdit(const QString& field, Kind kind, QWidget* parent = nullptr);

    void setKind(Kind kind, int decimals = 2);
    Kind kind() const { return kind_; }

    /// qlonglong or double; null when empty.
    QVariant editorValue() const override;
    void setEditorValue(const QVariant& value) override;
    QWidget* widget() override { return this; }
    bool isReadOnlyEditor() const override { return isReadOnly(); }

private:
    Kind kind_ = Kind::Integer;
    int decimals_ = 2;
};

} // namespace orva::platform
