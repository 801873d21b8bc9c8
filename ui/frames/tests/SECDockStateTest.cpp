// The dock state's three stored forms: profile keys, settings-tree nodes
// and the archive, and the clean-up of bar ids before saving.
#include "framework/Archive.h"
#include "framework/MemFile.h"
#include "framework/MemoryProfileStore.h"
#include "ui/frames/SECDockState.h"
#include "ui/frames/SECPersistentTreeNode.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A docked bar with every extended field set, a floating one, and an
// empty default dock bar (which is never written).
void Fill(SECDockState& state)
{
    auto* pBar = state.CreateBarInfo(nullptr);
    pBar->m_nBarID = 0xE800;
    pBar->m_bVisible = TRUE;
    pBar->m_pointPos = CPoint(10, 20);
    pBar->m_bDocking = TRUE;
    pBar->m_uMRUDockID = 0xE81B;
    pBar->m_rectMRUDockPos = CRect(1, 2, 300, 40);
    pBar->m_dwMRUFloatStyle = 0x2000;
    pBar->m_ptMRUFloatPos = CPoint(100, 200);
    pBar->m_szHorz = CSize(300, 40);
    pBar->m_szVert = CSize(50, 200);
    pBar->m_szFloat = CSize(320, 180);
    pBar->m_dwMRUDockingState = 0xF000;
    pBar->m_dwDockStyle = 0xA000;
    pBar->m_fPctWidth = 0.75f;
    pBar->m_dwStyle = 0x2A00;
    pBar->m_dwExStyle = 0x0E01;
    pBar->m_strClassName = "SECDialogBar";
    pBar->m_strWindowName = "Chart settings";
    pBar->m_nResourceID = 201;
    pBar->m_nTypeID = 3;
    state.m_arrBarInfo.Add(pBar);

    auto* pFloat = state.CreateBarInfo(nullptr);
    pFloat->m_nBarID = 0xE801;
    pFloat->m_bVisible = FALSE;
    pFloat->m_bFloating = TRUE;
    pFloat->m_bHorz = FALSE;
    pFloat->m_bMDIChild = TRUE;
    pFloat->m_wpMDIChild.showCmd = 1;
    pFloat->m_wpMDIChild.rcNormalPosition = RECT{5, 6, 7, 8};
    pFloat->m_fPctWidth = 1.0f;
    state.m_arrBarInfo.Add(pFloat);

    auto* pEmptyDock = state.CreateBarInfo(nullptr);
    pEmptyDock->m_nBarID = 0xE81E;
    pEmptyDock->m_bDockBar = TRUE;
    pEmptyDock->m_bVisible = TRUE;
    pEmptyDock->m_arrBarID.Add(nullptr);
    state.m_arrBarInfo.Add(pEmptyDock);
}

void ExpectSame(const SECControlBarInfo& a, const SECControlBarInfo& b, bool bNamesKept)
{
    EXPECT_EQ(a.m_nBarID, b.m_nBarID);
    EXPECT_EQ(a.m_bVisible, b.m_bVisible);
    EXPECT_EQ(a.m_bFloating, b.m_bFloating);
    EXPECT_EQ(a.m_pointPos, b.m_pointPos);
    EXPECT_EQ(a.m_rectMRUDockPos, b.m_rectMRUDockPos);
    EXPECT_EQ(a.m_szHorz, b.m_szHorz);
    EXPECT_EQ(a.m_szVert, b.m_szVert);
    EXPECT_EQ(a.m_szFloat, b.m_szFloat);
    EXPECT_EQ(a.m_dwMRUDockingState, b.m_dwMRUDockingState);
    EXPECT_EQ(a.m_dwDockStyle, b.m_dwDockStyle);
    EXPECT_FLOAT_EQ(a.m_fPctWidth, b.m_fPctWidth);
    EXPECT_EQ(a.m_dwStyle, b.m_dwStyle);
    EXPECT_EQ(a.m_dwExStyle, b.m_dwExStyle);
    EXPECT_EQ(a.m_bMDIChild, b.m_bMDIChild);
    EXPECT_EQ(a.m_nTypeID, b.m_nTypeID);
    if (!bNamesKept)
        return;
    EXPECT_EQ(a.m_strClassName, b.m_strClassName);
    EXPECT_EQ(a.m_strWindowName, b.m_strWindowName);
    EXPECT_EQ(a.m_nResourceID, b.m_nResourceID);
    EXPECT_EQ(a.m_wpMDIChild.rcNormalPosition.right, b.m_wpMDIChild.rcNormalPosition.right);
}

