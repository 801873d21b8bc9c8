// The text of an address file as the address editor edits it: the layout
// header, one row per entry (placeholders included) and the free comment
// kept for each line number, so a hand-written file keeps its notes.
#pragma once
#include "framework/Portable.h"

#include <map>
#include <vector>

#include "design/AddressFormat.h"

struct AddressEntry {
  unsigned nElectrode = 0;
  unsigned nAddress = 0;  // 0 = placeholder, not connected
  unsigned nCable = 0;
  unsigned nTakeout = 0;
};

class CVikaAddressFile : public AddressHeader {
 public:
  enum { HeaderLines = AddressHeader::Lines };

  // Reads the header and the entry lines; FALSE with GetErrorText() set
  // when the file cannot be opened, a header line is missing or a line
  // before the announced number of entries is not an entry. Fewer entries
  // than announced, or more, are read as they are; text after the
  // announced entries that is no entry ends the table.
  BOOL Read(const CString& path);
  // Writes the header (the count being the number of rows), the rows and
  // their comments; FALSE when the file cannot be written.
  BOOL Write(const CString& path);

  const CString& GetErrorText() const { return m_strError; }

  // Comments keyed by 1-based file line number (rows start at line 4).
  CString GetComment(int line) const;
  void SetComment(int line, const CString& comment);

  // "electrode\taddress\tcable-takeout".
  static CString FormatRow(const AddressEntry& entry);
  // Reads a row (or an entry line) up to its comment; FALSE when it holds
  // no entry. The comment, if any, goes to *comment.
  static BOOL ParseRow(const CString& row, AddressEntry& entry,
                       CString* comment = nullptr);
  // The comment of a line: from the first character that is not a digit,
  // white space or "-" to the end; empty for a line of numbers alone.
  static CString LineComment(const CString& line);

  std::vector<CString> m_rows;  // entry rows in list order
  std::map<int, CString> m_comments;

 private:
  BOOL Fail(int line, const char* what);

  CString m_strError;
};
