// The dataset against the real server: reading, cursor, fields, states, writing at once
// and cached, filter, order, locks.
#include "data/dataset.h"
#include "data/dbconnection.h"
#include "data/errors.h"
#include "datatest.h"

#include <gtest/gtest.h>
#include <mysql.h>

using namespace orva::data;
using orva::test::configure;

namespace {

const std::string dbName = "t_data_dataset";

const char* fixture = R"sql(
DROP TABLE IF EXISTS hijo;
DROP TABLE IF EXISTS padre;
CREATE TABLE padre (
  IdPadre INT NOT NULL PRIMARY KEY,
  SNombre VARCHAR(60) NOT NULL,
  IEdad INT NULL,
  DFecha DATE NULL,
  NMonto DECIMAL(10,2) NULL,
  EActivo VARCHAR(2) NOT NULL DEFAULT 'Si',
  bFoto BLOB NULL
) ENGINE=InnoDB;
CREATE TABLE hijo (
  IdHijo INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
  IdPadre INT NOT NULL,
  SNombre VARCHAR(60) NULL,
  CONSTRAINT fk_hijo_padre FOREIGN KEY (IdPadre) REFERENCES padre (IdPadre)
) ENGINE=InnoDB;
INSERT INTO padre (IdPadre, SNombre, IEdad, DFecha, NMonto, EActivo) VALUES
  (1, 'Ana', 30, '2024-03-05', 10.50, 'Si'),
  (2, 'bruno', NULL, NULL, NULL, 'No'),
  (3, 'Carla', 45, '2023-12-25', 99.99, 'Si'),
  (4, 'Ángel', 20, '2024-01-31', 0, 'Si'),
  (5, 'O''Brien', 51, '2024-03-05', 7, 'No');
INSERT INTO hijo (IdHijo, IdPadre, SNombre) VALUES (1, 1, 'Hijo de Ana');
)sql";

QString scalar(DbConnection& c, const QString& sql) {
    ResultPtr r = c.query(sql);
    MYSQL_ROW row = r ? mysql_fetch_row(r.get()) : nullptr;
    if (!row)
        return QStringLiteral("<sin fila>");
    return row[0] ? QString::fromUtf8(row[0]) : QStringLiteral("<NULL>");
}

std::vector<int> ids(Dataset& ds, const char* field = "IdPadre") {
    std::vector<int> out;
    const int f = ds.fieldIndex(field);
    for (int r = 0; r < ds.recordCount(); ++r)
        out.push_back(ds.valueAt(r, f).toInt());
    return out;
}

class DatasetTest : public testing::Test {
protected:
    static void SetUpTestSuite() { orva::test::createDatabase(dbName); }

    void SetUp() override {
        orva::test::runSql(dbName, fixture);
        configure(db, dbName);
        db.connect();
        configure(other, dbName);
        other.connect();
    }

    /// A dataset over padre, ordered by key.
    void openPadre(Dataset& ds, bool cached = false) {
        ds.setConnection(&db);
        ds.setSql("select * from padre order by IdPadre");
        ds.setCachedUpdates(cached);
        ds.open();
    }

    /// Renames the first row, adds row `newId` and deletes row `deletedId`.
    static void editAddAndDelete(Dataset& ds, const QString& name, int newId, int deletedId) {
        ds.first();
        ds.edit();
        ds.setValue("SNombre", name);
        ds.post();
        ds.append();
        ds.setValue("IdPadre", newId);
        ds.setValue("SNombre", QStringLiteral("Nuevo %1").arg(newId));
        ds.post();
        ds.locate("IdPadre", deletedId);
        ds.deleteRecord();
    }

    DbConnection db;
    DbConnection other; ///< another workstation
};

