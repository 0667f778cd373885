// The connection module and the statement catalogue against the real server.
#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"
#include "datatest.h"

#include <gtest/gtest.h>
#include <mysql.h>

using namespace orva::data;

namespace {

const std::string dbName = "t_data_catalog";

const char* fixture = R"sql(
DROP TABLE IF EXISTS cat_padre;
CREATE TABLE cat_padre (
  IdPadre INT NOT NULL PRIMARY KEY,
  SNombre VARCHAR(60) NOT NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si'
) ENGINE=InnoDB;
INSERT INTO cat_padre VALUES (1, 'Uno', 'Si'), (2, 'Dos', 'No'), (3, 'Tres', 'Si');
DELETE FROM master_consultassql WHERE NombreConsulta LIKE 'cat\_%' OR NombreConsulta LIKE 'CAT\_%';
INSERT INTO master_consultassql (NombreConsulta, Tipo, `SQL`) VALUES
  ('cat_padre', 'UPDATE',
   'select * from cat_padre where (:IdPadre = -1 or (:IdPadre <> -1 and IdPadre = :IdPadre))\n and (:EActivo = -1 or (:EActivo <> -1 and EActivo = :EActivo)) and :filter_by_code order by IdPadre'),
  ('cat_padre', 'READONLY', 'select IdPadre, SNombre from cat_padre order by IdPadre desc'),
  ('cat_sin_parametros', 'UPDATE', 'select count(*) as n from cat_padre'),
  ('cat_columnas', 'UPDATE', 'select :var_by_code1 from cat_padre where IdPadre = :IdPadre');
)sql";

class CatalogTest : public testing::Test {
protected:
    static void SetUpTestSuite() { orva::test::createDatabase(dbName); }

    void SetUp() override {
        orva::test::runSql(dbName, fixture);
        orva::test::connectModule(dbName);
        ASSERT_TRUE(CargarConsultasSQL());
    }
    void TearDown() override { orva::test::disconnectModule(); }

    static QString scalar(const QString& sql) {
        ResultPtr r = connection().zConnection.query(sql);
        MYSQL_ROW row = r ? mysql_fetch_row(r.get()) : nullptr;
        return row && row[0] ? QString::fromUtf8(row[0]) : QString();
    }

    orva::test::RecordingPrompts prompts;
};

TEST(ConnectionModule, CreatingItConnectsNothing) {
    Tconnection module;
    EXPECT_FALSE(module.Uconnection.connected());
    EXPECT_FALSE(module.zConnection.connected());
    EXPECT_EQ(module.Uconnection.port(), 3306u);
    EXPECT_EQ(module.Uconnection.connectTimeout(), 120u);
    EXPECT_TRUE(module.Uconnection.server().isEmpty());
    EXPECT_FALSE(module.zConsultasSQL.isActive());
    module.PingConexion(); // a closed link: returns normally
    EXPECT_FALSE(module.Uconnection.connected());
    EXPECT_EQ(module.zModulosPermisos.paramNames(), QStringList{"Usuario"});
    EXPECT_TRUE(module.zModulosPermisos.sql().contains(u"master_modulos m where ("));
    EXPECT_TRUE(module.QryBusca.isReadOnly());
    EXPECT_EQ(module.QryBusca.connection(), &module.zConnection);
}

TEST_F(CatalogTest, BothLinksMirrorTheSameParameters) {
    const DbConnection& u = connection().Uconnection;
    const DbConnection& z = connection().zConnection;
    EXPECT_EQ(u.server(), z.server());
    EXPECT_EQ(u.port(), z.port());
    EXPECT_EQ(u.username(), z.username());
    EXPECT_EQ(u.database(), z.database());
    EXPECT_NE(u.threadId(), z.threadId());
    EXPECT_EQ(scalar("SELECT @@character_set_client"), QStringLiteral("utf8mb4"));
    EXPECT_EQ(scalar("SELECT @@autocommit"), QStringLiteral("1"));
}

