#include "framework/Portable.h"
#include "design/VikaProtocolFile.h"

#include <climits>
#include <string>
#include <vector>

#include "framework/PathNames.h"
#include "design/TextLines.h"

using designtext::Scanner;

namespace {
const char kAddressExtension[] = ".ADR";
const char kGeometryExtension[] = ".XYZ";
const char kNoGeometryMarker[] = "//Address File";
const char kCommandCharacters[] = "0123456789-, \t";
const char kCommandSeparators[] = " \t,";

std::string_view View(const CString& text) { return static_cast<LPCTSTR>(text); }
CString ToCString(std::string_view text) {
  return CString(std::string(text).c_str());
}
}  // namespace

CVikaProtocolFile::CVikaProtocolFile() : m_nArrayCode(-1) {}

CString CVikaProtocolFile::GetComment(int line) const {
  auto it = m_comments.find(line);
  return it == m_comments.end() ? CString() : it->second;
}

void CVikaProtocolFile::SetComment(int line, const CString& comment) {
  if (comment.IsEmpty())
    m_comments.erase(line);
  else
    m_comments[line] = comment;
}

CString CVikaProtocolFile::AddressBaseName(const CString& path) {
  return FileStem(FileNamePart(path));
}

BOOL CVikaProtocolFile::HasGeometry(const CString& geometry) {
  return !geometry.IsEmpty() && geometry != "<none>";
}

CString CVikaProtocolFile::FormatCommand(const CVikaCommand& command) {
  CString text;
  text.Format("%d\t%d", command.m_nC1, command.m_nC2);
  int channels = command.m_nChannels;
  if (channels > CVikaCommand::MaxChannels)
    channels = CVikaCommand::MaxChannels;
  for (int k = 0; k < channels; ++k)
    text.AppendFormat("\t%d\t%d", command.m_nP1[k], command.m_nP2[k]);
  return text;
}

int CVikaProtocolFile::FindCommentStart(const CString& line) {
  const std::string_view text = View(line);
  if (text.empty())
    return -1;
  size_t i = 0;
  while (i + 1 < text.size() &&
         (text[i] == ' ' || text[i] == '\t' || text[i] == '-' || text[i] == ',' ||
          (text[i] >= '0' && text[i] <= '9')))
    ++i;
  return i + 1 == text.size() ? -1 : static_cast<int>(i);
}

BOOL CVikaProtocolFile::ReadCommandValue(std::string_view word, int& value) {
  Scanner scanner(word);
  int parsed = 0;
  if (!scanner.Int(parsed) || !scanner.AtEnd())
    return FALSE;
  value = parsed;
  return TRUE;
}

// C1, C2 and one to four potential pairs, each word a command value.
static BOOL CommandFromWords(const std::vector<std::string_view>& words,
                             CVikaCommand& command) {
  const size_t count = words.size();
  if (count < 4 || count % 2 != 0 || count > 2 + 2 * CVikaCommand::MaxChannels)
    return FALSE;
  int values[2 + 2 * CVikaCommand::MaxChannels] = {};
  for (size_t i = 0; i < count; ++i) {
    if (!CVikaProtocolFile::ReadCommandValue(words[i], values[i]))
      return FALSE;
  }
  const int channels = static_cast<int>(count - 2) / 2;
  int p1[CVikaCommand::MaxChannels] = {}, p2[CVikaCommand::MaxChannels] = {};
  for (int k = 0; k < channels; ++k) {
    p1[k] = values[2 + 2 * k];
    p2[k] = values[3 + 2 * k];
  }
  command = CVikaCommand(values[0], values[1], p1, p2, channels);
  return TRUE;
}

BOOL CVikaProtocolFile::ParseCommand(const CString& text,
                                     CVikaCommand& command) {
  return CommandFromWords(designtext::SplitWords(View(text), kCommandSeparators),
                          command);
}

BOOL CVikaProtocolFile::ReadArrayCodeLine(std::string_view line, int& code,
                                          CString& comment) {
  line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
  comment.Empty();
  const size_t tab = line.find('\t');
  if (tab != std::string_view::npos) {
    comment = ToCString(line.substr(tab + 1));
    line = line.substr(0, tab);
  }
  long long wide = 0;
  Scanner scanner(line);
  if (!scanner.Long(wide) || wide < INT_MIN || wide > UINT_MAX)
    return FALSE;
  code = static_cast<int>(static_cast<unsigned>(wide));
  return TRUE;
}

