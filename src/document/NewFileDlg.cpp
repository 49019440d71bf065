#include "document/NewFileDlg.h"

#include <cstdio>

namespace tabrix {

std::string RangeMessage(int low, int high) {
    char text[128];
    std::snprintf(text, sizeof text, "%d から %d までの整数を入力して下さい。", low, high);
    return text;
}

std::string CNewFile::validate() const {
    if (m_nRows < 1 || m_nRows > kMaxRows) return RangeMessage(1, kMaxRows);
    if (m_nCols < 1 || m_nCols > kMaxCols) return RangeMessage(1, kMaxCols);
    if (m_nDelim == DelimKind::Other && m_strOther.empty()) return "区切り文字を入力して下さい。";
    return {};
}

char CNewFile::delimiter() const {
    DelimChoice choice{m_nDelim, m_strOther.empty() ? '|' : m_strOther[0]};
    return choice.byte();
}

}  // namespace tabrix
