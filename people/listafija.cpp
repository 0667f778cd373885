#include "people/listafija.h"

namespace orva::people {

ListaFija::ListaFija(const QString& field, const QStringList& textos, QWidget* parent)
    : QComboBox(parent) {
    setFieldName(field);
    addItems(textos);
    setCurrentIndex(-1);
}

QVariant ListaFija::editorValue() const {
    return currentIndex() < 0 ? QVariant() : QVariant(currentText());
}

void ListaFija::setEditorValue(const QVariant& value) {
    setCurrentIndex(value.isNull() ? -1 : findText(value.toString()));
}

} // namespace orva::people
