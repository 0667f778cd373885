// Opening the people list as the collaborator window does (catalogued statement, binding,
// open) against fetching the same statement with the bare connector and walking every
// row, on the same server in the same run. Also the heap bytes each holds per row.
#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"

#include <QProcess>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <mysql.h>

using namespace orva::data;

namespace {

QString env(const char* name, const char* fallback) {
    const QString v = qEnvironmentVariable(name);
    return v.isEmpty() ? QString::fromUtf8(fallback) : v;
}

const QString database = env("ORVA_BENCH_DB", "orva_bench");
const int people = env("ORVA_BENCH_PEOPLE", "100000").toInt();
const QString bindNames =
    QStringLiteral("IdPersonal,IdMunicipio,IdSeccion,IdCodigoPostal,IdLocalidad,Activo");

using Clock = std::chrono::steady_clock;
double seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

std::size_t heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

/// The dataset the window opens: assigned, bound with every filter at -1.
void assignPeople(Dataset& ds) {
    if (!AsignarConsulta(&ds, QStringLiteral("master_personal"), QStringLiteral("UPDATE"), true))
        throw Exception(QStringLiteral("sin consulta"));
    QStringList names;
    QVariantList values;
    for (const QString& name : bindNames.split(u','))
        if (ds.hasParam(name)) {
            names << name;
            values << -1;
        }
    FiltrarConsulta(ds, names.join(u','), values);
}

QByteArray peopleSql() {
    Dataset ds;
    assignPeople(ds);
    return ds.boundSql();
}

/// Bare connector: query, read everything into the client, walk every row.
std::size_t bareFetch(const QByteArray& sql, std::size_t* heapBytes = nullptr) {
    MYSQL* m = connection().Uconnection.handle();
    const std::size_t before = heapInUse();
    if (mysql_real_query(m, sql.constData(), static_cast<unsigned long>(sql.size())) != 0)
        connection().Uconnection.raiseLastError();
    MYSQL_RES* res = mysql_store_result(m);
    if (!res)
        connection().Uconnection.raiseLastError();
    const unsigned n = mysql_num_fields(res);
    std::size_t rows = 0, bytes = 0;
    while (MYSQL_ROW row = mysql_fetch_row(res)) {
        const unsigned long* lengths = mysql_fetch_lengths(res);
        for (unsigned i = 0; i < n; ++i)
            bytes += row[i] ? lengths[i] : 0;
        ++rows;
    }
    benchmark::DoNotOptimize(bytes);
    if (heapBytes)
        *heapBytes = heapInUse() - before;
    mysql_free_result(res);
    return rows;
}

double referenceSeconds() {
    static const double best = [] {
        const QByteArray sql = peopleSql();
        double b = 1e9;
        for (int i = 0; i < 3; ++i) {
            const auto start = Clock::now();
            bareFetch(sql);
            b = std::min(b, seconds(start));
        }
        return b;
    }();
    return best;
}

struct HeapFigures {
    std::size_t rows = 0;
    double bareBytesPerRow = 0;
    double datasetBytesPerRow = 0;
};

const HeapFigures& heapFigures() {
    static const HeapFigures figures = [] {
        HeapFigures f;
        std::size_t bare = 0;
        f.rows = bareFetch(peopleSql(), &bare);
        Dataset ds;
        assignPeople(ds);
        const std::size_t before = heapInUse();
        ds.open();
        const std::size_t held = heapInUse() - before;
        if (f.rows) {
            f.bareBytesPerRow = double(bare) / double(f.rows);
            f.datasetBytesPerRow = double(held) / double(f.rows);
        }
        return f;
    }();
    return figures;
}

void report(benchmark::State& state, double total) {
    const double perOpen = total / static_cast<double>(state.iterations());
    const HeapFigures& h = heapFigures();
    state.counters["rows"] = double(h.rows);
    state.counters["ms_per_open"] = perOpen * 1000.0;
    state.counters["ratio_to_bare"] = perOpen / referenceSeconds();
    state.counters["bare_bytes_per_row"] = h.bareBytesPerRow;
    state.counters["dataset_bytes_per_row"] = h.datasetBytesPerRow;
    state.counters["bytes_ratio_to_bare"] = h.datasetBytesPerRow / h.bareBytesPerRow;
}

/// The reference: mysql_real_query + mysql_store_result, every row walked.
void BM_BareConnector(benchmark::State& state) {
    const QByteArray sql = peopleSql();
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        bareFetch(sql);
        const double s = seconds(start);
        total += s;
        state.SetIterationTime(s);
    }
    report(state, total);
}

/// AsignarConsulta + FiltrarConsulta + open, then close.
void BM_CatalogueDatasetOpen(benchmark::State& state) {
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        Dataset ds;
        assignPeople(ds);
        ds.open();
        benchmark::DoNotOptimize(ds.recordCount());
        const double s = seconds(start);
        ds.close();
        total += s;
        state.SetIterationTime(s);
    }
    report(state, total);
}

BENCHMARK(BM_BareConnector)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CatalogueDatasetOpen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

int countPeople() {
    try {
        ResultPtr r = connection().Uconnection.query("SELECT COUNT(*) FROM master_personal");
        MYSQL_ROW row = r ? mysql_fetch_row(r.get()) : nullptr;
        return row && row[0] ? std::atoi(row[0]) : 0;
    } catch (const Exception&) {
        return -1;
    }
}

enum class Link { Open, NoDatabase, Down };

/// Connects the module's links to `db`; says why not unless the database is only missing.
Link connectTo(const QString& db) {
    Tconnection& c = connection();
    c.setParametros(env("ORVA_DB_HOST", "127.0.0.1"), env("ORVA_DB_PORT", "3406").toUInt(),
                    env("ORVA_DB_USER", "orva"), env("ORVA_DB_PASSWORD", "orva"), db);
    try {
        c.Uconnection.connect();
        c.zConnection.connect();
        return Link::Open;
    } catch (const DatabaseError& e) {
        if (e.code() == 1049) // unknown database
            return Link::NoDatabase;
        std::printf("No se pudo conectar a %s (¿servidor iniciado? db/server.sh start): %s\n",
                    qPrintable(db), qPrintable(e.message()));
        return Link::Down;
    }
}

/// Creates the bench's own database with the demo people when it is missing or smaller.
bool prepareDatabase() {
    const Link link = connectTo(database);
    if (link == Link::Down)
        return false;
    if (link == Link::Open && countPeople() >= people)
        return true;
    const QString source = env("ORVA_SOURCE_DIR", ORVA_BENCH_SOURCE_DIR);
    std::printf("Creando la base %s con %d personas de demostración…\n", qPrintable(database),
                people);
    std::fflush(stdout);
    QProcess create;
    create.setProcessChannelMode(QProcess::ForwardedChannels);
    create.start(
        source + QStringLiteral("/db/create_db.sh"),
        {database, QStringLiteral("--demo"), QString::number(people), QStringLiteral("--replace")});
    if (!create.waitForFinished(-1) || create.exitCode() != 0) {
        std::printf("No se pudo crear la base %s con db/create_db.sh; no se mide.\n",
                    qPrintable(database));
        return false;
    }
    return connectTo(database) == Link::Open && countPeople() >= people;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!prepareDatabase())
        return 0; // already said why
    CargarConsultasSQL();
    Dataset probe;
    if (!AsignarConsulta(&probe, QStringLiteral("master_personal"), QStringLiteral("UPDATE"),
                         true)) {
        std::printf("La consulta master_personal (UPDATE) no está en master_consultassql de %s; "
                    "no se mide.\n",
                    qPrintable(database));
        return 0;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
