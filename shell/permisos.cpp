#include "shell/permisos.h"

#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"
#include "data/session.h"
#include "platform/ribbon/ribbon.h"
#include "shell/barrasuperior.h"
#include "shell/comandos.h"
#include "shell/tag.h"

#include <QAction>
#include <QToolButton>
#include <QWidget>

namespace orva::shell {
namespace {

const QString kSi = QStringLiteral("Si");

int columna(const data::Dataset& ds, const char* nombre) {
    const int i = ds.fieldIndex(QString::fromLatin1(nombre));
    if (i < 0)
        throw data::Exception(QStringLiteral("La consulta de permisos no devuelve la columna %1.")
                                  .arg(QString::fromLatin1(nombre)));
    return i;
}

bool concede(const data::Dataset& ds, int fila, const char* derecho) {
    return ds.valueAt(fila, columna(ds, derecho)).toString() == kSi;
}

void habilitar(QObject* objeto, bool habilitado) {
    if (auto* w = qobject_cast<QWidget*>(objeto))
        w->setEnabled(habilitado);
    else if (auto* a = qobject_cast<QAction*>(objeto))
        a->setEnabled(habilitado);
}

/// The commands the rights walk: ribbon buttons and large buttons (not submenus).
QList<platform::RibbonCommand*> botones(const platform::Ribbon& ribbon) {
    QList<platform::RibbonCommand*> lista;
    for (platform::RibbonCommand* c : ribbon.commands())
        if (c->isButton())
            lista << c;
    return lista;
}

} // namespace

void AbrirPermisosUsuario() {
    data::Dataset& permisos = data::connection().zModulosPermisos;
    data::AsignarConsulta(&permisos, QStringLiteral("admin_roles_modulos_usuarios"),
                          QStringLiteral("UPDATE"), true);
    data::FiltrarConsulta(permisos, QStringLiteral("IdUsuario"), {data::sesion().IdUsuarioActual});
    permisos.open();
}

void AplicarPermisosMenu(platform::Ribbon& ribbon) {
    const QList<platform::RibbonCommand*> comandos = botones(ribbon);
    for (platform::RibbonCommand* c : comandos) {
        if (c->tag() == kTagSinPermisos)
            continue;
        c->setEnabled(false);
        c->setVisible(false);
    }

    data::Dataset& permisos = data::connection().zModulosPermisos;
    if (data::sesion().sUsuarioActual.compare(u"ADMIN", Qt::CaseInsensitive) == 0) {
        if (!permisos.isActive())
            AbrirPermisosUsuario();
        for (platform::RibbonCommand* c : comandos) {
            if (c->tag() == kTagSinPermisos)
                continue;
            c->setEnabled(true);
            c->setVisible(true);
        }
        for (platform::RibbonTab* t : ribbon.tabs())
            t->setTabVisible(true);
        return;
    }

    AbrirPermisosUsuario();
    const int nombre = permisos.isEmpty() ? -1 : columna(permisos, "SNombreForm_Programa");
    for (int fila = 0; fila < permisos.recordCount(); ++fila) {
        platform::RibbonCommand* c = ribbon.command(permisos.valueAt(fila, nombre).toString());
        if (!c || !c->isButton())
            continue;
        const bool acceder = concede(permisos, fila, "Acceder");
        c->setEnabled(acceder);
        c->setVisible(acceder);
    }
    for (platform::RibbonTab* t : ribbon.tabs()) {
        if (t->tag() <= 0)
            continue;
        bool alguno = false;
        for (int fila = 0; fila < permisos.recordCount() && !alguno; ++fila)
            alguno = permisos.valueAt(fila, columna(permisos, "IdTab")).toInt() == t->tag() &&
                     concede(permisos, fila, "Acceder");
        t->setTabVisible(alguno);
    }
}

void AplicarPermisosBarras(QWidget* ventana, const QString& modulo) {
    data::Dataset& permisos = data::connection().zModulosPermisos;
    if (!ventana || !permisos.isActive() || permisos.isEmpty())
        return;
    const int nombre = columna(permisos, "SNombreForm_Programa");
    int fila = -1;
    for (int r = 0; r < permisos.recordCount() && fila < 0; ++r)
        if (permisos.valueAt(r, nombre).toString() == modulo)
            fila = r;
    if (fila < 0)
        return;
    const bool insertar = concede(permisos, fila, "Insertar");
    const bool editar = concede(permisos, fila, "Editar");
    const bool eliminar = concede(permisos, fila, "Eliminar");
    const bool imprimir = concede(permisos, fila, "Imprimir");
    const bool exportar = concede(permisos, fila, "Exportar");

    for (QObject* objeto : ventana->findChildren<QObject*>()) {
        auto* barra = qobject_cast<TFrmBarraSuperior*>(objeto);
        if (barra && barra->objectName() == u"FrmBarraSuperior1") {
            barra->btnAdd->setEnabled(insertar);
            barra->btnEdit->setEnabled(editar);
            barra->btnDelete->setEnabled(eliminar);
            barra->btnPrinter->setEnabled(imprimir);
            barra->btnExporta->setEnabled(exportar);
        }
        switch (Tag(objeto)) {
        case 10:
            habilitar(objeto, insertar);
            break;
        case 11:
            habilitar(objeto, editar);
            break;
        case 12:
            habilitar(objeto, eliminar);
            break;
        case 13:
            habilitar(objeto, exportar);
            break;
        case 14:
            habilitar(objeto, imprimir);
            break;
        default:
            break;
        }
    }
}

} // namespace orva::shell
