// The rules of the catalog windows that only some of them have: save checks in order,
// the two ways a refused delete ends, the preselected parents, which parents the lists
// offer, Enter, two workstations adding at once, the module rights, a save the server
// refuses, and the parent names the grid takes from a lookup list.
#include "catalogotest.h"

#include "catalogs/listas.h"
#include "catalogs/modelocatalogo.h"
#include "catalogs/paneldatos.h"
#include "catalogs/registro.h"
#include "catalogs/tabla.h"
#include "data/connection.h"
#include "data/dataset.h"
#include "platform/editors/dblookup.h"
#include "platform/focus/editorfocus.h"
#include "platform/grid/gridview.h"
#include "platform/report/reportpresenter.h"
#include "platform/report/reporttemplate.h"
#include "shell/barrainferior.h"
#include "shell/barrasuperior.h"
#include "shell/comandos.h"
#include "shell/ventanas.h"
#include "support/testdb.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace orva;
using platform::DialogKind;

namespace {

const std::string kBase = "catalogs_reglas";

class ReglasTest : public test::CatalogoTest {
protected:
    ReglasTest() : CatalogoTest(kBase) {}
    static void SetUpTestSuite() { CrearBase(kBase); }

    static void agregar(catalogs::TfrmCatalogo* v) { v->FrmBarraSuperior1->btnAdd->click(); }
    static void aceptar(catalogs::TfrmCatalogo* v) {
        v->PanelDatos->FrmBarraInferior1->btnPost->click();
    }
    static void cancelar(catalogs::TfrmCatalogo* v) {
        v->PanelDatos->FrmBarraInferior1->btnCancel->click();
    }
    int filas(const QString& tabla) {
        return valor(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabla)).toInt();
    }
    QString ultimaBitacora() { return bitacora().value(bitacora().size() - 1); }
};

// Save checks ---------------------------------------------------------------------------------

struct CasoValidacion {
    const char* forma;
    const char* tabla;
    test::Valores valores; ///< typed before saving; null empties a preselected list
    const char* mensaje;
    const char* foco; ///< field of the editor focused
};

std::ostream& operator<<(std::ostream& os, const CasoValidacion& c) {
    return os << c.forma << ": " << c.mensaje;
}

const QVariant kNinguno;

const CasoValidacion validaciones[] = {
    {"frmLocalidades", "master_localidades", {}, "Debes seleccionar el Municipio", "IdMunicipio"},
    {"frmLocalidades",
     "master_localidades",
     {{"IdMunicipio", 1}},
     "Debes seleccionar una Zona",
     "IdZona"},
    {"frmLocalidades",
     "master_localidades",
     {{"IdMunicipio", 1}, {"IdZona", 1}},
     "Debes seleccionar una Sección",
     "IdSeccion"},
    {"frmLocalidades",
     "master_localidades",
     {{"IdMunicipio", 1}, {"IdZona", 1}, {"IdSeccion", 1}},
     "Campo de localidad Vacio",
     "SLocalidad"},
    {"frmEstados", "master_estado", {{"IdPais", kNinguno}}, "Debes seleccionar un Pais", "IdPais"},
    {"frmEstados", "master_estado", {}, "Coloca un nombre valido en Estado", "SEstado"},
    {"frmEstados",
     "master_estado",
     {{"SEstado", "   "}},
     "Coloca un nombre valido en Estado",
     "SEstado"},
    {"frmZonas",
     "activ_zonas",
     {{"IdEstado", kNinguno}},
     "Debes seleccionar un Estado",
     "IdEstado"},
    {"frmZonas", "activ_zonas", {}, "Coloca una Zona Valida", "SDescripcion"},
    {"frmMunicipios",
     "master_municipios",
     {{"IdEstado", kNinguno}},
     "Coloca nombre Valido",
     "SDescripcion"},
    {"frmMunicipios",
     "master_municipios",
     {{"IdEstado", kNinguno}, {"SDescripcion", "ACTOPAN"}},
     "Debes seleccionar una Estado",
     "IdEstado"},
    {"frmSecciones", "activ_secciones", {}, "Coloca en nombre de la Sección", "SSeccion"},
    {"frmSecciones",
     "activ_secciones",
     {{"SSeccion", "0500"}},
     "Debes seleccionar un municipio",
     "IdMunicipio"},
    {"frmCodigosPostales", "master_codigo_postal", {}, "Escribe un Codigo Postal", "SCodigoPostal"},
    {"frmCargos", "activ_cargos", {}, "Campo de cargo Vacio", "SDescripcion"},
};

