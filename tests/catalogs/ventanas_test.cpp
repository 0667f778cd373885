// Every catalog window through one table of cases: how it opens (names, captions, grid
// columns, module key, how its rows are read), what its print button does, and an add,
// an edit and a delete with their rows and log texts.
// While each add is under way a second workstation takes the key and code it shows.
#include "catalogotest.h"

#include "catalogs/paneldatos.h"
#include "data/dataset.h"
#include "platform/editors/dbswitch.h"
#include "platform/grid/gridview.h"
#include "platform/report/reportpresenter.h"
#include "platform/report/reporttemplate.h"
#include "shell/barrainferior.h"
#include "shell/barrasuperior.h"
#include "support/testdb.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace orva;

namespace {

const std::string kBase = "catalogs_ventanas";

struct Caso {
    const char* clase;
    const char* forma;
    const char* titulo;
    const char* etiqueta;
    const char* tabla;
    const char* llave;
    const char* codigo;    ///< "" when the catalog has none
    const char* prefijo;   ///< of its folio
    const char* nombre;    ///< name field
    const char* bitacora;  ///< log label
    QStringList columnas;  ///< grid captions
    test::Valores alta;    ///< typed or chosen for the add (the name among them)
    const char* editado;   ///< new name for the edit
    bool tablaTexto;       ///< rows read as "SELECT * FROM <table>" (else its statement)
    const char* filtro;    ///< fields bound -1 at loading, as written (blanks included)
    const char* impresion; ///< print title; "" when printing does nothing
    const char* aviso;     ///< warning for a referenced row; "" when there is none
    QStringList puestos;   ///< the fields an add fills by itself, in any order
};

std::ostream& operator<<(std::ostream& os, const Caso& c) {
    return os << c.forma;
}

const QString kCodigo = QStringLiteral("Código");
const QString kActivo = QStringLiteral("Activo");

const Caso casos[] = {
    {"TfrmEstados",
     "frmEstados",
     "Estados",
     "CATALOGO DE ESTADOS",
     "master_estado",
     "IdEstado",
     "SCodigo",
     "EST",
     "SEstado",
     " Estado - Código: ",
     {kCodigo, "Estado", "País", kActivo},
     {{"SEstado", "VERACRUZ"}},
     "VERACRUZ DE IGNACIO",
     true,
     "IdEstado,IdPais,Activo",
     "Catálogo de Estados",
     "",
     {"IdEstado", "SCodigo", "IdPais", "EActivo"}},
    {"TfrmZonas",
     "frmZonas",
     "Zonas",
     "CATALOGO DE ZONAS",
     "activ_zonas",
     "IdZona",
     "SCodigo",
     "ZON",
     "SDescripcion",
     " Zona - Código: ",
     {kCodigo, "Zona", "Estado", kActivo},
     {{"SDescripcion", "ZONA NORTE"}},
     "ZONA NORTE ALTA",
     false,
     "IdZona, IdEstado, EActivo",
     "Catálogo de Zonas",
     "No se puede eliminar la zona porque está relacionada con otros registros.",
     {"IdZona", "SCodigo", "IdEstado", "EActivo"}},
    {"TfrmMunicipios",
     "frmMunicipios",
     "Municipios",
     "CATALOGO DE MUNICIPIOS",
     "master_municipios",
     "IdMunicipio",
     "SCodigo",
     "MUN",
     "SDescripcion",
     " Municipio - Código: ",
     {kCodigo, "Municipio", "Estado", kActivo},
     {{"SDescripcion", "TIZAYUCA"}},
     "TIZAYUCA CENTRO",
     false,
     "IdMunicipio, IdEstado, EActivo ",
     "Catálogo de Municipios",
     "No se puede eliminar el elemento seleccionado porque está relacionado con otros registros.",
     {"IdMunicipio", "SCodigo", "IdEstado", "EActivo"}},
    {"TfrmSecciones",
     "frmSecciones",
     "Secciones",
     "CATÁLOGO DE SECCIONES",
     "activ_secciones",
     "IdSeccion",
     "",
     "",
     "SSeccion",
     " Sección - ID: ",
     {"Sección", "Municipio", kActivo},
     {{"IdMunicipio", 2}, {"SSeccion", "0777"}},
     "0778",
     false,
     "IdSeccion,IdMunicipio,EActivo",
     "",
     "No se puede eliminar la sección porque está relacionada con otros registros.",
     {"IdSeccion", "EActivo"}},
    {"TfrmLocalidades",
     "frmLocalidades",
     "Localidades",
     "CATÁLOGO DE LOCALIDADES",
     "master_localidades",
     "IdLocalidad",
     "SCodigo",
     "LOC",
     "SLocalidad",
     " Localidad - Código: ",
     {kCodigo, "Localidad", "Municipio", "Sección", "Zona", kActivo},
     {{"IdMunicipio", 1}, {"IdSeccion", 44}, {"IdZona", 2}, {"SLocalidad", "EL ROSARIO"}},
     "EL ROSARIO II",
     false,
     "IdLocalidad,IdMunicipio,IdSeccion,IdZona,EActivo",
     "Catálogo de Localidades",
     "No se puede eliminar la localidad porque está relacionada con otros registros.",
     {"IdLocalidad", "SCodigo", "EActivo"}},
    {"TfrmCodigosPostales",
     "frmCodigosPostales",
     "Códigos Postales",
     "CATÁLOGO CÓDIGOS POSTALES",
     "master_codigo_postal",
     "IdCodigoPostal",
     "SCodigo",
     "CP",
     "SCodigoPostal",
     " Código Postal - Código: ",
     {kCodigo, "Código Postal", kActivo},
     {{"SCodigoPostal", "42000"}},
     "42001",
     false,
     "IdCodigoPostal, EActivo",
     "",
     "No se puede eliminar el código postal porque está relacionado con otros registros.",
     {"IdCodigoPostal", "SCodigo", "EActivo"}},
    {"TfrmCargos",
     "frmCargos",
     "Cargos",
     "CATÁLOGO CARGOS",
     "activ_cargos",
     "IdCargo",
     "SCodigo",
     "CAR",
     "SDescripcion",
     " Cargo - Código: ",
     {kCodigo, "Descripción", kActivo},
     {{"SDescripcion", "ENLACE"}},
     "ENLACE REGIONAL",
     false,
     "IdCargo,EActivo",
     "Catálogo de Cargos",
     "No se puede eliminar el cargo porque está relacionado con otros registros.",
     {"IdCargo", "SCodigo", "EActivo"}},
    {"TfrmStructuras",
     "frmStructuras",
     "Estructuras",
     "CATÁLOGO ESTRUCTURAS",
     "activ_estructuras",
     "IdEstructura",
     "SCodigo",
     "ETR",
     "SDescripcion",
     " Estructura - Código: ",
     {kCodigo, "Descripción", kActivo},
     {{"SDescripcion", "JUVENTUD"}},
     "JUVENTUD ACTIVA",
     true,
     "IdEstructura,EActivo",
     "",
     "No se puede eliminar la estructura porque está relacionado con otros registros.",
     {"IdEstructura", "SCodigo", "EActivo"}},
    {"TfrmPartidos",
     "frmPartidos",
     "Partidos",
     "CATALOGO DE PARTIDOS",
     "activ_partidos",
     "IdPartido",
     "SCodigo",
     "PAR",
     "SNombre",
     " Partido - Código: ",
     {kCodigo, "Partido", kActivo},
     {{"SNombre", "PARTIDO VERDE"}, {"SColor", "#00FF00"}},
     "PARTIDO VERDE CLARO",
     true,
     "IdPartido,EActivo",
     "Catálogo de Partidos",
     "No se puede eliminar el partido porque está relacionado con otros registros.",
     {"IdPartido", "SCodigo", "EActivo"}},
    {"TfrmCandidatos",
     "frmCandidatos",
     "Candidatos",
     "CATALOGO DE CANDIDATOS",
     "activ_candidatos",
     "IdCandidato",
     "",
     "",
     "SNombre",
     " Candidato - ID: ",
     {"Candidato", "Partido", kActivo},
     {{"IdPartido", 1}, {"SNombre", "LUIS SOTO"}},
     "LUIS SOTO RUIZ",
     true,
     "IdCandidato,EActivo, IdPartido",
     "Catálogo de Candidatos",
     "No se puede eliminar el candidato porque está relacionado con otros registros.",
     {"IdCandidato", "EActivo"}},
    {"TfrmCampanias",
     "frmCampanias",
     "Campañas",
     "CATALOGO DE CAMPAÑAS",
     "activ_campanias",
     "IdCampania",
     "",
     "",
     "SDescripcion",
     " Campaña - ID: ",
     {"Campaña", "Partido", "Candidato", "Tipo", "Estado", "Municipio", "Zona"},
     {{"SDescripcion", "ALCALDÍA 2027"},
      {"IAnio", 2027},
      {"IdPartido", 1},
      {"IdCandidato", 1},
      {"IdTipoCampania", 1},
      {"IdEstado", 53},
      {"IdMunicipio", 1},
      {"IdZona", 1}},
     "ALCALDÍA PACHUCA 2027",
     true,
     "IdCampania, IAnio",
     "Catálogo de Campañas",
     "No se puede eliminar la campaña porque está relacionado con otros registros.",
     {"IdCampania"}},
    {"TfrmMotivos",
     "frmMotivos",
     "Motivos",
     "CATALOGO DE MOTIVOS",
     "activ_motivos",
     "IdMotivo",
     "SCodigo",
     "MOT",
     "sDescripcion",
     " Motivo - Código: ",
     {kCodigo, "Motivos", kActivo},
     {{"sDescripcion", "CAMBIO DE DOMICILIO"}},
     "CAMBIO DE CIUDAD",
     true,
     "IdMotivo, EActivo",
     "Catálogo de Motivos",
     "No se puede eliminar el motivo porque está relacionado con otros registros.",
     {"IdMotivo", "SCodigo", "EActivo"}},
    {"TfrmGradoDeEstudios",
     "frmGradoDeEstudios",
     "Grado de Estudios",
     "CATALOGO GRADO DE ESTUDIOS",
     "activ_grado_estudios",
     "IdGradoEstudios",
     "sCodigo",
     "GES",
     "sDescripcion",
     " Grado de Estudios - Código: ",
     {kCodigo, "Grado Estudios", kActivo},
     {{"sDescripcion", "LICENCIATURA"}},
     "MAESTRÍA",
     true,
     "IdGradoEstudios,EActivo",
     "Catálogo de Grados de Estudios",
     "No se puede eliminar el grado de estudios porque está relacionado con otros registros.",
     {"IdGradoEstudios", "sCodigo", "EActivo"}},
    {"TfrmEstadoCivil",
     "frmEstadoCivil",
     "Estado Civil",
     "CATALOGO ESTADO CIVIL",
     "activ_estado_civil",
     "IdEstadoCivil",
     "SCodigo",
     "ECV",
     "SDescripcion",
     " Estado Civil - Código: ",
     {kCodigo, "Estado Civil", kActivo},
     {{"SDescripcion", "SOLTERO"}},
     "SOLTERA",
     false,
     "IdEstadoCivil,EActivo",
     "Catálogo de Estados Civiles",
     "No se puede eliminar el estado civil porque está relacionado con otros registros.",
     {"IdEstadoCivil", "SCodigo", "EActivo"}},
    {"TfrmTiposApoyos",
     "frmTiposApoyos",
     "Tipos de Apoyos",
     "MÓDULO TIPOS DE APOYO",
     "activ_conceptos_apoyos",
     "IdConcepto",
     "SCodigo",
     "APC",
     "SConcepto",
     " Concepto - Código: ",
     {kCodigo, "Conceto de Apoyo", "Estado"},
     {{"SConcepto", "DESPENSA"}},
     "DESPENSA FAMILIAR",
     false,
     "IdConcepto, SCodigo,EActivo",
     "Catálogo de Conceptos de Apoyos",
     "No se puede eliminar el concepto porque está relacionado con otros registros.",
     {"IdConcepto", "SCodigo", "EActivo"}},
};

class VentanaTest : public test::CatalogoTest, public testing::WithParamInterface<Caso> {
protected:
    VentanaTest() : CatalogoTest(kBase) {}
    static void SetUpTestSuite() { CrearBase(kBase); }

