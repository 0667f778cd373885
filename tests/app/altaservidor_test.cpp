// The server registration window: its editing states, saving the list into ovra.ds and
// leaving without saving, and the connection test against the private server.
#include "app/altaservidor.h"
#include "app/archivoconexion.h"
#include "app/rutas.h"
#include "escenario.h"
#include "platform/ribbon/ribboncommand.h"
#include "shell/carpetas.h"
#include "support/testdb.h"

#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace orva;
using platform::DialogKind;

namespace {

QByteArray contenido(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class AltaServidorTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(carpetas.isValid());
        shell::setCarpetaPrograma(carpetas.filePath("programa"));
        QDir().mkpath(carpetas.filePath("programa"));
        app::setCarpetaPrivada(carpetas.filePath("privada"));
        const QString copia = app::CopiaRelectura();
        app::EscribirCopia(copia, app::TextoArchivoConexiones(
                                      {{"Local", "127.0.0.1", "3406", "orva", "secreta"},
                                       {"Oficina", "10.0.0.2", "3306", "captura", "otra"}}));
        app::CifrarCopia(copia);
        alta = std::make_unique<app::TfrmAltaServidor>();
        alta->show();
    }
    void TearDown() override {
        alta.reset();
        shell::setCarpetaPrograma({});
        app::setCarpetaPrivada({});
    }

    app::ListaServidores enArchivo() {
        const QString copia = app::CopiaRelectura();
        app::DescifrarEnCopia(copia);
        app::ListaServidores lista;
        app::LeerListaServidores(copia, lista);
        app::CifrarCopia(copia);
        return lista;
    }
    /// Enabled state of Nueva, Editar, Eliminar, Guardar, Cancelar and the grid.
    QList<bool> estado() const {
        return {alta->btnNuevaConexion->isEnabled(),    alta->btnEditarConexion->isEnabled(),
                alta->btnEliminarConexion->isEnabled(), alta->btnGuardar->isEnabled(),
                alta->btnCancelar->isEnabled(),         alta->grid->isEnabled()};
    }

    test::Guion guion;
    QTemporaryDir carpetas;
    std::unique_ptr<app::TfrmAltaServidor> alta;
};

const QList<bool> kNavegando = {true, true, true, false, false, true};
const QList<bool> kEditando = {false, false, false, true, true, false};

TEST_F(AltaServidorTest, OpensWithTheFileEntriesAndNeverShowsPasswords) {
    EXPECT_EQ(alta->windowTitle(), "Registro de Servidores de Conexión");
    EXPECT_EQ(alta->conexiones().size(), 2);
    EXPECT_EQ(alta->tsConexion->text(), "Local");
    EXPECT_EQ(alta->tsPuerto->value(), 3406);
    QStringList columnas;
    const QHeaderView* cabecera = alta->grid->horizontalHeader();
    for (int visual = 0; visual < cabecera->count(); ++visual) {
        const int logica = cabecera->logicalIndex(visual);
        if (!alta->grid->isColumnHidden(logica))
            columnas << alta->mCon->headerData(logica, Qt::Horizontal).toString();
    }
    EXPECT_EQ(columnas, QStringList({"Nombre de Conexión", "Servidor", "Usuario", "Puerto"}));
    EXPECT_EQ(alta->tsPassword->echoMode(), QLineEdit::Password);
    // The window's copy is scrambled back at once.
    EXPECT_TRUE(app::ExisteArchivoConexiones());
    EXPECT_FALSE(QFile::exists(app::CopiaRegistro()));
    EXPECT_EQ(estado(), kNavegando);
}

TEST_F(AltaServidorTest, NewEditAndCancelMoveBetweenTheStates) {
    alta->btnNuevaConexion->trigger();
    EXPECT_EQ(estado(), kEditando);
    EXPECT_EQ(alta->mCon->rowCount(), 3);
    EXPECT_EQ(alta->tsConexion->text(), "");
    alta->btnCancelar->trigger();
    EXPECT_EQ(estado(), kNavegando);
    EXPECT_EQ(alta->mCon->rowCount(), 2);

    alta->grid->setCurrentIndex(alta->mCon->index(1, 0));
    alta->btnEditarConexion->trigger();
    EXPECT_EQ(estado(), kEditando);
    alta->tsServidor->setText("10.0.0.99");
    alta->btnCancelar->trigger();
    EXPECT_EQ(alta->conexiones()[1].servidor, "10.0.0.2");
    alta->btnEditarConexion->trigger();
    alta->tsServidor->setText("10.0.0.99");
    alta->btnGuardar->trigger();
    EXPECT_EQ(estado(), kNavegando);
    EXPECT_EQ(alta->conexiones()[1].servidor, "10.0.0.99");
}

