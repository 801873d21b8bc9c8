// The readers of a stored bar layout: the archive form over arbitrary
// bytes, and the profile form over arbitrary settings. Bad input must end
// in CArchiveException (archive) or in a bounded, usable state (profile).
#include "framework/Portable.h"
#include "framework/DockState.h"
#include "framework/fuzz/ProfileFuzzInput.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    if (data[0] & 1) {
        CMemFile file(data + 1, (UINT)(size - 1));
        CDockState state;
        try {
            CArchive ar(&file, CArchive::load, 256);
            state.Serialize(ar);
        } catch (const CArchiveException&) {
        }
        return 0;
    }
    CMemoryProfileStore store;
    FillProfileFromFuzz(data + 1, size - 1, store);
    CDockState state;
    state.LoadState(store, "Fuzz");
    if (state.GetCount() > kMaxDockBars)
        __builtin_trap();
    for (int i = 0; i < state.GetCount(); i++) {
        if (state.GetAt(i)->m_arrBarID.GetSize() > kMaxBarIDs)
            __builtin_trap();
    }
    return 0;
}