TEST_F(DatasetTest, OpensWithFieldsRowsAndCursor) {
    Dataset ds(&db);
    ds.setSql("select * from padre where IdPadre <> :sin order by IdPadre");
    ds.setParam("SIN", 99);
    ds.open();
    EXPECT_EQ(ds.state(), Dataset::State::Browse);
    EXPECT_EQ(ds.recordCount(), 5);
    EXPECT_EQ(ds.fieldNames(),
              QStringList({"IdPadre", "SNombre", "IEdad", "DFecha", "NMonto", "EActivo", "bFoto"}));
    EXPECT_EQ(ds.fieldInfo(0).type, FieldType::Integer);
    EXPECT_EQ(ds.fieldInfo(3).type, FieldType::Date);
    EXPECT_EQ(ds.fieldInfo(4).type, FieldType::Decimal);
    EXPECT_EQ(ds.fieldInfo(6).type, FieldType::Blob);
    EXPECT_TRUE(ds.fieldInfo(0).isPrimaryKey());

    EXPECT_EQ(ds.recNo(), 1);
    EXPECT_TRUE(ds.bof());
    EXPECT_EQ(ds.fieldByName("idpadre").asInteger(), 1);
    EXPECT_EQ(ds.fieldByName("SNombre").asString(), QStringLiteral("Ana"));
    EXPECT_EQ(ds.fieldByName("DFecha").asDate(), QDate(2024, 3, 5));
    EXPECT_EQ(ds.fieldByName("DFecha").displayText(), QStringLiteral("05/03/2024"));
    EXPECT_DOUBLE_EQ(ds.fieldByName("NMonto").asFloat(), 10.5);
    EXPECT_TRUE(ds.fieldByName("EActivo").asBoolean());

    std::vector<QString> walked;
    for (ds.first(); !ds.eof(); ds.next())
        walked.push_back(ds.fieldByName("SNombre").asString());
    EXPECT_EQ(walked, (std::vector<QString>{"Ana", "bruno", "Carla", "Ángel", "O'Brien"}));
    EXPECT_EQ(ds.recNo(), 5);
    ds.prior();
    EXPECT_EQ(ds.recNo(), 4);
    ds.setRecNo(2);
    EXPECT_TRUE(ds.fieldByName("IEdad").isNull());
    EXPECT_EQ(ds.fieldByName("IEdad").asInteger(), 0);
    EXPECT_FALSE(ds.fieldByName("IEdad").value().isValid());
    EXPECT_FALSE(ds.fieldByName("EActivo").asBoolean());
    EXPECT_EQ(ds.valueAt(2, 1), QVariant("Carla"));
    EXPECT_EQ(ds.recNo(), 2); // reading other rows does not move the cursor

    try {
        ds.fieldByName("NoExiste");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("No se encontró el campo NoExiste."));
    }
    EXPECT_FALSE(ds.findField("NoExiste").isValid());
    ds.close();
    EXPECT_EQ(ds.state(), Dataset::State::Inactive);
    EXPECT_THROW(ds.next(), Exception);
}

TEST_F(DatasetTest, ParametersAreSentAsEscapedLiterals) {
    Dataset ds(&db);
    ds.setSql("select IdPadre from padre where SNombre = :Nombre or IdPadre = :Id");
    ds.setParam("nombre", "x' or '1'='1");
    ds.setParam("id", QVariant());
    ds.open();
    EXPECT_EQ(ds.recordCount(), 0);
    ds.close();
    ds.setParam("Nombre", "O'Brien");
    ds.open();
    EXPECT_EQ(ids(ds), std::vector<int>{5});
    ds.close();
    ds.setParam("Nombre", "Ángel");
    ds.open();
    EXPECT_EQ(ids(ds), std::vector<int>{4});
    EXPECT_THROW(ds.setParam("Otro", 1), Exception);

    // Values are kept by name when the text changes.
    ds.setSql("select IdPadre from padre where SNombre = :NOMBRE");
    ds.open();
    EXPECT_EQ(ids(ds), std::vector<int>{4});

    Dataset colon(&db);
    colon.setSql("select @v ::= 5 as v, ':x' as t");
    colon.open();
    EXPECT_EQ(colon.fieldByName("v").asInteger(), 5);
    EXPECT_EQ(colon.fieldByName("t").asString(), QStringLiteral(":x"));
}