TEST_F(CatalogTest, AssignsTheStatementWithEveryParameterAtMinusOne) {
    Dataset ds;
    ASSERT_TRUE(AsignarConsulta(&ds, "cat_padre", "UPDATE", true));
    EXPECT_FALSE(ds.isActive());
    EXPECT_EQ(ds.connection(), &connection().Uconnection);
    EXPECT_EQ(ds.paramNames(), (QStringList{"IdPadre", "EActivo", "filter_by_code"}));
    for (const QString& name : ds.paramNames())
        EXPECT_EQ(ds.param(name), QVariant("-1")) << qPrintable(name);
    EXPECT_TRUE(ds.cachedUpdates());
    EXPECT_EQ(ds.lockMode(), Dataset::LockMode::Pessimistic);
    EXPECT_TRUE(bool(ds.hooks.beforeOpen));
    EXPECT_TRUE(bool(ds.hooks.beforeRefresh));
    EXPECT_TRUE(bool(ds.hooks.afterPost));

    // Bind and open as the windows do.
    FiltrarConsulta(ds, "EActivo", {"Si"});
    ds.open();
    EXPECT_EQ(ds.recordCount(), 2);
    ds.close();
    ASSERT_TRUE(AsignarConsulta(&ds, "cat_padre", "UPDATE", true));
    FiltrarConsulta(ds, "IdPadre, filter_by_code", {-1, "SNombre <> 'Uno'"});
    ds.open();
    EXPECT_EQ(ds.recordCount(), 2);
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 2);
}

TEST_F(CatalogTest, LookupIsExactByNameAndType) {
    Dataset ds;
    ASSERT_TRUE(AsignarConsulta(&ds, "cat_padre", "READONLY", true));
    EXPECT_TRUE(ds.isReadOnly());
    ds.open();
    EXPECT_EQ(ds.fieldCount(), 2);
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 3);
    EXPECT_THROW(ds.edit(), Exception);

    // Not found: the dataset keeps its statement, settings and state.
    EXPECT_FALSE(AsignarConsulta(&ds, "CAT_PADRE", "READONLY", true));
    EXPECT_FALSE(AsignarConsulta(&ds, "cat_padre", "readonly", true));
    EXPECT_FALSE(AsignarConsulta(&ds, "cat_padre ", "READONLY", true));
    EXPECT_FALSE(AsignarConsulta(&ds, "cat_pad", "READONLY", true));
    EXPECT_TRUE(ds.isActive());
    EXPECT_TRUE(ds.isReadOnly());
    EXPECT_EQ(ds.fieldCount(), 2);

    ASSERT_TRUE(AsignarConsulta(&ds, "cat_padre", "UPDATE", true));
    EXPECT_FALSE(ds.isActive());
    EXPECT_FALSE(ds.isReadOnly());
    EXPECT_EQ(ds.paramNames().size(), 3);
}

TEST_F(CatalogTest, StatementWithoutParametersOpensAsWritten) {
    Dataset ds;
    ASSERT_TRUE(AsignarConsulta(&ds, "cat_sin_parametros", "UPDATE", true));
    EXPECT_TRUE(ds.paramNames().isEmpty());
    ds.open();
    EXPECT_EQ(ds.fieldByName("n").asInteger(), 3);
}

TEST_F(CatalogTest, FragmentTokensTakeTheWindowsText) {
    Dataset ds;
    ASSERT_TRUE(AsignarConsulta(&ds, "cat_columnas", "UPDATE", true));
    FiltrarConsulta(ds, "var_by_code1, IdPadre", {"SNombre, EActivo", 2});
    ds.open();
    EXPECT_EQ(ds.fieldNames(), (QStringList{"SNombre", "EActivo"}));
    EXPECT_EQ(ds.fieldByName("SNombre").asString(), QStringLiteral("Dos"));
}

