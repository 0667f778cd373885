#pragma once
// The login window. One button, "Ingresar", takes the user through two stages: first it
// connects to the server of the chosen connection and lists the databases the user may
// open; then it opens both links on the chosen database, checks the user against
// master_usuarios and fills the session. "Salir" (or too many unknown names) ends the
// program.
#include "app/listaservidores.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace orva::data {
struct SesionActual;
}

namespace orva::shell {
class TfrmPrincipal;
}

namespace orva::app {

/// The access code of the server registration window.
inline constexpr char kCodigoRegistro[] = "kqTMvb7Hwz318";

class Tfrmacceso : public QDialog {
    Q_OBJECT
public:
    /// `principal` gets the version caption and may close without the exit question
    /// until the login succeeds (nullptr in tests of the login alone).
    explicit Tfrmacceso(shell::TfrmPrincipal* principal = nullptr, QWidget* parent = nullptr);
    ~Tfrmacceso() override;

    QComboBox* cmbServer;
    QLineEdit* tsIdUsuario;
    QLineEdit* tsPassword;
    QLineEdit* tsPuerto; ///< hidden, "3306"
    QListWidget* DBs;
    QPushButton* btnAdelante;
    QPushButton* btnAbortar;
    QToolButton* btnConexion;

    /// The program must end (the user left, or the attempt limit was reached).
    bool salir() const { return salir_; }
    bool dbGralExiste() const { return dbGralExiste_; }
    int iIntentos() const { return iIntentos_; }
    const ListaServidores& listaServidores() const { return lista_; }
    /// Whether the window is in its second stage (the database list shown).
    bool enEtapa2() const;

    /// Reads the connection file, as at every display of the window.
    void LeerConfiguracion();
    /// Reads the server list again after the registration window saved it.
    void ReleerListaServidores();

    void btnAdelanteClick();
    void btnAbortarClick();
    void btnConexionClick();

    /// Closing by the title bar or Escape is not possible: only the buttons leave.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void crearControles();
    void llenarServidores();
    void ocultarBasesDatos();
    void etapa1();
    void construirListaBasesDatos();
    void etapa2();
    void rutaOrdinaria(const QString& usuario);
    void rutaAdministrador(const QString& usuario);
    void abrirUsuarioSesion();
    /// Fills the session, writes the access entry (ordinary users) and opens the user's
    /// row; closes the window, or restores the session and says why.
    void establecer(const data::SesionActual& sesion, bool registrarAcceso);
    void seleccionCambiada();
    void cerrar(bool salir);

    shell::TfrmPrincipal* principal_;
    ListaServidores lista_;
    bool salir_ = false;
    bool dbGralExiste_ = false;
    int iIntentos_ = 0;
    bool cerrando_ = false;
};

} // namespace orva::app
