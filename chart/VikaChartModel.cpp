#include "framework/Framework.h"
#include "chart/VikaChartModel.h"

#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/HostServices.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"
#include "design/VikaCommand.h"
#include "design/VikaProtocolGenerator.h"

namespace {

const char kModifiedMarker[] = "   <<< Modified >>> ";
const char kSeparators[] = " ,\t\n\r";
const int kMaxChannels = 4;

int SectionIndex(int section) {
  if (section & kSectionOrg)
    return 0;
  if (section & kSectionUp)
    return 1;
  if (section & kSectionDwn)
    return 2;
  return -1;
}

std::vector<std::string> SplitTokens(const char* text) {
  std::vector<std::string> tokens;
  std::string current;
  for (const char* p = text; *p; ++p) {
    if (std::strchr(kSeparators, *p)) {
      if (!current.empty())
        tokens.push_back(current);
      current.clear();
    } else {
      current += *p;
    }
  }
  if (!current.empty())
    tokens.push_back(current);
  return tokens;
}

// Non-numbers give 0, as the instrument's own tools read them.
int ToInt(const std::string& token) {
  const long value = std::strtol(token.c_str(), NULL, 10);
  if (value > INT_MAX)
    return INT_MAX;
  if (value < INT_MIN)
    return INT_MIN;
  return static_cast<int>(value);
}

int LastSeparator(const CString& path) {
  const int back = path.ReverseFind('\\');
  const int slash = path.ReverseFind('/');
  return back > slash ? back : slash;
}

// The path without its extension (a dot in a folder name is no extension).
CString StripExtension(const CString& path) {
  const int dot = path.ReverseFind('.');
  if (dot < 0 || dot < LastSeparator(path))
    return path;
  return path.Left(dot);
}

CString FolderOf(const CString& path) {
  return path.Left(LastSeparator(path) + 1);
}

bool ReadTextLines(const CString& path, std::vector<CString>& lines) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == NULL)
    return false;
  std::string text;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    text.append(buffer, got);
  const bool ok = !std::ferror(file);
  std::fclose(file);
  if (!ok)
    return false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    size_t stop = end;
    if (stop > start && text[stop - 1] == '\r')
      --stop;
    lines.push_back(CString(text.substr(start, stop - start).c_str()));
    start = end + 1;
  }
  return true;
}

CVikaChartModel::LineSource SourceOf(const std::vector<CString>& lines) {
  auto next = std::make_shared<size_t>(0);
  return [&lines, next](CString& line) {
    if (*next >= lines.size())
      return false;
    line = lines[(*next)++];
    return true;
  };
}

bool WriteTextFile(const CString& path, const CString& text) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == NULL)
    return false;
  const size_t length = static_cast<size_t>(text.GetLength());
  bool ok = std::fwrite(static_cast<LPCTSTR>(text), 1, length, file) == length;
  ok = (std::fclose(file) == 0) && ok;
  return ok;
}

bool ReplaceFile(const CString& from, const CString& to) {
#ifdef _WIN32
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
#else
  return std::rename(from, to) == 0;
#endif
}

}  // namespace

IMPLEMENT_DYNAMIC(CVikaChartModel, CObject)

CVikaChartModel::CVikaChartModel()
    : m_pDocument(NULL),
      m_bModified(FALSE),
      m_nChannels(0),
      m_nCounts(),
      m_rcExtent(),
      m_pLayout(NULL),
      m_pAddressMap(NULL),
      m_sizeVirtual(),
      m_bPlainScan(FALSE),
      m_pSearch(NULL) {
  ResetBounds();
  m_sizeVirtual.cx = 120;
  m_sizeVirtual.cy = 100;
  m_rcBounds.SetRect(0, 0, 50, 100);
}

CVikaChartModel::~CVikaChartModel() { DeleteContents(); }