TEST_F(DatasetTest, RefreshKeepsTheCurrentRowByKey) {
    Dataset ds;
    openPadre(ds);
    ds.locate("SNombre", "Carla");
    int refreshes = 0;
    ds.hooks.beforeRefresh = [&](Dataset&) { ++refreshes; };
    other.execute("DELETE FROM padre WHERE IdPadre = 2");
    other.execute("UPDATE padre SET SNombre = 'Carla María' WHERE IdPadre = 3");
    ds.refresh();
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(ds.recordCount(), 4);
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 3);
    EXPECT_EQ(ds.fieldByName("SNombre").asString(), QStringLiteral("Carla María"));

    // The row is gone: the cursor stays at the same position.
    other.execute("DELETE FROM padre WHERE IdPadre = 3");
    ds.refresh();
    EXPECT_EQ(ds.recNo(), 2);
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 4);
}

TEST_F(DatasetTest, BookmarksReturnToTheKeptRow) {
    Dataset ds;
    openPadre(ds);
    ds.setRecNo(4);
    const Bookmark mark = ds.bookmark();
    ds.first();
    EXPECT_TRUE(ds.gotoBookmark(mark));
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 4);
    // After a re-read the key finds it again.
    other.execute("DELETE FROM padre WHERE IdPadre = 2");
    ds.refresh();
    ds.first();
    EXPECT_TRUE(ds.gotoBookmark(mark));
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 4);
    other.execute("DELETE FROM padre WHERE IdPadre = 4");
    ds.refresh();
    ds.first();
    EXPECT_FALSE(ds.gotoBookmark(mark));
    EXPECT_EQ(ds.recNo(), 1);
}

struct LocateCase {
    const char* fields;
    QVariant values;
    Dataset::LocateOptions options;
    int expectedId; ///< 0: not found
};

class LocateTest : public DatasetTest, public testing::WithParamInterface<LocateCase> {};

TEST_P(LocateTest, FindsTheFirstMatchingRow) {
    const LocateCase& c = GetParam();
    Dataset ds;
    openPadre(ds);
    ds.setRecNo(3);
    const bool found = ds.locate(c.fields, c.values, c.options);
    EXPECT_EQ(found, c.expectedId != 0);
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), c.expectedId ? c.expectedId : 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocateTest,
    testing::Values(LocateCase{"IdPadre", 4, {}, 4}, LocateCase{"IdPadre", "5", {}, 5},
                    LocateCase{"SNombre", "bruno", {}, 2}, LocateCase{"SNombre", "BRUNO", {}, 0},
                    LocateCase{"SNombre", "BRUNO", Dataset::CaseInsensitive, 2},
                    LocateCase{"SNombre", "Car", {}, 0},
                    LocateCase{"SNombre", "Car", Dataset::PartialKey, 3},
                    LocateCase{"SNombre", "car", Dataset::PartialKey | Dataset::CaseInsensitive, 3},
                    LocateCase{"DFecha;EActivo", QVariantList{QDate(2024, 3, 5), "No"}, {}, 5},
                    LocateCase{"DFecha, EActivo", QVariantList{"2024-03-05", "Si"}, {}, 1},
                    LocateCase{"IEdad", QVariant(), {}, 2}, LocateCase{"NMonto", 99.99, {}, 3},
                    LocateCase{"IdPadre", 77, {}, 0}));

