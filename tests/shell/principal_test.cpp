// The main window: its commands, the single-instance opening of module windows, the show
// sequence after the login, the appearance file, and the exit question.
#include "data/connection.h"
#include "data/session.h"
#include "datatest.h"
#include "escenario.h"
#include "platform/ini/inifile.h"
#include "platform/ribbon/ribbon.h"
#include "shell/apariencia.h"
#include "shell/areamdi.h"
#include "shell/carpetas.h"
#include "shell/principal.h"
#include "shell/ventanas.h"
#include "support/testdb.h"

#include <QImage>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace orva;
using platform::DialogKind;
using platform::RibbonCommand;

namespace {

const std::string kBase = "shell_principal";

/// Registers a plain window for every form name the commands open, remembering the
/// module key each one saw when it was created.
struct VentanasDePrueba {
    VentanasDePrueba() {
        for (const shell::DefComando& c : shell::TablaComandos()) {
            if (c.accion != shell::Accion::Abrir)
                continue;
            const QString nombre = QString::fromUtf8(c.ventana);
            const bool mdi = nombre != u"frmConfBiometrico";
            registradas << nombre;
            shell::RegistrarVentana(
                nombre,
                [this, nombre] {
                    auto* w = new QWidget;
                    w->setObjectName(nombre);
                    w->setWindowTitle(nombre);
                    modulos.insert(nombre, shell::ModuloActual());
                    ++creadas;
                    return w;
                },
                mdi);
        }
    }
    ~VentanasDePrueba() {
        for (const QString& nombre : registradas)
            shell::RegistrarVentana(nombre, nullptr);
    }
    QMap<QString, QString> modulos;
    QStringList registradas;
    int creadas = 0;
};

class PrincipalTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        test::createDatabase(kBase);
        test::CargarUsuarios(kBase);
    }
    void SetUp() override {
        test::Conectar(kBase);
        ASSERT_TRUE(programa.isValid() && sistema.isValid());
        shell::setCarpetaPrograma(programa.path());
        test::SesionDe(1, QStringLiteral("admin"), kBase);
        // As the program does: shown, its show sequence runs (here with the
        // administrator's session already established).
        principal = std::make_unique<shell::TfrmPrincipal>();
        principal->resize(1000, 700);
        principal->setEjecutarAcceso([] { return false; });
        principal->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        principal.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shell::setCarpetaPrograma({});
        test::disconnectModule();
    }

    /// A main window not shown yet.
    void nuevaPrincipal() {
        principal.reset();
        principal = std::make_unique<shell::TfrmPrincipal>();
    }

    /// Runs the show sequence of a new main window with a login that establishes
    /// `usuario`'s session.
    void mostrarComo(int id, const QString& usuario) {
        nuevaPrincipal();
        principal->setEjecutarAcceso([this, id, usuario] {
            test::SesionDe(id, usuario, kBase);
            data::SesionActual s = data::sesion();
            s.sRutaSistema = shell::ConSeparador(sistema.path());
            data::establecerSesion(s);
            return false;
        });
        principal->FormShow();
    }

    platform::IniFile imagen() const {
        return platform::IniFile::load(
            shell::ArchivoApariencia(shell::ConSeparador(sistema.path())));
    }

    static QStringList textos(const QMenu* menu) {
        QStringList t;
        for (QAction* a : menu->actions())
            if (!a->text().isEmpty()) // sections are separators with a caption
                t << a->text();
        return t;
    }

    void procesarCierres() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    test::Guion guion;
    QTemporaryDir programa;
    QTemporaryDir sistema;
    std::unique_ptr<shell::TfrmPrincipal> principal;
};

// ------------------------------------------------------------------ commands