    QString tabla() const { return QString::fromUtf8(GetParam().tabla); }
    QString llave() const { return QString::fromUtf8(GetParam().llave); }
    QString codigo() const { return QString::fromUtf8(GetParam().codigo); }
    QString nombre() const { return QString::fromUtf8(GetParam().nombre); }

    qlonglong siguienteLlave() {
        return valor(
                   QStringLiteral("SELECT COALESCE(MAX(%1), 0) + 1 FROM %2").arg(llave(), tabla()))
            .toLongLong();
    }
    /// The folio after the highest code of the table: prefix and six digits.
    QString siguienteFolio() {
        const QString prefijo = QString::fromUtf8(GetParam().prefijo);
        const QString mayor = valor(QStringLiteral("SELECT MAX(%1) FROM %2 WHERE %1 LIKE '%3%'")
                                        .arg(codigo(), tabla(), prefijo))
                                  .toString();
        const int n = mayor.isEmpty() ? 1 : mayor.mid(prefijo.size()).toInt() + 1;
        return prefijo + QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0'));
    }
    /// The value the log names after the label: the code, or the key.
    QString valorBitacora(qlonglong clave) {
        if (codigo().isEmpty())
            return QString::number(clave);
        return valor(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = %4")
                         .arg(codigo(), tabla(), llave())
                         .arg(clave))
            .toString();
    }
    QString nombreGuardado(qlonglong clave) {
        return valor(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = %4")
                         .arg(nombre(), tabla(), llave())
                         .arg(clave))
            .toString();
    }
};

TEST_P(VentanaTest, OpensFromTheCatalogCommandWithItsNamesAndColumns) {
    const Caso& c = GetParam();
    catalogs::TfrmCatalogo* v = abrir(QString::fromUtf8(c.forma));
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->objectName(), QString::fromUtf8(c.forma));
    EXPECT_EQ(QString::fromLatin1(v->metaObject()->className()),
              QStringLiteral("orva::catalogs::") + QString::fromUtf8(c.clase));
    EXPECT_EQ(v->windowTitle(), QString::fromUtf8(c.titulo));
    EXPECT_EQ(v->lblTitulo->text(), QString::fromUtf8(c.etiqueta));
    EXPECT_EQ(v->btnPermisos, moduloDe(QString::fromUtf8(c.forma)));
    EXPECT_FALSE(v->btnPermisos.isEmpty());
    EXPECT_FALSE(v->PanelDatos->isVisible());
    EXPECT_TRUE(v->uDatos->isActive());
    EXPECT_EQ(v->uDatos->recordCount(),
              valor(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabla())).toInt());
    QStringList titulos;
    for (const platform::GridColumnInfo& col : v->cxGrid->visibleColumns())
        titulos << col.caption;
    EXPECT_EQ(titulos, c.columnas);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());

    // How the rows are read: the table text sends every change at once, the catalogued
    // statement caches them until they are applied.
    const QString textoTabla = QStringLiteral("SELECT * FROM ") + tabla();
    if (c.tablaTexto) {
        EXPECT_EQ(v->uDatos->sql(), textoTabla);
        EXPECT_FALSE(v->uDatos->cachedUpdates());
    } else {
        EXPECT_NE(v->uDatos->sql(), textoTabla);
        EXPECT_TRUE(v->uDatos->cachedUpdates());
    }
    EXPECT_EQ(v->definicion().filtro, QString::fromUtf8(c.filtro));
    EXPECT_EQ(v->definicion().avisoEliminar, QString::fromUtf8(c.aviso));
}