TEST(SECDockState, ProfileKeysAndRoundTrip)
{
    SECDockState saved;
    Fill(saved);
    CMemoryProfileStore store;
    ASSERT_TRUE(saved.SaveState(store, "CustomToolBars"));
    const std::string dump = store.Dump();
    // The empty default dock bar is neither written nor counted.
    EXPECT_NE(std::string::npos, dump.find("CustomToolBars-Summary/Bars=#2\n"));
    EXPECT_EQ(std::string::npos, dump.find("CustomToolBars-Bar2/"));
    EXPECT_NE(std::string::npos, dump.find("CustomToolBars-Bar0/PctWidth=750000\n"));
    EXPECT_NE(std::string::npos, dump.find("CustomToolBars-Bar0/ClassName=SECDialogBar\n"));
    EXPECT_EQ(std::string::npos, dump.find("CustomToolBars-Bar0/MDIChildWindowPlacement"));
    EXPECT_NE(std::string::npos, dump.find("CustomToolBars-Bar1/MDIChildWindowPlacement=$44 bytes\n"));
    for (const char* pszKey : {"Style", "ExStyle", "PrevFloating", "MDIChild", "MRUFloatCX", "MRUFloatCY",
                               "MRUHorzDockCX", "MRUHorzDockCY", "MRUVertDockCX", "MRUVertDockCY", "MRUDockingState",
                               "DockingStyle", "TypeID", "WindowName", "ResourceID", "BarID", "MRUDockID"})
        EXPECT_NE(std::string::npos, dump.find(std::string("CustomToolBars-Bar0/") + pszKey + "=")) << pszKey;

    SECDockState loaded;
    ASSERT_TRUE(loaded.LoadState(store, "CustomToolBars"));
    ASSERT_EQ(2, loaded.GetCount());
    ExpectSame(*saved.GetInfo(0), *loaded.GetInfo(0), true);
    ExpectSame(*saved.GetInfo(1), *loaded.GetInfo(1), true);
}

TEST(SECDockState, DamagedProfileValuesAreBounded)
{
    CMemoryProfileStore store;
    store.WriteInt("L-Summary", "Bars", 1);
    store.WriteInt("L-Bar0", "BarID", 7);
    store.WriteString("L-Bar0", "PctWidth", "-500000");
    store.WriteInt("L-Bar0", "MRUHorzDockCX", -40);
    store.WriteInt("L-Bar0", "MDIChild", 1);
    const BYTE shortPlacement[10] = {1, 2, 3};
    store.WriteBinary("L-Bar0", "MDIChildWindowPlacement", shortPlacement, sizeof shortPlacement);
    SECDockState state;
    ASSERT_TRUE(state.LoadState(store, "L"));
    ASSERT_EQ(1, state.GetCount());
    EXPECT_FLOAT_EQ(0.0f, state.GetInfo(0)->m_fPctWidth);
    EXPECT_EQ(0, state.GetInfo(0)->m_szHorz.cx);
    EXPECT_EQ(0u, state.GetInfo(0)->m_wpMDIChild.length);

    CMemoryProfileStore empty;
    empty.WriteInt("E-Summary", "Bars", 0);
    ASSERT_TRUE(state.LoadState(empty, "E"));
    EXPECT_EQ(0, state.GetCount());
}