TEST_F(PrincipalTest, TabsWithTheirNumbersAndGroups) {
    QStringList pestanas;
    for (platform::RibbonTab* t : principal->ribbon()->tabs()) {
        QStringList grupos;
        for (platform::RibbonGroup* g : t->groups())
            grupos << g->caption();
        pestanas << QStringLiteral("%1|%2|%3|%4")
                        .arg(t->objectName(), t->caption())
                        .arg(t->tag())
                        .arg(grupos.join(','));
    }
    EXPECT_EQ(
        pestanas,
        QStringList({"mnInicio|Inicio Orva|1|Inicio", "mOrvaTab1|Dashboard Dazoduvav|16|Dasboard",
                     "mnRoziradad|Gestión Dazoduvav|3|Dazoduvav",
                     "mnConfiguraciones|Admin. & Config.|4|Mascaras,Panel de Control"}));
}

TEST_F(PrincipalTest, EveryCommandWithItsCaptionTagAndGroup) {
    // Component name | caption | tag (its tab's number; 100 never governed by rights;
    // 0 and 123 never registered as options) | the group showing it (empty: a submenu
    // item, the quick-access bar or the application menu), in the order they are placed.
    const QStringList esperados = {
        "dxBarSelecciona_INI|Seleccion de Empresa|1|Inicio",
        "cxDasboardRoziradad|Opciones Dashboard|16|Dasboard",
        "dxOptCat|Catalagos|3|Dazoduvav",
        "dxOptEstados|Estados|3|",
        "dxOptZonas|Zonas|3|",
        "dxOptMunicipios|Municipios|3|",
        "dxOptSecciones|Secciones|3|",
        "dxOptLocalidades|Localidades|3|",
        "dxOptCodigoPostal|Códigos Postales|3|",
        "dxOptCargos|Cargos|3|",
        "dxOptEstructuras|Estructuras|3|",
        "dxOptPartidos|Partidos|3|",
        "dxOptCandidatos|Candidatos|3|",
        "dxOptCampanias|Campañas|3|",
        "dxOptMotivos|Motivos|3|",
        "dxOptGradoEstudio|Grado de Estudios|3|",
        "dxOptEstadoCivil|Estado Civil|3|",
        "dxOptTiposApoyos|Tipos de Apoyos|3|",
        "dxColaboradores|Colaboradores|3|Dazoduvav",
        "dxAsignaciones|Asignaciones|3|Dazoduvav",
        "dxApoyos|Apoyos Entregados|3|Dazoduvav",
        "dxHistorialAsignaciones|Historial Aginaciones|3|Dazoduvav",
        "dxAsignaciónMasiva|Asigación Masiva|3|Dazoduvav",
        "cxClavesElector|Claves Elector|3|Dazoduvav",
        "cxVencimientosCredencial|Vencimientos Credenciales|3|Dazoduvav",
        "cxUbicacionesCasillas|Ubicaciones Casillas|3|Dazoduvav",
        "cxCallCenter|Call Center|3|Dazoduvav",
        "dxReportesRoziradad|Reportes Dazoduvav|3|Dazoduvav",
        "dxSkinChooserGalleryItem1|Mascaras|123|Mascaras",
        "dxBarAutofolios_CONF|Autofolios|4|Panel de Control",
        "cxKardexMovimientos|Kardex Movimientos|4|Panel de Control",
        "dxBarRecargaConsulta_CONF|Recargar Consultas SQL|4|Panel de Control",
        "dxBarConfMail_CONF|Notifcaciones Email|4|Panel de Control",
        "btnAWS|AWS|4|Panel de Control",
        "btnImportarDatos|Importación Datos|4|Panel de Control",
        "dxBarSistema_CONF|Sistema|4|Panel de Control",
        "dxAcerca_CONF|Acerca de Software ORVA Dazoduvav|4|",
        "dxUsuarios_CONF|Usuarios|4|",
        "dxRoles|Roles|4|",
        "btnConfBiom|Config. Biométrico|4|",
        "dxAyuda_CONF|Soporte Software ORVA|4|",
        "btnDescargasOrva|Descargas|4|Panel de Control",
        "dxBarAsignaciones_CONF|Asignaciones|4|",
        "dxSubAsignaciones|Asignaciones|0|",
        "dxSubFormulariosControl|Formularios control|0|",
        "sSalir|Salir|100|",
        "AcoplarDesacoplar|Acoplar|123|",
        "Cerrar_Todo|Cerrar Todo|123|",
        "ventanaen|Ventanas en:|0|",
        "cascada|Cascada|0|",
        "mosaicohorizontal|Mosaico Horizontal|0|",
        "mosaicovertical|Mosaico Vertical|0|",
    };
    QStringList comandos;
    for (RibbonCommand* c : principal->ribbon()->commands()) {
        QString grupo;
        for (platform::RibbonTab* t : principal->ribbon()->tabs())
            for (platform::RibbonGroup* g : t->groups())
                if (g->button(c))
                    grupo = g->caption();
        comandos << QStringLiteral("%1|%2|%3|%4")
                        .arg(c->objectName(), c->text())
                        .arg(c->tag())
                        .arg(grupo);
    }
    EXPECT_EQ(comandos, esperados);
    EXPECT_EQ(principal->comando("sSalir")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
}

TEST_F(PrincipalTest, SubmenusHoldTheirCommandsInOrder) {
    EXPECT_EQ(textos(principal->comando("dxOptCat")->subMenu()),
              QStringList({"Estados", "Zonas", "Municipios", "Secciones", "Localidades",
                           "Códigos Postales", "Cargos", "Estructuras", "Partidos", "Candidatos",
                           "Campañas", "Motivos", "Grado de Estudios", "Estado Civil",
                           "Tipos de Apoyos"}));
    EXPECT_EQ(textos(principal->comando("dxBarSistema_CONF")->subMenu()),
              QStringList({"Acerca de Software ORVA Dazoduvav", "Usuarios", "Roles",
                           "Config. Biométrico", "Soporte Software ORVA"}));
    EXPECT_EQ(textos(principal->comando("ventanaen")->subMenu()),
              QStringList({"Cascada", "Mosaico Horizontal", "Mosaico Vertical"}));
    EXPECT_EQ(textos(principal->comando("dxBarAsignaciones_CONF")->subMenu()),
              QStringList({"Asignaciones", "Formularios control"}));
    EXPECT_EQ(textos(principal->ribbon()->applicationMenu()),
              QStringList({"Sistema", "Asignaciones", "Salir", "Acceso Rápido", "Login"}));
}

TEST_F(PrincipalTest, EachCommandOpensItsWindowWithItsModuleKey) {
    struct Caso {
        const char* comando;
        const char* ventana;
        const char* modulo; ///< nullptr: the command leaves ModuloActual as it was
    };
    const Caso casos[] = {
        {"dxOptEstados", "frmEstados", "dxOptEstados"},
        {"dxOptZonas", "frmZonas", "dxOptZonas"},
        {"dxOptMunicipios", "frmMunicipios", "dxOptMunicipios"},
        {"dxOptSecciones", "frmSecciones", "dxOptSecciones"},
        {"dxOptLocalidades", "frmLocalidades", "dxOptLocalidades"},
        {"dxOptCodigoPostal", "frmCodigosPostales", "dxOptCodigoPostal"},
        {"dxOptCargos", "frmCargos", "dxOptCargos"},
        {"dxOptEstructuras", "frmStructuras", "dxOptEstructuras"},
        {"dxOptPartidos", "frmPartidos", "dxOptPartidos"},
        {"dxOptCandidatos", "frmCandidatos", "dxOptCandidatos"},
        {"dxOptCampanias", "frmCampanias", "dxOptCampanias"},
        {"dxOptMotivos", "frmMotivos", "dxOptMotivos"},
        {"dxOptGradoEstudio", "frmGradoDeEstudios", "dxOptGradoEstudio"},
        {"dxOptEstadoCivil", "frmEstadoCivil", "dxOptEstadoCivil"},
        {"dxOptTiposApoyos", "frmTiposApoyos", "dxOptTiposApoyos"},
        {"dxColaboradores", "frmColaboradores", "dxColaboradores"},
        {"dxAsignaciones", "frmAsignaciones", "dxAsignaciones"},
        {"dxApoyos", "frmApoyo", "dxApoyos"},
        {"dxHistorialAsignaciones", "frmAsignaciones_historial", "dxAsignaciones"},
        {"dxAsignaciónMasiva", "frmAsignacion_masiva", "dxAsignaciones"},
        {"cxClavesElector", "frmColaboradores_tramite", "cxClavesElector"},
        {"cxVencimientosCredencial", "frmColaboradores_vigencia", "cxVencimientosCredencial"},
        {"cxUbicacionesCasillas", "frmCasillas", "dxUbicasionCasillas"},
        {"dxReportesRoziradad", "FrmReporteEntregaApoyo", nullptr},
        {"cxKardexMovimientos", "frmKardex", "frmKardex"},
        {"btnImportarDatos", "frmImportarDatos_Roziradad", "dxHistorialMoto_CONF"},
        {"dxUsuarios_CONF", "frmUsuario", nullptr},
        {"dxRoles", "frmRoles", nullptr},
    };
    VentanasDePrueba ventanas;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.comando);
        shell::setModuloActual(QStringLiteral("previo"));
        principal->comando(QString::fromUtf8(c.comando))->trigger();
        ASSERT_TRUE(ventanas.modulos.contains(c.ventana));
        EXPECT_EQ(ventanas.modulos.value(c.ventana),
                  c.modulo ? QString::fromUtf8(c.modulo) : QStringLiteral("previo"));
        QMdiSubWindow* activa = principal->areaVentanas()->activeSubWindow();
        ASSERT_NE(activa, nullptr);
        EXPECT_EQ(activa->widget()->objectName(), c.ventana);
    }
    EXPECT_EQ(shell::VentanasAbiertas(), static_cast<int>(std::size(casos)));
}