TEST_F(DatasetTest, PostsAndDeletesAtOnceWithoutCache) {
    Dataset ds;
    openPadre(ds);
    std::vector<QString> events;
    QObject::connect(&ds, &Dataset::stateChanged, [&](Dataset::State s) {
        events.push_back(QStringLiteral("state %1").arg(int(s)));
    });
    QObject::connect(&ds, &Dataset::rowChanged,
                     [&](int row) { events.push_back(QStringLiteral("changed %1").arg(row)); });
    QObject::connect(&ds, &Dataset::rowInserted,
                     [&](int row) { events.push_back(QStringLiteral("inserted %1").arg(row)); });
    QObject::connect(&ds, &Dataset::rowRemoved,
                     [&](int row) { events.push_back(QStringLiteral("removed %1").arg(row)); });
    QObject::connect(&ds, &Dataset::rowAboutToBeInserted,
                     [&](int row) { events.push_back(QStringLiteral("inserting %1").arg(row)); });
    QObject::connect(&ds, &Dataset::rowAboutToBeRemoved,
                     [&](int row) { events.push_back(QStringLiteral("removing %1").arg(row)); });

    ds.setRecNo(2);
    ds.edit();
    EXPECT_EQ(ds.state(), Dataset::State::Edit);
    ds.fieldByName("IEdad").setAsInteger(33);
    ds.fieldByName("DFecha").setValue("31/12/2020");
    EXPECT_EQ(ds.valueAt(1, ds.fieldIndex("IEdad")), QVariant(33LL));
    // Another workstation changes a column this edit does not touch: it is kept.
    other.execute("UPDATE padre SET SNombre = 'Bruno B' WHERE IdPadre = 2");
    ds.post();
    EXPECT_EQ(
        scalar(other,
               "SELECT CONCAT(SNombre, '|', IEdad, '|', DFecha) FROM padre WHERE IdPadre = 2"),
        QStringLiteral("Bruno B|33|2020-12-31"));

    ds.append();
    EXPECT_EQ(ds.state(), Dataset::State::Insert);
    EXPECT_EQ(ds.recNo(), 6);
    ds.setValue("IdPadre", 6);
    ds.setValue("SNombre", "Nuevo");
    ds.post();
    EXPECT_EQ(scalar(other, "SELECT SNombre FROM padre WHERE IdPadre = 6"),
              QStringLiteral("Nuevo"));
    EXPECT_EQ(ds.recordCount(), 6);

    ds.deleteRecord();
    EXPECT_EQ(scalar(other, "SELECT COUNT(*) FROM padre WHERE IdPadre = 6"), QStringLiteral("0"));
    EXPECT_EQ(ds.recordCount(), 5);
    EXPECT_EQ(ds.recNo(), 5);

    const std::vector<QString> expected{
        "state 2", "changed 1", "changed 1", "state 1", "changed 1", "inserting 5", "inserted 5",
        "state 3", "changed 5", "changed 5", "state 1", "changed 5", "removing 5",  "removed 5"};
    EXPECT_EQ(events, expected);
}

TEST_F(DatasetTest, InsertFillsTheAutoIncrementKey) {
    Dataset ds(&db);
    ds.setSql("select * from hijo");
    ds.open();
    ds.append();
    ds.setValue("IdPadre", 3);
    ds.setValue("SNombre", "Hijo de Carla");
    ds.post();
    const qlonglong id = ds.fieldByName("IdHijo").asInteger();
    EXPECT_GT(id, 1);
    EXPECT_EQ(scalar(other, QStringLiteral("SELECT SNombre FROM hijo WHERE IdHijo = %1").arg(id)),
              QStringLiteral("Hijo de Carla"));
}

TEST_F(DatasetTest, RefusedDeleteCarriesTheServerTextAndKeepsTheRow) {
    Dataset ds;
    openPadre(ds);
    ASSERT_TRUE(ds.locate("IdPadre", 1));
    try {
        ds.deleteRecord();
        FAIL() << "the child row must stop the delete";
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains("foreign key constraint fails"))
            << qPrintable(e.message());
        EXPECT_EQ(e.code(), 1451u);
        EXPECT_EQ(e.kind(), QStringLiteral("EDatabaseError"));
    }
    EXPECT_EQ(ds.recordCount(), 5);
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 1);
}

TEST_F(DatasetTest, RefusedPostStaysInEditWithTheValues) {
    Dataset ds;
    openPadre(ds);
    ds.locate("IdPadre", 3);
    ds.edit();
    ds.setValue("IdPadre", 2); // duplicate key
    try {
        ds.post();
        FAIL();
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains("Duplicate entry")) << qPrintable(e.message());
    }
    EXPECT_EQ(ds.state(), Dataset::State::Edit);
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 2);
    ds.cancel();
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 3);
}

