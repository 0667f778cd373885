// The grid over a real dataset: rows, fields, the cursor both ways, and the data panel's
// binder writing back through the dataset.
#include "data/dataset.h"
#include "data/dbconnection.h"
#include "datatest.h"
#include "platform/dataset/datasetmodel.h"
#include "platform/dataset/datasetrecord.h"
#include "platform/editors/dbdateedit.h"
#include "platform/editors/dbedit.h"
#include "platform/editors/dbswitch.h"
#include "platform/editors/recordbinder.h"
#include "platform/grid/gridview.h"

#include <QAbstractItemModelTester>
#include <QDate>
#include <gtest/gtest.h>
#include <mysql.h>

using namespace orva::platform;
using orva::data::Dataset;
using orva::data::DbConnection;

namespace {

const std::string dbName = "t_platform_datasetmodel";

const char* fixture = R"sql(
DROP TABLE IF EXISTS personas_prueba;
CREATE TABLE personas_prueba (
  IdPersona INT NOT NULL PRIMARY KEY,
  SNombre VARCHAR(60) NOT NULL,
  DFecha DATE NULL,
  NMonto DECIMAL(10,2) NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si'
) ENGINE=InnoDB;
INSERT INTO personas_prueba VALUES
  (1, 'ANA', '1980-05-01', 10.50, 'Si'),
  (2, 'JOSÉ', NULL, NULL, 'No'),
  (3, 'CARLA', '1975-03-05', 99.99, 'Si'),
  (4, 'JOSEFA', '2000-01-31', 0, 'Si'),
  (5, 'MARÍA', '1990-12-25', 7, 'No');
)sql";

class DatasetModelTest : public testing::Test {
protected:
    static void SetUpTestSuite() { orva::test::createDatabase(dbName); }

    void SetUp() override {
        orva::test::runSql(dbName, fixture);
        orva::test::configure(link, dbName);
        link.connect();
        ds.setSql("select * from personas_prueba order by IdPersona");
        ds.open();
        tester = std::make_unique<QAbstractItemModelTester>(
            &model, QAbstractItemModelTester::FailureReportingMode::Warning);
        grid.setModel(&model);
        grid.show();
    }

    QString serverName(int id) {
        orva::data::ResultPtr r = link.query(
            QStringLiteral("select SNombre from personas_prueba where IdPersona = %1").arg(id));
        MYSQL_ROW row = r ? mysql_fetch_row(r.get()) : nullptr;
        return row && row[0] ? QString::fromUtf8(row[0]) : QStringLiteral("<sin fila>");
    }

    DbConnection link;
    Dataset ds{&link};
    DatasetModel model{&ds};
    std::unique_ptr<QAbstractItemModelTester> tester;
    GridView grid;
};

TEST_F(DatasetModelTest, ShowsFieldsAndTypedValues) {
    ASSERT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, CursorModel::FieldNameRole).toString(),
              "SNombre");
    EXPECT_EQ(model.index(0, 2).data().toDate(), QDate(1980, 5, 1));
    EXPECT_DOUBLE_EQ(model.index(2, 3).data().toDouble(), 99.99);
    EXPECT_TRUE(model.index(1, 2).data().isNull());
    EXPECT_EQ(grid.displayText(0, grid.column("DFecha")), "01/05/1980");
    EXPECT_EQ(grid.counterText(), "Registro 1 de 5");
}

TEST_F(DatasetModelTest, GridFocusAndDatasetCursorMoveTogether) {
    grid.setCurrentSourceRow(3);
    EXPECT_EQ(ds.currentRow(), 3);
    EXPECT_EQ(ds.value("SNombre").toString(), "JOSEFA");
    ASSERT_TRUE(ds.locate("SNombre", "CARLA"));
    EXPECT_EQ(grid.currentSourceRow(), 2);
    EXPECT_EQ(grid.counterText(), "Registro 3 de 5");

    grid.setFindText("jos"); // CARLA is filtered out: the first record found takes the cursor
    EXPECT_EQ(grid.recordCount(), 2);
    EXPECT_EQ(ds.value("SNombre").toString(), "JOSÉ");
}

