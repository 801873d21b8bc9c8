// The project records' header readers and the protocol editors' loaders on
// one file; the Vika editor's save must read back to no more rows. (Files
// the editor and the generator write are kept byte for byte by the
// round-trip tests; a garbled one with comment-only lines between commands
// can still change on each save, since comments keep their line numbers.)
#include "framework/Portable.h"
#include "design/projects/PolyvectProtocolInfo.h"
#include "design/projects/PolyvectProtocolText.h"
#include "design/projects/VikaProtocolInfo.h"
#include "design/projects/VikaProtocolText.h"
#include "design/projects/ItemRows.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "design/fuzz/FuzzFile.h"

namespace {

void ReadRecords(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    const std::string folder = path.substr(0, slash + 1);
    const std::string file = path.substr(slash + 1);
    const std::string stem = file.substr(0, file.rfind('.'));
    CVikaProtocolInfo vika;
    vika.SetFolder(folder.c_str());
    vika.SetName(stem.c_str());
    vika.ReadHeader();
    CPolyvectProtocolInfo polyvect;
    polyvect.SetFolder(folder.c_str());
    polyvect.SetName(file.c_str());
    polyvect.ReadHeader();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = WriteFuzzFile(data, size, ".ORG");
    ReadRecords(path);

    std::vector<CString> rows;
    CPolyvectProtocolText::LoadRows(path.c_str(), rows);
    for (const CString& row : rows) {
        PolyvectCommandRow command;
        command.Parse(row);
        VikaCommandRow vika;
        vika.Parse(row);
        AdrItemRow address;
        address.Parse(row);
    }

    CVikaProtocolText text;
    if (!text.Load(path.c_str()))
        return 0;
    if (!text.Save(path.c_str(), {}))
        return 0;
    CVikaProtocolText again;
    if (!again.Load(path.c_str()) || again.m_rows.size() > text.m_rows.size())
        std::abort();
    return 0;
}