void CVikaProtocolFile::ReadNamesLine(std::string_view line, CString& address,
                                      CString& geometry, CString& comment) {
  line = designtext::Trim(line);
  const size_t split = line.find_first_of(" \t");
  std::string_view first = line.substr(0, split);
  std::string_view rest = split == std::string_view::npos
                              ? std::string_view()
                              : line.substr(split + 1);
  const size_t adr = designtext::FindNoCase(first, kAddressExtension);
  if (adr != std::string_view::npos)
    first = first.substr(0, adr);
  rest.remove_prefix(std::min(rest.find_first_not_of(" \t"), rest.size()));
  std::string_view second;
  const size_t secondEnd = rest.find_first_of(" \t");
  const std::string_view word = rest.substr(0, secondEnd);
  const size_t xyz = designtext::FindNoCase(word, kGeometryExtension);
  if (xyz != std::string_view::npos) {
    second = word.substr(0, xyz);
    rest = secondEnd == std::string_view::npos ? std::string_view()
                                               : rest.substr(secondEnd + 1);
  }
  address = ToCString(first);
  geometry = ToCString(second);
  comment = ToCString(rest);
}

ProtocolCommandLine CVikaProtocolFile::SplitCommandLine(std::string_view line) {
  line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
  ProtocolCommandLine parts;
  // Everything from the first character that cannot belong to a command
  // is the comment, even a single last character, so that every comment
  // written back reads back the same.
  const size_t commentStart = line.find_first_not_of(kCommandCharacters);
  if (commentStart != std::string_view::npos) {
    parts.comment = line.substr(commentStart);
    line = line.substr(0, commentStart);
  }
  parts.words = designtext::SplitWords(line, kCommandSeparators);
  return parts;
}

BOOL CVikaProtocolFile::ReadCommandLine(std::string_view line,
                                        CVikaCommand& command,
                                        CString& comment) {
  const ProtocolCommandLine parts = SplitCommandLine(line);
  comment = ToCString(parts.comment);
  return CommandFromWords(parts.words, command);
}

BOOL CVikaProtocolFile::Fail(int line, const char* what) {
  if (line > 0)
    m_strError.Format("Line %d: %s", line, what);
  else
    m_strError = what;
  return FALSE;
}

BOOL CVikaProtocolFile::Read(const CString& path) {
  m_strError.Empty();
  std::vector<std::string> lines;
  if (!designtext::ReadLines(static_cast<LPCTSTR>(path), lines))
    return Fail(0, "The protocol file could not be opened.");
  if (lines.size() < 2)
    return Fail(static_cast<int>(lines.size()) + 1,
                "the protocol file header is incomplete.");

  std::map<int, CString> comments;
  int code = 0;
  CString comment;
  if (!ReadArrayCodeLine(lines[0], code, comment))
    return Fail(1, "expected the array code.");
  if (!comment.IsEmpty())
    comments[1] = comment;

  CString address, geometry;
  ReadNamesLine(lines[1], address, geometry, comment);
  if (!comment.IsEmpty())
    comments[2] = comment;

  CVikaCommandArray commands;
  for (size_t i = 2; i < lines.size(); ++i) {
    if (designtext::Trim(lines[i]).empty())
      continue;
    CVikaCommand command;
    const BOOL read = ReadCommandLine(lines[i], command, comment);
    // Kept under the line the command is written on: blank lines are not
    // written back, and the comment must stay with its command.
    if (!comment.IsEmpty())
      comments[3 + static_cast<int>(commands.GetSize())] = comment;
    if (!read)
      return Fail(static_cast<int>(i) + 1,
                  "expected C1, C2 and one to four pairs of P1 and P2.");
    commands.Add(command);
  }

  m_nArrayCode = code;
  m_strAddress = address;
  m_strGeometry = geometry;
  m_commands.RemoveAll();
  m_commands.Append(commands);
  m_comments = std::move(comments);
  return TRUE;
}

BOOL CVikaProtocolFile::Write(const CString& path, BOOL empty) const {
  std::vector<std::string> lines;
  CString line;
  // A signed code: an unset code is written as -1.
  line.Format("%d", m_nArrayCode);
  if (!GetComment(1).IsEmpty())
    line += "\t" + GetComment(1);
  lines.emplace_back(static_cast<LPCTSTR>(line));

  const CString comment2 = GetComment(2);
  if (HasGeometry(m_strGeometry)) {
    line.Format("%s\t%s%s", static_cast<LPCTSTR>(m_strAddress),
                static_cast<LPCTSTR>(m_strGeometry), kGeometryExtension);
    if (!comment2.IsEmpty())
      line += "\t" + comment2;
  } else {
    line.Format("%s\t%s", static_cast<LPCTSTR>(m_strAddress),
                comment2.IsEmpty() ? kNoGeometryMarker
                                   : static_cast<LPCTSTR>(comment2));
  }
  lines.emplace_back(static_cast<LPCTSTR>(line));

  if (!empty) {
    for (int i = 0; i < m_commands.GetSize(); ++i) {
      const CVikaCommand& command = m_commands[i];
      if (!command.m_bValid)
        break;
      line = FormatCommand(command);
      const CString comment = GetComment(static_cast<int>(lines.size()) + 1);
      if (!comment.IsEmpty())
        line += "\t" + comment;
      lines.emplace_back(static_cast<LPCTSTR>(line));
    }
  }
  return designtext::WriteLines(static_cast<LPCTSTR>(path), lines);
}
