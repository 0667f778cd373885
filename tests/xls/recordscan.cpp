#include "recordscan.h"

#include <QFile>
#include <stdexcept>

namespace orva::xls::test {
namespace {

quint32 u32(const QByteArray& b, qsizetype at) {
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 |
           quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24;
}
int u16(const QByteArray& b, qsizetype at) {
    return quint8(b[at]) | quint8(b[at + 1]) << 8;
}

QString unicode(const QByteArray& b, qsizetype at, int count) {
    const bool wide = b[at] & 1;
    QString out;
    for (int i = 0; i < count; ++i)
        out +=
            wide ? QChar(char16_t(u16(b, at + 1 + 2 * i))) : QChar(char16_t(quint8(b[at + 1 + i])));
    return out;
}

} // namespace

QByteArray compoundStream(const QString& path, const QString& name) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot open the file");
    const QByteArray file = f.readAll();
    if (file.size() < 512 || !file.startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1")))
        throw std::runtime_error("not a compound file");
    const int sectorSize = 1 << u16(file, 0x1E);
    auto sector = [&](quint32 s) { return file.mid(512 + qsizetype(s) * sectorSize, sectorSize); };
    const quint32 fatCount = u32(file, 0x2C);
    QList<quint32> fatSectors;
    for (int i = 0; i < 109 && quint32(fatSectors.size()) < fatCount; ++i)
        fatSectors << u32(file, 0x4C + 4 * i);
    for (quint32 d = u32(file, 0x44); d < 0xFFFFFFFA && quint32(fatSectors.size()) < fatCount;) {
        const QByteArray difat = sector(d);
        for (int i = 0; i < sectorSize / 4 - 1 && quint32(fatSectors.size()) < fatCount; ++i)
            fatSectors << u32(difat, 4 * i);
        d = u32(difat, sectorSize - 4);
    }
    QList<quint32> fat;
    for (quint32 s : fatSectors) {
        const QByteArray bytes = sector(s);
        for (int i = 0; i < sectorSize / 4; ++i)
            fat << u32(bytes, 4 * i);
    }
    auto chain = [&](quint32 start) {
        QByteArray out;
        for (quint32 s = start, steps = 0; s < 0xFFFFFFFA; s = fat.value(s, 0xFFFFFFFE)) {
            if (++steps > quint32(fat.size()))
                throw std::runtime_error("FAT chain loops");
            out += sector(s);
        }
        return out;
    };
    const QByteArray directory = chain(u32(file, 0x30));
    for (qsizetype at = 0; at + 128 <= directory.size(); at += 128) {
        const int nameBytes = u16(directory, at + 64);
        QString entryName;
        for (int i = 0; i + 2 < nameBytes; i += 2)
            entryName += QChar(char16_t(u16(directory, at + i)));
        if (directory[at + 66] == 2 && entryName == name)
            return chain(u32(directory, at + 116)).left(u32(directory, at + 120));
    }
    throw std::runtime_error("stream not found");
}

RecordScan::RecordScan(const QString& path) {
    const QByteArray s = compoundStream(path, QStringLiteral("Workbook"));
    int sheet = -1;
    for (qsizetype at = 0; at + 4 <= s.size();) {
        const int type = u16(s, at), size = u16(s, at + 2);
        const QByteArray body = s.mid(at + 4, size);
        at += 4 + size;
        if (type == 0 && size == 0)
            break; // padding after the last sheet
        types_ << type;
        switch (type) {
        case 0x0809: // BOF
            if (u16(body, 2) == 0x0010) {
                ++sheet;
                cells_.emplaceBack();
                widths_.emplaceBack();
            }
            break;
        case 0x0031: // FONT
            boldFonts_ << (u16(body, 6) >= 700);
            break;
        case 0x041E: // FORMAT
            formats_[u16(body, 0)] = unicode(body, 4, u16(body, 2));
            break;
        case 0x00E0: // XF
            xfs_ << qMakePair(u16(body, 0), u16(body, 2));
            break;
        case 0x0085: // BOUNDSHEET
            names_ << unicode(body, 7, quint8(body[6]));
            break;
        case 0x007D: // COLINFO
            for (int c = u16(body, 0); c <= u16(body, 2); ++c)
                widths_[sheet][c] = u16(body, 4) / 256.0;
            break;
        case 0x00FD: // LABELSST
        case 0x0203: // NUMBER
        case 0x027E: // RK
            cells_[sheet][quint32(u16(body, 0)) << 8 | u16(body, 2)] = u16(body, 4);
            break;
        default:
            break;
        }
    }
}

int RecordScan::xfOf(int sheet, int row, int column) const {
    return cells_.value(sheet).value(quint32(row) << 8 | quint32(column), -1);
}

QString RecordScan::formatOf(int sheet, int row, int column) const {
    const int xf = xfOf(sheet, row, column);
    if (xf < 0 || xf >= xfs_.size())
        return QStringLiteral("<sin celda>");
    const int id = xfs_[xf].second;
    return id == 0 ? QStringLiteral("General") : formats_.value(id, QStringLiteral("<interno>"));
}

bool RecordScan::isBold(int sheet, int row, int column) const {
    const int xf = xfOf(sheet, row, column);
    if (xf < 0 || xf >= xfs_.size())
        return false;
    const int font = xfs_[xf].first;
    return boldFonts_.value(font < 4 ? font : font - 1);
}

double RecordScan::columnWidth(int sheet, int column) const {
    return widths_.value(sheet).value(column, -1);
}

} // namespace orva::xls::test
