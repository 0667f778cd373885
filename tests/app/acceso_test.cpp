// The login window against the private server: both stages for ordinary users and the
// administrator, the messages and states of each failure, the database list with and
// without "db_gral", the attempt limit, and the server registration behind its code.
#include "app/acceso.h"
#include "app/altaservidor.h"
#include "app/archivoconexion.h"
#include "app/rutas.h"
#include "data/connection.h"
#include "data/session.h"
#include "datatest.h"
#include "escenario.h"
#include "platform/ini/inifile.h"
#include "platform/ribbon/ribboncommand.h"
#include "shell/carpetas.h"
#include "shell/principal.h"
#include "support/testdb.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace orva;
using platform::DialogKind;

namespace {

const std::string kBase = "app_acceso";
const std::string kBaseVacia = "app_acceso_vacia";

QString texto(const std::string& s) {
    return QString::fromStdString(s);
}

/// Connections of the suite's file: the test server, a server that is not there, and the
/// test server with a wrong password.
app::ListaServidores conexionesDePrueba() {
    const test::DbSettings db = test::dbSettings();
    const QString host = texto(db.host), puerto = QString::number(db.port);
    return {{"Prueba", host, puerto, texto(db.user), texto(db.password)},
            {"Caído", "127.0.0.1", "1", texto(db.user), texto(db.password)},
            {"Cuenta mala", host, puerto, texto(db.user), "no es esta"}};
}

void guardarArchivo(const QString& plano) {
    const QString copia = app::CopiaRelectura();
    app::EscribirCopia(copia, plano);
    app::CifrarCopia(copia);
}

int filasKardex(const QString& descripcion, int idUsuario) {
    data::DbConnection enlace;
    test::configure(enlace, kBase);
    enlace.connect();
    data::Dataset ds(&enlace);
    ds.setSql(
        "select count(*) as n from kardex_sistema where SDescripcion = :d and IdUsuario = :u");
    ds.setParam("d", descripcion);
    ds.setParam("u", idUsuario);
    ds.open();
    return static_cast<int>(ds.fieldByName("n").asInteger());
}

class AccesoTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        test::createDatabase(kBase);
        test::CargarUsuarios(kBase);
        // A password stored without the key: it decrypts to null.
        test::runSql(kBase, "INSERT INTO master_usuarios (IdUsuario, sUsuario, sMail, sNombre, "
                            "Telefono, EActivo, sPassword) VALUES (6, 'plano', '', 'PABLO "
                            "PLANO', '', 'Si', 'sin cifrar')");
        test::createDatabase(kBaseVacia);
        quitarDbGral();
    }
    static void TearDownTestSuite() { quitarDbGral(); }

    static void quitarDbGral() { test::runSql("mysql", "DROP DATABASE IF EXISTS db_gral"); }

    static void ponerDbGral() {
        quitarDbGral();
        test::runSql("mysql", "CREATE DATABASE db_gral CHARACTER SET utf8mb4");
        std::ifstream archivo(test::sourceDir() + "/db/db_gral.sql");
        std::stringstream sql;
        sql << archivo.rdbuf();
        test::runSql("db_gral", sql.str() + "INSERT INTO bd (id_bd, bd_user) VALUES (1, '" + kBase +
                                    "'), (2, 'ya_no_existe'), (3, 'mysql');"
                                    "INSERT INTO user_bd (useer, nombrees, id_bds) VALUES "
                                    "('capturista', 'ROSA', 1), ('capturista', 'ROSA', 2),"
                                    "('capturista', 'ROSA', 3), ('perdido', 'X', 2);");
    }

    void SetUp() override {
        ASSERT_TRUE(carpetas.isValid());
        shell::setCarpetaPrograma(carpetas.filePath("programa"));
        QDir().mkpath(carpetas.filePath("programa"));
        app::setCarpetaPrivada(carpetas.filePath("privada"));
        test::disconnectModule();
        data::establecerSesion({});
        guardarArchivo(app::TextoArchivoConexiones(conexionesDePrueba()));
    }
    void TearDown() override {
        acceso.reset();
        shell::setCarpetaPrograma({});
        app::setCarpetaPrivada({});
        test::disconnectModule();
    }

    void abrir() {
        acceso = std::make_unique<app::Tfrmacceso>();
        acceso->show();
    }
    void ingresar(const QString& usuario, const QString& password) {
        acceso->tsIdUsuario->setText(usuario);
        acceso->tsPassword->setText(password);
        acceso->btnAdelante->click();
    }
    QStringList bases() const {
        QStringList nombres;
        for (int i = 0; i < acceso->DBs->count(); ++i)
            nombres << acceso->DBs->item(i)->text();
        return nombres;
    }
    void elegir(const std::string& base) {
        const auto items = acceso->DBs->findItems(texto(base), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << base;
        acceso->DBs->setCurrentItem(items.first());
    }
    /// Stage 1 with `usuario`, then the suite's database chosen.
    void hastaEtapa2(const QString& usuario, const QString& password) {
        ingresar(usuario, password);
        ASSERT_TRUE(acceso->enEtapa2()) << guion.dialogos().shown().size();
        elegir(kBase);
    }
    bool esperarCierre() {
        return QTest::qWaitFor([this] { return acceso->isHidden(); }, 2000);
    }

    test::Guion guion;
    QTemporaryDir carpetas;
    std::unique_ptr<app::Tfrmacceso> acceso;
};

