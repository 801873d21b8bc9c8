// A geometry file (".XYZ"): named sets of electrode coordinates, in list
// order, read from and written to text.
#pragma once
#include "framework/Portable.h"

#include <vector>

#include "design/CoordinateSet.h"

class CGeometryFile {
 public:
  CGeometryFile();

  // Replaces the sets by those of the file; FALSE with GetErrorText() set
  // (and nothing loaded) when the file cannot be opened, its set count is
  // missing or a set name repeats. Files edited by hand may hold more or
  // fewer sets than they announce: the count bounds the sets read, the end
  // of the file ends the last set, and GetWarningText() tells the user.
  BOOL Read(const CString& path);
  // Writes every set of the list; FALSE when the file cannot be written.
  BOOL Write(const CString& path) const;

  const CString& GetErrorText() const { return m_strError; }
  // Empty unless the last Read found the set count and the sets disagree.
  const CString& GetWarningText() const { return m_strWarning; }

  // Adds a new empty set (or empties the one under the name) at the end of
  // the list and returns it.
  CoordinateSet& AddSet(const CString& name);
  CoordinateSet* GetSet(const CString& name) const;
  void Clear();

  // Whether a line of the file names a set rather than giving a point.
  static BOOL IsSetNameLine(const CString& line);

  std::vector<CString> m_names;  // list order
  CoordinateSetMap m_sets;

 private:
  BOOL Fail(const CString& text);

  CString m_strError;
  CString m_strWarning;
};
