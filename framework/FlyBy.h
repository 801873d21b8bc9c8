// The fly-by status text of a control bar, apart from the window: which
// prompt the frame's status line shows while the mouse rests over the bar's
// buttons, and when the idle text comes back. The bar hands it the command
// id under the mouse (0 or less for none) and carries out each step: it
// sends the prompt or the idle text and runs the timer the step names.
//
// The first prompt waits until the mouse has rested a moment; after that a
// move to another button changes it at once. A slow check notices that the
// mouse left (no move reaches the bar then), and gives up quietly when the
// status line has been given another text meanwhile (a pressed button, a
// menu).
#pragma once

class CFlyBy
{
public:
    enum Timer { timerKeep, timerStop, timerWait, timerCheck };
    struct Step
    {
        int nShow = 0;            // the id whose prompt to show; 0 for none
        bool bRestore = false;    // the idle text comes back
        Timer timer = timerKeep;
    };

    static constexpr unsigned kWaitDelay = 300;    // ms at rest before the first prompt
    static constexpr unsigned kCheckDelay = 200;   // ms between checks that the mouse is still there

    // The mouse moved over the bar.
    Step OnMove(int nHit);
    // The wait is over; nHit is under the mouse now.
    Step OnWaitElapsed(int nHit);
    // A check; bStillOurs: the status line still shows this bar's prompt.
    Step OnCheck(int nHit, bool bStillOurs);
    // Fly-by ends for the bar (style cleared): its prompt goes.
    Step Stop();
    // Forgets everything without a word (the bar goes away).
    void Reset() { m_nShown = m_nPending = 0; }

    int GetShown() const { return m_nShown; }
    int GetPending() const { return m_nPending; }

private:
    int m_nShown = 0;     // the prompt on the status line
    int m_nPending = 0;   // the button waited on
};
