#include "datatest.h"

#include <QThread>
#include <mysql.h>

namespace orva::test {

void configure(data::DbConnection& c, const std::string& database) {
    const DbSettings s = dbSettings();
    c.setServer(QString::fromStdString(s.host));
    c.setPort(s.port);
    c.setUsername(QString::fromStdString(s.user));
    c.setPassword(QString::fromStdString(s.password));
    c.setDatabase(QString::fromStdString(database));
}

void connectModule(const std::string& database) {
    const DbSettings s = dbSettings();
    data::Tconnection& m = data::connection();
    m.setParametros(QString::fromStdString(s.host), s.port, QString::fromStdString(s.user),
                    QString::fromStdString(s.password), QString::fromStdString(database));
    m.Uconnection.connect();
    m.zConnection.connect();
}

void killAndWait(data::DbConnection& admin, unsigned long threadId) {
    admin.execute(QStringLiteral("KILL %1").arg(threadId));
    const QString alive =
        QStringLiteral("SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE ID = %1")
            .arg(threadId);
    for (int i = 0; i < 200; ++i) {
        data::ResultPtr r = admin.query(alive);
        MYSQL_ROW row = mysql_fetch_row(r.get());
        if (row && row[0] && row[0][0] == '0')
            return;
        QThread::msleep(10);
    }
}

void disconnectModule() {
    data::Tconnection& m = data::connection();
    for (data::Dataset* d :
         {&m.zConsultasSQL, &m.zUCommand, &m.qryUBusca, &m.uUsuario, &m.uContrato,
          &m.uconfiguracion, &m.zModulosPermisos, &m.QryBusca, &m.zCommand})
        d->close();
    m.Uconnection.disconnect();
    m.zConnection.disconnect();
}

} // namespace orva::test