TEST_F(AltaServidorTest, EditorsDoNotTakeADoubleQuote) {
    alta->btnNuevaConexion->trigger();
    QTest::keyClicks(alta->tsConexion, "a\"b c");
    EXPECT_EQ(alta->tsConexion->text(), "ab c");
}

TEST_F(AltaServidorTest, DeleteAsksFirst) {
    guion.dialogos().answerNo().answerYes();
    alta->btnEliminarConexion->trigger();
    EXPECT_EQ(alta->mCon->rowCount(), 2);
    alta->btnEliminarConexion->trigger();
    EXPECT_EQ(alta->mCon->rowCount(), 1);
    EXPECT_EQ(alta->conexiones()[0].conexion, "Oficina");
    EXPECT_EQ(guion.dialogos().texts(DialogKind::Confirm),
              QStringList(2, "Desea eliminar la Conexión seleccionada?"));
}

TEST_F(AltaServidorTest, SaveAllWritesTheListAndLeavesNoPlainCopy) {
    alta->btnNuevaConexion->trigger();
    alta->tsConexion->setText("Sucursal, Norte");
    alta->tsServidor->setText("srv.norte");
    alta->tsPuerto->setValue(3310);
    alta->tsUsuario->setText("cuenta norte");
    alta->tsPassword->setText("p, a=s");
    alta->btnGuardar->trigger();
    alta->btnNuevaConexion->trigger(); // a pending edit is discarded
    alta->tsConexion->setText("a medias");
    alta->btnGuardarSalir->trigger();
    EXPECT_EQ(alta->result(), QDialog::Accepted);
    EXPECT_FALSE(QFile::exists(app::CopiaRegistro()));
    EXPECT_EQ(QFile::permissions(app::ArchivoConexiones()) &
                  (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                   QFileDevice::WriteOther),
              QFileDevice::Permissions());
    const app::ListaServidores lista = enArchivo();
    ASSERT_EQ(lista.size(), 3);
    EXPECT_EQ(lista[0], (app::EntradaServidor{"Local", "127.0.0.1", "3406", "orva", "secreta"}));
    EXPECT_EQ(lista[2], (app::EntradaServidor{"Sucursal, Norte", "srv.norte", "3310",
                                              "cuenta norte", "p, a,s"}));
}

TEST_F(AltaServidorTest, LeavingWithoutSavingWritesNothing) {
    const QByteArray antes = contenido(app::ArchivoConexiones());
    alta->btnNuevaConexion->trigger();
    alta->tsConexion->setText("Otra");
    alta->btnGuardar->trigger();
    alta->btnSalirSinGuardar->trigger();
    EXPECT_EQ(alta->result(), QDialog::Rejected);
    EXPECT_EQ(contenido(app::ArchivoConexiones()), antes);
}

TEST_F(AltaServidorTest, WithoutAFileTheListStartsEmpty) {
    QFile::remove(app::ArchivoConexiones());
    alta = std::make_unique<app::TfrmAltaServidor>();
    alta->show();
    EXPECT_EQ(alta->mCon->rowCount(), 0);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(AltaServidorTest, ConnectionTestReportsSuccessAndTheReason) {
    const test::DbSettings db = test::dbSettings();
    alta->btnEditarConexion->trigger();
    alta->tsServidor->setText(QString::fromStdString(db.host));
    alta->tsPuerto->setValue(static_cast<int>(db.port));
    alta->tsUsuario->setText(QString::fromStdString(db.user));
    alta->tsPassword->setText(QString::fromStdString(db.password));
    alta->btnProbar->click();
    alta->tsPassword->setText("equivocada");
    alta->btnProbar->click();
    const auto mostrados = guion.dialogos().shown();
    ASSERT_EQ(mostrados.size(), 2);
    EXPECT_EQ(mostrados[0].kind, DialogKind::Information);
    EXPECT_EQ(mostrados[0].text, "Conexión exitosa con el servidor especificado.");
    EXPECT_EQ(mostrados[1].kind, DialogKind::Error);
    EXPECT_TRUE(mostrados[1].text.startsWith(
        "No ha sido posible establecer conexión con el servidor especificado.\rMotivo: "));
    EXPECT_TRUE(mostrados[1].text.contains("Access denied"));
}

} // namespace
