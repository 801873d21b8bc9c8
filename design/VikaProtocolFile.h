// One section file of a Vika protocol (".ORG", ".UP" or ".DWN"): the array
// code, the address and geometry names, and one command per line. Comments
// after the fields are kept by line number, so hand-edited files keep them.
#pragma once
#include "framework/Portable.h"

#include <map>
#include <string_view>
#include <vector>

#include "design/VikaCommand.h"

// A command line split by the grammar: the words of the command (C1, C2 and
// the pairs) and the comment, which starts at the first character that
// cannot belong to a command.
struct ProtocolCommandLine {
  std::vector<std::string_view> words;
  std::string_view comment;
};

class CVikaProtocolFile {
 public:
  CVikaProtocolFile();

  // FALSE with GetErrorText() set when the file cannot be opened, a header
  // line is missing or a command line is not a command.
  BOOL Read(const CString& path);
  // Writes the header and the commands up to the first not-valid one.
  // With empty set, only the header is written.
  BOOL Write(const CString& path, BOOL empty = FALSE) const;

  const CString& GetErrorText() const { return m_strError; }

  CString GetComment(int line) const;
  void SetComment(int line, const CString& comment);

  // "C:\\P\\LINE1.ADR" -> "LINE1": after the last folder separator, before
  // the last ".".
  static CString AddressBaseName(const CString& path);
  // Empty and "<none>" mean no geometry file.
  static BOOL HasGeometry(const CString& geometry);
  // "C1\tC2\tP1\tP2..." for the used channels.
  static CString FormatCommand(const CVikaCommand& command);
  // Where the comment of a command line starts (the first character that
  // is not a digit, blank, comma or "-"), or -1 when it has none or it
  // would start at the last character.
  static int FindCommentStart(const CString& line);
  // Tokens separated by blanks, tabs or commas; FALSE when the text is not
  // C1, C2 and one to four potential pairs.
  static BOOL ParseCommand(const CString& text, CVikaCommand& command);

  // The grammar of a section file, one line at a time. Read and the chart's
  // reader both use it; each keeps its own policy for lines it refuses.
  //
  // Line 1: the array code up to the first tab, the rest a comment. FALSE,
  // with code untouched, when the line does not start with a number in
  // range. Older files carry an unset code as 4294967295: it reads as -1.
  static BOOL ReadArrayCodeLine(std::string_view line, int& code,
                                CString& comment);
  // Line 2: the address name cut before ".ADR", then the geometry name cut
  // before ".XYZ" when the second word carries it, then a comment (the
  // marker "//Address File" of a protocol without geometry is one).
  // Extensions match in any case: file names are not case-sensitive.
  static void ReadNamesLine(std::string_view line, CString& address,
                            CString& geometry, CString& comment);
  // Splits a command line; leading blanks are skipped.
  static ProtocolCommandLine SplitCommandLine(std::string_view line);
  // One command value: a whole decimal integer in int range.
  static BOOL ReadCommandValue(std::string_view word, int& value);
  // FALSE when the command part of the line is not C1, C2 and one to four
  // potential pairs; the comment is returned either way.
  static BOOL ReadCommandLine(std::string_view line, CVikaCommand& command,
                              CString& comment);

  int m_nArrayCode;        // -1 = unset
  CString m_strAddress;    // address file base name
  CString m_strGeometry;   // geometry base name; empty = none
  CVikaCommandArray m_commands;
  // By 1-based line of the file as written (blank lines are not kept).
  std::map<int, CString> m_comments;

 private:
  BOOL Fail(int line, const char* what);

  CString m_strError;
};
