#include "demodatabase.h"

#include "benchsupport.h"
#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"

#include <QProcess>
#include <cstdio>

namespace orva::bench {

namespace {

/// People in the connected database; -1 when they cannot be counted.
int countPeople() {
    try {
        data::Dataset count(&data::connection().Uconnection);
        count.setSql(QStringLiteral("SELECT COUNT(*) FROM master_personal"));
        count.open();
        return static_cast<int>(count.field(0).asInteger());
    } catch (const data::Exception&) {
        return -1;
    }
}

enum class Link { Open, NoDatabase, Down };

/// Connects the module's links to `db`; says why not unless the database is only missing.
Link connectTo(const QString& db) {
    data::Tconnection& c = data::connection();
    c.setParametros(env("ORVA_DB_HOST", "127.0.0.1"), env("ORVA_DB_PORT", "3406").toUInt(),
                    env("ORVA_DB_USER", "orva"), env("ORVA_DB_PASSWORD", "orva"), db);
    try {
        c.Uconnection.connect();
        c.zConnection.connect();
        return Link::Open;
    } catch (const data::DatabaseError& e) {
        if (e.code() == 1049) // unknown database
            return Link::NoDatabase;
        std::printf("No se pudo conectar a %s (¿servidor iniciado? db/server.sh start): %s\n",
                    qPrintable(db), qPrintable(e.message()));
        return Link::Down;
    }
}

/// Connected to the database with enough people, made first when it is missing or smaller.
bool connectToDemoPeople() {
    const QString& db = benchDatabase();
    const Link link = connectTo(db);
    if (link == Link::Down)
        return false;
    if (link == Link::Open && countPeople() >= benchPeople())
        return true;
    std::printf("Creando la base %s con %d personas de demostración…\n", qPrintable(db),
                benchPeople());
    std::fflush(stdout);
    QProcess create;
    create.setProcessChannelMode(QProcess::ForwardedChannels);
    create.start(sourceDir() + QStringLiteral("/db/create_db.sh"),
                 {db, QStringLiteral("--demo"), QString::number(benchPeople()),
                  QStringLiteral("--replace")});
    if (!create.waitForFinished(-1) || create.exitCode() != 0) {
        std::printf("No se pudo crear la base %s con db/create_db.sh; no se mide.\n",
                    qPrintable(db));
        return false;
    }
    if (connectTo(db) != Link::Open || countPeople() < benchPeople()) {
        std::printf("La base %s no tiene %d personas después de crearla; no se mide.\n",
                    qPrintable(db), benchPeople());
        return false;
    }
    return true;
}

} // namespace

const QString& benchDatabase() {
    static const QString name = env("ORVA_BENCH_DB", "orva_bench");
    return name;
}

int benchPeople() {
    static const int people = env("ORVA_BENCH_PEOPLE", "100000").toInt();
    return people;
}

bool prepareDemoDatabase() {
    if (!connectToDemoPeople())
        return false;
    data::CargarConsultasSQL();
    data::Dataset probe;
    if (!data::AsignarConsulta(&probe, QStringLiteral("master_personal"), QStringLiteral("UPDATE"),
                               true)) {
        std::printf("La consulta master_personal (UPDATE) no está en master_consultassql de %s; "
                    "no se mide.\n",
                    qPrintable(benchDatabase()));
        return false;
    }
    return true;
}

void assignPeopleList(data::Dataset& ds) {
    if (!data::AsignarConsulta(&ds, QStringLiteral("master_personal"), QStringLiteral("UPDATE"),
                               true))
        throw data::Exception(QStringLiteral("sin consulta"));
    QStringList names;
    QVariantList values;
    for (const QString& name :
         QStringLiteral("IdPersonal,IdMunicipio,IdSeccion,IdCodigoPostal,IdLocalidad,Activo")
             .split(u','))
        if (ds.hasParam(name)) {
            names << name;
            values << -1;
        }
    data::FiltrarConsulta(ds, names.join(u','), values);
}

} // namespace orva::bench
