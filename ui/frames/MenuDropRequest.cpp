#include "ui/frames/MenuDropRequest.h"

#include "ui/frames/MenuTable.h"

#include <cctype>

bool ControlsClaimMnemonic(ControlHandle pFirst, const std::function<ControlHandle(ControlHandle)>& next,
                           const std::function<CString(ControlHandle)>& textOf, char ch, int nMaxSteps)
{
    char chLower = (char)std::tolower((unsigned char)ch);
    ControlHandle pControl = pFirst;
    for (int nStep = 0; pControl != nullptr && nStep < nMaxSteps; ++nStep) {
        char chMnemonic = MenuMnemonic(textOf(pControl));
        if (chMnemonic != 0 && chMnemonic == chLower)
            return true;
        pControl = next(pControl);
        if (pControl == pFirst)
            return false;
    }
    return false;
}