TEST_F(DatasetModelTest, BinderWritesTheCurrentRowBack) {
    QWidget panel;
    auto* name = new DbEdit("SNombre", &panel);
    auto* date = new DbDateEdit("DFecha", &panel);
    auto* active = new DbSwitch("EActivo", "Activo", &panel);
    RecordBinder binder;
    binder.addAll(&panel);

    grid.setCurrentSourceRow(1);
    DatasetRecord record(ds);
    binder.load(record);
    EXPECT_EQ(name->text(), "JOSÉ");
    EXPECT_EQ(name->maxLength(), 60); // VARCHAR(60): typing stops where the server would refuse
    EXPECT_TRUE(date->isEmpty());
    EXPECT_FALSE(active->isChecked());

    ds.edit();
    name->setText("JOSÉ LUIS");
    date->setDate(QDate(1970, 1, 2));
    active->setChecked(true);
    binder.store(record);
    ds.post();
    EXPECT_EQ(serverName(2), "JOSÉ LUIS");
    EXPECT_EQ(grid.displayText(1, grid.column("SNombre")), "JOSÉ LUIS");
    EXPECT_EQ(grid.displayText(1, grid.column("DFecha")), "02/01/1970");
    EXPECT_EQ(grid.currentSourceRow(), 1);
}

TEST_F(DatasetModelTest, AddedAndDeletedRowsReachTheGrid) {
    ds.append();
    ds.setValue("IdPersona", 6);
    ds.setValue("SNombre", "RAÚL");
    ds.post();
    EXPECT_EQ(model.rowCount(), 6);
    EXPECT_EQ(grid.recordCount(), 6);
    EXPECT_EQ(grid.currentSourceRow(), 5);
    EXPECT_EQ(serverName(6), "RAÚL");

    ASSERT_TRUE(ds.locate("IdPersona", 3));
    ds.deleteRecord();
    EXPECT_EQ(grid.recordCount(), 5);
    EXPECT_EQ(serverName(3), "<sin fila>");
    EXPECT_EQ(grid.currentSourceRow(), ds.currentRow());
}

TEST_F(DatasetModelTest, DatasetFilterResetsTheGrid) {
    ds.setFilter("EActivo = 'Si'");
    ds.setFiltered(true);
    EXPECT_EQ(grid.recordCount(), 3);
    EXPECT_EQ(grid.currentSourceRow(), ds.currentRow());
    ds.close();
    EXPECT_EQ(grid.recordCount(), 0);
    EXPECT_EQ(grid.counterText(), "Registro 0 de 0");
}

} // namespace

namespace {

// A window declares its columns before its dataset opens (the dataset has no fields
// yet); the columns must find their fields once it opens, and again when it is reopened
// on a statement with the fields in another order.
TEST_F(DatasetModelTest, ColumnsDeclaredBeforeTheDatasetOpensShowTheirFields) {
    ds.close();
    GridColumn nombre, clave;
    nombre.fieldName = "SNombre";
    clave.fieldName = "IdPersona";
    grid.setColumns({nombre, clave});
    ds.open();
    GridModel* shown = grid.gridModel();
    const int row = grid.currentSourceRow();
    EXPECT_EQ(shown->displayText(row, 0), "ANA");
    EXPECT_EQ(shown->displayText(row, 1), "1");
    grid.setFindText("carla");
    EXPECT_EQ(grid.recordCount(), 1);

    grid.setFindText("");
    ds.close();
    ds.setSql("select EActivo, IdPersona, SNombre from personas_prueba order by IdPersona");
    ds.open();
    EXPECT_EQ(shown->displayText(grid.currentSourceRow(), 0), "ANA");
}

} // namespace
