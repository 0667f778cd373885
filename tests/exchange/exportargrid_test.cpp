// Exporting a grid over a real dataset: the save dialog and the question answered by the
// scripted dialogs, the file read back (FreeXL and a record scan for .xls, libzip for
// .xlsx) with captions, values, cell types and formats, group rows and every record.
#include "data/dataset.h"
#include "data/dbconnection.h"
#include "data/errors.h"
#include "datatest.h"
#include "exchange/exportargrid.h"
#include "freexlreader.h"
#include "platform/dataset/datasetmodel.h"
#include "platform/dialogs/scripteddialogs.h"
#include "platform/grid/gridview.h"
#include "recordscan.h"
#include "xlsxread.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <freexl.h>
#include <gtest/gtest.h>

using namespace orva::platform;
using orva::data::Dataset;
using orva::data::DbConnection;
using orva::exchange::ExportarGridExcel;
using orva::xls::test::FreeXlBook;
using orva::xls::test::RecordScan;

namespace {

const std::string dbName = "t_exchange_exportargrid";
const QString question = QStringLiteral("¿Desea abrir el documento de excel exportado?");

const char* fixture = R"sql(
DROP TABLE IF EXISTS export_prueba;
CREATE TABLE export_prueba (
  IdPersona INT NOT NULL PRIMARY KEY,
  SNombre VARCHAR(60) NOT NULL,
  SEstado VARCHAR(40) NOT NULL,
  DNacimiento DATE NULL,
  NApoyo DECIMAL(12,2) NULL,
  NCuota DECIMAL(12,2) NULL,
  IVigencia INT NULL
) ENGINE=InnoDB;
INSERT INTO export_prueba VALUES
  (1, 'JOSÉ PÉREZ', 'JALISCO', '1980-05-01', 1500.50, 10.25, 2030),
  (2, 'MARÍA NÚÑEZ', 'JALISCO', '1990-12-25', 200, 0.5, 2028),
  (3, 'JUAN PEÑA', 'COLIMA', '1975-03-05', 50.25, 1234.5, 2031),
  (4, 'ANA GARCÍA', 'NAYARIT', NULL, NULL, NULL, NULL),
  (5, 'JOSEFA RUIZ', 'COLIMA', '1985-07-15', 1000000, 3, 2030);
)sql";

/// Caption row, then the records in key order, as FreeXL reads the names.
const QStringList captions{"Nombre", "Estado", "Nacimiento", "Apoyo", "Cuota", "Vigencia"};
const QStringList names{"JOSÉ PÉREZ", "MARÍA NÚÑEZ", "JUAN PEÑA", "ANA GARCÍA", "JOSEFA RUIZ"};

class ExportarGridTest : public testing::Test {
protected:
    static void SetUpTestSuite() { orva::test::createDatabase(dbName); }

    void SetUp() override {
        orva::test::runSql(dbName, fixture);
        orva::test::configure(link, dbName);
        link.connect();
        open(QStringLiteral("select * from export_prueba order by IdPersona"));
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        previous = installDialogs(std::move(scripted));
    }
    void TearDown() override { installDialogs(std::move(previous)); }

    void open(const QString& sql) {
        ds.setSql(sql);
        ds.open();
        grid.setModel(&model);
        GridColumn money = column("NApoyo", "Apoyo");
        money.tag = 8;
        GridColumn amount = column("NCuota", "Cuota");
        amount.displayFormat = "#,##0.00";
        GridColumn hidden = column("IdPersona", "Clave");
        hidden.visible = false;
        grid.setColumns({hidden, column("SNombre", "Nombre"), column("SEstado", "Estado"),
                         column("DNacimiento", "Nacimiento"), money, amount,
                         column("IVigencia", "Vigencia")});
        grid.resize(900, 400);
        grid.show();
    }

    static GridColumn column(const QString& field, const QString& caption) {
        GridColumn c;
        c.fieldName = field;
        c.caption = caption;
        return c;
    }

