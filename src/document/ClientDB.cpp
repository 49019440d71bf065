#include "document/ClientDB.h"

#include <sqlite3.h>

#include "text/Cp932.h"

namespace tabrix {

CClientDB::~CClientDB() { Close(); }

int CClientDB::Create(const std::string& name) {
    Close();
    m_strName = name;
    const std::string path = ToFsPath(name).native();
    int rc = sqlite3_open_v2(path.c_str(), &m_pDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    // Writing the header makes the file a database of its own right away.
    if (rc == SQLITE_OK) rc = sqlite3_exec(m_pDb, "PRAGMA user_version = 0; VACUUM;", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) return kOk;
    Close();
    return rc == SQLITE_NOMEM ? kOutOfMemory : kEngineError;
}

void CClientDB::Close() {
    if (m_pDb) sqlite3_close(m_pDb);
    m_pDb = nullptr;
}

}  // namespace tabrix