// ------------------------------------------------------------------ display

TEST_F(AccesoTest, DisplayReadsTheFileAndLeavesNoPasswordInTheCopy) {
    const test::DbSettings db = test::dbSettings();
    guardarArchivo("[SYSTEM]\r\nSERV_ACCESO=10.9.9.9\r\nRUTA_SISTEMA=" + carpetas.path() +
                   "\r\n[DATA_BASE]\r\n" + app::LineaConexion(1, conexionesDePrueba()[0]) + "\r\n");
    shell::TfrmPrincipal principal;
    acceso = std::make_unique<app::Tfrmacceso>(&principal);
    acceso->tsPassword->setText("escrito antes");
    acceso->show();
    EXPECT_EQ(acceso->cmbServer->count(), 1);
    EXPECT_EQ(acceso->cmbServer->currentText(), "Prueba");
    EXPECT_EQ(data::sesion().sServidor, "10.9.9.9");
    EXPECT_EQ(data::sesion().sRutaSistema, carpetas.path() + "/");
    EXPECT_EQ(acceso->windowTitle(), "Orva Dazoduvav Versión:   [2025.1.0.0 ]");
    EXPECT_EQ(principal.windowTitle(), acceso->windowTitle());
    EXPECT_EQ(acceso->tsPassword->text(), "");
    EXPECT_FALSE(acceso->enEtapa2());
    const platform::IniFile copia = platform::IniFile::load(app::CopiaAcceso());
    EXPECT_FALSE(copia.sections().contains("SYSTEM"));
    EXPECT_FALSE(copia.sections().contains("DATA_BASE"));
    QFile copiaPlana(app::CopiaAcceso());
    ASSERT_TRUE(copiaPlana.open(QIODevice::ReadOnly));
    EXPECT_FALSE(copiaPlana.readAll().contains(db.password.c_str()));
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(AccesoTest, WithoutTheFileTheServerBoxIsEmpty) {
    QFile::remove(app::ArchivoConexiones());
    abrir();
    EXPECT_EQ(acceso->cmbServer->count(), 0);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
    ingresar("capturista", "Captura2026");
    EXPECT_EQ(guion.dialogos().last().kind, DialogKind::Warning);
    EXPECT_FALSE(acceso->enEtapa2());
    EXPECT_FALSE(data::connection().Uconnection.connected());
}

TEST_F(AccesoTest, TheFileRunShWritesShowsLocalSelected) {
    QFile::remove(app::ArchivoConexiones());
    const test::DbSettings db = test::dbSettings();
    QProcess herramienta;
    herramienta.start(ORVA_CONEXION_TOOL,
                      {app::ArchivoConexiones(), "Local", texto(db.host), QString::number(db.port),
                       texto(db.user), texto(db.password)});
    ASSERT_TRUE(herramienta.waitForFinished(10000));
    ASSERT_EQ(herramienta.exitCode(), 0) << herramienta.readAllStandardError().toStdString();
    abrir();
    EXPECT_EQ(acceso->cmbServer->currentIndex(), 0);
    EXPECT_EQ(acceso->cmbServer->currentText(), "Local");
    ingresar("capturista", "Captura2026");
    EXPECT_TRUE(acceso->enEtapa2());
}

// ------------------------------------------------------------------ stage 1

TEST_F(AccesoTest, StageOneListsTheServersSchemasSortedWithoutTheExcludedOnes) {
    const char* const excluidas[] = {"mysql",      "information_schema", "test",   "chat",
                                     "chat_php",   "lm_drovek",          "joomla", "phpmyadmin",
                                     "adminzelta", "performance_schema"};
    // Every excluded name exists on the server for this test; a neighbour of one of them
    // is offered.
    QStringList creadas;
    for (const char* nombre : {"test", "chat", "chat_php", "lm_drovek", "joomla", "phpmyadmin",
                               "adminzelta", "chat_php2"}) {
        test::runSql("mysql", std::string("CREATE DATABASE IF NOT EXISTS ") + nombre);
        creadas << nombre;
    }
    abrir();
    ingresar("capturista", "Captura2026");
    for (const QString& nombre : creadas)
        test::runSql("mysql", "DROP DATABASE IF EXISTS " + nombre.toStdString());
    ASSERT_TRUE(acceso->enEtapa2());
    EXPECT_FALSE(acceso->dbGralExiste());
    const QStringList lista = bases();
    QStringList ordenada = lista;
    ordenada.sort();
    EXPECT_EQ(lista, ordenada);
    EXPECT_TRUE(lista.contains(texto(kBase)));
    for (const char* excluida : excluidas)
        EXPECT_FALSE(lista.contains(excluida)) << excluida;
    EXPECT_TRUE(lista.contains("chat_php2"));
    EXPECT_EQ(acceso->DBs->selectedItems().size(), 1);
    EXPECT_EQ(acceso->DBs->currentRow(), 0);
    const data::SesionActual& s = data::sesion();
    EXPECT_EQ(s.sServidor, texto(test::dbSettings().host));
    EXPECT_EQ(s.iPuerto, static_cast<int>(test::dbSettings().port));
    EXPECT_EQ(s.sUsuarioBD, texto(test::dbSettings().user));
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(AccesoTest, UnreachableServerSaysSoAndForgetsTheServer) {
    abrir();
    acceso->cmbServer->setCurrentIndex(1);
    ingresar("capturista", "Captura2026");
    ASSERT_EQ(guion.dialogos().shown().size(), 1);
    EXPECT_EQ(guion.dialogos().last().kind, DialogKind::Error);
    EXPECT_EQ(guion.dialogos().last().title, "Orva");
    EXPECT_EQ(guion.dialogos().last().text,
              "No se Puede Conectar al Servidor.\r\nError EDatabaseError: Verificar que los datos "
              "de conexión sean correctos.");
    EXPECT_EQ(data::sesion().sServidor, "");
    EXPECT_FALSE(acceso->enEtapa2());
}

TEST_F(AccesoTest, RefusedAccountKeepsTheServer) {
    abrir();
    acceso->cmbServer->setCurrentIndex(2);
    ingresar("capturista", "Captura2026");
    ASSERT_EQ(guion.dialogos().shown().size(), 1);
    EXPECT_EQ(guion.dialogos().last().kind, DialogKind::Error);
    EXPECT_TRUE(guion.dialogos().last().text.startsWith("No se Puede Conectar al Servidor."));
    EXPECT_EQ(data::sesion().sServidor, texto(test::dbSettings().host));

    ingresar("Admin", "algo");
    EXPECT_EQ(guion.dialogos().last().kind, DialogKind::Information);
    EXPECT_EQ(guion.dialogos().last().text, "No se Puede Conectar al Servidor.\r\nLa Contraseña "
                                            "del Administrador No es Correcta ");
    EXPECT_FALSE(acceso->enEtapa2());
}

TEST_F(AccesoTest, EditingTheNameOrChangingTheServerReturnsToStageOne) {
    abrir();
    ingresar("capturista", "Captura2026");
    ASSERT_TRUE(acceso->enEtapa2());
    QTest::keyClicks(acceso->tsIdUsuario, "x");
    EXPECT_FALSE(acceso->enEtapa2());
    EXPECT_EQ(acceso->DBs->count(), 0);

    ingresar("capturista", "Captura2026");
    ASSERT_TRUE(acceso->enEtapa2());
    acceso->cmbServer->setCurrentIndex(1);
    EXPECT_FALSE(acceso->enEtapa2());
    EXPECT_EQ(data::sesion().sServidor, "");
}

TEST_F(AccesoTest, WithDbGralOnlyTheUsersExistingDatabasesAreListed) {
    ponerDbGral();
    abrir();
    ingresar("capturista", "Captura2026");
    quitarDbGral();
    ASSERT_TRUE(acceso->enEtapa2());
    EXPECT_TRUE(acceso->dbGralExiste());
    EXPECT_EQ(bases(), QStringList({texto(kBase)})); // "mysql" is excluded, one is gone
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
    acceso->btnAdelante->click();
    ASSERT_TRUE(esperarCierre());
    EXPECT_EQ(data::sesion().sBaseDatos, texto(kBase));
    EXPECT_EQ(data::sesion().sUsuarioActual, "capturista");
}

TEST_F(AccesoTest, WithDbGralAUserWithoutDatabasesIsToldSo) {
    ponerDbGral();
    abrir();
    ingresar("sinbases", "x");
    ASSERT_EQ(guion.dialogos().shown().size(), 1);
    EXPECT_EQ(guion.dialogos().last().text,
              "Este usuario no tiene asignado ninguna BD. Vuelva a intentarlo");
    EXPECT_FALSE(acceso->enEtapa2());
    // Assigned databases that no longer exist: no list and no message.
    guion.dialogos().clearShown();
    ingresar("perdido", "x");
    quitarDbGral();
    EXPECT_FALSE(acceso->enEtapa2());
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

// ------------------------------------------------------------------ stage 2

TEST_F(AccesoTest, OrdinaryUserEntersWithBothLinksOnTheDatabase) {
    const int antes = filasKardex("Accede a sistema ", 2);
    data::SesionActual previa;
    previa.sContratoActual = "C-1";
    previa.sPerfilAcceso = "ACCESO_TOTAL";
    data::establecerSesion(previa);
    abrir();
    hastaEtapa2("capturista", "Captura2026");
    acceso->btnAdelante->click();
    ASSERT_TRUE(esperarCierre());
    EXPECT_FALSE(acceso->salir());
    EXPECT_EQ(acceso->result(), QDialog::Accepted);
    const data::SesionActual& s = data::sesion();
    EXPECT_EQ(s.IdUsuarioActual, 2);
    EXPECT_EQ(s.sUsuarioActual, "capturista");
    EXPECT_EQ(s.sNombreUsuario, "ROSA MARTINEZ ISLAS");
    EXPECT_EQ(s.sPerfilAcceso, "");
    EXPECT_EQ(s.sContratoActual, "");
    EXPECT_EQ(s.sBaseDatos, texto(kBase));
    data::Tconnection& m = data::connection();
    for (data::DbConnection* c : {&m.Uconnection, &m.zConnection}) {
        EXPECT_TRUE(c->connected()) << c->name().toStdString();
        EXPECT_EQ(c->database(), texto(kBase));
        EXPECT_EQ(c->server(), s.sServidor);
        EXPECT_EQ(c->username(), s.sUsuarioBD);
    }
    EXPECT_EQ(filasKardex("Accede a sistema ", 2), antes + 1);
    ASSERT_TRUE(m.uUsuario.isActive());
    EXPECT_EQ(m.uUsuario.recordCount(), 1);
    EXPECT_EQ(m.uUsuario.fieldByName("sUsuario").asString(), "capturista");
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(AccesoTest, AdministratorInAnyCaseEntersWithoutLogEntry) {
    struct Caso {
        const char* usuario;
        const char* password;
    };
    for (const Caso& c :
         {Caso{"admin", "Admin2026"}, Caso{"Admin", "ADMIN2026"}, Caso{"ADMIN", "admin2026"}}) {
        SCOPED_TRACE(c.usuario);
        data::establecerSesion({});
        test::disconnectModule();
        const int antes = filasKardex("Accede a sistema ", 1);
        abrir();
        hastaEtapa2(c.usuario, c.password);
        acceso->btnAdelante->click();
        ASSERT_TRUE(esperarCierre());
        const data::SesionActual& s = data::sesion();
        EXPECT_EQ(s.sUsuarioActual, "ADMIN");
        EXPECT_EQ(s.sNombreUsuario, "ADMINISTRADOR");
        EXPECT_EQ(s.sPerfilAcceso, "ACCESO_TOTAL");
        EXPECT_EQ(s.IdUsuarioActual, 1);
        EXPECT_EQ(filasKardex("Accede a sistema ", 1), antes);
        EXPECT_EQ(data::connection().uUsuario.recordCount(), 1);
    }
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(AccesoTest, WrongPasswordsNeverEndTheProgram) {
    abrir();
    hastaEtapa2("capturista", "captura2026"); // case counts for ordinary users
    for (int i = 0; i < 5; ++i)
        acceso->btnAdelante->click();
    EXPECT_EQ(guion.dialogos().texts(DialogKind::Warning), QStringList(5, "PASSWORD INCORRECTO "));
    EXPECT_EQ(acceso->iIntentos(), 0);
    EXPECT_TRUE(acceso->isVisible());
    EXPECT_TRUE(acceso->enEtapa2());
    acceso->tsPassword->setText("Captura2026");
    acceso->btnAdelante->click();
    EXPECT_TRUE(esperarCierre());
    EXPECT_FALSE(acceso->salir());
}

TEST_F(AccesoTest, APasswordThatCannotBeDecryptedMatchesNothing) {
    for (const char* password : {"", "sin cifrar"}) {
        SCOPED_TRACE(password);
        guion.dialogos().clearShown();
        test::disconnectModule();
        abrir();
        hastaEtapa2("plano", password);
        acceso->btnAdelante->click();
        EXPECT_EQ(guion.dialogos().texts(DialogKind::Warning),
                  QStringList({"PASSWORD INCORRECTO "}));
        EXPECT_TRUE(acceso->isVisible());
        EXPECT_EQ(data::sesion().sUsuarioActual, "");
    }
}

TEST_F(AccesoTest, ThreeUnknownNamesThenTheFourthPressEndsTheProgram) {
    abrir();
    hastaEtapa2("nadie", "x");
    for (int i = 0; i < 3; ++i)
        acceso->btnAdelante->click();
    EXPECT_EQ(guion.dialogos().texts(DialogKind::Warning), QStringList(3, "Ese Usuario No EXISTE"));
    EXPECT_EQ(acceso->iIntentos(), 3);
    EXPECT_TRUE(acceso->isVisible());
    // Whatever the fourth press holds.
    acceso->tsIdUsuario->setText("capturista");
    acceso->tsPassword->setText("Captura2026");
    acceso->btnAdelante->click();
    ASSERT_TRUE(esperarCierre());
    EXPECT_TRUE(acceso->salir());
    EXPECT_EQ(guion.dialogos().last().text,
              "Intento accesar en mas de 3 ocaciones. Saliendo del Sistema");
    EXPECT_EQ(data::sesion().sUsuarioActual, "");
}

TEST_F(AccesoTest, InactiveAndInjectedNamesDoNotExist) {
    abrir();
    for (const char* nombre : {"inactivo", "x' or '1'='1"}) {
        acceso->tsIdUsuario->setText(nombre);
        acceso->tsPassword->setText("Inactivo1");
        acceso->btnAdelante->click(); // stage 1
        ASSERT_TRUE(acceso->enEtapa2());
        elegir(kBase);
        acceso->btnAdelante->click();
        EXPECT_EQ(guion.dialogos().last().text, "Ese Usuario No EXISTE") << nombre;
        acceso->DBs->hide();
    }
    EXPECT_EQ(acceso->iIntentos(), 2);
    EXPECT_EQ(data::sesion().sUsuarioActual, "");
}

TEST_F(AccesoTest, FirstRunAdministratorOnADatabaseWithoutUsers) {
    struct Caso {
        const char* usuario;
        const char* password;
        bool entra;
    };
    const Caso casos[] = {
        {"admin", "otra", false}, {"Admin", "admin", false}, {"admin", "admin", true}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.usuario) + "/" + c.password);
        guion.dialogos().clearShown();
        test::disconnectModule();
        abrir();
        acceso->tsIdUsuario->setText(c.usuario);
        acceso->tsPassword->setText(c.password);
        acceso->btnAdelante->click();
        elegir(kBaseVacia);
        acceso->btnAdelante->click();
        if (c.entra) {
            ASSERT_TRUE(esperarCierre());
            EXPECT_EQ(data::sesion().sUsuarioActual, "ADMIN");
            EXPECT_EQ(data::sesion().IdUsuarioActual, 0);
            EXPECT_TRUE(guion.dialogos().shown().isEmpty());
        } else {
            EXPECT_EQ(guion.dialogos().last().text, "Ese Usuario No EXISTE");
            EXPECT_TRUE(acceso->isVisible());
        }
    }
    // Where users exist, the same words do not open it.
    test::disconnectModule();
    data::establecerSesion({});
    abrir();
    hastaEtapa2("admin", "admin");
    acceso->btnAdelante->click();
    EXPECT_EQ(guion.dialogos().last().text, "PASSWORD INCORRECTO ");
    EXPECT_EQ(data::sesion().sUsuarioActual, "");
}

// ------------------------------------------------------------------ other controls

TEST_F(AccesoTest, SalirEndsWithoutDatabaseWork) {
    abrir();
    acceso->btnAbortar->click();
    ASSERT_TRUE(esperarCierre());
    EXPECT_TRUE(acceso->salir());
    EXPECT_FALSE(data::connection().Uconnection.connected());
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(AccesoTest, EscapeAndTheCloseBoxDoNotLeave) {
    abrir();
    QTest::keyClick(acceso.get(), Qt::Key_Escape);
    acceso->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(acceso->isVisible());
}

TEST_F(AccesoTest, EnterWalksServerNamePasswordAndFocusColours) {
    abrir();
    QApplication::setActiveWindow(acceso.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(acceso.get()));
    acceso->cmbServer->setFocus();
    QTest::keyClick(acceso->cmbServer, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), acceso->tsIdUsuario);
    EXPECT_EQ(acceso->tsIdUsuario->palette().color(QPalette::Base), QColor("#00BDCD"));
    QTest::keyClick(acceso->tsIdUsuario, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), acceso->tsPassword);
    EXPECT_EQ(acceso->tsIdUsuario->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(acceso->tsPassword->palette().color(QPalette::Base), QColor("#00BDCD"));
    QTest::keyClick(acceso->tsPassword, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), acceso->btnAdelante);
    EXPECT_FALSE(acceso->enEtapa2()); // Enter moved there without pressing it
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
    // Enter on the focused button presses it.
    QTest::keyClick(acceso->btnAdelante, Qt::Key_Return);
    EXPECT_TRUE(acceso->enEtapa2());
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(AccesoTest, RegistrationNeedsTheAccessCode) {
    abrir();
    guion.dialogos().answerText("otra").answerCancel();
    acceso->btnConexion->click();
    acceso->btnConexion->click();
    const auto mostrados = guion.dialogos().shown();
    ASSERT_EQ(mostrados.size(), 3);
    EXPECT_EQ(mostrados[0].kind, DialogKind::Input);
    EXPECT_EQ(mostrados[0].title, "¡Registro de Host para conexiones!");
    EXPECT_EQ(mostrados[0].text, "Ingresar contraseña:");
    EXPECT_EQ(mostrados[1].kind, DialogKind::Error);
    EXPECT_EQ(mostrados[1].text, "Contraseña incorrecta, no puede acceder a conexiones!");
    EXPECT_EQ(mostrados[2].kind, DialogKind::Input); // cancelled: nothing more
}

TEST_F(AccesoTest, TheRightCodeOpensTheRegistrationAndASaveIsReadAgain) {
    abrir();
    int abiertas = 0;
    // Inside the registration window: add an entry and save everything.
    auto registrar = [&abiertas] {
        auto* alta = qobject_cast<app::TfrmAltaServidor*>(QApplication::activeModalWidget());
        if (!alta)
            return false;
        ++abiertas;
        alta->btnNuevaConexion->trigger();
        alta->tsConexion->setText("Nueva");
        alta->tsServidor->setText("10.0.0.8");
        alta->btnGuardar->trigger();
        alta->btnGuardarSalir->trigger();
        return true;
    };
    std::function<void()> intentar = [&] {
        if (!registrar())
            QTimer::singleShot(10, intentar);
    };
    QTimer::singleShot(0, intentar);
    guion.dialogos().answerText(app::kCodigoRegistro);
    acceso->btnConexion->click();
    EXPECT_EQ(abiertas, 1);
    QStringList nombres;
    for (int i = 0; i < acceso->cmbServer->count(); ++i)
        nombres << acceso->cmbServer->itemText(i);
    EXPECT_EQ(nombres, QStringList({"Prueba", "Caído", "Cuenta mala", "Nueva"}));
    EXPECT_EQ(acceso->cmbServer->currentIndex(), 0);
    EXPECT_FALSE(QFile::exists(app::CopiaRelectura()));
    EXPECT_FALSE(QFile::exists(app::CopiaRegistro()));
    EXPECT_TRUE(app::ExisteArchivoConexiones());
}

} // namespace
