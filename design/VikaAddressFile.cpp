#include "framework/Portable.h"
#include "design/VikaAddressFile.h"

#include <climits>
#include <string>

#include "design/TextLines.h"

CString CVikaAddressFile::LineComment(const CString& line) {
  const std::string_view text = static_cast<LPCTSTR>(line);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c >= '0' && c <= '9') || c == '-' || c == ' ' || c == '\t' ||
        c == '\r' || c == '\n')
      continue;
    return CString(std::string(text.substr(i)).c_str());
  }
  return CString();
}

CString CVikaAddressFile::FormatRow(const AddressEntry& entry) {
  CString row;
  row.Format("%u\t%u\t%u-%u", entry.nElectrode, entry.nAddress, entry.nCable,
             entry.nTakeout);
  return row;
}

BOOL CVikaAddressFile::ParseRow(const CString& row, AddressEntry& entry,
                                CString* comment) {
  // The editor takes unsigned values only.
  AddressRow read;
  if (!ReadAddressRow(static_cast<LPCTSTR>(row), read) ||
      !read.Within(0, UINT_MAX))
    return FALSE;
  entry.nElectrode = static_cast<unsigned>(read.electrode);
  entry.nAddress = static_cast<unsigned>(read.address);
  entry.nCable = static_cast<unsigned>(read.cable);
  entry.nTakeout = static_cast<unsigned>(read.takeout);
  if (comment)
    *comment = LineComment(row);
  return TRUE;
}

CString CVikaAddressFile::GetComment(int line) const {
  auto it = m_comments.find(line);
  return it == m_comments.end() ? CString() : it->second;
}

void CVikaAddressFile::SetComment(int line, const CString& comment) {
  if (comment.IsEmpty())
    m_comments.erase(line);
  else
    m_comments[line] = comment;
}

BOOL CVikaAddressFile::Fail(int line, const char* what) {
  if (line > 0)
    m_strError.Format("Line %d: %s", line, what);
  else
    m_strError = what;
  return FALSE;
}

BOOL CVikaAddressFile::Read(const CString& path) {
  m_strError.Empty();
  std::vector<std::string> lines;
  if (!designtext::ReadLines(static_cast<LPCTSTR>(path), lines))
    return Fail(0, "The address file could not be opened.");
  if (lines.size() < HeaderLines)
    return Fail(static_cast<int>(lines.size()) + 1,
                "the address file header is incomplete.");

  AddressHeader header;
  if (!header.ReadLine(1, lines[0]))
    return Fail(1, "expected the number of cables and takeouts.");
  if (!header.ReadLine(2, lines[1]))
    return Fail(2, "expected the spacing factor, X-move and Y-move.");
  if (!header.ReadLine(3, lines[2]))
    return Fail(3, "expected the number of electrodes.");
  const UINT count = header.m_nElectrodes;

  std::vector<CString> rows;
  std::map<int, CString> comments;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int lineNumber = static_cast<int>(i) + 1;
    const CString line(lines[i].c_str());
    if (i >= HeaderLines) {
      AddressEntry entry;
      if (!ParseRow(line, entry)) {
        // Text after the announced entries is not part of the table.
        if (rows.size() >= count)
          break;
        if (designtext::Trim(lines[i]).empty() && i + 1 == lines.size())
          break;  // a blank last line
        return Fail(lineNumber,
                    "expected electrode, relay address and cable-takeout.");
      }
      rows.push_back(FormatRow(entry));
    }
    CString comment = LineComment(line);
    if (!comment.IsEmpty())
      comments[lineNumber] = comment;
  }

  static_cast<AddressHeader&>(*this) = header;
  m_rows = std::move(rows);
  m_comments = std::move(comments);
  return TRUE;
}

BOOL CVikaAddressFile::Write(const CString& path) {
  m_strError.Empty();
  std::vector<std::string> lines;
  CString line;
  line.Format("%u\t%u\t%s", m_nCables, m_nTakeouts,
              static_cast<LPCTSTR>(GetComment(1)));
  lines.emplace_back(static_cast<LPCTSTR>(line));
  line.Format("%u\t%u\t%u\t%s", m_nFactor, m_bYRoll ? 0u : m_nXMove,
              m_bYRoll ? m_nYMove : 0u, static_cast<LPCTSTR>(GetComment(2)));
  lines.emplace_back(static_cast<LPCTSTR>(line));
  // The count follows the rows actually written, so a file saved after a
  // row was deleted reads back consistently.
  m_nElectrodes = static_cast<UINT>(m_rows.size());
  line.Format("%u\t%s", m_nElectrodes, static_cast<LPCTSTR>(GetComment(3)));
  lines.emplace_back(static_cast<LPCTSTR>(line));
  for (size_t i = 0; i < m_rows.size(); ++i) {
    const int lineNumber = HeaderLines + 1 + static_cast<int>(i);
    line.Format("%s\t%s", static_cast<LPCTSTR>(m_rows[i]),
                static_cast<LPCTSTR>(GetComment(lineNumber)));
    lines.emplace_back(static_cast<LPCTSTR>(line));
  }
  if (!designtext::WriteLines(static_cast<LPCTSTR>(path), lines))
    return Fail(0, "The address file could not be written.");
  return TRUE;
}