TEST_P(VentanaTest, PrintsWithItsTitleOrDoesNothing) {
    const Caso& c = GetParam();
    platform::report::SetReportsFolder(QString::fromStdString(test::sourceDir()) +
                                       QStringLiteral("/resources/Reportes"));
    QStringList titulos;
    const platform::report::Presenter previo = platform::report::SetPresenter(
        [&](const platform::report::PreparedReport& r) { titulos << r.title; });
    catalogs::TfrmCatalogo* v = abrir(QString::fromUtf8(c.forma));
    ASSERT_NE(v, nullptr);
    v->FrmBarraSuperior1->btnPrinter->click();
    platform::report::SetPresenter(previo);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty()) << guion.dialogos().last().text.toStdString();
    const QString titulo = QString::fromUtf8(c.impresion);
    EXPECT_EQ(titulos, titulo.isEmpty() ? QStringList() : QStringList{titulo});
}

TEST_P(VentanaTest, AddTakesAFreshKeyAndCodeAtSaveThenEditAndDeleteAreLogged) {
    const Caso& c = GetParam();
    catalogs::TfrmCatalogo* v = abrir(QString::fromUtf8(c.forma));
    ASSERT_NE(v, nullptr);

    // The add shows the next key and code.
    const qlonglong mostrada = siguienteLlave();
    const QString folio = codigo().isEmpty() ? QString() : siguienteFolio();
    v->FrmBarraSuperior1->btnAdd->click();
    ASSERT_TRUE(v->PanelDatos->isVisible());
    EXPECT_FALSE(v->cxGrid->isEnabled());
    EXPECT_FALSE(v->FrmBarraSuperior1->btnAdd->isEnabled());
    EXPECT_EQ(v->uDatos->value(llave()).toLongLong(), mostrada);
    if (!codigo().isEmpty()) {
        EXPECT_EQ(qobject_cast<QLineEdit*>(v->editor(codigo()))->text(), folio);
    }
    if (auto* activo = qobject_cast<platform::DbSwitch*>(v->editor(QStringLiteral("EActivo")))) {
        EXPECT_TRUE(activo->isChecked());
    }
    // Nothing else is filled in by the add.
    QStringList puestos;
    for (const QString& campo : v->uDatos->fieldNames())
        if (!v->uDatos->value(campo).isNull())
            puestos << campo;
    QStringList esperados = c.puestos;
    puestos.sort();
    esperados.sort();
    EXPECT_EQ(puestos, esperados);

    // Meanwhile another workstation saves a row with that key and that code.
    if (codigo().isEmpty())
        ejecutar(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (%4, 'OTRA')")
                     .arg(tabla(), llave(), nombre())
                     .arg(mostrada));
    else
        ejecutar(QStringLiteral("INSERT INTO %1 (%2, %3, %4) VALUES (%5, '%6', 'OTRA')")
                     .arg(tabla(), llave(), codigo(), nombre())
                     .arg(mostrada)
                     .arg(folio));

    llenar(*v, c.alta);
    v->PanelDatos->FrmBarraInferior1->btnPost->click();
    EXPECT_TRUE(guion.dialogos().shown().isEmpty()) << guion.dialogos().last().text.toStdString();
    EXPECT_FALSE(v->PanelDatos->isVisible());
    EXPECT_TRUE(v->cxGrid->isEnabled());
    EXPECT_TRUE(v->sOpcion.isEmpty());

    const QString alta = c.alta.value(nombre()).toString();
    const qlonglong guardada = mostrada + 1;
    EXPECT_EQ(nombreGuardado(guardada), alta);
    if (!codigo().isEmpty()) {
        // The code shown was taken too: the saved row has the one after it.
        const QString prefijo = QString::fromUtf8(c.prefijo);
        EXPECT_EQ(valorBitacora(guardada),
                  prefijo + QStringLiteral("%1").arg(folio.mid(prefijo.size()).toInt() + 1, 6, 10,
                                                     QLatin1Char('0')));
    }
    const QString valorAlta = valorBitacora(guardada);
    EXPECT_EQ(bitacora().value(bitacora().size() - 1),
              QStringLiteral("Agrega") + QString::fromUtf8(c.bitacora) + valorAlta +
                  QStringLiteral(" - ") + alta);
    EXPECT_TRUE(v->uDatos->locate(llave(), guardada));

    // Edit the new row.
    v->FrmBarraSuperior1->btnEdit->click();
    ASSERT_TRUE(v->PanelDatos->isVisible());
    EXPECT_EQ(qobject_cast<QLineEdit*>(v->editor(nombre()))->text(), alta);
    llenar(*v, {{nombre(), QString::fromUtf8(c.editado)}});
    v->PanelDatos->FrmBarraInferior1->btnPost->click();
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
    EXPECT_EQ(nombreGuardado(guardada), QString::fromUtf8(c.editado));
    EXPECT_EQ(valorBitacora(guardada), valorAlta);
    EXPECT_EQ(bitacora().value(bitacora().size() - 1),
              QStringLiteral("Edita") + QString::fromUtf8(c.bitacora) + valorAlta +
                  QStringLiteral(" - ") + QString::fromUtf8(c.editado));

    // Delete it.
    ASSERT_TRUE(v->uDatos->locate(llave(), guardada));
    guion.dialogos().answerYes();
    v->FrmBarraSuperior1->btnDelete->click();
    ASSERT_EQ(guion.dialogos().shown().size(), 1);
    EXPECT_EQ(guion.dialogos().last().kind, platform::DialogKind::Confirm);
    EXPECT_EQ(guion.dialogos().last().text,
              QStringLiteral("¿Desea eliminar el registro seleccionado?"));
    EXPECT_TRUE(valor(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = %3")
                          .arg(tabla(), llave())
                          .arg(guardada))
                    .toInt() == 0);
    EXPECT_EQ(bitacora().value(bitacora().size() - 1),
              QStringLiteral("Elimina") + QString::fromUtf8(c.bitacora) + valorAlta +
                  QStringLiteral(" - ") + QString::fromUtf8(c.editado));
    EXPECT_FALSE(v->uDatos->locate(llave(), guardada));
    EXPECT_FALSE(v->uDatos->updatesPending());

    ejecutar(QStringLiteral("DELETE FROM %1 WHERE %2 = %3").arg(tabla(), llave()).arg(mostrada));
}

INSTANTIATE_TEST_SUITE_P(Catalogos, VentanaTest, testing::ValuesIn(casos),
                         [](const testing::TestParamInfo<Caso>& info) {
                             return std::string(info.param.forma);
                         });

} // namespace
