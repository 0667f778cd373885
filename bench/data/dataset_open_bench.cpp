// Opening the people list as the collaborator window does (catalogued statement, binding,
// open) against fetching the same statement with the bare connector and walking every
// row, on the same server in the same run. Also the heap bytes each holds per row.
#include "benchsupport.h"
#include "data/connection.h"
#include "demodatabase.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <mysql.h>

using namespace orva::data;
using orva::bench::assignPeopleList;
using orva::bench::Clock;
using orva::bench::seconds;

namespace {

std::size_t heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

QByteArray peopleSql() {
    Dataset ds;
    assignPeopleList(ds);
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
        return orva::bench::bestOf(3, [&] { bareFetch(sql); });
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
        assignPeopleList(ds);
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

void report(benchmark::State& state, double perOpen) {
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
    report(state, orva::bench::timeEach(state, [&] { bareFetch(sql); }));
}

/// AsignarConsulta + FiltrarConsulta + open, then close.
void BM_CatalogueDatasetOpen(benchmark::State& state) {
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        Dataset ds;
        assignPeopleList(ds);
        ds.open();
        benchmark::DoNotOptimize(ds.recordCount());
        const double s = seconds(start);
        ds.close();
        total += s;
        state.SetIterationTime(s);
    }
    report(state, total / static_cast<double>(state.iterations()));
}

BENCHMARK(BM_BareConnector)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CatalogueDatasetOpen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    return orva::bench::runBenchmarks(argc, argv, orva::bench::prepareDemoDatabase);
}
