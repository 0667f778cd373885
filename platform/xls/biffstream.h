#pragma once
// The workbook stream as a sequence of records: little-endian fields, Unicode strings
// in the compact or UTF-16 form, and records longer than the format allows split into
// CONTINUE records.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace orva::platform::xls {

/// Largest record body the format allows; longer data goes on in CONTINUE records.
inline constexpr int maxRecordBody = 8224;

/// Record types written by this library.
namespace rec {
inline constexpr std::uint16_t Bof = 0x0809, Eof = 0x000A, Continue = 0x003C, Codepage = 0x0042,
                               Window1 = 0x003D, DateMode = 0x0022, Precision = 0x000E,
                               Font = 0x0031, Format = 0x041E, Xf = 0x00E0, Style = 0x0293,
                               BoundSheet = 0x0085, Sst = 0x00FC, ExtSst = 0x00FF,
                               Dimensions = 0x0200, Window2 = 0x023E, ColInfo = 0x007D,
                               DefColWidth = 0x0055, LabelSst = 0x00FD, Number = 0x0203,
                               Rk = 0x027E, InterfaceHdr = 0x00E1, InterfaceEnd = 0x00E2,
                               Mms = 0x00C1, WriteAccess = 0x005C, Dsf = 0x0161, TabId = 0x013D,
                               WindowProtect = 0x0019, Protect = 0x0012, Password = 0x0013,
                               Backup = 0x0040, HideObj = 0x008D, BookBool = 0x00DA,
                               Country = 0x008C;
}

/// Little-endian appenders for record bodies.
class Bytes {
public:
    Bytes& u8(unsigned value);
    Bytes& u16(unsigned value);
    Bytes& u32(std::uint32_t value);
    Bytes& f64(double value);
    Bytes& raw(const QByteArray& bytes);
    /// A string with a 1-byte (short) or 2-byte length, its option byte and its
    /// characters: one byte each when all fit in Latin-1, two (UTF-16LE) otherwise.
    Bytes& text(const QString& value, int lengthBytes);
    const QByteArray& data() const { return data_; }
    qsizetype size() const { return data_.size(); }

private:
    QByteArray data_;
};

/// True when every character of `text` fits in one byte.
bool isCompact(QStringView text);
/// The characters of `text` as the record stores them (compact or UTF-16LE).
QByteArray characterBytes(QStringView text, bool compact);

class BiffStream {
public:
    /// Appends one record; a body over maxRecordBody goes on in CONTINUE records.
    void record(std::uint16_t type, const QByteArray& body = {});
    void record(std::uint16_t type, const Bytes& body) { record(type, body.data()); }
    /// Appends bytes already laid out as records (the string table).
    void append(const QByteArray& records) { data_ += records; }
    /// Overwrites a 32-bit field at an absolute offset (sheet positions).
    void patch32(qsizetype offset, std::uint32_t value);
    qsizetype position() const { return data_.size(); }
    const QByteArray& data() const { return data_; }
    QByteArray& data() { return data_; }

private:
    QByteArray data_;
};

} // namespace orva::platform::xls
