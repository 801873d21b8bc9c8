// The document of a protocol chart: holds the chart model and opens and
// saves it through the protocol's own three files, never through an
// archive of the framework (which would truncate the ".ORG" file first).
#pragma once

#include "framework/Framework.h"
#include "chart/VikaChartModel.h"

class CVikaChartDoc : public CDocument {
  DECLARE_DYNCREATE(CVikaChartDoc)

 public:
  CVikaChartDoc();
  ~CVikaChartDoc() override;

  CVikaChartModel* GetModel() { return &m_model; }

  BOOL OnNewDocument() override;
  BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
  BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
  void Serialize(CArchive& ar) override;
  BOOL IsModified() override;
  void SetModifiedFlag(BOOL bModified = TRUE) override;
  // Reads the protocol at path; a protocol that cannot be opened is
  // reported in one message naming the file and what is wrong.
  BOOL LoadProtocol(const CString& path);

 protected:
  void OnUpdateFileSave(CCmdUI* pCmdUI);

  // What the model needs of its document.
  class Link : public IVikaChartDocument {
   public:
    explicit Link(CVikaChartDoc* pDoc) : m_pDoc(pDoc) {}
    CString GetTitle() const override { return m_pDoc->GetTitle(); }
    void SetTitle(LPCTSTR title) override { m_pDoc->SetTitle(title); }
    CString GetPathName() const override { return m_pDoc->GetPathName(); }

   private:
    CVikaChartDoc* m_pDoc;
  };

  Link m_link;
  CVikaChartModel m_model;

  DECLARE_MESSAGE_MAP()
};
