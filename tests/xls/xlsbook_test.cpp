// The legacy workbook writer, read back by FreeXL (values and cell types) and by a small
// record scanner (number formats, bold captions, column widths, the compound file).
#include "data/errors.h"
#include "freexlreader.h"
#include "platform/xls/dateserial.h"
#include "platform/xls/xlsbook.h"
#include "recordscan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <freexl.h>
#include <gtest/gtest.h>

using namespace orva::platform::xls;
using orva::xls::test::FreeXlBook;
using orva::xls::test::ReadCell;
using orva::xls::test::RecordScan;

namespace {

const CellStyle caption{{}, true};
const CellStyle amount{QStringLiteral("#,##0.00")};
const CellStyle money{QStringLiteral("$#,##0.00")};

class XlsBookTest : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(XlsBookTest, TextsNumbersAndDatesReadBackWithTheirTypes) {
    XlsBook book;
    book.addSheet(QStringLiteral("Personas"));
    book.writeText(0, 0, QStringLiteral("Nombre"), caption);
    book.writeText(0, 1, QStringLiteral("Año"), caption);
    book.writeText(0, 2, QStringLiteral("Monto"), caption);
    book.writeText(0, 3, QStringLiteral("Apoyo"), caption);
    book.writeText(0, 4, QStringLiteral("Nacimiento"), caption);
    book.writeText(0, 5, QStringLiteral("Registro"), caption);
    book.writeText(1, 0, QStringLiteral("JOSÉ PEÑA NÚÑEZ"));
    book.writeNumber(1, 1, 2030);
    book.writeNumber(1, 2, 1234.5, amount);
    book.writeNumber(1, 3, 0.1 + 0.2, money); // no exact RK form: a NUMBER record
    book.writeDate(1, 4, QDate(1980, 5, 1));
    book.writeDateTime(1, 5, QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15)));
    book.writeText(2, 0, QStringLiteral("Ñandú €uro ≠ cero")); // beyond Latin-1: UTF-16
    book.writeNumber(2, 1, -7);
    book.writeNumber(2, 2, -0.25, amount);
    book.writeNumber(2, 3, 1e12 + 0.5, money);
    book.writeDate(2, 4, QDate(1900, 1, 1));
    book.setColumnWidth(0, 30);
    book.setColumnWidth(2, 12.5);
    book.save(path("personas.xls"));

    FreeXlBook read(path("personas.xls"));
    EXPECT_EQ(read.sheetNames(), QStringList{"Personas"});
    read.select(0);
    EXPECT_EQ(read.rows(), 3u);
    EXPECT_EQ(read.columns(), 6u);
    EXPECT_EQ(read.cell(0, 1).text, "Año");
    EXPECT_EQ(read.cell(1, 0).type, FREEXL_CELL_SST_TEXT);
    EXPECT_EQ(read.cell(1, 0).text, "JOSÉ PEÑA NÚÑEZ");
    EXPECT_EQ(read.cell(2, 0).text, "Ñandú €uro ≠ cero");
    EXPECT_EQ(read.cell(1, 1).type, FREEXL_CELL_INT);
    EXPECT_EQ(read.cell(1, 1).number, 2030);
    EXPECT_EQ(read.cell(2, 1).number, -7);
    EXPECT_DOUBLE_EQ(read.cell(1, 2).number, 1234.5);
    EXPECT_DOUBLE_EQ(read.cell(2, 2).number, -0.25);
    EXPECT_EQ(read.cell(1, 3).type, FREEXL_CELL_DOUBLE);
    EXPECT_EQ(read.cell(1, 3).number, 0.1 + 0.2); // all 64 bits kept
    EXPECT_EQ(read.cell(2, 3).number, 1e12 + 0.5);
    EXPECT_EQ(read.cell(1, 4).type, FREEXL_CELL_DATE);
    EXPECT_EQ(read.cell(1, 4).text, "1980-05-01");
    EXPECT_EQ(read.cell(2, 4).text, "1900-01-01");
    EXPECT_EQ(read.cell(1, 5).type, FREEXL_CELL_DATETIME);
    EXPECT_EQ(read.cell(1, 5).text, "2024-03-05 14:30:15");

    RecordScan scan(path("personas.xls"));
    EXPECT_TRUE(scan.isBold(0, 0, 0));
    EXPECT_TRUE(scan.isBold(0, 0, 5));
    EXPECT_FALSE(scan.isBold(0, 1, 0));
    EXPECT_EQ(scan.formatOf(0, 1, 0), "General");
    EXPECT_EQ(scan.formatOf(0, 1, 1), "General");
    EXPECT_EQ(scan.formatOf(0, 1, 2), "#,##0.00");
    EXPECT_EQ(scan.formatOf(0, 2, 2), "#,##0.00");
    EXPECT_EQ(scan.formatOf(0, 1, 3), "$#,##0.00");
    EXPECT_EQ(scan.formatOf(0, 1, 4), "dd/mm/yyyy");
    EXPECT_EQ(scan.formatOf(0, 1, 5), "dd/mm/yyyy hh:mm:ss");
    EXPECT_DOUBLE_EQ(scan.columnWidth(0, 0), 30);
    EXPECT_DOUBLE_EQ(scan.columnWidth(0, 2), 12.5);
    EXPECT_EQ(scan.columnWidth(0, 1), -1);
}

