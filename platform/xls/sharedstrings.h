#pragma once
// The workbook's shared string table: every distinct cell text once, cells refer to it
// by index. Laid out as SST and CONTINUE records (texts may straddle records) followed
// by the EXTSST index spreadsheet programs use to find strings quickly.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace orva::platform::xls {

class SharedStrings {
public:
    /// Index of `text` in the table, adding it when new.
    std::uint32_t add(const QString& text);
    std::uint32_t uniqueCount() const { return static_cast<std::uint32_t>(texts_.size()); }

    /// The SST, CONTINUE and EXTSST records, for a stream where the SST record starts at
    /// `streamOffset`.
    QByteArray records(qsizetype streamOffset) const;

private:
    QHash<QString, std::uint32_t> index_;
    QStringList texts_;
    std::uint32_t references_ = 0;
};

} // namespace orva::platform::xls
