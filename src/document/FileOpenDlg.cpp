#include "document/FileOpenDlg.h"

namespace tabrix {

std::string CFileOpen::validate() const {
    if (m_strFileName.empty()) return "ファイル名を選択して下さい";
    if (m_nDelim == DelimKind::Other && m_strOther.empty()) return "区切り文字を入力して下さい。";
    return {};
}

char CFileOpen::delimiter() const {
    DelimChoice choice{m_nDelim, m_strOther.empty() ? '|' : m_strOther[0]};
    return choice.byte();
}

void CFileOpen::detect(IUserInterface& ui) {
    DelimChoice choice;
    if (DetectDelimiter(m_strFileName, ui, choice) != DetectResult::Detected) return;
    m_nDelim = choice.kind;
    if (choice.kind == DelimKind::Other) m_strOther = std::string(1, choice.other);
}

bool CFileOpen::browse(IUserInterface& ui, const std::string& defDir) {
    FileDialogRequest request;
    request.title = kBrowseTitle;
    request.filter = kBrowseFilter;
    request.initialDir = defDir;
    if (!ui.getOpenFileName(request)) return false;
    m_strFileName = request.fileName;
    detect(ui);
    return true;
}

}  // namespace tabrix
