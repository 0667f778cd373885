// The record helpers against the real server: action log, new keys, folios.
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"
#include "data/records.h"
#include "data/session.h"
#include "datatest.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <mysql.h>

using namespace orva::data;

namespace {

const std::string dbName = "t_data_records";

// The action-log statement, for a database whose catalogue does not carry it yet, and
// one more so that the catalogue is never empty.
const char* fixture = R"sql(
INSERT IGNORE INTO master_consultassql (NombreConsulta, Tipo, `SQL`) VALUES
  ('rec_otra', 'UPDATE', 'select 1'),
  ('insert_kardex_sistema', 'UPDATE',
   'INSERT INTO kardex_sistema (IdUsuario, DFecha, SHora, SDescripcion, SNombre) VALUES (:Usuario, :Fecha, :Hora, :Descripcion, :Nombre)');
)sql";

class RecordsTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        orva::test::createDatabase(dbName);
        orva::test::runSql(dbName, fixture);
    }
    void SetUp() override {
        orva::test::connectModule(dbName);
        ASSERT_TRUE(CargarConsultasSQL());
    }
    void TearDown() override { orva::test::disconnectModule(); }

    static void exec(const QString& sql) { connection().zConnection.execute(sql); }
    static QString scalar(const QString& sql) {
        ResultPtr r = connection().zConnection.query(sql);
        MYSQL_ROW row = r ? mysql_fetch_row(r.get()) : nullptr;
        return !row     ? QStringLiteral("<sin fila>")
               : row[0] ? QString::fromUtf8(row[0])
                        : QStringLiteral("<NULL>");
    }
};

TEST_F(RecordsTest, RegistrarBitacoraWritesOneEntryForTheSessionUser) {
    SesionActual s;
    s.IdUsuarioActual = 17;
    s.sNombreUsuario = QStringLiteral("María Pérez");
    establecerSesion(s);
    const QString before = scalar("SELECT COUNT(*) FROM kardex_sistema");
    RegistrarBitacora(QStringLiteral("Agrega Partido - Código: P0001 - O'Higgins"));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM kardex_sistema").toInt(), before.toInt() + 1);
    EXPECT_EQ(scalar("SELECT CONCAT_WS('|', IdUsuario, DFecha = CURDATE(), SDescripcion, SNombre) "
                     "FROM kardex_sistema ORDER BY IdKardex DESC LIMIT 1"),
              QStringLiteral("17|1|Agrega Partido - Código: P0001 - O'Higgins|María Pérez"));
    const QString hora = scalar("SELECT SHora FROM kardex_sistema ORDER BY IdKardex DESC LIMIT 1");
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d$").match(hora).hasMatch())
        << qPrintable(hora);
    establecerSesion({});
}

TEST_F(RecordsTest, RegistrarBitacoraWithoutItsStatementFails) {
    exec("CREATE TEMPORARY TABLE keep SELECT * FROM master_consultassql WHERE NombreConsulta = "
         "'insert_kardex_sistema'");
    exec("DELETE FROM master_consultassql WHERE NombreConsulta = 'insert_kardex_sistema'");
    ASSERT_TRUE(CargarConsultasSQL());
    try {
        RegistrarBitacora("Elimina algo");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.message().contains("insert_kardex_sistema")) << qPrintable(e.message());
    }
    exec("INSERT INTO master_consultassql SELECT * FROM keep");
}

TEST_F(RecordsTest, SiguienteIdIsTheMaximumPlusOne) {
    exec("DROP TABLE IF EXISTS ids");
    exec("CREATE TABLE ids (Id INT NULL)");
    EXPECT_EQ(SiguienteId("ids", "Id"), 1);
    exec("INSERT INTO ids VALUES (NULL)");
    EXPECT_EQ(SiguienteId("ids", "Id"), 1);
    exec("INSERT INTO ids VALUES (41), (7)");
    EXPECT_EQ(SiguienteId("ids", "Id"), 42);
}

