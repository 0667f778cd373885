// The report engine without a database: template reading and its errors, expressions and
// display formats, the grid report's bands, pagination with groups and page numbers, and
// stretching rows.
#include "data/errors.h"
#include "platform/report/gridreport.h"
#include "platform/report/reportexpr.h"
#include "platform/report/reportlayout.h"
#include "platform/report/reportpainter.h"
#include "platform/report/reporttemplate.h"
#include "platform/report/tablesource.h"
#include "reporttestkit.h"

#include <QDate>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orva::platform;
using namespace orva::platform::report;
using orva::test::Column;

namespace {

Report GeneralTemplate() {
    orva::test::UseSourceTemplates();
    return ReadTemplate(TemplatePath(kGridTemplate), {kTitleObject, kRuleObject});
}

/// People with a municipality, an amount and a note.
TableSource People(int rows) {
    TableSource source(kGridSourceName, {"SCodigo", "SNombre", "SMunicipio", "NMonto", "SNotas"});
    for (int i = 1; i <= rows; ++i)
        source.addRow({QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0')),
                       QStringLiteral("PERSONA %1").arg(i),
                       i % 3 == 0 ? QStringLiteral("ZAPOPAN") : QStringLiteral("GUADALAJARA"),
                       i * 1000 + 234.5, QStringLiteral("nota %1").arg(i)});
    return source;
}

QList<GridColumnInfo> PeopleColumns() {
    return {Column("SCodigo", "Código", 80), Column("SNombre", "Nombre", 200),
            Column("SMunicipio", "Municipio", 150), Column("NMonto", "Monto", 110, 8),
            Column("SNotas", "Notas", 160, 7)};
}

std::vector<const PreparedBand*> Bands(const PreparedPage& page, BandKind kind) {
    std::vector<const PreparedBand*> out;
    for (const PreparedBand& band : page.bands)
        if (band.kind == kind)
            out.push_back(&band);
    return out;
}

// ------------------------------------------------------------------ templates

struct BrokenTemplate {
    const char* what;
    const char* json; ///< nullptr: no file at all
    const char* message;
};

class TemplateErrors : public testing::TestWithParam<BrokenTemplate> {};

TEST_P(TemplateErrors, RaiseASpanishError) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ReporteGeneral.json");
    if (GetParam().json) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().json);
    }
    try {
        ReadTemplate(path, {kTitleObject, kRuleObject});
        FAIL() << "no error for " << GetParam().what;
    } catch (const orva::data::Exception& e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(GetParam().message)))
            << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
    }
}

#define PAGE_WITH(objects)                                                                         \
    "{\"formato\":\"orva-reporte\",\"paginas\":[{\"bandas\":[{\"tipo\":\"titulo\",\"alto\":40,"    \
    "\"objetos\":[" objects "]}]}]}"
#define TITLE_OBJECT "{\"tipo\":\"texto\",\"nombre\":\"rTitulo\"}"
#define RULE_OBJECT "{\"tipo\":\"linea\",\"nombre\":\"lineainferior\"}"

INSTANTIATE_TEST_SUITE_P(
    Cases, TemplateErrors,
    testing::Values(
        BrokenTemplate{"missing file", nullptr, "No se encontró la plantilla de reporte"},
        BrokenTemplate{"not JSON", "{ esto no es", "no es válida"},
        BrokenTemplate{"another JSON", "{\"paginas\":[]}", "no es una plantilla de reporte"},
        BrokenTemplate{"no pages", "{\"formato\":\"orva-reporte\",\"paginas\":[]}",
                       "no tiene páginas"},
        BrokenTemplate{"without rTitulo", PAGE_WITH(RULE_OBJECT), "no tiene el objeto «rTitulo»"},
        BrokenTemplate{"without lineainferior", PAGE_WITH(TITLE_OBJECT),
                       "no tiene el objeto «lineainferior»"},
        BrokenTemplate{"unknown band",
                       "{\"formato\":\"orva-reporte\",\"paginas\":[{\"bandas\":"
                       "[{\"tipo\":\"cabecera\"}]}]}",
                       "tipo de banda desconocido «cabecera»"},
        BrokenTemplate{
            "bad colour",
            PAGE_WITH(TITLE_OBJECT "," RULE_OBJECT ",{\"tipo\":\"texto\",\"color\":\"azulito\"}"),
            "color no válido"},
        BrokenTemplate{"text size", PAGE_WITH("{\"tipo\":\"texto\",\"alto\":\"diez\"}"),
                       "«alto» debe ser un número"}));

