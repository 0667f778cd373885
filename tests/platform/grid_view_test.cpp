#include "gridfixture.h"

#include "platform/grid/columnchooser.h"
#include "platform/grid/cursormodel.h"
#include "platform/grid/filterheader.h"
#include "platform/grid/gridview.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>

using namespace orva::platform;

namespace {

/// A table with a current row, like a dataset's cursor.
class PeopleCursor : public CursorModel {
public:
    explicit PeopleCursor(QStringList names) : names_(std::move(names)) {}
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(names_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 2;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return {};
        return index.column() == 0 ? QVariant(index.row() + 1) : QVariant(names_.at(index.row()));
    }
    QVariant headerData(int section, Qt::Orientation, int role) const override {
        if (role == FieldNameRole || role == Qt::DisplayRole)
            return section == 0 ? "IdPersonal" : "SNombre";
        return {};
    }
    int currentRow() const override { return current_; }
    void setCurrentRow(int row) override {
        if (row == current_)
            return;
        current_ = row;
        ++moves;
        emit currentRowChanged(row);
    }
    int moves = 0;

private:
    QStringList names_;
    int current_ = -1;
};

/// A double click as the user makes it: click, then the second press.
void doubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

/// Waits for the event loop until `done` or two seconds pass.
template <typename F> bool waitFor(F done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 2000)
        QTest::qWait(10);
    return done();
}