    /// Exports with the save dialog answered `typed` and the question answered Yes or No.
    void exportAs(const QString& typed, bool open = false) {
        dialogs->answerFile(typed);
        if (open)
            dialogs->answerYes();
        else
            dialogs->answerNo();
        ExportarGridExcel(grid);
        EXPECT_EQ(dialogs->pendingAnswers(), 0);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList files() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    /// Column A of the first sheet, as text.
    static QStringList firstColumn(FreeXlBook& book) {
        QStringList out;
        for (unsigned r = 0; r < book.rows(); ++r)
            out << book.cell(r, 0).text;
        return out;
    }

    DbConnection link;
    Dataset ds{&link};
    DatasetModel model{&ds};
    GridView grid;
    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<Dialogs> previous;
    QTemporaryDir dir;
};

TEST_F(ExportarGridTest, WritesCaptionsValuesAndTypesOfTheVisibleColumns) {
    grid.setCurrentSourceRow(2); // one record focused and selected: all are exported
    exportAs(path("lista"));

    ASSERT_EQ(dialogs->shown().size(), 2);
    EXPECT_EQ(dialogs->shown()[0].kind, DialogKind::SaveFile);
    EXPECT_TRUE(dialogs->shown()[0].text.contains("Libro de Excel 97-2003|*.xls"));
    EXPECT_TRUE(dialogs->shown()[0].text.contains("Libro de Excel|*.xlsx"));
    EXPECT_EQ(dialogs->shown()[1].kind, DialogKind::Confirm);
    EXPECT_EQ(dialogs->shown()[1].text, question);
    EXPECT_TRUE(dialogs->texts(DialogKind::OpenDocument).isEmpty()); // "No": written, unopened

    FreeXlBook book(path("lista.xls"));
    book.select(0);
    ASSERT_EQ(book.rows(), 6u);
    ASSERT_EQ(book.columns(), 6u);
    for (int c = 0; c < captions.size(); ++c)
        EXPECT_EQ(book.cell(0, c).text, captions[c]);
    EXPECT_EQ(firstColumn(book).mid(1), names);
    EXPECT_EQ(book.cell(1, 1).text, "JALISCO");
    EXPECT_EQ(book.cell(1, 2).type, FREEXL_CELL_DATE);
    EXPECT_EQ(book.cell(1, 2).text, "1980-05-01");
    EXPECT_DOUBLE_EQ(book.cell(1, 3).number, 1500.5);
    EXPECT_DOUBLE_EQ(book.cell(5, 3).number, 1000000);
    EXPECT_DOUBLE_EQ(book.cell(3, 4).number, 1234.5);
    EXPECT_EQ(book.cell(1, 5).type, FREEXL_CELL_INT);
    EXPECT_EQ(book.cell(1, 5).number, 2030);
    for (int c = 2; c < 6; ++c) // NULL values leave the cells empty
        EXPECT_EQ(book.cell(4, c).type, FREEXL_CELL_NULL) << c;

    RecordScan scan(path("lista.xls"));
    EXPECT_EQ(scan.sheetNames(), QStringList{"Hoja1"});
    for (int c = 0; c < 6; ++c)
        EXPECT_TRUE(scan.isBold(0, 0, c)) << c;
    EXPECT_FALSE(scan.isBold(0, 1, 0));
    EXPECT_EQ(scan.formatOf(0, 1, 0), "General");
    EXPECT_EQ(scan.formatOf(0, 1, 2), "dd/mm/yyyy");
    EXPECT_EQ(scan.formatOf(0, 1, 3), "$#,##0.00"); // tag 8: money
    EXPECT_EQ(scan.formatOf(0, 1, 4), "#,##0.00");
    EXPECT_EQ(scan.formatOf(0, 1, 5), "General");
    EXPECT_GE(scan.columnWidth(0, 0), 6);
}

TEST_F(ExportarGridTest, GroupRowsComeBeforeTheirRecordsEvenWhenCollapsed) {
    grid.setGroupColumns({grid.column("SEstado")});
    grid.collapseAll();
    exportAs(path("grupos.xls"));

    FreeXlBook book(path("grupos.xls"));
    book.select(0);
    EXPECT_EQ(firstColumn(book), (QStringList{"Nombre", "Estado: COLIMA", "JUAN PEÑA",
                                              "JOSEFA RUIZ", "Estado: JALISCO", "JOSÉ PÉREZ",
                                              "MARÍA NÚÑEZ", "Estado: NAYARIT", "ANA GARCÍA"}));
    EXPECT_EQ(book.cell(2, 1).text, "COLIMA");
    EXPECT_EQ(book.cell(1, 1).type, FREEXL_CELL_NULL); // a group row fills its first cell only
    RecordScan scan(path("grupos.xls"));
    EXPECT_TRUE(scan.isBold(0, 1, 0));
    EXPECT_FALSE(scan.isBold(0, 2, 0));
}

TEST_F(ExportarGridTest, TheFindPanelAndFilterRowStillApply) {
    grid.setFindText("jos");
    exportAs(path("filtro.xls"));
    FreeXlBook book(path("filtro.xls"));
    book.select(0);
    EXPECT_EQ(firstColumn(book), (QStringList{"Nombre", "JOSÉ PÉREZ", "JOSEFA RUIZ"}));
}

TEST_F(ExportarGridTest, TheExtensionIsAddedOnlyWhenTheNameLacksOne) {
    struct Case {
        QString typed;
        QString written;
        QByteArray magic;
    } cases[] = {
        {"lista", "lista.xls", QByteArray::fromHex("D0CF11E0")},
        {"lista.xls", "lista.xls", QByteArray::fromHex("D0CF11E0")},
        {"LISTA.XLS", "LISTA.XLS", QByteArray::fromHex("D0CF11E0")},
        {"lista.xlsx", "lista.xlsx", "PK"},
        {"Lista.XLSX", "Lista.XLSX", "PK"},
        {"lista.txt", "lista.txt.xls", QByteArray::fromHex("D0CF11E0")},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        dialogs->answerFile(folder.filePath(c.typed)).answerNo();
        ExportarGridExcel(grid);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{c.written})
            << c.typed.toStdString();
        QFile f(folder.filePath(c.written));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << c.written.toStdString();
        EXPECT_TRUE(f.read(4).startsWith(c.magic)) << c.written.toStdString();
    }
}

