// Which moves of a long loop's progress reach the screen. A loop may step
// once per item, a hundred thousand times, while each repaint of the bar
// under Wine is a round trip to the X server; the display follows the
// position at most once an interval (20 times a second by default).
#pragma once
#include "framework/Portable.h"

class ProgressThrottle
{
public:
    static constexpr DWORD kIntervalMs = 50;

    explicit ProgressThrottle(DWORD dwIntervalMs = kIntervalMs) : m_dwInterval(dwIntervalMs) {}

    // The display shows nLower from now.
    void Begin(int nLower, int nStep, DWORD dwNow);
    // Moves the position; TRUE when the display should show it now.
    BOOL Step(DWORD dwNow);
    BOOL SetPos(int nPos, DWORD dwNow);
    int GetPos() const { return m_nPos; }

private:
    BOOL Due(DWORD dwNow);

    DWORD m_dwInterval;
    DWORD m_dwShown = 0;
    int m_nPos = 0;
    int m_nStep = 1;
};
