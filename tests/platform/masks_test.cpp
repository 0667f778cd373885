#include "platform/editors/dbmaskedit.h"
#include "platform/editors/delphimask.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace orva::platform;

namespace {

struct MaskCase {
    const char* delphi;
    const char* qt;
    bool keepLiterals;
};

class MaskTranslation : public testing::TestWithParam<MaskCase> {};

TEST_P(MaskTranslation, TranslatesOnce) {
    const EditMask m = translateDelphiMask(QString::fromUtf8(GetParam().delphi));
    EXPECT_EQ(m.qtMask, QString::fromUtf8(GetParam().qt));
    EXPECT_EQ(m.keepLiterals, GetParam().keepLiterals);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskTranslation,
    testing::Values(
        // Required and optional digits swap meaning between the two notations.
        MaskCase{"0000;1;_", "9999;_", true}, MaskCase{"9999;1;_", "0000;_", true},
        MaskCase{"!\\(999\\)000-0000;1;_", "(000)999-9999;_", true},
        MaskCase{"!\\(999\\)000-000 0;1;_", "(000)999-999 9;_", true},
        MaskCase{"00/00/0000;0;*", "99/99/9999;*", false},
        MaskCase{">LLL-000;1;_", ">AAA-999;_", true}, MaskCase{"<>llaa;1;#", "!aann;#", true},
        MaskCase{"<CCc;0; ", "<XXx; ", false},
        // Literals that Qt reads as mask characters are escaped.
        MaskCase{"\\A\\N-00;1;_", "\\A\\N-99;_", true}, MaskCase{"00:00;1;_", "99:99;_", true},
        MaskCase{"000_000;1;_", "999 999;_", true}, MaskCase{"#99", "#00;_", true},
        MaskCase{"", "", true}));

struct TypingCase {
    const char* mask;
    const char* typed;
    const char* value;
};

class MaskTyping : public testing::TestWithParam<TypingCase> {};

TEST_P(MaskTyping, StoresWhatTheMaskSays) {
    DbMaskEdit edit("Campo", QString::fromUtf8(GetParam().mask));
    edit.setFocus();
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(edit.editorValue().toString(), QString::fromUtf8(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskTyping,
    testing::Values(TypingCase{"0000;1;_", "2031", "2031"}, TypingCase{"0000;1;_", "", ""},
                    TypingCase{"!\\(999\\)000-0000;1;_", "3315551234", "(331)555-1234"},
                    TypingCase{"!\\(999\\)000-000 0;1;_", "3315551234", "(331)555-123 4"},
                    TypingCase{"!\\(999\\)000-0000;0;_", "3315551234", "3315551234"},
                    TypingCase{">LLL-000;1;_", "abc123", "ABC-123"}));

TEST(MaskEdit, ShowsAStoredValueWithOrWithoutLiterals) {
    DbMaskEdit withLiterals("Telefono", "!\\(999\\)000-0000;1;_");
    withLiterals.setEditorValue("(331)555-1234");
    EXPECT_EQ(withLiterals.editorValue().toString(), "(331)555-1234");
    DbMaskEdit without("Telefono", "!\\(999\\)000-0000;0;_");
    without.setEditorValue("3315551234");
    EXPECT_EQ(without.editorValue().toString(), "3315551234");
    EXPECT_EQ(without.displayText(), "(331)555-1234");
}

} // namespace