TEST_F(ExportarGridTest, YesHandsTheFileToTheDefaultProgram) {
    exportAs(path("abrir"), true);
    EXPECT_EQ(dialogs->texts(DialogKind::OpenDocument), QStringList{path("abrir.xls")});
    EXPECT_TRUE(QFile::exists(path("abrir.xls")));
}

TEST_F(ExportarGridTest, CancellingTheDialogWritesNothing) {
    dialogs->answerCancel();
    ExportarGridExcel(grid);
    EXPECT_TRUE(files().isEmpty());
    ASSERT_EQ(dialogs->shown().size(), 1);
    EXPECT_EQ(dialogs->shown()[0].kind, DialogKind::SaveFile);
}

TEST_F(ExportarGridTest, AnUnwritableFolderRaisesAndAsksNothing) {
    QFile plain(path("archivo"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const QString& typed :
         {path("archivo/lista"), path("archivo/lista.xlsx"), path("no existe/lista.xls")}) {
        dialogs->clearShown();
        dialogs->answerFile(typed);
        try {
            ExportarGridExcel(grid);
            ADD_FAILURE() << "se exportó a " << typed.toStdString();
        } catch (const orva::data::Exception& e) {
            EXPECT_TRUE(e.message().startsWith("No se pudo escribir el archivo: "))
                << e.message().toStdString();
        }
        EXPECT_TRUE(dialogs->texts(DialogKind::Confirm).isEmpty()) << typed.toStdString();
    }
    EXPECT_EQ(files(), QStringList{"archivo"});
}

TEST_F(ExportarGridTest, XlsxKeepsCaptionsValuesTypesAndFormats) {
    grid.setGroupColumns({grid.column("SEstado")});
    exportAs(path("lista.xlsx"));
    const auto cells = orva::exchange::test::readXlsxSheet(path("lista.xlsx"));
    EXPECT_EQ(cells.value("A1").text, "Nombre");
    EXPECT_TRUE(cells.value("A1").bold);
    EXPECT_EQ(cells.value("F1").text, "Vigencia");
    EXPECT_EQ(cells.value("A2").text, "Estado: COLIMA");
    EXPECT_TRUE(cells.value("A2").bold);
    EXPECT_EQ(cells.value("A3").text, "JUAN PEÑA");
    EXPECT_FALSE(cells.value("A3").bold);
    EXPECT_TRUE(cells.value("C3").isNumber);
    EXPECT_EQ(cells.value("C3").number, 27458); // 5 March 1975
    EXPECT_EQ(cells.value("C3").format, "dd/mm/yyyy");
    EXPECT_EQ(cells.value("D3").number, 50.25);
    EXPECT_EQ(cells.value("D3").format, "$#,##0.00");
    EXPECT_EQ(cells.value("E3").number, 1234.5);
    EXPECT_EQ(cells.value("E3").format, "#,##0.00");
    EXPECT_EQ(cells.value("F3").number, 2031);
    EXPECT_EQ(cells.value("F3").format, "General");
    EXPECT_EQ(cells.value("A9").text, "ANA GARCÍA");
    EXPECT_FALSE(cells.contains("C9")); // NULL date: no cell

    // A spreadsheet reader no one here wrote opens it and sees the same.
    QProcess lector;
    lector.start("/usr/bin/python3", {"-c",
                                      "import sys, openpyxl\n"
                                      "h = openpyxl.load_workbook(sys.argv[1]).active\n"
                                      "for c in ('A1', 'A3', 'C3', 'D3', 'E3'):\n"
                                      "    print(c, h[c].value, h[c].number_format)\n",
                                      path("lista.xlsx")});
    ASSERT_TRUE(lector.waitForFinished(60000));
    EXPECT_EQ(lector.exitCode(), 0) << lector.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(lector.readAllStandardOutput()),
              "A1 Nombre General\n"
              "A3 JUAN PEÑA General\n"
              "C3 1975-03-05 00:00:00 dd/mm/yyyy\n"
              "D3 50.25 $#,##0.00\n"
              "E3 1234.5 #,##0.00\n");
}