class ValidacionTest : public ReglasTest, public testing::WithParamInterface<CasoValidacion> {};

TEST_P(ValidacionTest, OnlyTheFirstFailingCheckSpeaksAndTheRowStaysInEditing) {
    const CasoValidacion& c = GetParam();
    const QString tabla = QString::fromUtf8(c.tabla);
    const int antes = filas(tabla);
    const int registros = bitacora().size();
    catalogs::TfrmCatalogo* v = abrir(QString::fromUtf8(c.forma));
    ASSERT_NE(v, nullptr);
    agregar(v);
    llenar(*v, c.valores);
    aceptar(v);

    ASSERT_EQ(guion.dialogos().shown().size(), 1);
    EXPECT_EQ(guion.dialogos().last().kind, DialogKind::Message);
    EXPECT_EQ(guion.dialogos().last().text, QString::fromUtf8(c.mensaje));
    EXPECT_EQ(QApplication::focusWidget(), v->editor(QString::fromUtf8(c.foco)));
    EXPECT_TRUE(v->PanelDatos->isVisible());
    EXPECT_EQ(v->uDatos->state(), data::Dataset::State::Insert);
    EXPECT_EQ(v->sOpcion, QStringLiteral("Agrega"));
    EXPECT_EQ(filas(tabla), antes);
    EXPECT_EQ(bitacora().size(), registros);

    cancelar(v);
    EXPECT_FALSE(v->PanelDatos->isVisible());
    EXPECT_EQ(v->uDatos->state(), data::Dataset::State::Browse);
    EXPECT_FALSE(v->uDatos->updatesPending());
    EXPECT_TRUE(v->sOpcion.isEmpty());
    EXPECT_EQ(v->uDatos->recordCount(), antes);
}

INSTANTIATE_TEST_SUITE_P(Catalogos, ValidacionTest, testing::ValuesIn(validaciones));

// Deletes -------------------------------------------------------------------------------------

TEST_F(ReglasTest, ZoneUsedByALocalityIsLoggedThenRefusedWithTheWarningAndStays) {
    catalogs::TfrmCatalogo* v = abrir(QStringLiteral("frmZonas"));
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(v->uDatos->locate(QStringLiteral("IdZona"), 1));
    const int registros = bitacora().size();
    guion.dialogos().answerYes();
    v->FrmBarraSuperior1->btnDelete->click();

    const QList<platform::ShownDialog>& vistos = guion.dialogos().shown();
    ASSERT_EQ(vistos.size(), 2);
    EXPECT_EQ(vistos[0].kind, DialogKind::Confirm);
    EXPECT_EQ(vistos[1].kind, DialogKind::Warning);
    EXPECT_EQ(vistos[1].text, QStringLiteral("No se puede eliminar la zona porque está "
                                             "relacionada con otros registros."));
    // The log entry went first, before the server refused.
    ASSERT_EQ(bitacora().size(), registros + 1);
    EXPECT_EQ(ultimaBitacora(), QStringLiteral("Elimina Zona - Código: ZON000001 - ZONA CENTRO"));
    EXPECT_EQ(valor(QStringLiteral("SELECT COUNT(*) FROM activ_zonas WHERE IdZona = 1")).toInt(),
              1);
    EXPECT_FALSE(v->uDatos->updatesPending());
    EXPECT_TRUE(v->uDatos->locate(QStringLiteral("IdZona"), 1));
    EXPECT_EQ(v->uDatos->recordCount(), filas(QStringLiteral("activ_zonas")));
}

