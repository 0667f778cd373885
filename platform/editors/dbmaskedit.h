#pragma once
#include "platform/editors/boundeditor.h"
#include "platform/editors/delphimask.h"

#include <QLineEdit>

namespace orva::platform {

/// Text editor with an edit mask written in Delphi notation ("0000;1;_").
class DbMaskEdit : public QLineEdit, public BoundEditor {
    Q_OBJECT
public:
    explicit DbMaskEdit(QWidget* parent = nullptr);
    DbMaskEdit(const QString& field, const QString& mask, QWidget* parent = nullptr);

    void setEditMask(const QString& delphiMask);
    const EditMask& editMask() const { return mask_; }

    /// The stored value: with literals or without, as the mask says; empty when nothing
    /// was typed.
    QVariant editorValue() const override;
    void setEditorValue(const QVariant& value) override;
    QWidget* widget() override { return this; }
    bool isReadOnlyEditor() const override { return isReadOnly(); }

private:
    EditMask mask_;
};

} // namespace orva::platform
