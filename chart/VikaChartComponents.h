// The visual parts of the chart, one per model object: a cable takeout, a
// measurement marker and an electrode marker. Each observes its subject
// and repaints its box when the subject changes while it is visible. The
// viewport's part list owns them.
#pragma once

#include "framework/Framework.h"
#include "mvc/MvcVisualComponent.h"

class CVikaCableItem;
class CVikaChartItem;
class CVikaElectrodeItem;

// An electrode marker's label band, above the cable rows (the first of
// which starts 23 units down).
constexpr int kElectrodeMarkerTop = 8;
constexpr int kElectrodeLabelHeight = 12;

// The observer side shared by the three parts.
class CVikaChartPartBase : public MvcVisualPart, public rw::IObserver {
 public:
  CVikaChartPartBase() = default;
  ~CVikaChartPartBase() override;

  rw::HResult QueryInterface(const rw::Guid& iid, void** ppv) override;
  int AddRef() override { return 1; }
  int Release() override { return 1; }
  void OnUpdate(rw::ISubject* pSubject, rw::Hint hint) override;
  void OnSubjectDestroyed(rw::ISubject* pSubject) override;

  // Places the part on its subject's box.
  void PlaceOn(const RECT& box);

 protected:
  void Observe(rw::ISubject* pOld, rw::ISubject* pNew);
  rw::ISubject* m_pObserved = nullptr;
};

class CVikaCableComponent : public CVikaChartPartBase {
 public:
  void SetSubject(CVikaCableItem* pItem);
  CVikaCableItem* GetSubject() const { return m_pSubject; }
  void Draw(CDC* pDC) override;
  virtual BOOL IsEnabled() const;
  // Takeouts per cable: the first and the last get an end bar.
  void SetCableLength(int nTakeouts) { m_nCableLength = nTakeouts; }
  void OnSubjectDestroyed(rw::ISubject* pSubject) override;

 private:
  CVikaCableItem* m_pSubject = nullptr;
  int m_nCableLength = 0;
};

class CVikaChartComponent : public CVikaChartPartBase {
 public:
  void SetSubject(CVikaChartItem* pItem);
  CVikaChartItem* GetSubject() const { return m_pSubject; }
  void Draw(CDC* pDC) override { DrawMarker(pDC); }
  virtual void DrawMarker(CDC* pDC);
  virtual void ToggleEnabled();
  void OnSubjectDestroyed(rw::ISubject* pSubject) override;

 private:
  CVikaChartItem* m_pSubject = nullptr;
};

class CVikaElectrodeComponent : public CVikaChartPartBase {
 public:
  void SetSubject(CVikaElectrodeItem* pItem);
  CVikaElectrodeItem* GetSubject() const { return m_pSubject; }
  void Draw(CDC* pDC) override;
  void OnSubjectDestroyed(rw::ISubject* pSubject) override;

 private:
  CVikaElectrodeItem* m_pSubject = nullptr;
};

// The chart's fonts: the label font of markers and print, and the bold
// font of the index text.
void CreateChartLabelFont(CFont& font);
void CreateChartIndexFont(CFont& font);
