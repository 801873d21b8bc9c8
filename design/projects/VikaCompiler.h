// Runs the protocol compiler over a Vika project's protocols.
#pragma once

#include "framework/Portable.h"
#include "app/project/ProtocolCompiler.h"

class CVikaCompiler : public CProtocolCompiler
{
public:
    CVikaCompiler(CProtocolModel* pModel, CProtocolRowSource* pRows);
    ~CVikaCompiler() override;
};
