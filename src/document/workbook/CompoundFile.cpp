#include "document/workbook/CompoundFile.h"

#include <cstring>

namespace tabrix {

namespace {

constexpr unsigned char kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr std::uint32_t kMaxRegular = 0xFFFFFFFA;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::size_t kHeaderDifat = 109;
constexpr std::size_t kEntrySize = 128;
constexpr unsigned kMiniShift = 6;

std::uint16_t U16(const char* p) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[1]) << 8);
}
std::uint32_t U32(const char* p) { return U16(p) | static_cast<std::uint32_t>(U16(p + 2)) << 16; }

char16_t FoldAscii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

}  // namespace

bool CCompoundFile::HasSignature(std::string_view bytes) {
    return bytes.size() >= 8 && std::memcmp(bytes.data(), kSignature, 8) == 0;
}

bool CCompoundFile::open(std::string image) {
    m_image = std::move(image);
    m_fat.clear();
    m_miniFat.clear();
    m_miniStream.clear();
    m_entries.clear();
    if (m_image.size() < 512 || !HasSignature(m_image)) return false;
    const char* h = m_image.data();
    if (U16(h + 0x1C) != 0xFFFE) return false;
    m_sectorShift = U16(h + 0x1E);
    if ((m_sectorShift != 9 && m_sectorShift != 12) || U16(h + 0x20) != kMiniShift) return false;
    const std::size_t sectorSize = std::size_t{1} << m_sectorShift;
    if (m_image.size() < sectorSize) return false;
    m_sectorCount = static_cast<std::uint32_t>((m_image.size() - sectorSize + sectorSize - 1) / sectorSize);
    m_miniCutoff = U32(h + 0x38);

    // The sector table's own sectors: 109 in the header, the rest in the DIFAT chain.
    const std::uint32_t fatCount = U32(h + 0x2C);
    if (fatCount > m_sectorCount) return false;
    std::vector<std::uint32_t> fatSectors;
    for (std::size_t i = 0; i < kHeaderDifat && fatSectors.size() < fatCount; ++i)
        fatSectors.push_back(U32(h + 0x4C + 4 * i));
    const std::size_t perDifat = sectorSize / 4 - 1;
    std::uint32_t difat = U32(h + 0x44);
    std::vector<bool> seenDifat(m_sectorCount);
    while (fatSectors.size() < fatCount) {
        if (difat >= m_sectorCount || seenDifat[difat]) return false;
        seenDifat[difat] = true;
        const char* s = m_image.data() + ((std::size_t{difat} + 1) << m_sectorShift);
        if ((std::size_t{difat} + 2) << m_sectorShift > m_image.size()) return false;
        for (std::size_t i = 0; i < perDifat && fatSectors.size() < fatCount; ++i)
            fatSectors.push_back(U32(s + 4 * i));
        difat = U32(s + 4 * perDifat);
    }
    m_fat.reserve(fatSectors.size() * (sectorSize / 4));
    for (std::uint32_t sector : fatSectors) {
        if (sector >= m_sectorCount) return false;
        const std::size_t at = (std::size_t{sector} + 1) << m_sectorShift;
        if (at + sectorSize > m_image.size()) return false;
        for (std::size_t i = 0; i < sectorSize; i += 4) m_fat.push_back(U32(m_image.data() + at + i));
    }

    std::string directory;
    if (!readChain(U32(h + 0x30), UINT64_MAX, directory) || !parseDirectory(directory)) return false;

    const Entry& root = m_entries[0];
    if (root.size > 0 && root.start != kEndOfChain) {
        if (!readChain(root.start, root.size, m_miniStream)) return false;
        if (!loadTable(U32(h + 0x3C), m_miniFat)) return false;
    }
    return true;
}

bool CCompoundFile::loadTable(std::uint32_t start, std::vector<std::uint32_t>& table) const {
    std::string bytes;
    if (start == kEndOfChain) return true;
    if (!readChain(start, UINT64_MAX, bytes)) return false;
    table.resize(bytes.size() / 4);
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = U32(bytes.data() + 4 * i);
    return true;
}

