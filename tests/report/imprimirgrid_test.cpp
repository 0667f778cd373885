// Printing a grid over a real dataset: the report as a PDF read back with poppler's
// tools, the page orientation, the order given to the dataset, the template's faults,
// and the preview's exports.
#include "data/dataset.h"
#include "data/dbconnection.h"
#include "data/errors.h"
#include "datatest.h"
#include "platform/dataset/datasetmodel.h"
#include "platform/dialogs/scripteddialogs.h"
#include "platform/grid/gridview.h"
#include "platform/report/imprimirgrid.h"
#include "platform/report/pdfwriter.h"
#include "platform/report/reportpresenter.h"
#include "platform/report/reportpreview.h"
#include "platform/report/reporttemplate.h"
#include "reporttestkit.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

using namespace orva::platform;
using namespace orva::platform::report;
using orva::data::Dataset;
using orva::data::DbConnection;
using orva::test::Count;

namespace {

const std::string dbName = "t_report_imprimirgrid";
constexpr int kRows = 40;
const QString kTitle = QStringLiteral("Reporte de Apoyos");

/// Forty deliveries: odd keys in GUADALAJARA, even ones in ZAPOPAN; amount key*1000+234.50.
std::string Fixture() {
    std::string sql = R"sql(
DROP TABLE IF EXISTS apoyos_reporte;
CREATE TABLE apoyos_reporte (
  IdApoyo INT NOT NULL PRIMARY KEY,
  SCodigo VARCHAR(10) NOT NULL,
  SNombre VARCHAR(60) NOT NULL,
  SMunicipio VARCHAR(40) NOT NULL,
  NMonto DECIMAL(12,2) NULL,
  SNotas VARCHAR(200) NULL
) ENGINE=InnoDB;
INSERT INTO apoyos_reporte VALUES
)sql";
    for (int i = 1; i <= kRows; ++i) {
        char row[200];
        std::snprintf(row, sizeof row, "(%d, 'A%03d', 'PERSONA %d', '%s', %d234.50, 'nota %d')%s\n",
                      i, i, i, i % 2 ? "GUADALAJARA" : "ZAPOPAN", i, i, i < kRows ? "," : ";");
        sql += row;
    }
    return sql;
}

GridColumn Col(const QString& field, const QString& caption, int width, int tag = 0) {
    GridColumn c;
    c.fieldName = field;
    c.caption = caption;
    c.width = width;
    c.tag = tag;
    return c;
}

class ImprimirGridTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        orva::test::createDatabase(dbName);
        orva::test::runSql(dbName, Fixture());
    }

    void SetUp() override {
        orva::test::UseSourceTemplates();
        orva::test::configure(link, dbName);
        link.connect();
        ds.setSql("select * from apoyos_reporte order by IdApoyo");
        ds.open();
        grid.setModel(&model);
        grid.setAutoColumnWidths(false);
        previous = SetPresenter([this](const PreparedReport& report) {
            ++presented;
            shown = report;
            if (onShow)
                onShow(report);
        });
        previousDialogs = installDialogs(std::unique_ptr<Dialogs>(scripted));
    }

    void TearDown() override {
        SetPresenter(previous);
        installDialogs(std::move(previousDialogs));
        SetReportsFolder({});
    }

    void Columns(const QList<GridColumn>& columns) {
        grid.setColumns(columns);
        grid.setAutoColumnWidths(false);
    }

    /// The usual list: code, name, municipality, money.
    void DeliveryColumns() {
        Columns({Col("SCodigo", "Código", 80), Col("SNombre", "Nombre", 220),
                 Col("SMunicipio", "Municipio", 150), Col("NMonto", "Monto", 120, 8)});
    }

    /// Prints the grid and gives the PDF of what the preview would have shown.
    QString PrintToPdf(const QString& name) {
        const QString path = dir.filePath(name + ".pdf");
        onShow = [path](const PreparedReport& report) { WritePdf(report, path); };
        ImprimirGrid(grid, kTitle);
        onShow = nullptr;
        return path;
    }

    QTemporaryDir dir;
    DbConnection link;
    Dataset ds{&link};
    DatasetModel model{&ds};
    GridView grid;
    int presented = 0;
    std::optional<PreparedReport> shown;
    std::function<void(const PreparedReport&)> onShow;
    Presenter previous;
    ScriptedDialogs* scripted = new ScriptedDialogs;
    std::unique_ptr<Dialogs> previousDialogs;
};