TEST_F(PrincipalTest, OpeningAnOpenModuleBringsItToTheFront) {
    VentanasDePrueba ventanas;
    principal->comando("dxOptEstados")->trigger();
    principal->comando("dxOptZonas")->trigger();
    EXPECT_EQ(principal->areaVentanas()->activeSubWindow()->widget()->objectName(), "frmZonas");
    principal->comando("dxOptEstados")->trigger();
    EXPECT_EQ(ventanas.creadas, 2);
    EXPECT_EQ(shell::VentanasAbiertas(), 2);
    EXPECT_EQ(principal->areaVentanas()->activeSubWindow()->widget()->objectName(), "frmEstados");
    // Names are compared without regard to case.
    EXPECT_TRUE(shell::MostrarSiAbierta(QStringLiteral("FRMZONAS")));
    EXPECT_EQ(principal->areaVentanas()->activeSubWindow()->widget()->objectName(), "frmZonas");
    EXPECT_FALSE(shell::MostrarSiAbierta(QStringLiteral("frmPartidos")));
}

TEST_F(PrincipalTest, FingerprintWindowOpensAnotherOneEveryTime) {
    VentanasDePrueba ventanas;
    principal->comando("btnConfBiom")->trigger();
    principal->comando("btnConfBiom")->trigger();
    EXPECT_EQ(ventanas.creadas, 2);
    EXPECT_EQ(ventanas.modulos.value("frmConfBiometrico"), "btnConfBiom");
    EXPECT_EQ(shell::VentanasAbiertas(), 0); // not children of the main window
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"frmConfBiometrico")
            w->close();
}