TEST_F(CatalogTest, AppliedAfterPostWhenAskedCachedOtherwise) {
    Dataset now, later;
    AsignarConsulta(&now, "cat_padre", "UPDATE", true);
    AsignarConsulta(&later, "cat_padre", "UPDATE", false);
    now.open();
    later.open();

    now.edit();
    now.setValue("SNombre", "Uno bis");
    now.post();
    EXPECT_FALSE(now.updatesPending());
    EXPECT_EQ(scalar("SELECT SNombre FROM cat_padre WHERE IdPadre = 1"), QStringLiteral("Uno bis"));

    later.last();
    later.edit();
    later.setValue("SNombre", "Tres bis");
    later.post();
    EXPECT_TRUE(later.updatesPending());
    EXPECT_EQ(scalar("SELECT SNombre FROM cat_padre WHERE IdPadre = 3"), QStringLiteral("Tres"));
    later.applyUpdates();
    EXPECT_EQ(scalar("SELECT SNombre FROM cat_padre WHERE IdPadre = 3"),
              QStringLiteral("Tres bis"));

    // A deletion does not post: it waits for the owner to apply it.
    now.locate("IdPadre", 2);
    now.deleteRecord();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM cat_padre"), QStringLiteral("3"));
    AplicarTrasGuardar(now);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM cat_padre"), QStringLiteral("2"));
}

TEST_F(CatalogTest, AReloadLeavesAssignedDatasetsAlone) {
    Dataset ds;
    AsignarConsulta(&ds, "cat_sin_parametros", "UPDATE", true);
    connection().zConnection.execute(
        "UPDATE master_consultassql SET `SQL` = 'select 42 as n' WHERE NombreConsulta = "
        "'cat_sin_parametros'");
    ASSERT_TRUE(CargarConsultasSQL());
    ds.open();
    EXPECT_EQ(ds.fieldByName("n").asInteger(), 3);
    AsignarConsulta(&ds, "cat_sin_parametros", "UPDATE", true);
    ds.open();
    EXPECT_EQ(ds.fieldByName("n").asInteger(), 42);
}

TEST_F(CatalogTest, MissingDatasetOrEmptyCatalogueIsAnError) {
    try {
        AsignarConsulta(nullptr, "cat_padre", "UPDATE", true);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("El componente no se encuentra creado."));
    }
    connection().zConnection.execute(
        "CREATE TEMPORARY TABLE keep SELECT * FROM master_consultassql");
    connection().zConnection.execute("DELETE FROM master_consultassql");
    ASSERT_TRUE(CargarConsultasSQL());
    Dataset ds;
    try {
        AsignarConsulta(&ds, "cat_padre", "UPDATE", true);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("No se encuentra consultas SQL definidas dentro de "
                                              "la tabla master_ConsultasSql"));
    }
    connection().zConnection.execute("INSERT INTO master_consultassql SELECT * FROM keep");
}

TEST_F(CatalogTest, FailedLoadOffersToRetryOrToEnd) {
    connection().Uconnection.disconnect();
    prompts.answers = {true}; // OK: retry the link
    EXPECT_FALSE(CargarConsultasSQL());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].startsWith(
        u"okcancel: Error de Conexion | No se pudo conectar debido al siguiente error:  "));
    EXPECT_EQ(prompts.quitRequests, 0);

    // Cancel asks the program to end; the assignment then reports the empty catalogue.
    Dataset ds;
    EXPECT_THROW(AsignarConsulta(&ds, "cat_padre", "UPDATE", true), Exception);
    EXPECT_EQ(prompts.quitRequests, 1);
    EXPECT_EQ(prompts.shown.size(), 2);
}

TEST_F(CatalogTest, ConfirmarOTerminar) {
    prompts.answers = {true, false};
    EXPECT_TRUE(ConfirmarOTerminar("¿Seguir?", "Título"));
    EXPECT_EQ(prompts.quitRequests, 0);
    EXPECT_FALSE(ConfirmarOTerminar("¿Seguir?", "Título"));
    EXPECT_EQ(prompts.quitRequests, 1);
    EXPECT_EQ(prompts.shown,
              (QStringList{"okcancel: Título | ¿Seguir?", "okcancel: Título | ¿Seguir?"}));
}

TEST_F(CatalogTest, ThePingBeforeOpeningRevivesADroppedLink) {
    DbConnection admin;
    orva::test::configure(admin, dbName);
    admin.connect();
    orva::test::killAndWait(admin, connection().Uconnection.threadId());
    Dataset ds;
    AsignarConsulta(&ds, "cat_sin_parametros", "UPDATE", true);
    ds.open();
    EXPECT_EQ(ds.fieldByName("n").asInteger(), 3);
}

} // namespace
