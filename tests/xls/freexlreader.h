#pragma once
// Reading a written workbook back through FreeXL, an independent reader of the format.
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace orva::xls::test {

/// One cell as FreeXL reads it.
struct ReadCell {
    int type = 0; ///< FREEXL_CELL_*
    QString text; ///< texts, dates ("2024-03-05") and date-times
    double number = 0;
};

class FreeXlBook {
public:
    explicit FreeXlBook(const QString& path);
    ~FreeXlBook();
    FreeXlBook(const FreeXlBook&) = delete;
    FreeXlBook& operator=(const FreeXlBook&) = delete;

    QStringList sheetNames() const;
    /// Selects a sheet; the reads below go to it.
    void select(int sheet);
    unsigned rows() const;
    unsigned columns() const;
    ReadCell cell(unsigned row, unsigned column) const;

private:
    const void* handle_ = nullptr;
};

} // namespace orva::xls::test
