// Opening the collaborator window over the demo people: its lists opened, the structure
// filter applied and the first paint done, against the bare open of the same people list
// (catalogued statement, binding, open) measured in the same run on the same server.
#include "data/binding.h"
#include "data/catalog.h"
#include "data/connection.h"
#include "data/errors.h"
#include "data/session.h"
#include "people/colaboradores.h"
#include "platform/dialogs/scripteddialogs.h"
#include "shell/ventanas.h"

#include <QApplication>
#include <QPixmap>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

using namespace orva;

namespace {

QString env(const char* name, const char* fallback) {
    const QString v = qEnvironmentVariable(name);
    return v.isEmpty() ? QString::fromUtf8(fallback) : v;
}

const QString kBase = env("ORVA_BENCH_DB", "orva_bench");
const int kPersonas = env("ORVA_BENCH_PEOPLE", "100000").toInt();

using Clock = std::chrono::steady_clock;
double segundos(Clock::time_point desde) {
    return std::chrono::duration<double>(Clock::now() - desde).count();
}

/// Best of three bare opens of the people list, the reference of every ratio.
double referencia = 0;

double aperturaSimple() {
    const auto inicio = Clock::now();
    data::Dataset lista(&data::connection().Uconnection);
    data::AsignarConsulta(&lista, QStringLiteral("master_personal"), QStringLiteral("UPDATE"),
                          true);
    data::FiltrarConsulta(
        lista, QStringLiteral("IdPersonal,IdMunicipio,IdSeccion,IdCodigoPostal,IdLocalidad,Activo"),
        {-1, -1, -1, -1, -1, -1});
    lista.open();
    benchmark::DoNotOptimize(lista.recordCount());
    return segundos(inicio);
}

void Informar(benchmark::State& state, double total, int filas) {
    const double porApertura = total / static_cast<double>(state.iterations());
    state.counters["ms_per_open"] = porApertura * 1000.0;
    state.counters["ratio_to_dataset_open"] = porApertura / referencia;
    state.counters["rows_shown"] = filas;
}

/// The reference: the people list alone, as the window's main dataset opens it.
void BM_DatasetOpen(benchmark::State& state) {
    double total = 0;
    for (auto _ : state) {
        const double s = aperturaSimple();
        total += s;
        state.SetIterationTime(s);
    }
    Informar(state, total, 0);
}

/// The window: created, shown (lists, structure filter, rights), painted once.
void BM_WindowOpenFilterPaint(benchmark::State& state) {
    double total = 0;
    int filas = 0;
    for (auto _ : state) {
        const auto inicio = Clock::now();
        auto* ventana = new people::TfrmColaboradores;
        ventana->resize(1280, 800);
        ventana->show();
        const QPixmap pintada = ventana->grab();
        benchmark::DoNotOptimize(pintada.cacheKey());
        const double s = segundos(inicio);
        filas = ventana->uColaboradores.recordCount();
        delete ventana;
        QApplication::processEvents();
        total += s;
        state.SetIterationTime(s);
    }
    Informar(state, total, filas);
}

BENCHMARK(BM_DatasetOpen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WindowOpenFilterPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

int ContarPersonas() {
    try {
        data::Dataset cuenta(&data::connection().Uconnection);
        cuenta.setSql(QStringLiteral("SELECT COUNT(*) FROM master_personal"));
        cuenta.open();
        return static_cast<int>(cuenta.field(0).asInteger());
    } catch (const data::Exception&) {
        return -1;
    }
}

bool Conectar() {
    data::Tconnection& c = data::connection();
    c.setParametros(env("ORVA_DB_HOST", "127.0.0.1"), env("ORVA_DB_PORT", "3406").toUInt(),
                    env("ORVA_DB_USER", "orva"), env("ORVA_DB_PASSWORD", "orva"), kBase);
    try {
        c.Uconnection.connect();
        c.zConnection.connect();
        return true;
    } catch (const data::DatabaseError& e) {
        if (e.code() != 1049) // an unknown database is made below
            std::printf("No se pudo conectar a %s: %s\n", qPrintable(kBase),
                        qPrintable(e.message()));
        return false;
    }
}

/// The demo database of the benchmarks (see bench/README.md), made when missing or small.
bool PrepararBase() {
    if (Conectar() && ContarPersonas() >= kPersonas)
        return true;
    std::printf("Creando la base %s con %d personas de demostración…\n", qPrintable(kBase),
                kPersonas);
    std::fflush(stdout);
    QProcess crear;
    crear.setProcessChannelMode(QProcess::ForwardedChannels);
    crear.start(
        env("ORVA_SOURCE_DIR", ORVA_BENCH_SOURCE_DIR) + QStringLiteral("/db/create_db.sh"),
        {kBase, QStringLiteral("--demo"), QString::number(kPersonas), QStringLiteral("--replace")});
    return crear.waitForFinished(-1) && crear.exitCode() == 0 && Conectar() &&
           ContarPersonas() >= kPersonas;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (!PrepararBase()) {
        std::printf("Sin la base %s no se mide.\n", qPrintable(kBase));
        return 0;
    }
    data::CargarConsultasSQL();
    // The administrator of the demo: every structure assigned, the longest filter.
    data::SesionActual sesion;
    sesion.IdUsuarioActual = 1;
    sesion.sUsuarioActual = QStringLiteral("ADMIN");
    sesion.sBaseDatos = kBase;
    data::establecerSesion(sesion);
    shell::setModuloActual(QStringLiteral("dxColaboradores"));
    platform::installDialogs(std::make_unique<platform::ScriptedDialogs>());
    for (int i = 0; i < 3; ++i) {
        const double s = aperturaSimple();
        referencia = i == 0 ? s : std::min(referencia, s);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
