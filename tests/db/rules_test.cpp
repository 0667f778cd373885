// What the statements decide and what the database refuses, on the known rows of
// fixture.sql. Each test works inside a transaction that is rolled back afterwards.
#include "tests/db/catalogdb.h"

#include <QDate>
#include <gtest/gtest.h>
#include <utility>

using namespace orva::test;

namespace {

const std::string database = "t_statements";

QString s(const char* text) {
    return QString::fromUtf8(text);
}

/// Parameter values written as {{"name", "value"}, …}.
Values with(std::initializer_list<std::pair<const char*, const char*>> pairs) {
    Values v;
    for (const auto& [name, value] : pairs)
        v.insert(s(name), s(value));
    return v;
}

QStringList sorted(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* i : items)
        out << s(i);
    out.sort();
    return out;
}

class RulesTest : public testing::Test {
protected:
    static void SetUpTestSuite() { prepareFixtureDatabase(database); }
    void SetUp() override { db.exec(s("START TRANSACTION")); }
    void TearDown() override { db.exec(s("ROLLBACK")); }

    /// The distinct values of a column of a catalogued statement, sorted.
    QStringList ids(const char* statement, const Values& values,
                    const char* column = "IdPersonal") {
        QStringList out = db.open(s(statement), values).values(s(column));
        out.sort();
        out.removeDuplicates();
        return out;
    }
    /// The first value of the first row.
    QString one(const QString& sql) {
        const Rows r = db.query(sql);
        return r.at(0, r.columns.at(0).name);
    }

    CatalogDb db{database};
};

// --- people ------------------------------------------------------------------------------

TEST_F(RulesTest, TheSameRealVoterKeyCannotBeRegisteredTwice) {
    struct Case {
        const char* key;
        bool accepted;
    } cases[] = {
        {"ABCDEF90010113H001", true},
        {"ABCDEF90010113H001", false},
        {"abcdef90010113h001", false}, // the same key in lower case
        {"-", true},                   // credentials in paperwork may repeat
        {"-", true},
        {"", true},
        {"", true},
    };
    int id = 100;
    for (const Case& c : cases) {
        const QString error =
            db.failure(s("INSERT INTO master_personal (IdPersonal, SNombre, SAPaterno, SAMaterno, "
                         "SINE) VALUES (%1, 'ANA', 'RIOS', 'PAZ', %2)")
                           .arg(++id)
                           .arg(db.literal(s(c.key))));
        if (c.accepted)
            EXPECT_EQ(error, QString()) << '"' << c.key << '"';
        else
            EXPECT_TRUE(error.contains(s("Duplicate entry"))) << '"' << c.key << '"';
    }
}

TEST_F(RulesTest, VoterKeyLookUpFindsRealKeysOnly) {
    const auto bySine = [&](const char* sine) {
        return ids("master_personal", with({{"SINE", sine}}));
    };
    EXPECT_EQ(bySine("LNSTAN80051713M100"), sorted({"1"}));
    EXPECT_EQ(bySine("  lnstan80051713m100 "), sorted({"1"})) << "sin espacios ni mayúsculas";
    EXPECT_EQ(bySine("-"), QStringList()) << "un trámite no es una clave registrada";
    EXPECT_EQ(bySine("XXXXXX00000000X000"), QStringList());
}

TEST_F(RulesTest, ValidityListHoldsCredentialsDueThisYearAndEarlier) {
    const QByteArray year = QByteArray::number(QDate::currentDate().year());
    EXPECT_EQ(ids("master_personal", with({{"IVigencia", year.constData()}})), sorted({"3", "7"}));
    EXPECT_EQ(ids("master_personal", with({{"ETramiteINE", "Si"}})), sorted({"5", "6"}));
}

TEST_F(RulesTest, PeopleCarryTheirCurrentStructureAndIndicators) {
    const Rows rows = db.open(s("master_personal"));
    QMap<QString, QString> estructura;
    for (int r = 0; r < rows.size(); ++r)
        estructura[rows.at(r, s("IdPersonal"))] = rows.at(r, s("IdEstructuraActual"));
    EXPECT_EQ(estructura.value(s("4")), s("1")) << "el movimiento actual, no el anterior";
    EXPECT_EQ(estructura.value(s("5")), s("2"));
    EXPECT_EQ(estructura.value(s("7")), s("0")) << "sin movimiento";
    EXPECT_EQ(rows.at(0, s("SNombreCompleto")), s("LUNA SOTO ANA"));
    EXPECT_EQ(rows.at(0, s("sHuella")), s("Con huella"));
    EXPECT_EQ(rows.at(0, s("sFoto")), s("Con foto"));
    EXPECT_EQ(rows.at(1, s("sHuella")), s("Sin huella"));
    EXPECT_EQ(rows.at(1, s("sFoto")), s("Sin foto"));
    EXPECT_EQ(rows.at(0, s("Seccion")), s("0001"));
    EXPECT_EQ(rows.at(0, s("Municipio")), s("PACHUCA DE SOTO"));
}

