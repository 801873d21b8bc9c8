// The document of a Polyvect protocol project: owns a Polyvect model.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolDoc.h"

class CPolyvectDoc : public CProtocolDoc
{
    DECLARE_DYNCREATE(CPolyvectDoc)

public:
    CPolyvectDoc();
    ~CPolyvectDoc() override;

    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;
};
