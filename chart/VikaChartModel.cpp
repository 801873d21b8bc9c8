#include "framework/Portable.h"
#include "chart/VikaChartModel.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "framework/HostServices.h"
#include "framework/OsFile.h"
#include "framework/PathNames.h"
#include "design/ElectrodeLayout.h"
#include "design/TextLines.h"
#include "design/VikaAddressMap.h"
#include "design/VikaCommand.h"
#include "design/VikaProtocolFile.h"
#include "design/VikaProtocolGenerator.h"

namespace {

const char kModifiedMarker[] = "   <<< Modified >>> ";
const int kMaxChannels = 4;
// C1, C2 and four pairs: values after them are not read.
const size_t kMaxValues = 2 + 2 * kMaxChannels;

int SectionIndex(int section) {
  if (section & kSectionOrg)
    return 0;
  if (section & kSectionUp)
    return 1;
  if (section & kSectionDwn)
    return 2;
  return -1;
}

std::string_view View(const CString& text) {
  return static_cast<LPCTSTR>(text);
}

// The values of a command line. A word that is no whole number reads as 0,
// as the instrument's own tools read it.
std::vector<int> CommandValues(const std::vector<std::string_view>& words) {
  std::vector<int> values;
  for (std::string_view word : words) {
    if (values.size() >= kMaxValues)
      break;
    int value = 0;
    if (!CVikaProtocolFile::ReadCommandValue(word, value))
      value = 0;
    values.push_back(value);
  }
  return values;
}

// The channels of a line: the values up to the first word that is no
// number, less C1 and C2 when present, in pairs unless pole-pole.
int ChannelsOf(const std::vector<std::string_view>& words, int arrayCode) {
  std::vector<int> values;
  for (std::string_view word : words) {
    int value = 0;
    if (values.size() >= kMaxValues ||
        !CVikaProtocolFile::ReadCommandValue(word, value))
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

CVikaChartModel::LineSource SourceOf(const std::vector<std::string>& lines) {
  auto next = std::make_shared<size_t>(0);
  return [&lines, next](CString& line) {
    if (*next >= lines.size())
      return false;
    line = lines[(*next)++].c_str();
    return true;
  };
}

template <class Item>
void DeleteAll(CArray<Item*, Item*>& items) {
  for (int i = 0; i < items.GetSize(); ++i)
    delete items[i];
  items.RemoveAll();
}

}  // namespace

IMPLEMENT_DYNAMIC(CVikaChartModel, CObject)

CVikaChartModel::CVikaChartModel()
    : m_pDocument(NULL),
      m_bModified(FALSE),
      m_nChannels(0),
      m_enabled(),
      m_total(),
      m_rcExtent(),
      m_sizeVirtual(),
      m_bPlainScan(FALSE) {
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
  DeleteAll(m_items);
  DeleteAll(m_takeouts);
  m_layout.reset();
  m_addressMap.reset();
  m_sizeVirtual.cx = 120;
  m_sizeVirtual.cy = 100;
  m_rcBounds.SetRect(0, 0, 50, 100);
  m_nChannels = 0;
  m_rcExtent = RECT();
  ResetBounds();
  ClearCounts();
  m_strAddressFile.Empty();
  m_strGeometry.Empty();
}

void CVikaChartModel::Attach(std::unique_ptr<ElectrodeLayout> layout,
                             std::unique_ptr<CVikaAddressMap> addressMap) {
  DeleteContents();
  m_layout = std::move(layout);
  m_addressMap = std::move(addressMap);
  BuildCables();
}

CVikaChartItem* CVikaChartModel::AddItem(const ChartItemSource& source,
                                         DWORD state) {
  auto owned = std::make_unique<CVikaChartItem>(
      m_layout.get(), m_addressMap.get(), source, state,
      m_properties.m_dGridX, m_properties.m_dGridY);
  CVikaChartItem* item = owned.get();
  AddGrowing(m_items, item);
  owned.release();
  IncludeRect(item->m_rcBox);
  CountItem(item);
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
  if (i >= 0 && i < 3)
    return m_enabled[i];
  if (i >= 3 && i < 6)
    return m_total[i - 3];
  return -1;
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

void CVikaChartModel::ClearCounts() {
  for (int s = 0; s < 3; ++s)
    m_enabled[s] = m_total[s] = 0;
}

void CVikaChartModel::CountItem(const CVikaChartItem* item) {
  const int index = SectionIndex(item->GetSection());
  if (index < 0)
    return;
  ++m_total[index];
  if (item->IsEnabled())
    ++m_enabled[index];
}

void CVikaChartModel::UpdateCounts() {
  ClearCounts();
  for (int i = 0; i < m_items.GetSize(); ++i)
    CountItem(m_items[i]);
}

int CVikaChartModel::CountChannels(const CString& line, int arrayCode) {
  return ChannelsOf(CVikaProtocolFile::SplitCommandLine(View(line)).words,
                    arrayCode);
}

CString CVikaChartModel::GetFileFolder(CFile* file) {
  if (file == NULL)
    return CString();
  return FolderPart(file->GetFilePath());
}

void CVikaChartModel::BuildCables() {
  if (!m_addressMap)
    return;
  const DWORD sections[3] = {kSectionOrg, kSectionUp, kSectionDwn};
  // The entries, not the count: a count that the file claims without
  // entries would make a long walk over nothing.
  const int count = static_cast<int>(
      std::min<UINT>(m_addressMap->m_nElectrodes, INT_MAX));
  for (DWORD section : sections) {
    for (const auto& [e, entry] : m_addressMap->GetEntries()) {
      if (e < 1 || e > count)
        continue;
      auto owned = std::make_unique<CVikaCableItem>(
          m_addressMap.get(), e, entry.nCable, entry.nTakeout, section,
          m_properties.m_dGridX, m_properties.m_dGridY);
      CVikaCableItem* takeout = owned.get();
      m_takeouts.Add(takeout);
      owned.release();
      IncludeRect(takeout->m_rcBox);
    }
  }
}

BOOL CVikaChartModel::ReadHeader(const LineSource& lines, const CString& folder,
                                 CString& error) {
  CString line1, comment;
  if (!lines(line1)) {
    error = "The file is empty.";
    return FALSE;
  }
  int code = 0;
  if (!CVikaProtocolFile::ReadArrayCodeLine(View(line1), code, comment)) {
    error = "Line 1 holds no array code.";
    return FALSE;
  }
  CString unknown;
  m_layout = CreateElectrodeLayout(static_cast<UINT>(code), &unknown);
  if (!m_layout) {
    error.Format("Line 1 holds the array code %d, which is not known.", code);
    return FALSE;
  }

  CString line2, address, geometry;
  if (!lines(line2)) {
    error = "Line 2, which names the address file, is missing.";
    return FALSE;
  }
  CVikaProtocolFile::ReadNamesLine(View(line2), address, geometry, comment);
  address.MakeUpper();
  if (address.IsEmpty()) {
    error = "Line 2 names no address file.";
    return FALSE;
  }
  m_strAddressFile = address;
  m_addressMap = std::make_unique<CVikaAddressMap>(folder + address);
  if (m_addressMap->m_nElectrodes < 1) {
    const CString addressPath = AddressFilePath(folder + address);
    error.Format(OsFile::FileExists(addressPath)
                     ? "The address file %s named on line 2 is not valid: it "
                       "gives no electrodes."
                     : "The address file %s named on line 2 is missing.",
                 static_cast<LPCTSTR>(m_addressMap->m_strFileName));
    return FALSE;
  }
  BuildCables();
  geometry.MakeUpper();
  m_strGeometry = geometry;
  return TRUE;
}

BOOL CVikaChartModel::CheckElectrodes(const std::vector<int>& values,
                                      int fileLine, CString& error) const {
  const long long count = m_addressMap ? m_addressMap->m_nElectrodes : 0;
  for (int value : values) {
    // 0 and negative numbers stand for no electrode.
    if (value <= count)
      continue;
    error.Format(
        "Line %d names electrode %d, but the address file %s has electrodes "
        "1 to %lld only.",
        fileLine, value,
        static_cast<LPCTSTR>(m_addressMap ? m_addressMap->m_strFileName
                                          : CString()),
        count);
    return FALSE;
  }
  return TRUE;
}

void CVikaChartModel::ReadDataLine(const std::vector<int>& values, int section,
                                   int lineNumber, int maxChannels) {
  size_t next = 0;
  auto take = [&](int& value) {
    if (next >= values.size())
      return false;
    value = values[next++];
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
    if (m_layout->ComparePairs(c1, c2, p1[k], p2[k]))
      m_properties.m_bReciprocalLayout = 1;
    const ChartItemSource source = {c1, c2, p1[k], p2[k], k + 1, lineNumber};
    auto owned = std::make_unique<CVikaChartItem>(
        m_layout.get(), m_addressMap.get(), source,
        static_cast<DWORD>(section) | kStateEnabled, m_properties.m_dGridX,
        m_properties.m_dGridY);
    CVikaChartItem* item = owned.get();
    AddGrowing(m_items, item);
    owned.release();
    IncludeRect(item->m_rcBox);
    IncludeInBounds(item);
    ++m_enabled[index];
  }
}

int CVikaChartModel::ReadProtocolFile(const LineSource& lines, int section,
                                      const CString& folder) {
  CString error;
  return ReadProtocolFile(lines, section, folder, error);
}

int CVikaChartModel::ReadProtocolFile(const LineSource& lines, int section,
                                      const CString& folder, CString& error) {
  GetHostServices().StepProgress();
  const int index = SectionIndex(section);
  if (index < 0)
    return -1;
  if (section == kSectionOrg) {
    if (!ReadHeader(lines, folder, error))
      return -1;
  } else {
    CString skipped;
    lines(skipped);
    lines(skipped);
  }
  if (!m_layout) {
    error = "The protocol has no array type.";
    return -1;
  }

  m_properties.m_bReciprocalLayout = 0;
  int maxChannels = 0;
  int lineCount = 0;
  int fileLine = 2;
  CString line;
  while (lines(line)) {
    ++fileLine;
    const ProtocolCommandLine parts =
        CVikaProtocolFile::SplitCommandLine(View(line));
    // Lines without a command (blank, separators or a comment alone) are
    // skipped, so nothing after them is lost on the next save.
    if (parts.words.empty())
      continue;
    const std::vector<int> values = CommandValues(parts.words);
    // An electrode beyond the layout has no place on the chart.
    if (!CheckElectrodes(values, fileLine, error))
      return -1;
    const int channels = ChannelsOf(parts.words, m_layout->GetCode());
    if (channels > maxChannels)
      maxChannels = channels < kMaxChannels ? channels : kMaxChannels;
    ++lineCount;
    ReadDataLine(values, section, lineCount, maxChannels);
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

BOOL CVikaChartModel::FailOpen(const CString& path, const CString& reason) {
  DeleteContents();
  m_strOpenError.Format("%s:\n%s", static_cast<LPCTSTR>(path),
                        static_cast<LPCTSTR>(reason));
  return FALSE;
}

BOOL CVikaChartModel::ReadSectionFile(const CString& path, int section) {
  std::vector<std::string> lines;
  // A missing section is no error: the chart has no items of it.
  if (!designtext::ReadLines(path, lines))
    return TRUE;
  CString error;
  if (ReadProtocolFile(SourceOf(lines), section, FolderPart(path), error) < 0)
    return FailOpen(path, error);
  return TRUE;
}

BOOL CVikaChartModel::LoadProtocol(const LineSource& org,
                                   const CString& path) {
  ProgressScope progress("Reading protocol:", 0, 6);
  m_strProtocolPath = path;
  m_strOpenError.Empty();
  CString error;
  if (ReadProtocolFile(org, kSectionOrg, FolderPart(path), error) < 0)
    return FailOpen(path, error);
  const CString base = FileStem(path);
  if (!ReadSectionFile(base + ".UP", kSectionUp) ||
      !ReadSectionFile(base + ".DWN", kSectionDwn))
    return FALSE;
  GenerateProtocol(path);
  Renumber(TRUE);
  ScanProtocolData();
  return TRUE;
}

BOOL CVikaChartModel::OpenProtocolFiles(const CString& path) {
  DeleteContents();
  std::vector<std::string> lines;
  if (!designtext::ReadLines(path, lines))
    return FailOpen(path, "The file cannot be read.");
  return LoadProtocol(SourceOf(lines), path);
}

std::vector<std::string> CVikaChartModel::FormatProtocolLines(int section) {
  std::vector<std::string> lines;
  if (!m_layout || !m_addressMap)
    return lines;
  lines.push_back(std::to_string(m_layout->GetCode()));
  CString names = m_addressMap->m_strFileName + "\t";
  if (!m_strGeometry.IsEmpty())
    names += m_strGeometry + ".XYZ";
  lines.emplace_back(static_cast<LPCTSTR>(names));

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
    generator.SetArrayCode(m_layout->GetCode());
    generator.SetChannels(m_nChannels);
    generator.MergeChannels(commands);
  }
  for (int i = 0; i < commands.GetSize(); ++i) {
    const CVikaCommand& command = commands[i];
    if (!command.m_bValid)
      break;
    CString text;
    text.Format("%d\t%d", command.m_nC1, command.m_nC2);
    int channels = command.m_nChannels;
    if (channels < 1)
      channels = 1;
    if (channels > kMaxChannels)
      channels = kMaxChannels;
    for (int k = 0; k < channels; ++k)
      text.AppendFormat("\t%d\t%d", command.m_nP1[k], command.m_nP2[k]);
    lines.emplace_back(static_cast<LPCTSTR>(text));
  }
  return lines;
}

CString CVikaChartModel::FormatProtocolFile(int section) {
  CString text;
  for (const std::string& line : FormatProtocolLines(section)) {
    text += line.c_str();
    text += "\r\n";
  }
  return text;
}

void CVikaChartModel::WriteProtocolFile(CArchive& ar, int section) {
  if (ar.IsLoading())
    return;
  ar.WriteString(FormatProtocolFile(section));
}

BOOL CVikaChartModel::SaveProtocolFiles(const CString& path) {
  if (!m_layout || !m_addressMap)
    return FALSE;
  if (m_properties.m_bAutoSort) {
    Sort();
    Optimize();
  }
  // The three files are one set: all of them are replaced or none.
  const CString base = FileStem(path);
  const std::vector<designtext::LineFile> files = {
      {static_cast<LPCTSTR>(path), FormatProtocolLines(kSectionOrg)},
      {static_cast<LPCTSTR>(base + ".UP"), FormatProtocolLines(kSectionUp)},
      {static_cast<LPCTSTR>(base + ".DWN"), FormatProtocolLines(kSectionDwn)},
  };
  // CR LF, as the generator and the editors write these files.
  if (!designtext::WriteLineFiles(files, "\r\n"))
    return FALSE;
  m_strProtocolPath = path;
  return TRUE;
}

void CVikaChartModel::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    // The archive's file may be a temporary one: files written beside it
    // would get its name. The three files are saved by SaveProtocolFiles.
    AfxThrowNotSupportedException();
  }
  const CString path = ar.GetFile() ? ar.GetFile()->GetFilePath() : CString();
  DeleteContents();
  const LineSource lines = [&ar](CString& line) {
    return ar.ReadString(line) != FALSE;
  };
  if (!LoadProtocol(lines, path)) {
    GetHostServices().ReportError(m_strOpenError, HostIcon::Stop);
    AfxThrowUserException();
  }
}

void CVikaChartModel::Reload(IVikaChartDocument* document) {
  if (document == NULL)
    return;
  OpenProtocolFiles(document->GetPathName());
}
