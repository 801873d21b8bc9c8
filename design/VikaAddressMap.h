// A loaded address file: the layout header and the electrode -> selector
// relay table used by the generator and the chart.
#pragma once
#include "framework/Portable.h"

#include <map>
#include <vector>

#include "design/AddressFormat.h"

struct MapItem {
  int nAddress = 0;  // relay address of the selector
  int nCable = 0;
  int nTakeout = 0;
};

class CVikaAddressMap : public AddressHeader {
 public:
  CVikaAddressMap();
  // Reads the file; ".ADR" is appended unless the path already ends in it
  // (any case). An unreadable file leaves the electrode count 0.
  explicit CVikaAddressMap(const CString& path);
  virtual ~CVikaAddressMap();

  BOOL Lookup(int electrode, MapItem& item) const;
  // An entry with a relay address other than 0.
  BOOL HasAddress(int electrode) const;
  void GetRanges(int& minCable, int& maxCable, int& minTakeout,
                 int& maxTakeout) const;

  // Adds or replaces one entry (for maps built in memory).
  void SetAt(int electrode, const MapItem& item);
  int GetCount() const { return static_cast<int>(m_entries.size()); }
  const std::map<int, MapItem>& GetEntries() const { return m_entries; }

  CString m_strFileName;  // upper case, with ".ADR", without folder

 private:
  void Read(const CString& path);

  // Electrodes below kDenseLimit are also kept in a table by number: the
  // generator and the chart look electrodes up millions of times.
  static constexpr int kDenseLimit = 1 << 16;
  struct DenseEntry {
    bool present = false;
    MapItem item;
  };
  const MapItem* Find(int electrode) const;

  std::map<int, MapItem> m_entries;
  std::vector<DenseEntry> m_dense;
};

// The path with ".ADR" appended unless it already ends in it (any case).
CString AddressFilePath(const CString& path);
