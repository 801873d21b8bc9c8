// A dock state read from any profile content and from any archive bytes:
// bounded counts, no fault, and a state read is saved and read back alike.
#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "framework/MemFile.h"
#include "framework/fuzz/ProfileFuzzInput.h"
#include "ui/frames/SECDockState.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMemoryProfileStore store;
    FillProfileFromFuzz(data, size, store);
    SECDockState state;
    state.LoadState(store, "F");
    if (state.GetCount() > kMaxDockBars)
        std::abort();
    state.CleanUpBarIds();
    CMemoryProfileStore again;
    state.SaveState(again, "F");
    SECDockState reread;
    reread.LoadState(again, "F");
    if (reread.GetCount() > state.GetCount())
        std::abort();

    CMemFile file(data, (UINT)size);
    CArchive ar(&file, CArchive::load);
    SECDockState fromArchive;
    try {
        fromArchive.Serialize(ar);
    } catch (const CArchiveException&) {
        // A damaged archive is refused.
    }
    if (fromArchive.GetCount() > kMaxDockBars)
        std::abort();
    return 0;
}