TEST_F(DatasetTest, CachedChangesWaitForApply) {
    Dataset ds;
    openPadre(ds, true);
    editAddAndDelete(ds, "Ana Editada", 7, 5);
    EXPECT_TRUE(ds.updatesPending());
    EXPECT_EQ(ds.recordCount(), 5);
    EXPECT_EQ(scalar(other, "SELECT GROUP_CONCAT(IdPadre, SNombre ORDER BY IdPadre) FROM padre"),
              QStringLiteral("1Ana,2bruno,3Carla,4Ángel,5O'Brien"));

    ds.applyUpdates();
    EXPECT_FALSE(ds.updatesPending());
    EXPECT_EQ(scalar(other, "SELECT GROUP_CONCAT(IdPadre, SNombre ORDER BY IdPadre) FROM padre"),
              QStringLiteral("1Ana Editada,2bruno,3Carla,4Ángel,7Nuevo 7"));
}

TEST_F(DatasetTest, CancelledUpdatesBringTheRowsBack) {
    Dataset ds;
    openPadre(ds, true);
    editAddAndDelete(ds, "Cambio", 8, 3);
    ds.locate("IdPadre", 4);
    ds.cancelUpdates();
    EXPECT_FALSE(ds.updatesPending());
    EXPECT_EQ(ids(ds), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(ds.locate("IdPadre", 1));
    EXPECT_EQ(ds.fieldByName("SNombre").asString(), QStringLiteral("Ana"));
    ds.applyUpdates(); // nothing left to write
    EXPECT_EQ(scalar(other, "SELECT GROUP_CONCAT(IdPadre, SNombre ORDER BY IdPadre) FROM padre"),
              QStringLiteral("1Ana,2bruno,3Carla,4Ángel,5O'Brien"));
}

TEST_F(DatasetTest, FailedApplyWritesNothingAndKeepsTheChangesPending) {
    Dataset ds;
    openPadre(ds, true);
    ds.locate("IdPadre", 3);
    ds.edit();
    ds.setValue("SNombre", "Carla Nueva");
    ds.post();
    ds.locate("IdPadre", 1);
    ds.deleteRecord(); // refused by the child row when applied
    try {
        ds.applyUpdates();
        FAIL();
    } catch (const DatabaseError& e) {
        EXPECT_TRUE(e.message().contains("foreign key constraint fails"));
    }
    EXPECT_TRUE(ds.updatesPending());
    EXPECT_EQ(scalar(other, "SELECT SNombre FROM padre WHERE IdPadre = 3"),
              QStringLiteral("Carla"));
    // The shared link is not left inside a transaction.
    EXPECT_EQ(scalar(db, "SELECT @@in_transaction"), QStringLiteral("0"));
    ds.cancelUpdates();
    EXPECT_EQ(ds.recordCount(), 5);
}

TEST_F(DatasetTest, WritesOnlyTheUpdateTableColumns) {
    Dataset ds(&db);
    ds.setSql("select h.*, p.SNombre as NombrePadre, p.IEdad from hijo h "
              "join padre p on p.IdPadre = h.IdPadre");
    ds.setCachedUpdates(true);
    ds.open();
    ds.edit();
    ds.setValue("SNombre", "Hijo renombrado");
    ds.setValue("NombrePadre", "No se escribe");
    ds.setValue("IEdad", 99);
    ds.post();
    ds.applyUpdates();
    EXPECT_EQ(scalar(other, "SELECT SNombre FROM hijo WHERE IdHijo = 1"),
              QStringLiteral("Hijo renombrado"));
    EXPECT_EQ(scalar(other, "SELECT CONCAT(SNombre, IEdad) FROM padre WHERE IdPadre = 1"),
              QStringLiteral("Ana30"));
}

TEST_F(DatasetTest, AChangeTouchingNoRowIsNotAnError) {
    Dataset ds;
    openPadre(ds, true);
    other.execute("DELETE FROM padre WHERE IdPadre = 2");
    ds.locate("IdPadre", 2);
    ds.edit();
    ds.setValue("SNombre", "Nadie");
    ds.post();
    EXPECT_NO_THROW(ds.applyUpdates());
    EXPECT_FALSE(ds.updatesPending());
}

TEST_F(DatasetTest, BinaryValuesRoundTrip) {
    const QByteArray bytes("a\0b'c\\d\"\xff", 9);
    Dataset ds;
    openPadre(ds);
    ds.edit();
    ds.fieldByName("bFoto").setValue(bytes);
    ds.post();
    EXPECT_EQ(scalar(other, "SELECT HEX(bFoto) FROM padre WHERE IdPadre = 1"),
              QString::fromLatin1(bytes.toHex().toUpper()));
    ds.close();
    ds.open();
    EXPECT_EQ(ds.fieldByName("bFoto").asBytes(), bytes);
}

TEST_F(DatasetTest, StatesRefuseWhatTheyMust) {
    Dataset ds;
    openPadre(ds);
    EXPECT_THROW(ds.fieldByName("SNombre").setValue("x"), Exception); // browsing
    ds.setReadOnly(true);
    try {
        ds.edit();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("No se puede modificar un conjunto de datos de sólo lectura."));
    }
    EXPECT_THROW(ds.append(), Exception);
    EXPECT_THROW(ds.deleteRecord(), Exception);
    ds.setReadOnly(false);

    ds.insert();
    EXPECT_EQ(ds.recNo(), 1);
    EXPECT_EQ(ds.recordCount(), 6);
    ds.cancel();
    EXPECT_EQ(ds.recordCount(), 5);
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 1);

    // Edit on an empty dataset starts a new row.
    Dataset empty(&db);
    empty.setSql("select * from padre where IdPadre = 0");
    empty.open();
    empty.edit();
    EXPECT_EQ(empty.state(), Dataset::State::Insert);
    empty.cancel();
    EXPECT_EQ(empty.recordCount(), 0);
    EXPECT_THROW(empty.deleteRecord(), Exception);
}

