#include "shell/principal.h"

#include "data/catalog.h"
#include "data/errors.h"
#include "data/session.h"
#include "platform/dialogs/dialogs.h"
#include "platform/ribbon/ribbon.h"
#include "shell/areamdi.h"
#include "shell/carpetas.h"
#include "shell/permisos.h"
#include "shell/ventanas.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

namespace orva::shell {
namespace {

TfrmPrincipal* principal = nullptr;

const QString kTituloInicial = QStringLiteral("Orva Dazoduvav Versión: ");

/// Status bar panels: caption (empty for the ones the session fills) and width.
struct Panel {
    const char* texto;
    int ancho;
};
constexpr Panel kPaneles[] = {{"Usuario", 70},        {"", 230}, {"Servidor", 75}, {"", 200},
                              {"Base de Datos", 120}, {"", 150}, {"Empresa", 60},  {"", 100}};

} // namespace

QString TituloVersion() {
    return QStringLiteral("Orva Dazoduvav Versión:   [2025.1.0.0 ]");
}

TfrmPrincipal* frmPrincipal() {
    return principal;
}

TfrmPrincipal::TfrmPrincipal(QWidget* parent)
    : QMainWindow(parent), mOrva_(new platform::Ribbon(this)), areaMdi_(new AreaMdi(this)) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Orva Empresarial"));
    setMinimumSize(800, 600);
    mOrva_->setObjectName(QStringLiteral("mOrva"));
    mOrva_->setApplicationCaption(QStringLiteral("Orva"));
    ConstruirRibbon(*mOrva_);
    setMenuWidget(mOrva_);
    setCentralWidget(areaMdi_);
    areaMdi_->setAcoplada(true);
    crearBarraEstado();
    conectarComandos();
    principal = this;
    RegistrarAreaVentanas(areaMdi_);
}

TfrmPrincipal::~TfrmPrincipal() {
    if (principal == this) {
        principal = nullptr;
        RegistrarAreaVentanas(nullptr);
    }
}

void TfrmPrincipal::crearBarraEstado() {
    auto* barra = new QStatusBar(this);
    barra->setObjectName(QStringLiteral("status"));
    barra->setSizeGripEnabled(true);
    int i = 0;
    for (const Panel& p : kPaneles) {
        auto* etiqueta = new QLabel(QString::fromUtf8(p.texto), barra);
        etiqueta->setObjectName(QStringLiteral("panel%1").arg(i));
        etiqueta->setFixedWidth(p.ancho);
        if (!*p.texto)
            etiqueta->setAlignment(Qt::AlignCenter);
        if (i == 6)
            etiqueta->hide();
        barra->addWidget(etiqueta);
        paneles_ << etiqueta;
        ++i;
    }
    setStatusBar(barra);
}

QString TfrmPrincipal::panel(int indice) const {
    return indice >= 0 && indice < paneles_.size() ? paneles_.at(indice)->text() : QString();
}

platform::RibbonCommand* TfrmPrincipal::comando(const QString& nombre) const {
    return mOrva_->command(nombre);
}

void TfrmPrincipal::conectarComandos() {
    for (platform::RibbonCommand* c : mOrva_->commands()) {
        const DefComando* definicion = BuscarComando(c->objectName());
        if (!definicion)
            continue;
        if (definicion->accion == Accion::Mascaras) {
            crearGaleriaSkins(c);
            continue;
        }
        if (c->subMenu())
            continue;
        connect(c, &QAction::triggered, this, [this, definicion] { accion(*definicion); });
    }
    if (platform::RibbonCommand* salir = comando(QStringLiteral("sSalir"))) {
        salir->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
        addAction(salir); // the shortcut works while the menu is closed
    }
    QMenu* menu = mOrva_->applicationMenu();
    menu->addSection(QStringLiteral("Acceso Rápido"));
    menu->addAction(QStringLiteral("Login"))->setObjectName(QStringLiteral("AccesoRapidoLogin"));
}

void TfrmPrincipal::crearGaleriaSkins(platform::RibbonCommand* galeria) {
    auto* grupo = new QActionGroup(this);
    grupo->setObjectName(QStringLiteral("skins"));
    for (const QString& nombre : NombresSkins()) {
        QAction* a = galeria->subMenu()->addAction(nombre);
        a->setObjectName(QStringLiteral("skin_") + nombre);
        a->setCheckable(true);
        a->setChecked(nombre == SkinActual());
        grupo->addAction(a);
        connect(a, &QAction::triggered, this, [this, nombre] { ElegirSkin(nombre); });
    }
}

void TfrmPrincipal::Ejecutar(const QString& nombreComando) {
    if (const DefComando* d = BuscarComando(nombreComando))
        accion(*d);
}

void TfrmPrincipal::accion(const DefComando& d) {
    try {
        switch (d.accion) {
        case Accion::Abrir:
            AbrirVentana(QString::fromUtf8(d.ventana),
                         d.modulo ? QString::fromUtf8(d.modulo) : QString());
            break;
        case Accion::SeleccionEmpresa:
            SeleccionEmpresa();
            break;
        case Accion::RecargarConsultas:
            RecargarConsultas(false);
            break;
        case Accion::PaginaWeb:
            abrirPagina(QString::fromUtf8(d.ventana));
            break;
        case Accion::Salir:
            close();
            break;
        case Accion::Acoplar:
            areaMdi_->setAcoplada(!areaMdi_->acoplada());
            break;
        case Accion::CerrarTodo:
            CerrarVentanas();
            break;
        case Accion::Cascada:
            areaMdi_->cascadeSubWindows();
            break;
        case Accion::MosaicoHorizontal:
            areaMdi_->mosaicoHorizontal();
            break;
        case Accion::MosaicoVertical:
            areaMdi_->mosaicoVertical();
            break;
        case Accion::Ninguna:
        case Accion::Mascaras:
            break;
        }
    } catch (const std::exception& e) {
        platform::dialogs().error(data::errorText(e));
    }
}

