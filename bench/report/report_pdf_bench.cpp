// Printing 10,000 rows of a list to PDF (the grid report: template, bands, pages, PDF)
// against writing the same cells, formatted alike, as CSV, measured in the same run.
// Goal: under 3 times the CSV.
#include "benchsupport.h"
#include "platform/report/gridreport.h"
#include "platform/report/pdfwriter.h"
#include "platform/report/reportexpr.h"
#include "platform/report/reportlayout.h"
#include "platform/report/reporttemplate.h"
#include "platform/report/tablesource.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <random>

using namespace orva::platform;
using namespace orva::platform::report;

namespace {

constexpr int kRows = 10000;

const QStringList& fields() {
    static const QStringList names = {"SCodigo",    "SNombre", "SAPaterno", "SAMaterno",
                                      "SMunicipio", "DAlta",   "NMonto"};
    return names;
}

/// Deliveries with the columns a support list prints.
const TableSource& rows() {
    static const TableSource source = [] {
        const char* given[] = {"JOSÉ", "MARÍA", "JUAN",   "GUADALUPE", "FRANCISCO", "ANA",
                               "LUIS", "ROSA",  "CARLOS", "MARTHA",    "JORGE",     "LETICIA"};
        const char* surnames[] = {"HERNÁNDEZ", "GARCÍA",    "MARTÍNEZ", "LÓPEZ",   "GONZÁLEZ",
                                  "PÉREZ",     "RODRÍGUEZ", "SÁNCHEZ",  "RAMÍREZ", "CRUZ"};
        const char* towns[] = {"GUADALAJARA", "ZAPOPAN", "TLAQUEPAQUE", "TONALÁ", "EL SALTO"};
        std::mt19937 random(20261211);
        auto pick = [&](auto& list) { return QString::fromUtf8(list[random() % std::size(list)]); };
        TableSource s(kGridSourceName, fields());
        for (int i = 0; i < kRows; ++i)
            s.addRow({QStringLiteral("P%1").arg(i + 1, 6, 10, QLatin1Char('0')), pick(given),
                      pick(surnames), pick(surnames), pick(towns),
                      QDate(2020, 1, 1).addDays(static_cast<int>(random() % 2000)),
                      static_cast<double>(random() % 5000000) / 100.0});
        return s;
    }();
    return source;
}

QList<GridColumnInfo> columns() {
    const int widths[] = {70, 110, 110, 110, 120, 80, 100};
    const char* captions[] = {
        "Código", "Nombre", "Apellido Paterno", "Apellido Materno", "Municipio", "Alta", "Monto"};
    QList<GridColumnInfo> list;
    for (int c = 0; c < fields().size(); ++c) {
        GridColumnInfo info;
        info.fieldName = fields()[c];
        info.caption = QString::fromUtf8(captions[c]);
        info.width = widths[c];
        info.tag = info.fieldName == QLatin1String("NMonto") ? 8 : 0;
        list << info;
    }
    return list;
}

const Report& generalTemplate() {
    static const Report report = [] {
        SetReportsFolder(orva::bench::sourceDir() + QStringLiteral("/resources/Reportes"));
        return ReadTemplate(TemplatePath(kGridTemplate), {kTitleObject, kRuleObject});
    }();
    return report;
}

QString output(const char* name) {
    static QTemporaryDir dir;
    return dir.filePath(QString::fromLatin1(name));
}

/// The same cells as the report prints them, one CSV line per row.
void writeCsv() {
    const TableSource& s = rows();
    const QList<GridColumnInfo> cols = columns();
    QString out;
    for (const GridColumnInfo& c : cols)
        out += c.caption + (&c == &cols.back() ? QStringLiteral("\r\n") : QStringLiteral(";"));
    for (int r = 0; r < s.rowCount(); ++r)
        for (int c = 0; c < cols.size(); ++c) {
            out +=
                FormatValue(s.value(r, c), cols[c].tag == 8 ? QStringLiteral("%2.2m") : QString(),
                            cols[c].tag == 8 ? QString() : s.text(r, c));
            out += c + 1 == cols.size() ? QStringLiteral("\r\n") : QStringLiteral(";");
        }
    QFile file(output("lista.csv"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("no se pudo escribir el CSV");
    file.write(out.toUtf8());
}

PreparedReport prepare() {
    auto report = std::make_shared<Report>(generalTemplate());
    BuildGridReport(*report, columns(), {}, QStringLiteral("Apoyos entregados"));
    return PrepareReport(report, {&rows()}, QStringLiteral("Apoyos entregados"));
}

double referenceSeconds() {
    static const double best = orva::bench::bestOf(5, writeCsv);
    return best;
}

/// Runs `work` once per iteration, timing only it, and reports the mean against the CSV.
template <typename Work> void timeEach(benchmark::State& state, Work&& work) {
    const double each = orva::bench::timeEach(state, std::forward<Work>(work));
    state.counters["ms_per_run"] = each * 1000;
    state.counters["ratio_to_csv"] = each / referenceSeconds();
}

void BM_Csv(benchmark::State& state) {
    timeEach(state, writeCsv);
}

/// Template to PDF file: what the preview's PDF export of a freshly printed list costs.
void BM_ReportPdf(benchmark::State& state) {
    std::size_t pages = 0;
    timeEach(state, [&] {
        const PreparedReport prepared = prepare();
        WritePdf(prepared, output("lista.pdf"));
        pages = prepared.pages.size();
    });
    state.counters["pages"] = static_cast<double>(pages);
}

/// Only the bands and pages (no drawing).
void BM_ReportPages(benchmark::State& state) {
    timeEach(state, [] { benchmark::DoNotOptimize(prepare()); });
}

/// Only the writing of the PDF file of pages already made.
void BM_PdfDrawing(benchmark::State& state) {
    const PreparedReport prepared = prepare();
    timeEach(state, [&] { WritePdf(prepared, output("lista.pdf")); });
}

BENCHMARK(BM_Csv)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportPdf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportPages)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PdfDrawing)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    return orva::bench::runGuiBenchmarks(argc, argv);
}
