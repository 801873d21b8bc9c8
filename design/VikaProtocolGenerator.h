// Builds the command lists of a Vika protocol: every command one layout can
// make on the cables of an address map within ranges of spacing a and level
// n, less skipped and redundant ones, optionally merged into multi-channel
// commands, and writes the section file.
#pragma once
#include "framework/Portable.h"

#include "design/VikaCommand.h"

#include <functional>

class CVikaAddressMap;
class CVikaProtocolSkipList;
class ElectrodeLayout;

class CVikaProtocolGenerator {
 public:
  enum Section { SectionOrg = 0, SectionUp = 1, SectionDown = 2 };
  enum { WriteFailed = -1, Cancelled = -2 };

  CVikaProtocolGenerator();
  virtual ~CVikaProtocolGenerator();

  // Empties out and generates one section. Returns the number of commands,
  // 0 for an invalid address map or an unknown section, and WriteFailed
  // when the section file could not be written.
  virtual int Generate(CVikaCommandArray& out, const CVikaAddressMap& map,
                       const CVikaAddressMap* redundancy,
                       ElectrodeLayout& layout, int section);
  virtual int GenerateOrg(CVikaCommandArray& out, ElectrodeLayout& layout,
                          const CVikaAddressMap& map,
                          const CVikaAddressMap* redundancy);
  virtual int GenerateUp(CVikaCommandArray& out, ElectrodeLayout& layout,
                         const CVikaAddressMap& map,
                         const CVikaAddressMap* redundancy);
  virtual int GenerateDown(CVikaCommandArray& out, ElectrodeLayout& layout,
                           const CVikaAddressMap& map,
                           const CVikaAddressMap* redundancy);
  // Whether some electrode of the command has no address once the spread
  // has rolled by the map's X-move (+1 forward, -1 backward).
  virtual BOOL IsOutsideAfterShift(const CVikaCommand& command,
                                   const CVikaAddressMap& map,
                                   int direction) const;
  // Whether every electrode of the command is also wired in the redundancy
  // map (at the same cable and takeout, cables centred), so it is left out.
  virtual BOOL IsCoveredByRedundancy(const CVikaCommand& command,
                                     const CVikaAddressMap& map,
                                     const CVikaAddressMap* redundancy) const;
  // Joins one-channel commands with the same C1 and C2 into commands of the
  // generator's channel count; the merged count, 0 when nothing merged.
  virtual int MergeChannels(CVikaCommandArray& commands) const;

  virtual void SetSilent(BOOL silent) { m_bSilent = silent; }
  virtual void SetReverse(BOOL reverse) { m_bReverse = reverse; }
  virtual void SetPoleMerge(BOOL merge) { m_bPoleMerge = merge; }
  virtual void SetWriteFiles(BOOL write) { m_bWriteFiles = write; }
  virtual void SetArrayCode(int code) { m_nArrayCode = code; }
  virtual void SetSpacingRange(int lo, int hi);
  virtual void SetLevelRange(int lo, int hi);
  virtual void SetName(const CString& name) { m_strName = name; }
  virtual void SetFolder(const CString& folder) { m_strFolder = folder; }
  virtual void SetExtraText(const CString& text) { m_strExtraText = text; }
  virtual void SetGeometryName(const CString& name) { m_strGeometry = name; }
  virtual void SetAddressPath(const CString& path) { m_strAddressPath = path; }
  virtual void SetChannels(int channels) { m_nChannels = channels; }
  virtual void SetSkipList(CVikaProtocolSkipList* list) { m_pSkipList = list; }
  // Asked now and then while a section is generated; when it answers true
  // the section stops, writes nothing and Generate returns Cancelled.
  void SetCancelCheck(std::function<bool()> check) { m_cancel = std::move(check); }

  // Writes folder + name + extension; FALSE (after the error message) when
  // the file cannot be written.
  BOOL WriteProtocolFile(const CVikaCommandArray& commands,
                         const CString& extension, BOOL empty) const;

  CVikaProtocolSkipList* m_pSkipList;
  int m_nMinSpacing;
  int m_nMaxSpacing;
  int m_nMinLevel;
  int m_nMaxLevel;
  int m_nArrayCode;
  int m_nChannels;
  BOOL m_bPoleMerge;
  BOOL m_bReverse;
  BOOL m_bSilent;
  BOOL m_bWriteFiles;
  CString m_strName;
  CString m_strFolder;
  CString m_strExtraText;
  CString m_strGeometry;
  CString m_strAddressPath;

 private:
  std::function<bool()> m_cancel;

  int RunSection(CVikaCommandArray& out, ElectrodeLayout& layout,
                 const CVikaAddressMap& map, const CVikaAddressMap* redundancy,
                 int section);
};
