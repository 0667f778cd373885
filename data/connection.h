#pragma once
// The connection module: the two links to the database every window shares and the
// datasets that belong to the whole program. Created once, before any window; it
// connects nothing by itself: the login sets the parameters and opens both links.
#include "data/dataset.h"
#include "data/dbconnection.h"
#include "data/styles.h"

namespace orva::data {

class Tconnection {
public:
    Tconnection();
    ~Tconnection();
    Tconnection(const Tconnection&) = delete;
    Tconnection& operator=(const Tconnection&) = delete;

    /// The link of every catalogued statement and of every window's datasets.
    DbConnection Uconnection{QStringLiteral("Uconnection")};
    /// The second link: the error catalogue and the ping before cached changes are applied.
    DbConnection zConnection{QStringLiteral("zConnection")};

    // Shared datasets (declared after the links: they go before them).
    Dataset zConsultasSQL{&Uconnection};    ///< the statement catalogue in memory
    Dataset zUCommand{&Uconnection};        ///< the action log insert; the login's lookups
    Dataset qryUBusca{&Uconnection};        ///< general lookups
    Dataset uUsuario{&Uconnection};         ///< the logged-in user's row of master_usuarios
    Dataset uContrato{&Uconnection};        ///< the report header row ("contrato")
    Dataset uconfiguracion{&Uconnection};   ///< the system settings row ("setup")
    Dataset zModulosPermisos{&Uconnection}; ///< a user's module rights
    Dataset QryBusca{&zConnection};         ///< the error catalogue's search (read-only)
    Dataset zCommand{&zConnection};         ///< the error catalogue's inserts

    /// Sets the same server, port, account and database on both links (the login does
    /// this before connecting them).
    void setParametros(const QString& servidor, unsigned puerto, const QString& usuario,
                       const QString& password, const QString& baseDatos);

    /// Pings Uconnection, connecting it again when the server dropped the link; never
    /// throws (the next statement reports a link that stays down).
    void PingConexion() noexcept;
};

/// The single connection module of the program.
Tconnection& connection();

/// The fixed statement of zModulosPermisos (parameter Usuario; -1 for every user).
QString modulosPermisosSql();

} // namespace orva::data
