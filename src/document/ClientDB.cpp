#include "document/ClientDB.h"

#include <sqlite3.h>

#include <cstring>
#include <fstream>

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

bool CClientDB::IsEmptyDatabaseFile(const std::string& name) {
    const auto path = ToFsPath(name);
    static constexpr char kHeader[] = "SQLite format 3";  // with its NUL: the first 16 bytes
    char header[sizeof kHeader] = {};
    std::ifstream in(path, std::ios::binary);
    if (!in.read(header, sizeof header) || std::memcmp(header, kHeader, sizeof kHeader) != 0) return false;
    in.close();
    sqlite3* db = nullptr;
    bool empty = false;
    if (sqlite3_open_v2(path.native().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* query = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &query, nullptr) == SQLITE_OK &&
            sqlite3_step(query) == SQLITE_ROW)
            empty = sqlite3_column_int(query, 0) == 0;
        sqlite3_finalize(query);
    }
    sqlite3_close(db);
    return empty;
}

void CClientDB::Close() {
    if (m_pDb) sqlite3_close(m_pDb);
    m_pDb = nullptr;
}

}  // namespace tabrix
