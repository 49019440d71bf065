// The work database of MDB=: created empty when the data file is opened and
// deleted when the document is closed. The name comes from a control file,
// so it may name any file at all; only a file that is already an empty
// database is ever replaced or deleted.
#include <cstdio>
#include <filesystem>

#include "document/PathMatch.h"
#include "document/TabrixDoc.h"
#include "text/Cp932.h"

namespace tabrix {

namespace {

bool SameFile(const std::filesystem::path& a, const std::string& b) {
    if (b.empty()) return false;
    std::error_code ec;
    return std::filesystem::equivalent(a, ToFsPath(b), ec) && !ec;
}

}  // namespace

std::string CTabrixDoc::workDatabasePath() const {
    return ResolveNewFilePath(m_CtrlFile.m_strMdb, DataFolder(m_app));
}

bool CTabrixDoc::checkWorkDatabase() {
    const CCtrlFile& cf = m_CtrlFile;
    if (cf.m_strMdb.empty()) return true;
    const std::string name = workDatabasePath();
    const std::filesystem::path path = ToFsPath(name);
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) return true;
    bool usable = !SameFile(path, cf.m_strDataFile) && !SameFile(path, cf.m_strCtrlFile);
    const std::string ctrlFolder = FolderOfPath(cf.m_strCtrlFile);
    for (const auto& col : cf.m_Cols) {
        const std::string& tranFile = col->m_Tran.m_strFile;
        if (usable && !tranFile.empty())
            usable = !SameFile(path, ResolveDataPath(tranFile, DataFolder(m_app), ctrlFolder));
    }
    if (usable && CClientDB::IsEmptyDatabaseFile(name)) return true;
    char message[1024];
    std::snprintf(message, sizeof message, kWorkDatabaseRefused, name.c_str());
    m_app.ui.messageBox(message, MsgIcon::Stop);
    return false;
}

void CTabrixDoc::createWorkDatabase() {
    CCtrlFile& cf = m_CtrlFile;
    if (cf.m_strMdb.empty() || !m_bCreatesWorkDatabase) return;
    const std::string path = workDatabasePath();
    // Checked at the start of the open; the file may have changed since.
    if (std::filesystem::exists(ToFsPath(path)) && !CClientDB::IsEmptyDatabaseFile(path)) return;
    std::error_code ec;
    std::filesystem::remove(ToFsPath(path), ec);
    cf.m_Db.Create(path);  // a failure leaves the document without it, silently
}

void CTabrixDoc::removeWorkDatabase() {
    CCtrlFile& cf = m_CtrlFile;
    cf.m_Db.Close();
    const std::string name = cf.m_Db.Name();
    cf.m_Db.Forget();
    if (name.empty() || !CClientDB::IsEmptyDatabaseFile(name)) return;
    std::error_code ec;
    std::filesystem::remove(ToFsPath(name), ec);
}

}  // namespace tabrix
