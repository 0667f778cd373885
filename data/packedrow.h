#pragma once
// One row held as the server sent it: a single buffer with the cells' bytes one after
// the other and a small table of offsets in front. Cells are converted to values only
// when read, so lists of tens of thousands of people stay small and open fast.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace orva::data {

/// A cell's bytes in the server's text form, or nothing for NULL.
using CellText = std::optional<QByteArray>;

class PackedRow {
public:
    PackedRow() = default;
    /// From the connector's row: `cells[i]` null means NULL.
    static PackedRow fromCells(unsigned count, const char* const* cells,
                               const unsigned long* lengths);
    static PackedRow fromValues(const std::vector<CellText>& values);

    explicit operator bool() const { return buf_ != nullptr; }
    unsigned count() const { return buf_ ? header()[0] : 0; }
    bool isNull(unsigned column) const { return header()[1 + column] & nullBit; }
    /// The cell's bytes (empty for NULL); valid while the row lives.
    QByteArrayView cell(unsigned column) const;
    CellText value(unsigned column) const;
    std::vector<CellText> unpack() const;
    /// Bytes held by the row's buffer.
    std::size_t byteSize() const;
    PackedRow clone() const;

private:
    static constexpr std::uint32_t nullBit = 0x80000000u;
    const std::uint32_t* header() const {
        return reinterpret_cast<const std::uint32_t*>(buf_.get());
    }
    const char* data() const { return buf_.get() + (count() + 2) * sizeof(std::uint32_t); }

    std::unique_ptr<char[]> buf_;
};

} // namespace orva::data
