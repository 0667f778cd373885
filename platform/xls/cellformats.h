#pragma once
// Fonts, number formats and cell formats (XF records) of a workbook: each distinct
// cell style gets one XF, which points at its font and number format.
#include "platform/xls/xlsbook.h"

#include <QList>
#include <QString>
#include <cstdint>

namespace orva::platform::xls {

class BiffStream;

class CellFormats {
public:
    /// The cell format index of a style, registering it when new.
    std::uint16_t xfFor(const CellStyle& style);
    /// The format every cell without a style of its own uses.
    static constexpr std::uint16_t defaultXf = 15;

    /// FONT, FORMAT, XF and STYLE records, in the order the workbook globals want them.
    void write(BiffStream& out) const;

private:
    std::uint16_t formatId(const QString& code);

    QList<QString> codes_;     ///< custom number formats, numbered from 164
    QList<CellStyle> styles_;  ///< cell XFs from 16 on
    QList<std::uint16_t> ids_; ///< number format of each of styles_
};

} // namespace orva::platform::xls