TEST_F(ReglasTest, PartyUsedByACandidateIsRefusedAtOnceWithTheServerTextAndNoLog) {
    catalogs::TfrmCatalogo* v = abrir(QStringLiteral("frmPartidos"));
    ASSERT_NE(v, nullptr);
    ASSERT_TRUE(v->uDatos->locate(QStringLiteral("IdPartido"), 1));
    const int registros = bitacora().size();
    guion.dialogos().answerYes();
    v->FrmBarraSuperior1->btnDelete->click();

    const QList<platform::ShownDialog>& vistos = guion.dialogos().shown();
    ASSERT_EQ(vistos.size(), 2);
    EXPECT_EQ(vistos[1].kind, DialogKind::Error);
    EXPECT_TRUE(vistos[1].text.startsWith(QStringLiteral("Error inesperado: ")))
        << vistos[1].text.toStdString();
    EXPECT_TRUE(vistos[1].text.contains(QStringLiteral("foreign key constraint fails")))
        << vistos[1].text.toStdString();
    EXPECT_EQ(bitacora().size(), registros);
    EXPECT_EQ(
        valor(QStringLiteral("SELECT COUNT(*) FROM activ_partidos WHERE IdPartido = 1")).toInt(),
        1);
    EXPECT_TRUE(v->uDatos->locate(QStringLiteral("IdPartido"), 1));
}

TEST_F(ReglasTest, DeleteWithAnEmptyGridAsksNothing) {
    for (const char* forma : {"frmTiposApoyos", "frmStructuras"}) {
        SCOPED_TRACE(forma);
        const QString tabla = catalogs::BuscarCatalogo(QString::fromLatin1(forma)).tabla;
        ejecutar(QStringLiteral("DELETE FROM %1").arg(tabla));
        catalogs::TfrmCatalogo* v = abrir(QString::fromLatin1(forma));
        ASSERT_NE(v, nullptr);
        ASSERT_EQ(v->uDatos->recordCount(), 0);
        const int registros = bitacora().size();
        v->FrmBarraSuperior1->btnDelete->click();
        EXPECT_TRUE(guion.dialogos().shown().isEmpty());
        EXPECT_EQ(bitacora().size(), registros);
    }
}

TEST_F(ReglasTest, AnsweringNoDeletesNothing) {
    catalogs::TfrmCatalogo* v = abrir(QStringLiteral("frmCargos"));
    ASSERT_NE(v, nullptr);
    const int antes = filas(QStringLiteral("activ_cargos"));
    guion.dialogos().answerNo();
    v->FrmBarraSuperior1->btnDelete->click();
    EXPECT_EQ(guion.dialogos().shown().size(), 1);
    EXPECT_EQ(filas(QStringLiteral("activ_cargos")), antes);
    EXPECT_EQ(v->uDatos->recordCount(), antes);
}

// Preselected parents -------------------------------------------------------------------------

struct CasoInicial {
    const char* forma;
    const char* campo;
    int llave;
    const char* nombre;
};

std::ostream& operator<<(std::ostream& os, const CasoInicial& c) {
    return os << c.forma;
}

class InicialTest : public ReglasTest, public testing::WithParamInterface<CasoInicial> {};

TEST_P(InicialTest, NewRowStartsWithItsParentChosen) {
    const CasoInicial& c = GetParam();
    catalogs::TfrmCatalogo* v = abrir(QString::fromUtf8(c.forma));
    ASSERT_NE(v, nullptr);
    agregar(v);
    auto* lista = qobject_cast<platform::DbLookup*>(v->editor(QString::fromUtf8(c.campo)));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->editorValue().toInt(), c.llave);
    EXPECT_EQ(lista->currentText(), QString::fromUtf8(c.nombre));
    EXPECT_EQ(v->uDatos->value(QString::fromUtf8(c.campo)).toInt(), c.llave);
    cancelar(v);
}

