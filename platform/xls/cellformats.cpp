#include "platform/xls/cellformats.h"

#include "platform/xls/biffstream.h"

namespace orva::platform::xls {
namespace {

constexpr std::uint16_t firstCustomFormat = 164;
constexpr std::uint16_t firstCellXf = 16;
// Font records are numbered 0, 1, 2, 3, 5…: the number 4 is never used.
constexpr std::uint16_t normalFont = 0;
constexpr std::uint16_t boldFont = 5;

Bytes font(bool bold) {
    Bytes b;
    b.u16(200)             // 10 points, in twentieths
        .u16(bold ? 1 : 0) // bold again, as older readers look for it; no italics
        .u16(0x7FFF)       // automatic colour
        .u16(bold ? 700 : 400)
        .u16(0) // no super/subscript
        .u8(0)  // no underline
        .u8(2)  // swiss family
        .u8(0)  // ANSI character set
        .u8(0)  // reserved
        .text(QStringLiteral("Arial"), 1);
    return b;
}

/// An XF record: style XFs have no parent; cell XFs descend from the Normal style.
Bytes xf(std::uint16_t fontIndex, std::uint16_t formatIndex, bool style) {
    Bytes b;
    b.u16(fontIndex)
        .u16(formatIndex)
        .u16(style ? 0xFFF5 : 0x0001) // locked; style XF with parent 0xFFF, or parent 0
        .u8(0x20)                     // general alignment, bottom
        .u8(0)                        // no rotation
        .u8(0)                        // no indent
        .u8(style ? 0xF4 : 0xFC)      // which attributes this XF sets
        .u32(0)                       // no borders
        .u32(0)
        .u16(0x20C0); // pattern colours: automatic foreground and background
    return b;
}

} // namespace

std::uint16_t CellFormats::formatId(const QString& code) {
    if (code.isEmpty())
        return 0; // General
    qsizetype at = codes_.indexOf(code);
    if (at < 0) {
        at = codes_.size();
        codes_ << code;
    }
    return static_cast<std::uint16_t>(firstCustomFormat + at);
}

std::uint16_t CellFormats::xfFor(const CellStyle& style) {
    if (style == CellStyle{})
        return defaultXf;
    qsizetype at = styles_.indexOf(style);
    if (at < 0) {
        at = styles_.size();
        styles_ << style;
        ids_ << formatId(style.numberFormat);
    }
    return static_cast<std::uint16_t>(firstCellXf + at);
}

void CellFormats::write(BiffStream& out) const {
    for (int i = 0; i < 4; ++i)
        out.record(rec::Font, font(false));
    out.record(rec::Font, font(true));
    for (qsizetype i = 0; i < codes_.size(); ++i) {
        Bytes f;
        f.u16(static_cast<unsigned>(firstCustomFormat + i)).text(codes_.at(i), 2);
        out.record(rec::Format, f);
    }
    for (int i = 0; i < 15; ++i)
        out.record(rec::Xf, xf(normalFont, 0, true));
    out.record(rec::Xf, xf(normalFont, 0, false)); // the default cell format
    for (qsizetype i = 0; i < styles_.size(); ++i)
        out.record(rec::Xf, xf(styles_.at(i).bold ? boldFont : normalFont, ids_.at(i), false));
    Bytes normal; // the built-in Normal style, on XF 0
    normal.u16(0x8000).u8(0).u8(0xFF);
    out.record(rec::Style, normal);
}

} // namespace orva::platform::xls