class GridViewTest : public testing::Test {
protected:
    void SetUp() override {
        source.reset(test::peopleModel());
        grid.resize(800, 400);
        grid.setModel(source.get());
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    std::unique_ptr<QStandardItemModel> source;
    GridView grid;
};

TEST_F(GridViewTest, CounterShowsFocusedRecordAndCount) {
    EXPECT_EQ(grid.counterText(), "Registro 1 de 5");
    grid.setCurrentSourceRow(3);
    EXPECT_EQ(grid.counterText(), "Registro 4 de 5");
    grid.setFindText("jal");
    EXPECT_EQ(grid.counterText(), "Registro 1 de 2");
    grid.setFindText("zzz");
    EXPECT_EQ(grid.counterText(), "Registro 0 de 0");
    EXPECT_EQ(grid.findChild<QLabel*>("contador")->text(), "Registro 0 de 0");
}

TEST_F(GridViewTest, FocusedRecordSurvivesFilteringWhenStillShown) {
    grid.setCurrentSourceRow(4); // JOSEFA
    grid.setFindText("jose");
    EXPECT_EQ(grid.currentSourceRow(), 4);
    EXPECT_EQ(grid.counterText(), "Registro 2 de 2");
    grid.setFindText("");
    EXPECT_EQ(grid.currentSourceRow(), 4);
}

TEST_F(GridViewTest, FilterRowWaitsForATypingPause) {
    FilterHeader* header = grid.filterHeader();
    QLineEdit* edit = header->filterEdit(grid.column("Estado"));
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_FALSE(edit->toolTip().isEmpty());
    QTest::keyClicks(edit, "coli");
    EXPECT_EQ(grid.recordCount(), 5); // not yet: the pause has not passed
    EXPECT_TRUE(waitFor([&] { return grid.recordCount() == 2; }));
    QTest::keyClick(edit, Qt::Key_X);
    QTest::keyClick(edit, Qt::Key_Return); // Enter applies at once: "colix" matches nothing
    EXPECT_EQ(grid.recordCount(), 0);
    edit->clear();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(grid.recordCount(), 5);
}

TEST_F(GridViewTest, FilterEditsStayUnderTheirColumnsWhenScrolled) {
    grid.setAutoColumnWidths(false);
    for (int column = 0; column < 7; ++column)
        grid.setColumnWidth(column, 300);
    QTreeView* tree = grid.treeView();
    QTest::qWait(20);
    tree->horizontalScrollBar()->setValue(250);
    const int estado = grid.column("Estado");
    EXPECT_EQ(grid.filterHeader()->filterEdit(estado)->x(),
              tree->header()->sectionViewportPosition(estado));
    EXPECT_EQ(tree->header()->sectionViewportPosition(estado), 3 * 300 - 250);
}

TEST_F(GridViewTest, FindPanelAppliesAfterAPause) {
    QTest::keyClicks(grid.findEdit(), "PEÑA");
    EXPECT_EQ(grid.recordCount(), 5);
    EXPECT_TRUE(waitFor([&] { return grid.recordCount() == 1; }));
    EXPECT_EQ(grid.findText(), "PEÑA");
}

TEST_F(GridViewTest, CtrlFFindsAndEscapeClears) {
    QApplication::setActiveWindow(&grid);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));
    grid.treeView()->setFocus();
    QTest::keyClick(grid.treeView(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(grid.findEdit()->hasFocus());
    grid.setFindText("jose");
    grid.findEdit()->setFocus();
    QTest::keyClick(grid.findEdit(), Qt::Key_Escape);
    EXPECT_EQ(grid.findText(), "");
    EXPECT_EQ(grid.recordCount(), 5);
}

TEST_F(GridViewTest, SortsOnHeaderClick) {
    const int nombre = grid.column("SNombre");
    QHeaderView* header = grid.treeView()->header();
    const QPoint centre(header->sectionViewportPosition(nombre) + header->sectionSize(nombre) / 2,
                        5);
    ASSERT_TRUE(header->sectionsClickable());
    ASSERT_EQ(header->logicalIndexAt(centre), nombre);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(grid.gridModel()->sortState(nombre), SortState::Ascending);
    EXPECT_EQ(grid.displayText(grid.gridModel()->sourceRowAt(0), nombre), "ANA");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(grid.gridModel()->sortState(nombre), SortState::Descending);
    EXPECT_EQ(grid.displayText(grid.gridModel()->sourceRowAt(0), nombre), "MARÍA");
}

TEST_F(GridViewTest, SelectsSeveralRecordsInDisplayOrder) {
    grid.sortBy(grid.column("SNombre"), SortState::Ascending);
    QTreeView* tree = grid.treeView();
    tree->selectionModel()->clearSelection();
    for (int row : {4, 0, 2})
        tree->selectionModel()->select(grid.gridModel()->indexOfSourceRow(row),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    // Display order by name: ANA(3) JOSÉ(0) JOSEFA(4) JUAN(2) MARÍA(1)
    EXPECT_EQ(grid.selectedSourceRows(), QList<int>({0, 4, 2}));
}

TEST_F(GridViewTest, GroupingKeepsExpansionAcrossFilters) {
    grid.setGroupColumns({grid.column("Estado")});
    grid.expandAll();
    QTreeView* tree = grid.treeView();
    EXPECT_TRUE(tree->isExpanded(grid.gridModel()->index(0, 0)));
    grid.setFindText("jose");
    for (int r = 0; r < grid.gridModel()->rowCount(); ++r)
        EXPECT_TRUE(tree->isExpanded(grid.gridModel()->index(r, 0)));
    grid.collapseAll();
    grid.setFindText("");
    EXPECT_FALSE(tree->isExpanded(grid.gridModel()->index(0, 0)));
    tree->expand(grid.gridModel()->indexOfGroupPath("JALISCO"));
    grid.setFindText("a");
    EXPECT_TRUE(tree->isExpanded(grid.gridModel()->indexOfGroupPath("JALISCO")));
    EXPECT_FALSE(tree->isExpanded(grid.gridModel()->indexOfGroupPath("COLIMA")));
}

TEST_F(GridViewTest, PrintingReadsVisibleColumnsInScreenOrder) {
    QList<GridColumn> columns(4);
    columns[0] = {"SCodigo", "Código", true, 80, 0, {}, false, {}};
    columns[1] = {"SNombre", "Nombres", true, 0, 7, {}, false, {}};
    columns[2] = {"SAPaterno", "Apellido Paterno", false, 0, 0, {}, false, {}};
    columns[3] = {"Monto", "Monto", true, 0, 8, "#,##0.00", true, {}};
    grid.setColumns(columns);
    grid.setAutoColumnWidths(false);
    grid.treeView()->header()->moveSection(3, 0); // the user drags "Monto" first
    grid.setGroupColumns({1});
    grid.sortBy(0, SortState::Descending);

    const QList<GridColumnInfo> visible = grid.visibleColumns();
    ASSERT_EQ(visible.size(), 3);
    EXPECT_EQ(visible[0].caption, "Monto");
    EXPECT_EQ(visible[0].tag, 8);
    EXPECT_EQ(visible[0].displayFormat, "#,##0.00");
    EXPECT_EQ(visible[1].caption, "Código");
    EXPECT_EQ(visible[1].width, 80);
    EXPECT_EQ(visible[1].sort, SortState::Descending);
    EXPECT_EQ(visible[2].fieldName, "SNombre");
    EXPECT_EQ(visible[2].groupIndex, 0);
    EXPECT_EQ(visible[2].sort, SortState::Ascending);
    for (const GridColumnInfo& c : visible)
        EXPECT_GT(c.width, 0);
    EXPECT_EQ(grid.groupedColumns().size(), 1);

    grid.setColumnVisible(2, true);
    EXPECT_EQ(grid.visibleColumns().size(), 4);
}

TEST(GridViewColumns, DeclaredBeforeTheModelArrives) {
    std::unique_ptr<QStandardItemModel> people(test::peopleModel());
    GridView grid;
    grid.setAutoColumnWidths(false);
    grid.setColumns({{"SNombre", "Nombres", true, 90, 3, {}, false, {}},
                     {"Estado", "Estado", false, 0, 0, {}, false, {}}});
    grid.setModel(people.get());
    const QList<GridColumnInfo> visible = grid.visibleColumns();
    ASSERT_EQ(visible.size(), 1);
    EXPECT_EQ(visible[0].caption, "Nombres");
    EXPECT_EQ(visible[0].width, 90);
    EXPECT_EQ(visible[0].tag, 3);
    EXPECT_EQ(grid.displayText(0, 0), "JOSÉ");
}

TEST_F(GridViewTest, ColumnChooserShowsHiddenColumns) {
    grid.setColumnVisible(grid.column("SAPaterno"), false);
    grid.showColumnChooser();
    auto* chooser = grid.findChild<ColumnChooser*>();
    ASSERT_NE(chooser, nullptr);
    QListWidgetItem* item = chooser->list()->item(grid.column("SAPaterno"));
    EXPECT_EQ(item->checkState(), Qt::Unchecked);
    EXPECT_EQ(item->text(), "SAPaterno");
    item->setCheckState(Qt::Checked);
    EXPECT_TRUE(grid.isColumnVisible(grid.column("SAPaterno")));
    EXPECT_FALSE(grid.treeView()->header()->isSectionHidden(grid.column("SAPaterno")));
    chooser->close();
}

TEST_F(GridViewTest, FooterSumsAreShown) {
    grid.setFooterSum(grid.column("Monto"), true, "#,##0.00");
    EXPECT_EQ(grid.gridModel()->footerText(grid.column("Monto")), "1,350.75");
}

TEST_F(GridViewTest, AutomaticWidthsFillTheGrid) {
    grid.setAutoColumnWidths(true);
    QTest::qWait(20);
    int total = 0;
    for (const GridColumnInfo& c : grid.visibleColumns())
        total += c.width;
    EXPECT_EQ(total, grid.treeView()->viewport()->width());
}

TEST_F(GridViewTest, DoubleClickTogglesRowHeightFittedToContent) {
    source->setData(source->index(0, 2), "PÉREZ\nDE LA\nO");
    grid.setDoubleClickTogglesRowHeight(true);
    QTreeView* tree = grid.treeView();
    const QModelIndex cell = grid.gridModel()->indexOfSourceRow(0, 2);
    const int oneLine = tree->visualRect(cell).height();
    int clickedRow = -1;
    QObject::connect(&grid, &GridView::cellDoubleClicked, [&](int row, int) { clickedRow = row; });
    const QPoint at = tree->visualRect(cell).center();
    int treeClicks = 0;
    QObject::connect(tree, &QTreeView::doubleClicked, [&] { ++treeClicks; });
    doubleClick(tree->viewport(), at);
    EXPECT_EQ(treeClicks, 1);
    EXPECT_EQ(clickedRow, 0);
    EXPECT_TRUE(grid.rowHeightFitsContent());
    EXPECT_GE(tree->visualRect(grid.gridModel()->indexOfSourceRow(0, 2)).height(), oneLine * 2);
    doubleClick(tree->viewport(),
                tree->visualRect(grid.gridModel()->indexOfSourceRow(0, 2)).center());
    EXPECT_FALSE(grid.rowHeightFitsContent());
    EXPECT_EQ(tree->visualRect(grid.gridModel()->indexOfSourceRow(0, 2)).height(), oneLine);
}

TEST(GridViewCursor, FocusAndCurrentRowStayTheSameBothWays) {
    PeopleCursor people({"ANA", "JOSÉ", "JUAN", "MARÍA", "JOSEFA"});
    QAbstractItemModelTester tester(&people,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    people.setCurrentRow(2);
    GridView grid;
    grid.setModel(&people);
    grid.show();
    EXPECT_EQ(grid.currentSourceRow(), 2); // the grid opens on the dataset's row

    grid.setCurrentSourceRow(4); // the user moves in the grid
    EXPECT_EQ(people.currentRow(), 4);
    people.setCurrentRow(1); // the window moves the dataset (a locate)
    EXPECT_EQ(grid.currentSourceRow(), 1);
    EXPECT_EQ(grid.counterText(), "Registro 2 de 5");

    grid.setFindText("jos"); // JOSÉ stays focused
    EXPECT_EQ(people.currentRow(), 1);
    grid.setFindText("juan"); // JOSÉ filtered out: the first record takes the focus
    EXPECT_EQ(grid.currentSourceRow(), 2);
    EXPECT_EQ(people.currentRow(), 2);
    people.setCurrentRow(3); // a row the grid does not show: the focus stays
    EXPECT_EQ(grid.currentSourceRow(), 2);
}

} // namespace