TEST_F(DatasetTest, MovingWhileEditingPostsTheRow) {
    Dataset ds;
    openPadre(ds);
    ds.edit();
    ds.setValue("IEdad", 31);
    ds.next();
    EXPECT_EQ(ds.state(), Dataset::State::Browse);
    EXPECT_EQ(scalar(other, "SELECT IEdad FROM padre WHERE IdPadre = 1"), QStringLiteral("31"));
}

TEST_F(DatasetTest, DeclaredRequiredFieldsNeedAValue) {
    Dataset ds(&db);
    ds.setSql("select * from padre");
    ds.setFieldDefs({FieldInfo::declared("SNombre", FieldType::String, 60, true)});
    ds.open();
    ds.append();
    ds.setValue("IdPadre", 9);
    try {
        ds.post();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("El campo SNombre debe tener un valor."));
    }
    ds.cancel();
    ds.close();
    ds.setFieldDefs({FieldInfo::declared("NoEsta", FieldType::String)});
    EXPECT_THROW(ds.open(), Exception);
    EXPECT_FALSE(ds.isActive());
}

TEST_F(DatasetTest, HooksRunAroundOpenAndPost) {
    Dataset ds;
    std::vector<std::string> calls;
    ds.hooks.beforeOpen = [&](Dataset&) { calls.push_back("beforeOpen"); };
    ds.hooks.afterOpen = [&](Dataset&) { calls.push_back("afterOpen"); };
    ds.hooks.onNewRecord = [&](Dataset& d) {
        calls.push_back("onNewRecord");
        d.setValue("EActivo", "Si");
    };
    ds.hooks.beforePost = [&](Dataset&) { calls.push_back("beforePost"); };
    ds.hooks.afterPost = [&](Dataset& d) {
        calls.push_back("afterPost");
        d.applyUpdates();
    };
    openPadre(ds, true);
    ds.append();
    ds.setValue("IdPadre", 10);
    ds.setValue("SNombre", "Diez");
    ds.post();
    EXPECT_EQ(calls, (std::vector<std::string>{"beforeOpen", "afterOpen", "onNewRecord",
                                               "beforePost", "afterPost"}));
    EXPECT_EQ(scalar(other, "SELECT EActivo FROM padre WHERE IdPadre = 10"), QStringLiteral("Si"));
}

struct FilterCase {
    const char* expression;
    bool caseInsensitive;
    std::vector<int> ids;
};