TEST_F(RulesTest, PeopleOfferedForANewAssignment) {
    // 7 and 10 have no movement, 9's current movement is a "Baja"; 8 is inactive.
    EXPECT_EQ(ids("master_personal_promovido", {}), sorted({"10", "7", "9"}));
    EXPECT_EQ(ids("master_personal_promovido_asig", with({{"IdPersonal", "4"}})), sorted({"4"}));
}

// --- what may and may not be deleted ------------------------------------------------------

TEST_F(RulesTest, RowsStillInUseCannotBeDeleted) {
    for (const char* sql : {
             "DELETE FROM activ_estructuras WHERE IdEstructura = 1",
             "DELETE FROM activ_cargos WHERE IdCargo = 1",
             "DELETE FROM activ_motivos WHERE IdMotivo = 1",
             "DELETE FROM activ_zonas WHERE IdZona = 1",
             "DELETE FROM master_municipios WHERE IdMunicipio = 1",
             "DELETE FROM activ_secciones WHERE IdSeccion = 1",
             "DELETE FROM master_localidades WHERE IdLocalidad = 1",
             "DELETE FROM master_codigo_postal WHERE IdCodigoPostal = 1",
             "DELETE FROM master_estado WHERE IdEstado = 53",
             "DELETE FROM master_pais WHERE IdPais = 71",
             "DELETE FROM activ_partidos WHERE IdPartido = 1",
             "DELETE FROM activ_candidatos WHERE IdCandidato = 1",
             "DELETE FROM activ_campanias WHERE IdCampania = 1",
             "DELETE FROM activ_tipos_campania WHERE IdTipoCampania = 1",
             "DELETE FROM activ_grado_estudios WHERE IdGradoEstudios = 1",
             "DELETE FROM activ_estado_civil WHERE IdEstadoCivil = 1",
             "DELETE FROM activ_conceptos_apoyos WHERE IdConcepto = 1",
             "DELETE FROM admin_roles WHERE IdRol = 2",
             "DELETE FROM master_personal WHERE IdPersonal = 4",
         })
        EXPECT_TRUE(db.failure(s(sql)).contains(s("foreign key constraint fails"))) << sql;
}

TEST_F(RulesTest, AUserGoesWithTheirRoleLinkAndStructures) {
    EXPECT_EQ(db.failure(s("DELETE FROM master_usuarios WHERE IdUsuario = 2")), QString());
    EXPECT_EQ(one(s("SELECT COUNT(*) FROM admin_roles_usuarios WHERE IdUsuario = 2")), s("0"));
    EXPECT_EQ(one(s("SELECT COUNT(*) FROM activ_usuarios_estructuras WHERE IdUsuario = 2")),
              s("0"));
    EXPECT_EQ(one(s("SELECT COUNT(*) FROM kardex_sistema WHERE IdUsuario = 2")), s("1"))
        << "la bitácora se conserva";
}

TEST_F(RulesTest, ReferencesMeaningNoneCanBeSaved) {
    // Superiors 0 or empty, and rows whose optional references are all empty (the
    // spreadsheet import leaves unknown superiors empty).
    EXPECT_EQ(db.failure(s("INSERT INTO activ_asignaciones (IdAsignacion, IdPersonal, IdLider, "
                           "IdCoordinador, IdActivista) VALUES (50, 7, 0, 0, 0)")),
              QString());
    EXPECT_EQ(db.failure(s("INSERT INTO activ_asignaciones (IdAsignacion, IdPersonal) "
                           "VALUES (51, 10)")),
              QString());
    EXPECT_EQ(one(s("SELECT CONCAT(EActualMov, IdLider) FROM activ_asignaciones "
                    "WHERE IdAsignacion = 51")),
              s("Si0"));
    EXPECT_EQ(db.failure(s("UPDATE activ_asignaciones SET IdLider = NULL WHERE IdAsignacion = 51")),
              QString());
    EXPECT_EQ(
        db.failure(s("INSERT INTO master_personal (IdPersonal, SNombre) VALUES (60, 'SOLO')")),
        QString());
}

