#include "framework/Portable.h"
#include "design/projects/PolyvectCompiler.h"
#include "design/projects/PolyvectProtocolText.h"

CPolyvectCompiler::CPolyvectCompiler(CProtocolModel* pModel, CProtocolRowSource* pRows)
    : CProtocolCompiler(pModel, pRows, kPolyvectExtension)
{
}

CPolyvectCompiler::~CPolyvectCompiler() = default;
