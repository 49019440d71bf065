// Reads the streams of a compound file (the container of .xls workbooks):
// 512- and 4096-byte sectors, the sector table and its extension chain
// (DIFAT), the directory and the mini stream of small streams.
//
// The file is untrusted: every sector number is checked against the file,
// every chain is walked at most once through each sector (so a loop ends in
// a refusal), and no size is taken from the file beyond what the file
// itself holds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

class CCompoundFile {
public:
    // Whether the bytes start with the compound file signature.
    static bool HasSignature(std::string_view bytes);

    // Takes the whole file. False when its header or tables are damaged.
    bool open(std::string image);

    enum class Stream { Found, Missing, Damaged };
    // The stream of that name (compared without regard to ASCII case) among
    // the top-level entries.
    Stream readStream(std::u16string_view name, std::string& out) const;

private:
    struct Entry {
        std::u16string name;
        std::uint8_t type = 0;  // 1 storage, 2 stream, 5 root
        std::uint32_t left = 0, right = 0, child = 0;
        std::uint32_t start = 0;
        std::uint64_t size = 0;
    };

    bool readChain(std::uint32_t start, std::uint64_t size, std::string& out) const;
    bool readMiniChain(std::uint32_t start, std::uint64_t size, std::string& out) const;
    bool loadTable(std::uint32_t start, std::vector<std::uint32_t>& table) const;
    bool parseDirectory(const std::string& bytes);
    // Index of the entry named name in the tree under a storage, or -1.
    long findChild(std::uint32_t storage, std::u16string_view name) const;

    std::string m_image;
    unsigned m_sectorShift = 9;
    std::uint32_t m_miniCutoff = 4096;
    std::uint32_t m_sectorCount = 0;  // sectors the file holds after the header
    std::vector<std::uint32_t> m_fat;
    std::vector<std::uint32_t> m_miniFat;
    std::string m_miniStream;
    std::vector<Entry> m_entries;
};

}  // namespace tabrix