class FilterTest : public DatasetTest, public testing::WithParamInterface<FilterCase> {};

TEST_P(FilterTest, ShowsOnlyTheMatchingRows) {
    const FilterCase& c = GetParam();
    Dataset ds;
    openPadre(ds);
    ds.setFilterCaseInsensitive(c.caseInsensitive);
    ds.setFilter(QString::fromUtf8(c.expression));
    ds.setFiltered(true);
    EXPECT_EQ(ids(ds), c.ids) << c.expression;
    ds.setFiltered(false);
    EXPECT_EQ(ds.recordCount(), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FilterTest,
    testing::Values(
        FilterCase{" (IdPadre = 3) or (IdPadre = 0)", false, {3}},
        FilterCase{" (IdPadre = 3) or (IdPadre = 1) or (IdPadre = 0)", false, {1, 3}},
        FilterCase{"EActivo <> 'Si'", false, {2, 5}},
        FilterCase{"IdPadre = '3' AND EActivo = 'Si'", false, {3}},
        FilterCase{"IdPadre = '3' AND EActivo = 'No'", false, {}},
        FilterCase{"SNombre = 'BRUNO'", false, {}}, FilterCase{"SNombre = 'BRUNO'", true, {2}},
        FilterCase{"SNombre LIKE '%r%'", false, {2, 3, 5}},
        FilterCase{"SNombre like 'a%'", true, {1}}, FilterCase{"SNombre LIKE '_n_'", false, {1}},
        FilterCase{"SNombre NOT LIKE '%a%'", false, {2, 4, 5}},
        FilterCase{"IEdad > 30", false, {3, 5}},
        FilterCase{"IEdad >= 30 and IEdad < 50", false, {1, 3}},
        FilterCase{"IEdad <= 20 or IEdad is null", false, {2, 4}},
        FilterCase{"IEdad = NULL", false, {2}}, FilterCase{"IEdad <> NULL", false, {1, 3, 4, 5}},
        FilterCase{"IEdad is not null and not (IEdad > 40)", false, {1, 4}},
        FilterCase{"IEdad <> 30", false, {3, 4, 5}},
        FilterCase{"IdPadre in (1, 4, 9)", false, {1, 4}},
        FilterCase{"IdPadre not in (1, 4)", false, {2, 3, 5}},
        FilterCase{"IEdad between 20 and 45", false, {1, 3, 4}},
        FilterCase{"IEdad not between 20 and 45", false, {5}},
        FilterCase{"DFecha = '2024-03-05'", false, {1, 5}},
        FilterCase{"DFecha >= '01/01/2024'", false, {1, 4, 5}},
        FilterCase{"DFecha between '2023-12-01' and '2024-01-31'", false, {3, 4}},
        FilterCase{"NMonto > 9.5", false, {1, 3}},
        FilterCase{"NMonto = -1 or NMonto >= 99.99", false, {3}},
        FilterCase{"[SNombre] = 'O''Brien'", false, {5}},
        FilterCase{"`EActivo` = \"Si\" and IdPadre > 1", false, {3, 4}},
        FilterCase{"idpadre = 4", false, {4}}, FilterCase{"", false, {1, 2, 3, 4, 5}}));

TEST_F(DatasetTest, FilterWithAnUnknownFieldIsRefused) {
    Dataset ds;
    openPadre(ds);
    ds.setFiltered(true);
    try {
        ds.setFilter("NoExiste = 1");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.message().contains("NoExiste")) << qPrintable(e.message());
    }
    EXPECT_EQ(ds.recordCount(), 5);
}

TEST_F(DatasetTest, FilterMovesToTheFirstRowAndKeepsTheData) {
    Dataset ds;
    openPadre(ds);
    int about = 0, reset = 0;
    QObject::connect(&ds, &Dataset::aboutToResetRows, [&] { ++about; });
    QObject::connect(&ds, &Dataset::rowsReset, [&] {
        ++reset;
        EXPECT_EQ(about, reset);
    });
    ds.setRecNo(5);
    ds.setFilter("EActivo = 'Si'");
    ds.setFiltered(true);
    EXPECT_EQ(reset, 1);
    EXPECT_EQ(ds.recNo(), 1);
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 1);
    ds.setFiltered(false);
    EXPECT_EQ(ds.recordCount(), 5);
}

