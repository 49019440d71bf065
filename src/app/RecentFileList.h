// The recent-file list of the File menu: at most RecNum paths, most recent
// first, kept as "File1".."Filen" in the store's "Recent File List" subkey.
// The size is fixed when the list is made, so a changed RecNum takes effect
// at the next start.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

class ISettingsStore;

inline constexpr std::string_view kRecentFileSubkey = "Recent File List";

class RecentFileList {
public:
    explicit RecentFileList(int capacity = 4);

    void load(ISettingsStore& store);
    // Writes every slot; unused ones as empty strings, so stale entries go.
    void save(ISettingsStore& store) const;

    // Puts the path first, removing an earlier entry of the same path.
    void add(std::string_view path);
    void remove(std::size_t index);

    int capacity() const { return m_capacity; }
    const std::vector<std::string>& files() const { return m_files; }

private:
    int m_capacity;
    std::vector<std::string> m_files;
};

}  // namespace tabrix
