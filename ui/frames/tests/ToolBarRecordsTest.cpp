// What toolbars keep: the "Buttons" blob and title in the three stored
// forms, the manager's options, user toolbar ids and the image map.
#include "framework/Archive.h"
#include "framework/ArchiveException.h"
#include "framework/MemFile.h"
#include "framework/MemoryProfileStore.h"
#include "ui/frames/BmpImageMap.h"
#include "ui/frames/SECCustomToolBarInfoEx.h"
#include "ui/frames/SECPersistentTreeNode.h"
#include "ui/frames/ToolBarOptions.h"

#include <gtest/gtest.h>

namespace {

std::vector<SECBtnInfo> SampleButtons()
{
    return {{57600, {}}, {0, {}}, {32866, {1, 2, 3}}};
}

TEST(ToolBarRecords, ButtonsBlobCodec)
{
    const std::vector<BYTE> blob = SECCustomToolBarInfoEx::EncodeButtons(SampleButtons());
    ASSERT_EQ(5u + 5u + 8u, blob.size());   // n = 3 takes 8 bytes
    EXPECT_EQ(0x00, blob[0]);
    EXPECT_EQ(0xE1, blob[1]);               // 57600 = 0xE100, little-endian
    std::vector<SECBtnInfo> read;
    ASSERT_TRUE(SECCustomToolBarInfoEx::DecodeButtons(blob.data(), blob.size(), read));
    ASSERT_EQ(3u, read.size());
    EXPECT_EQ(32866u, read[2].nID);
    EXPECT_EQ((std::vector<BYTE>{1, 2, 3}), read[2].data);

    // A record that runs past the end is refused; those before it stay.
    for (size_t nCut : {blob.size() - 1, (size_t)12, (size_t)3}) {
        std::vector<SECBtnInfo> partial;
        EXPECT_FALSE(SECCustomToolBarInfoEx::DecodeButtons(blob.data(), nCut, partial)) << nCut;
        EXPECT_EQ(nCut / 5 > 2 ? 2u : nCut / 5, partial.size()) << nCut;
    }
}

TEST(ToolBarRecords, InfoRoundTripsThroughProfileTreeAndArchive)
{
    SECCustomToolBarInfoEx info;
    info.m_strTitle = "Transfer";
    info.m_btnInfo = SampleButtons();

    CMemoryProfileStore store;
    ASSERT_TRUE(info.SaveState(store, "CustomToolBars-Bar1"));
    SECCustomToolBarInfoEx fromProfile;
    EXPECT_TRUE(fromProfile.LoadState(store, "CustomToolBars-Bar1", nullptr));
    EXPECT_EQ("Transfer", fromProfile.m_strTitle);
    EXPECT_EQ(3u, fromProfile.m_btnInfo.size());

    SECPersistentTreeNode root;
    root.Create("Root");
    SECPersistentTreeNode* pBar = root.CreateChild("Bar-0");
    ASSERT_TRUE(info.SaveState(pBar, &root));
    ASSERT_NE(nullptr, pBar->FindChild("ToolBarInfoEx"));
    SECCustomToolBarInfoEx fromTree;
    EXPECT_TRUE(fromTree.LoadState(pBar));
    EXPECT_EQ("Transfer", fromTree.m_strTitle);
    EXPECT_EQ(3u, fromTree.m_btnInfo.size());

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        info.Serialize(ar, nullptr);
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    SECCustomToolBarInfoEx fromArchive;
    fromArchive.Serialize(ar, nullptr);
    EXPECT_EQ("Transfer", fromArchive.m_strTitle);
    ASSERT_EQ(3u, fromArchive.m_btnInfo.size());
    EXPECT_EQ((std::vector<BYTE>{1, 2, 3}), fromArchive.m_btnInfo[2].data);
}

TEST(ToolBarRecords, EmptyTitleIsNotWritten)
{
    SECCustomToolBarInfoEx info;
    info.m_btnInfo = SampleButtons();
    CMemoryProfileStore store;
    info.SaveState(store, "S");
    EXPECT_EQ(std::string::npos, store.Dump().find("Title"));
}

TEST(ToolBarRecords, OptionsInProfileAndTree)
{
    ToolBarOptions options;
    options.bCoolLook = TRUE;
    CMemoryProfileStore store;
    ASSERT_TRUE(options.Save(store, "CustomToolBars"));
    EXPECT_EQ(1u, store.GetInt("CustomToolBars-ToolBarManager", "ToolTips", -1));
    EXPECT_EQ(1u, store.GetInt("CustomToolBars-ToolBarManager", "CoolLook", -1));
    EXPECT_EQ(0u, store.GetInt("CustomToolBars-ToolBarManager", "LargeButtons", -1));
    ToolBarOptions read;
    read.bLargeButtons = TRUE;
    read.Load(store, "CustomToolBars");
    EXPECT_TRUE(read.bCoolLook);
    EXPECT_FALSE(read.bLargeButtons);

    SECPersistentTreeNode root;
    root.Create("Root");
    ToolBarOptions fromEmptyTree;
    fromEmptyTree.bLargeButtons = TRUE;
    fromEmptyTree.Load(&root);
    EXPECT_TRUE(fromEmptyTree.bToolTips);
    EXPECT_TRUE(fromEmptyTree.bCoolLook);
    EXPECT_FALSE(fromEmptyTree.bLargeButtons);
    options.bLargeButtons = TRUE;
    options.bToolTips = FALSE;
    ASSERT_TRUE(options.Save(&root));
    ToolBarOptions fromTree;
    fromTree.Load(&root);
    EXPECT_FALSE(fromTree.bToolTips);
    EXPECT_TRUE(fromTree.bLargeButtons);
}

TEST(ToolBarRecords, UserToolBarIds)
{
    EXPECT_EQ(59425u, NextUserToolBarID({59424, 59426}));
    std::vector<UINT> all;
    for (UINT n = kFirstUserToolBarID; n <= kLastUserToolBarID; ++n)
        all.push_back(n);
    EXPECT_EQ(0u, NextUserToolBarID(all));   // never the menu bar's 59647
    EXPECT_FALSE(IsUserToolBarID(kMenuBarID));
}

TEST(ToolBarRecords, ImageMapFirstBitmapWinsAndSeparatorsTakeNoImage)
{
    CBmpImageMap map;
    const UINT file[] = {57600, 57601, 0, 57603};
    const UINT other[] = {32773, 57600};
    EXPECT_EQ(0, map.AddBitmap(file, 4));
    EXPECT_EQ(1, map.AddBitmap(other, 2));
    CBmpImageMap::Item item;
    ASSERT_TRUE(map.Lookup(57603, item));
    EXPECT_EQ(0, item.nBitmap);
    EXPECT_EQ(2, item.nImage);
    ASSERT_TRUE(map.Lookup(57600, item));
    EXPECT_EQ(0, item.nBitmap);
    EXPECT_EQ(0, item.nImage);
    EXPECT_FALSE(map.Lookup(0, item));
    EXPECT_FALSE(map.Lookup(1234, item));
}

TEST(ToolBarRecords, ColourTableFollowsSystemColours)
{
    // RGBQUAD order: blue low.
    DWORD table[] = {0x000000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x0000FF, 0xFF000000 | 0xC0C0C0};
    const ToolBarSysColours colours{0x010203, 0x040506, 0x0000FF /* red */, 0x0A0B0C};
    EXPECT_EQ(5, MapToolBarColourTable(table, 6, colours));
    EXPECT_EQ(0x030201u, table[0]);
    EXPECT_EQ(0x060504u, table[1]);
    EXPECT_EQ(0xFF0000u, table[2]);   // red in a colour table is the high byte
    EXPECT_EQ(0x0C0B0Au, table[3]);
    EXPECT_EQ(0x0000FFu, table[4]);   // other colours stay
    EXPECT_EQ(0xFF0000u, table[5]);
}

} // namespace
