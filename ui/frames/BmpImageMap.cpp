#include "ui/frames/BmpImageMap.h"

int CBmpImageMap::AddBitmap(const UINT* pIDs, int nCount)
{
    const int nBitmap = m_nBitmaps++;
    int nImage = 0;
    for (int i = 0; pIDs != nullptr && i < nCount; ++i) {
        if (pIDs[i] == 0)
            continue;
        m_items.emplace(pIDs[i], Item{nBitmap, nImage});
        ++nImage;
    }
    return nBitmap;
}

BOOL CBmpImageMap::Lookup(UINT nID, Item& item) const
{
    const auto it = m_items.find(nID);
    if (it == m_items.end())
        return FALSE;
    item = it->second;
    return TRUE;
}

void CBmpImageMap::RemoveAll()
{
    m_items.clear();
    m_nBitmaps = 0;
}

namespace {

DWORD SwapRedBlue(DWORD c)
{
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

} // namespace

int MapToolBarColourTable(DWORD* pTable, int nEntries, const ToolBarSysColours& colours)
{
    const struct
    {
        DWORD rgbFrom;
        DWORD crTo;
    } map[] = {
        {0x000000, colours.crText},
        {0x808080, colours.crShadow},
        {0xC0C0C0, colours.crFace},
        {0xFFFFFF, colours.crHighlight},
    };
    int nChanged = 0;
    for (int i = 0; i < nEntries; ++i) {
        const DWORD rgb = pTable[i] & 0xFFFFFF;
        for (const auto& entry : map) {
            if (rgb != entry.rgbFrom)
                continue;
            pTable[i] = SwapRedBlue(entry.crTo);
            ++nChanged;
            break;
        }
    }
    return nChanged;
}
