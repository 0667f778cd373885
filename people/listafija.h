#pragma once
// A drop-down list of fixed texts bound to a text field ("Hombre"/"Mujer").
#include "platform/editors/boundeditor.h"

#include <QComboBox>

namespace orva::people {

class ListaFija : public QComboBox, public platform::BoundEditor {
    Q_OBJECT
public:
    ListaFija(const QString& field, const QStringList& textos, QWidget* parent = nullptr);

    /// The chosen text; null when none is chosen.
    QVariant editorValue() const override;
    /// Chooses the item with that text; none when it is not in the list.
    void setEditorValue(const QVariant& value) override;
    QWidget* widget() override { return this; }
};

} // namespace orva::people
