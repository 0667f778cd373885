#pragma once
// The upper record toolbar of every data window: Agregar, Editar, Eliminar, Refresca,
// Exportar and Imprime (Detalle and Activar hidden). The window connects the buttons to
// its own handlers of the same names and calls the state operations below; the module
// rights (permisos.h) are applied on top of them.
#include <QFrame>

class QToolButton;

namespace orva::shell {

class TFrmBarraSuperior : public QFrame {
    Q_OBJECT
public:
    /// Placed in windows under the name FrmBarraSuperior1.
    explicit TFrmBarraSuperior(QWidget* parent = nullptr);

    QToolButton* btnAdd;     ///< "Agregar", tag 10 (Insertar)
    QToolButton* btnEdit;    ///< "Editar", tag 11 (Editar)
    QToolButton* btnDelete;  ///< "Eliminar", tag 12 (Eliminar)
    QToolButton* btnRefresh; ///< "Refresca"
    QToolButton* btnExporta; ///< "Exportar", tag 13 (Exportar)
    QToolButton* btnPrinter; ///< "Imprime", tag 14 (Imprimir)
    QToolButton* btnDetalle; ///< "Detalle", hidden
    QToolButton* btnActivar; ///< "Activar", hidden, outside the button panel

    /// Entering an add: disables the seven record buttons.
    void btnAddClick();
    /// Entering an edit: disables the seven record buttons.
    void btnEditClick();
    /// Back to browsing: enables the seven record buttons.
    void btnActivarClick();

    /// The seven buttons the states switch, in screen order.
    QList<QToolButton*> botonesDeRegistro() const;

private:
    void habilitar(bool habilitados);
};

} // namespace orva::shell
