// The per-user settings store on QSettings("velm", "Tabrix"). Strings are kept
// as their code page 932 bytes and numbers as 32-bit integers, so nothing is
// re-encoded between runs; a subkey is a settings group.
#pragma once

#include <QSettings>

#include "app/SettingsStore.h"

namespace tabrix {

class QtSettingsStore : public ISettingsStore {
public:
    QtSettingsStore();

    bool readNumber(std::string_view subkey, std::string_view name, std::int32_t& value) override;
    bool readString(std::string_view subkey, std::string_view name, std::string& value) override;
    void writeNumber(std::string_view subkey, std::string_view name, std::int32_t value) override;
    void writeString(std::string_view subkey, std::string_view name, std::string_view value) override;

    // Writes pending changes to disk.
    void sync() { m_settings.sync(); }

private:
    static QString keyOf(std::string_view subkey, std::string_view name);
    QSettings m_settings;
};

}  // namespace tabrix
