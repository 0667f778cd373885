// The record toolbars: their buttons as the windows find them, and the browsing and
// editing states.
#include "shell/barrainferior.h"
#include "shell/barrasuperior.h"
#include "shell/tag.h"

#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orva::shell;

namespace {

struct BotonEsperado {
    const char* nombre;
    const char* titulo;
    const char* sugerencia;
    int tag;
    bool visible;
};

class BarrasTest : public testing::Test {
protected:
    void SetUp() override {
        ventana.resize(900, 200);
        ventana.show();
    }
    QWidget ventana;
    TFrmBarraSuperior* superior = new TFrmBarraSuperior(&ventana);
};

TEST_F(BarrasTest, UpperToolbarHasEveryButtonWithCaptionHintTagAndVisibility) {
    const BotonEsperado esperados[] = {
        {"btnAdd", "Agregar", "Nuevo Registro", 10, true},
        {"btnEdit", "Editar", "Editar Registro", 11, true},
        {"btnDelete", "Eliminar", "Eliminar Registro", 12, true},
        {"btnRefresh", "Refresca", "Refrescar Datos", 0, true},
        {"btnExporta", "Exportar", "Exportar a Excel", 13, true},
        {"btnPrinter", "Imprime", "Imprimir en Pantalla", 14, true},
        {"btnDetalle", "Detalle", "Detalle de Registro Seleccionado", 0, false},
        {"btnActivar", "Activar", "", 0, false},
    };
    EXPECT_EQ(superior->objectName(), "FrmBarraSuperior1");
    for (const BotonEsperado& e : esperados) {
        SCOPED_TRACE(e.nombre);
        auto* b = superior->findChild<QToolButton*>(QString::fromLatin1(e.nombre));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), QString::fromUtf8(e.titulo));
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(e.sugerencia));
        EXPECT_EQ(Tag(b), e.tag);
        EXPECT_EQ(b->isVisible(), e.visible);
    }
}

TEST_F(BarrasTest, UpperToolbarButtonsSitLeftToRightInTheirOrder) {
    QList<QToolButton*> visibles;
    for (QToolButton* b : superior->botonesDeRegistro())
        if (b->isVisible())
            visibles << b;
    ASSERT_EQ(visibles.size(), 6);
    for (int i = 1; i < visibles.size(); ++i)
        EXPECT_LT(visibles[i - 1]->mapTo(superior, QPoint()).x(),
                  visibles[i]->mapTo(superior, QPoint()).x())
            << visibles[i]->objectName().toStdString();
    // Activar is outside the panel of the other buttons.
    EXPECT_NE(superior->btnActivar->parentWidget(), superior->btnAdd->parentWidget());
}

TEST_F(BarrasTest, AddAndEditDisableTheSevenButtonsAndActivarEnablesThem) {
    using Operacion = void (TFrmBarraSuperior::*)();
    for (Operacion entrar : {&TFrmBarraSuperior::btnAddClick, &TFrmBarraSuperior::btnEditClick}) {
        (superior->*entrar)();
        for (QToolButton* b : superior->botonesDeRegistro())
            EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
        superior->btnActivarClick();
        for (QToolButton* b : superior->botonesDeRegistro())
            EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        // The hidden buttons stay hidden in every state.
        EXPECT_FALSE(superior->btnDetalle->isVisible());
        EXPECT_FALSE(superior->btnActivar->isVisible());
    }
}

TEST_F(BarrasTest, StatesTouchOnlyTheSevenButtons) {
    superior->btnActivar->setEnabled(false);
    superior->btnAddClick();
    superior->btnActivarClick();
    EXPECT_FALSE(superior->btnActivar->isEnabled());
}

TEST_F(BarrasTest, ClickingAButtonLeavesTheStateToTheWindow) {
    int pulsaciones = 0;
    QObject::connect(superior->btnAdd, &QToolButton::clicked, [&] { ++pulsaciones; });
    superior->btnAdd->click();
    EXPECT_EQ(pulsaciones, 1);
    EXPECT_TRUE(superior->btnEdit->isEnabled());
}

TEST(BarraInferiorTest, AcceptAndCancelWithTheirHintsRightAligned) {
    QWidget ventana;
    ventana.resize(600, 100);
    auto* inferior = new TFrmBarraInferior(&ventana);
    inferior->setGeometry(0, 0, 600, 50);
    ventana.show();
    EXPECT_EQ(inferior->objectName(), "FrmBarraInferior1");
    EXPECT_EQ(inferior->btnPost->objectName(), "btnPost");
    EXPECT_EQ(inferior->btnPost->text(), "Aceptar");
    EXPECT_EQ(inferior->btnPost->toolTip(), "Salvar cambios (F10)");
    EXPECT_EQ(inferior->btnCancel->objectName(), "btnCancel");
    EXPECT_EQ(inferior->btnCancel->text(), "Cancelar");
    EXPECT_EQ(inferior->btnCancel->toolTip(), "Cancelar cambios (F12)");
    EXPECT_GT(inferior->btnPost->x(), 300);
    EXPECT_LT(inferior->btnPost->x(), inferior->btnCancel->x());
}

} // namespace
