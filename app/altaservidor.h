#pragma once
// The server registration window: the list of named connections of ovra.ds, edited in
// memory and written back only by "Guardar Todo y Salir". Reached from the login window
// behind an access code.
#include "app/listaservidores.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;
class QStandardItemModel;
class QTableView;

namespace orva::platform {
class Ribbon;
class RibbonCommand;
} // namespace orva::platform

namespace orva::app {

class TfrmAltaServidor : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAltaServidor(QWidget* parent = nullptr);

    /// Columns of mCon.
    enum Columna { Conexion, Servidor, Puerto, Usuario, Password, Columnas };

    platform::Ribbon* ribbon;
    platform::RibbonCommand* btnNuevaConexion;
    platform::RibbonCommand* btnEditarConexion;
    platform::RibbonCommand* btnEliminarConexion;
    platform::RibbonCommand* btnGuardar;
    platform::RibbonCommand* btnCancelar;
    platform::RibbonCommand* btnGuardarSalir;
    platform::RibbonCommand* btnSalirSinGuardar;
    QStandardItemModel* mCon;
    QTableView* grid;
    QLineEdit* tsConexion;
    QLineEdit* tsServidor;
    QSpinBox* tsPuerto;
    QLineEdit* tsUsuario;
    QLineEdit* tsPassword;
    QPushButton* btnProbar;

    /// The rows of mCon in grid order.
    ListaServidores conexiones() const;
    bool editando() const { return editando_; }

    /// Reads ovra.ds into mCon (at every display).
    void Cargar();
    void NuevaConexion();
    void EditarConexion();
    void EliminarConexion();
    void Guardar();
    void Cancelar();
    void ProbarConexion();
    void GuardarTodoYSalir();
    void SalirSinGuardar();

    /// Escape and the close box leave without saving.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void crearRibbon();
    void crearEditores(QWidget* panel);
    void setEditando(bool editando);
    void mostrarFila();
    int filaActual() const;

    bool editando_ = false;
    bool nueva_ = false;
};

} // namespace orva::app
