// The work database of a control file's MDB= setting: an empty database file
// created when the data file is opened and deleted again when it is closed.
#pragma once

#include <string>

struct sqlite3;

namespace tabrix {

class CClientDB {
public:
    static constexpr int kOk = 0;
    static constexpr int kEngineError = 4097;
    static constexpr int kOutOfMemory = 8193;

    CClientDB() = default;
    ~CClientDB();
    CClientDB(const CClientDB&) = delete;
    CClientDB& operator=(const CClientDB&) = delete;

    // Creates a new empty database file under name (code page 932 path).
    int Create(const std::string& name);
    // Whether the file under name is a database holding nothing, as Create
    // leaves it: the only kind of file a work database may replace.
    static bool IsEmptyDatabaseFile(const std::string& name);
    void Close();
    void Forget() { m_strName.clear(); }
    bool IsOpen() const { return m_pDb != nullptr; }
    const std::string& Name() const { return m_strName; }

private:
    std::string m_strName;
    sqlite3* m_pDb = nullptr;
};

}  // namespace tabrix
