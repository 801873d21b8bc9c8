#include "framework/Portable.h"
#include "design/projects/VikaCompiler.h"
#include "design/projects/VikaProtocolInfo.h"

CVikaCompiler::CVikaCompiler(CProtocolModel* pModel, CProtocolRowSource* pRows)
    : CProtocolCompiler(pModel, pRows, g_strVikaExtensions[VikaOrg])
{
}

CVikaCompiler::~CVikaCompiler() = default;
