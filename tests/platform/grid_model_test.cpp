#include "gridfixture.h"

#include "platform/grid/columnfilter.h"
#include "platform/grid/displayformat.h"
#include "platform/grid/gridmodel.h"
#include "platform/grid/searchtext.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QFont>
#include <gtest/gtest.h>
#include <memory>

using namespace orva::platform;

namespace {

class GridModelTest : public testing::Test {
protected:
    void SetUp() override {
        source.reset(test::peopleModel());
        model.setSourceModel(source.get());
        tester = std::make_unique<QAbstractItemModelTester>(
            &model, QAbstractItemModelTester::FailureReportingMode::Warning);
    }

    int col(const char* field) const { return model.columnOf(field); }

    /// Codes of the displayed records, in display order.
    QStringList codes() const {
        QStringList result;
        model.forEachRow([&](const GridRowInfo& row) {
            if (!row.isGroup)
                result << model.displayText(row.sourceRow, 0);
        });
        return result;
    }

    std::unique_ptr<QStandardItemModel> source;
    GridModel model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

// ---------------------------------------------------------------- find panel

struct FindCase {
    const char* text;
    QStringList codes;
};

class FindPanel : public GridModelTest, public testing::WithParamInterface<FindCase> {};

TEST_P(FindPanel, SearchesVisibleColumnsIgnoringCaseAndAccents) {
    model.setFindText(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(codes(), GetParam().codes);
    EXPECT_EQ(model.recordCount(), GetParam().codes.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindPanel,
    testing::Values(FindCase{"", {"P0001", "P0002", "P0003", "P0004", "P0005"}},
                    FindCase{"jose", {"P0001", "P0005"}}, FindCase{"JOSÉ", {"P0001", "P0005"}},
                    FindCase{"pena", {"P0003"}}, FindCase{"jal", {"P0001", "P0002"}},
                    FindCase{"jose ruiz", {"P0005"}}, FindCase{"  ruiz   jose ", {"P0005"}},
                    FindCase{"2030", {"P0001", "P0005"}}, FindCase{"01/05/1980", {"P0001"}},
                    FindCase{"zzz", {}}));

TEST_F(GridModelTest, HiddenColumnsAreNotSearched) {
    model.setColumnVisible(col("Estado"), false);
    model.setFindText("jal");
    EXPECT_EQ(codes(), QStringList{});
    model.setColumnVisible(col("Estado"), true);
    EXPECT_EQ(codes(), QStringList({"P0001", "P0002"}));
}

TEST_F(GridModelTest, TypingOnAndBackGivesTheSameAsTypingAtOnce) {
    for (const char* text : {"j", "jo", "jos", "josef", "jos", "j", "ju", ""}) {
        model.setFindText(text);
        GridModel fresh;
        fresh.setSourceModel(source.get());
        fresh.setFindText(text);
        QStringList expected;
        for (int p = 0; p < fresh.recordCount(); ++p)
            expected << fresh.displayText(fresh.sourceRowAt(p), 0);
        EXPECT_EQ(codes(), expected) << text;
    }
}

struct FoldCase {
    const char* text;
    const char* folded;
};

class Folding : public testing::TestWithParam<FoldCase> {};

TEST_P(Folding, IgnoresCaseAndAccents) {
    EXPECT_EQ(foldForSearch(QString::fromUtf8(GetParam().text)),
              QString::fromUtf8(GetParam().folded));
}

INSTANTIATE_TEST_SUITE_P(Cases, Folding,
                         testing::Values(FoldCase{"ÁÉÍÓÚÑÜ áéíóúñü", "aeiounu aeiounu"},
                                         FoldCase{"Peña Ávila", "pena avila"},
                                         FoldCase{"STRASSE Straße", "strasse straße"},
                                         FoldCase{"ÆØ", "æø"}, FoldCase{"Ŝŭ", "su"},
                                         FoldCase{"(33)1234-5678", "(33)1234-5678"}));

// ---------------------------------------------------------------- filter row

struct FilterCase {
    const char* field;
    const char* filter;
    QStringList codes;
};

class FilterRow : public GridModelTest, public testing::WithParamInterface<FilterCase> {};

TEST_P(FilterRow, FiltersOneColumn) {
    model.setColumnFilter(col(GetParam().field), QString::fromUtf8(GetParam().filter));
    EXPECT_EQ(codes(), GetParam().codes) << GetParam().filter;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FilterRow,
    testing::Values(FilterCase{"SNombre", "jo", {"P0001", "P0005"}},
                    FilterCase{"SNombre", "=ana", {"P0004"}}, FilterCase{"SNombre", "=jos", {}},
                    FilterCase{"SNombre", "<>ana", {"P0001", "P0002", "P0003", "P0005"}},
                    FilterCase{"SNombre", "j*", {"P0001", "P0003", "P0005"}},
                    FilterCase{"SNombre", "?uan", {"P0003"}},
                    FilterCase{"SNombre", ">m", {"P0002"}},
                    FilterCase{"IVigencia", ">2029", {"P0001", "P0003", "P0005"}},
                    FilterCase{"IVigencia", "<=2029", {"P0002", "P0004"}},
                    FilterCase{"IVigencia", "2029..2030", {"P0001", "P0004", "P0005"}},
                    FilterCase{"Monto", ">=200", {"P0002", "P0005"}},
                    FilterCase{"Monto", ">99", {"P0001", "P0002", "P0005"}},
                    FilterCase{"DFecha", "<01/01/1980", {"P0003"}},
                    FilterCase{"DFecha", "1/1/1985..31/12/1990", {"P0002", "P0005"}},
                    FilterCase{"SAPaterno", "=", {}},
                    FilterCase{"SAPaterno", "<>", {"P0001", "P0002", "P0003", "P0004", "P0005"}}));

TEST_F(GridModelTest, FiltersAndFindCombine) {
    model.setColumnFilter(col("Estado"), "colima");
    model.setFindText("jose");
    EXPECT_EQ(codes(), QStringList{"P0005"});
    model.clearFilters();
    EXPECT_EQ(model.recordCount(), 5);
}

struct CellCase {
    const char* filter;
    const char* cell;
    QVariant value;
    bool matches;
};

class ColumnFilterCells : public testing::TestWithParam<CellCase> {};

TEST_P(ColumnFilterCells, Matches) {
    const ColumnFilter f(QString::fromUtf8(GetParam().filter));
    const QString folded = foldForSearch(QString::fromUtf8(GetParam().cell));
    EXPECT_EQ(f.matches(folded, GetParam().value), GetParam().matches)
        << GetParam().filter << " / " << GetParam().cell;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnFilterCells,
    testing::Values(CellCase{"", "x", {}, true}, CellCase{"peñ", "PEÑA", {}, true},
                    CellCase{"pen", "PEÑA", {}, true}, CellCase{"=peña", "PENA", {}, true},
                    CellCase{">10", "9", QVariant(9), false},
                    CellCase{">10", "11", QVariant(11), true},
                    // numbers compare as numbers, not as text ("9" > "10" as text)
                    CellCase{"<10", "9", QVariant(9), true},
                    CellCase{">1,000", "$1,500.00", QVariant(1500.0), true},
                    CellCase{">10", "abc", QVariant("abc"), false},
                    CellCase{">=05/03/2024", "05/03/2024", QVariant(QDate(2024, 3, 5)), true},
                    CellCase{">05/03/2024", "05/03/2024", QVariant(QDate(2024, 3, 5)), false},
                    CellCase{"a..c", "b", QVariant("b"), true},
                    CellCase{"a..c", "d", QVariant("d"), false}, CellCase{"*ez", "PÉREZ", {}, true},
                    CellCase{"*ez", "PEREZA", {}, false}, CellCase{"a.b", "AXB", {}, false},
                    CellCase{"a.b", "A.B", {}, true}));

// ---------------------------------------------------------------- sorting

struct SortCase {
    const char* field;
    SortState state;
    QStringList codes;
};

class Sorting : public GridModelTest, public testing::WithParamInterface<SortCase> {};

TEST_P(Sorting, OrdersByValueType) {
    model.setSortState(col(GetParam().field), GetParam().state);
    EXPECT_EQ(codes(), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Sorting,
    testing::Values(
        SortCase{"SNombre", SortState::Ascending, {"P0004", "P0001", "P0005", "P0003", "P0002"}},
        SortCase{"SNombre", SortState::Descending, {"P0002", "P0003", "P0005", "P0001", "P0004"}},
        // numbers by value: 0 < 50.25 < 100.5 < 200 < 1000
        SortCase{"Monto", SortState::Ascending, {"P0004", "P0003", "P0001", "P0002", "P0005"}},
        SortCase{"DFecha", SortState::Ascending, {"P0003", "P0001", "P0005", "P0002", "P0004"}},
        // equal years keep the source order
        SortCase{"IVigencia", SortState::Descending, {"P0003", "P0001", "P0005", "P0004", "P0002"}},
        SortCase{"SNombre", SortState::None, {"P0001", "P0002", "P0003", "P0004", "P0005"}}));

// ---------------------------------------------------------------- grouping

TEST_F(GridModelTest, GroupsWithGroupRowsAndCounts) {
    model.setGroupColumns({col("Estado")});
    ASSERT_EQ(model.rowCount(), 3);
    QStringList groups;
    for (int r = 0; r < model.rowCount(); ++r) {
        const QModelIndex g = model.index(r, 0);
        EXPECT_TRUE(model.isGroup(g));
        groups << g.data().toString();
    }
    EXPECT_EQ(groups, QStringList({"Estado: COLIMA (2 registros)", "Estado: JALISCO (2 registros)",
                                   "Estado: NAYARIT (1 registro)"}));
    const QModelIndex colima = model.index(0, 0);
    ASSERT_EQ(model.rowCount(colima), 2);
    EXPECT_EQ(model.index(1, 1, colima).data().toString(), "JOSEFA");
    EXPECT_EQ(model.sourceRow(model.index(1, 1, colima)), 4);
    EXPECT_EQ(model.indexOfSourceRow(4, 1), model.index(1, 1, colima));
    EXPECT_EQ(model.parent(model.index(1, 1, colima)), colima);
}

TEST_F(GridModelTest, DescendingGroupOrder) {
    model.setGroupColumns({col("Estado")});
    model.setGroupDescending(true);
    EXPECT_EQ(model.index(0, 0).data().toString(), "Estado: NAYARIT (1 registro)");
    EXPECT_EQ(codes(), QStringList({"P0004", "P0001", "P0002", "P0003", "P0005"}));
}

TEST_F(GridModelTest, WalksNestedGroupsExpanded) {
    model.setGroupColumns({col("Estado"), col("IVigencia")});
    model.setSortState(col("SNombre"), SortState::Descending);
    QStringList walk;
    model.forEachRow([&](const GridRowInfo& row) {
        walk << (row.isGroup ? QStringLiteral("%1%2=%3 (%4)")
                                   .arg(QString(row.level * 2, ' '), row.caption, row.text)
                                   .arg(row.recordCount)
                             : QStringLiteral("    %1").arg(model.displayText(row.sourceRow, 1)));
    });
    EXPECT_EQ(walk,
              QStringList({"Estado=COLIMA (2)", "  IVigencia=2030 (1)", "    JOSEFA",
                           "  IVigencia=2031 (1)", "    JUAN", "Estado=JALISCO (2)",
                           "  IVigencia=2028 (1)", "    MARÍA", "  IVigencia=2030 (1)", "    JOSÉ",
                           "Estado=NAYARIT (1)", "  IVigencia=2029 (1)", "    ANA"}));
}

TEST_F(GridModelTest, GroupsFollowTheFindPanel) {
    model.setGroupColumns({col("Estado")});
    model.setFindText("jose");
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(0, 0).data().toString(), "Estado: COLIMA (1 registro)");
    EXPECT_EQ(model.recordPosition(model.index(1, 0)), 1);
    EXPECT_EQ(model.groupPath(model.index(1, 0)), "JALISCO");
    EXPECT_EQ(model.indexOfGroupPath("JALISCO"), model.index(1, 0));
}

// ---------------------------------------------------------------- sums, formats, styles

TEST_F(GridModelTest, FooterSumsFollowTheDisplayedRecords) {
    const int monto = col("Monto");
    model.setFooterSum(monto, true, "#,##0.00");
    EXPECT_EQ(model.footerText(monto), "1,350.75");
    model.setFindText("jal");
    EXPECT_EQ(model.footerText(monto), "300.50");
    model.setFooterSum(monto, true, "%2.2m");
    EXPECT_EQ(model.footerText(monto), "$300.50");
    EXPECT_EQ(model.footerText(col("IVigencia")), "");
}

struct NumberCase {
    double value;
    const char* pattern;
    const char* text;
};

class NumberFormat : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberFormat, Formats) {
    EXPECT_EQ(formatNumber(GetParam().value, QString::fromUtf8(GetParam().pattern)),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberFormat,
    testing::Values(NumberCase{1234.5, "#,##0.00", "1,234.50"}, NumberCase{0, "#,##0.00", "0.00"},
                    NumberCase{1234567.891, "#,##0.00", "1,234,567.89"},
                    NumberCase{-1234.5, "$#,##0.00", "-$1,234.50"},
                    NumberCase{12.5, "0.###", "12.5"}, NumberCase{7, "000", "007"},
                    NumberCase{0.5, "#.##", ".5"}, NumberCase{99.5, "0 %", "100 %"},
                    NumberCase{1234.5, "%2.2m", "$1,234.50"}, NumberCase{1234.5, "%m", "$1,234.50"},
                    NumberCase{1234.567, "%n", "1,234.57"}, NumberCase{1234.5, "%d", "1235"},
                    NumberCase{2.5, "%.3f", "2.500"}, NumberCase{1234.5, "", "1234.5"}));

TEST_F(GridModelTest, DisplayFormatsApplyToCells) {
    QList<GridColumn> columns(3);
    columns[0].fieldName = "SCodigo";
    columns[0].caption = "Código";
    columns[1].fieldName = "Monto";
    columns[1].displayFormat = "$#,##0.00";
    columns[2].fieldName = "DFecha";
    model.setColumns(columns);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Código");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Monto");
    EXPECT_EQ(model.index(4, 1).data().toString(), "$1,000.00");
    EXPECT_EQ(model.index(2, 2).data().toString(), "05/03/1975");
    EXPECT_EQ(model.index(4, 1).data(Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));
    model.setFindText("1,000");
    EXPECT_EQ(model.recordCount(), 1);
}

TEST_F(GridModelTest, StyleCallbackColoursCells) {
    const int estado = col("Estado");
    model.setCellStyler([&](int sourceRow, int, CellStyle& style) {
        if (source->index(sourceRow, 3).data().toString() == "COLIMA") {
            style.background = Qt::red;
            QFont f;
            f.setItalic(true);
            style.font = f;
        }
    });
    EXPECT_EQ(model.index(2, estado).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_TRUE(model.index(2, 0).data(Qt::FontRole).value<QFont>().italic());
    EXPECT_FALSE(model.index(0, 0).data(Qt::BackgroundRole).isValid());
}

// ---------------------------------------------------------------- source changes

TEST_F(GridModelTest, FollowsSourceChanges) {
    model.setSortState(col("SNombre"), SortState::Ascending);
    model.setFindText("jo");
    EXPECT_EQ(codes(), QStringList({"P0001", "P0005"}));
    source->setData(source->index(1, 1), "JOAQUÍN");
    QCoreApplication::processEvents();
    EXPECT_EQ(codes(), QStringList({"P0002", "P0001", "P0005"}));

    QList<QStandardItem*> row;
    for (const char* text : {"P0006", "JORGE", "DÍAZ", "COLIMA"})
        row << new QStandardItem(QString::fromUtf8(text));
    source->insertRow(0, row);
    EXPECT_EQ(codes(), QStringList({"P0002", "P0006", "P0001", "P0005"}));
    source->removeRows(1, 2); // P0001 and P0002 of the source
    EXPECT_EQ(codes(), QStringList({"P0006", "P0005"}));
    EXPECT_EQ(model.displayText(model.sourceRowAt(0), 1), "JORGE");
}

} // namespace
