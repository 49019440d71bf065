// The per-user store behind the settings: named 32-bit numbers and strings,
// grouped under a key and its subkeys. Strings are code page 932 text.
// Stores never report errors: a missing or unreadable value reads as absent.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace tabrix {

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // subkey "" is the program's own key; "Recent File List" holds the recent files.
    virtual bool readNumber(std::string_view subkey, std::string_view name, std::int32_t& value) = 0;
    virtual bool readString(std::string_view subkey, std::string_view name, std::string& value) = 0;
    virtual void writeNumber(std::string_view subkey, std::string_view name, std::int32_t value) = 0;
    virtual void writeString(std::string_view subkey, std::string_view name, std::string_view value) = 0;
};

// In-memory store for tests and for tabrix-cli, which never persists settings.
class MemorySettingsStore : public ISettingsStore {
public:
    bool readNumber(std::string_view subkey, std::string_view name, std::int32_t& value) override;
    bool readString(std::string_view subkey, std::string_view name, std::string& value) override;
    void writeNumber(std::string_view subkey, std::string_view name, std::int32_t value) override;
    void writeString(std::string_view subkey, std::string_view name, std::string_view value) override;

    bool contains(std::string_view subkey, std::string_view name) const;
    void clear();

private:
    static std::string keyOf(std::string_view subkey, std::string_view name);
    std::map<std::string, std::int32_t> m_numbers;
    std::map<std::string, std::string> m_strings;
};

}  // namespace tabrix
