// A model that is also a visual component and keeps a list of visual parts.
#pragma once

#include "mvc/MvcModel.h"
#include "mvc/MvcVisualComponent.h"

class IMvcVirtualPart {
 public:
  virtual void AddVisualPart(MvcVisualPart* part) = 0;
  virtual void RemoveVisualPart(MvcVisualPart* part) = 0;
  virtual ~IMvcVirtualPart() = default;
};

// An outside undo manager; this system never sets one.
class IMvcUndoManager {
 public:
  virtual BOOL Undo() = 0;
  virtual BOOL Redo() = 0;
  virtual BOOL CanUndo() const = 0;
  virtual BOOL CanRedo() const = 0;
  virtual void ClearHistory() = 0;
  virtual BOOL IsModified() const = 0;
  virtual ~IMvcUndoManager() = default;
};

class IMvcUndoRedo {
 public:
  virtual BOOL Undo() = 0;
  virtual BOOL Redo() = 0;
  virtual BOOL CanUndo() const = 0;
  virtual BOOL CanRedo() const = 0;
  virtual void ClearHistory() = 0;
  virtual ~IMvcUndoRedo() = default;
};

template <class V = MvcVisualComponent>
class MvcPresentationModel_T : public MvcModel, public V, public IMvcVirtualPart, public IMvcUndoRedo {
 public:
  rw::HResult QueryInterface(const rw::Guid& iid, void** ppv) override {
    if (MvcModel::QueryInterface(iid, ppv) == rw::kOk)
      return rw::kOk;
    return V::QueryInterface(iid, ppv);
  }
  int AddRef() override { return 1; }
  int Release() override { return 1; }

  virtual IMvcUndoManager* GetUndoManager() const { return m_pUndoManager; }
  virtual void SetUndoManager(IMvcUndoManager* manager) { m_pUndoManager = manager; }
  // Hands the logical rectangle to every part, in list order.
  virtual void InvalidateRect(const CRect& rect, BOOL bErase = TRUE, BOOL bUpdateNow = FALSE) {
    for (int i = 0; i < m_parts.GetSize(); ++i)
      m_parts[i]->InvalidateRect(rect, bErase, bUpdateNow);
  }
  BOOL IsModified() const override { return m_pUndoManager ? m_pUndoManager->IsModified() : FALSE; }

  // The parts are not owned: their creator deletes them.
  void AddVisualPart(MvcVisualPart* part) override { m_parts.Add(part); }
  void RemoveVisualPart(MvcVisualPart* part) override { m_parts.RemoveValue(part); }
  int GetVisualPartCount() const { return m_parts.GetSize(); }

  BOOL Undo() override { return m_pUndoManager ? m_pUndoManager->Undo() : FALSE; }
  BOOL Redo() override { return m_pUndoManager ? m_pUndoManager->Redo() : FALSE; }
  BOOL CanUndo() const override { return m_pUndoManager ? m_pUndoManager->CanUndo() : FALSE; }
  BOOL CanRedo() const override { return m_pUndoManager ? m_pUndoManager->CanRedo() : FALSE; }
  void ClearHistory() override {
    if (m_pUndoManager)
      m_pUndoManager->ClearHistory();
  }

 protected:
  IMvcUndoManager* m_pUndoManager = nullptr;
  CCArray_T<MvcVisualPart*> m_parts;
};
