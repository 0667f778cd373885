// A find-panel keystroke over 100,000 people, against a plain scan of the same texts
// measured in the same run. Goal: a keystroke under 50 ms.
#include "benchsupport.h"
#include "platform/grid/gridmodel.h"
#include "platform/grid/gridview.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QTreeView>
#include <array>
#include <memory>
#include <random>
#include <vector>

using namespace orva::platform;
using orva::bench::timeEach;

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 10;

/// People with the columns the people list shows, made up from common names.
class People : public QAbstractTableModel {
public:
    People() {
        const char* given[] = {
            "JOSÉ",      "MARÍA",    "JUAN",    "GUADALUPE", "FRANCISCO", "ANA",    "LUIS",
            "ROSA",      "CARLOS",   "MARTHA",  "JORGE",     "LETICIA",   "MIGUEL", "PATRICIA",
            "ALEJANDRO", "VERÓNICA", "ROBERTO", "ELIZABETH", "FERNANDO",  "SILVIA", "RICARDO",
            "GABRIELA",  "MANUEL",   "ALMA",    "ANTONIO",   "LAURA",     "JESÚS",  "ADRIANA",
            "PEDRO",     "CLAUDIA",  "RAÚL",    "SANDRA",    "ÓSCAR",     "MÓNICA"};
        const char* surnames[] = {
            "HERNÁNDEZ", "GARCÍA",  "MARTÍNEZ", "LÓPEZ",    "GONZÁLEZ",  "PÉREZ",   "RODRÍGUEZ",
            "SÁNCHEZ",   "RAMÍREZ", "CRUZ",     "FLORES",   "GÓMEZ",     "MORALES", "VÁZQUEZ",
            "REYES",     "JIMÉNEZ", "TORRES",   "DÍAZ",     "GUTIÉRREZ", "RUIZ",    "MENDOZA",
            "AGUILAR",   "ORTIZ",   "MORENO",   "CASTILLO", "ROMERO",    "ÁLVAREZ", "MÉNDEZ",
            "CHÁVEZ",    "RIVERA",  "JUÁREZ",   "RAMOS",    "DOMÍNGUEZ", "PEÑA",    "NÚÑEZ"};
        const char* towns[] = {"GUADALAJARA", "ZAPOPAN",       "TLAQUEPAQUE",     "TONALÁ",
                               "TLAJOMULCO",  "EL SALTO",      "PUERTO VALLARTA", "LAGOS DE MORENO",
                               "TEPATITLÁN",  "CIUDAD GUZMÁN", "OCOTLÁN",         "ARANDAS",
                               "AUTLÁN",      "AMECA"};
        const char* streets[] = {"AV. HIDALGO",      "CALLE MORELOS",  "AV. JUÁREZ",
                                 "CALLE ALLENDE",    "AV. REVOLUCIÓN", "CALLE INDEPENDENCIA",
                                 "AV. LÓPEZ MATEOS", "CALLE ZARAGOZA", "AV. VALLARTA",
                                 "CALLE GUERRERO"};
        std::mt19937 random(20260101);
        auto pick = [&](auto& list) { return QString::fromUtf8(list[random() % std::size(list)]); };
        const QString alnum = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
        rows_.reserve(kRows);
        for (int i = 0; i < kRows; ++i) {
            std::array<QString, kColumns> r;
            r[0] = QStringLiteral("P%1").arg(i + 1, 6, 10, QLatin1Char('0'));
            r[1] = random() % 3 == 0 ? pick(given) + ' ' + pick(given) : pick(given);
            r[2] = pick(surnames);
            r[3] = pick(surnames);
            for (int k = 0; k < 18; ++k)
                r[4] += alnum.at(random() % alnum.size());
            r[5] = QString::number(1000 + random() % 3000);
            r[6] = pick(towns);
            r[7] = pick(towns);
            r[8] = QStringLiteral("%1 #%2").arg(pick(streets)).arg(1 + random() % 3000);
            r[9] =
                QStringLiteral("(33)%1-%2").arg(1000 + random() % 9000).arg(1000 + random() % 9000);
            rows_.push_back(std::move(r));
        }
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kColumns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        return rows_[index.row()][index.column()];
    }
    QVariant headerData(int section, Qt::Orientation, int role) const override {
        static const char* names[] = {"SCodigo",    "SNombre",  "SAPaterno", "SAMaterno",
                                      "SINE",       "Seccion",  "Municipio", "Localidad",
                                      "SDomicilio", "STelefono"};
        return role == Qt::DisplayRole ? QVariant(QString::fromLatin1(names[section])) : QVariant();
    }
    const std::vector<std::array<QString, kColumns>>& rows() const { return rows_; }

private:
    std::vector<std::array<QString, kColumns>> rows_;
};

