#include "platform/xls/biffstream.h"

#include <algorithm>
#include <cstring>

namespace orva::platform::xls {

Bytes& Bytes::u8(unsigned value) {
    data_.append(static_cast<char>(value & 0xFF));
    return *this;
}

Bytes& Bytes::u16(unsigned value) {
    return u8(value).u8(value >> 8);
}

Bytes& Bytes::u32(std::uint32_t value) {
    return u16(value & 0xFFFF).u16(value >> 16);
}

Bytes& Bytes::f64(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return u32(static_cast<std::uint32_t>(bits)).u32(static_cast<std::uint32_t>(bits >> 32));
}

Bytes& Bytes::raw(const QByteArray& bytes) {
    data_ += bytes;
    return *this;
}

bool isCompact(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

QByteArray characterBytes(QStringView text, bool compact) {
    QByteArray out;
    out.reserve(text.size() * (compact ? 1 : 2));
    for (QChar c : text) {
        out.append(static_cast<char>(c.unicode() & 0xFF));
        if (!compact)
            out.append(static_cast<char>(c.unicode() >> 8));
    }
    return out;
}

Bytes& Bytes::text(const QString& value, int lengthBytes) {
    const bool compact = isCompact(value);
    if (lengthBytes == 1)
        u8(static_cast<unsigned>(value.size()));
    else
        u16(static_cast<unsigned>(value.size()));
    u8(compact ? 0 : 1);
    return raw(characterBytes(value, compact));
}

void BiffStream::record(std::uint16_t type, const QByteArray& body) {
    qsizetype offset = 0;
    do {
        const qsizetype chunk = std::min<qsizetype>(maxRecordBody, body.size() - offset);
        Bytes header;
        header.u16(offset == 0 ? type : rec::Continue).u16(static_cast<unsigned>(chunk));
        data_ += header.data();
        data_ += body.mid(offset, chunk);
        offset += chunk;
    } while (offset < body.size());
}

void BiffStream::patch32(qsizetype offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        data_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace orva::platform::xls
