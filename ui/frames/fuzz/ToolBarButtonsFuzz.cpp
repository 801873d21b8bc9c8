// A toolbar's "Buttons" blob and its archive form from any bytes: no fault,
// and what is read encodes to bytes that read back the same.
#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "framework/MemFile.h"
#include "ui/frames/SECCustomToolBarInfoEx.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<SECBtnInfo> buttons;
    const BOOL bWhole = SECCustomToolBarInfoEx::DecodeButtons(data, size, buttons);
    const std::vector<BYTE> blob = SECCustomToolBarInfoEx::EncodeButtons(buttons);
    if (bWhole && (blob.size() != size || !std::equal(blob.begin(), blob.end(), data)))
        std::abort();
    std::vector<SECBtnInfo> again;
    if (!SECCustomToolBarInfoEx::DecodeButtons(blob.data(), blob.size(), again) || again.size() != buttons.size())
        std::abort();

    CMemFile file(data, (UINT)size);
    CArchive ar(&file, CArchive::load);
    SECCustomToolBarInfoEx info;
    try {
        info.Serialize(ar, nullptr);
    } catch (const CArchiveException&) {
    }
    return 0;
}
