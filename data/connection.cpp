#include "data/connection.h"

namespace orva::data {

QString modulosPermisosSql() {
    return QStringLiteral("Select m.*, m.NombreForm_Programa as sIdPrograma from master_modulos m "
                          "where (:Usuario = -1 or (:Usuario <> -1 and sUsuario = :Usuario))");
}

Tconnection::Tconnection() {
    zModulosPermisos.setSql(modulosPermisosSql());
    QryBusca.setReadOnly(true);
    uContrato.setFieldDefs({
        FieldInfo::declared(QStringLiteral("sLicitacion"), FieldType::String, 200),
        FieldInfo::declared(QStringLiteral("sTitulo"), FieldType::Memo, 0),
        FieldInfo::declared(QStringLiteral("sContrato"), FieldType::String, 15, true),
        FieldInfo::declared(QStringLiteral("sTipoObra"), FieldType::String, 13, true),
        FieldInfo::declared(QStringLiteral("mDescripcion"), FieldType::Memo, 0),
        FieldInfo::declared(QStringLiteral("mCliente"), FieldType::Memo, 0),
        FieldInfo::declared(QStringLiteral("bImagen"), FieldType::Blob, 0),
        FieldInfo::declared(QStringLiteral("sUbicacion"), FieldType::String, 100),
        FieldInfo::declared(QStringLiteral("sCodigo"), FieldType::String, 15),
        FieldInfo::declared(QStringLiteral("sMascara"), FieldType::String, 100),
        FieldInfo::declared(QStringLiteral("IdEmpresa"), FieldType::Integer, 0),
        FieldInfo::declared(QStringLiteral("FK_titulo"), FieldType::String, 0),
    });
}

Tconnection::~Tconnection() = default;

void Tconnection::setParametros(const QString& servidor, unsigned puerto, const QString& usuario,
                                const QString& password, const QString& baseDatos) {
    for (DbConnection* c : {&Uconnection, &zConnection}) {
        c->setServer(servidor);
        c->setPort(puerto);
        c->setUsername(usuario);
        c->setPassword(password);
        c->setDatabase(baseDatos);
    }
}

void Tconnection::PingConexion() noexcept {
    Uconnection.pingOrReconnect();
}

Tconnection& connection() {
    static Tconnection module;
    return module;
}

} // namespace orva::data
