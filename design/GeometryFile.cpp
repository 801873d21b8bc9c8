#include "framework/Portable.h"
#include "design/GeometryFile.h"

#include <algorithm>
#include <string>

#include "design/TextLines.h"

CGeometryFile::CGeometryFile() = default;

BOOL CGeometryFile::IsSetNameLine(const CString& line) {
  const auto words =
      designtext::SplitWords(static_cast<LPCTSTR>(line), " \t\r\n");
  if (words.size() > 4)
    return TRUE;
  for (std::string_view word : words)
    if (std::string_view("0123456789+-eE").find(word.front()) ==
        std::string_view::npos)
      return TRUE;
  return FALSE;
}

void CGeometryFile::Clear() {
  m_names.clear();
  m_sets.RemoveAll();
}

CoordinateSet& CGeometryFile::AddSet(const CString& name) {
  CoordinateSet* set = new CoordinateSet;
  set->SetSize(1);  // index 0: the unused zero point
  m_sets.SetAt(name, set);
  if (std::find(m_names.begin(), m_names.end(), name) == m_names.end())
    m_names.push_back(name);
  return *set;
}

CoordinateSet* CGeometryFile::GetSet(const CString& name) const {
  CoordinateSet* set = nullptr;
  return m_sets.Lookup(name, set) ? set : nullptr;
}

BOOL CGeometryFile::Fail(const CString& text) {
  m_strError = text;
  Clear();
  return FALSE;
}

BOOL CGeometryFile::Read(const CString& path) {
  m_strError.Empty();
  m_strWarning.Empty();
  Clear();
  std::vector<std::string> lines;
  if (!designtext::ReadLines(static_cast<LPCTSTR>(path), lines))
    return Fail("The geometry file could not be opened.");
  int count = 0;
  designtext::Scanner first(lines.empty() ? std::string_view() : lines[0]);
  if (!first.Int(count) || count < 1)
    return Fail("Line 1: expected the number of coordinate sets.");

  size_t next = 1;
  int found = 0;
  while (found < count && next < lines.size()) {
    const CString name(std::string(designtext::Trim(lines[next++])).c_str());
    // A second set of one name would silently replace the first one's
    // points, and saving would then lose them.
    if (GetSet(name)) {
      CString text;
      text.Format("Line %d: the coordinate set %s appears twice.",
                  static_cast<int>(next), static_cast<LPCTSTR>(name));
      return Fail(text);
    }
    CoordinateSet& set = AddSet(name);
    ++found;
    for (; next < lines.size(); ++next) {
      const CString line(lines[next].c_str());
      if (designtext::Trim(lines[next]).empty())
        continue;  // a blank line is no point
      if (IsSetNameLine(line))
        break;
      Coordinate point(line);
      set.Add(point);
    }
  }
  // Every set-name line after the last set read starts a set not read.
  int held = found;
  for (; next < lines.size(); ++next) {
    if (IsSetNameLine(lines[next].c_str()))
      ++held;
  }
  if (held < count) {
    m_strWarning.Format("The file announces %d coordinate sets but holds %d.",
                        count, held);
  } else if (held > count) {
    m_strWarning.Format(
        "The file announces %d coordinate sets but holds %d: only the first "
        "%d are read.",
        count, held, count);
  }
  return TRUE;
}

BOOL CGeometryFile::Write(const CString& path) const {
  std::vector<std::string> lines;
  lines.push_back(std::to_string(m_names.size()));
  for (const CString& name : m_names) {
    lines.emplace_back(static_cast<LPCTSTR>(name));
    const CoordinateSet* set = GetSet(name);
    if (!set)
      continue;
    for (int k = 1; k < set->GetSize(); ++k) {
      CString line;
      line.Format("%d\t%s", k,
                  static_cast<LPCTSTR>(set->GetAt(k).Format(8, 2)));
      lines.emplace_back(static_cast<LPCTSTR>(line));
    }
  }
  return designtext::WriteLines(static_cast<LPCTSTR>(path), lines);
}