TEST(SECDockState, SettingsTreeWritesOnlyWhatDiffers)
{
    SECDockState saved;
    Fill(saved);
    SECPersistentTreeNode root;
    ASSERT_EQ(kPTNSuccess, root.Create("Frame"));
    ASSERT_TRUE(saved.SaveState(&root));
    ASSERT_TRUE(saved.SaveState(&root)); // again: one DockState node
    ASSERT_EQ(1, root.GetChildCount());
    SECPersistentTreeNode* pDock = root.FindChild("DockState");
    ASSERT_NE(nullptr, pDock);
    int nBars = 0;
    pDock->GetValue("Bars", nBars);
    EXPECT_EQ(2, nBars);
    EXPECT_EQ(2, pDock->GetChildCount());
    const SECPersistentTreeNode* pBar0 = pDock->FindChild("Bar-0");
    CString strValue;
    EXPECT_EQ(kPTNKeyNotFound, pBar0->GetValue("Visible", strValue));
    EXPECT_EQ(kPTNKeyNotFound, pBar0->GetValue("Floating", strValue));
    EXPECT_EQ(kPTNSuccess, pBar0->GetValue("MRUDockID", strValue));
    EXPECT_EQ(kPTNSuccess, pDock->FindChild("Bar-1")->GetValue("Floating", strValue));

    SECDockState loaded;
    EXPECT_FALSE(loaded.LoadState((SECPersistentTreeNode*)nullptr));
    SECPersistentTreeNode bare;
    bare.Create("Bare");
    EXPECT_FALSE(loaded.LoadState(&bare));
    ASSERT_TRUE(loaded.LoadState(&root));
    ASSERT_EQ(2, loaded.GetCount());
    ExpectSame(*saved.GetInfo(0), *loaded.GetInfo(0), true);
    ExpectSame(*saved.GetInfo(1), *loaded.GetInfo(1), true);
}

TEST(SECDockState, ArchiveRoundTrip)
{
    SECDockState saved;
    Fill(saved);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        saved.Serialize(ar);
        ar.Close();
    }
    const std::vector<BYTE> bytes(file.GetData(), file.GetData() + file.GetLength());
    CMemFile in(bytes.data(), (UINT)bytes.size());
    CArchive ar(&in, CArchive::load);
    SECDockState loaded;
    loaded.Serialize(ar);
    ASSERT_EQ(3, loaded.GetCount());
    ExpectSame(*saved.GetInfo(0), *loaded.GetInfo(0), false);
    ExpectSame(*saved.GetInfo(1), *loaded.GetInfo(1), false);
    EXPECT_TRUE(loaded.GetInfo(0)->m_strClassName.IsEmpty());
    EXPECT_EQ(2u, loaded.GetVersion());
}

TEST(SECDockState, BarIdCleanUp)
{
    SECDockState state;
    auto* pHidden = state.CreateBarInfo(nullptr);
    pHidden->m_nBarID = 0x100;
    pHidden->m_uMRUDockID = 0xE81B;
    state.m_arrBarInfo.Add(pHidden);
    auto addDock = [&](UINT nID, std::vector<UINT_PTR> ids) {
        auto* pDock = state.CreateBarInfo(nullptr);
        pDock->m_nBarID = nID;
        pDock->m_bDockBar = TRUE;
        for (UINT_PTR n : ids)
            pDock->m_arrBarID.Add((void*)n);
        state.m_arrBarInfo.Add(pDock);
    };
    addDock(0xE81B, {0, 0x10100, 0x200, 0x200, 0, 0, 0});
    addDock(0xE81E, {0, 0x10100, 0x300});
    state.CleanUpBarIds();
    auto ids = [&](int i) {
        std::vector<UINT_PTR> out;
        for (int k = 0; k < state.GetAt(i)->m_arrBarID.GetSize(); ++k)
            out.push_back((UINT_PTR)state.GetAt(i)->m_arrBarID[k]);
        return out;
    };
    EXPECT_EQ((std::vector<UINT_PTR>{0, 0x10100, 0x200, 0}), ids(1));
    EXPECT_EQ((std::vector<UINT_PTR>{0, 0x300, 0}), ids(2));
}

} // namespace