void TfrmPrincipal::abrirPagina(const QString& pagina) {
    const QString ruta = CarpetaPrograma() + QStringLiteral("Recursos/") + pagina;
    if (!QFileInfo::exists(ruta)) {
        platform::dialogs().information(
            QStringLiteral("La página %1 no está instalada con el programa.").arg(pagina));
        return;
    }
    if (!platform::dialogs().openWithDefaultProgram(QUrl::fromLocalFile(ruta).toString()))
        platform::dialogs().warning(
            QStringLiteral("No se pudo abrir la página en el navegador predeterminado."));
}

void TfrmPrincipal::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!mostrada_)
        QTimer::singleShot(0, this, &TfrmPrincipal::FormShow);
}

void TfrmPrincipal::FormShow() {
    if (mostrada_)
        return;
    mostrada_ = true;
    try {
        setWindowTitle(kTituloInicial);
        mOrva_->setCurrentTab(mOrva_->tab(QStringLiteral("mnInicio")));
        if (ejecutarAcceso_ && ejecutarAcceso_()) {
            cerrarSinConfirmar_ = true;
            close();
            return;
        }
        const data::SesionActual& s = data::sesion();
        if (s.sUsuarioActual.isEmpty()) {
            cerrarSinConfirmar_ = true;
            close();
            return;
        }
        paneles_[1]->setText(s.sNombreUsuario);
        paneles_[3]->setText(s.sServidor);
        paneles_[5]->setText(s.sBaseDatos);
        setWindowTitle(TituloVersion());
        restaurarApariencia();
        AplicarPermisosMenu();
    } catch (const std::exception& e) {
        // The program cannot go on without its commands; say why before it ends.
        platform::dialogs().error(data::errorText(e));
        cerrarSinConfirmar_ = true;
        close();
    }
}

void TfrmPrincipal::restaurarApariencia() {
    const QString sistema = data::sesion().sRutaSistema.isEmpty()
                                ? CarpetaPrograma()
                                : ConSeparador(data::sesion().sRutaSistema);
    const QString fondo = RestaurarApariencia(ArchivoApariencia(sistema), apariencia_);
    if (fondo.isEmpty())
        return;
    if (apariencia_.estado == u"bmCenter")
        areaMdi_->cargarFondo(fondo, AreaMdi::Modo::Centrada);
    else if (apariencia_.estado == u"bmStretch")
        areaMdi_->cargarFondo(fondo, AreaMdi::Modo::Estirada);
}

void TfrmPrincipal::AplicarPermisosMenu() {
    shell::AplicarPermisosMenu(*mOrva_);
}

void TfrmPrincipal::SeleccionEmpresa() {
    if (VentanasAbiertas() > 0 &&
        platform::dialogs().confirm(
            QStringLiteral("Si cambia de empresa se cerraran todas las ventanas desea continuar?"),
            platform::Dialogs::confirmTitle()))
        CerrarVentanas();
    AplicarPermisosMenu();
}

void TfrmPrincipal::RecargarConsultas(bool teclaF5) {
    if (!data::CargarConsultasSQL())
        return;
    platform::dialogs().information(
        teclaF5
            ? QStringLiteral("Información del sistema.\rSe ha cargado nuevamente las consultas "
                             "sql y la tabla de validación automática a la memoria del "
                             "sistema.")
            : QStringLiteral("Información del sistema.\rSe han Actualizados las consultas SQL!."));
}

void TfrmPrincipal::ElegirSkin(const QString& skin) {
    if (!AplicarSkin(skin))
        return;
    apariencia_.skincolor = skin;
    if (auto* grupo = findChild<QActionGroup*>(QStringLiteral("skins")))
        for (QAction* a : grupo->actions())
            a->setChecked(a->text().compare(skin, Qt::CaseInsensitive) == 0);
    try {
        GuardarSkin(ArchivoApariencia(CarpetaPrograma()), skin);
    } catch (const std::exception& e) {
        platform::dialogs().error(data::errorText(e));
    }
}

void TfrmPrincipal::keyPressEvent(QKeyEvent* event) {
    // A key a child window leaves unhandled comes up here too; F5 reloads only while
    // the main window itself or its ribbon has the focus.
    const QWidget* foco = QApplication::focusWidget();
    const bool enHija = foco && areaMdi_->isAncestorOf(foco);
    if (event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier && !enHija) {
        RecargarConsultas(true);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TfrmPrincipal::closeEvent(QCloseEvent* event) {
    if (!cerrarSinConfirmar_) {
        if (!platform::dialogs().confirm(
                QStringLiteral("Esta seguro que desea salir completamente de la aplicación?"),
                platform::Dialogs::confirmTitle())) {
            event->ignore();
            return;
        }
        // A child window that is still editing may refuse to close; then so do we, so
        // nothing typed is lost.
        CerrarVentanas();
        if (VentanasAbiertas() > 0) {
            event->ignore();
            return;
        }
    }
    event->accept();
    emit terminar();
}

} // namespace orva::shell
