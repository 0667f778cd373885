#include "platform/dialogs/dialogs.h"
#include "platform/dialogs/filefilter.h"
#include "platform/dialogs/qtdialogs.h"
#include "platform/dialogs/scripteddialogs.h"
#include "platform/dialogs/translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orva::platform;

namespace {

struct FilterCase {
    const char* delphi;
    const char* qt;
};

class FileFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(FileFilterTest, TranslatesToQtFilter) {
    EXPECT_EQ(qtFileFilter(QString::fromUtf8(GetParam().delphi)), QString::fromUtf8(GetParam().qt));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileFilterTest,
    testing::Values(
        FilterCase{"", ""},
        FilterCase{"Imágenes|*.jpg;*.png", "Imágenes (*.jpg *.JPG *.png *.PNG)"},
        FilterCase{"Archivo de Microsoft Excel 2010|*.XLSX|Archivo de Microsoft Excel 2003|*.XLS",
                   "Archivo de Microsoft Excel 2010 (*.XLSX *.xlsx);;"
                   "Archivo de Microsoft Excel 2003 (*.XLS *.xls)"},
        FilterCase{"Imágenes y PDF|*.jpg;*.pdf", "Imágenes y PDF (*.jpg *.JPG *.pdf *.PDF)"},
        FilterCase{"Todos|*", "Todos (*)"}));

TEST(ScriptedDialogs, AnswersInOrderAndRecordsEverything) {
    ScriptedDialogs d;
    d.answerYes()
        .answerNo()
        .answerCancel()
        .answerOk()
        .answerText("kqTMvb7Hwz318")
        .answerFile("/tmp/lista");
    d.information("Se guardó");
    EXPECT_TRUE(d.confirm("¿Desea eliminar el registro seleccionado?"));
    EXPECT_FALSE(d.confirm("¿Otra vez?"));
    EXPECT_EQ(d.yesNoCancel("¿Importar?"), Answer::Cancel);
    EXPECT_TRUE(d.okCancel("No se pudo conectar", "Error de Conexion"));
    EXPECT_EQ(d.input("¡Registro de Host para conexiones!", "Ingresar contraseña:", {{}, true, {}}),
              std::optional<QString>("kqTMvb7Hwz318"));
    EXPECT_EQ(d.saveFileName("Guardar", ""), "/tmp/lista");
    EXPECT_TRUE(d.openWithDefaultProgram("/tmp/lista.xls"));
    d.warning("Cuidado");
    d.error("Falló", "Error propio");
    d.message("Hola");
    EXPECT_EQ(d.pendingAnswers(), 0);

    struct Expected {
        DialogKind kind;
        const char* title;
        const char* text;
        const char* answer;
    };
    const Expected expected[] = {
        {DialogKind::Information, "Información", "Se guardó", ""},
        {DialogKind::Confirm, "Confirmación", "¿Desea eliminar el registro seleccionado?", "Sí"},
        {DialogKind::Confirm, "Confirmación", "¿Otra vez?", "No"},
        {DialogKind::YesNoCancel, "Confirmación", "¿Importar?", "Cancelar"},
        {DialogKind::OkCancel, "Error de Conexion", "No se pudo conectar", "Aceptar"},
        {DialogKind::Input, "¡Registro de Host para conexiones!",
         "Ingresar contraseña:", "kqTMvb7Hwz318"},
        {DialogKind::SaveFile, "Guardar", "", "/tmp/lista"},
        {DialogKind::OpenDocument, "", "/tmp/lista.xls", ""},
        {DialogKind::Warning, "Advertencia", "Cuidado", ""},
        {DialogKind::Error, "Error propio", "Falló", ""},
        {DialogKind::Message, "Orva", "Hola", ""},
    };
    ASSERT_EQ(d.shown().size(), static_cast<qsizetype>(std::size(expected)));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const ShownDialog& s = d.shown().at(static_cast<qsizetype>(i));
        EXPECT_EQ(s.kind, expected[i].kind);
        EXPECT_EQ(s.title, QString::fromUtf8(expected[i].title));
        EXPECT_EQ(s.text, QString::fromUtf8(expected[i].text));
        EXPECT_EQ(s.answer, QString::fromUtf8(expected[i].answer));
    }
    EXPECT_EQ(d.texts(DialogKind::Confirm),
              QStringList({"¿Desea eliminar el registro seleccionado?", "¿Otra vez?"}));
}

TEST(ScriptedDialogs, QuestionWithoutAnswerFailsLoudly) {
    ScriptedDialogs d;
    EXPECT_THROW(d.confirm("¿Salir?"), ScriptedDialogsError);
    EXPECT_EQ(d.last().text, "¿Salir?");
}

TEST(ScriptedDialogs, AnswerOfAnotherKindFailsLoudly) {
    ScriptedDialogs d;
    d.answerText("abc");
    EXPECT_THROW(d.confirm("¿Salir?"), ScriptedDialogsError);
    ScriptedDialogs e;
    e.answerYes();
    EXPECT_THROW(e.input("t", "p"), ScriptedDialogsError);
}

TEST(ScriptedDialogs, CancelledInputAndFileGiveNothing) {
    ScriptedDialogs d;
    d.answerCancel().answerCancel();
    EXPECT_EQ(d.input("t", "p"), std::nullopt);
    EXPECT_TRUE(d.openFileName("Selecciona archivo", "Imágenes|*.jpg").isEmpty());
}

TEST(DialogsService, InstalledServiceIsTheOneUsed) {
    auto scripted = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs* raw = scripted.get();
    auto previous = installDialogs(std::move(scripted));
    dialogs().warning("uno");
    EXPECT_EQ(raw->texts(DialogKind::Warning), QStringList{"uno"});
    installDialogs(std::move(previous));
}

TEST(QtDialogs, SpanishButtonsAndConfirmationTitle) {
    ASSERT_TRUE(installQtTranslations(*QCoreApplication::instance()));
    QtDialogs qt;
    QString title;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                title = box->windowTitle();
                for (QAbstractButton* b : box->buttons())
                    buttons << b->text().remove('&');
                box->button(QMessageBox::No)->click();
            }
    });
    EXPECT_FALSE(qt.confirm("¿Desea salir?"));
    EXPECT_EQ(title, "Confirmación");
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"No", "Sí"}));
}

TEST(QtDialogs, MaskedInputBoxReturnsTypedText) {
    QtDialogs qt;
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible()) {
                auto* edit = dialog->findChild<QLineEdit*>();
                EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
                edit->setText("secreto");
                dialog->accept();
            }
    });
    EXPECT_EQ(qt.input("Acceso", "Ingresar contraseña:", {{}, true, {}}),
              std::optional<QString>("secreto"));
}

} // namespace
