#include "settings/install_lookup.h"

#include "core/server.h"
#include "settings/registry_item.h"

std::string LookupInstallPath(const std::string& itemName) {
    COXRegistryItem item;
    item.SetItemName(itemName);
    // A key that cannot be opened for all access is opened for reading by the read itself.
    item.OpenKey();
    std::string path = item.ReadStringValue("Path", PathNotFound);
    item.CloseKey();
    return path;
}
