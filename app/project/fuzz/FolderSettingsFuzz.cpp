// The folders read from any profile content: what the sheet writes back
// reads back the same.
#include "framework/Framework.h"
#include "app/project/FolderSettings.h"
#include "framework/fuzz/ProfileFuzzInput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMemoryProfileStore store;
    FillProfileFromFuzz(data, size, store);
    CFolderSettings settings;
    settings.Load(store);
    const CString main = CFolderSettings::Read(store, "Main", "");

    settings.Save(store);
    CFolderSettings again;
    again.Load(store);
    for (int i = 0; i < CFolderSettings::FolderCount; ++i) {
        const auto folder = static_cast<CFolderSettings::Folder>(i);
        if (again[folder] != settings[folder])
            std::abort();
    }
    if (CFolderSettings::Read(store, "Main", "") != main)
        std::abort();
    return 0;
}
