// The Vika and Polyvect project files (".vkp", ".pvp") as their documents
// load them: each loads or is refused with the loader's own exception, and
// a project that loads stores and loads again with the same protocols.
#include "framework/Portable.h"
#include "app/project/ProjectFileReader.h"
#include "design/projects/PolyvectModel.h"
#include "design/projects/VikaModel.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

BOOL Load(CProtocolModel& model, CMemFile& file)
{
    file.SeekToBegin();
    try {
        CArchive ar(&file, CArchive::load);
        model.Serialize(ar);
        return TRUE;
    } catch (const CProjectFileException&) {
        return FALSE;
    }
}

template <class Model> void RoundTrip(const uint8_t* data, size_t size)
{
    CMemFile file;
    if (size)
        file.Write(data, static_cast<UINT>(size));
    Model model;
    if (!Load(model, file))
        return;
    CMemFile stored;
    {
        CArchive ar(&stored, CArchive::store);
        model.Serialize(ar);
    }
    Model again;
    if (!Load(again, stored) || again.GetInfoCount() != model.GetInfoCount())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 65536)
        return 0;
    RoundTrip<CVikaModel>(data, size);
    RoundTrip<CPolyvectModel>(data, size);
    return 0;
}