TEST_F(RulesTest, DatabaseNumbersRowsAddedWithoutKey) {
    // The import adds postal codes without a key; the rights editor adds options with key 0.
    db.exec(
        s("INSERT INTO master_codigo_postal (SCodigo, SCodigoPostal) VALUES ('42100', '42100')"));
    EXPECT_GT(
        one(s("SELECT IdCodigoPostal FROM master_codigo_postal WHERE SCodigoPostal = '42100'"))
            .toInt(),
        1);
    db.exec(s("INSERT INTO master_opciones (IdOpcion, SNombreForm_Programa, SDescripcion, IdTab) "
              "VALUES ('0', 'dxNuevo', 'Nuevo', '3')"));
    EXPECT_GT(one(s("SELECT IdOpcion FROM master_opciones WHERE SNombreForm_Programa = 'dxNuevo'"))
                  .toInt(),
              0);
}

TEST_F(RulesTest, CatalogNamesFollowTheirReferences) {
    db.exec(s("UPDATE activ_partidos SET SNombre = 'PARTIDO CELESTE' WHERE IdPartido = 1"));
    db.exec(s("UPDATE activ_zonas SET SDescripcion = 'ZONA CENTRO' WHERE IdZona = 1"));
    db.exec(s("UPDATE master_pais SET SPais = 'MEXICO' WHERE IdPais = 71"));
    EXPECT_EQ(one(s("SELECT Partido FROM activ_candidatos WHERE IdCandidato = 1")),
              s("PARTIDO CELESTE"));
    EXPECT_EQ(one(s("SELECT CONCAT(Partido, '|', Zona) FROM activ_campanias")),
              s("PARTIDO CELESTE|ZONA CENTRO"));
    EXPECT_EQ(one(s("SELECT Zona FROM activ_casillas")), s("ZONA CENTRO"));
    EXPECT_EQ(one(s("SELECT Paises FROM master_estado")), s("MEXICO"));
    // A value a window writes into a name column does not stick.
    db.exec(s("UPDATE activ_casillas SET Campania = 'OTRA', IdZona = 1"));
    EXPECT_EQ(one(s("SELECT Campania FROM activ_casillas")), s("CAMPAÑA ESTATAL"));
}

// --- users and rights -----------------------------------------------------------------------

TEST_F(RulesTest, PasswordsAreStoredTheWayTheLoginReadsThem) {
    const auto store = [&](const char* user, const char* pass, const char* again) {
        db.run(s("actualizaPass"),
               with({{"backPass", pass}, {"backPassEsp", again}, {"usuario", user}}));
    };
    const auto decrypted = [&](const char* user) {
        return one(s("select CAST(AES_DECRYPT(sPassword, 'RTV8493') AS CHAR) from "
                     "master_usuarios where sUsuario = '%1'")
                       .arg(s(user)));
    };
    store("capturista", "Ñandú#2026", "Ñandú#2026");
    EXPECT_EQ(decrypted("capturista"), s("Ñandú#2026"));
    store("capturista", "Otra", "otra");
    EXPECT_EQ(decrypted("capturista"), s("Ñandú#2026")) << "la confirmación no coincide";
    // The administrator's login compares the stored password as it stands.
    store("admin", "Admin2027", "Admin2027");
    EXPECT_EQ(one(s("select sPassword from master_usuarios where sUsuario = 'ADMIN'")),
              s("Admin2027"));

    const Rows users = db.open(s("master_usuarios"));
    EXPECT_EQ(users.values(s("PasswordDecript")), sorted({"Admin2027", "Ñandú#2026"}));
    EXPECT_EQ(users.at(1, s("Estructura")), s("TERRITORIAL"));
    EXPECT_EQ(users.at(1, s("Departamento")), s("CAPTURISTA"));
}

TEST_F(RulesTest, UsersAreFoundByTheirStructures) {
    EXPECT_EQ(ids("master_usuarios", with({{"IdEstructura", "2"}}), "IdUsuario"), sorted({"1"}));
}