INSTANTIATE_TEST_SUITE_P(Catalogos, InicialTest,
                         testing::Values(CasoInicial{"frmEstados", "IdPais", 71, "MÉXICO"},
                                         CasoInicial{"frmZonas", "IdEstado", 53, "HIDALGO"},
                                         CasoInicial{"frmMunicipios", "IdEstado", 53, "HIDALGO"}));

// Which parents the lists offer -----------------------------------------------------------------

struct CasoLista {
    const char* forma;
    const char* campo; ///< the list's field, also the key of the parent table
    const char* tabla; ///< the parent table, given an inactive row 80
    const char* alta;  ///< the columns of that row besides its key and EActivo
    bool soloActivos;  ///< the list leaves inactive parents out
};

std::ostream& operator<<(std::ostream& os, const CasoLista& c) {
    return os << c.forma << "." << c.campo;
}

class ListaTest : public ReglasTest, public testing::WithParamInterface<CasoLista> {};

TEST_P(ListaTest, InactiveParentsAreOfferedOnlyWhereTheListIsNotRestricted) {
    const CasoLista& c = GetParam();
    const QString tabla = QString::fromUtf8(c.tabla);
    const QString campo = QString::fromUtf8(c.campo);
    ejecutar(QStringLiteral("INSERT INTO %1 SET %2 = 80, EActivo = 'No', %3")
                 .arg(tabla, campo, QString::fromUtf8(c.alta)));
    catalogs::TfrmCatalogo* v = abrir(QString::fromUtf8(c.forma));
    ASSERT_NE(v, nullptr);
    data::Dataset* lista = v->lista(campo);
    ASSERT_NE(lista, nullptr);
    EXPECT_TRUE(lista->isActive());
    EXPECT_EQ(lista->locate(campo, 80), !c.soloActivos);
    const QString filtro = c.soloActivos ? QStringLiteral(" WHERE EActivo = 'Si'") : QString();
    EXPECT_EQ(lista->recordCount(),
              valor(QStringLiteral("SELECT COUNT(*) FROM %1%2").arg(tabla, filtro)).toInt());
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
    ejecutar(QStringLiteral("DELETE FROM %1 WHERE %2 = 80").arg(tabla, campo));
}

INSTANTIATE_TEST_SUITE_P(
    Catalogos, ListaTest,
    testing::Values(CasoLista{"frmLocalidades", "IdMunicipio", "master_municipios",
                              "IdEstado = 53, SDescripcion = 'APAN'", true},
                    CasoLista{"frmLocalidades", "IdSeccion", "activ_secciones",
                              "IdMunicipio = 1, SSeccion = '0880'", true},
                    CasoLista{"frmLocalidades", "IdZona", "activ_zonas",
                              "IdEstado = 53, SDescripcion = 'ZONA CERRADA'", true},
                    CasoLista{"frmSecciones", "IdMunicipio", "master_municipios",
                              "IdEstado = 53, SDescripcion = 'APAN'", false},
                    CasoLista{"frmZonas", "IdEstado", "master_estado",
                              "IdPais = 71, SEstado = 'YUCATAN'", false},
                    CasoLista{"frmCampanias", "IdZona", "activ_zonas",
                              "IdEstado = 53, SDescripcion = 'ZONA CERRADA'", false}));

// Enter ---------------------------------------------------------------------------------------

struct CasoEnter {
    const char* forma;
    const char* foco; ///< the editor the add focuses (the name, or the first list)
    bool avanza;      ///< Enter in the data panel moves on
    bool enLaVentana; ///< and anywhere in the window too (attached when shown)
};

std::ostream& operator<<(std::ostream& os, const CasoEnter& c) {
    return os << c.forma;
}

class EnterTest : public ReglasTest, public testing::WithParamInterface<CasoEnter> {};

