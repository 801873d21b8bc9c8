// Loads project files of 1,000 to 32,000 names into a family that refuses
// names it has already, and prints the time per name and its ratio to the
// smallest project's.
#include "framework/Portable.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include "app/project/ProtocolModel.h"

namespace {

class CBenchModel : public CProtocolModel
{
public:
    BOOL AddByFileName(LPCTSTR pszName) override { return AddNamedRecord(pszName); }
};

// The project file: version, folders, the names, no columns.
std::vector<BYTE> ProjectBytes(int names)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << (DWORD)PROJECT_FILE_VERSION << CString("C:\\Src\\") << CString("C:\\Out\\") << (DWORD)names;
        for (int i = 0; i < names; ++i) {
            CString name;
            name.Format("LINE%06d.ORG", i);
            ar << name;
        }
        ar << (WORD)0;
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

double MicrosecondsPerName(int names)
{
    std::vector<BYTE> bytes = ProjectBytes(names);
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CBenchModel model;
    const auto start = std::chrono::steady_clock::now();
    CArchive ar(&file, CArchive::load);
    model.Serialize(ar);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return seconds * 1e6 / names;
}

// Best of at least three loads and 200 ms of them: one load of a small
// project is too short to time on a shared machine.
double BestMicrosecondsPerName(int names)
{
    double best = 1e9;
    double spent = 0;
    for (int run = 0; run < 3 || spent < 0.2; ++run) {
        const double perName = MicrosecondsPerName(names);
        best = perName < best ? perName : best;
        spent += perName * names / 1e6;
    }
    return best;
}

} // namespace

int main()
{
    std::printf("%10s %12s %8s\n", "names", "us/name", "ratio");
    double first = 0;
    for (int names : {1000, 4000, 16000, 32000}) {
        const double perName = BestMicrosecondsPerName(names);
        if (first == 0)
            first = perName;
        std::printf("%10d %12.3f %8.2f\n", names, perName, perName / first);
    }
    return 0;
}