TEST(Template, GeneralTemplateHasItsObjects) {
    Report report = GeneralTemplate();
    ReportObject* title = report.findObject(kTitleObject);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->kind, ObjectKind::Text);
    ReportObject* rule = report.findObject(kRuleObject);
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->kind, ObjectKind::Line);
    ASSERT_EQ(report.pages.size(), 1u);
    EXPECT_DOUBLE_EQ(report.pages[0].paperWidthMm, 215.9);
}

TEST(Template, FolderFromEnvironmentUnlessSet) {
    SetReportsFolder({});
    qputenv("ORVA_REPORTES_DIR", "/tmp/plantillas-orva");
    EXPECT_EQ(TemplatePath("ReporteGeneral"), "/tmp/plantillas-orva/ReporteGeneral.json");
    SetReportsFolder("/otra");
    EXPECT_EQ(ReportsFolder(), "/otra");
    qunsetenv("ORVA_REPORTES_DIR");
    SetReportsFolder({});
    EXPECT_TRUE(ReportsFolder().endsWith("/Reportes"));
}

// ------------------------------------------------------------------ expressions and formats

struct Formatted {
    QVariant value;
    const char* format;
    const char* text;
};

class Formats : public testing::TestWithParam<Formatted> {};

TEST_P(Formats, ShowValues) {
    EXPECT_EQ(FormatValue(GetParam().value, GetParam().format), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cases, Formats,
                         testing::Values(Formatted{1234.5, "%2.2m", "$1,234.50"},
                                         Formatted{1000000, "%2.2m", "$1,000,000.00"},
                                         Formatted{0, "%2.2m", "$0.00"},
                                         Formatted{-5.5, "%2.2m", "-$5.50"},
                                         Formatted{QStringLiteral("1234.5"), "%2.2m", "$1,234.50"},
                                         Formatted{QStringLiteral("JOSÉ"), "%2.2m", "JOSÉ"},
                                         Formatted{QDate(1975, 3, 5), "", "05/03/1975"},
                                         Formatted{QVariant(), "%2.2m", ""},
                                         Formatted{42, "", "42"}));

TEST(Expressions, FieldsPagesAndUnknownText) {
    TableSource people = People(3);
    ExprContext context;
    context.sources.push_back({&people, 2});
    EXPECT_EQ(ExpandText("Municipio: [frxDBDataSet1.\"SMunicipio\"]", context, {}),
              "Municipio: ZAPOPAN");
    EXPECT_EQ(ExpandText("[frxDBDataSet1.NMonto]", context, "%2.2m"), "$3,234.50");
    EXPECT_EQ(ExpandText("[frxDBDataSet1.\"NoExiste\"] y [Otra]", context, {}),
              "[frxDBDataSet1.\"NoExiste\"] y [Otra]");
    const QString footer = ExpandText("Pag. [<Page>] de [<TotalPages>]", context, {});
    EXPECT_TRUE(HasPageMacros(footer));
    EXPECT_EQ(ResolvePageMacros(footer, 2, 5), "Pag. 2 de 5");
    EXPECT_EQ(ResolvePageMacros("[Page#]/[TotalPages#]", 1, 3), "1/3");
    EXPECT_FALSE(HasPageMacros("sin páginas"));
}

// ------------------------------------------------------------------ the grid report

TEST(GridReport, BandsObjectsAndSortText) {
    Report report = GeneralTemplate();
    QList<GridColumnInfo> visible = PeopleColumns();
    visible[0].sort = SortState::Ascending;
    QList<GridColumnInfo> grouped = {
        Column("SMunicipio", "Municipio", 150, 0, SortState::Ascending),
        Column("SNombre", "Nombre", 200, 0, SortState::Descending),
        Column("SNotas", "Notas", 160, 0, SortState::Ascending)};
    const QString sort = BuildGridReport(report, visible, grouped, "Catálogo de Partidos");
    EXPECT_EQ(sort, "SMunicipio asc,SNombre desc,SNotas asc,SCodigo asc,SNombre desc,"
                    "SMunicipio desc,NMonto desc,SNotas desc");
    EXPECT_EQ(report.findObject(kTitleObject)->text, "Catálogo de Partidos");

    const ReportPage& page = report.pages.back();
    const Band* header = nullptr;
    std::vector<const Band*> groups;
    const Band* master = nullptr;
    int footers = 0;
    for (const Band& band : page.bands) {
        if (band.kind == BandKind::ColumnHeader)
            header = &band;
        if (band.kind == BandKind::GroupHeader)
            groups.push_back(&band);
        if (band.kind == BandKind::MasterData)
            master = &band;
        footers += band.kind == BandKind::GroupFooter && band.height == 0;
    }
    ASSERT_NE(header, nullptr);
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(footers, 3);

    // Captions: Arial 9 dark blue, one per column at the running edge; the rule under them.
    ASSERT_EQ(header->objects.size(), 6u);
    EXPECT_EQ(header->objects[0].text, "Código");
    EXPECT_EQ(header->objects[0].font.family(), "Arial");
    EXPECT_EQ(header->objects[0].font.pointSizeF(), 9);
    EXPECT_EQ(header->objects[0].color, QColor(0, 1, 94));
    EXPECT_EQ(header->top, 500);
    EXPECT_EQ(header->height, 25);
    EXPECT_TRUE(header->stretch);
    EXPECT_EQ(header->objects[0].bounds, QRectF(-1, 2, 80, 25));
    EXPECT_EQ(header->objects[1].bounds, QRectF(79, 2, 200, 25));
    EXPECT_EQ(header->objects[1].hAlign, HAlign::Left);
    EXPECT_EQ(header->objects[5].name, kRuleObject);
    EXPECT_EQ(header->objects[5].bounds.top(), 35);
    EXPECT_TRUE(header->objects[5].fullWidth);
    EXPECT_EQ(report.findObject(kRuleObject), &header->objects[5]); // moved, not copied

    // Group headers: caption, colon and the field; greys by level.
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0]->condition, "frxDBDataSet1.\"SMunicipio\"");
    EXPECT_EQ(groups[0]->objects[0].text, "Municipio: [frxDBDataSet1.\"SMunicipio\"]");
    EXPECT_EQ(groups[0]->objects[0].fill, QColor(224, 224, 224));
    EXPECT_EQ(groups[1]->objects[0].fill, QColor(177, 177, 177));
    EXPECT_EQ(groups[2]->objects[0].fill, QColor(208, 214, 215));
    EXPECT_EQ(groups[0]->objects[0].font.pointSizeF(), 10);
    for (std::size_t level = 0; level < groups.size(); ++level) {
        SCOPED_TRACE(level);
        EXPECT_EQ(groups[level]->top, 525 + 25 * static_cast<double>(level));
        EXPECT_EQ(groups[level]->height, 25);
        ASSERT_EQ(groups[level]->objects.size(), 1u);
        const ReportObject& texto = groups[level]->objects[0];
        EXPECT_EQ(texto.bounds.height(), 25);
        EXPECT_TRUE(texto.fullWidth);
        EXPECT_EQ(texto.stretch, StretchMode::MaxHeight);
        EXPECT_EQ(texto.hAlign, HAlign::Left);
        EXPECT_EQ(texto.font.family(), "Arial");
    }

    // Data cells: bound to their fields, bottom frame, money and justified by tag.
    ASSERT_EQ(master->objects.size(), 5u);
    EXPECT_GE(master->height, 30);
    EXPECT_EQ(master->top, 600); // right below the three group headers
    EXPECT_EQ(master->dataSet, kGridSourceName);
    EXPECT_TRUE(master->stretch);
    EXPECT_EQ(master->objects[1].bounds.left(), 79);
    EXPECT_EQ(master->objects[1].bounds.top(), 0);
    EXPECT_EQ(master->objects[1].bounds.width(), 200);
    EXPECT_EQ(master->objects[1].dataSet, kGridSourceName);
    EXPECT_EQ(master->objects[1].stretch, StretchMode::MaxHeight);
    EXPECT_EQ(master->objects[1].font.pointSizeF(), 9);
    EXPECT_EQ(master->objects[1].frame.style, Qt::SolidLine);
    EXPECT_EQ(master->objects[3].dataField, "NMonto");
    EXPECT_EQ(master->objects[3].displayFormat, "%2.2m");
    EXPECT_EQ(master->objects[4].hAlign, HAlign::Justify);
    EXPECT_EQ(master->objects[0].hAlign, HAlign::Left);
    EXPECT_TRUE(master->objects[0].displayFormat.isEmpty());
    EXPECT_TRUE(master->objects[0].frame.bottom && !master->objects[0].frame.top);
    EXPECT_DOUBLE_EQ(master->objects[0].frame.width, 0.5);
}

