// Deleting a person: refused while the person has assignment history; a refusal of the
// server puts the row back.
#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"
#include "data/records.h"
#include "people/colaboradores.h"
#include "platform/dialogs/dialogs.h"

namespace orva::people {
namespace {

bool TieneHistorial(qlonglong idPersonal) {
    data::Dataset consulta(&data::connection().Uconnection);
    if (!data::AsignarConsulta(&consulta, QStringLiteral("activ_asignaciones_historico"),
                               QStringLiteral("UPDATE"), false))
        throw data::Exception(
            QStringLiteral("No se encontró la consulta SQL activ_asignaciones_historico"));
    data::FiltrarConsulta(consulta, QStringLiteral("IdPersonal"), {idPersonal});
    consulta.open();
    return !consulta.isEmpty();
}

} // namespace

void TfrmColaboradores::btnDeleteClick() {
    if (!uColaboradores.isActive() || uColaboradores.isEmpty() || editando())
        return;
    if (!platform::dialogs().confirm(QStringLiteral("¿Desea eliminar el registro seleccionado?")))
        return;
    try {
        if (TieneHistorial(uColaboradores.fieldByName(QStringLiteral("IdPersonal")).asInteger())) {
            platform::dialogs().error(QStringLiteral(
                "No se puede eliminar Colaborador, Tiene asignción de Puesto y Estructura."));
            return;
        }
        sAccion = QStringLiteral("Elimina");
        const QString codigo = uColaboradores.fieldByName(QStringLiteral("SCodigo")).asString();
        const QString nombre =
            uColaboradores.fieldByName(QStringLiteral("SNombreCompleto")).asString();
        uColaboradores.deleteRecord();
        data::RegistrarBitacora(sAccion + QStringLiteral(" Colaborador - Código: ") + codigo +
                                QStringLiteral(" - ") + nombre);
        try {
            uColaboradores.applyUpdates();
        } catch (const std::exception& error) {
            uColaboradores.cancelUpdates();
            uColaboradores.refresh();
            const QString texto = data::errorText(error);
            if (texto.toLower().contains(u"foreign key constraint fails"))
                platform::dialogs().warning(QStringLiteral(
                    "No se puede eliminar el colaborador porque está relacionado con otros "
                    "registros."));
            else
                platform::dialogs().error(QStringLiteral("Error al eliminar: ") + texto);
        }
    } catch (const std::exception& error) {
        if (uColaboradores.updatesPending())
            uColaboradores.cancelUpdates();
        platform::dialogs().error(QStringLiteral("Error inesperado: ") + data::errorText(error));
    }
    sAccion.clear();
}

} // namespace orva::people
