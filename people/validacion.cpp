#include "people/validacion.h"

#include "platform/editors/boundeditor.h"

#include <QRegularExpression>

namespace orva::people {
namespace {

using platform::Record;

/// One failed check: its message, or empty when it passed.
using Paso = std::function<QString()>;

QString Si(bool falla, const char* mensaje) {
    return falla ? QString::fromUtf8(mensaje) : QString();
}

QString Texto(const Record& r, const QString& campo) {
    return r.value(campo).toString();
}

qlonglong Entero(const Record& r, const QString& campo) {
    return r.value(campo).toLongLong();
}

QString FechaNacimiento(const Record& r, const QDate& hoy) {
    const QVariant v = r.value(QStringLiteral("DFechaNacimiento"));
    const QDate fecha = v.toDate();
    if (v.isNull() || !fecha.isValid())
        return QStringLiteral("La fecha de nacimiento es obligatoria");
    return Si(fecha > hoy, "La fecha de nacimiento no puede ser futura");
}

/// The validity year: four characters forming a number, not before this year (with the
/// path's own message); the number is written back.
QString Vigencia(Record& r, const QDate& hoy, const char* mensajeExpirada) {
    const QString texto = Texto(r, QStringLiteral("IVigencia")).trimmed();
    bool numero = false;
    const int anio = texto.toInt(&numero);
    if (texto.size() != 4 || !numero)
        return QStringLiteral("La vigencia debe ser un año de 4 dígitos (por ejemplo, 2030).");
    if (anio < hoy.year())
        return QString::fromUtf8(mensajeExpirada);
    r.setValue(QStringLiteral("IVigencia"), anio);
    return {};
}

QString Direccion(const Record& r) {
    if (CampoVacio(r, QStringLiteral("SDomicilio")))
        return QStringLiteral("El domicilio no puede estar vacío");
    if (Entero(r, QStringLiteral("IdCodigoPostal")) <= 0)
        return QStringLiteral("Seleccione un código postal");
    if (Entero(r, QStringLiteral("IdMunicipio")) <= 0)
        return QStringLiteral("Seleccione un municipio");
    if (Entero(r, QStringLiteral("IdLocalidad")) <= 0)
        return QStringLiteral("Seleccione una localidad");
    return Si(Entero(r, QStringLiteral("IdSeccion")) <= 0, "Seleccione una sección");
}

QString ClaveINE(const Record& r) {
    return Si(!ClaveINEValida(Texto(r, QStringLiteral("SINE"))),
              "La INE debe tener caracteres alfanuméricos");
}

void RecortarNombres(Record& r) {
    for (const char* campo : {"SNombre", "SAPaterno", "SAMaterno"})
        if (!r.value(QLatin1String(campo)).isNull())
            r.setValue(QLatin1String(campo), Texto(r, QLatin1String(campo)).trimmed());
}

} // namespace

bool CampoVacio(const Record& registro, const QString& campo) {
    const QVariant v = registro.value(campo);
    return v.isNull() || v.toString().trimmed().isEmpty();
}

bool ClaveINEValida(const QString& ine) {
    static const QRegularExpression kClave(QStringLiteral("^[A-Z0-9]{18}$"));
    return kClave.match(ine.trimmed().toUpper()).hasMatch();
}

ResultadoValidacion ValidarColaborador(Record& r, const ContextoValidacion& c) {
    ResultadoValidacion resultado;
    const QDate hoy = c.hoy;
    const auto vacio = [&r](const char* campo) { return CampoVacio(r, QLatin1String(campo)); };
    bool comprobada = false; // an edit may reach the check twice; once is enough
    const auto duplicada = [&c, &resultado, &comprobada]() -> QString {
        if (comprobada)
            return {};
        comprobada = true;
        if (c.ineDuplicada && c.ineDuplicada()) {
            resultado.duplicada = true;
            return QStringLiteral("-"); // stops the path; the check told the user itself
        }
        return {};
    };

    std::vector<Paso> pasos;
    if (c.agregando && c.tramite) { // A: registered while the credential is in paperwork
        r.setValue(QStringLiteral("SINE"), QStringLiteral("-"));
        pasos = {
            [&] { return Si(vacio("SNombre"), "El Nombre no puede estar vacío"); },
            [&] {
                return Si(vacio("SAPaterno") || vacio("SAMaterno"),
                          "Los Apellidos no pueden estar vacíos");
            },
            [&] { return Si(vacio("ESexo"), "Seleccione el Género"); },
            [&] { return FechaNacimiento(r, hoy); },
            [&] {
                return Si(Entero(r, QStringLiteral("IdCodigoPostal")) <= 0,
                          "Seleccione un código postal");
            },
            [&] {
                return Si(Entero(r, QStringLiteral("IdMunicipio")) <= 0, "Seleccione un municipio");
            },
        };
    } else if (c.agregando) { // B: a new person with a voter key
        pasos = {
            duplicada,
            [&] { return Si(vacio("SNombre"), "El Nombre no puede estar vacío"); },
            [&] { return Si(vacio("SAPaterno"), "Los Aapellidos no pueden estar vacíos"); },
            [&] { return Si(vacio("SAMaterno"), "Los Aapellidos no pueden estar vacíos"); },
            [&] { return Si(vacio("SINE"), "La INE no puede estar vacía"); },
            [&] { return ClaveINE(r); },
            [&] { return Si(vacio("ESexo"), "Seleccione el género"); },
            [&] { return FechaNacimiento(r, hoy); },
            [&] {
                return Vigencia(r, hoy, "El año de vigencia no puede ser menor al año actual.");
            },
            [&] { return Direccion(r); },
        };
    } else { // C: an edit, in paperwork or not
        if (!c.tramite)
            pasos.push_back(duplicada);
        const std::vector<Paso> resto = {
            [&] { return Si(vacio("SNombre"), "El nombre no puede estar vacío"); },
            [&] {
                return Si(vacio("SAPaterno") || vacio("SAMaterno"),
                          "Los apellidos no pueden estar vacíos");
            },
            [&] { return Si(vacio("SINE"), "La INE no puede estar vacía"); },
            [&]() -> QString {
                const QString texto = c.textoINE.trimmed();
                if (!texto.isEmpty() && texto != u"-") {
                    resultado.apagarTramite = true;
                    r.setValue(QStringLiteral("ETramiteINE"), QStringLiteral("No"));
                }
                return {};
            },
            duplicada,
            [&] { return ClaveINE(r); },
            [&] { return Si(vacio("ESexo"), "Seleccione el género"); },
            [&] { return FechaNacimiento(r, hoy); },
            [&] { return Vigencia(r, hoy, "Vigencia Expirada."); },
            [&] { return Direccion(r); },
        };
        pasos.insert(pasos.end(), resto.begin(), resto.end());
    }

    for (const Paso& paso : pasos) {
        const QString mensaje = paso();
        if (!mensaje.isEmpty()) {
            if (!resultado.duplicada)
                resultado.mensaje = mensaje;
            return resultado;
        }
    }
    RecortarNombres(r);
    resultado.valido = true;
    return resultado;
}

} // namespace orva::people