TEST_F(PrincipalTest, CloseAllAndWindowArrangement) {
    VentanasDePrueba ventanas;
    for (const char* c : {"dxOptEstados", "dxOptZonas", "dxOptCargos"})
        principal->comando(c)->trigger();
    principal->comando("AcoplarDesacoplar")->trigger(); // free windows
    EXPECT_FALSE(principal->areaVentanas()->acoplada());
    principal->comando("mosaicovertical")->trigger();
    const auto hijas = principal->areaVentanas()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(hijas.size(), 3);
    EXPECT_EQ(hijas[0]->y(), hijas[1]->y());
    EXPECT_LT(hijas[0]->x(), hijas[1]->x());
    principal->comando("mosaicohorizontal")->trigger();
    EXPECT_EQ(hijas[0]->x(), hijas[1]->x());
    EXPECT_LT(hijas[0]->y(), hijas[1]->y());
    principal->comando("AcoplarDesacoplar")->trigger();
    EXPECT_TRUE(principal->areaVentanas()->acoplada());
    principal->comando("Cerrar_Todo")->trigger();
    procesarCierres();
    EXPECT_EQ(shell::VentanasAbiertas(), 0);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(PrincipalTest, SeleccionDeEmpresaAsksOnlyWithOpenWindows) {
    VentanasDePrueba ventanas;
    test::SesionDe(2, QStringLiteral("capturista"), kBase);
    principal->comando("dxBarSelecciona_INI")->trigger();
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
    EXPECT_FALSE(principal->comando("dxOptZonas")->isVisible()); // rights applied

    // The command itself is not granted to this user now; its handler runs as it would.
    principal->comando("dxOptEstados")->trigger();
    guion.dialogos().answerNo().answerYes();
    principal->SeleccionEmpresa();
    procesarCierres();
    EXPECT_EQ(shell::VentanasAbiertas(), 1);
    principal->SeleccionEmpresa();
    procesarCierres();
    EXPECT_EQ(shell::VentanasAbiertas(), 0);
    const auto preguntas = guion.dialogos().shown();
    ASSERT_EQ(preguntas.size(), 2);
    EXPECT_EQ(preguntas[0].kind, DialogKind::Confirm);
    EXPECT_EQ(preguntas[0].title, "Confirmación");
    EXPECT_EQ(preguntas[0].text,
              "Si cambia de empresa se cerraran todas las ventanas desea continuar?");
}

TEST_F(PrincipalTest, F5AndTheCommandReloadTheStatements) {
    QTest::keyClick(principal.get(), Qt::Key_F5);
    principal->comando("dxBarRecargaConsulta_CONF")->trigger();
    EXPECT_EQ(guion.dialogos().texts(DialogKind::Information),
              QStringList({"Información del sistema.\rSe ha cargado nuevamente las consultas sql "
                           "y la tabla de validación automática a la memoria del sistema.",
                           "Información del sistema.\rSe han Actualizados las consultas SQL!."}));
    EXPECT_TRUE(data::connection().zConsultasSQL.isActive());

    // F5 in a child window is that window's key: it reaches the main window unhandled
    // but reloads nothing.
    VentanasDePrueba ventanas;
    principal->comando("dxOptEstados")->trigger();
    QWidget* hija = principal->areaVentanas()->activeSubWindow()->widget();
    hija->setFocusPolicy(Qt::StrongFocus);
    QApplication::setActiveWindow(principal.get());
    hija->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), hija);
    guion.dialogos().clearShown();
    QTest::keyClick(hija, Qt::Key_F5);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(PrincipalTest, FailedReloadShowsOnlyTheCatalogMessage) {
    test::disconnectModule();
    data::connection().Uconnection.setPort(1); // nothing listens there
    guion.dialogos().answerOk();
    principal->comando("dxBarRecargaConsulta_CONF")->trigger();
    ASSERT_EQ(guion.dialogos().shown().size(), 1);
    EXPECT_EQ(guion.dialogos().shown()[0].kind, DialogKind::OkCancel);
    EXPECT_EQ(guion.dialogos().shown()[0].title, "Error de Conexion");
}

