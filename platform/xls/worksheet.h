#pragma once
// One sheet of the workbook: its cells row by row, its column widths, and the records
// of its substream (dimensions, column widths, cells as RK, NUMBER or LABELSST, window).
#include <QMap>
#include <QString>
#include <cstdint>
#include <vector>

namespace orva::platform::xls {

class BiffStream;

class Worksheet {
public:
    explicit Worksheet(QString name) : name_(std::move(name)) {}

    const QString& name() const { return name_; }
    void setNumber(int row, int column, double value, std::uint16_t xf);
    void setText(int row, int column, std::uint32_t stringIndex, std::uint16_t xf);
    void setColumnWidth(int column, double characters) { widths_[column] = characters; }

    /// The sheet's substream, from BOF to EOF; `active` marks the sheet shown on opening.
    void write(BiffStream& out, bool active) const;

private:
    struct Cell {
        std::uint16_t column;
        std::uint16_t xf;
        bool text;
        double number;
        std::uint32_t string;
    };
    void put(int row, const Cell& cell);

    QString name_;
    std::vector<std::vector<Cell>> rows_; ///< cells of each row, by column
    QMap<int, double> widths_;
};

/// The 30-bit RK form of a number when it has one exactly.
bool rkValue(double value, std::uint32_t& rk);

} // namespace orva::platform::xls
