#include "people/registro.h"

#include "people/colaboradores.h"
#include "shell/ventanas.h"

namespace orva::people {

void RegistrarPersonas() {
    // The photo viewer belongs to its collaborator window and is not opened by name.
    shell::RegistrarVentana(QStringLiteral("frmColaboradores"),
                            [] { return new TfrmColaboradores; });
}

} // namespace orva::people
