#include "app/arranque.h"

#include "app/acceso.h"
#include "app/loading.h"
#include "catalogs/registro.h"
#include "data/connection.h"
#include "people/registro.h"
#include "platform/dialogs/translations.h"
#include "shell/avisosdatos.h"
#include "shell/principal.h"

#include <QApplication>

namespace orva::app {

int Arrancar(QApplication& aplicacion) {
    QApplication::setApplicationName(QStringLiteral("Orva"));
    QApplication::setApplicationDisplayName(QStringLiteral("Sistema Orva Empresarial"));
    platform::installQtTranslations(aplicacion);
    // Leaving must not ask the windows first (the login may still be open).
    shell::AvisosDialogos avisos([] { QCoreApplication::exit(0); });

    data::connection(); // first: every window binds its datasets to it; connects nothing
    // The modules' windows, so that the main window's commands find them by form name.
    catalogs::RegistrarCatalogos();
    people::RegistrarPersonas();
    shell::TfrmPrincipal principal;
    Tfrmacceso acceso(&principal);
    Tfrm_Loading cargando;
    cargando.show();

    principal.setEjecutarAcceso([&acceso, &cargando] {
        cargando.close(); // the login takes its place
        acceso.exec();
        return acceso.salir();
    });
    QObject::connect(
        &principal, &shell::TfrmPrincipal::terminar, &aplicacion, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    principal.showMaximized();
    return QApplication::exec();
}

} // namespace orva::app
