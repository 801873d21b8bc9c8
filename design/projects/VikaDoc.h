// The document of a Vika protocol project: owns a Vika model.
#pragma once

#include "framework/Framework.h"
#include "app/project/ProtocolDoc.h"

class CVikaDoc : public CProtocolDoc
{
    DECLARE_DYNCREATE(CVikaDoc)

public:
    CVikaDoc();
    ~CVikaDoc() override;

    void Serialize(CArchive& ar) override;
    BOOL OnNewDocument() override;
};
