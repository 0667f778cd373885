#include "platform/ribbon/ribbon.h"

#include <QMenu>
#include <QTabBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orva::platform;

namespace {

class RibbonTest : public testing::Test {
protected:
    void SetUp() override {
        RibbonTab* inicio = ribbon.addTab("mnInicio", "Inicio Orva", 1);
        inicio->addGroup("Inicio")->addLargeButton("dxBarSelecciona_INI", "Seleccion de Empresa",
                                                   1);
        RibbonTab* gestion = ribbon.addTab("mnRoziradad", "Gestión", 3);
        group = gestion->addGroup("Gestión");
        catalogs = group->addSubMenu("dxOptCat", "Catalagos", 3);
        catalogs->addItem("dxOptEstados", "Estados", 3);
        catalogs->addItem("dxOptZonas", "Zonas", 3);
        people = group->addLargeButton("dxColaboradores", "Colaboradores", 3);
        group->addButton("cxCallCenter", "Call Center", 3);
        ribbon.addQuickAccessButton("Cerrar_Todo", "Cerrar Todo", 0);
        RibbonCommand* windows = ribbon.addQuickAccessSubMenu("ventanaen", "Ventanas en:", 0);
        windows->addItem("cascada", "Cascada", 100);
        ribbon.addApplicationButton("sSalir", "Salir", 100);
        ribbon.show();
    }
    Ribbon ribbon;
    RibbonGroup* group = nullptr;
    RibbonCommand* catalogs = nullptr;
    RibbonCommand* people = nullptr;
};

TEST_F(RibbonTest, WalksEveryCommandWithNameCaptionTagAndKind) {
    QStringList walk;
    for (RibbonCommand* c : ribbon.commands())
        walk << QStringLiteral("%1|%2|%3|%4")
                    .arg(c->objectName(), c->text())
                    .arg(c->tag())
                    .arg(c->isButton() ? "boton" : "submenu");
    EXPECT_EQ(walk,
              QStringList({"dxBarSelecciona_INI|Seleccion de Empresa|1|boton",
                           "dxOptCat|Catalagos|3|submenu", "dxOptEstados|Estados|3|boton",
                           "dxOptZonas|Zonas|3|boton", "dxColaboradores|Colaboradores|3|boton",
                           "cxCallCenter|Call Center|3|boton", "Cerrar_Todo|Cerrar Todo|0|boton",
                           "ventanaen|Ventanas en:|0|submenu", "cascada|Cascada|100|boton",
                           "sSalir|Salir|100|boton"}));
    QStringList tabs;
    for (RibbonTab* t : ribbon.tabs())
        tabs << QStringLiteral("%1|%2|%3").arg(t->objectName(), t->caption()).arg(t->tag());
    EXPECT_EQ(tabs, QStringList({"mnInicio|Inicio Orva|1", "mnRoziradad|Gestión|3"}));
}

TEST_F(RibbonTest, FindsCommandsAndTabsByNameIgnoringCase) {
    EXPECT_EQ(ribbon.command("DXCOLABORADORES"), people);
    EXPECT_EQ(ribbon.command("dxOptEstados")->text(), "Estados");
    EXPECT_EQ(ribbon.command("nada"), nullptr);
    EXPECT_EQ(ribbon.tab("MNINICIO")->caption(), "Inicio Orva");
    EXPECT_EQ(catalogs->subMenu()->actions().size(), 2);
}

TEST_F(RibbonTest, ButtonsFollowTheirCommandsState) {
    QToolButton* button = group->button(people);
    ASSERT_NE(button, nullptr);
    people->setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    people->setVisible(false);
    EXPECT_FALSE(button->isVisibleTo(group));
    people->setVisible(true);
    people->setEnabled(true);
    EXPECT_TRUE(button->isVisibleTo(group));
    EXPECT_TRUE(button->isEnabled());
}

TEST_F(RibbonTest, GroupHidesWhenAllItsCommandsAreHidden) {
    for (RibbonCommand* c : {catalogs, people, ribbon.command("cxCallCenter")})
        c->setVisible(false);
    EXPECT_FALSE(group->isVisibleTo(&ribbon));
    people->setVisible(true);
    EXPECT_TRUE(group->isVisibleTo(ribbon.tab("mnRoziradad")));
}

TEST_F(RibbonTest, TabsShowAndHideInTheTabRow) {
    RibbonTab* gestion = ribbon.tab("mnRoziradad");
    gestion->setTabVisible(false);
    EXPECT_FALSE(ribbon.tabBar()->isTabVisible(1));
    EXPECT_FALSE(gestion->isTabVisible());
    gestion->setTabVisible(true);
    EXPECT_TRUE(ribbon.tabBar()->isTabVisible(1));
    ribbon.setCurrentTab(gestion);
    EXPECT_EQ(ribbon.currentTab(), gestion);
}

TEST_F(RibbonTest, TriggeringACommandRunsItsHandler) {
    int opened = 0;
    QObject::connect(ribbon.command("dxOptEstados"), &QAction::triggered, [&] { ++opened; });
    ribbon.command("dxOptEstados")->trigger();
    EXPECT_EQ(opened, 1);
}

} // namespace
