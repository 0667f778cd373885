#pragma once
// The server list of the connection file: the section [DATA_BASE] holds one line per
// named connection,
//
//     n="Conexion"=Puerto="Usuario"="Password"="Servidor"
//
// numbered from 1 in list order, every field but the port between double quotes.
// Reading replaces each "=" by "," and splits the line as a comma list in which quoted
// items may hold blanks and commas; so a value typed with "=" comes back with "," in
// its place, and a value holding a double quote breaks its line.
#include <QList>
#include <QString>
#include <QStringList>

namespace orva::app {

/// One named connection.
struct EntradaServidor {
    QString conexion; ///< display name
    QString servidor; ///< host
    QString puerto;   ///< port, as text
    QString usuario;  ///< account (may be empty)
    QString password;

    bool operator==(const EntradaServidor&) const = default;
};

/// Room of the list: entries after the 100th are not read.
inline constexpr int kMaxServidores = 100;

/// ListaServidores: entry n (from 1) is element n - 1.
using ListaServidores = QList<EntradaServidor>;

/// Appends to `lista` the entries of the [DATA_BASE] lines of the plain file `archivo`
/// (UTF-8), up to kMaxServidores. Throws data::Exception when the file cannot be read,
/// and at a line with fewer than six items: the entries read before it stay in `lista`.
void LeerListaServidores(const QString& archivo, ListaServidores& lista);

/// The same reading over text already in memory.
void LeerListaServidoresDeTexto(const QString& texto, ListaServidores& lista);

/// Splits a comma list: items are separated by commas or by unquoted blanks; an item
/// that starts with a double quote runs to the closing quote (two quotes inside stand
/// for one) and may hold blanks and commas; an empty item between two commas, or after
/// a final comma, is kept as empty text.
QStringList SepararElementos(const QString& linea);

/// The line of entry number `n`.
QString LineaConexion(int n, const EntradaServidor& entrada);

/// The whole plain file as the registration window saves it: [SYSTEM] with
/// data_name=Orva, then [DATA_BASE] with one line per entry, "\r\n" line ends.
QString TextoArchivoConexiones(const ListaServidores& lista);

} // namespace orva::app