void CVikaChartModel::ResetBounds() {
  m_dMinX = DBL_MAX;
  m_dMaxX = -DBL_MAX;
  m_dMinDepth = DBL_MAX;
  m_dMaxDepth = DBL_MIN;
}

void CVikaChartModel::DeleteContents() {
  for (int i = 0; i < m_items.GetSize(); ++i)
    delete m_items[i];
  m_items.RemoveAll();
  for (int i = 0; i < m_takeouts.GetSize(); ++i)
    delete m_takeouts[i];
  m_takeouts.RemoveAll();
  delete m_pLayout;
  m_pLayout = NULL;
  delete m_pAddressMap;
  m_pAddressMap = NULL;
  m_sizeVirtual.cx = 120;
  m_sizeVirtual.cy = 100;
  m_rcBounds.SetRect(0, 0, 50, 100);
  m_nChannels = 0;
  m_rcExtent = RECT();
  ResetBounds();
  for (int& count : m_nCounts)
    count = 0;
  m_strAddressFile.Empty();
  m_strGeometry.Empty();
}

void CVikaChartModel::Attach(ElectrodeLayout* layout,
                             CVikaAddressMap* addressMap) {
  DeleteContents();
  m_pLayout = layout;
  m_pAddressMap = addressMap;
  BuildCables();
}

CVikaChartItem* CVikaChartModel::AddItem(const ChartItemSource& source,
                                         DWORD state) {
  CVikaChartItem* item =
      new CVikaChartItem(m_pLayout, m_pAddressMap, source, state,
                         m_properties.m_dGridX, m_properties.m_dGridY);
  m_items.Add(item);
  IncludeRect(item->m_rcBox);
  const int index = SectionIndex(item->GetSection());
  if (index >= 0) {
    ++m_nCounts[3 + index];
    if (item->IsEnabled())
      ++m_nCounts[index];
  }
  if (item->IsEnabled())
    IncludeInBounds(item);
  return item;
}

void CVikaChartModel::SetModified(BOOL bModified) {
  m_bModified = bModified;
  if (m_pDocument == NULL)
    return;
  CString title = m_pDocument->GetTitle();
  const int at = title.Find(kModifiedMarker);
  if (bModified && at < 0) {
    m_pDocument->SetTitle(title + kModifiedMarker);
  } else if (!bModified && at >= 0) {
    m_pDocument->SetTitle(title.Left(at));
  }
}

void CVikaChartModel::IncludeInBounds(CVikaChartItem* item) {
  if (item == NULL)
    return;
  const double x = item->GetX();
  const double depth = item->GetDepth();
  if (x < m_dMinX)
    m_dMinX = x;
  if (x > m_dMaxX)
    m_dMaxX = x;
  if (depth < m_dMinDepth)
    m_dMinDepth = depth;
  if (depth > m_dMaxDepth)
    m_dMaxDepth = depth;
}

int CVikaChartModel::RecalcExtents() {
  ResetBounds();
  for (int i = 0; i < m_items.GetSize(); ++i) {
    if (m_items[i]->IsEnabled())
      IncludeInBounds(m_items[i]);
  }
  return m_items.GetSize();
}

int CVikaChartModel::GetCount(int i) const {
  if (i < 0 || i >= 6)
    return -1;
  return m_nCounts[i];
}

void CVikaChartModel::IncludeRect(const RECT& rc) {
  if (rc.left < m_rcExtent.left)
    m_rcExtent.left = rc.left;
  if (rc.right > m_rcExtent.right)
    m_rcExtent.right = rc.right;
  if (rc.top < m_rcExtent.top)
    m_rcExtent.top = rc.top;
  if (rc.bottom > m_rcExtent.bottom)
    m_rcExtent.bottom = rc.bottom;
  SetVirtualSize(m_rcExtent.right, m_rcExtent.bottom);
}

void CVikaChartModel::UpdateCounts() {
  for (int& count : m_nCounts)
    count = 0;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    const CVikaChartItem* item = m_items[i];
    const int index = SectionIndex(item->GetSection());
    if (index < 0)
      continue;
    ++m_nCounts[3 + index];
    if (item->IsEnabled())
      ++m_nCounts[index];
  }
}

