#include "framework/FlyBy.h"

namespace {

CFlyBy::Step Make(int nShow, bool bRestore, CFlyBy::Timer timer)
{
    CFlyBy::Step step;
    step.nShow = nShow;
    step.bRestore = bRestore;
    step.timer = timer;
    return step;
}

} // namespace

CFlyBy::Step CFlyBy::OnMove(int nHit)
{
    if (nHit < 0)
        nHit = 0;
    if (m_nShown != 0) {
        // Off the buttons the check decides: crossing a gap keeps the text.
        if (nHit == 0 || nHit == m_nShown)
            return Step();
        m_nShown = nHit;
        return Make(nHit, false, timerKeep);
    }
    if (nHit == m_nPending)
        return Step();
    m_nPending = nHit;
    return Make(0, false, nHit == 0 ? timerStop : timerWait);
}

CFlyBy::Step CFlyBy::OnWaitElapsed(int nHit)
{
    m_nPending = 0;
    if (nHit <= 0 || m_nShown != 0)
        return Make(0, false, m_nShown != 0 ? timerCheck : timerStop);
    m_nShown = nHit;
    return Make(nHit, false, timerCheck);
}

CFlyBy::Step CFlyBy::OnCheck(int nHit, bool bStillOurs)
{
    if (m_nShown == 0)
        return Make(0, false, m_nPending != 0 ? timerKeep : timerStop);
    if (!bStillOurs) {
        m_nShown = 0;
        return Make(0, false, timerStop);
    }
    if (nHit <= 0) {
        m_nShown = 0;
        return Make(0, true, timerStop);
    }
    if (nHit == m_nShown)
        return Step();
    m_nShown = nHit;
    return Make(nHit, false, timerKeep);
}

CFlyBy::Step CFlyBy::Stop()
{
    const bool bShown = m_nShown != 0;
    Reset();
    return Make(0, bShown, timerStop);
}