TEST_P(EnterTest, EnterMovesOnOnlyInTheWindowsThatHaveIt) {
    const CasoEnter& c = GetParam();
    catalogs::TfrmCatalogo* v = abrir(QString::fromUtf8(c.forma));
    ASSERT_NE(v, nullptr);

    // Outside the data panel: the grid's find box.
    QLineEdit* buscar = v->cxGrid->findEdit();
    buscar->setFocus(Qt::OtherFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), buscar);
    QTest::keyClick(buscar, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget() != buscar, c.enLaVentana);

    agregar(v);
    QWidget* foco = v->editor(QString::fromUtf8(c.foco));
    ASSERT_NE(foco, nullptr);
    ASSERT_EQ(QApplication::focusWidget(), foco);
    const QColor fondo = foco->palette().color(QPalette::Base);
    EXPECT_EQ(fondo == platform::EditorFocus::defaultHighlight(), c.avanza);
    QTest::keyClick(foco, Qt::Key_Return);
    if (c.avanza) {
        EXPECT_NE(QApplication::focusWidget(), foco);
        EXPECT_TRUE(v->PanelDatos->isAncestorOf(QApplication::focusWidget()));
        EXPECT_EQ(foco->palette().color(QPalette::Base), QColor(Qt::white));
    } else {
        EXPECT_EQ(QApplication::focusWidget(), foco);
    }
    EXPECT_EQ(v->uDatos->state(), data::Dataset::State::Insert);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
    cancelar(v);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogos, EnterTest,
    testing::Values(CasoEnter{"frmEstados", "SEstado", true, false},
                    CasoEnter{"frmZonas", "SDescripcion", true, false},
                    CasoEnter{"frmMunicipios", "SDescripcion", true, true},
                    CasoEnter{"frmSecciones", "SSeccion", true, true},
                    CasoEnter{"frmLocalidades", "IdMunicipio", true, false},
                    CasoEnter{"frmCodigosPostales", "SCodigoPostal", false, false},
                    CasoEnter{"frmCargos", "SDescripcion", false, false},
                    CasoEnter{"frmStructuras", "SDescripcion", false, false},
                    CasoEnter{"frmPartidos", "SNombre", false, false},
                    CasoEnter{"frmCandidatos", "SNombre", false, false},
                    CasoEnter{"frmCampanias", "SDescripcion", false, false},
                    CasoEnter{"frmMotivos", "sDescripcion", true, true},
                    CasoEnter{"frmGradoDeEstudios", "sDescripcion", false, false},
                    CasoEnter{"frmEstadoCivil", "SDescripcion", false, false},
                    CasoEnter{"frmTiposApoyos", "SConcepto", false, false}));

// Two workstations ----------------------------------------------------------------------------

struct CasoEstaciones {
    const char* forma;
    const char* tabla;
    const char* llave;
    const char* nombre;
    const char* prefijo;
    test::Valores comunes; ///< what both fill besides the name
};

std::ostream& operator<<(std::ostream& os, const CasoEstaciones& c) {
    return os << c.forma;
}

class EstacionesTest : public ReglasTest, public testing::WithParamInterface<CasoEstaciones> {
protected:
    QVariant de(const char* columna, const QString& nombre) {
        const CasoEstaciones& c = GetParam();
        return valor(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = '%4'")
                         .arg(QString::fromUtf8(columna), QString::fromUtf8(c.tabla),
                              QString::fromUtf8(c.nombre), nombre));
    }
};