int CVikaChartModel::CountChannels(const CString& line, int arrayCode) {
  CString copy = line;
  copy.TrimLeft();
  const std::vector<std::string> tokens = SplitTokens(copy);
  std::vector<int> values;
  for (const std::string& token : tokens) {
    if (values.size() >= 10)
      break;
    const int value = ToInt(token);
    if (value == 0 && token[0] != '0')
      break;
    values.push_back(value);
  }
  int count = 0;
  for (int value : values) {
    if (value > 0)
      ++count;
  }
  if (!values.empty() && values[0] > 0)
    --count;
  if (arrayCode == ArrayPolePole)
    return count;
  if (values.size() > 1 && values[1] > 0)
    --count;
  return count / 2;
}

CString CVikaChartModel::GetFileFolder(CFile* file) {
  if (file == NULL)
    return CString();
  return FolderOf(file->GetFilePath());
}

void CVikaChartModel::BuildCables() {
  if (m_pAddressMap == NULL)
    return;
  const DWORD sections[3] = {kSectionOrg, kSectionUp, kSectionDwn};
  const int count = static_cast<int>(m_pAddressMap->m_nElectrodes);
  for (DWORD section : sections) {
    for (int e = 1; e <= count; ++e) {
      MapItem entry;
      if (!m_pAddressMap->Lookup(e, entry))
        continue;
      CVikaCableItem* takeout = new CVikaCableItem(
          m_pAddressMap, e, entry.nCable, entry.nTakeout, section,
          m_properties.m_dGridX, m_properties.m_dGridY);
      m_takeouts.Add(takeout);
      IncludeRect(takeout->m_rcBox);
    }
  }
}

void CVikaChartModel::ReadHeader(const LineSource& lines,
                                 const CString& folder) {
  CString line1;
  lines(line1);
  line1.TrimLeft();
  const int tab = line1.Find('\t');
  if (tab >= 0)
    line1 = line1.Left(tab);
  const int code = std::atoi(line1);
  m_pLayout = CreateElectrodeLayout(static_cast<UINT>(code));
  if (m_pLayout == NULL)
    return;

  CString line2;
  lines(line2);
  line2.Trim();
  const std::vector<std::string> words = SplitTokens(line2);
  CString address = words.empty() ? "" : words[0].c_str();
  const int adr = address.Find(".ADR");
  if (adr >= 0)
    address = address.Left(adr);
  address.MakeUpper();
  m_strAddressFile = address;
  m_pAddressMap = new CVikaAddressMap(folder + address);
  BuildCables();

  m_strGeometry.Empty();
  if (words.size() > 1) {
    CString geometry = words[1].c_str();
    const int xyz = geometry.Find(".XYZ");
    if (xyz >= 0) {
      geometry = geometry.Left(xyz);
      geometry.MakeUpper();
      m_strGeometry = geometry;
    }
  }
}

void CVikaChartModel::ReadDataLine(const CString& line, int section,
                                   int lineNumber, int& maxChannels) {
  const std::vector<std::string> tokens = SplitTokens(line);
  size_t next = 0;
  auto take = [&](int& value) {
    if (next >= tokens.size())
      return false;
    value = ToInt(tokens[next++]);
    return true;
  };
  int c1 = 0, c2 = 0;
  take(c1);
  take(c2);
  int p1[kMaxChannels] = {0}, p2[kMaxChannels] = {0};
  for (int k = 0; k < maxChannels; ++k) {
    if (!take(p1[k]) || !take(p2[k]))
      break;
  }
  if (maxChannels > m_nChannels)
    m_nChannels = maxChannels;

  const int index = SectionIndex(section);
  for (int k = 0; k < maxChannels; ++k) {
    if (!((c1 > 0 || c2 > 0) && (p1[k] > 0 || p2[k] > 0)))
      continue;
    if (m_pLayout->ComparePairs(c1, c2, p1[k], p2[k]))
      m_properties.m_bReciprocalLayout = 1;
    const ChartItemSource source = {c1, c2, p1[k], p2[k], k + 1, lineNumber};
    CVikaChartItem* item = new CVikaChartItem(
        m_pLayout, m_pAddressMap, source,
        static_cast<DWORD>(section) | kStateEnabled, m_properties.m_dGridX,
        m_properties.m_dGridY);
    m_items.Add(item);
    IncludeRect(item->m_rcBox);
    IncludeInBounds(item);
    ++m_nCounts[index];
  }
}

