#include "exchange/exportargrid.h"

#include "data/errors.h"

namespace orva::exchange {

void ExportarGridExcel(platform::GridView&) {
    throw data::Exception(QStringLiteral("La exportación todavía no está disponible."));
}

} // namespace orva::exchange