TEST_F(RulesTest, RightsAreGrantedOnlyByExactlySi) {
    const Rows rights = db.open(s("admin_roles_modulos_usuarios"), with({{"IdUsuario", "2"}}));
    ASSERT_GT(rights.size(), 40);
    for (int r = 0; r < rights.size(); ++r) {
        const bool people = rights.at(r, s("SNombreForm_Programa")) == s("dxColaboradores");
        EXPECT_EQ(rights.at(r, s("Acceder")), people ? s("Si") : s("No"));
        EXPECT_EQ(rights.at(r, s("Editar")), s("No")) << "\"si\" no concede";
        EXPECT_EQ(rights.at(r, s("Insertar")), s("Si"));
    }
    // A second role adds its grants, still one row per module.
    db.exec(s("INSERT INTO admin_roles_usuarios VALUES (3, 1, 2)"));
    const Rows both = db.open(s("admin_roles_modulos_usuarios"), with({{"IdUsuario", "2"}}));
    EXPECT_EQ(both.size(), rights.size());
    EXPECT_EQ(both.values(s("Editar")).count(s("Si")), both.size());
}

// --- assignments ------------------------------------------------------------------------------

TEST_F(RulesTest, AssignmentListKeepsToTheUsersStructuresAndCurrentMovements) {
    EXPECT_EQ(ids("activ_asignaciones",
                  with({{"IdEstructura", "0"}, {"IdUsuario", "2"}, {"EActualMov", "Si"}}),
                  "IdAsignacion"),
              sorted({"1", "2", "3", "5", "8"}));
    EXPECT_EQ(ids("activ_asignaciones", {}, "IdAsignacion").size(), 8);
}

TEST_F(RulesTest, AssignmentRowsNameTheirPeopleAndSuperiors) {
    const Rows rows = db.open(s("activ_asignaciones"), with({{"IdAsignacion", "5"}}));
    ASSERT_EQ(rows.size(), 1);
    const std::pair<const char*, const char*> expected[] = {
        {"SNombreCompleto", "MORA DIAZ LUIS"},
        {"Lider", "LUNA SOTO ANA"},
        {"Coordinador", "PEREZ CRUZ JUAN"},
        {"CoordinadorIndep", "PEREZ CRUZ JUAN"},
        {"Activista", "ISLAS VERA ROSA"},
        {"Cargo", "PROMOVIDO"},
        {"Estructura", "TERRITORIAL"},
        {"Motivo", "CAMBIO DE ESTRUCTURA"},
        {"Alta", "2024-02-01"},
        {"sCodigopersonal", "PER0000004"},
        {"Seccion", "0001"},
        {"TotalPromovidos", "0"},
    };
    for (const auto& [column, value] : expected)
        EXPECT_EQ(rows.at(0, s(column)), s(value)) << column;
    const Rows leader = db.open(s("activ_asignaciones"), with({{"IdAsignacion", "1"}}));
    EXPECT_EQ(leader.at(0, s("TotalPromovidos")), s("4"));
    EXPECT_EQ(leader.at(0, s("Lider")), s("<null>"));
}

TEST_F(RulesTest, CandidateSuperiorsOfAStructure) {
    const Rows rows = db.open(s("activ_asignaciones_activista"), with({{"IdEstructura", "1"}}));
    QStringList people = rows.values(s("IdPersonal"));
    people.sort();
    EXPECT_EQ(people, sorted({"1", "2", "3"})) << "una fila por persona";
    EXPECT_EQ(ids("activ_asignaciones_activista", with({{"IdEstructura", "2"}})), QStringList());
}

TEST_F(RulesTest, HoldersAndThePeopleUnderThem) {
    // Mass assignment: the holders of the user's structures, then who points to a holder.
    EXPECT_EQ(ids("activ_asignaciones_lideres", with({{"IdCargo", "4"},
                                                      {"EActualMov", "Si"},
                                                      {"IdEstructura", "0"},
                                                      {"IdUsuario", "2"}})),
              sorted({"1", "2", "3"}));
    EXPECT_EQ(
        ids("activ_asignaciones_activistas_lideres", with({{"IdLider", "1"}}), "IdAsignacion"),
        sorted({"2", "3", "5", "8"}));
    EXPECT_EQ(
        ids("activ_asignaciones_activistas_lideres", with({{"IdActivista", "3"}}), "IdAsignacion"),
        sorted({"5", "8"}));
    // Leader change: the leaders of the holder's structure.
    EXPECT_EQ(ids("activ_asignaciones_activistas_lideres",
                  with({{"IdEstructura", "1"}, {"IdCargo", "1"}})),
              sorted({"1"}));
}

