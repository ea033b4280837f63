#include "ui/PrivateSettings.h"

#include <QSettings>

#ifdef Q_OS_WIN
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>
#endif

void KeepSettingsPrivate() {
    // A path below a device, where no folder can be made: Qt's widgets read no settings there and
    // their writes fail quietly, so that nothing is left behind, not even a temporary folder.
    const QString nowhere = QStringLiteral("/dev/null/dishline-settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

#ifdef Q_OS_WIN

namespace {

// Where Qt keeps the settings of its own dialogs: QSettings(UserScope, "QtProject").
const wchar_t* const kQtKey = L"Software\\QtProject";

struct Value {
    DWORD type = 0;
    std::vector<BYTE> data;
    bool operator==(const Value&) const = default;
};
// Key path below kQtKey ("" for kQtKey itself) to its values by name.
using Tree = std::map<std::wstring, std::map<std::wstring, Value>>;

void ReadKey(HKEY key, const std::wstring& path, Tree& tree) {
    auto& values = tree[path];
    DWORD subkeys = 0, maxSubkey = 0, valueCount = 0, maxName = 0, maxData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &maxSubkey, nullptr, &valueCount, &maxName, &maxData,
                         nullptr, nullptr) != ERROR_SUCCESS)
        return;
    std::vector<wchar_t> name(std::max(maxName, maxSubkey) + 1);
    for (DWORD i = 0; i < valueCount; ++i) {
        DWORD nameLength = DWORD(name.size());
        Value value;
        value.data.resize(maxData);
        DWORD size = maxData;
        if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &value.type, value.data.data(), &size) ==
            ERROR_SUCCESS) {
            value.data.resize(size);
            values[std::wstring(name.data(), nameLength)] = std::move(value);
        }
    }
    for (DWORD i = 0; i < subkeys; ++i) {
        DWORD nameLength = DWORD(name.size());
        if (RegEnumKeyExW(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            continue;
        const std::wstring child = std::wstring(name.data(), nameLength);
        HKEY childKey = nullptr;
        if (RegOpenKeyExW(key, child.c_str(), 0, KEY_READ, &childKey) == ERROR_SUCCESS) {
            ReadKey(childKey, path.empty() ? child : path + L"\\" + child, tree);
            RegCloseKey(childKey);
        }
    }
}

// The settings as they are now; empty when kQtKey does not exist.
Tree ReadSettings() {
    Tree tree;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kQtKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        ReadKey(key, std::wstring(), tree);
        RegCloseKey(key);
    }
    return tree;
}

std::wstring FullPath(const std::wstring& path) {
    return path.empty() ? std::wstring(kQtKey) : std::wstring(kQtKey) + L"\\" + path;
}

} // namespace

struct RegistrySettingsGuard::Snapshot {
    Tree tree;
};

RegistrySettingsGuard::RegistrySettingsGuard() : before_(std::make_unique<Snapshot>(Snapshot{ReadSettings()})) {}

RegistrySettingsGuard::~RegistrySettingsGuard() {
    const Tree now = ReadSettings();
    // Keys made since go with everything below them; a map lists a key before those below it.
    std::vector<std::wstring> removed;
    const auto isBelow = [](const std::wstring& path, const std::wstring& key) {
        return key.empty() || path.rfind(key + L"\\", 0) == 0;
    };
    for (const auto& entry : now) {
        const std::wstring& path = entry.first;
        if (before_->tree.count(path))
            continue;
        bool gone = false;
        for (const std::wstring& key : removed)
            gone = gone || isBelow(path, key);
        if (gone)
            continue;
        RegDeleteTreeW(HKEY_CURRENT_USER, FullPath(path).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, FullPath(path).c_str());
        removed.push_back(path);
    }
    // The values of the keys that were there before.
    for (const auto& [path, oldValues] : before_->tree) {
        const auto current = now.find(path);
        HKEY key = nullptr;
        if (current == now.end() ||
            RegOpenKeyExW(HKEY_CURRENT_USER, FullPath(path).c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
            continue;
        for (const auto& written : current->second) {
            if (!oldValues.count(written.first))
                RegDeleteValueW(key, written.first.c_str());
        }
        for (const auto& [name, value] : oldValues) {
            const auto written = current->second.find(name);
            if (written == current->second.end() || !(written->second == value))
                RegSetValueExW(key, name.c_str(), 0, value.type, value.data.data(), DWORD(value.data.size()));
        }
        RegCloseKey(key);
    }
}

QString QtRegistrySettings() {
    QString text;
    for (const auto& [path, values] : ReadSettings()) {
        text += QString::fromStdWString(FullPath(path)) + QLatin1Char('\n');
        for (const auto& [name, value] : values)
            text += QStringLiteral("  ") + QString::fromStdWString(name) + QLatin1Char('=') +
                    QString::fromLatin1(
                        QByteArray(reinterpret_cast<const char*>(value.data.data()), qsizetype(value.data.size()))
                            .toHex()) +
                    QLatin1Char('\n');
    }
    return text;
}

#else

struct RegistrySettingsGuard::Snapshot {};

RegistrySettingsGuard::RegistrySettingsGuard() = default;

RegistrySettingsGuard::~RegistrySettingsGuard() = default;

QString QtRegistrySettings() {
    return QString();
}

#endif
