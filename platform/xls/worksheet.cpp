#include "platform/xls/worksheet.h"

#include "platform/xls/biffstream.h"
#include "platform/xls/cellformats.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace orva::platform::xls {

bool rkValue(double value, std::uint32_t& rk) {
    constexpr double lowest = -(1 << 29), highest = (1 << 29) - 1;
    if (std::isfinite(value) && value == std::floor(value) && value >= lowest && value <= highest) {
        rk = (static_cast<std::uint32_t>(static_cast<std::int32_t>(value)) << 2) | 2;
        return true;
    }
    const double hundred = value * 100;
    if (std::isfinite(hundred) && hundred == std::floor(hundred) && hundred >= lowest &&
        hundred <= highest && hundred / 100 == value) {
        rk = (static_cast<std::uint32_t>(static_cast<std::int32_t>(hundred)) << 2) | 3;
        return true;
    }
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    if ((bits & 0x3FFFFFFFFull) == 0) { // the low 34 bits are lost in the RK form
        rk = static_cast<std::uint32_t>(bits >> 32);
        return true;
    }
    return false;
}

void Worksheet::put(int row, const Cell& cell) {
    if (row >= static_cast<int>(rows_.size()))
        rows_.resize(row + 1);
    std::vector<Cell>& cells = rows_[row];
    if (cells.empty() || cells.back().column < cell.column) {
        cells.push_back(cell);
        return;
    }
    auto at =
        std::lower_bound(cells.begin(), cells.end(), cell.column,
                         [](const Cell& c, std::uint16_t column) { return c.column < column; });
    if (at != cells.end() && at->column == cell.column)
        *at = cell;
    else
        cells.insert(at, cell);
}

void Worksheet::setNumber(int row, int column, double value, std::uint16_t xf) {
    put(row, {static_cast<std::uint16_t>(column), xf, false, value, 0});
}

void Worksheet::setText(int row, int column, std::uint32_t stringIndex, std::uint16_t xf) {
    put(row, {static_cast<std::uint16_t>(column), xf, true, 0, stringIndex});
}

void Worksheet::write(BiffStream& out, bool active) const {
    Bytes bof;
    bof.u16(0x0600).u16(0x0010).u16(0x0DBB).u16(0x07CC).u32(0).u32(0x06);
    out.record(rec::Bof, bof);

    Bytes defaultWidth;
    defaultWidth.u16(10);
    out.record(rec::DefColWidth, defaultWidth);
    for (auto it = widths_.cbegin(); it != widths_.cend(); ++it) {
        const double characters = std::clamp(it.value(), 0.0, 255.0);
        Bytes info;
        info.u16(it.key())
            .u16(it.key())
            .u16(static_cast<unsigned>(std::lround(characters * 256)))
            .u16(CellFormats::defaultXf)
            .u16(0)
            .u16(0);
        out.record(rec::ColInfo, info);
    }

    int firstRow = -1, lastRow = -1, firstColumn = -1, lastColumn = -1;
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        if (rows_[r].empty())
            continue;
        if (firstRow < 0)
            firstRow = r;
        lastRow = r;
        const int first = rows_[r].front().column, last = rows_[r].back().column;
        firstColumn = firstColumn < 0 ? first : std::min(firstColumn, first);
        lastColumn = std::max(lastColumn, last);
    }
    Bytes dimensions;
    dimensions.u32(firstRow < 0 ? 0 : firstRow)
        .u32(lastRow + 1)
        .u16(firstColumn < 0 ? 0 : firstColumn)
        .u16(lastColumn + 1)
        .u16(0);
    out.record(rec::Dimensions, dimensions);

    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        for (const Cell& c : rows_[r]) {
            Bytes cell;
            cell.u16(r).u16(c.column).u16(c.xf);
            std::uint32_t rk = 0;
            if (c.text) {
                out.record(rec::LabelSst, cell.u32(c.string));
            } else if (rkValue(c.number, rk)) {
                out.record(rec::Rk, cell.u32(rk));
            } else {
                out.record(rec::Number, cell.f64(c.number));
            }
        }
    }

    Bytes window;
    window
        .u16(active ? 0x06B6 : 0x00B6) // grid lines, headers, zeros; selected when active
        .u16(0)                        // top row
        .u16(0)                        // left column
        .u32(64)                       // automatic grid line colour
        .u16(0)
        .u16(0)
        .u32(0);
    out.record(rec::Window2, window);
    out.record(rec::Eof);
}

} // namespace orva::platform::xls
