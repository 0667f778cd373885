// The database every workstation shares: schema, statement catalogue and demo data load
// into a fresh database, every catalogued statement opens with all its parameters at "-1"
// and returns the columns the windows read, and the database itself refuses what two
// workstations could otherwise both write.
#include "data/catalog.h"
#include "data/connection.h"
#include "data/dataset.h"
#include "data/errors.h"
#include "data/binding.h"
#include "data/datatest.h"

#include <gtest/gtest.h>
#include <mysql.h>

using namespace orva::data;

namespace {

const std::string dbName = "t_statements";

struct Statement {
    const char* name;
    const char* parameters; // names the windows bind
    const char* columns;    // columns the windows read ("" for statements that return none)
};

// Every catalogued statement, the parameters bound to it and the columns read from it.
const Statement statements[] = {
    {"master_usuarios", "IdUsuario,IdEstructura,EActivo",
     "IdUsuario,sUsuario,sMail,sNombre,Telefono,EActivo,sPassword,PasswordDecript,Estructura,"
     "Departamento"},
    {"insert_kardex_sistema", "Usuario,Fecha,Hora,Descripcion,Nombre", ""},
    {"kardex_sistema", "FechaInicio,FechaFin", "sUsuario,dIdFecha,sHora,sDescripcion,sNombreUsuario"},
    {"actualizaPass", "backPass,backPassEsp,usuario", ""},
    {"admin_roles", "IdRol", "IdRol,SCodigo,SDescripcion,EActivo"},
    {"admin_roles_usuarios", "IdRolUsuario,IdRol,IdUsuario", "IdRolUsuario,IdRol,IdUsuario"},
    {"admin_roles_modulos_usuarios", "IdUsuario",
     "SNombreForm_Programa,IdTab,Acceder,Insertar,Editar,Eliminar,Imprimir,Exportar"},
    {"master_opciones", "IdOpcion", "IdOpcion,SNombreForm_Programa,SDescripcion,IdTab,EActivo"},
    {"programas", "IdRol",
     "IdRol,IdOpcion,acceder,insertar,editar,eliminar,imprimir,exportar,IdTab"},
    {"master_estado", "IdEstado,IdPais,EActivo", "IdEstado,SCodigo,IdPais,SEstado,EActivo,Paises"},
    {"activ_zonas", "IdZona,IdEstado,EActivo", "IdZona,SCodigo,IdEstado,SDescripcion,EActivo,Estado"},
    {"master_municipios", "IdMunicipio,IdEstado,EActivo",
     "IdMunicipio,SCodigo,IdEstado,SDescripcion,EActivo,Estado"},
    {"activ_secciones", "IdSeccion,IdMunicipio,EActivo",
     "IdSeccion,IdMunicipio,SSeccion,EActivo,Municipio"},
    {"master_localidades", "IdLocalidad,IdMunicipio,IdSeccion,IdZona,EActivo",
     "IdLocalidad,SCodigo,IdMunicipio,IdSeccion,IdZona,SLocalidad,EActivo,Municipio,Seccion,Zona"},
    {"master_codigo_postal", "IdCodigoPostal,EActivo",
     "IdCodigoPostal,SCodigo,SCodigoPostal,EActivo"},
    {"activ_cargos", "IdCargo,EActivo", "IdCargo,SCodigo,SDescripcion,EActivo"},
    {"activ_estado_civil", "IdEstadoCivil,EActivo", "IdEstadoCivil,SCodigo,SDescripcion,EActivo"},
    {"activ_grado_estudios", "IdGradoEstudios,EActivo",
     "IdGradoEstudios,sCodigo,sDescripcion,EActivo"},
    {"activ_motivos", "IdMotivo,EActivo", "IdMotivo,SCodigo,sDescripcion,ETipoMovimiento,EActivo"},
    {"activ_partidos", "IdPartido,EActivo", "IdPartido,SCodigo,SNombre,SColor,EActivo"},
    {"activ_estructuras", "IdEstructura,EActivo", "IdEstructura,SCodigo,SDescripcion,EActivo"},
    {"activ_conceptos_apoyos", "IdConcepto,SCodigo,EActivo", "IdConcepto,SCodigo,SConcepto,EActivo"},
    {"master_personal",
     "IdPersonal,IdMunicipio,IdSeccion,IdCodigoPostal,IdLocalidad,Activo,SINE,ETramiteINE,IVigencia",
     "IdPersonal,SCodigo,SNombre,SAPaterno,SAMaterno,SNombreCompleto,ESexo,DFechaNacimiento,SINE,"
     "IVigencia,ETramiteINE,SCurp,STelefono,SCorreoElectronico,SDomicilio,IdCodigoPostal,"
     "IdMunicipio,IdSeccion,IdLocalidad,Activo,FechaAlta,SURL_Foto,SRUL_Huella,"
     "IdEstructuraActual,Seccion,CodigoPostal,Municipio,Localidad,sHuella,sFoto"},
    {"master_personal_promovido", "IdPersonal", "IdPersonal,Nombre,SINE"},
    {"master_personal_promovido_asig", "IdPersonal", "IdPersonal,Nombre,SINE"},
    {"activ_usuarios_estructuras", "IdUsuario,IdEstructura", "IdUsuario,IdEstructura,NombreEstructura"},
    {"activ_asignaciones",
     "IdAsignacion,DFechaMovimiento,ETipoMovimiento,SFaceBook,STwitter,IdEstructura,IdUsuario,"
     "EActualMov",
     "IdAsignacion,IdPersonal,SINE,IdEstructura,IdCargo,IdLider,IdCoordinador,IdCoordinadorIndep,"
     "IdActivista,DFechaMovimiento,ETipoMovimiento,IdMotivo,IdZona,IdGradoEstudios,IdEstadoCivil,"
     "SFaceBook,STwitter,IdLocalidad,IdUsuarioRealizo,EActualMov,sCodigopersonal,SNombreCompleto,"
     "Cargo,Estructura,GradoEstudios,Edad,sGenero,Zona,Lider,Coordinador,CoordinadorIndep,"
     "Activista,Personal,Motivo,Localidad"},
    {"activ_asignaciones_activista", "IdEstructura", "IdPersonal,SNombreCompleto"},
    {"activ_asignaciones_motivos", "ETipoMovimiento", "IdMotivo,sDescripcion,ETipoMovimiento"},
    {"activ_asignaciones_historico",
     "IdAsignacion,DFechaMovimiento,ETipoMovimiento,SFaceBook,STwitter,IdPersonal,DFechaAlta",
     "IdAsignacion,SINE,sCodigopersonal,SNombreCompleto,EActualMov,IdPersonal,DFechaMovimiento,"
     "ETipoMovimiento,Cargo,Estructura,Lider,Coordinador,Activista"},
    {"update_activ_asignaciones_mov", "sINE,IdAsignacion,IdAsignacionActual,Estatus", ""},
    {"activ_asignaciones_lideres", "IdPersonal,IdCargo,EActualMov,IdEstructura,IdUsuario",
     "IdPersonal,SINE,SNombreCompleto,IdCargo,Cargo,IdEstructura,Estructura"},
    {"activ_asignaciones_activistas_lideres",
     "IdEstructura,IdCargo,IdLider,IdCoordinador,IdActivista",
     "IdAsignacion,SINE,SNombreCompleto,sCodigopersonal,Cargo,Estructura,ETipoMovimiento,sGenero,"
     "Zona,Lider,Coordinador,Activista,Personal,Motivo"},
    {"activ_apoyos", "IdApoyo,IdPersonal,FechaInicio,FechaFin",
     "IdApoyo,SCodigo,IdPersonal,IdConcepto,dFechaSolicitud,SApoyoSolicitado,dMonto,"
     "URL_documentos,IdUsuarioRealizo,DFechaRealizo,sCodigopersonal,SINE,Localidad,Lider,"
     "Coordinador,Activista,SNombreCompleto,ConceptoAp"},
    {"proyectos_inicio", "Contrato",
     "sLicitacion,sTitulo,sContrato,sTipoObra,mDescripcion,mCliente,bImagen,sUbicacion,sCodigo,"
     "sMascara,IdEmpresa,FK_titulo"},
};

QStringList names(const char* list) {
    return QString::fromUtf8(list).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

class StatementsTest : public testing::TestWithParam<Statement> {
protected:
    static void SetUpTestSuite() { orva::test::createDatabase(dbName, 300); }
    void SetUp() override {
        orva::test::connectModule(dbName);
        ASSERT_TRUE(CargarConsultasSQL());
    }
    void TearDown() override { orva::test::disconnectModule(); }
    orva::test::RecordingPrompts prompts;
};

TEST_P(StatementsTest, AcceptsItsParametersAndReturnsItsColumns) {
    const Statement& s = GetParam();
    Dataset ds(&connection().Uconnection);
    ASSERT_TRUE(AsignarConsulta(&ds, QString::fromUtf8(s.name), QStringLiteral("UPDATE"), true))
        << "no está en el catálogo";

    QStringList declared;
    for (const QString& p : ds.paramNames())
        declared << p.toLower();
    for (const QString& p : names(s.parameters))
        EXPECT_TRUE(declared.contains(p.toLower())) << "falta el parámetro " << p.toStdString();

    if (!*s.columns)
        return; // a statement that writes: its effects are covered below
    ASSERT_NO_THROW(ds.open());
    EXPECT_GT(ds.recordCount(), 0) << "con todo en -1 no debe restringir";
    const QStringList fields = ds.fieldNames();
    for (const QString& c : names(s.columns))
        EXPECT_TRUE(fields.contains(c)) << "falta la columna " << c.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Catalogo, StatementsTest, testing::ValuesIn(statements),
                         [](const testing::TestParamInfo<Statement>& info) {
                             return std::string(info.param.name);
                         });

class DatabaseRulesTest : public testing::Test {
protected:
    static void SetUpTestSuite() { orva::test::createDatabase("t_statements_rules", 50); }
    void SetUp() override { orva::test::connectModule("t_statements_rules"); }
    void TearDown() override { orva::test::disconnectModule(); }

    static QString failure(const char* sql) {
        try {
            connection().Uconnection.execute(sql);
        } catch (const std::exception& e) {
            return errorText(e);
        }
        return {};
    }
    orva::test::RecordingPrompts prompts;
};

TEST_F(DatabaseRulesTest, TheSameRealVoterKeyCannotBeRegisteredTwice) {
    const char* insert = "INSERT INTO master_personal (IdPersonal, SNombre, SAPaterno, SAMaterno, "
                         "SINE) VALUES (%1, 'ANA', 'LUNA', 'SOTO', '%2')";
    auto add = [&](int id, const char* ine) {
        return failure(QString::fromUtf8(insert).arg(id).arg(ine).toUtf8().constData());
    };
    EXPECT_EQ(add(9001, "LNSTAN90010113M001"), QString());
    EXPECT_TRUE(add(9002, "LNSTAN90010113M001").contains("Duplicate entry"));
    EXPECT_TRUE(add(9003, "lnstan90010113m001").contains("Duplicate entry"))
        << "las minúsculas no hacen otra clave";
    // Credentials in paperwork carry "-" and may repeat.
    EXPECT_EQ(add(9004, "-"), QString());
    EXPECT_EQ(add(9005, "-"), QString());
}

TEST_F(DatabaseRulesTest, ReferencedCatalogRowsCannotBeDeleted) {
    for (const char* sql : {"DELETE FROM activ_estructuras WHERE IdEstructura = 1",
                            "DELETE FROM master_municipios WHERE IdMunicipio = 1",
                            "DELETE FROM activ_conceptos_apoyos WHERE IdConcepto IN "
                            "(SELECT IdConcepto FROM activ_apoyos)",
                            "DELETE FROM master_personal WHERE IdPersonal IN "
                            "(SELECT IdPersonal FROM activ_asignaciones)"})
        EXPECT_TRUE(failure(sql).contains("foreign key constraint fails")) << sql;
}

TEST_F(DatabaseRulesTest, PasswordStoredByTheCatalogIsReadByTheLogin) {
    Dataset cmd(&connection().Uconnection);
    ASSERT_TRUE(AsignarConsulta(&cmd, QStringLiteral("actualizaPass"), QStringLiteral("UPDATE"), true));
    FiltrarConsulta(cmd, QStringLiteral("backPass,backPassEsp,usuario"),
                    {QStringLiteral("Nueva#2026"), QStringLiteral("Nueva#2026"),
                     QStringLiteral("capturista")});
    cmd.execSql();
    ResultPtr r = connection().Uconnection.query(
        "select CAST(AES_DECRYPT(sPassword, 'RTV8493') AS CHAR) from master_usuarios "
        "where sUsuario = 'capturista'");
    MYSQL_ROW row = mysql_fetch_row(r.get());
    ASSERT_TRUE(row && row[0]);
    EXPECT_STREQ(row[0], "Nueva#2026");
}

TEST_F(DatabaseRulesTest, CurrentMovementFlagMovesToTheSavedRow) {
    ResultPtr r = connection().Uconnection.query(
        "select SINE, min(IdAsignacion) from activ_asignaciones "
        "where SINE <> '-' group by SINE having count(*) > 1 limit 1");
    MYSQL_ROW row = mysql_fetch_row(r.get());
    if (!row)
        GTEST_SKIP() << "la base de prueba no tiene movimientos anteriores";
    const QString ine = QString::fromUtf8(row[0]), first = QString::fromUtf8(row[1]);
    Dataset cmd(&connection().Uconnection);
    ASSERT_TRUE(AsignarConsulta(&cmd, QStringLiteral("update_activ_asignaciones_mov"),
                                QStringLiteral("UPDATE"), true));
    auto run = [&](const QString& id, const QString& actual, const QString& estatus) {
        FiltrarConsulta(cmd, QStringLiteral("sINE,IdAsignacion,IdAsignacionActual,Estatus"),
                        {ine, id, actual, estatus});
        cmd.execSql();
    };
    run(first, QStringLiteral("-1"), QStringLiteral("Si"));
    run(QStringLiteral("-1"), first, QStringLiteral("No"));
    ResultPtr check = connection().Uconnection.query(
        QStringLiteral("select group_concat(IdAsignacion) from activ_asignaciones where SINE = '%1' "
                       "and EActualMov = 'Si'")
            .arg(ine));
    MYSQL_ROW c = mysql_fetch_row(check.get());
    ASSERT_TRUE(c && c[0]);
    EXPECT_EQ(QString::fromUtf8(c[0]), first) << "sólo el movimiento guardado queda como actual";
}

} // namespace
