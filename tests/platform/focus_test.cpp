#include "platform/editors/dbdateedit.h"
#include "platform/editors/dbmemo.h"
#include "platform/focus/editorfocus.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace orva::platform;

namespace {

class EnterNavigation : public testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : std::initializer_list<QWidget*>{name, date, combo, memo, last, button})
            layout->addWidget(w);
        name->setObjectName("name");
        date->setObjectName("date");
        combo->setObjectName("combo");
        memo->setObjectName("memo");
        last->setObjectName("last");
        combo->addItems({"uno", "dos"});
        EditorFocus::install(&window, QColor("#00BDCD"));
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QString focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "(none)";
    }

    QWidget window;
    QLineEdit* name = new QLineEdit;
    DbDateEdit* date = new DbDateEdit;
    QComboBox* combo = new QComboBox;
    DbMemo* memo = new DbMemo;
    QLineEdit* last = new QLineEdit;
    QPushButton* button = new QPushButton("Aceptar");
};

TEST_F(EnterNavigation, EnterMovesToTheNextControlAsTab) {
    name->setFocus();
    QStringList path{focused()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        path << focused();
    }
    // The date editor is left whole, not stepped through day, month and year.
    EXPECT_EQ(path, QStringList({"name", "date", "combo", "memo"}));
}

TEST_F(EnterNavigation, MemoKeepsEnterForNewLines) {
    memo->setFocus();
    QTest::keyClicks(memo, "a");
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(focused(), "memo");
    EXPECT_EQ(memo->toPlainText(), "a\n");
}

TEST_F(EnterNavigation, FocusedEditorTakesTheHighlightAndWhiteWhenLeft) {
    name->setFocus();
    EXPECT_EQ(name->palette().color(QPalette::Base), QColor("#00BDCD"));
    QTest::keyClick(name, Qt::Key_Enter);
    EXPECT_EQ(name->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(date->palette().color(QPalette::Base), QColor("#00BDCD"));
}

TEST_F(EnterNavigation, EnterIsConsumed) {
    bool returned = false;
    QObject::connect(name, &QLineEdit::returnPressed, [&] { returned = true; });
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_FALSE(returned);
}

TEST_F(EnterNavigation, AFocusedButtonTakesEnterItself) {
    QWidget dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* check = new QCheckBox("Activo");
    auto* accept = new QPushButton("Aceptar");
    auto* after = new QLineEdit;
    accept->setAutoDefault(true);
    for (QWidget* w : std::initializer_list<QWidget*>{check, accept, after})
        layout->addWidget(w);
    EditorFocus::install(&dialog);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    int clicks = 0;
    QObject::connect(accept, &QPushButton::clicked, [&] { ++clicks; });
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Return); // a switch leaves Enter to the window
    EXPECT_EQ(QApplication::focusWidget(), accept);
    QTest::keyClick(accept, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
}

TEST(EditorFocusDefaults, HighlightIsTheActiveCaptionGradient) {
    EXPECT_EQ(EditorFocus::defaultHighlight(), QColor(185, 209, 234));
}

} // namespace
