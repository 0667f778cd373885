#include "platform/report/imprimirgrid.h"

#include "data/errors.h"

namespace orva::platform {

void ImprimirGrid(GridView&, const QString&) {
    throw data::Exception(QStringLiteral("La impresión todavía no está disponible."));
}

} // namespace orva::platform
