#include "data/packedrow.h"

#include <cstring>

namespace orva::data {
namespace {

/// Layout: [count][offset 0 … offset count][bytes]; offsets relative to the bytes, the
/// high bit of a cell's own offset marks NULL.
template <class CellAt> std::unique_ptr<char[]> pack(unsigned count, CellAt cellAt) {
    std::size_t total = 0;
    for (unsigned i = 0; i < count; ++i)
        total += cellAt(i).second;
    const std::size_t head = (count + 2) * sizeof(std::uint32_t);
    std::unique_ptr<char[]> buf(new char[head + total]);
    auto* h = reinterpret_cast<std::uint32_t*>(buf.get());
    h[0] = count;
    char* bytes = buf.get() + head;
    std::uint32_t at = 0;
    for (unsigned i = 0; i < count; ++i) {
        auto [ptr, len] = cellAt(i);
        h[1 + i] = ptr ? at : (at | 0x80000000u);
        if (len)
            std::memcpy(bytes + at, ptr, len);
        at += static_cast<std::uint32_t>(len);
    }
    h[1 + count] = at;
    return buf;
}

} // namespace

PackedRow PackedRow::fromCells(unsigned count, const char* const* cells,
                               const unsigned long* lengths) {
    PackedRow row;
    row.buf_ = pack(count, [&](unsigned i) {
        return std::pair<const char*, std::size_t>(cells[i], cells[i] ? lengths[i] : 0);
    });
    return row;
}

PackedRow PackedRow::fromValues(const std::vector<CellText>& values) {
    PackedRow row;
    row.buf_ = pack(static_cast<unsigned>(values.size()), [&](unsigned i) {
        const CellText& v = values[i];
        // A present but empty value still needs a non-null pointer.
        return v ? std::pair<const char*, std::size_t>(v->constData(), std::size_t(v->size()))
                 : std::pair<const char*, std::size_t>(nullptr, 0);
    });
    return row;
}

QByteArrayView PackedRow::cell(unsigned column) const {
    const std::uint32_t* h = header();
    const std::uint32_t start = h[1 + column] & ~nullBit;
    const std::uint32_t end = h[2 + column] & ~nullBit;
    return QByteArrayView(data() + start, end - start);
}

CellText PackedRow::value(unsigned column) const {
    if (isNull(column))
        return std::nullopt;
    return cell(column).toByteArray();
}

std::vector<CellText> PackedRow::unpack() const {
    std::vector<CellText> out;
    const unsigned n = count();
    out.reserve(n);
    for (unsigned i = 0; i < n; ++i)
        out.push_back(value(i));
    return out;
}

std::size_t PackedRow::byteSize() const {
    if (!buf_)
        return 0;
    return (count() + 2) * sizeof(std::uint32_t) + (header()[1 + count()] & ~nullBit);
}

PackedRow PackedRow::clone() const {
    PackedRow copy;
    if (buf_) {
        const std::size_t size = byteSize();
        copy.buf_.reset(new char[size]);
        std::memcpy(copy.buf_.get(), buf_.get(), size);
    }
    return copy;
}

} // namespace orva::data
