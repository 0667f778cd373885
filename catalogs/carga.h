#pragma once
// How a catalog window loads its rows and its lookup lists: a catalogued statement, or
// the plain text "SELECT * FROM <table>" with an optional filter on some of its fields.
#include <QString>
#include <QVariantList>

namespace orva::data {
class Dataset;
}

namespace orva::catalogs {

enum class Carga {
    /// The catalogued "UPDATE" statement named after the table: changes are cached, a
    /// save is applied at once, a delete only when the window applies it.
    Consulta,
    /// "SELECT * FROM <table>": every change reaches the server at once.
    TextoTabla,
};

/// Sets the dataset's text to "SELECT * FROM <tabla>".
void ArmarConsultaTabla(data::Dataset& dataset, const QString& tabla);

/// Splits `campos` at commas (each name taken as it stands, blanks included) and, for
/// every field whose value is not -1, appends "<field> = :<field>" to a condition joined
/// with " AND " and gives that parameter the value; when a condition was made, appends
/// " WHERE " and it to the text. Throws data::Exception "Cantidad de campos y valores no
/// coincide." when the lists differ in length.
void AgregarFiltroCampos(data::Dataset& dataset, const QString& campos,
                         const QVariantList& valores);

/// Gives `dataset` (closed) its rows' source on the main connection: the catalogued
/// statement `tabla` bound with `campos`, or the table text filtered by `campos`. Every
/// value not given in `valores` (by position) is -1, meaning no restriction.
void PrepararCarga(data::Dataset& dataset, Carga carga, const QString& tabla, const QString& campos,
                   const QVariantList& valores = {});

} // namespace orva::catalogs
