// Opening the collaborator window over the demo people: its lists opened, the structure
// filter applied and the first paint done, against the bare open of the same people list
// (catalogued statement, binding, open) measured in the same run on the same server.
#include "benchsupport.h"
#include "data/connection.h"
#include "data/session.h"
#include "demodatabase.h"
#include "people/colaboradores.h"
#include "platform/dialogs/scripteddialogs.h"
#include "shell/ventanas.h"

#include <QApplication>
#include <QPixmap>
#include <algorithm>

using namespace orva;
using bench::Clock;
using bench::seconds;

namespace {

/// Best of three bare opens of the people list, the reference of every ratio.
double referencia = 0;

double aperturaSimple() {
    const auto inicio = Clock::now();
    data::Dataset lista(&data::connection().Uconnection);
    bench::assignPeopleList(lista);
    lista.open();
    benchmark::DoNotOptimize(lista.recordCount());
    return seconds(inicio);
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
        const double s = seconds(inicio);
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

/// The demo database, the administrator's session and the reference figure.
bool Preparar() {
    if (!bench::prepareDemoDatabase())
        return false;
    // The administrator of the demo: every structure assigned, the longest filter.
    data::SesionActual sesion;
    sesion.IdUsuarioActual = 1;
    sesion.sUsuarioActual = QStringLiteral("ADMIN");
    sesion.sBaseDatos = bench::benchDatabase();
    data::establecerSesion(sesion);
    shell::setModuloActual(QStringLiteral("dxColaboradores"));
    platform::installDialogs(std::make_unique<platform::ScriptedDialogs>());
    referencia = aperturaSimple(); // each open times itself: the list is freed untimed
    for (int i = 1; i < 3; ++i)
        referencia = std::min(referencia, aperturaSimple());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    return bench::runGuiBenchmarks(argc, argv, Preparar);
}
