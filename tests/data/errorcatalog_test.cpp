// The error catalogue against the real server: managed messages, recording new errors,
// lost and unreachable servers.
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"
#include "data/records.h"
#include "datatest.h"

#include <gtest/gtest.h>
#include <mysql.h>

using namespace orva::data;

namespace {

const std::string dbName = "t_data_errors";

const QString unmanagedHead = QStringLiteral(
    "warning: Error en la aplicación.\n\nInforme al Administrador del sistema del siguiente "
    "mensaje de error:\n\n");
const QString automatic =
    QStringLiteral("Este mensaje de error fue generado automaticamente por el sistema.");

class ErrorCatalogTest : public testing::Test {
protected:
    static void SetUpTestSuite() { orva::test::createDatabase(dbName); }
    void SetUp() override {
        orva::test::connectModule(dbName);
        connection().zConnection.execute("DELETE FROM catalogodeerrores");
    }
    void TearDown() override { orva::test::disconnectModule(); }

    static QString scalar(const QString& sql) {
        DbConnection c;
        orva::test::configure(c, dbName);
        c.connect();
        ResultPtr r = c.query(sql);
        MYSQL_ROW row = r ? mysql_fetch_row(r.get()) : nullptr;
        return !row ? QString() : row[0] ? QString::fromUtf8(row[0]) : QStringLiteral("<NULL>");
    }
    static QString catalogue() {
        return scalar("SELECT GROUP_CONCAT(CONCAT_WS('|', iClase, sError, sMensaje, sFormulario, "
                      "sDescripcion, iCodigoError, dFecha IS NOT NULL) ORDER BY "
                      "idcatalogodeerrores SEPARATOR ' / ') FROM catalogodeerrores");
    }

    orva::test::RecordingPrompts prompts;
};

TEST_F(ErrorCatalogTest, PlainProgramErrorsAreOnlyShown) {
    EXPECT_FALSE(ManejarError("El folio no es válido", "Exception", "frmX", "Al guardar", 0));
    EXPECT_EQ(prompts.shown, QStringList{"info: El folio no es válido"});
    EXPECT_EQ(catalogue(), QString("<NULL>"));
}

TEST_F(ErrorCatalogTest, ANewDatabaseErrorIsRecordedAndFoundTheNextTime) {
    const QString error = QStringLiteral("Cannot delete or update a parent row: a foreign key "
                                         "constraint fails (`x`.`y`)");
    EXPECT_TRUE(ManejarError(error, "EDatabaseError", "frmPartidos", "Al eliminar", 3));
    EXPECT_EQ(prompts.shown, QStringList{unmanagedHead + error});
    EXPECT_EQ(catalogue(), QStringLiteral("2|%1||frmPartidos|Al eliminar|3|1 / 0|%1|%2|frmPartidos|"
                                          "Al eliminar|3|1")
                               .arg(error, automatic));

    prompts.shown.clear();
    EXPECT_TRUE(ManejarError(error, "EZSQLException", "frmPartidos", "Al eliminar", 3));
    EXPECT_EQ(prompts.shown, QStringList{"info: " + automatic});

    // The administrator words it plainly; elsewhere the same text is a new error.
    connection().zConnection.execute("UPDATE catalogodeerrores SET sError = 'foreign key "
                                     "constraint fails', sMensaje = 'El partido está en uso.' "
                                     "WHERE iClase = 0");
    prompts.shown.clear();
    EXPECT_TRUE(
        ManejarError(error + " (otro)", "EZDatabaseError", "frmPartidos", "Al eliminar", 3));
    EXPECT_EQ(prompts.shown, QStringList{"info: El partido está en uso."});
    prompts.shown.clear();
    EXPECT_TRUE(ManejarError(error, "EDatabaseError", "frmMotivos", "Al eliminar", 3));
    EXPECT_EQ(prompts.shown, QStringList{unmanagedHead + error});
}

TEST_F(ErrorCatalogTest, EveryDuplicateKeyIsOneCatalogueEntry) {
    EXPECT_TRUE(ManejarError("Duplicate entry '5' for key 'PRIMARY'", "EDatabaseError", "frmX",
                             "Al guardar", 0));
    EXPECT_EQ(prompts.shown, QStringList{unmanagedHead + "SQL Error: Duplicate entry for key"});
    prompts.shown.clear();
    EXPECT_TRUE(ManejarError("Duplicate entry 'P0003' for key 'SCodigo'", "EDatabaseError", "frmX",
                             "Al guardar", 0));
    EXPECT_EQ(prompts.shown, QStringList{"info: " + automatic});
}

TEST_F(ErrorCatalogTest, OtherKindsAreRecordedAsClassOne) {
    EXPECT_FALSE(ManejarError("Valor fuera de rango", "EConvertError", "Importación de Plantillas",
                              "Al registrar en kardex Importacion de Anexo C", 0));
    EXPECT_EQ(prompts.shown, QStringList{unmanagedHead + "Valor fuera de rango"});
    EXPECT_EQ(scalar("SELECT GROUP_CONCAT(iClase ORDER BY iClase) FROM catalogodeerrores"),
              QStringLiteral("1,2"));
    prompts.shown.clear();
    EXPECT_FALSE(ManejarError(std::runtime_error("Valor fuera de rango"),
                              "Importación de Plantillas",
                              "Al registrar en kardex Importacion de Anexo C", 0));
    EXPECT_EQ(prompts.shown, QStringList{"info: " + automatic});
}

TEST_F(ErrorCatalogTest, ARealServerErrorCarriesItsText) {
    connection().zConnection.execute("CREATE TABLE IF NOT EXISTS e_padre (Id INT PRIMARY KEY)");
    connection().zConnection.execute("CREATE TABLE IF NOT EXISTS e_hijo (Id INT PRIMARY KEY, "
                                     "IdPadre INT, FOREIGN KEY (IdPadre) REFERENCES e_padre (Id))");
    connection().zConnection.execute("INSERT IGNORE INTO e_padre VALUES (1)");
    connection().zConnection.execute("INSERT IGNORE INTO e_hijo VALUES (1, 1)");
    Dataset ds(&connection().Uconnection);
    ds.setSql("select * from e_padre");
    ds.open();
    try {
        ds.deleteRecord();
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_TRUE(ManejarError(e, "frmPadres", "Al eliminar", 0));
    }
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains("foreign key constraint fails"));
}