TEST(GridReport, ColumnsWithoutAFieldStayOutOfTheDatasetOrder) {
    Report report = GeneralTemplate();
    const QString sort =
        BuildGridReport(report,
                        {Column("SCodigo", "Código", 80), Column("", "Sin campo", 80),
                         Column("SOtro", "Otro", 80, 0, SortState::Ascending)},
                        {}, "x");
    EXPECT_EQ(sort, "SCodigo desc, desc,SOtro asc");
    EXPECT_EQ(DatasetOrder(sort, {"scodigo", "SOtro"}), "SCodigo desc, SOtro asc");
    EXPECT_EQ(DatasetOrder(sort, {"SCodigo"}), "SCodigo desc"); // no such field in the dataset
}

struct Widths {
    int total;
    bool landscape;
};

class Orientation : public testing::TestWithParam<Widths> {};

TEST_P(Orientation, FollowsTheWidthOfTheColumns) {
    Report report = GeneralTemplate();
    QList<GridColumnInfo> columns;
    for (int i = 0; i < 4; ++i)
        columns << Column(QStringLiteral("C%1").arg(i), "C", GetParam().total / 4);
    BuildGridReport(report, columns, {}, "x");
    EXPECT_EQ(report.pages.front().landscape, GetParam().landscape);
    // Whatever the width, the cells end inside the margins.
    const ReportPage& page = report.pages.back();
    for (const Band& band : page.bands)
        if (band.kind == BandKind::MasterData) {
            EXPECT_LE(band.objects.back().bounds.right(), page.printableWidth() + 0.01);
        }
}

