// Runs the protocol compiler over a Polyvect project's protocols.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolCompiler.h"

class CPolyvectCompiler : public CProtocolCompiler
{
public:
    CPolyvectCompiler(CProtocolModel* pModel, CProtocolRowSource* pRows);
    ~CPolyvectCompiler() override;
};