TEST_F(RulesTest, SavedMovementBecomesThePersonsOnlyCurrentOne) {
    const auto flags = [&](const char* rows) {
        return one(s("SELECT GROUP_CONCAT(EActualMov ORDER BY IdAsignacion) FROM "
                     "activ_asignaciones WHERE IdAsignacion IN (%1)")
                       .arg(s(rows)));
    };
    const auto mov = [&](const char* sine, const char* id, const char* actual,
                         const char* estatus) {
        db.run(s("update_activ_asignaciones_mov"), with({{"sINE", sine},
                                                         {"IdAsignacion", id},
                                                         {"IdAsignacionActual", actual},
                                                         {"Estatus", estatus}}));
    };
    mov("MRDZLS00022913H400", "4", "-1", "Si"); // "Movimiento Actual" on the earlier row
    EXPECT_EQ(flags("4,5"), s("Si,Si"));
    mov("MRDZLS00022913H400", "-1", "5", "No"); // row 5 saved
    EXPECT_EQ(flags("4,5"), s("No,Si"));
    // People in paperwork share the key "-": saving one keeps the other's current movement.
    mov("-", "-1", "6", "No");
    EXPECT_EQ(flags("6,7"), s("Si,Si"));
}

TEST_F(RulesTest, HistoryHoldsEveryMovementAndChecksDatesAgainstTheAlta) {
    EXPECT_EQ(ids("activ_asignaciones_historico", with({{"IdPersonal", "4"}}), "IdAsignacion"),
              sorted({"4", "5"}));
    const auto earlierThanAlta = [&](const char* date) {
        return db.open(s("activ_asignaciones_historico"),
                       with({{"IdPersonal", "4"}, {"DFechaAlta", date}}))
                   .size() > 0;
    };
    EXPECT_TRUE(earlierThanAlta("2024-1-15"));
    EXPECT_FALSE(earlierThanAlta("2024-2-1"));
    EXPECT_FALSE(earlierThanAlta("2024-3-7"));
    EXPECT_EQ(ids("activ_asignaciones_historico", with({{"IdPersonal", "7"}})), QStringList())
        << "quien no tiene historial puede eliminarse";
}

TEST_F(RulesTest, MotivesOfAMovementType) {
    EXPECT_EQ(ids("activ_asignaciones_motivos", with({{"ETipoMovimiento", "Alta"}}), "IdMotivo"),
              sorted({"1", "4"}));
}

// --- deliveries and log ---------------------------------------------------------------------

TEST_F(RulesTest, DeliveriesOfADateRangeWithThePersonsPlacement) {
    const QDate today = QDate::currentDate();
    const auto text = [](const QDate& d) {
        return QStringLiteral("%1-%2-%3").arg(d.year()).arg(d.month()).arg(d.day());
    };
    Values range;
    range.insert(s("FechaInicio"), text(QDate(today.year(), today.month(), 1)));
    range.insert(s("FechaFin"), text(today));
    const Rows month = db.open(s("activ_apoyos"), range);
    ASSERT_EQ(month.size(), 1) << "el último día cuenta entero";
    const std::pair<const char*, const char*> expected[] = {
        {"IdApoyo", "1"},           {"SNombreCompleto", "MORA DIAZ LUIS"},
        {"Lider", "LUNA SOTO ANA"}, {"Activista", "ISLAS VERA ROSA"},
        {"ConceptoAp", "DESPENSA"}, {"Usuario", "capturista"},
        {"Localidad", "CENTRO"},    {"dMonto", "750.50"},
        {"SSeccion", "0001"},       {"Estructura", "TERRITORIAL"},
    };
    for (const auto& [column, value] : expected)
        EXPECT_EQ(month.at(0, s(column)), s(value)) << column;
    EXPECT_EQ(db.open(s("activ_apoyos")).size(), 2);
}

TEST_F(RulesTest, LogEntriesAreWrittenAndReadBack) {
    const char* text = "Agrega Partido - Código: PAR000002 - 'X'";
    db.run(s("insert_kardex_sistema"), with({{"Usuario", "1"},
                                             {"Fecha", "2025-3-5"},
                                             {"Hora", "08:05:09.007"},
                                             {"Descripcion", text},
                                             {"Nombre", "ADMINISTRADOR"}}));
    const Rows rows =
        db.open(s("kardex_sistema"), with({{"FechaInicio", "2025-3-1"}, {"FechaFin", "2025-3-5"}}));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.at(0, s("sUsuario")), s("admin"));
    EXPECT_EQ(rows.at(0, s("dIdFecha")), s("2025-03-05"));
    EXPECT_EQ(rows.at(0, s("sHora")), s("08:05:09.007"));
    EXPECT_EQ(rows.at(0, s("sDescripcion")), s(text));
    EXPECT_EQ(rows.at(0, s("sNombreUsuario")), s("ADMINISTRADOR"));
}

} // namespace
