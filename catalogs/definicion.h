#pragma once
// What one catalog window has of its own: one row of the catalog table (tabla.h). The
// window pattern (ventanacatalogo.h) does everything else the same way for all of them.
#include "catalogs/carga.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace orva::catalogs {

/// Whether Enter moves the focus on, and where.
enum class TeclaEnter {
    No,       ///< Enter does nothing special; editors keep their colours
    Editores, ///< in the data panel's editors (wired with the window)
    Ventana,  ///< anywhere in the window (attached when the window is shown)
};

enum class TipoEditor {
    Texto,  ///< one-line text
    Numero, ///< whole number
    Lista,  ///< lookup list (its DefLista has the same field)
    Activo, ///< the "Si"/"No" switch labelled "Activo"
};

/// A lookup list of a parent catalog: loaded read-only when the window is shown.
struct DefLista {
    QString campo{};         ///< the row's field that takes the chosen key (IdPais)
    QString origen{};        ///< table or catalogued statement read (master_pais)
    Carga carga{};           ///< how it is read
    QString filtro{};        ///< fields or parameters bound (the key first)
    QVariantList valores{};  ///< their values by position; the ones missing are -1
    QString muestra{};       ///< the field shown in the list (SPais)
    QString columnaNombre{}; ///< the row's column with the parent's name (Paises)
    QString tituloColumna{}; ///< its grid caption ("País")
    QVariant inicial{};      ///< key chosen on new rows (71); null for none
};

/// An editor of the data panel, in screen order.
struct DefEditor {
    QString campo{};
    QString etiqueta{}; ///< its label; the switch carries "Activo" itself
    TipoEditor tipo = TipoEditor::Texto;
};

/// A save check: the field must not be empty, else `mensaje` and its editor focused.
struct DefValidacion {
    QString campo{};
    QString mensaje{};
};

struct DefCatalogo {
    QString forma{};    ///< form name and object name ("frmPartidos")
    QString titulo{};   ///< window caption ("Partidos")
    QString etiqueta{}; ///< title label ("CATALOGO DE PARTIDOS")

    QString tabla{}; ///< table, and the name of its catalogued statement
    Carga carga{};
    QString filtro{}; ///< fields or parameters bound -1 at loading

    QString llave{};  ///< key column, the largest plus one for new rows
    QString codigo{}; ///< automatic code column; empty when the table has none
    QString nombre{}; ///< name column (grid, action log)
    QString tituloNombre{};

    QList<DefLista> listas{};
    QList<DefEditor> editores{};
    QString foco{}; ///< editor focused when an add starts; the name editor when empty
    QList<DefValidacion> validaciones{};

    QString bitacora{};        ///< action-log label (" Partido - Código: ")
    QString valorBitacora{};   ///< field logged after the label (SCodigo, IdCandidato)
    QString avisoEliminar{};   ///< warning for a row still referenced elsewhere
    QString tituloImpresion{}; ///< empty: the print button does nothing
    TeclaEnter enter = TeclaEnter::No;
    bool tieneActivo = true;                         ///< has EActivo ("Si" on new rows)
    QString tituloActivo = QStringLiteral("Activo"); ///< grid caption of EActivo
};

} // namespace orva::catalogs