INSTANTIATE_TEST_SUITE_P(Cases, Orientation,
                         testing::Values(Widths{400, false}, Widths{736, false}, Widths{800, true},
                                         Widths{1600, true}));

// ------------------------------------------------------------------ pages

TEST(Layout, PagesGroupsAndPageNumbers) {
    auto report = std::make_shared<Report>(GeneralTemplate());
    BuildGridReport(*report, PeopleColumns(),
                    {Column("SMunicipio", "Municipio", 150, 0, SortState::Ascending)}, "Apoyos");
    // The rows as the dataset would give them: by municipality, then the rest.
    TableSource source = People(90);
    TableSource ordered(kGridSourceName, {"SCodigo", "SNombre", "SMunicipio", "NMonto", "SNotas"});
    for (const char* town : {"GUADALAJARA", "ZAPOPAN"})
        for (int r = 0; r < source.rowCount(); ++r)
            if (source.value(r, 2).toString() == town)
                ordered.addRow({source.value(r, 0), source.value(r, 1), source.value(r, 2),
                                source.value(r, 3), source.value(r, 4)});

    const PreparedReport prepared = PrepareReport(report, {&ordered});
    const int pages = static_cast<int>(prepared.pages.size());
    ASSERT_GE(pages, 3);
    int rows = 0, groups = 0;
    QStringList groupTexts;
    for (int p = 0; p < pages; ++p) {
        const PreparedPage& page = prepared.pages[static_cast<std::size_t>(p)];
        EXPECT_EQ(Bands(page, BandKind::ReportTitle).size(), p == 0 ? 1u : 0u);
        EXPECT_EQ(Bands(page, BandKind::ColumnHeader).size(), 1u) << "page " << p + 1;
        const auto footer = Bands(page, BandKind::PageFooter);
        ASSERT_EQ(footer.size(), 1u);
        EXPECT_EQ(footer[0]->items[1].text, QStringLiteral("Pag. %1 de %2").arg(p + 1).arg(pages));
        const double limit = footer[0]->rect.top();
        for (const PreparedBand* band : Bands(page, BandKind::MasterData)) {
            EXPECT_LE(band->rect.bottom(), limit + 0.01);
            ++rows;
        }
        for (const PreparedBand* band : Bands(page, BandKind::GroupHeader)) {
            groupTexts << band->items[0].text;
            ++groups;
        }
    }
    EXPECT_EQ(rows, 90);
    EXPECT_EQ(groups, 2);
    EXPECT_EQ(groupTexts, QStringList({"Municipio: GUADALAJARA", "Municipio: ZAPOPAN"}));
    // The money column in its format.
    const PreparedBand* first = Bands(prepared.pages[0], BandKind::MasterData)[0];
    EXPECT_EQ(first->items[3].text, "$1,234.50");
    EXPECT_EQ(first->items[3].value.toDouble(), 1234.5);
}