// Both windows run on the program's one connection, as two workstations would each on
// their own; the third add is raced by a row saved through a second real connection.
TEST_P(EstacionesTest, AddsStartedTogetherGetDistinctKeysAndCodes) {
    const CasoEstaciones& c = GetParam();
    const QString forma = QString::fromUtf8(c.forma);
    const QString llave = QString::fromUtf8(c.llave);
    const QString nombre = QString::fromUtf8(c.nombre);
    catalogs::TfrmCatalogo* a = crear(forma);
    catalogs::TfrmCatalogo* b = crear(forma);
    agregar(a);
    agregar(b);
    const qlonglong k = a->uDatos->value(llave).toLongLong();
    const QString folio = a->uDatos->value(QStringLiteral("SCodigo")).toString();
    EXPECT_EQ(b->uDatos->value(llave).toLongLong(), k);
    EXPECT_EQ(b->uDatos->value(QStringLiteral("SCodigo")).toString(), folio);

    test::Valores va = c.comunes, vb = c.comunes;
    va[nombre] = QStringLiteral("PRIMERA ESTACION");
    vb[nombre] = QStringLiteral("SEGUNDA ESTACION");
    llenar(*a, va);
    llenar(*b, vb);
    aceptar(b);
    aceptar(a);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
    const auto folioDe = [&](qlonglong n) {
        return QString::fromUtf8(c.prefijo) + QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0'));
    };
    const qlonglong n = folio.mid(static_cast<int>(strlen(c.prefijo))).toLongLong();
    EXPECT_EQ(de(c.llave, "SEGUNDA ESTACION").toLongLong(), k);
    EXPECT_EQ(de("SCodigo", "SEGUNDA ESTACION").toString(), folio);
    EXPECT_EQ(de(c.llave, "PRIMERA ESTACION").toLongLong(), k + 1);
    EXPECT_EQ(de("SCodigo", "PRIMERA ESTACION").toString(), folioDe(n + 1));

    agregar(a);
    EXPECT_EQ(a->uDatos->value(llave).toLongLong(), k + 2);
    ejecutar(QStringLiteral("INSERT INTO %1 (%2, SCodigo, %3) VALUES (%4, '%5', 'TERCERA')")
                 .arg(QString::fromUtf8(c.tabla), llave, nombre)
                 .arg(k + 2)
                 .arg(folioDe(n + 2)));
    va[nombre] = QStringLiteral("CUARTA ESTACION");
    llenar(*a, va);
    aceptar(a);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
    EXPECT_EQ(de(c.llave, "CUARTA ESTACION").toLongLong(), k + 3);
    EXPECT_EQ(de("SCodigo", "CUARTA ESTACION").toString(), folioDe(n + 3));
}

INSTANTIATE_TEST_SUITE_P(
    Catalogos, EstacionesTest,
    testing::Values(
        CasoEstaciones{"frmPartidos", "activ_partidos", "IdPartido", "SNombre", "PAR", {}},
        CasoEstaciones{
            "frmZonas", "activ_zonas", "IdZona", "SDescripcion", "ZON", {{"IdEstado", 53}}}));

// Rights --------------------------------------------------------------------------------------

TEST_F(ReglasTest, RightsAreAppliedAtShowAfterSaveAndAfterCancel) {
    Sesion(3, QStringLiteral("partidos")); // Partidos without Insertar
    catalogs::TfrmCatalogo* v = abrir(QStringLiteral("frmPartidos"));
    ASSERT_NE(v, nullptr);
    shell::TFrmBarraSuperior* barra = v->FrmBarraSuperior1;
    const auto revisar = [&](const char* momento) {
        SCOPED_TRACE(momento);
        EXPECT_FALSE(barra->btnAdd->isEnabled());
        EXPECT_TRUE(barra->btnEdit->isEnabled());
        EXPECT_TRUE(barra->btnDelete->isEnabled());
        EXPECT_TRUE(barra->btnPrinter->isEnabled());
        EXPECT_TRUE(barra->btnExporta->isEnabled());
        EXPECT_TRUE(barra->btnRefresh->isEnabled());
    };
    revisar("al mostrar");
    ASSERT_TRUE(v->uDatos->locate(QStringLiteral("IdPartido"), 1));
    barra->btnEdit->click();
    EXPECT_FALSE(barra->btnEdit->isEnabled());
    cancelar(v);
    revisar("tras cancelar");
    barra->btnEdit->click();
    aceptar(v);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
    revisar("tras guardar");
    EXPECT_EQ(ultimaBitacora(), QStringLiteral("Edita Partido - Código: PAR000001 - PARTIDO AZUL"));
}

