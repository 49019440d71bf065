#include "document/workbook/CompoundFileWriter.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tabrix {

namespace {

constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::size_t kHeaderDifat = 109;
constexpr std::size_t kMiniCutoff = 4096;

void Put16(std::string& s, std::size_t at, std::uint16_t v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8);
}
void Put32(std::string& s, std::size_t at, std::uint32_t v) {
    Put16(s, at, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(s, at + 2, static_cast<std::uint16_t>(v >> 16));
}

void PutEntry(std::string& dir, std::size_t index, std::u16string_view name, std::uint8_t type,
              std::uint32_t child, std::uint32_t start, std::uint64_t size) {
    const std::size_t at = index * 128;
    for (std::size_t i = 0; i < name.size() && i < 31; ++i) Put16(dir, at + 2 * i, name[i]);
    Put16(dir, at + 64, static_cast<std::uint16_t>(name.empty() ? 0 : (name.size() + 1) * 2));
    dir[at + 66] = static_cast<char>(type);
    dir[at + 67] = 1;  // black: a tree of one node is trivially balanced
    Put32(dir, at + 68, kFree);
    Put32(dir, at + 72, kFree);
    Put32(dir, at + 76, child);
    Put32(dir, at + 116, start);
    Put32(dir, at + 120, static_cast<std::uint32_t>(size));
    Put32(dir, at + 124, static_cast<std::uint32_t>(size >> 32));
}

std::size_t CeilDiv(std::size_t a, std::size_t b) { return (a + b - 1) / b; }

}  // namespace

void WriteCompoundFile(std::u16string_view streamName, std::string_view stream, unsigned sectorShift,
                       const ByteSink& write) {
    const std::size_t sectorSize = std::size_t{1} << sectorShift;
    const std::size_t perSector = sectorSize / 4;
    const std::size_t streamSize = std::max(stream.size(), kMiniCutoff);
    const std::size_t streamSectors = CeilDiv(streamSize, sectorSize);

    // The table must also cover its own sectors and those of its extension.
    std::size_t fatSectors = 1;
    std::size_t difatSectors = 0;
    for (;;) {
        const std::size_t total = fatSectors + difatSectors + 1 + streamSectors;
        const std::size_t needed = CeilDiv(total, perSector);
        const std::size_t extension = needed > kHeaderDifat ? CeilDiv(needed - kHeaderDifat, perSector - 1) : 0;
        if (needed <= fatSectors && extension <= difatSectors) break;
        fatSectors = std::max(fatSectors, needed);
        difatSectors = std::max(difatSectors, extension);
    }
    const std::uint32_t firstDifat = static_cast<std::uint32_t>(fatSectors);
    const std::uint32_t dirSector = static_cast<std::uint32_t>(fatSectors + difatSectors);
    const std::uint32_t firstStream = dirSector + 1;

    std::string header(sectorSize, '\0');
    const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    for (int i = 0; i < 8; ++i) header[i] = static_cast<char>(signature[i]);
    Put16(header, 0x18, 0x003E);
    Put16(header, 0x1A, sectorShift == 12 ? 4 : 3);
    Put16(header, 0x1C, 0xFFFE);
    Put16(header, 0x1E, static_cast<std::uint16_t>(sectorShift));
    Put16(header, 0x20, 6);
    Put32(header, 0x28, sectorShift == 12 ? 1 : 0);
    Put32(header, 0x2C, static_cast<std::uint32_t>(fatSectors));
    Put32(header, 0x30, dirSector);
    Put32(header, 0x38, kMiniCutoff);
    Put32(header, 0x3C, kEndOfChain);
    Put32(header, 0x44, difatSectors ? firstDifat : kEndOfChain);
    Put32(header, 0x48, static_cast<std::uint32_t>(difatSectors));
    for (std::size_t i = 0; i < kHeaderDifat; ++i)
        Put32(header, 0x4C + 4 * i, i < fatSectors ? static_cast<std::uint32_t>(i) : kFree);
    write(header);

    std::string sector(sectorSize, '\0');
    std::size_t entry = 0;
    auto putFatEntry = [&](std::uint32_t value) {
        Put32(sector, 4 * (entry % perSector), value);
        if (++entry % perSector == 0) write(sector);
    };
    const std::size_t used = firstStream + streamSectors;
    for (std::size_t s = 0; s < fatSectors * perSector; ++s) {
        if (s < fatSectors) putFatEntry(kFatSector);
        else if (s < dirSector) putFatEntry(kDifatSector);
        else if (s == dirSector || s + 1 == used) putFatEntry(kEndOfChain);
        else if (s < used) putFatEntry(static_cast<std::uint32_t>(s + 1));
        else putFatEntry(kFree);
    }

    for (std::size_t d = 0; d < difatSectors; ++d) {
        for (std::size_t i = 0; i + 1 < perSector; ++i) {
            const std::size_t fat = kHeaderDifat + d * (perSector - 1) + i;
            Put32(sector, 4 * i, fat < fatSectors ? static_cast<std::uint32_t>(fat) : kFree);
        }
        Put32(sector, 4 * (perSector - 1), d + 1 < difatSectors ? firstDifat + static_cast<std::uint32_t>(d) + 1 : kEndOfChain);
        write(sector);
    }

    std::string dir(sectorSize, '\0');
    for (std::size_t i = 0; i < sectorSize / 128; ++i) PutEntry(dir, i, u"", 0, kFree, 0, 0);
    PutEntry(dir, 0, u"Root Entry", 5, 1, kEndOfChain, 0);
    PutEntry(dir, 1, streamName, 2, kFree, firstStream, streamSize);
    write(dir);

    write(stream);
    const std::size_t padding = streamSectors * sectorSize - stream.size();
    if (padding > 0) write(std::string(padding, '\0'));
}

}  // namespace tabrix
