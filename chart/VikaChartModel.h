// The presentation model of one protocol chart: the measurements of the
// ".ORG", ".UP" and ".DWN" files as chart items, the takeouts of the three
// roll-along positions, counts, extents and the chart settings, and the
// operations that order, check and complete the protocol.
#pragma once
#include "framework/Portable.h"

#include "chart/ChartProperties.h"
#include "chart/VikaCableItem.h"
#include "chart/VikaChartItem.h"
#include "mvc/MvcPresentationModel.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartSamePlaceSearch.h"
#include "design/ElectrodeLayout.h"
#include "design/VikaAddressMap.h"

class CArchive;
class CFile;

// What the model needs of the document that owns it: the title that
// carries the modified marker, and the path that Reload reads again.
class IVikaChartDocument {
 public:
  virtual ~IVikaChartDocument() = default;
  virtual CString GetTitle() const = 0;
  virtual void SetTitle(LPCTSTR title) = 0;
  virtual CString GetPathName() const = 0;
};

class CVikaChartModel : public CObject,
                        public MvcPresentationModel_T<MvcVisualComponent> {
  DECLARE_DYNAMIC(CVikaChartModel)

 public:
  // Reads the next line without its line end; false at the end.
  using LineSource = std::function<bool(CString&)>;

  CVikaChartModel();
  ~CVikaChartModel() override;
  CVikaChartModel(const CVikaChartModel&) = delete;
  CVikaChartModel& operator=(const CVikaChartModel&) = delete;

  // Loading reads the three files, adds the missing measurements, numbers
  // them and marks the takeouts in use; a protocol whose array code has no
  // layout is refused with a silent user exception (the message has been
  // shown). Storing is refused (not supported): the three files are one
  // set, saved by SaveProtocolFiles under the real path, never beside the
  // archive's file, which on a framework save is a temporary one.
  void Serialize(CArchive& ar) override;
  virtual void SetModified(BOOL bModified);
  virtual void IncludeInBounds(CVikaChartItem* item);
  virtual int RecalcExtents();
  virtual CVikaChartItemArray& GetItems() { return m_items; }
  virtual int GetCount(int i) const;
  // Links the items at the same place; returns the number of pairs.
  virtual int Validate();
  // Enables exactly the takeouts that some item uses.
  virtual void ScanProtocolData();
  // Adds, as disabled items, the measurements that the generator makes for
  // the address map and the chart lacks.
  virtual void GenerateProtocol(const CString& path);
  virtual void IncludeRect(const RECT& rc);

  BOOL IsModified() const override { return m_bModified; }
  void Draw(CDC*) override {}

  // Opens the ".ORG" file at path and the two beside it, as loading does;
  // FALSE, with the model empty and GetOpenError() telling why, when a
  // file cannot be read, its header names no known array code or no
  // readable address file, or a command names an electrode the address
  // file does not have.
  BOOL OpenProtocolFiles(const CString& path);
  // Why the last open failed: the file and what is wrong with it; empty
  // after an open that succeeded.
  const CString& GetOpenError() const { return m_strOpenError; }
  // Writes the three files as one set: each is written under a temporary
  // name, then all three replace the old ones together. FALSE, with the old
  // files left as they were, when anything fails or the chart has no
  // layout.
  BOOL SaveProtocolFiles(const CString& path);

  // The number of command lines read, or -1 with the reason in error.
  int ReadProtocolFile(CArchive& ar, int section);
  int ReadProtocolFile(const LineSource& lines, int section,
                       const CString& folder);
  int ReadProtocolFile(const LineSource& lines, int section,
                       const CString& folder, CString& error);
  void WriteProtocolFile(CArchive& ar, int section);
  // The text of one section file, as WriteProtocolFile writes it, and its
  // lines.
  CString FormatProtocolFile(int section);
  std::vector<std::string> FormatProtocolLines(int section);
  static int CountChannels(const CString& line, int arrayCode);
  static CString GetFileFolder(CFile* file);
  void BuildCables();
  void UpdateCounts();
  void Reload(IVikaChartDocument* document);
  void SetVirtualSize(int cx, int cy) {
    m_sizeVirtual.cx = cx;
    m_sizeVirtual.cy = cy;
  }
  SIZE GetVirtualSize() const { return m_sizeVirtual; }

  // Ordering and checks.
  void Sort(const SortSpec* spec = NULL);
  static BOOL GetDefaultSortSpec(int arrayCode, SortSpec& spec);
  void Renumber(BOOL bEnabledFirst);
  void Optimize();
  int CountItemsWithDuplicates() const;
  void RemoveDuplicates();
  void ApplyTakeoutStates();

  // The same-place searches of Validate and GenerateProtocol compare every
  // item with every other when set; the default visits only the items in
  // neighbouring cells of a grid and gives the same result.
  void SetPlainScan(BOOL bPlain) { m_bPlainScan = bPlain; }

  void SetDocument(IVikaChartDocument* document) { m_pDocument = document; }
  ChartProperties& GetProperties() { return m_properties; }
  ElectrodeLayout* GetLayout() const { return m_layout.get(); }
  CVikaAddressMap* GetAddressMap() const { return m_addressMap.get(); }
  CVikaCableItemArray& GetTakeouts() { return m_takeouts; }
  const CString& GetProtocolPath() const { return m_strProtocolPath; }
  const CString& GetAddressFile() const { return m_strAddressFile; }
  const CString& GetGeometry() const { return m_strGeometry; }
  int GetChannels() const { return m_nChannels; }
  const RECT& GetExtent() const { return m_rcExtent; }
  void GetBounds(double& minX, double& maxX, double& minDepth,
                 double& maxDepth) const {
    minX = m_dMinX;
    maxX = m_dMaxX;
    minDepth = m_dMinDepth;
    maxDepth = m_dMaxDepth;
  }

  // Empties the model back to its constructed state (the properties stay).
  void DeleteContents();
  // Takes the layout and the address map of a chart built in memory, and
  // builds its takeouts.
  void Attach(std::unique_ptr<ElectrodeLayout> layout,
              std::unique_ptr<CVikaAddressMap> addressMap);
  // Appends an item on the model's layout, map and grid, and counts it.
  CVikaChartItem* AddItem(const ChartItemSource& source, DWORD state);

 private:
  void ResetBounds();
  BOOL LoadProtocol(const LineSource& org, const CString& path);
  BOOL ReadSectionFile(const CString& path, int section);
  // FALSE with the reason in error.
  BOOL ReadHeader(const LineSource& lines, const CString& folder,
                  CString& error);
  BOOL CheckElectrodes(const std::vector<int>& values, int fileLine,
                       CString& error) const;
  void ReadDataLine(const std::vector<int>& values, int section,
                    int lineNumber, int maxChannels);
  // The file's reading failed: the model is emptied and the reason kept.
  BOOL FailOpen(const CString& path, const CString& reason);
  void CountItem(const CVikaChartItem* item);
  void ClearCounts();
  // The item at the same place as item (or equal to it), searching from
  // start round the array; -1 when there is none.
  int FindSamePlace(const CVikaChartItem* item, int start) const;
  int ValidatePlain();
  int ValidateIndexed();

  IVikaChartDocument* m_pDocument;
  double m_dMinX;
  double m_dMaxX;
  double m_dMinDepth;
  double m_dMaxDepth;
  ChartProperties m_properties;
  BOOL m_bModified;
  int m_nChannels;
  // By section ORG, UP, DWN: the enabled items and all items.
  int m_enabled[3];
  int m_total[3];
  CString m_strProtocolPath;
  CString m_strOpenError;
  RECT m_rcExtent;
  CString m_strAddressFile;
  CString m_strGeometry;
  std::unique_ptr<ElectrodeLayout> m_layout;
  std::unique_ptr<CVikaAddressMap> m_addressMap;
  CVikaChartItemArray m_items;
  CVikaCableItemArray m_takeouts;
  SIZE m_sizeVirtual;

  BOOL m_bPlainScan;
  std::unique_ptr<ChartSamePlaceSearch> m_search;  // while GenerateProtocol runs
};