int CVikaChartModel::ReadProtocolFile(const LineSource& lines, int section,
                                      const CString& folder) {
  GetHostServices().StepProgress();
  const int index = SectionIndex(section);
  if (index < 0)
    return -1;
  if (section == kSectionOrg) {
    ReadHeader(lines, folder);
  } else {
    CString skipped;
    lines(skipped);
    lines(skipped);
  }
  if (m_pLayout == NULL)
    return -1;

  m_properties.m_bReciprocalLayout = 0;
  int maxChannels = 0;
  int lineCount = 0;
  CString line;
  while (lines(line)) {
    // Blank and separator-only lines are skipped, so nothing after them is
    // lost on the next save.
    if (SplitTokens(line).empty())
      continue;
    const int channels = CountChannels(line, m_pLayout->GetCode());
    if (channels > maxChannels)
      maxChannels = channels < kMaxChannels ? channels : kMaxChannels;
    ++lineCount;
    ReadDataLine(line, section, lineCount, maxChannels);
  }
  return lineCount;
}

int CVikaChartModel::ReadProtocolFile(CArchive& ar, int section) {
  if (ar.IsStoring())
    return -1;
  const LineSource lines = [&ar](CString& line) {
    return ar.ReadString(line) != FALSE;
  };
  return ReadProtocolFile(lines, section, GetFileFolder(ar.GetFile()));
}

BOOL CVikaChartModel::ReadSectionFile(const CString& path, int section) {
  std::vector<CString> lines;
  if (!ReadTextLines(path, lines))
    return FALSE;
  ReadProtocolFile(SourceOf(lines), section, FolderOf(path));
  return TRUE;
}

BOOL CVikaChartModel::LoadProtocol(const LineSource& org,
                                   const CString& path) {
  ProgressScope progress("Reading protocol:", 0, 6);
  m_strProtocolPath = path;
  if (ReadProtocolFile(org, kSectionOrg, FolderOf(path)) < 0) {
    DeleteContents();
    return FALSE;
  }
  const CString base = StripExtension(path);
  ReadSectionFile(base + ".UP", kSectionUp);
  ReadSectionFile(base + ".DWN", kSectionDwn);
  GenerateProtocol(path);
  Renumber(TRUE);
  ScanProtocolData();
  return TRUE;
}

BOOL CVikaChartModel::OpenProtocolFiles(const CString& path) {
  DeleteContents();
  std::vector<CString> lines;
  if (!ReadTextLines(path, lines))
    return FALSE;
  return LoadProtocol(SourceOf(lines), path);
}

