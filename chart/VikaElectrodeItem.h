// A labelled marker pointing at one electrode of the item under the mouse.
#pragma once
#include "framework/Portable.h"

#include "mvc/MvcModel.h"

class CVikaElectrodeItem : public CObject, public MvcModel {
  DECLARE_SERIAL(CVikaElectrodeItem)

 public:
  CVikaElectrodeItem();
  CVikaElectrodeItem(LPCTSTR label, const RECT& box, int index);

  virtual void SetLabel(LPCTSTR label) { m_strLabel = label; }
  virtual CString& GetLabel() { return m_strLabel; }
  virtual void SetRect(const RECT& box) { m_rcBox = box; }
  // The show flag: the marker is drawn while it is not 0.
  virtual void SetIndex(int index) { m_nIndex = index; }
  virtual int GetIndex() const { return m_nIndex; }

  RECT m_rcBox;
  CString m_strLabel;
  int m_nIndex;
};
