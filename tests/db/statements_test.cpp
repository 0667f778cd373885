// Every catalogued statement accepts the parameters the windows bind, opens with all of them
// at "-1" (no restriction) and returns the columns the windows read; the statements the
// windows edit through come back with the key of the table they write to. The fixed texts
// the program sends to these tables run as well.
#include "tests/db/catalogdb.h"

#include "support/testdb.h"

#include <QFile>

#include <algorithm>
#include <gtest/gtest.h>

using namespace orva::test;

namespace {

const std::string database = "t_statements";

struct Statement {
    const char* name;
    const char* parameters; ///< the names the windows bind
    const char* columns;    ///< the columns the windows and reports read ("" for commands)
    const char* table;      ///< the table saved changes go to ("" when nothing is written
                            ///< through it)
    const char* sample;     ///< commands: values to run with ("name=value;…")
};

const char* const asignacion =
    "IdAsignacion,IdPersonal,SINE,IdEstructura,IdCargo,IdLider,IdCoordinador,"
    "IdCoordinadorIndep,IdActivista,DFechaMovimiento,ETipoMovimiento,IdMotivo,IdZona,"
    "IdGradoEstudios,IdEstadoCivil,SFaceBook,STwitter,IdLocalidad,IdUsuarioRealizo,EActualMov,"
    "sCodigopersonal,SNombreCompleto,Cargo,Estructura,GradoEstudios,Edad,sGenero,Zona,Lider,"
    "Coordinador,CoordinadorIndep,Activista,Personal,Motivo,Localidad,"
    // what the activism reports list
    "CURP,STelefono,TotalPromovidos,Seccion,Vigencia,SAPaterno,SAMaterno,SNombre,EstadoCivil,"
    "SFechaNacimiento,Domicilio,Correo,Alta,FechaAlta,Cumple";

// Every catalogued statement, the parameters bound to it and the columns read from it.
const Statement statements[] = {
    {"master_usuarios", "IdUsuario,IdEstructura,EActivo",
     "IdUsuario,sUsuario,sMail,sNombre,Telefono,EActivo,EAdmin,sPassword,PasswordDecript,"
     "Estructura,Departamento",
     "master_usuarios", ""},
    {"insert_kardex_sistema", "Usuario,Fecha,Hora,Descripcion,Nombre", "", "",
     "Usuario=2;Fecha=2026-3-5;Hora=08:05:09.007;Descripcion=Agrega prueba;Nombre=ROSA"},
    {"kardex_sistema", "FechaInicio,FechaFin",
     "sUsuario,dIdFecha,sHora,sDescripcion,sNombreUsuario", "", ""},
    {"actualizaPass", "backPass,backPassEsp,usuario", "", "",
     "backPass=Nueva#1;backPassEsp=Nueva#1;usuario=capturista"},
    {"admin_roles", "IdRol", "IdRol,SCodigo,SDescripcion,EActivo", "admin_roles", ""},
    {"admin_roles_usuarios", "IdRolUsuario,IdRol,IdUsuario", "IdRolUsuario,IdRol,IdUsuario",
     "admin_roles_usuarios", ""},
    {"admin_roles_modulos_usuarios", "IdUsuario",
     "SNombreForm_Programa,IdTab,Acceder,Insertar,Editar,Eliminar,Imprimir,Exportar", "", ""},
    {"master_opciones", "IdOpcion", "IdOpcion,SNombreForm_Programa,SDescripcion,IdTab,EActivo",
     "master_opciones", ""},
    {"programas", "IdRol",
     "IdRol,IdOpcion,acceder,insertar,editar,eliminar,imprimir,exportar,IdTab,SDescripcion",
     "admin_permisos_roles", ""},
    {"master_estado", "IdEstado,IdPais,EActivo", "IdEstado,SCodigo,IdPais,SEstado,EActivo,Paises",
     "master_estado", ""},
    {"activ_zonas", "IdZona,IdEstado,EActivo",
     "IdZona,SCodigo,IdEstado,SDescripcion,EActivo,Estado", "activ_zonas", ""},
    {"master_municipios", "IdMunicipio,IdEstado,EActivo",
     "IdMunicipio,SCodigo,IdEstado,SDescripcion,EActivo,Estado", "master_municipios", ""},
    {"activ_secciones", "IdSeccion,IdMunicipio,EActivo",
     "IdSeccion,IdMunicipio,SSeccion,EActivo,Municipio", "activ_secciones", ""},
    {"master_localidades", "IdLocalidad,IdMunicipio,IdSeccion,IdZona,EActivo",
     "IdLocalidad,SCodigo,IdMunicipio,IdSeccion,IdZona,SLocalidad,EActivo,Municipio,Seccion,Zona",
     "master_localidades", ""},
    {"master_codigo_postal", "IdCodigoPostal,EActivo",
     "IdCodigoPostal,SCodigo,SCodigoPostal,EActivo", "master_codigo_postal", ""},
    {"activ_cargos", "IdCargo,EActivo", "IdCargo,SCodigo,SDescripcion,EActivo", "activ_cargos", ""},
    {"activ_estado_civil", "IdEstadoCivil,EActivo", "IdEstadoCivil,SCodigo,SDescripcion,EActivo",
     "activ_estado_civil", ""},
    {"activ_grado_estudios", "IdGradoEstudios,EActivo",
     "IdGradoEstudios,sCodigo,sDescripcion,EActivo", "activ_grado_estudios", ""},
    {"activ_motivos", "IdMotivo,EActivo", "IdMotivo,SCodigo,sDescripcion,ETipoMovimiento,EActivo",
     "activ_motivos", ""},
    {"activ_partidos", "IdPartido,EActivo", "IdPartido,SCodigo,SNombre,SColor,EActivo",
     "activ_partidos", ""},
    {"activ_estructuras", "IdEstructura,EActivo", "IdEstructura,SCodigo,SDescripcion,EActivo",
     "activ_estructuras", ""},
    {"activ_conceptos_apoyos", "IdConcepto,SCodigo,EActivo", "IdConcepto,SCodigo,SConcepto,EActivo",
     "activ_conceptos_apoyos", ""},
    {"master_personal",
     "IdPersonal,IdMunicipio,IdSeccion,IdCodigoPostal,IdLocalidad,Activo,SINE,ETramiteINE,"
     "IVigencia",
     "IdPersonal,SCodigo,SNombre,SAPaterno,SAMaterno,SNombreCompleto,ESexo,DFechaNacimiento,SINE,"
     "IVigencia,ETramiteINE,SCurp,STelefono,SCorreoElectronico,SDomicilio,IdCodigoPostal,"
     "IdMunicipio,IdSeccion,IdLocalidad,Activo,FechaAlta,SURL_Foto,SRUL_Huella,"
     "IdEstructuraActual,Seccion,CodigoPostal,Municipio,Localidad,sHuella,sFoto",
     "master_personal", ""},
    {"master_personal_promovido", "", "IdPersonal,Nombre,SINE", "", ""},
    {"master_personal_promovido_asig", "IdPersonal", "IdPersonal,Nombre,SINE", "", ""},
    {"activ_usuarios_estructuras", "IdUsuario,IdEstructura",
     "IdUsuario,IdEstructura,NombreEstructura", "", ""},
    {"activ_asignaciones",
     "IdAsignacion,DFechaMovimiento,ETipoMovimiento,SFaceBook,STwitter,IdEstructura,IdUsuario,"
     "EActualMov",
     asignacion, "activ_asignaciones", ""},
    {"activ_asignaciones_activista", "IdEstructura", "IdPersonal,SNombreCompleto", "", ""},
    {"activ_asignaciones_motivos", "ETipoMovimiento", "IdMotivo,sDescripcion,ETipoMovimiento", "",
     ""},
    {"activ_asignaciones_historico",
     "IdAsignacion,DFechaMovimiento,ETipoMovimiento,SFaceBook,STwitter,IdPersonal,DFechaAlta",
     asignacion, "activ_asignaciones", ""},
    {"update_activ_asignaciones_mov", "sINE,IdAsignacion,IdAsignacionActual,Estatus", "", "",
     "sINE=MRDZLS00022913H400;IdAsignacion=4;IdAsignacionActual=-1;Estatus=Si"},
    {"activ_asignaciones_lideres", "IdPersonal,IdCargo,EActualMov,IdEstructura,IdUsuario",
     "IdPersonal,SINE,SNombreCompleto,IdCargo,Cargo,IdEstructura,Estructura", "", ""},
    {"activ_asignaciones_activistas_lideres",
     "IdEstructura,IdCargo,IdLider,IdCoordinador,IdActivista", asignacion, "activ_asignaciones",
     ""},
    {"activ_apoyos", "IdApoyo,IdPersonal,FechaInicio,FechaFin",
     "IdApoyo,SCodigo,IdPersonal,IdConcepto,dFechaSolicitud,SApoyoSolicitado,dMonto,"
     "URL_documentos,IdUsuarioRealizo,DFechaRealizo,sCodigopersonal,SINE,Localidad,Lider,"
     "Coordinador,Activista,SNombreCompleto,ConceptoAp,"
     // what the delivery report lists and prints
     "Seccion,Vigencia,STelefono,Edad,EstadoCivil,GradoEstudios,SSeccion,iVigencia,SAPaterno,"
     "SAMaterno,SNombrePersonal,Usuario",
     "activ_apoyos", ""},
    {"proyectos_inicio", "Contrato",
     "sLicitacion,sTitulo,sContrato,sTipoObra,mDescripcion,mCliente,bImagen,sUbicacion,sCodigo,"
     "sMascara,IdEmpresa,FK_titulo",
     "proyectos_inicio", ""},
};

QStringList names(const char* list) {
    return QString::fromUtf8(list).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

Values sampleValues(const char* sample) {
    Values v;
    for (const QString& pair : QString::fromUtf8(sample).split(u';', Qt::SkipEmptyParts))
        v.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    return v;
}

class CatalogTest : public testing::Test {
protected:
    static void SetUpTestSuite() { prepareFixtureDatabase(database); }
    CatalogDb db{database};
};

/// The rows of the table that `keep` selects.
template <typename Keep> std::vector<Statement> only(Keep keep) {
    std::vector<Statement> out;
    for (const Statement& s : statements)
        if (keep(s))
            out.push_back(s);
    return out;
}

std::string nameOf(const testing::TestParamInfo<Statement>& info) {
    return info.param.name;
}

class EveryStatement : public CatalogTest, public testing::WithParamInterface<Statement> {};
class Query : public EveryStatement {};
class Editable : public EveryStatement {};
class Command : public EveryStatement {};

TEST_P(EveryStatement, AcceptsTheParametersTheWindowsBind) {
    const Statement& s = GetParam();
    const QStringList declared = db.parameters(QString::fromUtf8(s.name));
    for (const QString& p : names(s.parameters))
        EXPECT_TRUE(declared.contains(p, Qt::CaseInsensitive))
            << "falta el parámetro " << p.toStdString();
}

TEST_P(Query, OpensWithEveryParameterAtMinusOneAndReturnsItsColumns) {
    const Statement& s = GetParam();
    const Rows rows = db.open(QString::fromUtf8(s.name));
    EXPECT_GT(rows.size(), 0) << "con todo en -1 no debe restringir";
    for (const QString& c : names(s.columns))
        EXPECT_GE(rows.indexOf(c), 0) << "falta la columna " << c.toStdString();
    QStringList seen;
    for (const ResultColumn& c : rows.columns) {
        EXPECT_FALSE(seen.contains(c.name, Qt::CaseInsensitive))
            << "columna repetida " << c.name.toStdString();
        seen << c.name;
    }
}

// Saved changes go to the table of the first key column, and only the columns that come
// from that table are written: the result must carry the table's key as the table's own.
// (A plan that needs a temporary table, such as an order over joined columns, loses the key
// marks; the statements order by their main table's columns.)
TEST_P(Editable, KeyColumnBelongsToTheTableChangesAreSavedTo) {
    const Statement& s = GetParam();
    const Rows rows = db.open(QString::fromUtf8(s.name));
    auto key = std::find_if(rows.columns.begin(), rows.columns.end(),
                            [](const ResultColumn& c) { return c.primaryKey; });
    ASSERT_NE(key, rows.columns.end()) << "sin columna llave";
    EXPECT_EQ(key->orgTable.toStdString(), s.table);
}

TEST_P(Command, RunsWithTheValuesTheProgramGives) {
    const Statement& s = GetParam();
    db.exec(QStringLiteral("START TRANSACTION"));
    db.run(QString::fromUtf8(s.name), sampleValues(s.sample));
    EXPECT_EQ(db.affectedRows(), 1u);
    db.exec(QStringLiteral("ROLLBACK"));
}

INSTANTIATE_TEST_SUITE_P(Catalogo, EveryStatement, testing::ValuesIn(statements), nameOf);
INSTANTIATE_TEST_SUITE_P(Catalogo, Query,
                         testing::ValuesIn(only([](const Statement& s) { return *s.columns; })),
                         nameOf);
INSTANTIATE_TEST_SUITE_P(Catalogo, Editable,
                         testing::ValuesIn(only([](const Statement& s) { return *s.table; })),
                         nameOf);
INSTANTIATE_TEST_SUITE_P(Catalogo, Command,
                         testing::ValuesIn(only([](const Statement& s) { return !*s.columns; })),
                         nameOf);

TEST_F(CatalogTest, HoldsExactlyTheStatementsTheProgramAsksFor) {
    QStringList expected;
    for (const Statement& s : statements)
        expected << QString::fromUtf8(s.name);
    QStringList stored =
        db.query(QStringLiteral(
                     "SELECT NombreConsulta FROM master_consultassql WHERE Tipo = 'UPDATE'"))
            .values(QStringLiteral("NombreConsulta"));
    expected.sort();
    stored.sort();
    EXPECT_EQ(stored, expected);
}

// Tables that windows load with "SELECT * FROM <table>": the grid's columns, parent names
// included, come from the table itself.
struct TableText {
    const char* table;
    const char* columns;
};

const TableText tableTexts[] = {
    {"activ_partidos", "IdPartido,SCodigo,SNombre,SColor,EActivo"},
    {"activ_candidatos", "IdCandidato,IdPartido,SNombre,EActivo,Partido"},
    {"master_estado", "IdEstado,SCodigo,IdPais,SEstado,EActivo,Paises"},
    {"master_pais", "IdPais,SPais"},
    {"activ_estructuras", "IdEstructura,SCodigo,SDescripcion,EActivo"},
    {"activ_campanias",
     "IdCampania,SDescripcion,IAnio,IdPartido,IdCandidato,IdTipoCampania,IdEstado,IdMunicipio,"
     "IdZona,Estado,Municipio,Zona,Partido,Candidato,TipoCampania"},
    {"activ_tipos_campania", "IdTipoCampania,SDescripcion"},
    {"activ_motivos", "IdMotivo,SCodigo,sDescripcion,EActivo"},
    {"activ_grado_estudios", "IdGradoEstudios,sCodigo,sDescripcion,EActivo"},
    {"activ_casillas",
     "IdCasilla,SCodigo,IdCampania,IdZona,SDireccion,EActivo,SLatitud,SLongitud,Campania,Zona"},
};

TEST_F(CatalogTest, TablesLoadedWholeCarryTheColumnsOfTheirGrid) {
    for (const TableText& t : tableTexts) {
        const Rows rows =
            db.query(QStringLiteral("SELECT * FROM %1").arg(QString::fromUtf8(t.table)));
        EXPECT_GT(rows.size(), 0) << t.table;
        for (const QString& c : names(t.columns))
            EXPECT_GE(rows.indexOf(c), 0) << t.table << " sin " << c.toStdString();
        for (const QString& c : {QStringLiteral("Paises"), QStringLiteral("Partido"),
                                 QStringLiteral("Campania"), QStringLiteral("TipoCampania")})
            if (rows.indexOf(c) >= 0) {
                EXPECT_NE(rows.at(0, c), QStringLiteral("<null>"))
                    << t.table << "." << c.toStdString();
            }
    }
}

TEST_F(CatalogTest, EveryFolioNamesAColumnOfItsTable) {
    const Rows folios = db.query(QStringLiteral("SELECT Tabla, Campo FROM master_cnf_folios"));
    ASSERT_GE(folios.size(), 16);
    for (int i = 0; i < folios.size(); ++i) {
        const QString table = folios.at(i, QStringLiteral("Tabla"));
        const QString column = folios.at(i, QStringLiteral("Campo"));
        const Rows found = db.query(
            QStringLiteral("SELECT COLUMN_NAME FROM information_schema.COLUMNS WHERE "
                           "TABLE_SCHEMA = DATABASE() AND TABLE_NAME = %1 AND COLUMN_NAME = %2 "
                           "COLLATE utf8mb4_bin")
                .arg(db.literal(table), db.literal(column)));
        EXPECT_EQ(found.size(), 1) << table.toStdString() << "." << column.toStdString();
    }
}

// Texts the program itself sends to these tables (login, rights, error catalogue, folios,
// structure assignment), with their parameters given as the program gives them.
struct FixedText {
    const char* what;
    const char* sql;
    const char* column; ///< a column whose first value is checked ("" for commands)
    const char* value;
};

const FixedText fixedTexts[] = {
    {"acceso de usuario",
     "select AES_DECRYPT(u.sPassword,'RTV8493') as sPassword,u.*   from master_usuarios u "
     "where sUsuario = 'capturista' and EActivo='Si'",
     "sPassword", "Captura2026"},
    {"acceso del administrador",
     "select u.sPassword,u.* from master_usuarios as u where u.sUsuario='ADMIN'", "sPassword",
     "Admin2026"},
    {"permisos de la sesión",
     "Select m.*, m.NombreForm_Programa as sIdPrograma from master_modulos m where "
     "('capturista' = -1 or ('capturista' <> -1 and sUsuario = 'capturista')) "
     "and SNombreForm_Programa = 'dxColaboradores'",
     "Acceder", "Si"},
    {"folio", "Select * from master_cnf_folios where Tabla='master_personal' and Campo='SCodigo'",
     "Prefijo", "PER"},
    {"último folio", "Select MAX(SCodigo) as Campo from master_personal where SCodigo Like 'PER%'",
     "Campo", "PER0000010"},
    {"siguiente llave", "select max(IdPersonal) as Maximo from master_personal ", "Maximo", "10"},
    {"error nuevo (registro crudo)",
     "INSERT INTO catalogodeerrores (sError, sMensaje, sFormulario, sDescripcion, iClase, dFecha, "
     "iCodigoError) VALUES ('Lost connection', \"\", 'Importación de Plantillas', 'Al importar', "
     "2, "
     "NOW(), 0)",
     "", ""},
    {"error nuevo (mensaje)",
     "INSERT INTO catalogodeerrores (sError, sMensaje, sFormulario, sDescripcion, iClase, dFecha, "
     "iCodigoError) VALUES ('Lost connection', \"Este mensaje de error fue generado "
     "automaticamente por el sistema.\", 'Importación de Plantillas', 'Al importar', 0, NOW(), 0)",
     "", ""},
    {"búsqueda de error",
     "SELECT idcatalogodeerrores, sError, sMensaje FROM catalogodeerrores WHERE iClase = 0 AND "
     "sFormulario = 'Importación de Plantillas' AND sDescripcion = 'Al importar' AND iCodigoError "
     "= 0 AND sMensaje <> \"\"",
     "sError", "Lost connection"},
    {"asignar estructura",
     "INSERT INTO activ_usuarios_estructuras (IdUsuario, IdEstructura) VALUES ('2', '2')", "", ""},
    {"desasignar estructura",
     "DELETE FROM activ_usuarios_estructuras WHERE IdUsuario = '2' AND IdEstructura = '2'", "", ""},
};

TEST_F(CatalogTest, FixedTextsOfTheProgramRun) {
    db.exec(QStringLiteral("START TRANSACTION"));
    for (const FixedText& t : fixedTexts) {
        SCOPED_TRACE(t.what);
        const QString sql = QString::fromUtf8(t.sql);
        if (!*t.column) {
            EXPECT_EQ(db.failure(sql), QString());
            continue;
        }
        const Rows rows = db.query(sql);
        ASSERT_GT(rows.size(), 0);
        EXPECT_EQ(rows.at(0, QString::fromUtf8(t.column)), QString::fromUtf8(t.value));
    }
    db.exec(QStringLiteral("ROLLBACK"));
}

// The login's optional schema, loaded under another name so that the other suites on the
// same server keep seeing a server without "db_gral".
TEST_F(CatalogTest, OptionalSchemaListsTheDatabasesOfALogin) {
    const std::string gral = "t_statements_gral";
    db.exec(QStringLiteral("DROP DATABASE IF EXISTS t_statements_gral"));
    db.exec(QStringLiteral("CREATE DATABASE t_statements_gral CHARACTER SET utf8mb4"));
    QFile file(QString::fromStdString(sourceDir() + "/db/db_gral.sql"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    runSql(gral,
           file.readAll().toStdString() +
               "INSERT INTO bd VALUES (1, 't_statements'), (2, 'orva_demo');\n"
               "INSERT INTO user_bd VALUES ('capturista', 'ROSA', 1), ('capturista', 'ROSA', 2),"
               " ('otro', 'OTRO', 2);\n");
    CatalogDb g(gral);
    const Rows rows = g.query(QStringLiteral(
        "select ub.useer, ub.nombrees, b.bd_user from user_bd ub inner join bd b on b.id_bd = "
        "ub.id_bds where useer = 'Capturista' group by b.bd_user"));
    EXPECT_EQ(rows.values(QStringLiteral("bd_user")),
              QStringList({QStringLiteral("orva_demo"), QStringLiteral("t_statements")}));
    db.exec(QStringLiteral("DROP DATABASE t_statements_gral"));
}

} // namespace
