#include "framework/Framework.h"
#include "ui/frames/SECMDIFrameWnd.h"

IMPLEMENT_DYNAMIC(SECMDIFrameWnd, CMDIFrameWnd)

BOOL SECMDIFrameWnd::CreateCaptionAppFont(CFont& font)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return FALSE;
    return font.CreateFontIndirect(&metrics.lfCaptionFont);
}