TEST_F(PrincipalTest, InformationPagesOpenInTheBrowser) {
    QDir(programa.path()).mkpath(QStringLiteral("Recursos"));
    QFile pagina(programa.filePath(QStringLiteral("Recursos/acerca.html")));
    ASSERT_TRUE(pagina.open(QIODevice::WriteOnly));
    pagina.close();
    principal->comando("dxAcerca_CONF")->trigger();
    EXPECT_EQ(guion.dialogos().texts(DialogKind::OpenDocument),
              QStringList({QUrl::fromLocalFile(pagina.fileName()).toString()}));
    principal->comando("dxAyuda_CONF")->trigger(); // not installed here
    EXPECT_EQ(guion.dialogos().last().kind, DialogKind::Information);
}

// ------------------------------------------------------------------ show, exit

TEST_F(PrincipalTest, ShowAfterLoginFillsStatusCaptionAppearanceAndRights) {
    mostrarComo(2, QStringLiteral("capturista"));
    EXPECT_EQ(principal->panel(0), "Usuario");
    EXPECT_EQ(principal->panel(1), "CAPTURISTA");
    EXPECT_EQ(principal->panel(2), "Servidor");
    EXPECT_EQ(principal->panel(3), QString::fromStdString(test::dbSettings().host));
    EXPECT_EQ(principal->panel(4), "Base de Datos");
    EXPECT_EQ(principal->panel(5), QString::fromStdString(kBase));
    EXPECT_EQ(principal->windowTitle(), "Orva Dazoduvav Versión:   [2025.1.0.0 ]");
    // "Inicio Orva" was made current, then hidden with the rights: the visible tab shows.
    EXPECT_EQ(principal->ribbon()->currentTab()->objectName(), "mnRoziradad");
    EXPECT_FALSE(principal->comando("dxOptZonas")->isVisible());
    EXPECT_TRUE(principal->comando("dxOptEstados")->isVisible());
    // No image.ini in the system folder: created with the defaults.
    const platform::IniFile ini = imagen();
    EXPECT_EQ(ini.value("Configuración", "estado"), "bmCenter");
    EXPECT_TRUE(ini.contains("Configuración", "wallpaper"));
    EXPECT_EQ(ini.value("Configuración", "wallpaper"), "");
    EXPECT_EQ(ini.value("Configuración", "skincolor"), "");
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(PrincipalTest, LeavingTheLoginEndsWithoutTheQuestion) {
    nuevaPrincipal();
    QSignalSpy fin(principal.get(), &shell::TfrmPrincipal::terminar);
    principal->setEjecutarAcceso([] { return true; });
    principal->FormShow();
    EXPECT_EQ(fin.count(), 1);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(PrincipalTest, NoSessionUserAfterTheLoginEndsTheProgram) {
    nuevaPrincipal();
    QSignalSpy fin(principal.get(), &shell::TfrmPrincipal::terminar);
    principal->setEjecutarAcceso([] {
        data::establecerSesion({});
        return false;
    });
    principal->FormShow();
    EXPECT_EQ(fin.count(), 1);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(PrincipalTest, AFailureWhileShowingSaysWhyAndEnds) {
    test::runSql(kBase, "UPDATE master_consultassql SET NombreConsulta = 'otra' WHERE "
                        "NombreConsulta = 'admin_roles_modulos_usuarios'");
    data::connection().zConsultasSQL.close();
    data::connection().zModulosPermisos.setSql(data::modulosPermisosSql());
    nuevaPrincipal();
    QSignalSpy fin(principal.get(), &shell::TfrmPrincipal::terminar);
    principal->setEjecutarAcceso([] {
        test::SesionDe(2, QStringLiteral("capturista"), kBase);
        return false;
    });
    principal->FormShow();
    test::runSql(kBase, "UPDATE master_consultassql SET NombreConsulta = "
                        "'admin_roles_modulos_usuarios' WHERE NombreConsulta = 'otra'");
    EXPECT_EQ(fin.count(), 1);
    ASSERT_EQ(guion.dialogos().shown().size(), 1);
    EXPECT_EQ(guion.dialogos().shown()[0].kind, DialogKind::Error);
    EXPECT_TRUE(guion.dialogos().shown()[0].text.contains("IdUsuario"));
}

TEST_F(PrincipalTest, ExitAsksAndOnlyYesEnds) {
    QSignalSpy fin(principal.get(), &shell::TfrmPrincipal::terminar);
    principal->show();
    guion.dialogos().answerNo();
    principal->comando("sSalir")->trigger();
    EXPECT_TRUE(principal->isVisible());
    EXPECT_EQ(fin.count(), 0);
    guion.dialogos().answerYes();
    principal->close();
    EXPECT_FALSE(principal->isVisible());
    EXPECT_EQ(fin.count(), 1);
    EXPECT_EQ(guion.dialogos().texts(DialogKind::Confirm),
              QStringList(2, "Esta seguro que desea salir completamente de la aplicación?"));
}

TEST_F(PrincipalTest, ClosingWithoutConfirmationAsksNothing) {
    QSignalSpy fin(principal.get(), &shell::TfrmPrincipal::terminar);
    principal->show();
    principal->setCerrarSinConfirmar(true);
    principal->close();
    EXPECT_EQ(fin.count(), 1);
    EXPECT_TRUE(guion.dialogos().shown().isEmpty());
}

TEST_F(PrincipalTest, NeverSmallerThan800By600) {
    principal->show();
    principal->resize(640, 480);
    EXPECT_GE(principal->width(), 800);
    EXPECT_GE(principal->height(), 600);
}

// ------------------------------------------------------------------ appearance

TEST_F(PrincipalTest, WallpaperIsLoadedOnlyForAnExistingJpgOrBmp) {
    struct Caso {
        const char* archivo;
        const char* formato; ///< nullptr: the file is not created
        bool cargado;
    };
    const Caso casos[] = {{"fondo.JPG", "JPG", true},
                          {"fondo.bmp", "BMP", true},
                          {"fondo.png", "PNG", false},
                          {"falta.jpg", nullptr, false}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.archivo);
        const QString ruta = sistema.filePath(QString::fromLatin1(c.archivo));
        if (c.formato) {
            QImage imagen(40, 30, QImage::Format_RGB32);
            imagen.fill(Qt::darkCyan);
            ASSERT_TRUE(imagen.save(ruta, c.formato));
        }
        platform::IniFile ini;
        ini.setValue("Configuración", "wallpaper", ruta);
        ini.setValue("Configuración", "estado", "bmStretch");
        ini.setValue("Configuración", "skincolor", "");
        ini.save(shell::ArchivoApariencia(shell::ConSeparador(sistema.path())));
        mostrarComo(1, QStringLiteral("admin"));
        EXPECT_EQ(!principal->areaVentanas()->fondo().isNull(), c.cargado);
        const platform::IniFile leido = imagen();
        if (c.cargado) {
            EXPECT_EQ(leido.value("Configuración", "wallpaper"), ruta);
            EXPECT_EQ(principal->areaVentanas()->modo(), shell::AreaMdi::Modo::Estirada);
        } else {
            EXPECT_EQ(leido.value("Configuración", "wallpaper"), "");
            EXPECT_EQ(leido.value("Configuración", "estado"), "bmCenter");
        }
    }
}

TEST_F(PrincipalTest, ChosenSkinIsWrittenToTheProgramFolderAndRestored) {
    mostrarComo(1, QStringLiteral("admin"));
    const QString archivoPrograma = shell::ArchivoApariencia(shell::CarpetaPrograma());
    platform::IniFile previo;
    previo.setValue("Configuración", "wallpaper", "x.jpg");
    previo.save(archivoPrograma);
    principal->ElegirSkin(QStringLiteral("Office2016Dark"));
    const platform::IniFile ini = platform::IniFile::load(archivoPrograma);
    EXPECT_EQ(ini.value("Configuración", "skincolor"), "Office2016Dark");
    EXPECT_EQ(ini.value("Configuración", "wallpaper"), "x.jpg"); // other keys stay
    EXPECT_EQ(shell::SkinActual(), "Office2016Dark");
    EXPECT_LT(QApplication::palette().color(QPalette::Window).value(), 128); // dark

    // Restarting with the program's folder as the system folder brings it back.
    shell::AplicarSkin(QStringLiteral("Office2013White"));
    nuevaPrincipal();
    principal->setEjecutarAcceso([this] {
        test::SesionDe(1, QStringLiteral("admin"), kBase);
        data::SesionActual s = data::sesion();
        s.sRutaSistema = shell::CarpetaPrograma();
        data::establecerSesion(s);
        return false;
    });
    principal->FormShow();
    EXPECT_EQ(shell::SkinActual(), "Office2016Dark");
    EXPECT_EQ(principal->apariencia().skincolor, "Office2016Dark");
    shell::AplicarSkin(QStringLiteral("Office2013White"));
}

} // namespace