// A save the server refuses -------------------------------------------------------------------

TEST_F(ReglasTest, RefusedSaveKeepsWhatWasTypedAndCanBeSavedAfterwards) {
    ejecutar(QStringLiteral("INSERT INTO activ_zonas (IdZona, SCodigo, IdEstado, SDescripcion) "
                            "VALUES (90, 'ZON000090', 53, 'ZONA EFIMERA')"));
    catalogs::TfrmCatalogo* v = abrir(QStringLiteral("frmLocalidades"));
    ASSERT_NE(v, nullptr);
    agregar(v);
    llenar(*v, {{"IdMunicipio", 1}, {"IdSeccion", 1}, {"IdZona", 90}, {"SLocalidad", "LA JOYA"}});
    // Gone on the server while the list still offers it.
    ejecutar(QStringLiteral("DELETE FROM activ_zonas WHERE IdZona = 90"));
    const int registros = bitacora().size();
    aceptar(v);

    ASSERT_EQ(guion.dialogos().shown().size(), 1);
    EXPECT_EQ(guion.dialogos().last().kind, DialogKind::Error);
    EXPECT_TRUE(guion.dialogos().last().text.contains(QStringLiteral("foreign key constraint")))
        << guion.dialogos().last().text.toStdString();
    EXPECT_TRUE(v->PanelDatos->isVisible());
    EXPECT_EQ(v->uDatos->state(), data::Dataset::State::Insert);
    EXPECT_FALSE(v->uDatos->updatesPending());
    EXPECT_EQ(qobject_cast<QLineEdit*>(v->editor(QStringLiteral("SLocalidad")))->text(),
              QStringLiteral("LA JOYA"));
    EXPECT_EQ(v->uDatos->value(QStringLiteral("SLocalidad")).toString(), QStringLiteral("LA JOYA"));
    EXPECT_EQ(bitacora().size(), registros);

    llenar(*v, {{"IdZona", 1}});
    aceptar(v);
    EXPECT_EQ(guion.dialogos().shown().size(), 1);
    EXPECT_FALSE(v->PanelDatos->isVisible());
    EXPECT_EQ(valor(QStringLiteral("SELECT IdZona FROM master_localidades WHERE SLocalidad = "
                                   "'LA JOYA'"))
                  .toInt(),
              1);
    EXPECT_TRUE(ultimaBitacora().startsWith(QStringLiteral("Agrega Localidad - Código: LOC")));
    EXPECT_TRUE(ultimaBitacora().endsWith(QStringLiteral(" - LA JOYA")));
}

// Print ---------------------------------------------------------------------------------------

TEST_F(ReglasTest, PrintSendsWhatTheGridShowsWithTheCatalogTitle) {
    platform::report::SetReportsFolder(QString::fromStdString(test::sourceDir()) +
                                       QStringLiteral("/resources/Reportes"));
    QString titulo;
    QStringList textos;
    const platform::report::Presenter previo =
        platform::report::SetPresenter([&](const platform::report::PreparedReport& r) {
            titulo = r.title;
            for (const auto& pagina : r.pages)
                for (const auto& banda : pagina.bands)
                    for (const auto& item : banda.items)
                        textos << item.text;
        });
    catalogs::TfrmCatalogo* v = abrir(QStringLiteral("frmZonas"));
    ASSERT_NE(v, nullptr);
    v->FrmBarraSuperior1->btnPrinter->click();
    platform::report::SetPresenter(previo);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty()) << guion.dialogos().last().text.toStdString();
    EXPECT_EQ(titulo, QStringLiteral("Catálogo de Zonas"));
    EXPECT_TRUE(textos.contains(QStringLiteral("ZONA CENTRO"))) << textos.join(u'|').toStdString();
    EXPECT_TRUE(textos.contains(QStringLiteral("HIDALGO"))) << textos.join(u'|').toStdString();
}