TEST_F(ImprimirGridTest, GroupedListWithMoneyAsPdf) {
    DeliveryColumns();
    grid.setGroupColumns({grid.column("SMunicipio")});
    const QString pdf = PrintToPdf("agrupado");
    ASSERT_EQ(presented, 1);

    const QString text = orva::test::PdfText(pdf);
    const int pages = orva::test::PdfPages(pdf);
    ASSERT_GE(pages, 2) << text.toStdString();
    EXPECT_EQ(pages, static_cast<int>(shown->pages.size()));
    EXPECT_EQ(Count(text, kTitle), 1) << text.toStdString(); // the title band, first page only
    // The captions on every page ("Municipio" also heads the two groups).
    for (const char* caption : {"Código", "Nombre", "Monto"})
        EXPECT_EQ(Count(text, QString::fromUtf8(caption)), pages) << caption;
    EXPECT_EQ(Count(text, "Municipio"), pages + 2);
    EXPECT_EQ(Count(text, "Municipio: GUADALAJARA"), 1);
    EXPECT_EQ(Count(text, "Municipio: ZAPOPAN"), 1);
    EXPECT_TRUE(text.contains("$1,234.50"));
    EXPECT_TRUE(text.contains("$40,234.50"));
    for (int p = 1; p <= pages; ++p)
        EXPECT_EQ(Count(text, QStringLiteral("Pag. %1 de %2").arg(p).arg(pages)), 1) << p;

    // Groups in ascending order, rows inside them by code descending.
    const auto at = [&](const char* s) { return text.indexOf(QString::fromUtf8(s)); };
    EXPECT_LT(at("Municipio: GUADALAJARA"), at("A039"));
    EXPECT_LT(at("A039"), at("A037"));
    EXPECT_LT(at("A001"), at("Municipio: ZAPOPAN"));
    EXPECT_LT(at("Municipio: ZAPOPAN"), at("A040"));
    EXPECT_EQ(ds.orderBy(),
              "SMunicipio asc, SCodigo desc, SNombre desc, SMunicipio asc, NMonto desc");
}

struct PageCase {
    const char* name;
    int columns;
    int width;
    bool landscape;
};

class Orientation : public ImprimirGridTest, public testing::WithParamInterface<PageCase> {};

TEST_P(Orientation, FollowsTheGridsWidth) {
    const char* fields[] = {"IdApoyo", "SCodigo", "SNombre", "SMunicipio", "NMonto", "SNotas"};
    QList<GridColumn> columns;
    for (int i = 0; i < GetParam().columns; ++i)
        columns << Col(fields[i], fields[i], GetParam().width);
    Columns(columns);
    const QSizeF size = orva::test::PdfPageSize(PrintToPdf(GetParam().name));
    ASSERT_TRUE(size.isValid());
    EXPECT_EQ(size.width() > size.height(), GetParam().landscape)
        << size.width() << " x " << size.height();
    EXPECT_NEAR(std::max(size.width(), size.height()), 792, 1); // letter
}