TEST_F(ErrorCatalogTest, FailureToRecordIsSaidAndNotRaised) {
    connection().zConnection.disconnect();
    EXPECT_TRUE(
        ManejarError("Algo falló en el servidor", "EDatabaseError", "frmX", "Al guardar", 0));
    EXPECT_EQ(prompts.shown,
              (QStringList{unmanagedHead + "Algo falló en el servidor",
                           "warning: No fue posible registrar el error en la base de datos.\n\n"
                           "Informelo al Administrador del sistema."}));
}

TEST_F(ErrorCatalogTest, ADroppedLinkSaysTheConnectionWasLost) {
    DbConnection admin;
    orva::test::configure(admin, dbName);
    admin.connect();
    orva::test::killAndWait(admin, connection().Uconnection.threadId());

    Dataset command(&connection().Uconnection);
    command.setSql("INSERT INTO catalogodeerrores (sError, sMensaje) VALUES ('x', 'y')");
    try {
        command.execSql();
        FAIL() << "the link was killed";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.isConnectionFailure()) << e.code() << " " << qPrintable(e.message());
        EXPECT_TRUE(ManejarError(e, "frmX", "Al guardar", 0));
    }
    EXPECT_EQ(prompts.shown,
              QStringList{"warning: Se ha perdido la conexión con la base de datos."});
    EXPECT_EQ(catalogue(), QString("<NULL>")); // a lost link is not recorded

    // The ping before the next open brings the link back.
    connection().PingConexion();
    EXPECT_NO_THROW(command.execSql());
}

TEST_F(ErrorCatalogTest, AnUnreachableServerSaysTheDatabaseWasNotFound) {
    DbConnection nowhere;
    orva::test::configure(nowhere, dbName);
    nowhere.setPort(1); // nothing listens there
    nowhere.setConnectTimeout(5);
    try {
        nowhere.connect();
        FAIL();
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.isConnectionFailure()) << qPrintable(e.message());
        EXPECT_TRUE(ManejarError(e, "frmacceso", "Al conectar", 0));
    }
    EXPECT_EQ(prompts.shown, QStringList{"warning: No se encontró la base de datos."});
    EXPECT_FALSE(nowhere.pingOrReconnect());
}

TEST_F(ErrorCatalogTest, AWrongPasswordCarriesAccessDenied) {
    DbConnection wrong;
    orva::test::configure(wrong, dbName);
    wrong.setPassword("no-es-esta");
    try {
        wrong.connect();
        FAIL();
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains("Access denied")) << qPrintable(e.message());
        EXPECT_FALSE(e.isConnectionFailure());
    }
    EXPECT_FALSE(wrong.connected());
}

} // namespace