TEST_F(RecordsTest, SiguienteIdQuotesTheNamesItIsGiven) {
    exec("DROP TABLE IF EXISTS `tabla rara``x`");
    exec("CREATE TABLE `tabla rara``x` (`Id x` INT)");
    exec("INSERT INTO `tabla rara``x` VALUES (9)");
    EXPECT_EQ(SiguienteId("tabla rara`x", "Id x"), 10);
    exec("DROP TABLE IF EXISTS victima");
    exec("CREATE TABLE victima (Id INT)");
    EXPECT_THROW(SiguienteId("victima; DROP TABLE victima", "Id"), DatabaseError);
    EXPECT_THROW(SiguienteId("victima", "Id) from victima; DROP TABLE victima; -- "),
                 DatabaseError);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM information_schema.TABLES WHERE TABLE_SCHEMA = "
                     "DATABASE() AND TABLE_NAME = 'victima'"),
              QStringLiteral("1"));
}

struct FolioCase {
    const char* name;
    bool configured;
    const char* aplicar;
    const char* prefijo;
    int numDig;
    const char* complemento;
    std::vector<const char*> codes;
    const char* expected; ///< nullptr: an error
};

class Folios : public RecordsTest, public testing::WithParamInterface<FolioCase> {};

TEST_P(Folios, FollowTheSettings) {
    const FolioCase& c = GetParam();
    exec("DROP TABLE IF EXISTS `folio t`");
    exec("CREATE TABLE `folio t` (`S Codigo` VARCHAR(30) NULL)");
    exec("DELETE FROM master_cnf_folios WHERE Tabla = 'folio t'");
    Dataset fill(&connection().zConnection);
    if (c.configured) {
        fill.setSql("INSERT INTO master_cnf_folios (Tabla, Campo, Aplicar, Prefijo, NumDig, "
                    "complemento) VALUES ('folio t', 'S Codigo', :a, :p, :n, :c)");
        fill.setParam("a", c.aplicar);
        fill.setParam("p", QString::fromUtf8(c.prefijo));
        fill.setParam("n", c.numDig);
        fill.setParam("c", QString::fromUtf8(c.complemento));
        fill.execSql();
    }
    fill.setSql("INSERT INTO `folio t` VALUES (:code)");
    for (const char* code : c.codes) {
        fill.setParam("code", QString::fromUtf8(code));
        fill.execSql();
    }
    if (!c.expected) {
        EXPECT_THROW(GenerarFolio("folio t", "S Codigo"), Exception) << c.name;
        return;
    }
    EXPECT_EQ(GenerarFolio("folio t", "S Codigo"), QString::fromUtf8(c.expected)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Folios,
    testing::Values(
        FolioCase{"next", true, "Si", "P", 4, "", {"P0041", "P0007"}, "P0042"},
        FolioCase{"first", true, "Si", "P", 4, "", {}, "P0001"},
        FolioCase{"other prefixes ignored", true, "Si", "P", 4, "", {"Q0900", "P0003"}, "P0004"},
        // Codes compare as text: past NumDig digits the same folio comes back.
        FolioCase{"outgrown", true, "Si", "P", 4, "", {"P9999"}, "P10000"},
        FolioCase{"outgrown again", true, "Si", "P", 4, "", {"P9999", "P10000"}, "P10000"},
        FolioCase{"not applied", true, "No", "P", 4, "", {"P0041"}, ""},
        FolioCase{"not configured", false, "", "", 0, "", {"P0041"}, ""},
        FolioCase{"complement", true, "Si", "C", 3, "-A", {"C001-A", "C005-A", "C009-B"}, "C006-A"},
        FolioCase{"complement first", true, "Si", "C", 3, "-A", {"C009-B"}, "C001-A"},
        FolioCase{"no digit count", true, "Si", "F", 0, "", {"F7", "F12"}, "F8"},
        FolioCase{"no digit count first", true, "Si", "F", 0, "", {}, "F1"},
        FolioCase{"tail not a number", true, "Si", "P", 4, "", {"PABCD"}, nullptr},
        // Quotes and LIKE wildcards in the settings are taken literally.
        FolioCase{"quoted prefix", true, "Si", "O'K_", 4, "", {"O'K_0003", "O'KX0009"}, "O'K_0004"},
        FolioCase{"percent complement", true, "Si", "D", 2, "%", {"D07%", "D09x"}, "D08%"}));

} // namespace