CString CVikaChartModel::FormatProtocolFile(int section) {
  CString text;
  if (m_pLayout == NULL || m_pAddressMap == NULL)
    return text;
  text.Format("%d\n", m_pLayout->GetCode());
  text += m_pAddressMap->m_strFileName;
  text += "\t";
  if (!m_strGeometry.IsEmpty())
    text += m_strGeometry + ".XYZ";
  text += "\n";

  CVikaCommandArray commands;
  for (int i = 0; i < m_items.GetSize(); ++i) {
    const CVikaChartItem* item = m_items[i];
    if (item->IsEnabled() && (item->m_dwState & section & kSectionMask)) {
      CVikaCommand command(item->m_nA, item->m_nB, item->m_nM, item->m_nN);
      commands.Add(command);
    }
  }
  if (m_nChannels >= 2 && commands.GetSize() > 0) {
    CVikaProtocolGenerator generator;
    generator.SetArrayCode(m_pLayout->GetCode());
    generator.SetChannels(m_nChannels);
    generator.MergeChannels(commands);
  }
  for (int i = 0; i < commands.GetSize(); ++i) {
    const CVikaCommand& command = commands[i];
    if (!command.m_bValid)
      break;
    text.AppendFormat("%d\t%d", command.m_nC1, command.m_nC2);
    int channels = command.m_nChannels;
    if (channels < 1)
      channels = 1;
    if (channels > kMaxChannels)
      channels = kMaxChannels;
    for (int k = 0; k < channels; ++k)
      text.AppendFormat("\t%d\t%d", command.m_nP1[k], command.m_nP2[k]);
    text += "\n";
  }
  return text;
}

void CVikaChartModel::WriteProtocolFile(CArchive& ar, int section) {
  if (ar.IsLoading())
    return;
  ar.WriteString(FormatProtocolFile(section));
}

BOOL CVikaChartModel::SaveProtocolFiles(const CString& path) {
  if (m_pLayout == NULL || m_pAddressMap == NULL)
    return FALSE;
  if (m_properties.m_bAutoSort) {
    Sort();
    Optimize();
  }
  const CString base = StripExtension(path);
  const CString targets[3] = {path, base + ".UP", base + ".DWN"};
  const int sections[3] = {kSectionOrg, kSectionUp, kSectionDwn};
  CString temps[3];
  bool ok = true;
  for (int i = 0; i < 3 && ok; ++i) {
    temps[i] = targets[i] + ".$$$";
    ok = WriteTextFile(temps[i], FormatProtocolFile(sections[i]));
  }
  for (int i = 0; i < 3 && ok; ++i)
    ok = ReplaceFile(temps[i], targets[i]);
  for (const CString& temp : temps) {
    if (!temp.IsEmpty())
      std::remove(temp);
  }
  if (ok)
    m_strProtocolPath = path;
  return ok ? TRUE : FALSE;
}

void CVikaChartModel::Serialize(CArchive& ar) {
  const CString path = ar.GetFile() ? ar.GetFile()->GetFilePath() : CString();
  if (ar.IsLoading()) {
    DeleteContents();
    const LineSource lines = [&ar](CString& line) {
      return ar.ReadString(line) != FALSE;
    };
    if (!LoadProtocol(lines, path))
      AfxThrowUserException();
    return;
  }
  if (m_pLayout == NULL)
    return;
  if (m_properties.m_bAutoSort) {
    Sort();
    Optimize();
  }
  m_strProtocolPath = path;
  WriteProtocolFile(ar, kSectionOrg);
  // The ".ORG" text goes to the archive's file; the other two replace
  // their files only when both were written whole. Otherwise the save
  // fails, so the ".ORG" file is not replaced either.
  const CString base = StripExtension(path);
  const CString targets[2] = {base + ".UP", base + ".DWN"};
  const int sections[2] = {kSectionUp, kSectionDwn};
  CString temps[2];
  bool ok = true;
  for (int i = 0; i < 2 && ok; ++i) {
    temps[i] = targets[i] + ".$$$";
    ok = WriteTextFile(temps[i], FormatProtocolFile(sections[i]));
  }
  for (int i = 0; i < 2 && ok; ++i)
    ok = ReplaceFile(temps[i], targets[i]);
  for (const CString& temp : temps) {
    if (!temp.IsEmpty())
      std::remove(temp);
  }
  if (!ok)
    AfxThrowFileException(CFileException::genericException, -1, base);
}

void CVikaChartModel::Reload(IVikaChartDocument* document) {
  if (document == NULL)
    return;
  OpenProtocolFiles(document->GetPathName());
}
