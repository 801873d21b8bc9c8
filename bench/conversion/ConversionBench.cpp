// Adds a season of data files to a conversion project (every header read,
// every title checked against the project) and sorts the rows by each of
// the fifteen columns; prints the time per file and its ratio to the
// smallest project's. Sorting compares n log n times, so its time per file
// may grow by the logarithm, never with the number of files.
#include "framework/Portable.h"
#include "conversion/ConversionColumns.h"
#include "conversion/ConversionItem.h"
#include "conversion/ConversionModel.h"
#include "conversion/G7kHeader.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Files of every version and kind, with differing counts and times.
void WriteFiles(const fs::path& folder, int nFiles)
{
    const WORD versions[] = {5, 8, 13, 14, 15, 16};
    for (int i = 0; i < nFiles; ++i) {
        G7kHeader header;
        header.nVersion = versions[i % 6];
        header.dwRawTime = 3124166400u + static_cast<DWORD>((i * 7919) % 100000) * 60;
        header.nDataType = static_cast<WORD>(1 + i % 4);
        header.nElectrodeSystem = static_cast<WORD>(1 + i % 3);
        header.nArrayCode = i % 16;
        header.nChannels = static_cast<WORD>(1 + i % 4);
        header.dwRecords = static_cast<DWORD>((i * 104729) % 5000);
        header.fRefX = static_cast<float>(i % 97);
        char szId[16];
        std::snprintf(szId, sizeof szId, "%07d %d", 1000000 + (i * 31) % 9000000, i % 2);
        const std::vector<BYTE> bytes = MakeG7kFile(header, szId, 1 + i % 3, 2 + i % 5, 64);
        char szName[32];
        std::snprintf(szName, sizeof szName, "L%06d.G7K", i);
        std::ofstream((folder / szName).string(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
}

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Result
{
    double addMicros = 0;
    double worstSortMicros = 0;
    UINT worstColumn = 0;
};

Result Measure(int nFiles)
{
    const fs::path folder = fs::temp_directory_path() / ("g7k-conversion-bench-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    WriteFiles(folder, nFiles);
    CStringList paths;
    for (const auto& entry : fs::directory_iterator(folder))
        paths.AddTail(entry.path().string().c_str());

    Result result;
    CConversionModel model;
    auto start = std::chrono::steady_clock::now();
    const ConversionAddSummary summary = model.AddPaths(&paths);
    result.addMicros = Seconds(start) * 1e6 / nFiles;
    if (static_cast<int>(summary.nAdded) != nFiles)
        std::fprintf(stderr, "only %u of %d files added\n", summary.nAdded, nFiles);

    std::vector<std::unique_ptr<CConversionItem>> items;
    for (POSITION pos = model.GetInfoList().GetHeadPosition(); pos;) {
        items.push_back(std::make_unique<CConversionItem>());
        items.back()->Attach(nullptr, 0, model.GetInfoList().GetNext(pos), &model.GetColumnMap());
    }
    const LPARAM lModel = reinterpret_cast<LPARAM>(static_cast<CProtocolModel*>(&model));
    const CColumnProperty* pTable = GetConversionColumnTable();
    for (int c = 0; c < kConversionColumnCount; ++c) {
        model.GetColumnMap().RemoveAll();
        CColumnProperty prop = pTable[c];
        model.GetColumnMap().SetAt(0, prop);
        model.SetSortColumn(0);
        std::vector<CConversionItem*> rows;
        for (auto& item : items)
            rows.push_back(item.get());
        start = std::chrono::steady_clock::now();
        std::stable_sort(rows.begin(), rows.end(), [lModel](CConversionItem* a, CConversionItem* b) {
            return CConversionModel::CompareItems(reinterpret_cast<LPARAM>(a), reinterpret_cast<LPARAM>(b), lModel)
                   < 0;
        });
        const double micros = Seconds(start) * 1e6 / nFiles;
        if (micros > result.worstSortMicros) {
            result.worstSortMicros = micros;
            result.worstColumn = prop.GetColumnId();
        }
    }
    items.clear();
    model.RemoveAll();
    fs::remove_all(folder);
    return result;
}

} // namespace

int main()
{
    std::printf("%8s %12s %8s %16s %8s %s\n", "files", "add us/file", "ratio", "worst sort us/f", "ratio",
                "column");
    Result first;
    for (int nFiles : {1250, 2500, 5000, 10000}) {
        const Result r = Measure(nFiles);
        if (first.addMicros == 0)
            first = r;
        std::printf("%8d %12.2f %8.2f %16.3f %8.2f %s\n", nFiles, r.addMicros, r.addMicros / first.addMicros,
                    r.worstSortMicros, r.worstSortMicros / first.worstSortMicros,
                    static_cast<LPCTSTR>(FindConversionColumn(r.worstColumn)->GetHeading()));
    }
    return 0;
}
