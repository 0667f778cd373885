// Starting and ending an add or an edit, the paperwork rules, the voter-key look-up and
// the fingerprint entry points of the collaborator window.
#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"
#include "data/records.h"
#include "data/styles.h"
#include "people/colaboradores.h"
#include "platform/dataset/datasetrecord.h"
#include "platform/dialogs/dialogs.h"
#include "platform/editors/dbedit.h"
#include "platform/editors/dblookup.h"
#include "platform/editors/dbmaskedit.h"
#include "platform/editors/dbswitch.h"
#include "platform/grid/gridview.h"
#include "shell/barrasuperior.h"
#include "shell/permisos.h"
#include "shell/ventanas.h"

#include <QDate>
#include <QLabel>
#include <QMetaObject>
#include <QSplitter>

namespace orva::people {
namespace {

/// The section kept for people whose credential is in paperwork.
constexpr int kSeccionTramite = 44;

/// The logged-in user's EAdmin ("No" for users who are not administrators); empty when
/// the session has no user row (the administrator's own path).
QString EAdminActual() {
    data::Dataset& usuario = data::connection().uUsuario;
    if (!usuario.isActive() || usuario.isEmpty())
        return {};
    const data::Field campo = usuario.findField(QStringLiteral("EAdmin"));
    return campo.isValid() ? campo.asString() : QString();
}

/// Calls a slot of another module's window when that window offers it.
bool Invocar(QObject* ventana, const char* metodo, QGenericArgument argumento = {}) {
    const QByteArray firma = QByteArray(metodo) + (argumento.name() ? "(int)" : "()");
    if (!ventana || ventana->metaObject()->indexOfMethod(firma.constData()) < 0)
        return false;
    return QMetaObject::invokeMethod(ventana, metodo, argumento);
}

} // namespace

bool TfrmColaboradores::editando() const {
    return uColaboradores.state() == data::Dataset::State::Edit ||
           uColaboradores.state() == data::Dataset::State::Insert;
}

void TfrmColaboradores::cargarEditores() {
    platform::DatasetRecord registro(uColaboradores);
    binder_.load(registro);
    ineLeido_ = uColaboradores.state() == data::Dataset::State::Insert
                    ? QString()
                    : uColaboradores.fieldByName(QStringLiteral("SINE")).asString();
    pintarINE(data::estilos::cxNormal);
}

void TfrmColaboradores::btnAddClick() {
    try {
        if (!uColaboradores.isActive())
            return;
        foto_.LimpiarFotoPendiente();
        uColaboradores.append();
        const auto llave = [](data::Dataset& lista, const char* campo) -> QVariant {
            if (!lista.isActive() || lista.isEmpty())
                return {};
            return lista.fieldByName(QLatin1String(campo)).value();
        };
        uColaboradores.setValue(QStringLiteral("Activo"), QStringLiteral("Si"));
        uColaboradores.setValue(
            QStringLiteral("SCodigo"),
            data::GenerarFolio(QStringLiteral("master_personal"), QStringLiteral("SCodigo")));
        uColaboradores.setValue(QStringLiteral("FechaAlta"), QDate::currentDate());
        uColaboradores.setValue(QStringLiteral("ESexo"), QStringLiteral("Hombre"));
        uColaboradores.setValue(QStringLiteral("ETramiteINE"), QStringLiteral("No"));
        uColaboradores.setValue(QStringLiteral("IdCodigoPostal"),
                                llave(uCodigosPostales, "IdCodigoPostal"));
        uColaboradores.setValue(QStringLiteral("IdLocalidad"), llave(uLocalidades, "IdLocalidad"));
        uColaboradores.setValue(QStringLiteral("IdMunicipio"), llave(uMunicipios, "IdMunicipio"));
        uColaboradores.setValue(QStringLiteral("IdSeccion"), llave(uSecciones, "IdSeccion"));
        if (uLocalidades.isActive() && !uLocalidades.isEmpty()) {
            uLocalidades.locate(QStringLiteral("IdLocalidad"), 1);
            uColaboradores.setValue(QStringLiteral("IdLocalidad"),
                                    llave(uLocalidades, "IdLocalidad"));
        }
    } catch (const std::exception& error) {
        if (uColaboradores.state() == data::Dataset::State::Insert)
            uColaboradores.cancel();
        platform::dialogs().error(data::errorText(error));
        return;
    }
    mostrarPanel(true);
    FrmBarraSuperior1->btnAddClick();
    cxINE->setEnabled(true);
    cxTramite->setEnabled(true);
    {
        const QSignalBlocker bloqueo(cxTramite); // loading the row is not a change of the switch
        cargarEditores();
    }
    cxNombre->setFocus();
    sAccion = QStringLiteral("Agrega");
}

void TfrmColaboradores::btnEditClick() {
    if (!uColaboradores.isActive() || uColaboradores.isEmpty())
        return;
    foto_.LimpiarFotoPendiente();
    try {
        uColaboradores.edit();
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
        return;
    }
    const bool administrador = EAdminActual() != u"No";
    const bool enTramite =
        uColaboradores.fieldByName(QStringLiteral("ETramiteINE")).asString() == u"Si";
    cxINE->setEnabled(administrador || enTramite);
    cxTramite->setEnabled(administrador || enTramite);
    mostrarPanel(true);
    FrmBarraSuperior1->btnEditClick();
    {
        const QSignalBlocker bloqueo(cxTramite);
        cargarEditores();
    }
    sAccion = QStringLiteral("Edita");
}

void TfrmColaboradores::btnCancelClick() {
    foto_.LimpiarFotoPendiente();
    try {
        uColaboradores.cancel();
        if (uColaboradores.updatesPending()) // a save the server refused
            uColaboradores.cancelUpdates();
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
    }
    volverANavegar();
}

void TfrmColaboradores::volverANavegar() {
    mostrarPanel(false);
    FrmBarraSuperior1->btnActivarClick();
    shell::AplicarPermisosBarras(this, moduloActual_);
    sAccion.clear();
    limpiarImagen();
}

void TfrmColaboradores::cxTramitePropertiesChange() {
    if (!editando() || !cxTramite->isChecked())
        return;
    uColaboradores.setValue(QStringLiteral("IdSeccion"), kSeccionTramite);
    lcbSeccion->setEditorValue(kSeccionTramite);
}

void TfrmColaboradores::cxINEExit() {
    const QString texto = cxINE->text().trimmed();
    if (!editando() || texto.isEmpty() || texto == u"-")
        return;
    {
        const QSignalBlocker bloqueo(cxTramite);
        cxTramite->setChecked(false);
    }
    uColaboradores.setValue(QStringLiteral("ETramiteINE"), QStringLiteral("No"));
    pintarINE(data::estilos::cxNormal);
}

void TfrmColaboradores::cxDateVigenciaExit() {
    if (!editando())
        return;
    bool numero = false;
    const int anio = cxDateVigencia->text().trimmed().toInt(&numero);
    if (numero && anio < QDate::currentDate().year())
        platform::dialogs().message(QStringLiteral("La Fecha de Vigencia es Menor al año actual"));
}

void TfrmColaboradores::pintarINE(std::uint32_t color) {
    QPalette paleta = cxINE->palette();
    paleta.setColor(QPalette::Base, QColor::fromRgb(static_cast<QRgb>(color)));
    cxINE->setPalette(paleta);
}

bool TfrmColaboradores::claveRegistrada(const QString& ine, qlonglong excepto) const {
    data::Dataset consulta(&data::connection().Uconnection);
    if (!data::AsignarConsulta(&consulta, QStringLiteral("master_personal"),
                               QStringLiteral("UPDATE"), false))
        throw data::Exception(QStringLiteral("No se encontró la consulta SQL master_personal"));
    data::FiltrarConsulta(consulta, QStringLiteral("SINE"), {ine.trimmed()});
    consulta.open();
    for (consulta.first(); !consulta.eof(); consulta.next())
        if (consulta.fieldByName(QStringLiteral("IdPersonal")).asInteger() != excepto)
            return true;
    return false;
}

void TfrmColaboradores::cxBuscarClick() {
    try {
        const qlonglong propio =
            uColaboradores.state() == data::Dataset::State::Edit
                ? uColaboradores.fieldByName(QStringLiteral("IdPersonal")).asInteger()
                : -1;
        if (claveRegistrada(cxINE->text(), propio)) {
            platform::dialogs().error(QStringLiteral("El Colaborador ya se encuentra registrado!"));
            cxINE->setFocus();
            pintarINE(data::estilos::cxstylNiv5);
        } else {
            cxINE->setFocus();
            pintarINE(data::estilos::cxstylNiv2);
        }
    } catch (const std::exception& error) {
        platform::dialogs().error(data::errorText(error));
    }
}

void TfrmColaboradores::lcbMunicipioPropertiesChange() {
    if (editando() && uMunicipios.isActive())
        uMunicipios.locate(QStringLiteral("SDescripcion"), lcbMunicipio->currentText());
}

void TfrmColaboradores::lcbSeccionPropertiesChange() {
    if (editando() && uSecciones.isActive() && !uSecciones.isEmpty())
        uSecciones.locate(QStringLiteral("SSeccion"), lcbSeccion->currentText());
}

void TfrmColaboradores::cxHuellaClick() {
    if (!uColaboradores.isActive() || uColaboradores.isEmpty() || uColaboradores.recNo() < 1) {
        platform::dialogs().message(QStringLiteral("No hay colaborador seleccionado."));
        return;
    }
    if (sAccion == u"Agrega" && editando()) {
        platform::dialogs().message(QStringLiteral(
            "Guarda primero los datos del colaborador antes de capturar la huella."));
        return;
    }
    const qlonglong id = uColaboradores.fieldByName(QStringLiteral("IdPersonal")).asInteger();
    if (id == 0) {
        platform::dialogs().message(QStringLiteral("El colaborador no tiene IdPersonal válido."));
        return;
    }
    // The fingerprint window joins once its module registers it.
    if (!shell::VentanaRegistrada(QStringLiteral("FrmConfBiometrico")))
        return;
    QWidget* huella = shell::AbrirVentana(QStringLiteral("FrmConfBiometrico"));
    Invocar(huella, "ConfigurarModoColaborador");
    Invocar(huella, "CargarColaborador", Q_ARG(int, static_cast<int>(id)));
}

void TfrmColaboradores::cxBuscarHuellaClick() {
    if (!shell::VentanaRegistrada(QStringLiteral("FrmConfBiometrico")))
        return;
    QWidget* huella = shell::AbrirVentana(QStringLiteral("FrmConfBiometrico"));
    if (!huella)
        return;
    Invocar(huella, "ConfigurarModoBusquedaGlobal");
    if (huella->metaObject()->indexOfSignal("PersonaEncontrada(int)") >= 0)
        connect(huella, SIGNAL(PersonaEncontrada(int)), this,
                SLOT(MarcarColaboradorEncontrado(int)), Qt::UniqueConnection);
    huella->raise();
}

void TfrmColaboradores::MarcarColaboradorEncontrado(int idPersonal) {
    if (idPersonal <= 0 || !uColaboradores.isActive())
        return;
    if (uColaboradores.locate(QStringLiteral("IdPersonal"), idPersonal))
        cxGridViewColaboradores->setCurrentSourceRow(uColaboradores.currentRow());
}

} // namespace orva::people