TEST_F(DatasetTest, ClientSideOrder) {
    Dataset ds;
    openPadre(ds);
    ds.locate("IdPadre", 3);
    ds.setOrderBy("SNombre asc");
    EXPECT_EQ(ids(ds), (std::vector<int>{1, 2, 3, 5, 4})); // without regard to case
    EXPECT_EQ(ds.fieldByName("IdPadre").asInteger(), 3);   // the same row stays current
    ds.setOrderBy("IEdad desc, IdPadre");
    EXPECT_EQ(ids(ds), (std::vector<int>{5, 3, 1, 4, 2})); // NULL last when descending
    ds.setOrderBy("DFecha, IdPadre DESC");
    EXPECT_EQ(ids(ds), (std::vector<int>{2, 3, 4, 5, 1}));
    EXPECT_THROW(ds.setOrderBy("NoExiste"), Exception);
    EXPECT_THROW(ds.setOrderBy("IdPadre sideways"), Exception);
    EXPECT_EQ(ds.orderBy(), QStringLiteral("DFecha, IdPadre DESC"));
    ds.refresh(); // the order holds after a re-read
    EXPECT_EQ(ids(ds), (std::vector<int>{2, 3, 4, 5, 1}));
    ds.setOrderBy(QString());
    EXPECT_EQ(ids(ds), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST_F(DatasetTest, AnEditedRowIsLockedAgainstOtherWorkstations) {
    Dataset mine;
    openPadre(mine, true);
    mine.setLockMode(Dataset::LockMode::Pessimistic);
    Dataset theirs(&other);
    theirs.setSql("select * from padre order by IdPadre");
    theirs.setLockMode(Dataset::LockMode::Pessimistic);
    theirs.open();

    mine.edit();
    EXPECT_TRUE(mine.holdsRowLock());
    try {
        theirs.edit();
        FAIL() << "the row is being edited elsewhere";
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Otro usuario está modificando este registro. "
                                              "Intente más tarde."));
    }
    EXPECT_EQ(theirs.state(), Dataset::State::Browse);
    theirs.next();
    EXPECT_NO_THROW(theirs.edit()); // another row is free
    theirs.cancel();
    theirs.first();

    // No transaction is held open on the shared link while editing.
    EXPECT_EQ(scalar(db, "SELECT @@in_transaction"), QStringLiteral("0"));
    mine.setValue("SNombre", "Ana Bloqueada");
    mine.post();
    mine.applyUpdates();
    EXPECT_FALSE(mine.holdsRowLock());

    // The other workstation now edits what the server holds, not its stale copy.
    theirs.edit();
    EXPECT_EQ(theirs.fieldByName("SNombre").asString(), QStringLiteral("Ana Bloqueada"));
    theirs.cancel();

    // A dropped link frees the lock.
    mine.edit();
    orva::test::killAndWait(other, db.threadId());
    theirs.edit();
    EXPECT_EQ(theirs.state(), Dataset::State::Edit);
}

TEST_F(DatasetTest, EditingARowAnotherWorkstationDeletedSaysSo) {
    Dataset ds;
    openPadre(ds);
    ds.setLockMode(Dataset::LockMode::Pessimistic);
    ds.locate("IdPadre", 4);
    other.execute("DELETE FROM padre WHERE IdPadre = 4");
    EXPECT_THROW(ds.edit(), Exception);
    EXPECT_EQ(ds.state(), Dataset::State::Browse);
    EXPECT_FALSE(ds.holdsRowLock());
}

TEST_F(DatasetTest, RowsAreHeldCompactly) {
    Dataset ds;
    openPadre(ds);
    // Five short rows of seven columns: well under a kilobyte with their bookkeeping.
    EXPECT_LT(ds.rowBytes(), 1024u);
    EXPECT_GT(ds.rowBytes(), 5u * 7u);
}

} // namespace
