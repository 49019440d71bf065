#include "ui/QtSettingsStore.h"

#include "ui/QtText.h"

namespace tabrix {

QtSettingsStore::QtSettingsStore() : m_settings(QStringLiteral("velm"), QStringLiteral("Tabrix")) {}

QString QtSettingsStore::keyOf(std::string_view subkey, std::string_view name) {
    const QString key = ToQ(name);
    return subkey.empty() ? key : ToQ(subkey) + QLatin1Char('/') + key;
}

bool QtSettingsStore::readNumber(std::string_view subkey, std::string_view name, std::int32_t& value) {
    const QVariant stored = m_settings.value(keyOf(subkey, name));
    if (!stored.isValid()) return false;
    bool ok = false;
    // Colours such as 0xFF000000 are kept as negative 32-bit numbers; accept
    // them written either way.
    const qlonglong number = stored.toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > UINT32_MAX) return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
    return true;
}

bool QtSettingsStore::readString(std::string_view subkey, std::string_view name, std::string& value) {
    const QVariant stored = m_settings.value(keyOf(subkey, name));
    if (!stored.isValid()) return false;
    const QByteArray bytes = stored.toByteArray();
    value.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

void QtSettingsStore::writeNumber(std::string_view subkey, std::string_view name, std::int32_t value) {
    m_settings.setValue(keyOf(subkey, name), static_cast<int>(value));
}

void QtSettingsStore::writeString(std::string_view subkey, std::string_view name, std::string_view value) {
    m_settings.setValue(keyOf(subkey, name),
                        QByteArray(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace tabrix
