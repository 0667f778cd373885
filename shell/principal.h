#pragma once
// The main window: the ribbon with every command of the system, the status bar, the
// child windows' area and the exit question. When first shown it runs the login, fills
// the status bar, restores the appearance and applies the user's command rights.
#include "shell/apariencia.h"
#include "shell/comandos.h"

#include <QMainWindow>
#include <functional>

class QLabel;

namespace orva::platform {
class Ribbon;
class RibbonCommand;
} // namespace orva::platform

namespace orva::shell {

class AreaMdi;

/// The caption once the configuration has been read: "Orva Dazoduvav Versión:   [2025.1.0.0 ]".
QString TituloVersion();

class TfrmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmPrincipal(QWidget* parent = nullptr);
    ~TfrmPrincipal() override;

    /// Shows the login modally; returns true when the user left it ("salir").
    using EjecutarAcceso = std::function<bool()>;
    void setEjecutarAcceso(EjecutarAcceso ejecutar) { ejecutarAcceso_ = std::move(ejecutar); }

    /// The show handler, run once (the first show queues it): login, status bar,
    /// caption, appearance, rights. Any failure ends the application without the exit
    /// question.
    void FormShow();

    platform::Ribbon* ribbon() const { return mOrva_; }
    platform::RibbonCommand* comando(const QString& nombre) const;
    AreaMdi* areaVentanas() const { return areaMdi_; }
    /// Text of a status bar panel (0 to 7).
    QString panel(int indice) const;

    /// Closing without the exit question (the login left, or the show failed).
    void setCerrarSinConfirmar(bool sinConfirmar) { cerrarSinConfirmar_ = sinConfirmar; }
    bool cerrarSinConfirmar() const { return cerrarSinConfirmar_; }

    /// Applies the session user's command rights (permisos.h) to the ribbon.
    void AplicarPermisosMenu();
    /// "Seleccion de Empresa": closes the child windows after confirmation, re-applies rights.
    void SeleccionEmpresa();
    /// Reloads the statement catalogue and confirms it (F5, or the command).
    void RecargarConsultas(bool teclaF5);
    /// Applies a skin of the gallery and keeps it in image.ini of the program's folder.
    void ElegirSkin(const QString& skin);
    /// Runs a command as its button would.
    void Ejecutar(const QString& nombreComando);

    const Apariencia& apariencia() const { return apariencia_; }

signals:
    /// The application must end (the window closed for good).
    void terminar();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void crearBarraEstado();
    void conectarComandos();
    void crearGaleriaSkins(platform::RibbonCommand* galeria);
    void accion(const DefComando& definicion);
    void abrirPagina(const QString& pagina);
    void restaurarApariencia();

    platform::Ribbon* mOrva_;
    AreaMdi* areaMdi_;
    QList<QLabel*> paneles_;
    EjecutarAcceso ejecutarAcceso_;
    Apariencia apariencia_;
    bool cerrarSinConfirmar_ = false;
    bool mostrada_ = false;
};

/// The main window of the process (nullptr before it is created).
TfrmPrincipal* frmPrincipal();

} // namespace orva::shell
