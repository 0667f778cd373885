#include "gridfixture.h"

#include "platform/editors/dbdateedit.h"
#include "platform/editors/dbedit.h"
#include "platform/editors/dblookup.h"
#include "platform/editors/dbmaskedit.h"
#include "platform/editors/dbmemo.h"
#include "platform/editors/dbnumberedit.h"
#include "platform/editors/dbswitch.h"
#include "platform/editors/recordbinder.h"

#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace orva::platform;

namespace {

/// Types text as a user does, accented letters included.
void type(QWidget* widget, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

/// A data panel with one editor of each kind.
struct Panel {
    Panel() {
        auto* layout = new QVBoxLayout(&widget);
        for (QWidget* w : std::initializer_list<QWidget*>{name, code, birth, year, amount, phone,
                                                          notes, state, active})
            layout->addWidget(w);
        name->setUpperCase(true);
        code->setReadOnly(true);
        amount->setKind(DbNumberEdit::Kind::Amount);
        states.reset(test::peopleModel()); // lookup over the people table: key SCodigo
        state->setLookup(states.get(), "SCodigo", {"SNombre", "SAPaterno"});
        binder.addAll(&widget);
    }
    QWidget widget;
    DbEdit* name = new DbEdit("SNombre");
    DbEdit* code = new DbEdit("SCodigo");
    DbDateEdit* birth = new DbDateEdit("DFechaNacimiento");
    DbNumberEdit* year = new DbNumberEdit("IVigencia", DbNumberEdit::Kind::Integer);
    DbNumberEdit* amount = new DbNumberEdit("Monto", DbNumberEdit::Kind::Amount);
    DbMaskEdit* phone = new DbMaskEdit("STelefono", "!\\(999\\)000-0000;1;_");
    DbMemo* notes = new DbMemo("SDomicilio");
    DbLookup* state = new DbLookup("IdPersona");
    DbSwitch* active = new DbSwitch("EActivo", "Activo");
    std::unique_ptr<QStandardItemModel> states;
    RecordBinder binder;
};

TEST(RecordBinder, FindsEveryBoundEditorInFocusOrder) {
    Panel p;
    QStringList fields;
    for (BoundEditor* e : p.binder.editors())
        fields << e->fieldName();
    EXPECT_EQ(fields, QStringList({"SNombre", "SCodigo", "DFechaNacimiento", "IVigencia", "Monto",
                                   "STelefono", "SDomicilio", "IdPersona", "EActivo"}));
    EXPECT_EQ(p.binder.editor("snombre"), p.name);
}

TEST(RecordBinder, LoadsAndWritesBackTheRecord) {
    Panel p;
    MapRecord record({{"SNombre", "JUAN"},
                      {"SCodigo", "P0003"},
                      {"DFechaNacimiento", QDate(1975, 3, 5)},
                      {"IVigencia", 2031},
                      {"Monto", 50.25},
                      {"STelefono", "(331)555-1234"},
                      {"SDomicilio", "Calle 1\nCentro"},
                      {"IdPersona", "P0004"},
                      {"EActivo", "Si"}});
    p.binder.load(record);
    EXPECT_EQ(p.name->text(), "JUAN");
    EXPECT_EQ(p.birth->date(), QDate(1975, 3, 5));
    EXPECT_EQ(p.amount->text(), "50.25");
    EXPECT_EQ(p.phone->displayText(), "(331)555-1234");
    EXPECT_EQ(p.state->currentText(), "ANA");
    EXPECT_TRUE(p.active->isChecked());

    MapRecord written;
    p.binder.store(written);
    QVariantMap expected = record.values();
    expected.remove("SCodigo"); // read-only: shown, never written
    expected["IVigencia"] = qlonglong(2031);
    EXPECT_EQ(written.values(), expected);
}

TEST(RecordBinder, EmptyEditorsWriteNullsAndNo) {
    Panel p;
    p.binder.load(MapRecord());
    MapRecord written;
    p.binder.store(written);
    for (const char* field : {"DFechaNacimiento", "IVigencia", "Monto", "IdPersona"})
        EXPECT_TRUE(written.value(field).isNull()) << field;
    EXPECT_EQ(written.value("STelefono").toString(), "");
    EXPECT_EQ(written.value("EActivo").toString(), "No");
}

TEST(DbEdit, TypesInUpperCase) {
    DbEdit edit("SNombre");
    edit.setUpperCase(true);
    type(&edit, "josé maría");
    EXPECT_EQ(edit.editorValue().toString(), "JOSÉ MARÍA");
}

struct SwitchCase {
    QVariant stored;
    bool on;
};

class SwitchValues : public testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchValues, OnlyExactSiIsOn) {
    DbSwitch s("EActivo", "Activo");
    s.setEditorValue(GetParam().stored);
    EXPECT_EQ(s.isChecked(), GetParam().on);
    EXPECT_EQ(s.editorValue().toString(), GetParam().on ? "Si" : "No");
}

INSTANTIATE_TEST_SUITE_P(Cases, SwitchValues,
                         testing::Values(SwitchCase{"Si", true}, SwitchCase{"si", false},
                                         SwitchCase{"No", false}, SwitchCase{QVariant(), false},
                                         SwitchCase{"SI", false}));

struct NumberCase {
    DbNumberEdit::Kind kind;
    const char* typed;
    QVariant value;
};

class NumberTyping : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberTyping, AcceptsOnlyNumbers) {
    DbNumberEdit edit("n", GetParam().kind);
    QTest::keyClicks(&edit, GetParam().typed);
    EXPECT_EQ(edit.editorValue(), GetParam().value) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberTyping,
    testing::Values(NumberCase{DbNumberEdit::Kind::Integer, "2031", QVariant(qlonglong(2031))},
                    NumberCase{DbNumberEdit::Kind::Integer, "20a31", QVariant(qlonglong(2031))},
                    NumberCase{DbNumberEdit::Kind::Integer, "-5", QVariant(qlonglong(-5))},
                    NumberCase{DbNumberEdit::Kind::Amount, "1,234.567", QVariant(1234.56)},
                    NumberCase{DbNumberEdit::Kind::Amount, "",
                               QVariant(QMetaType(QMetaType::Double))}));

TEST(DbDateEdit, DeleteEmptiesTheDate) {
    DbDateEdit edit("DFecha");
    edit.setEditorValue(QDate(2024, 3, 5));
    EXPECT_EQ(edit.editorValue().toDate(), QDate(2024, 3, 5));
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_TRUE(edit.editorValue().isNull());
    edit.setEditorValue("2024-12-25");
    EXPECT_EQ(edit.editorValue().toDate(), QDate(2024, 12, 25));
}

TEST(DbLookup, KeepsTheKeyWhenItsListReloads) {
    std::unique_ptr<QStandardItemModel> people(test::peopleModel());
    DbLookup lookup("IdPersona");
    lookup.setLookup(people.get(), "SCodigo", {"SNombre"});
    lookup.setEditorValue("P0003");
    EXPECT_EQ(lookup.currentText(), "JUAN");
    people->sort(1); // the list is re-read in another order
    people->insertRow(0, new QStandardItem("P0009"));
    EXPECT_EQ(lookup.editorValue().toString(), "P0003");
    lookup.setEditorValue("P9999");
    EXPECT_TRUE(lookup.editorValue().isNull());
}

} // namespace
