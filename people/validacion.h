#pragma once
// The checks a person must pass before it is saved. Three paths, chosen by the
// "INE en Trámite" switch and by whether the person is new: a new person in paperwork
// (A), a new person with a voter key (B), and any edit (C).
#include <QDate>
#include <QString>
#include <functional>

namespace orva::platform {
class Record;
}

namespace orva::people {

/// True when the field is null or its text, trimmed, is empty.
bool CampoVacio(const platform::Record& registro, const QString& campo);

/// Whether a voter key, trimmed and upper-cased, is 18 letters A–Z or digits.
bool ClaveINEValida(const QString& ine);

struct ContextoValidacion {
    bool agregando = false; ///< a new person (else an edit)
    bool tramite = false;   ///< the "INE en Trámite" switch is on
    QString textoINE;       ///< what the voter-key box shows
    QDate hoy = QDate::currentDate();
    /// The duplicate check: true when the key is already someone else's (it tells the
    /// user itself); the save then stops.
    std::function<bool()> ineDuplicada;
};

struct ResultadoValidacion {
    bool valido = false;
    QString mensaje;            ///< shown in a plain message box when not valid and not empty
    bool duplicada = false;     ///< stopped by the duplicate check (it told the user)
    bool apagarTramite = false; ///< the switch must be turned off (a real key was typed)
};

/// Runs the checks of the path in order and stops at the first that fails. Along the
/// way it writes what the checks settle: SINE "-" for a new person in paperwork,
/// ETramiteINE "No" once an edit carries a real key, the validity year as a number, and
/// the three names trimmed (at the end).
ResultadoValidacion ValidarColaborador(platform::Record& registro, const ContextoValidacion& c);

} // namespace orva::people
