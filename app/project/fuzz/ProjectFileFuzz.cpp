// Feeds arbitrary bytes to the project file loader: it must either load or
// refuse with its own exception, never crash or run away with memory.
#include "framework/Portable.h"
#include "app/project/ProjectFileReader.h"
#include "app/project/ProtocolModel.h"

#include <cstddef>
#include <cstdint>

namespace {

class CFuzzModel : public CProtocolModel
{
public:
    BOOL AddByFileName(LPCTSTR pszName) override
    {
        if (Contains(pszName))
            return FALSE;
        auto* pInfo = new CProtocolInfo;
        pInfo->SetName(pszName);
        AddInfo(pInfo);
        return TRUE;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMemFile file;
    if (size)
        file.Write(data, static_cast<UINT>(size));
    file.SeekToBegin();
    CFuzzModel model;
    try {
        CArchive ar(&file, CArchive::load);
        model.Serialize(ar);
    } catch (const CProjectFileException&) {
    }
    return 0;
}
