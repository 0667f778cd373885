#pragma once
// A small reader of what FreeXL does not tell: the number format, the font weight and the
// column widths of cells, read from the workbook stream record by record. It walks the
// compound file on its own (header, DIFAT, FAT, directory), as a second check of it.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace orva::xls::test {

/// The named stream of a compound file; raises std::runtime_error when absent or broken.
QByteArray compoundStream(const QString& path, const QString& name);

class RecordScan {
public:
    explicit RecordScan(const QString& path);

    QStringList sheetNames() const { return names_; }
    /// Number format code of a cell ("General" for the built-in general format).
    QString formatOf(int sheet, int row, int column) const;
    bool isBold(int sheet, int row, int column) const;
    /// Width of a column in characters; -1 when the sheet does not set it.
    double columnWidth(int sheet, int column) const;
    /// Record types seen in the workbook stream, in order (globals and sheets).
    const QList<int>& recordTypes() const { return types_; }

private:
    int xfOf(int sheet, int row, int column) const;

    QStringList names_;
    QHash<int, QString> formats_;
    QList<bool> boldFonts_;
    QList<QPair<int, int>> xfs_; ///< font, format
    QList<QHash<quint32, int>> cells_;
    QList<QMap<int, double>> widths_;
    QList<int> types_;
};

} // namespace orva::xls::test
