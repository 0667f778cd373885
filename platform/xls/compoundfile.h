#pragma once
// The compound file container (version 3, 512-byte sectors) that holds the workbook
// stream: header, stream sectors, directory, allocation table (FAT) and, past 109 FAT
// sectors (about 7 MB), the DIFAT sectors that list the rest of the FAT.
#include <QByteArray>
#include <QString>

class QIODevice;

namespace orva::platform::xls {

/// Writes a compound file holding one stream named `streamName`. A stream under 4096
/// bytes is padded with zeros to that size, so it never needs the mini stream.
/// Returns false when the device refused a write.
bool writeCompoundFile(QIODevice& out, const QString& streamName, QByteArray stream);

} // namespace orva::platform::xls
