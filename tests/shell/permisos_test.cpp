// Module rights: which commands and tabs of the main window each user sees, and which
// record operations a module window leaves enabled.
#include "data/connection.h"
#include "datatest.h"
#include "escenario.h"
#include "platform/ribbon/ribbon.h"
#include "shell/barrasuperior.h"
#include "shell/permisos.h"
#include "shell/principal.h"
#include "shell/tag.h"
#include "support/testdb.h"

#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orva;
using platform::RibbonCommand;

namespace {

const std::string kBase = "shell_permisos";

class PermisosTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        test::createDatabase(kBase);
        test::CargarUsuarios(kBase);
    }
    void SetUp() override { test::Conectar(kBase); }
    void TearDown() override { test::disconnectModule(); }

    /// Commands of the walk (buttons), visible ones by name.
    QStringList visibles() const {
        QStringList nombres;
        for (RibbonCommand* c : principal.ribbon()->commands())
            if (c->isButton() && c->isVisible())
                nombres << c->objectName();
        return nombres;
    }
    QStringList pestanasVisibles() const {
        QStringList nombres;
        for (platform::RibbonTab* t : principal.ribbon()->tabs())
            if (t->isTabVisible())
                nombres << t->objectName();
        return nombres;
    }
    void aplicarComo(int id, const QString& usuario) {
        test::SesionDe(id, usuario, kBase);
        principal.AplicarPermisosMenu();
    }

    test::Guion guion;
    shell::TfrmPrincipal principal;
};

TEST_F(PermisosTest, AdministratorInAnyCaseSeesEveryCommandAndTab) {
    for (const QString& nombre :
         {QStringLiteral("admin"), QStringLiteral("Admin"), QStringLiteral("ADMIN")}) {
        SCOPED_TRACE(nombre.toStdString());
        aplicarComo(0, QStringLiteral("capturista")); // start from a restricted ribbon
        aplicarComo(1, nombre);
        for (RibbonCommand* c : principal.ribbon()->commands()) {
            if (!c->isButton())
                continue;
            EXPECT_TRUE(c->isVisible()) << c->objectName().toStdString();
            EXPECT_TRUE(c->isEnabled()) << c->objectName().toStdString();
        }
        EXPECT_EQ(pestanasVisibles(),
                  QStringList({"mnInicio", "mOrvaTab1", "mnRoziradad", "mnConfiguraciones"}));
    }
    // Commands without any option row (window arrangement) are among them.
    EXPECT_TRUE(principal.comando("cascada")->isVisible());
    EXPECT_TRUE(principal.comando("AcoplarDesacoplar")->isVisible());
}

TEST_F(PermisosTest, UserWithOnlyEstadosSeesOnlyThatCatalogOnItsTab) {
    aplicarComo(2, QStringLiteral("capturista"));
    // sSalir is tagged 100 and is never governed by rights.
    EXPECT_EQ(visibles(), QStringList({"dxOptEstados", "sSalir"}));
    EXPECT_TRUE(principal.comando("dxOptEstados")->isEnabled());
    EXPECT_FALSE(principal.comando("dxOptZonas")->isEnabled());
    EXPECT_EQ(pestanasVisibles(), QStringList({"mnRoziradad"}));
    // The submenu stays and holds only Estados.
    RibbonCommand* catalogos = principal.comando("dxOptCat");
    EXPECT_TRUE(catalogos->isVisible());
    QStringList items;
    for (QAction* a : catalogos->subMenu()->actions())
        if (a->isVisible())
            items << a->text();
    EXPECT_EQ(items, QStringList({"Estados"}));
    // Quick access and window arrangement without rows are hidden too.
    for (const char* nombre :
         {"AcoplarDesacoplar", "Cerrar_Todo", "cascada", "mosaicohorizontal", "mosaicovertical"})
        EXPECT_FALSE(principal.comando(nombre)->isVisible()) << nombre;
}

