// Saving a person: the checks, the new key and code, the photo upload, the write to the
// server, and what follows a save (other windows' lists, the log, browsing again).
#include "data/binding.h"
#include "data/errors.h"
#include "data/records.h"
#include "data/styles.h"
#include "people/colaboradores.h"
#include "people/fotosubida.h"
#include "people/validacion.h"
#include "platform/dataset/datasetrecord.h"
#include "platform/dialogs/dialogs.h"
#include "platform/editors/dbedit.h"
#include "platform/editors/dbswitch.h"

#include <QApplication>
#include <QFileInfo>
#include <QSignalBlocker>

namespace orva::people {
namespace {

/// Every field of the row being edited, to put it back after a refused save.
QVariantMap ValoresDe(data::Dataset& dataset) {
    QVariantMap valores;
    for (int i = 0; i < dataset.fieldCount(); ++i)
        valores.insert(dataset.fieldInfo(i).name, dataset.field(i).value());
    return valores;
}

} // namespace

bool TfrmColaboradores::ineDuplicadaAlGuardar() {
    const QString ine = cxINE->text().trimmed();
    const bool agregando = uColaboradores.state() == data::Dataset::State::Insert;
    if (!agregando && ine.toUpper() == ineLeido_.trimmed().toUpper())
        return false;
    const qlonglong propio =
        agregando ? -1 : uColaboradores.fieldByName(QStringLiteral("IdPersonal")).asInteger();
    if (!claveRegistrada(ine, propio))
        return false;
    platform::dialogs().error(
        QStringLiteral("La Clave INE del Colaborador ya se encuentra registrada!"));
    pintarINE(data::estilos::cxstylNiv5);
    cxINE->setFocus();
    return true;
}

void TfrmColaboradores::btnPostClick() {
    if (!editando())
        return;
    try {
        platform::DatasetRecord registro(uColaboradores);
        binder_.store(registro);
        // An empty validity box is no year at all.
        if (uColaboradores.fieldByName(QStringLiteral("IVigencia")).asString().trimmed().isEmpty())
            uColaboradores.setValue(QStringLiteral("IVigencia"), QVariant());
        ContextoValidacion contexto;
        contexto.agregando = uColaboradores.state() == data::Dataset::State::Insert;
        contexto.tramite = cxTramite->isChecked();
        contexto.textoINE = cxINE->text();
        contexto.ineDuplicada = [this] { return ineDuplicadaAlGuardar(); };
        const ResultadoValidacion resultado = ValidarColaborador(registro, contexto);
        if (resultado.apagarTramite) {
            const QSignalBlocker bloqueo(cxTramite);
            cxTramite->setChecked(false);
        }
        if (!resultado.valido) {
            if (!resultado.mensaje.isEmpty())
                platform::dialogs().message(resultado.mensaje);
            return;
        }
        guardar();
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
    }
}

void TfrmColaboradores::guardar() {
    const bool agregando = sAccion == u"Agrega";
    if (agregando) {
        uColaboradores.setValue(
            QStringLiteral("IdPersonal"),
            data::SiguienteId(QStringLiteral("master_personal"), QStringLiteral("IdPersonal")));
        uColaboradores.setValue(
            QStringLiteral("SCodigo"),
            data::GenerarFolio(QStringLiteral("master_personal"), QStringLiteral("SCodigo")));
        cxCodigo->setEditorValue(uColaboradores.value(QStringLiteral("SCodigo")));
    }
    if (!foto_.vacia() && QFileInfo::exists(foto_.FPendingTmpPath)) {
        const QString codigo = uColaboradores.fieldByName(QStringLiteral("SCodigo")).asString();
        uColaboradores.setValue(QStringLiteral("SURL_Foto"), SubirFotoPendiente(foto_, codigo));
    }

    const QVariantMap valores = ValoresDe(uColaboradores);
    try {
        uColaboradores.post(); // the catalog's after-post handler applies it
        if (sAccion == u"Edita" && uColaboradores.cachedUpdates() &&
            uColaboradores.updatesPending())
            uColaboradores.applyUpdates();
    } catch (const std::exception& error) {
        platform::dialogs().message(QStringLiteral("Error al guardar: ") + data::errorText(error));
        restaurarEdicion(valores, agregando);
        return;
    }

    refrescarAsignaciones();
    const QString codigo = valores.value(QStringLiteral("SCodigo")).toString();
    const QString nombre = valores.value(QStringLiteral("SNombre")).toString() + u' ' +
                           valores.value(QStringLiteral("SAPaterno")).toString() + u' ' +
                           valores.value(QStringLiteral("SAMaterno")).toString();
    try {
        uColaboradores.refresh();
        uColaboradores.last();
        data::RegistrarBitacora(sAccion + QStringLiteral(" Colaborador - Código: ") + codigo +
                                QStringLiteral(" - ") + nombre);
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
    }
    volverANavegar();
}

void TfrmColaboradores::restaurarEdicion(const QVariantMap& valores, bool agregando) {
    // A save the server refused stays in the cache: drop it and start the same add or
    // edit again with what was typed, so that nothing is lost and "Aceptar" can retry.
    if (editando())
        return;
    try {
        if (uColaboradores.updatesPending())
            uColaboradores.cancelUpdates();
        if (agregando) {
            uColaboradores.append();
        } else {
            if (!uColaboradores.locate(QStringLiteral("IdPersonal"),
                                       valores.value(QStringLiteral("IdPersonal"))))
                return volverANavegar();
            uColaboradores.edit();
        }
        for (auto it = valores.begin(); it != valores.end(); ++it)
            uColaboradores.setValue(it.key(), it.value());
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
        if (!editando())
            volverANavegar();
    }
}

void TfrmColaboradores::refrescarAsignaciones() {
    // The assignment window lists people by position; those of its lists that are open
    // are re-read so that the person just saved can be placed at once.
    static const char* const kListas[] = {"uLider", "uCoordinador", "uActivista", "uPromovido",
                                          "uCoordinadorIndependiente"};
    for (QWidget* ventana : QApplication::allWidgets()) {
        if (ventana->objectName().compare(u"frmAsignaciones", Qt::CaseInsensitive) != 0)
            continue;
        for (const char* nombre : kListas) {
            auto* lista = ventana->findChild<data::Dataset*>(QLatin1String(nombre));
            if (lista && lista->isActive())
                lista->refresh();
        }
    }
}

} // namespace orva::people
