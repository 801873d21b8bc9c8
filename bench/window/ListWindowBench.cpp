// The project lists and the tree in their windows at two sizes: a Vika
// project of 1,000 and 10,000 protocols opened from its file, a conversion
// project given 1,000 and 10,000 data files, each sorted and scrolled; the
// tree of 1,000 and 100,000 nodes expanded and collapsed with its repaint.
// The cost per row must stay flat from the small size to the large.
#include "bench/window/WindowBench.h"
#include "app/project/ProtocolDoc.h"
#include "app/project/ProtocolItem.h"
#include "app/project/ProtocolListCtrl.h"
#include "app/project/ProtocolModel.h"
#include "app/project/ProtocolViewport.h"
#include "conversion/ConversionDoc.h"
#include "conversion/ConversionModel.h"
#include "conversion/G7kHeader.h"
#include "design/projects/VikaDoc.h"
#include "design/projects/VikaModel.h"
#include "framework/HostServices.h"
#include "ui/lists/TreeCtrl.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace windowbench {

namespace {

struct ListTimes {
  double fill = 0, fillCore = 0, sort = 0, sortCore = 0, scroll = 0;
};

CProtocolViewport* ViewOf(CDocument* pDoc) {
  if (!pDoc) return nullptr;
  POSITION pos = pDoc->GetFirstViewPosition();
  auto* pView = dynamic_cast<CProtocolViewport*>(pDoc->GetNextView(pos));
  if (pView) pView->GetParentFrame()->ActivateFrame(SW_SHOWMAXIMIZED);
  PumpMessages();
  return pView;
}

// Sorting by the first column through the list, and the model's compare
// over the same rows without it; then paging down.
void SortAndScroll(CProtocolViewport* pView, ListTimes& times) {
  CProtocolListCtrl& list = pView->GetListCtrl();
  CProtocolModel* pModel = list.GetModel();
  std::vector<LPARAM> rows;
  for (int i = 0; i < list.GetItemCount(); ++i)
    rows.push_back(static_cast<LPARAM>(list.GetItemData(i)));
  PFNPROTOCOLCOMPARE pfnCompare = pModel->GetCompareFunc();
  const LPARAM lModel = reinterpret_cast<LPARAM>(pModel);
  pModel->SetSortColumn(0);
  times.sortCore = Time([&] {
    std::stable_sort(rows.begin(), rows.end(), [&](LPARAM a, LPARAM b) {
      return pfnCompare(a, b, lModel) < 0;
    });
  });
  times.sort = Time([&] {
    list.SortItems();
    list.UpdateWindow();
  });
  const int pages = 20;
  times.scroll = Time([&] {
                   for (int i = 0; i < pages; ++i) {
                     list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
                     list.UpdateWindow();
                   }
                 }) /
                 pages;
}

void Close(CDocument* pDoc) {
  if (auto* pProject = dynamic_cast<CProtocolDoc*>(pDoc)) {
    pProject->GetModel()->SetModifiedFlag(FALSE);
    pProject->SetModifiedFlag(FALSE);
    pProject->OnCloseDocument();
  }
  PumpMessages();
}

// A project file of protocol names, read by the model as the document does.
std::string WriteVikaProject(const fs::path& folder, int names) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    ar << static_cast<DWORD>(PROJECT_FILE_VERSION) << CString("C:\\Src\\")
       << CString("C:\\Out\\") << static_cast<DWORD>(names);
    for (int i = 0; i < names; ++i) {
      CString name;
      name.Format("LINE%06d", (i * 7919) % names);
      ar << name;
    }
    ar << static_cast<WORD>(0);
  }
  std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
  file.SeekToBegin();
  file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  const fs::path path = folder / ("P" + std::to_string(names) + ".vkp");
  std::ofstream(path.string(), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return path.string();
}