TEST_F(PermisosTest, TabWithoutGrantedRowIsHidden) {
    aplicarComo(2, QStringLiteral("capturista"));
    EXPECT_FALSE(principal.ribbon()->tab("mOrvaTab1")->isTabVisible()); // "Dashboard Dazoduvav"
    EXPECT_FALSE(principal.ribbon()->tab("mnConfiguraciones")->isTabVisible());
}

TEST_F(PermisosTest, LowerCaseSiDenies) {
    aplicarComo(4, QStringLiteral("minusculas"));
    EXPECT_EQ(visibles(), QStringList({"dxColaboradores", "sSalir"}));
}

TEST_F(PermisosTest, CommandsTaggedHundredAreNeverTouched) {
    RibbonCommand* salir = principal.comando("sSalir");
    salir->setEnabled(false);
    aplicarComo(1, QStringLiteral("admin"));
    EXPECT_FALSE(salir->isEnabled());
    aplicarComo(2, QStringLiteral("capturista"));
    EXPECT_FALSE(salir->isEnabled());
    EXPECT_TRUE(salir->isVisible());
}

TEST_F(PermisosTest, OrdinaryUsersRightsAreReadAgainEachTime) {
    aplicarComo(2, QStringLiteral("capturista"));
    EXPECT_FALSE(principal.comando("dxOptZonas")->isVisible());
    test::runSql(kBase, "INSERT INTO admin_permisos_roles (IdRol, IdOpcion) SELECT 2, IdOpcion "
                        "FROM master_opciones WHERE SNombreForm_Programa = 'dxOptZonas'");
    principal.AplicarPermisosMenu();
    EXPECT_TRUE(principal.comando("dxOptZonas")->isVisible());
    test::runSql(kBase, "DELETE p FROM admin_permisos_roles p JOIN master_opciones o ON "
                        "o.IdOpcion = p.IdOpcion WHERE p.IdRol = 2 AND "
                        "o.SNombreForm_Programa = 'dxOptZonas'");
}

/// A module window: the upper toolbar and buttons of its own carrying rights by tag.
class VentanaModulo : public QWidget {
public:
    VentanaModulo() {
        barra = new shell::TFrmBarraSuperior(this);
        for (int tag = 10; tag <= 14; ++tag) {
            auto* b = new QPushButton(QStringLiteral("propio %1").arg(tag), this);
            b->setObjectName(QStringLiteral("propio%1").arg(tag));
            shell::setTag(b, tag);
            propios << b;
        }
    }
    QMap<QString, bool> habilitados() const {
        QMap<QString, bool> m;
        for (QToolButton* b : barra->botonesDeRegistro())
            m.insert(b->objectName(), b->isEnabled());
        for (QPushButton* b : propios)
            m.insert(b->objectName(), b->isEnabled());
        return m;
    }
    shell::TFrmBarraSuperior* barra;
    QList<QPushButton*> propios;
};

TEST_F(PermisosTest, InsertarNoDisablesAgregarAtShowAndAfterEverySaveOrCancel) {
    aplicarComo(3, QStringLiteral("partidos"));
    VentanaModulo ventana;
    const QMap<QString, bool> esperado = {
        {"btnAdd", false},    {"btnEdit", true},    {"btnDelete", true},  {"btnRefresh", true},
        {"btnExporta", true}, {"btnPrinter", true}, {"btnDetalle", true}, {"propio10", false},
        {"propio11", true},   {"propio12", true},   {"propio13", true},   {"propio14", true}};
    shell::AplicarPermisosBarras(&ventana, QStringLiteral("dxOptPartidos"));
    EXPECT_EQ(ventana.habilitados(), esperado);
    for (int vuelta = 0; vuelta < 2; ++vuelta) { // an add then a save; an edit then a cancel
        vuelta == 0 ? ventana.barra->btnAddClick() : ventana.barra->btnEditClick();
        ventana.barra->btnActivarClick();
        EXPECT_TRUE(ventana.barra->btnAdd->isEnabled());
        shell::AplicarPermisosBarras(&ventana, QStringLiteral("dxOptPartidos"));
        EXPECT_EQ(ventana.habilitados(), esperado);
    }
}

