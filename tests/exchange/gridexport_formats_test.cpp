// The grid's display formats translated into spreadsheet format codes.
#include "exchange/gridexport_formats.h"

#include <gtest/gtest.h>

using namespace orva::exchange;

TEST(GridExportFormats, NumberPatternsAndTheMoneyTag) {
    struct Case {
        QString pattern;
        int tag;
        QString expected;
    } cases[] = {
        {"", 0, ""},
        {"", moneyTag, "$#,##0.00"},
        {"#,##0.00", 0, "#,##0.00"},
        {"#,##0.00", moneyTag, "#,##0.00"}, // a column's own format wins over the tag
        {"$#,##0.00", 0, "$#,##0.00"},
        {"0", 0, "0"},
        {"%2.2m", 0, "$#,##0.00"},
        {"%m", 0, "$#,##0.00"},
        {"%.0n", 0, "#,##0"},
        {"%n", 0, "#,##0.00"},
        {"%.3f", 0, "0.000"},
        {"%d", 0, "0"},
        {"0.0 %", 0, "0.0\" %\""}, // the grid copies the sign; the spreadsheet would multiply
        {"Folio 000", 0, "\"Folio \"000"},
        {"#,##0.00;(#,##0.00)", 0, "#,##0.00;(#,##0.00)"},
        {"texto", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spreadsheetNumberFormat(c.pattern, c.tag), c.expected)
            << c.pattern.toStdString() << " / " << c.tag;
}

TEST(GridExportFormats, QtDatePatterns) {
    struct Case {
        QString pattern;
        bool withTime;
        QString expected;
    } cases[] = {
        {"", false, "dd/mm/yyyy"},
        {"", true, "dd/mm/yyyy hh:mm:ss"},
        {"dd/MM/yyyy", false, "dd/mm/yyyy"},
        {"dd/MM/yyyy HH:mm:ss", true, "dd/mm/yyyy hh:mm:ss"},
        {"d 'de' MMMM 'de' yyyy", false, "d \"de\" mmmm \"de\" yyyy"},
        {"ddd dd-MMM-yy", false, "ddd dd-mmm-yy"},
        {"h:mm AP", true, "h:mm AM/PM"},
        {"hh:mm:ss.zzz", true, "hh:mm:ss.000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spreadsheetDateFormat(c.pattern, c.withTime), c.expected)
            << c.pattern.toStdString();
}
