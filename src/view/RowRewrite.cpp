#include "view/RowRewrite.h"

#include <algorithm>
#include <cstring>

#include "document/TabrixDoc.h"
#include "text/Record.h"

namespace tabrix {

void RowFields::split(std::string_view row, int width) {
    for (int col : m_changed) m_replaced[static_cast<std::size_t>(col - 1)] = 0;
    m_changed.clear();
    m_views.clear();
    if (!row.empty()) {
        const char* p = row.data();
        const char* const end = p + row.size();
        while (true) {
            const char* tab = static_cast<const char*>(std::memchr(p, kTab, static_cast<std::size_t>(end - p)));
            m_views.emplace_back(p, static_cast<std::size_t>((tab ? tab : end) - p));
            if (!tab) break;
            p = tab + 1;
        }
    }
    const std::size_t count = std::max(m_views.size(), static_cast<std::size_t>(std::max(0, width)));
    m_views.resize(count);
    if (m_owned.size() < count) {
        m_owned.resize(count);
        m_replaced.resize(count, 0);
    }
}

std::string& RowFields::replace(int col) {
    const auto i = static_cast<std::size_t>(col - 1);
    if (!m_replaced[i]) {
        m_replaced[i] = 1;
        m_changed.push_back(col);
    }
    m_owned[i].clear();
    return m_owned[i];
}

void RowFields::join(std::string& out) const {
    out.clear();
    for (int col = 1; col <= count(); ++col) {
        if (col > 1) out += kTab;
        out.append((*this)[col]);
    }
}

std::size_t RewriteRows(CTabrixDoc& doc, std::size_t first, const LineMask& mask, ProgressScope& progress,
                        const RowEdit& edit) {
    const int width = doc.columnCount();
    RowFields fields;
    std::size_t changed = 0;
    doc.lines().rebuild([&](std::size_t line, std::string_view row, std::string& out) {
        if ((line & 0xFFF) == 0) progress.setPos(static_cast<std::int64_t>(line));
        if (line < first || (!mask.empty() && !mask[line])) {
            out.assign(row);
            return;
        }
        fields.split(row, width);
        edit(line, fields);
        if (!fields.changed()) {
            out.assign(row);
            return;
        }
        fields.join(out);
        if (out != row) ++changed;
    });
    return changed;
}

}  // namespace tabrix