TEST_F(PermisosTest, EachTagFollowsItsRight) {
    // One right denied at a time, by the tag that carries it.
    struct Caso {
        const char* columna;
        int tag;
        const char* boton;
    };
    const Caso casos[] = {{"insertar", 10, "btnAdd"},
                          {"editar", 11, "btnEdit"},
                          {"eliminar", 12, "btnDelete"},
                          {"exportar", 13, "btnExporta"},
                          {"imprimir", 14, "btnPrinter"}};
    aplicarComo(3, QStringLiteral("partidos"));
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.columna);
        test::runSql(kBase, std::string("UPDATE admin_permisos_roles SET insertar='Si', "
                                        "editar='Si', eliminar='Si', exportar='Si', "
                                        "imprimir='Si' WHERE IdRol=3; UPDATE "
                                        "admin_permisos_roles SET ") +
                                c.columna + "='No' WHERE IdRol=3");
        shell::AbrirPermisosUsuario();
        VentanaModulo ventana;
        shell::AplicarPermisosBarras(&ventana, QStringLiteral("dxOptPartidos"));
        for (QPushButton* b : ventana.propios)
            EXPECT_EQ(b->isEnabled(), shell::Tag(b) != c.tag) << b->objectName().toStdString();
        for (QToolButton* b : ventana.barra->botonesDeRegistro())
            EXPECT_EQ(b->isEnabled(), b->objectName() != QLatin1String(c.boton))
                << b->objectName().toStdString();
    }
    test::runSql(kBase, "UPDATE admin_permisos_roles SET insertar='No', editar='Si', "
                        "eliminar='Si', exportar='Si', imprimir='Si' WHERE IdRol=3");
}

TEST_F(PermisosTest, KeyWithoutRightsRowLeavesTheWindowAsItWas) {
    aplicarComo(3, QStringLiteral("partidos"));
    VentanaModulo ventana;
    ventana.barra->btnEdit->setEnabled(false);
    const auto antes = ventana.habilitados();
    shell::AplicarPermisosBarras(&ventana, QStringLiteral("dxOptEstados"));  // no row for role 3
    shell::AplicarPermisosBarras(&ventana, QStringLiteral("dxoptpartidos")); // keys match exactly
    EXPECT_EQ(ventana.habilitados(), antes);
}

TEST_F(PermisosTest, RightsNeverShowOrHide) {
    aplicarComo(1, QStringLiteral("admin"));
    VentanaModulo ventana;
    ventana.show();
    ventana.propios[2]->hide();
    shell::AplicarPermisosBarras(&ventana, QStringLiteral("dxOptPartidos"));
    EXPECT_FALSE(ventana.propios[2]->isVisible());
    EXPECT_TRUE(ventana.propios[2]->isEnabled());
    EXPECT_FALSE(ventana.barra->btnDetalle->isVisible());
}

TEST_F(PermisosTest, AdministratorWindowRightsComeFromItsOwnRows) {
    test::runSql(kBase, "UPDATE admin_permisos_roles p JOIN master_opciones o ON o.IdOpcion = "
                        "p.IdOpcion SET p.eliminar = 'No' WHERE p.IdRol = 1 AND "
                        "o.SNombreForm_Programa = 'dxOptPartidos'");
    data::connection().zModulosPermisos.close();
    aplicarComo(1, QStringLiteral("admin"));
    VentanaModulo ventana;
    shell::AplicarPermisosBarras(&ventana, QStringLiteral("dxOptPartidos"));
    EXPECT_FALSE(ventana.barra->btnDelete->isEnabled());
    EXPECT_TRUE(ventana.barra->btnAdd->isEnabled());
    test::runSql(kBase, "UPDATE admin_permisos_roles SET eliminar = 'Si' WHERE IdRol = 1");
}

} // namespace