// Follows a chain of the sector table; size UINT64_MAX reads the whole chain.
bool CCompoundFile::readChain(std::uint32_t start, std::uint64_t size, std::string& out) const {
    out.clear();
    const std::size_t sectorSize = std::size_t{1} << m_sectorShift;
    if (size != UINT64_MAX && size > m_image.size()) return false;
    std::vector<bool> seen(m_fat.size());
    std::uint32_t sector = start;
    while (size == UINT64_MAX || out.size() < size) {
        if (sector == kEndOfChain && size == UINT64_MAX) return true;
        if (sector > kMaxRegular || sector >= m_fat.size() || sector >= m_sectorCount || seen[sector]) return false;
        seen[sector] = true;
        const std::size_t at = (std::size_t{sector} + 1) << m_sectorShift;
        std::size_t take = sectorSize;
        if (size != UINT64_MAX) take = std::min<std::uint64_t>(take, size - out.size());
        if (at + take > m_image.size()) return false;
        out.append(m_image, at, take);
        sector = m_fat[sector];
    }
    return true;
}

bool CCompoundFile::readMiniChain(std::uint32_t start, std::uint64_t size, std::string& out) const {
    out.clear();
    const std::size_t miniSize = std::size_t{1} << kMiniShift;
    if (size > m_miniStream.size()) return false;
    std::vector<bool> seen(m_miniFat.size());
    std::uint32_t sector = start;
    while (out.size() < size) {
        if (sector >= m_miniFat.size() || seen[sector]) return false;
        seen[sector] = true;
        const std::size_t at = std::size_t{sector} << kMiniShift;
        const std::size_t take = std::min<std::uint64_t>(miniSize, size - out.size());
        if (at + take > m_miniStream.size()) return false;
        out.append(m_miniStream, at, take);
        sector = m_miniFat[sector];
    }
    return true;
}

bool CCompoundFile::parseDirectory(const std::string& bytes) {
    const bool version3 = m_sectorShift == 9;
    for (std::size_t at = 0; at + kEntrySize <= bytes.size(); at += kEntrySize) {
        const char* e = bytes.data() + at;
        Entry entry;
        const std::size_t nameBytes = std::min<std::size_t>(U16(e + 64), 64);
        for (std::size_t i = 0; i + 1 < nameBytes; i += 2) entry.name.push_back(static_cast<char16_t>(U16(e + i)));
        if (!entry.name.empty() && entry.name.back() == 0) entry.name.pop_back();
        entry.type = static_cast<std::uint8_t>(e[66]);
        entry.left = U32(e + 68);
        entry.right = U32(e + 72);
        entry.child = U32(e + 76);
        entry.start = U32(e + 116);
        // Version 3 files may hold anything in the high half of the size.
        entry.size = version3 ? U32(e + 120) : U32(e + 120) | std::uint64_t{U32(e + 124)} << 32;
        m_entries.push_back(std::move(entry));
    }
    return !m_entries.empty() && m_entries[0].type == 5;
}

long CCompoundFile::findChild(std::uint32_t storage, std::u16string_view name) const {
    std::vector<std::uint32_t> pending{m_entries[storage].child};
    std::vector<bool> seen(m_entries.size());
    while (!pending.empty()) {
        const std::uint32_t i = pending.back();
        pending.pop_back();
        if (i == kNoStream || i >= m_entries.size() || seen[i]) continue;
        seen[i] = true;
        const Entry& e = m_entries[i];
        if (e.type != 0 && SameName(e.name, name)) return static_cast<long>(i);
        pending.push_back(e.left);
        pending.push_back(e.right);
    }
    return -1;
}

CCompoundFile::Stream CCompoundFile::readStream(std::u16string_view name, std::string& out) const {
    out.clear();
    if (m_entries.empty()) return Stream::Missing;
    const long index = findChild(0, name);
    if (index < 0 || m_entries[static_cast<std::size_t>(index)].type != 2) return Stream::Missing;
    const Entry& e = m_entries[static_cast<std::size_t>(index)];
    if (e.size == 0) return Stream::Found;
    const bool ok = e.size < m_miniCutoff ? readMiniChain(e.start, e.size, out) : readChain(e.start, e.size, out);
    return ok ? Stream::Found : Stream::Damaged;
}

}  // namespace tabrix
