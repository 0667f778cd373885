// The "+" beside the postal code: a postal code missing from the catalog is added without
// leaving the person being typed.
#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"
#include "data/records.h"
#include "people/colaboradores.h"
#include "platform/dialogs/dialogs.h"
#include "platform/editors/dblookup.h"
#include "platform/editors/delphimask.h"
#include "shell/ventanas.h"

#include <QRegularExpression>
#include <QToolButton>

namespace orva::people {
namespace {

const QString kVentanaCodigos = QStringLiteral("frmCodigosPostales");

/// Opens the postal-code catalog window with this window's filter and starts an add
/// there. False when that window is not part of the program.
bool AgregarEnCatalogo(const data::Dataset& propios) {
    if (!shell::VentanaRegistrada(kVentanaCodigos))
        return false;
    if (shell::MostrarSiAbierta(kVentanaCodigos))
        return true;
    QWidget* ventana = shell::AbrirVentana(kVentanaCodigos);
    if (!ventana)
        return true;
    try {
        if (auto* lista = ventana->findChild<data::Dataset*>(QStringLiteral("uCodigoPostal"))) {
            lista->setFilter(propios.filter());
            lista->setFiltered(propios.isFiltered());
        }
    } catch (const std::exception&) {
        // The catalog window opens unfiltered.
    }
    if (auto* agregar = ventana->findChild<QToolButton*>(QStringLiteral("btnAdd")))
        agregar->click();
    return true;
}

} // namespace

void TfrmColaboradores::cxButton1Click() {
    if (!editando())
        return;
    try {
        if (!AgregarEnCatalogo(uCodigosPostales))
            agregarCodigoPostal();
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
    }
}

void TfrmColaboradores::agregarCodigoPostal() {
    platform::InputOptions opciones;
    opciones.inputMask = platform::translateDelphiMask(QStringLiteral("00000;1;_")).qtMask;
    const std::optional<QString> respuesta = platform::dialogs().input(
        QStringLiteral("Código Postal"), QStringLiteral("Nuevo código postal:"), opciones);
    if (!respuesta)
        return;
    const QString codigo = respuesta->trimmed();
    static const QRegularExpression kCinco(QStringLiteral("^[0-9]{5}$"));
    if (!kCinco.match(codigo).hasMatch()) {
        platform::dialogs().message(QStringLiteral("El código postal debe tener 5 dígitos."));
        return;
    }
    QVariant id;
    if (uCodigosPostales.locate(QStringLiteral("SCodigoPostal"), codigo)) {
        id = uCodigosPostales.value(QStringLiteral("IdCodigoPostal"));
        platform::dialogs().information(
            QStringLiteral("El código postal %1 ya está en el catálogo.").arg(codigo));
    } else {
        data::Dataset nuevo(&data::connection().Uconnection);
        if (!data::AsignarConsulta(&nuevo, QStringLiteral("master_codigo_postal"),
                                   QStringLiteral("UPDATE"), true))
            throw data::Exception(
                QStringLiteral("No se encontró la consulta SQL master_codigo_postal"));
        data::FiltrarConsulta(nuevo, QStringLiteral("IdCodigoPostal,EActivo"), {0, -1});
        nuevo.open();
        nuevo.append();
        id = data::SiguienteId(QStringLiteral("master_codigo_postal"),
                               QStringLiteral("IdCodigoPostal"));
        nuevo.setValue(QStringLiteral("IdCodigoPostal"), id);
        nuevo.setValue(
            QStringLiteral("SCodigo"),
            data::GenerarFolio(QStringLiteral("master_codigo_postal"), QStringLiteral("SCodigo")));
        nuevo.setValue(QStringLiteral("SCodigoPostal"), codigo);
        nuevo.setValue(QStringLiteral("EActivo"), QStringLiteral("Si"));
        nuevo.post(); // applied at once
        data::RegistrarBitacora(QStringLiteral("Agrega Código Postal - ") + codigo);
        uCodigosPostales.refresh();
        uCodigosPostales.locate(QStringLiteral("IdCodigoPostal"), id);
    }
    uColaboradores.setValue(QStringLiteral("IdCodigoPostal"), id);
    lcbCodigoPostal->setEditorValue(id);
}

} // namespace orva::people
