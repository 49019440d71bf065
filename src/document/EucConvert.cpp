#include "document/EucConvert.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include <sys/stat.h>

#include "app/UserInterface.h"
#include "document/FileErrors.h"
#include "document/FileWriter.h"
#include "text/Cp932.h"

namespace tabrix {

namespace {

constexpr std::size_t kBlockSize = 4095;
constexpr unsigned char kSingleShift2 = 0x8E;

constexpr bool CompletesEuc(unsigned char b) { return b >= 0xA1 && b <= 0xFE; }
constexpr bool StartsEucPair(unsigned char b) { return b == kSingleShift2 || CompletesEuc(b); }

// A JIS X 0208 row and cell (0x21-0x7E each) as a Shift-JIS character.
void AppendJisAsSjis(unsigned row, unsigned cell, std::string& out) {
    if (row >= 0x74 && row <= 0x7E) row += 11;
    const unsigned offset = (row - 0x21) / 2;
    const unsigned lead = offset + (offset <= 30 ? 0x81 : 0xC1);
    unsigned trail;
    if (row % 2 == 0)
        trail = cell + 0x7E;
    else
        trail = cell + (cell >= 0x60 ? 0x20 : 0x1F);
    out += static_cast<char>(lead);
    out += static_cast<char>(trail);
}

std::string CannotOpenMessage(const std::string& name) {
    return "SJIS→EUC変換で " + name + " がオープン出来ません。";
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(ToFsPath(a), ToFsPath(b), ec);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

void EucToSjisConverter::convert(std::string_view euc, std::string& sjis) {
    for (const char c : euc) {
        const auto b = static_cast<unsigned char>(c);
        if (m_pending >= 0) {
            const auto first = static_cast<unsigned char>(m_pending);
            m_pending = -1;
            if (CompletesEuc(b)) {
                if (first == kSingleShift2)
                    sjis += c;
                else
                    AppendJisAsSjis(first & 0x7Fu, b & 0x7Fu, sjis);
                continue;
            }
            sjis += static_cast<char>(first);
        }
        if (StartsEucPair(b))
            m_pending = b;
        else if (b == '\n')
            sjis += "\r\n";
        else
            sjis += c;
    }
}

void EucToSjisConverter::finish(std::string& sjis) {
    if (m_pending >= 0) sjis += static_cast<char>(m_pending);
    m_pending = -1;
}

std::size_t EucBlockDecoder::decode(std::string_view in, bool last, char* out) {
    m_converted.clear();
    m_converter.convert(in, m_converted);
    if (last) m_converter.finish(m_converted);
    std::memcpy(out, m_converted.data(), m_converted.size());
    return m_converted.size();
}

bool ConvertEucToSjis(const std::string& source, const std::string& target, IUserInterface& ui) {
    std::unique_ptr<std::FILE, FileCloser> in(std::fopen(ToFsPath(source).c_str(), "rb"));
    struct stat st {};
    if (!in || ::fstat(fileno(in.get()), &st) != 0 || S_ISDIR(st.st_mode)) {
        ui.messageBox(CannotOpenMessage(source), MsgIcon::Stop);
        return false;
    }
    CFileWriter out;
    // The copy would replace the very file it is made from.
    if (SameFile(source, target) || !out.open(target)) {
        ui.messageBox(CannotOpenMessage(target), MsgIcon::Stop);
        return false;
    }
    EucToSjisConverter converter;
    char block[kBlockSize];
    std::string converted;
    converted.reserve(2 * kBlockSize + 1);
    while (true) {
        const std::size_t got = std::fread(block, 1, sizeof block, in.get());
        if (got == 0) {
            if (std::ferror(in.get())) {
                ui.messageBox(ReadFailedMessage(source, errno ? errno : EIO), MsgIcon::Stop);
                return false;
            }
            break;
        }
        converted.clear();
        converter.convert(std::string_view(block, got), converted);
        out.write(converted);
    }
    converted.clear();
    converter.finish(converted);
    out.write(converted);
    if (!out.commit()) {
        ui.messageBox(SaveFailedMessage(target, out.error()), MsgIcon::Stop);
        return false;
    }
    return true;
}

}  // namespace tabrix
