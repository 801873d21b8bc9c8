#include "framework/ProgressThrottle.h"

void ProgressThrottle::Begin(int nLower, int nStep, DWORD dwNow)
{
    m_nPos = nLower;
    m_nStep = nStep;
    m_dwShown = dwNow;
}

BOOL ProgressThrottle::Step(DWORD dwNow)
{
    m_nPos += m_nStep;
    return Due(dwNow);
}

BOOL ProgressThrottle::SetPos(int nPos, DWORD dwNow)
{
    m_nPos = nPos;
    return Due(dwNow);
}

BOOL ProgressThrottle::Due(DWORD dwNow)
{
    // Unsigned difference: right across the tick count's wrap.
    if (dwNow - m_dwShown < m_dwInterval)
        return FALSE;
    m_dwShown = dwNow;
    return TRUE;
}
