#include "app/SettingsStore.h"

namespace tabrix {

std::string MemorySettingsStore::keyOf(std::string_view subkey, std::string_view name) {
    std::string key(subkey);
    key += '\x01';
    key += name;
    return key;
}

bool MemorySettingsStore::readNumber(std::string_view subkey, std::string_view name,
                                     std::int32_t& value) {
    auto it = m_numbers.find(keyOf(subkey, name));
    if (it == m_numbers.end()) return false;
    value = it->second;
    return true;
}

bool MemorySettingsStore::readString(std::string_view subkey, std::string_view name,
                                     std::string& value) {
    auto it = m_strings.find(keyOf(subkey, name));
    if (it == m_strings.end()) return false;
    value = it->second;
    return true;
}

void MemorySettingsStore::writeNumber(std::string_view subkey, std::string_view name,
                                      std::int32_t value) {
    m_numbers[keyOf(subkey, name)] = value;
}

void MemorySettingsStore::writeString(std::string_view subkey, std::string_view name,
                                      std::string_view value) {
    m_strings[keyOf(subkey, name)] = std::string(value);
}

bool MemorySettingsStore::contains(std::string_view subkey, std::string_view name) const {
    const std::string key = keyOf(subkey, name);
    return m_numbers.count(key) != 0 || m_strings.count(key) != 0;
}

void MemorySettingsStore::clear() {
    m_numbers.clear();
    m_strings.clear();
}

}  // namespace tabrix