INSTANTIATE_TEST_SUITE_P(Cases, Orientation,
                         testing::Values(PageCase{"angosta", 3, 100, false},
                                         PageCase{"ancha", 6, 160, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImprimirGridTest, UnsortedGridPrintsByEveryVisibleColumnDescending) {
    Columns({Col("SMunicipio", "Municipio", 150), Col("SCodigo", "Código", 80)});
    const QString text = orva::test::PdfText(PrintToPdf("sin_orden"));
    EXPECT_EQ(ds.orderBy(), "SMunicipio desc, SCodigo desc");
    // ZAPOPAN before GUADALAJARA, codes descending inside each.
    EXPECT_LT(text.indexOf("A040"), text.indexOf("A038"));
    EXPECT_LT(text.indexOf("A002"), text.indexOf("A039"));
    EXPECT_LT(text.indexOf("A039"), text.indexOf("A001"));
    // The dataset keeps the order after printing, and the rows follow it.
    ds.first();
    EXPECT_EQ(ds.value("SCodigo").toString(), "A040");
    EXPECT_EQ(grid.visibleColumns()[0].sort, SortState::None);
}

TEST_F(ImprimirGridTest, SortedColumnPrintsAscending) {
    DeliveryColumns();
    grid.sortBy(grid.column("NMonto"), SortState::Ascending);
    PrintToPdf("ordenado");
    EXPECT_EQ(ds.orderBy(), "SCodigo desc, SNombre desc, SMunicipio desc, NMonto asc");
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->pages[0].bands[2].kind, BandKind::MasterData);
    EXPECT_EQ(shown->pages[0].bands[2].items[0].text, "A040");
}

TEST_F(ImprimirGridTest, PrintsOnlyTheRowsTheGridShows) {
    DeliveryColumns();
    grid.setFindText("PERSONA 1");
    ASSERT_GT(grid.recordCount(), 0);
    ASSERT_LT(grid.recordCount(), kRows);
    PrintToPdf("filtrado");
    int rows = 0;
    for (const PreparedPage& page : shown->pages)
        for (const PreparedBand& band : page.bands)
            rows += band.kind == BandKind::MasterData;
    EXPECT_EQ(rows, grid.recordCount());
}

struct TemplateFault {
    const char* name;
    const char* json; ///< nullptr: no template file
    const char* message;
};

class TemplateFaults : public ImprimirGridTest,
                       public testing::WithParamInterface<TemplateFault> {};

TEST_P(TemplateFaults, RaiseAndShowNothing) {
    DeliveryColumns();
    QTemporaryDir folder;
    if (GetParam().json) {
        QFile file(folder.filePath("ReporteGeneral.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().json);
    }
    SetReportsFolder(folder.path());
    try {
        ImprimirGrid(grid, kTitle);
        FAIL() << "no error";
    } catch (const orva::data::Exception& e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(GetParam().message)))
            << e.message().toStdString();
    }
    EXPECT_EQ(presented, 0);
    EXPECT_TRUE(ds.orderBy().isEmpty()); // nothing happened to the dataset either
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TemplateFaults,
    testing::Values(
        TemplateFault{"sin_archivo", nullptr, "No se encontró la plantilla de reporte"},
        TemplateFault{"ilegible", "\x01\x02 basura", "no es válida"},
        TemplateFault{"sin_titulo",
                      "{\"formato\":\"orva-reporte\",\"paginas\":[{\"bandas\":[{\"tipo\":"
                      "\"titulo\",\"alto\":40,\"objetos\":[{\"tipo\":\"linea\",\"nombre\":"
                      "\"lineainferior\"}]}]}]}",
                      "no tiene el objeto «rTitulo»"},
        TemplateFault{"sin_linea",
                      "{\"formato\":\"orva-reporte\",\"paginas\":[{\"bandas\":[{\"tipo\":"
                      "\"titulo\",\"alto\":40,\"objetos\":[{\"tipo\":\"texto\",\"nombre\":"
                      "\"rTitulo\"}]}]}]}",
                      "no tiene el objeto «lineainferior»"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImprimirGridTest, GridWithoutDatasetIsAnError) {
    GridView other;
    EXPECT_THROW(ImprimirGrid(other, kTitle), orva::data::Exception);
    EXPECT_EQ(presented, 0);
}

// ------------------------------------------------------------------ the preview

class PreviewTest : public ImprimirGridTest {
protected:
    /// Prints the grouped list and runs `check` on its preview window.
    void WithPreview(const std::function<void(ReportPreview&)>& check) {
        DeliveryColumns();
        grid.setGroupColumns({grid.column("SMunicipio")});
        onShow = [&](const PreparedReport& report) {
            ReportPreview preview(report);
            check(preview);
        };
        ImprimirGrid(grid, kTitle);
        onShow = nullptr;
        ASSERT_EQ(presented, 1);
    }

    QString Export(ReportPreview& preview, ExportFormat format, const QString& name) {
        const QString path = dir.filePath(name);
        scripted->answerFile(path);
        EXPECT_TRUE(preview.exportTo(format)) << name.toStdString();
        return path;
    }
};

TEST_F(PreviewTest, OpensModalAtItsZoomAndTurnsPages) {
    WithPreview([](ReportPreview& preview) {
        EXPECT_TRUE(preview.isModal());
        EXPECT_DOUBLE_EQ(preview.zoom(), 1.25);
        ASSERT_GE(preview.pageCount(), 2);
        EXPECT_EQ(preview.currentPage(), 1);
        preview.showPage(2);
        EXPECT_EQ(preview.currentPage(), 2);
        preview.showPage(99);
        EXPECT_EQ(preview.currentPage(), preview.pageCount());
        // The page is drawn on the window: paper with dark text on it.
        QWidget* page = preview.findChild<QScrollArea*>()->widget();
        const QImage paper = page->grab().toImage();
        EXPECT_GT(paper.width(), 816); // letter width at 96 dpi, zoomed 1.25
        int dark = 0;
        for (int y = 24; y < paper.height() - 24; y += 3) // inside the paper's edges
            for (int x = 24; x < paper.width() - 24; x += 3)
                dark += qGray(paper.pixel(x, y)) < 100;
        EXPECT_GT(dark, 100);
        // Ctrl+ zooms in.
        QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier);
        EXPECT_DOUBLE_EQ(preview.zoom(), 1.25 * 1.25);
        EXPECT_GT(page->width(), paper.width());
    });
}

TEST_F(PreviewTest, CsvWithSemicolons) {
    WithPreview([&](ReportPreview& preview) {
        const QByteArray csv =
            orva::test::ReadBytes(Export(preview, ExportFormat::Csv, "lista.csv"));
        ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF")); // UTF-8 byte-order mark
        const QStringList lines = QString::fromUtf8(csv.mid(3)).split("\r\n", Qt::SkipEmptyParts);
        ASSERT_GE(lines.size(), 4);
        EXPECT_TRUE(lines[0].startsWith(kTitle + ";Impreso el ")) << lines[0].toStdString();
        EXPECT_EQ(lines[1], "Código;Nombre;Municipio;Monto");
        EXPECT_EQ(lines.count("Código;Nombre;Municipio;Monto"), 1); // once, not per page
        EXPECT_EQ(lines[2], "Municipio: GUADALAJARA");
        EXPECT_EQ(lines[3], "A039;PERSONA 39;GUADALAJARA;$39,234.50");
        EXPECT_TRUE(lines.contains("Municipio: ZAPOPAN"));
        EXPECT_TRUE(lines.contains("A002;PERSONA 2;ZAPOPAN;$2,234.50"));
        EXPECT_EQ(lines.size(), 2 + 2 + kRows);
    });
}

TEST_F(PreviewTest, HtmlAndPlainText) {
    WithPreview([&](ReportPreview& preview) {
        const QString html =
            orva::test::ReadText(Export(preview, ExportFormat::Html, "lista.html"));
        EXPECT_TRUE(html.contains("<title>Reporte de Apoyos</title>"));
        EXPECT_EQ(Count(html, "class=\"pagina\""), preview.pageCount());
        EXPECT_TRUE(html.contains(">Municipio: ZAPOPAN</div>"));
        EXPECT_TRUE(html.contains(">$1,234.50</div>"));
        EXPECT_TRUE(html.contains("background:#e0e0e0")); // the group's grey

        // No extension typed: the format's own is added.
        scripted->answerFile(dir.filePath("lista"));
        ASSERT_TRUE(preview.exportTo(ExportFormat::Text));
        const QString text = orva::test::ReadText(dir.filePath("lista.txt"));
        EXPECT_EQ(Count(text, "\f"), preview.pageCount() - 1);
        EXPECT_TRUE(text.contains(QStringLiteral("Pag. 1 de %1").arg(preview.pageCount())));
        const QStringList lines = text.split('\n');
        const auto row = std::find_if(lines.begin(), lines.end(),
                                      [](const QString& l) { return l.startsWith("A039"); });
        ASSERT_NE(row, lines.end());
        EXPECT_TRUE(row->contains("PERSONA 39"));
        EXPECT_TRUE(row->endsWith("$39,234.50"));
    });
}

TEST_F(PreviewTest, PdfPicturesAndWorkbook) {
    WithPreview([&](ReportPreview& preview) {
        const QString pdf = Export(preview, ExportFormat::Pdf, "lista.pdf");
        EXPECT_EQ(orva::test::PdfPages(pdf), preview.pageCount());

        const QString png = Export(preview, ExportFormat::Png, "lista.png");
        QImage first(png), second(dir.filePath("lista_2.png"));
        EXPECT_EQ(first.size(), QSize(1275, 1650)); // letter at 150 dpi
        EXPECT_FALSE(second.isNull());
        EXPECT_FALSE(QImage(Export(preview, ExportFormat::Jpeg, "lista.jpg")).isNull());

        const QByteArray xls =
            orva::test::ReadBytes(Export(preview, ExportFormat::Xls, "lista.xls"));
        EXPECT_TRUE(xls.startsWith("\xD0\xCF\x11\xE0")) << "not a compound file";
    });
}

TEST_F(PreviewTest, CancelledOrFailedExport) {
    WithPreview([&](ReportPreview& preview) {
        scripted->answerCancel();
        EXPECT_FALSE(preview.exportTo(ExportFormat::Csv));
        scripted->answerFile("/no/existe/carpeta/lista.csv");
        EXPECT_FALSE(preview.exportTo(ExportFormat::Csv));
        ASSERT_EQ(scripted->texts(DialogKind::Error).size(), 1);
        EXPECT_TRUE(scripted->texts(DialogKind::Error)[0].startsWith(
            "No se puede escribir el archivo «/no/existe/carpeta/lista.csv»"));
    });
}

} // namespace
