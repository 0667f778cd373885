#pragma once
// Binding a catalogued statement's parameters in one call, and the substitution tokens
// that let a stored statement take pieces of SQL from the window:
//   :filter_by_code           a whole extra condition, written after "and "
//   :var_by_code1 … 6         any fragment (columns, a quoted literal, a table name)
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace orva::data {

class Dataset;

/// Binds the parameters named in `lista` (comma-separated; blanks around names ignored,
/// a blank inside also separates, an empty item is an empty name) to `valores`, one
/// each, as text; "filter_by_code" and "var_by_code1"…"6" are taken as substitution
/// values instead. Then rewrites the statement with SustituirVariablesSQL. The dataset
/// is left closed. Throws Exception "Parámetro de Consulta SQL [name] no encontrado,
/// verifica tu sentencia" for a name the statement lacks (the text is then not
/// rewritten), and when fewer values than names are given.
bool FiltrarConsulta(Dataset& dataset, const QString& lista, const QVariantList& valores);

/// The statement with its tokens replaced (see the header comment); a filter that is
/// empty removes the "and " in front of its token. Values go in verbatim. Throws
/// Exception when a value holds the token it replaces.
QString SustituirVariablesSQL(const QString& sql, const QString& filtro, const QString& v1,
                              const QString& v2, const QString& v3, const QString& v4,
                              const QString& v5, const QString& v6);

/// The names of a parameter list as FiltrarConsulta splits it.
QStringList separarNombres(const QString& lista);

} // namespace orva::data