// Export --------------------------------------------------------------------------------------

TEST_F(ReglasTest, ExportWritesTheGridToTheChosenFile) {
    catalogs::TfrmCatalogo* v = abrir(QStringLiteral("frmZonas"));
    ASSERT_NE(v, nullptr);
    QTemporaryDir carpeta;
    ASSERT_TRUE(carpeta.isValid());
    const QString archivo = carpeta.filePath(QStringLiteral("zonas.xls"));
    guion.dialogos().answerFile(archivo).answerNo();
    v->FrmBarraSuperior1->btnExporta->click();
    const QList<platform::ShownDialog>& vistos = guion.dialogos().shown();
    ASSERT_EQ(vistos.size(), 2);
    EXPECT_EQ(vistos[0].kind, DialogKind::SaveFile);
    EXPECT_EQ(vistos[1].kind, DialogKind::Confirm);
    EXPECT_GT(QFileInfo(archivo).size(), 0);

    guion.dialogos().clearShown();
    guion.dialogos().answerCancel();
    v->FrmBarraSuperior1->btnExporta->click();
    EXPECT_EQ(guion.dialogos().shown().size(), 1); // cancelled: nothing else
}

// Registration --------------------------------------------------------------------------------

TEST_F(ReglasTest, EveryCatalogCommandOfTheMainWindowOpensARegisteredWindow) {
    int catalogos = 0;
    for (const shell::DefComando& c : shell::TablaComandos()) {
        if (c.lugar != shell::Lugar::Submenu || QLatin1String(c.contenedor) != "dxOptCat")
            continue;
        ++catalogos;
        const QString forma = QString::fromUtf8(c.ventana);
        EXPECT_TRUE(shell::VentanaRegistrada(forma)) << c.ventana;
        EXPECT_NO_THROW(catalogs::BuscarCatalogo(forma)) << c.ventana;
    }
    EXPECT_EQ(catalogos, catalogs::TablaCatalogos().size());
}

// Parent names from a lookup list -------------------------------------------------------------

TEST_F(ReglasTest, GridShowsTheParentNameFromTheListWhenTheRowsLackIt) {
    catalogs::DefLista estados{"IdEstado",
                               "master_estado",
                               catalogs::Carga::Consulta,
                               "IdEstado",
                               {},
                               "SEstado",
                               "Estado",
                               "Estado",
                               {}};
    catalogs::ListasCatalogo listas({estados});
    listas.Cargar();
    for (const bool conNombre : {false, true}) {
        SCOPED_TRACE(conNombre ? "con nombre" : "sin nombre");
        data::Dataset filas(&data::connection().Uconnection);
        catalogs::ModeloCatalogo modelo(&filas, listas);
        filas.setSql(conNombre ? QStringLiteral("SELECT t.IdZona, t.IdEstado, t.SDescripcion, "
                                                "'NOMBRE PROPIO' AS Estado FROM activ_zonas t "
                                                "ORDER BY t.IdZona")
                               : QStringLiteral("SELECT IdZona, IdEstado, SDescripcion FROM "
                                                "activ_zonas ORDER BY IdZona"));
        filas.open();
        ASSERT_EQ(modelo.columnCount(), 4);
        EXPECT_EQ(
            modelo.headerData(3, Qt::Horizontal, platform::CursorModel::FieldNameRole).toString(),
            QStringLiteral("Estado"));
        EXPECT_EQ(modelo.data(modelo.index(0, 3)).toString(),
                  conNombre ? QStringLiteral("NOMBRE PROPIO") : QStringLiteral("HIDALGO"));

        platform::GridView grid;
        grid.setModel(&modelo);
        platform::GridColumn columna;
        columna.fieldName = QStringLiteral("Estado");
        grid.setColumns({columna});
        EXPECT_EQ(grid.displayText(0, 0),
                  conNombre ? QStringLiteral("NOMBRE PROPIO") : QStringLiteral("HIDALGO"));
    }
}

} // namespace
