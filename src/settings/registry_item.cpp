#include "settings/registry_item.h"

#include "platform/letter_case.h"

#include <array>
#include <vector>

namespace {

struct RootName {
    const char* name;
    RegistryRoot root;
};

const std::array<RootName, 7> rootNames = {{
    {"\\ClassesRoot", RegistryRoot::ClassesRoot},
    {"\\CurrentUser", RegistryRoot::CurrentUser},
    {"\\LocalMachine", RegistryRoot::LocalMachine},
    {"\\Users", RegistryRoot::Users},
    {"\\PerformanceData", RegistryRoot::PerformanceData},
    {"\\CurrentConfig", RegistryRoot::CurrentConfig},
    {"\\DynData", RegistryRoot::DynData},
}};

} // namespace

void COXRegistryItem::SetItemName(const std::string& fullName) {
    CloseKey();
    m_fullName = fullName;
    m_machineName.clear();
    m_root = RegistryRoot::CurrentUser;
    m_keyPath.clear();
    m_valueName.clear();

    std::string rest = fullName;
    if (rest.empty() || rest[0] != '\\')
        rest = "\\" + rest;
    if (rest == "\\")
        return;
    if (rest.compare(0, 2, "\\\\") == 0) {
        size_t end = rest.find('\\', 2);
        m_machineName = rest.substr(2, end == std::string::npos ? std::string::npos : end - 2);
        rest = end == std::string::npos ? "" : rest.substr(end);
    }
    for (const RootName& root : rootNames) {
        std::string name = root.name;
        if (SameWithoutCase(rest.substr(0, name.size()), name) &&
            (rest.size() == name.size() || rest[name.size()] == '\\')) {
            m_root = root.root;
            rest = rest.substr(name.size());
            break;
        }
    }
    size_t last = rest.rfind('\\');
    if (last == std::string::npos) {
        m_valueName = rest;
        return;
    }
    m_keyPath = rest.substr(0, last + 1);
    m_valueName = rest.substr(last + 1);
}

bool COXRegistryItem::OpenKey(unsigned long access) {
    CloseKey();
    // The key opened is the key path without its backslashes at either end.
    std::string key = m_keyPath;
    if (!key.empty() && key.front() == '\\')
        key.erase(0, 1);
    if (!key.empty() && key.back() == '\\')
        key.pop_back();
    m_lastError = RegistryOpenKey(m_root, key, access, m_key);
    return m_lastError == RegistrySuccess;
}

std::string COXRegistryItem::ReadStringValue(const std::string& valueName, const std::string& defaultValue) {
    if (!m_key && !OpenKey(KeyAllAccess) && !OpenKey(KeyQueryValue))
        return defaultValue;
    unsigned long type = 0;
    size_t size = 0;
    m_lastError = RegistryQueryValue(*m_key, valueName, &type, nullptr, &size);
    if (m_lastError != RegistrySuccess)
        return defaultValue;
    std::vector<char> buffer(size + 1, '\0');
    m_lastError = RegistryQueryValue(*m_key, valueName, &type, buffer.data(), &size);
    if (m_lastError != RegistrySuccess)
        return defaultValue;
    if (type != RegSz && type != RegExpandSz)
        return "";
    std::string text(buffer.data());
    if (type == RegExpandSz) {
        size_t needed = ExpandEnvironmentStrings(text, nullptr, 0);
        std::vector<char> expanded(needed);
        ExpandEnvironmentStrings(text, expanded.data(), expanded.size());
        text = expanded.data();
    }
    return text;
}

void COXRegistryItem::CloseKey() {
    m_key.reset();
}