TEST_F(XlsBookTest, SeveralSheetsKeepTheirOrderCellsAndNames) {
    XlsBook book;
    book.writeText(0, 0, QStringLiteral("primera")); // before any addSheet: "Hoja1"
    book.addSheet(QStringLiteral("Colima"));
    book.writeNumber(0, 0, 2);
    book.addSheet(QStringLiteral("colima"));
    book.writeNumber(0, 0, 3);
    book.addSheet(QStringLiteral("Apoyos [2024]: enero/febrero? y marzo*"));
    book.writeText(3, 2, QStringLiteral("cuarta"));
    book.addSheet(QString());
    EXPECT_EQ(book.sheetCount(), 5);
    book.save(path("hojas.xls"));

    const QStringList expected{"Hoja1", "Colima", "colima (2)", "Apoyos _2024__ enero_febrero_ y",
                               "Hoja5"};
    FreeXlBook read(path("hojas.xls"));
    EXPECT_EQ(read.sheetNames(), expected);
    read.select(0);
    EXPECT_EQ(read.cell(0, 0).text, "primera");
    read.select(1);
    EXPECT_EQ(read.cell(0, 0).number, 2);
    read.select(2);
    EXPECT_EQ(read.cell(0, 0).number, 3);
    read.select(3);
    EXPECT_EQ(read.rows(), 4u);
    EXPECT_EQ(read.cell(3, 2).text, "cuarta");
    read.select(4);
    EXPECT_EQ(read.rows(), 0u);
}

TEST_F(XlsBookTest, ManyAndLongTextsSpanContinueRecords) {
    XlsBook book;
    QStringList texts;
    for (int i = 0; i < 4000; ++i)
        texts << QStringLiteral("Calle Niños Héroes número %1, colonia Peñitas — ")
                     .arg(i)
                     .repeated(1 + i % 5);
    // Texts longer than one record go on in the next; FreeXL reads a text spread over two
    // records at most, so none of these is longer than one.
    texts << QStringLiteral("ñ").repeated(8000) << QStringLiteral("Ω").repeated(4000);
    for (int i = 0; i < texts.size(); ++i)
        book.writeText(i, 0, texts[i]);
    book.writeText(texts.size(), 0, texts[0]); // repeated text: one string, two cells
    book.save(path("textos.xls"));

    FreeXlBook read(path("textos.xls"));
    read.select(0);
    ASSERT_EQ(read.rows(), unsigned(texts.size() + 1));
    for (int i = 0; i < texts.size(); ++i)
        ASSERT_EQ(read.cell(i, 0).text, texts[i]) << "fila " << i;
    EXPECT_EQ(read.cell(texts.size(), 0).text, texts[0]);
    EXPECT_TRUE(RecordScan(path("textos.xls")).recordTypes().contains(0x003C)); // CONTINUE
}

TEST_F(XlsBookTest, AFullSheetNeedsTheExtendedAllocationTable) {
    constexpr int columns = 10;
    XlsBook book;
    book.addSheet(QStringLiteral("Grande"));
    for (int r = 0; r < XlsBook::maxRows; ++r)
        for (int c = 0; c < columns; ++c)
            book.writeNumber(r, c, r + c / 1000.0 + 0.0001); // NUMBER records, 18 bytes each
    EXPECT_THROW(book.writeNumber(XlsBook::maxRows, 0, 1), orva::data::Exception);
    EXPECT_THROW(book.writeText(0, XlsBook::maxColumns, QStringLiteral("x")),
                 orva::data::Exception);
    book.save(path("grande.xls"));

    // Past 109 FAT sectors (128 × 512 bytes mapped by each) the header's list is full.
    EXPECT_GT(QFileInfo(path("grande.xls")).size(), 109 * 128 * 512);
    FreeXlBook read(path("grande.xls"));
    read.select(0);
    EXPECT_EQ(read.rows(), unsigned(XlsBook::maxRows));
    for (int r : {0, 1, 4095, 30000, 65535})
        for (int c : {0, 9})
            EXPECT_DOUBLE_EQ(read.cell(r, c).number, r + c / 1000.0 + 0.0001) << r << "," << c;
}

TEST_F(XlsBookTest, AnUnwritablePathRaisesASpanishError) {
    QFile plain(path("archivo"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QDir(dir.path()).mkdir(QStringLiteral("carpeta"));
    for (const QString& target :
         {path("archivo/lista.xls"), path("no existe/lista.xls"), path("carpeta")}) {
        XlsBook book;
        book.writeText(0, 0, QStringLiteral("dato"));
        try {
            book.save(target);
            ADD_FAILURE() << "se escribió " << target.toStdString();
        } catch (const orva::data::Exception& e) {
            EXPECT_EQ(e.message(), "No se pudo escribir el archivo: " + target);
        }
    }
    EXPECT_TRUE(QFileInfo(path("carpeta")).isDir());
}

TEST(DateSerial, CountsDaysAsTheNineteenHundredSystem) {
    struct Case {
        QDate date;
        std::optional<double> serial;
    } cases[] = {
        {QDate(1899, 12, 31), std::nullopt},
        {QDate(1900, 1, 1), 1},
        {QDate(1900, 2, 28), 59},
        {QDate(1900, 3, 1), 61},
        {QDate(2024, 1, 1), 45292},
        {QDate(), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dateSerial(c.date), c.serial) << c.date.toString().toStdString();
    EXPECT_DOUBLE_EQ(*dateSerial(QDateTime(QDate(2024, 1, 1), QTime(18, 0))), 45292.75);
}

} // namespace
