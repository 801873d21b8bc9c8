// A viewport that owns a list of visual parts, draws those meeting the area
// being painted and finds the part under a point.
#pragma once

#include "mvc/MvcPartList.h"
#include "mvc/MvcViewport.h"

class MvcCompositeViewport : public MvcViewport {
 public:
  explicit MvcCompositeViewport(MvcVisualPart* parent = nullptr) : MvcViewport(parent) {}
  ~MvcCompositeViewport() override;

  virtual MvcVisualPart* FindPartAt(const CPoint& point);
  virtual void AddPart(MvcVisualPart* part) { m_parts.Add(part); }
  virtual void RemovePart(MvcVisualPart* part) { m_parts.RemoveValue(part); }
  virtual void CreateParts() {}
  virtual void DeleteAllParts() { MvcDeleteAllParts(m_parts); }
  int GetPartCount() const { return m_parts.GetSize(); }

  // On the screen the area is the window's update rectangle; on a printer
  // the printer's clip box.
  void Draw(CDC* pDC) override;
  void SetModel(MvcModel* model) override;

 protected:
  MvcPartList m_parts;
};
