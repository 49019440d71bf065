#include "app/RecentFileList.h"

#include <algorithm>

#include "app/SettingsStore.h"

namespace tabrix {

namespace {

std::string SlotName(int slot) { return "File" + std::to_string(slot + 1); }

}  // namespace

RecentFileList::RecentFileList(int capacity) : m_capacity(std::max(0, capacity)) {}

void RecentFileList::load(ISettingsStore& store) {
    m_files.clear();
    for (int slot = 0; slot < m_capacity; ++slot) {
        std::string path;
        if (store.readString(kRecentFileSubkey, SlotName(slot), path) && !path.empty() &&
            std::find(m_files.begin(), m_files.end(), path) == m_files.end())
            m_files.push_back(std::move(path));
    }
}

void RecentFileList::save(ISettingsStore& store) const {
    for (int slot = 0; slot < m_capacity; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        store.writeString(kRecentFileSubkey, SlotName(slot),
                          index < m_files.size() ? m_files[index] : std::string());
    }
}

void RecentFileList::add(std::string_view path) {
    if (m_capacity == 0 || path.empty()) return;
    std::erase(m_files, path);
    m_files.insert(m_files.begin(), std::string(path));
    if (m_files.size() > static_cast<std::size_t>(m_capacity)) m_files.resize(static_cast<std::size_t>(m_capacity));
}

void RecentFileList::remove(std::size_t index) {
    if (index < m_files.size()) m_files.erase(m_files.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace tabrix
