#include "shell/comandos.h"

#include "platform/ribbon/ribbon.h"

#include <QHash>
#include <QMenu>
#include <QTabBar>

namespace orva::shell {
namespace {

using Kind = platform::RibbonCommand::Kind;
constexpr Kind G = Kind::LargeButton;
constexpr Kind B = Kind::Button;
constexpr Kind S = Kind::SubMenu;

/// A catalog item of the "Catalagos" submenu: opens its window with its own name as key.
DefComando catalogo(const char* nombre, const char* titulo, const char* ventana) {
    return {Lugar::Submenu, "dxOptCat", nombre, titulo, B, 3, Accion::Abrir, ventana, nombre};
}

DefComando abre(const char* grupo, const char* nombre, const char* titulo, Kind tipo, int tag,
                const char* ventana, const char* modulo) {
    return {Lugar::Grupo, grupo, nombre, titulo, tipo, tag, Accion::Abrir, ventana, modulo};
}

} // namespace

const QList<DefPestana>& TablaPestanas() {
    static const QList<DefPestana> pestanas = {
        {"mnInicio", "Inicio Orva", 1, {"Inicio"}},
        {"mOrvaTab1", "Dashboard Dazoduvav", 16, {"Dasboard"}},
        {"mnRoziradad", "Gestión Dazoduvav", 3, {"Dazoduvav"}},
        {"mnConfiguraciones", "Admin. & Config.", 4, {"Mascaras", "Panel de Control"}},
    };
    return pestanas;
}

const QList<DefComando>& TablaComandos() {
    static const QList<DefComando> comandos = {
        {Lugar::Grupo, "Inicio", "dxBarSelecciona_INI", "Seleccion de Empresa", G, 1,
         Accion::SeleccionEmpresa},
        {Lugar::Grupo, "Dasboard", "cxDasboardRoziradad", "Opciones Dashboard", G, 16},

        {Lugar::Grupo, "Dazoduvav", "dxOptCat", "Catalagos", S, 3},
        catalogo("dxOptEstados", "Estados", "frmEstados"),
        catalogo("dxOptZonas", "Zonas", "frmZonas"),
        catalogo("dxOptMunicipios", "Municipios", "frmMunicipios"),
        catalogo("dxOptSecciones", "Secciones", "frmSecciones"),
        catalogo("dxOptLocalidades", "Localidades", "frmLocalidades"),
        catalogo("dxOptCodigoPostal", "Códigos Postales", "frmCodigosPostales"),
        catalogo("dxOptCargos", "Cargos", "frmCargos"),
        catalogo("dxOptEstructuras", "Estructuras", "frmStructuras"),
        catalogo("dxOptPartidos", "Partidos", "frmPartidos"),
        catalogo("dxOptCandidatos", "Candidatos", "frmCandidatos"),
        catalogo("dxOptCampanias", "Campañas", "frmCampanias"),
        catalogo("dxOptMotivos", "Motivos", "frmMotivos"),
        catalogo("dxOptGradoEstudio", "Grado de Estudios", "frmGradoDeEstudios"),
        catalogo("dxOptEstadoCivil", "Estado Civil", "frmEstadoCivil"),
        catalogo("dxOptTiposApoyos", "Tipos de Apoyos", "frmTiposApoyos"),
        abre("Dazoduvav", "dxColaboradores", "Colaboradores", G, 3, "frmColaboradores",
             "dxColaboradores"),
        abre("Dazoduvav", "dxAsignaciones", "Asignaciones", G, 3, "frmAsignaciones",
             "dxAsignaciones"),
        abre("Dazoduvav", "dxApoyos", "Apoyos Entregados", G, 3, "frmApoyo", "dxApoyos"),
        abre("Dazoduvav", "dxHistorialAsignaciones", "Historial Aginaciones", B, 3,
             "frmAsignaciones_historial", "dxAsignaciones"),
        abre("Dazoduvav", "dxAsignaciónMasiva", "Asigación Masiva", B, 3, "frmAsignacion_masiva",
             "dxAsignaciones"),
        abre("Dazoduvav", "cxClavesElector", "Claves Elector", B, 3, "frmColaboradores_tramite",
             "cxClavesElector"),
        abre("Dazoduvav", "cxVencimientosCredencial", "Vencimientos Credenciales", B, 3,
             "frmColaboradores_vigencia", "cxVencimientosCredencial"),
        abre("Dazoduvav", "cxUbicacionesCasillas", "Ubicaciones Casillas", G, 3, "frmCasillas",
             "dxUbicasionCasillas"),
        {Lugar::Grupo, "Dazoduvav", "cxCallCenter", "Call Center", G, 3},
        abre("Dazoduvav", "dxReportesRoziradad", "Reportes Dazoduvav", G, 3,
             "FrmReporteEntregaApoyo", nullptr),

        {Lugar::Grupo, "Mascaras", "dxSkinChooserGalleryItem1", "Mascaras", S, 123,
         Accion::Mascaras},
        {Lugar::Grupo, "Panel de Control", "dxBarAutofolios_CONF", "Autofolios", B, 4},
        abre("Panel de Control", "cxKardexMovimientos", "Kardex Movimientos", B, 4, "frmKardex",
             "frmKardex"),
        {Lugar::Grupo, "Panel de Control", "dxBarRecargaConsulta_CONF", "Recargar Consultas SQL", B,
         4, Accion::RecargarConsultas},
        {Lugar::Grupo, "Panel de Control", "dxBarConfMail_CONF", "Notifcaciones Email", B, 4},
        {Lugar::Grupo, "Panel de Control", "btnAWS", "AWS", B, 4},
        abre("Panel de Control", "btnImportarDatos", "Importación Datos", G, 4,
             "frmImportarDatos_Roziradad", "dxHistorialMoto_CONF"),
        {Lugar::Grupo, "Panel de Control", "dxBarSistema_CONF", "Sistema", S, 4},
        {Lugar::Submenu, "dxBarSistema_CONF", "dxAcerca_CONF", "Acerca de Software ORVA Dazoduvav",
         B, 4, Accion::PaginaWeb, "acerca.html"},
        {Lugar::Submenu, "dxBarSistema_CONF", "dxUsuarios_CONF", "Usuarios", B, 4, Accion::Abrir,
         "frmUsuario"},
        {Lugar::Submenu, "dxBarSistema_CONF", "dxRoles", "Roles", B, 4, Accion::Abrir, "frmRoles"},
        {Lugar::Submenu, "dxBarSistema_CONF", "btnConfBiom", "Config. Biométrico", B, 4,
         Accion::Abrir, "frmConfBiometrico", "btnConfBiom"},
        {Lugar::Submenu, "dxBarSistema_CONF", "dxAyuda_CONF", "Soporte Software ORVA", B, 4,
         Accion::PaginaWeb, "soporte.html"},
        {Lugar::Grupo, "Panel de Control", "btnDescargasOrva", "Descargas", B, 4, Accion::PaginaWeb,
         "descargas.html"},

        {Lugar::MenuAplicacion, nullptr, "dxBarSistema_CONF", "Sistema", S, 4},
        {Lugar::MenuAplicacion, nullptr, "dxBarAsignaciones_CONF", "Asignaciones", S, 4},
        {Lugar::Submenu, "dxBarAsignaciones_CONF", "dxSubAsignaciones", "Asignaciones", S, 0},
        {Lugar::Submenu, "dxBarAsignaciones_CONF", "dxSubFormulariosControl", "Formularios control",
         S, 0},
        {Lugar::MenuAplicacion, nullptr, "sSalir", "Salir", B, kTagSinPermisos, Accion::Salir},

        {Lugar::AccesoRapido, nullptr, "AcoplarDesacoplar", "Acoplar", B, 123, Accion::Acoplar},
        {Lugar::AccesoRapido, nullptr, "Cerrar_Todo", "Cerrar Todo", B, 123, Accion::CerrarTodo},
        {Lugar::AccesoRapido, nullptr, "ventanaen", "Ventanas en:", S, 0},
        {Lugar::Submenu, "ventanaen", "cascada", "Cascada", B, 0, Accion::Cascada},
        {Lugar::Submenu, "ventanaen", "mosaicohorizontal", "Mosaico Horizontal", B, 0,
         Accion::MosaicoHorizontal},
        {Lugar::Submenu, "ventanaen", "mosaicovertical", "Mosaico Vertical", B, 0,
         Accion::MosaicoVertical},
    };
    return comandos;
}

const DefComando* BuscarComando(const QString& nombre) {
    for (const DefComando& c : TablaComandos())
        if (nombre == QString::fromUtf8(c.nombre))
            return &c;
    return nullptr;
}

void ConstruirRibbon(platform::Ribbon& ribbon) {
    QHash<QString, platform::RibbonGroup*> grupos;
    for (const DefPestana& p : TablaPestanas()) {
        const QString titulo = QString::fromUtf8(p.titulo);
        platform::RibbonTab* tab = ribbon.addTab(QString::fromUtf8(p.nombre), titulo, p.tag);
        // The tab row reads "&" as a mnemonic; the caption itself stays as written.
        const int indice = static_cast<int>(ribbon.tabs().indexOf(tab));
        ribbon.tabBar()->setTabText(
            indice, QString(titulo).replace(QStringLiteral("&"), QStringLiteral("&&")));
        for (const char* g : p.grupos)
            grupos.insert(QString::fromUtf8(g), tab->addGroup(QString::fromUtf8(g)));
    }
    for (const DefComando& c : TablaComandos()) {
        const QString nombre = QString::fromUtf8(c.nombre);
        const QString titulo = QString::fromUtf8(c.titulo);
        switch (c.lugar) {
        case Lugar::Grupo: {
            platform::RibbonGroup* grupo = grupos.value(QString::fromUtf8(c.contenedor));
            if (c.tipo == Kind::LargeButton)
                grupo->addLargeButton(nombre, titulo, c.tag);
            else if (c.tipo == Kind::Button)
                grupo->addButton(nombre, titulo, c.tag);
            else
                grupo->addSubMenu(nombre, titulo, c.tag);
            break;
        }
        case Lugar::Submenu:
            ribbon.command(QString::fromUtf8(c.contenedor))->addItem(nombre, titulo, c.tag, c.tipo);
            break;
        case Lugar::AccesoRapido:
            if (c.tipo == Kind::SubMenu)
                ribbon.addQuickAccessSubMenu(nombre, titulo, c.tag);
            else
                ribbon.addQuickAccessButton(nombre, titulo, c.tag);
            break;
        case Lugar::MenuAplicacion:
            if (platform::RibbonCommand* existente = ribbon.command(nombre))
                ribbon.addToApplicationMenu(existente);
            else if (c.tipo == Kind::SubMenu)
                ribbon.addApplicationSubMenu(nombre, titulo, c.tag);
            else
                ribbon.addApplicationButton(nombre, titulo, c.tag);
            break;
        }
    }
}

} // namespace orva::shell