People& people() {
    static People model;
    return model;
}

/// The plain way: every cell of every row searched with a case-insensitive contains.
int linearScan(const QString& needle) {
    int found = 0;
    for (const auto& row : people().rows())
        for (const QString& cell : row)
            if (cell.contains(needle, Qt::CaseInsensitive)) {
                ++found;
                break;
            }
    return found;
}

/// Seconds of one reference scan, measured once per run (best of five).
double referenceSeconds() {
    static const double best = orva::bench::bestOf(
        5, [] { benchmark::DoNotOptimize(linearScan(QStringLiteral("gonz"))); });
    return best;
}

void report(benchmark::State& state, double perKeystroke) {
    state.counters["ms_per_keystroke"] = perKeystroke * 1000.0;
    state.counters["ratio_to_plain_scan"] = perKeystroke / referenceSeconds();
}

/// Two words in turn, each needing every record looked at again.
QString nextWord(benchmark::IterationCount i) {
    return i % 2 ? QStringLiteral("gonz") : QStringLiteral("rami");
}

/// The reference itself.
void BM_PlainScan(benchmark::State& state) {
    report(state, timeEach(state, [&] {
               benchmark::DoNotOptimize(linearScan(nextWord(state.iterations())));
           }));
}

/// A keystroke that needs every record looked at again (a new word).
void BM_GridKeystrokeAllRows(benchmark::State& state) {
    GridModel model;
    model.setSourceModel(&people());
    model.setFindText(QStringLiteral("x")); // texts built before timing
    int i = 0;
    const double each = timeEach(state, [&] { model.setFindText(nextWord(++i)); });
    state.counters["records_found"] = model.recordCount();
    report(state, each);
}

/// Typing on: the new letter narrows what is displayed.
void BM_GridKeystrokeNarrowing(benchmark::State& state) {
    GridModel model;
    model.setSourceModel(&people());
    report(state, timeEach(
                      state, [&] { model.setFindText(QStringLiteral("a")); },
                      [&] { model.setFindText(QStringLiteral("ar")); }));
}

/// The whole grid widget: find panel, model, tree layout, counter and focus.
void BM_GridViewKeystroke(benchmark::State& state) {
    GridView grid;
    grid.resize(1000, 600);
    grid.setModel(&people());
    grid.show();
    grid.setFindText(QStringLiteral("x"));
    QApplication::processEvents();
    int i = 0;
    const double each = timeEach(state, [&] {
        grid.setFindText(nextWord(++i));
        grid.treeView()->doItemsLayout();
        QApplication::processEvents();
    });
    state.counters["records_found"] = grid.recordCount();
    report(state, each);
}

/// The first keystroke after the list opens also builds every record's search text.
void BM_GridFirstKeystroke(benchmark::State& state) {
    std::unique_ptr<GridModel> model;
    report(state, timeEach(
                      state,
                      [&] {
                          model = std::make_unique<GridModel>();
                          model->setSourceModel(&people());
                      },
                      [&] { model->setFindText(QStringLiteral("g")); }));
}

BENCHMARK(BM_PlainScan)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridKeystrokeAllRows)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridKeystrokeNarrowing)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridViewKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridFirstKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    // The made-up people and the reference are ready before any timing starts, so no
    // benchmark's first iteration pays for them.
    return orva::bench::runGuiBenchmarks(argc, argv, [] {
        people();
        referenceSeconds();
        return true;
    });
}