TEST_F(ExportarGridTest, MoreRecordsThanASheetHoldsGoOnInTheNextSheet) {
    orva::test::runSql(dbName, R"sql(
DROP TABLE IF EXISTS export_grande;
CREATE TABLE export_grande (IdPersona INT NOT NULL PRIMARY KEY, SNombre VARCHAR(60),
  SEstado VARCHAR(40), DNacimiento DATE, NApoyo DECIMAL(12,2), NCuota DECIMAL(12,2),
  IVigencia INT) ENGINE=InnoDB;
SET SESSION max_recursive_iterations = 100000;
INSERT INTO export_grande
  WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 70000)
  SELECT i, CONCAT('PERSONA ', i), 'JALISCO', DATE_ADD('1950-01-01', INTERVAL i DAY),
         i / 4, i, 2030 FROM n;
)sql");
    ds.close();
    open(QStringLiteral("select * from export_grande order by IdPersona"));
    exportAs(path("grande"));

    FreeXlBook book(path("grande.xls"));
    EXPECT_EQ(book.sheetNames(), (QStringList{"Hoja1", "Hoja2"}));
    book.select(0);
    EXPECT_EQ(book.rows(), 65536u);
    EXPECT_EQ(book.cell(65535, 0).text, "PERSONA 65535");
    book.select(1);
    EXPECT_EQ(book.rows(), 1u + 70000 - 65535);
    EXPECT_EQ(book.cell(0, 0).text, "Nombre");
    EXPECT_EQ(book.cell(1, 0).text, "PERSONA 65536");
    EXPECT_EQ(book.cell(4465, 0).text, "PERSONA 70000");
    EXPECT_DOUBLE_EQ(book.cell(4465, 3).number, 17500);
}

} // namespace