ListTimes VikaProject(const fs::path& folder, int names) {
  ListTimes times;
  const std::string path = WriteVikaProject(folder, names);
  CSilentHostServices silent;
  std::optional<CHostServicesScope> scope(std::in_place, silent);
  times.fillCore = Time([&] {
    CVikaModel model;
    CFile file(path.c_str(), CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    model.Serialize(ar);
  });
  scope.reset();
  CDocument* pDoc = nullptr;
  times.fill = Time([&] {
    pDoc = App().OpenDocumentFile(path.c_str());
    if (CProtocolViewport* pView = ViewOf(pDoc)) pView->UpdateWindow();
  });
  if (CProtocolViewport* pView = ViewOf(pDoc)) SortAndScroll(pView, times);
  Close(pDoc);
  return times;
}

void WriteDataFiles(const fs::path& folder, int files) {
  fs::create_directories(folder);
  for (int i = 0; i < files; ++i) {
    G7kHeader header;
    header.nVersion = 16;
    header.dwRawTime = 3124166400u + static_cast<DWORD>((i * 7919) % 100000) * 60;
    header.nDataType = static_cast<WORD>(1 + i % 4);
    header.nChannels = static_cast<WORD>(1 + i % 4);
    header.dwRecords = static_cast<DWORD>((i * 104729) % 5000);
    char szId[16];
    std::snprintf(szId, sizeof szId, "%07d %d", 1000000 + (i * 31) % 9000000, i % 2);
    const std::vector<BYTE> bytes = MakeG7kFile(header, szId, 1, 2, 16);
    char szName[32];
    std::snprintf(szName, sizeof szName, "L%06d.G7K", i);
    std::ofstream((folder / szName).string(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
}

// The user's "add files": the model reads every header, the view lists them.
ListTimes ConversionProject(const fs::path& folder, int files) {
  ListTimes times;
  const fs::path data = folder / ("data" + std::to_string(files));
  WriteDataFiles(data, files);
  CStringList paths;
  for (const auto& entry : fs::directory_iterator(data))
    paths.AddTail(entry.path().string().c_str());
  {
    CSilentHostServices silent;
    CHostServicesScope scope(silent);
    times.fillCore = Time([&] {
      CConversionModel model;
      model.AddPaths(&paths);
    });
  }
  CDocTemplate* pTemplate = FindTemplate(RUNTIME_CLASS(CConversionDoc));
  CDocument* pDoc = pTemplate ? pTemplate->OpenDocumentFile(nullptr) : nullptr;
  CProtocolViewport* pView = ViewOf(pDoc);
  if (!pView) return times;
  auto* pModel = dynamic_cast<CConversionModel*>(pView->GetModel());
  times.fill = Time([&] {
    pModel->AddPaths(&paths);
    pView->RefreshList();
    pView->UpdateWindow();
  });
  SortAndScroll(pView, times);
  Close(pDoc);
  return times;
}

void ListRows(const char* pszList, int small, const ListTimes& a, int large,
              const ListTimes& b) {
  char szStep[64];
  const std::pair<const char*, const double ListTimes::*> steps[] = {
      {"fill", &ListTimes::fill}, {"sort", &ListTimes::sort},
      {"scroll page", &ListTimes::scroll}};
  const double ListTimes::* cores[] = {&ListTimes::fillCore,
                                       &ListTimes::sortCore, nullptr};
  for (int s = 0; s < 3; ++s) {
    for (int size : {small, large}) {
      const ListTimes& t = size == small ? a : b;
      std::snprintf(szStep, sizeof szStep, "%s %s, %d rows", pszList,
                    steps[s].first, size);
      Row(szStep, t.*steps[s].second, cores[s] ? t.*cores[s] : 0, "");
    }
    const double perRow = s == 2 ? 1.0 : static_cast<double>(large) / small;
    std::snprintf(szStep, sizeof szStep, "  per row %d vs %d", large, small);
    std::printf("%-34s %9.2fx %31s\n", szStep,
                b.*steps[s].second / a.*steps[s].second / perRow,
                s == 2 ? "flat: < 1.3x" : "< 1.3x");
  }
}

struct TreeTimes {
  double insert = 0, expand = 0, collapse = 0;
};

// Folders of 50 files under one root, as an instrument's drive shows.
TreeTimes Tree(CWnd& parent, int nodes) {
  TreeTimes times;
  SECTreeCtrl tree;
  CRect rect;
  parent.GetClientRect(&rect);
  tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASLINES |
                  TVS_HASBUTTONS | TVS_LINESATROOT,
              rect, &parent, 0xE900);
  HTREEITEM top = nullptr;
  times.insert = Time([&] {
    top = tree.InsertItem("<S/N: 0001234>");
    HTREEITEM folder = nullptr;
    char name[32];
    for (int i = 1; i < nodes; ++i) {
      if (folder == nullptr || i % 51 == 0) {
        std::snprintf(name, sizeof name, "DATA%05d", i);
        folder = tree.InsertItem(name, top);
        continue;
      }
      std::snprintf(name, sizeof name, "F%07d.G7K", i);
      tree.InsertItem(name, folder, TVI_SORT);
    }
    tree.UpdateWindow();
  });
  times.expand = Time([&] {
    tree.ExpandBranch(top);
    tree.UpdateWindow();
  });
  times.collapse = Time([&] {
    tree.Expand(top, TVE_COLLAPSE);
    tree.UpdateWindow();
  });
  tree.DestroyWindow();
  PumpMessages();
  return times;
}

}  // namespace

int RunLists() {
  const fs::path folder = fs::current_path() / "window_bench_lists";
  fs::remove_all(folder);
  fs::create_directories(folder);
  Heading("Vika project list");
  ListRows("vika", 1000, VikaProject(folder, 1000), 10000,
           VikaProject(folder, 10000));
  Heading("conversion list");
  ListRows("conversion", 1000, ConversionProject(folder, 1000), 10000,
           ConversionProject(folder, 10000));
  fs::remove_all(folder);
  return 0;
}

int RunTree() {
  CWnd* pMain = App().m_pMainWnd;
  if (!pMain) return 1;
  Heading("tree window");
  const TreeTimes small = Tree(*pMain, 1000);
  const TreeTimes large = Tree(*pMain, 100000);
  const std::pair<const char*, const double TreeTimes::*> steps[] = {
      {"insert", &TreeTimes::insert},
      {"expand", &TreeTimes::expand},
      {"collapse", &TreeTimes::collapse}};
  for (const auto& step : steps) {
    char szStep[64];
    std::snprintf(szStep, sizeof szStep, "tree %s, 1,000 nodes", step.first);
    Row(szStep, small.*step.second, 0, "");
    std::snprintf(szStep, sizeof szStep, "tree %s, 100,000 nodes", step.first);
    Row(szStep, large.*step.second, 0, "");
    std::printf("%-34s %9.2fx %31s\n", "  per node 100,000 vs 1,000",
                large.*step.second / small.*step.second / 100.0, "< 1.5x");
  }
  return 0;
}

}  // namespace windowbench
