// A settings tree read from any initialisation-file or registry content:
// it loads without fault, every binary value decodes, and what it saves
// loads back the same.
#include "ui/frames/MemoryPrivateProfile.h"
#include "ui/frames/MemoryRegistry.h"
#include "ui/frames/SECPTNStrategy.h"
#include "ui/frames/SECPersistentTreeNode.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// One "section/key=value" per line; sections and keys as stored.
void Fill(const uint8_t* data, size_t size, CMemoryPrivateProfile& files, CMemoryRegistry& registry)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const size_t slash = line.rfind('/', line.find('='));
        const size_t equals = line.find('=');
        if (slash == std::string::npos || equals == std::string::npos || slash > equals)
            continue;
        const std::string section = line.substr(0, slash);
        const std::string key = line.substr(slash + 1, equals - slash - 1);
        const std::string value = line.substr(equals + 1);
        files.WriteString(section.c_str(), key.c_str(), value.c_str(), "fuzz.ini");
        HKEY hKey = nullptr;
        const std::string path = "Base\\" + section;
        if (registry.RegCreateKeyEx(HKEY_CURRENT_USER, path.c_str(), nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                                 nullptr) == ERROR_SUCCESS) {
            registry.RegSetValueEx(hKey, key.c_str(), REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                (DWORD)value.size() + 1);
            registry.RegCloseKey(hKey);
        }
    }
}

void Check(const SECPersistentTreeNode& node)
{
    for (int i = 0; i < node.GetValueCount(); ++i) {
        BYTE* pData = nullptr;
        UINT nSize = 0;
        node.GetBinaryValue(node.GetPair(i).m_strKey, pData, nSize);
        std::unique_ptr<BYTE[]> owner(pData);
        int nNumber = 0;
        node.GetValue(node.GetPair(i).m_strKey, nNumber);
    }
    for (int i = 0; i < node.GetChildCount(); ++i)
        Check(*node.GetChild(i));
}

int CountNodes(const SECPersistentTreeNode& node)
{
    int n = 1;
    for (int i = 0; i < node.GetChildCount(); ++i)
        n += CountNodes(*node.GetChild(i));
    return n;
}

void LoadAndCheck(SECPTNStrategy& strategy, SECPTNStrategy& again)
{
    SECPersistentTreeNode root;
    root.Create("R");
    root.Load(&strategy);
    Check(root);
    if (!root.Save(&again))
        return;
    SECPersistentTreeNode copy;
    copy.Create("R");
    // An empty root writes nothing, so there is nothing to read back.
    const bool bLoaded = copy.Load(&again);
    if (!bLoaded && (root.GetValueCount() > 0 || root.GetChildCount() > 0))
        std::abort();
    if (CountNodes(copy) != CountNodes(root) || copy.GetValueCount() != root.GetValueCount())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMemoryPrivateProfile files;
    CMemoryRegistry registry;
    Fill(data, size, files, registry);
    SetPrivateProfileApi(&files);
    SetRegistryApi(&registry);
    SECPTNStrategyProfile fromFile("fuzz.ini");
    SECPTNStrategyProfile toFile("again.ini");
    LoadAndCheck(fromFile, toFile);
    SECPTNStrategyRegistry fromRegistry("Base");
    SECPTNStrategyRegistry toRegistry("Again");
    LoadAndCheck(fromRegistry, toRegistry);
    SetPrivateProfileApi(nullptr);
    SetRegistryApi(nullptr);
    return 0;
}
