#include "platform/xls/compoundfile.h"

#include "platform/xls/biffstream.h"

#include <QIODevice>
#include <algorithm>
#include <vector>

namespace orva::platform::xls {
namespace {

constexpr int sectorSize = 512;
constexpr int entriesPerSector = sectorSize / 4;
constexpr int headerDifatEntries = 109;
constexpr int miniStreamCutoff = 4096;
constexpr std::uint32_t freeSector = 0xFFFFFFFF, endOfChain = 0xFFFFFFFE, fatSector = 0xFFFFFFFD,
                        difatSector = 0xFFFFFFFC, noStream = 0xFFFFFFFF;

struct Layout {
    std::uint32_t streamSectors = 0;
    std::uint32_t directorySector = 0; ///< one sector: root, the stream, two empty entries
    std::uint32_t firstFat = 0;
    std::uint32_t fatSectors = 0;
    std::uint32_t firstDifat = 0;
    std::uint32_t difatSectors = 0;
    std::uint32_t total() const { return firstDifat + difatSectors; }
};

Layout layoutFor(qsizetype streamBytes) {
    Layout l;
    l.streamSectors = static_cast<std::uint32_t>((streamBytes + sectorSize - 1) / sectorSize);
    l.directorySector = l.streamSectors;
    l.firstFat = l.directorySector + 1;
    // The FAT also maps its own sectors and the DIFAT's: grow both until they fit.
    for (;;) {
        const std::uint32_t difat =
            l.fatSectors > headerDifatEntries
                ? (l.fatSectors - headerDifatEntries + entriesPerSector - 2) /
                      (entriesPerSector - 1)
                : 0;
        const std::uint32_t sectors = l.firstFat + l.fatSectors + difat;
        const std::uint32_t fat = (sectors + entriesPerSector - 1) / entriesPerSector;
        if (fat == l.fatSectors && difat == l.difatSectors)
            break;
        l.fatSectors = std::max(fat, l.fatSectors);
        l.difatSectors = difat;
    }
    l.firstDifat = l.firstFat + l.fatSectors;
    return l;
}

Bytes directoryEntry(const QString& name, int type, std::uint32_t child, std::uint32_t start,
                     std::uint32_t size) {
    Bytes e;
    QByteArray utf16 = characterBytes(name, false);
    const auto nameBytes = static_cast<unsigned>(name.isEmpty() ? 0 : utf16.size() + 2);
    utf16.resize(64, '\0');
    e.raw(utf16).u16(nameBytes).u8(type).u8(1); // black node
    e.u32(noStream).u32(noStream).u32(child);
    e.raw(QByteArray(16, '\0')); // class id
    e.u32(0);                    // state bits
    e.raw(QByteArray(16, '\0')); // creation and modification times
    e.u32(start).u32(size).u32(0);
    return e;
}

Bytes header(const Layout& l) {
    Bytes h;
    h.raw(QByteArray::fromHex("D0CF11E0A1B11AE1"));
    h.raw(QByteArray(16, '\0'));
    h.u16(0x003E).u16(0x0003).u16(0xFFFE); // minor, major version; little-endian
    h.u16(9).u16(6);                       // 512-byte sectors, 64-byte mini sectors
    h.raw(QByteArray(6, '\0'));
    h.u32(0); // directory sectors (always 0 in version 3)
    h.u32(l.fatSectors);
    h.u32(l.directorySector);
    h.u32(0); // transactions
    h.u32(miniStreamCutoff);
    h.u32(endOfChain).u32(0); // no mini FAT
    h.u32(l.difatSectors ? l.firstDifat : endOfChain).u32(l.difatSectors);
    for (std::uint32_t i = 0; i < headerDifatEntries; ++i)
        h.u32(i < l.fatSectors ? l.firstFat + i : freeSector);
    return h;
}

} // namespace

bool writeCompoundFile(QIODevice& out, const QString& streamName, QByteArray stream) {
    if (stream.size() < miniStreamCutoff)
        stream.resize(miniStreamCutoff, '\0');
    const Layout l = layoutFor(stream.size());
    const auto streamSize = static_cast<std::uint32_t>(stream.size());
    stream.resize(qsizetype(l.streamSectors) * sectorSize, '\0');

    Bytes directory;
    directory.raw(directoryEntry(QStringLiteral("Root Entry"), 5, 1, endOfChain, 0).data());
    directory.raw(directoryEntry(streamName, 2, noStream, 0, streamSize).data());
    for (int i = 0; i < 2; ++i)
        directory.raw(directoryEntry({}, 0, noStream, 0, 0).data());

    std::vector<std::uint32_t> fat(std::size_t(l.fatSectors) * entriesPerSector, freeSector);
    for (std::uint32_t s = 0; s < l.streamSectors; ++s)
        fat[s] = s + 1 < l.streamSectors ? s + 1 : endOfChain;
    fat[l.directorySector] = endOfChain;
    for (std::uint32_t s = 0; s < l.fatSectors; ++s)
        fat[l.firstFat + s] = fatSector;
    for (std::uint32_t s = 0; s < l.difatSectors; ++s)
        fat[l.firstDifat + s] = difatSector;
    Bytes fatBytes;
    for (std::uint32_t entry : fat)
        fatBytes.u32(entry);

    // DIFAT sectors: 127 FAT sector numbers each, then the next DIFAT sector.
    Bytes difat;
    std::uint32_t listed = headerDifatEntries;
    for (std::uint32_t d = 0; d < l.difatSectors; ++d) {
        for (int i = 0; i < entriesPerSector - 1; ++i, ++listed)
            difat.u32(listed < l.fatSectors ? l.firstFat + listed : freeSector);
        difat.u32(d + 1 < l.difatSectors ? l.firstDifat + d + 1 : endOfChain);
    }

    const Bytes head = header(l);
    for (const QByteArray* part : {&head.data(), static_cast<const QByteArray*>(&stream),
                                   &directory.data(), &fatBytes.data(), &difat.data()})
        if (out.write(*part) != part->size())
            return false;
    return true;
}

} // namespace orva::platform::xls
