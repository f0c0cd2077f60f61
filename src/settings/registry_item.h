#pragma once

#include "platform/registry.h"

#include <string>

// A registry key and value named by one full item name, such as
// "\LocalMachine\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\NASCAR Legends.exe\": a root name,
// the key's path, and after the last backslash the value's name (none here).
class COXRegistryItem {
public:
    // Takes the full item name and splits it; an open key is closed.
    void SetItemName(const std::string& fullName);

    // Opens the key with the access asked for; a missing key is not created.
    bool OpenKey(unsigned long access = KeyAllAccess);

    // The value as text: the default when it cannot be read, empty when it is not a text; a text
    // with environment references has them expanded.
    std::string ReadStringValue(const std::string& valueName, const std::string& defaultValue);

    void CloseKey();

    const std::string& GetMachineName() const { return m_machineName; }
    RegistryRoot GetRoot() const { return m_root; }
    const std::string& GetKeyPath() const { return m_keyPath; }
    const std::string& GetValueName() const { return m_valueName; }
    long GetLastError() const { return m_lastError; }

private:
    std::string m_fullName;
    std::string m_machineName;
    RegistryRoot m_root = RegistryRoot::CurrentUser;
    std::string m_keyPath;
    std::string m_valueName;
    RegistryKeyHandle m_key;
    long m_lastError = RegistrySuccess;
};
