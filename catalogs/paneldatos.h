#pragma once
// The data panel of a catalog window: the read-only code, the editors of its row in
// screen order (their lookup lists attached) and the lower toolbar with "Aceptar" and
// "Cancelar".
#include "catalogs/definicion.h"
#include "platform/editors/recordbinder.h"

#include <QFrame>

namespace orva::shell {
class TFrmBarraInferior;
}

namespace orva::catalogs {

class ListasCatalogo;

class PanelCatalogo : public QFrame {
    Q_OBJECT
public:
    /// Object name "PanelDatos"; the editors are named after their fields.
    PanelCatalogo(const DefCatalogo& def, const ListasCatalogo& listas, QWidget* parent = nullptr);

    /// Binds the editors to the row's fields (the code shown, never written).
    const platform::RecordBinder& binder() const { return binder_; }
    /// Attaches the lookup lists to their editors; called once the lists are loaded,
    /// since a list finds its key and shown columns by field name.
    void enlazarListas();
    /// The editor of a field, nullptr when there is none.
    QWidget* editor(const QString& campo) const;

    shell::TFrmBarraInferior* FrmBarraInferior1;

private:
    const ListasCatalogo& listas_;
    platform::RecordBinder binder_;
};

} // namespace orva::catalogs