TEST(Layout, LongTextStretchesTheWholeRow) {
    auto report = std::make_shared<Report>(GeneralTemplate());
    BuildGridReport(*report, PeopleColumns(), {}, "Notas");
    TableSource source(kGridSourceName, {"SCodigo", "SNombre", "SMunicipio", "NMonto", "SNotas"});
    source.addRow({"A001", "CORTO", "ZAPOPAN", 1.0, "breve"});
    source.addRow(
        {"A002", "LARGO", "ZAPOPAN", 2.0,
         QString("Una nota larga que no cabe en una sola línea de la columna ").repeated(4)});
    const PreparedReport prepared = PrepareReport(report, {&source});
    const auto rows = Bands(prepared.pages[0], BandKind::MasterData);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_DOUBLE_EQ(rows[0]->rect.height(), 30);
    EXPECT_GT(rows[1]->rect.height(), 60);
    for (const PreparedItem& cell : rows[1]->items) // every cell as tall as the row
        EXPECT_DOUBLE_EQ(cell.rect.bottom(), rows[1]->rect.bottom());
    EXPECT_DOUBLE_EQ(rows[1]->rect.top(), rows[0]->rect.bottom());
}

TEST(Layout, NoRowsStillOnePageWithTitleAndCaptions) {
    auto report = std::make_shared<Report>(GeneralTemplate());
    BuildGridReport(*report, PeopleColumns(), {Column("SMunicipio", "Municipio", 150)}, "Vacío");
    TableSource empty(kGridSourceName, {"SCodigo"});
    const PreparedReport prepared = PrepareReport(report, {&empty});
    ASSERT_EQ(prepared.pages.size(), 1u);
    EXPECT_EQ(Bands(prepared.pages[0], BandKind::ColumnHeader).size(), 1u);
    EXPECT_TRUE(Bands(prepared.pages[0], BandKind::GroupHeader).empty());
    EXPECT_TRUE(Bands(prepared.pages[0], BandKind::MasterData).empty());
}

TEST(Printer, EveryPageInItsOrientation) {
    // The printer path draws with QPainter; a printer writing to a file shows what it got.
    auto report = std::make_shared<Report>(GeneralTemplate());
    QList<GridColumnInfo> wide = PeopleColumns();
    wide[1].width = 400;
    BuildGridReport(*report, wide, {}, "Apoyos");
    ASSERT_TRUE(report->pages.front().landscape);
    TableSource source = People(60);
    const PreparedReport prepared = PrepareReport(report, {&source});
    ASSERT_GE(prepared.pages.size(), 2u);

    QTemporaryDir dir;
    const QString path = dir.filePath("impreso.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    PrintPages(prepared, printer, 2, 0);
    EXPECT_EQ(orva::test::PdfPages(path), static_cast<int>(prepared.pages.size()) - 1);
    const QSizeF size = orva::test::PdfPageSize(path);
    EXPECT_GT(size.width(), size.height());
    const QString text = orva::test::PdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("Pag. 2 de %1").arg(prepared.pages.size())));
    EXPECT_FALSE(text.contains("Pag. 1 de"));
}

TEST(Layout, MissingSourceIsAnError) {
    auto report = std::make_shared<Report>(GeneralTemplate());
    BuildGridReport(*report, PeopleColumns(), {}, "x");
    TableSource other("otro", {"SCodigo"});
    EXPECT_THROW(PrepareReport(report, {&other}), orva::data::Exception);
}

} // namespace
