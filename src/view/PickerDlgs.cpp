#include "view/PickerDlgs.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "document/LineStore.h"
#include "text/Record.h"

namespace tabrix {

void CDataSelDlg::collect(const CLineStore& lines, std::size_t firstLine, int col) {
    m_Values.clear();
    m_Chosen.clear();
    if (col < 1) return;
    std::unordered_set<std::string_view> listed;
    const std::size_t end = std::min(lines.size(), firstLine + kMaxLines);
    for (std::size_t i = firstLine; i < end && m_Values.size() < kMaxValues; ++i) {
        const std::string_view row = lines[i];
        std::size_t begin = 0;
        bool found = true;
        for (int k = 1; k < col && found; ++k) {
            const std::size_t tab = row.find(kTab, begin);
            found = tab != std::string_view::npos;
            begin = tab + 1;
        }
        if (!found) continue;
        const std::size_t stop = row.find(kTab, begin);
        const std::string_view value = row.substr(begin, stop == std::string_view::npos ? row.size() - begin : stop - begin);
        if (value.empty() || listed.count(value)) continue;
        listed.insert(value);  // the store outlives the scan
        m_Values.emplace_back(value);
    }
}

std::string CDataSelDlg::validate() const {
    if (!m_bMulti && m_Chosen.size() != 1) return kChooseOne;
    return {};
}

std::string CDataSelDlg::applyTo(const std::string& text) const {
    std::string chosen;
    for (std::size_t i = 0; i < m_Chosen.size(); ++i) {
        const int index = m_Chosen[i];
        if (index < 0 || static_cast<std::size_t>(index) >= m_Values.size()) continue;
        if (!chosen.empty()) chosen += ',';
        chosen += m_Values[static_cast<std::size_t>(index)];
    }
    if (chosen.empty()) return text;
    if (m_bOverwrite || text.empty()) return chosen;
    return text + "," + chosen;
}

const std::array<SampleCodeClass, 12> CSampleCodeDlg::kClasses = {{
    {"記号１", {0x8140, 0x819E, 0, 0}},
    {"記号２", {0x819F, 0x81FC, 0, 0}},
    {"英数字", {0x824F, 0x829A, 0, 0}},
    {"ひらがな", {0x829F, 0x82F1, 0, 0}},
    {"カタカナ", {0x8340, 0x8396, 0, 0}},
    {"ギリシャ文字", {0x839F, 0x83FC, 0, 0}},
    {"ロシア文字", {0x8440, 0x849E, 0, 0}},
    {"特殊文字", {0x849F, 0x889E, 0, 0}},
    {"第一水準", {0x889F, 0x989E, 0, 0}},
    {"第二水準", {0x989F, 0x9FFC, 0xE040, 0xEAFC}},
    {"外字文字", {0xF040, 0xF9FC, 0, 0}},
    {"拡張文字", {0xEB40, 0xEFFC, 0xFA40, 0xFCFC}},
}};

std::vector<CSampleCodeDlg::Row> CSampleCodeDlg::rows() const {
    std::vector<Row> out;
    const SampleCodeClass& cls = kClasses[static_cast<std::size_t>(std::clamp(m_nClass, 0, 11))];
    for (std::size_t r = 0; r < cls.ranges.size(); r += 2) {
        const unsigned first = cls.ranges[r];
        const unsigned last = cls.ranges[r + 1];
        if (first == 0) continue;
        for (unsigned block = first & ~0xFu; block <= last && out.size() < kMaxRows; block += 16) {
            Row row;
            row.block = block;
            bool any = false;
            for (unsigned k = 0; k < 16; ++k) {
                const unsigned code = block + k;
                const unsigned trail = code & 0xFF;
                // Only codes with a real trail byte are characters.
                if (code < first || code > last || trail < 0x40 || trail == 0x7F || trail > 0xFC) continue;
                row.cells[k] = {static_cast<char>(code >> 8), static_cast<char>(trail)};
                any = true;
            }
            if (any) out.push_back(std::move(row));
        }
    }
    return out;
}

std::string CSampleCodeDlg::columnTitle(int col) {
    char text[8];
    std::snprintf(text, sizeof text, " %X", col & 0xF);
    return text;
}

std::string CSampleCodeDlg::rowTitle(unsigned block) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", block);
    return text;
}

}  // namespace tabrix
