#include "framework/Portable.h"
#include "framework/DockState.h"
#include "framework/MemoryProfileStore.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A toolbar docked in the top dock bar, which lists it, and a hidden bar
// that remembers a floating place.
void FillLayout(CDockState& state)
{
    auto* pDock = new CControlBarInfo;
    pDock->m_nBarID = 0xE81B;
    pDock->m_bDockBar = TRUE;
    pDock->m_bVisible = TRUE;
    pDock->m_bHorz = TRUE;
    for (UINT id : {0u, 0xE800u, 0u, 0x10000u | 0xE806u, 0u})
        pDock->m_arrBarID.Add((void*)(UINT_PTR)id);
    state.m_arrBarInfo.Add(pDock);

    auto* pBar = new CControlBarInfo;
    pBar->m_nBarID = 0xE806;
    pBar->m_bVisible = FALSE;
    pBar->m_bHorz = TRUE;
    pBar->m_pointPos = CPoint(12, 0);
    pBar->m_nMRUWidth = 140;
    pBar->m_bDocking = TRUE;
    pBar->m_uMRUDockID = 0xE81B;
    pBar->m_rectMRUDockPos = CRect(10, 0, 210, 26);
    pBar->m_dwMRUFloatStyle = 0x2000;
    pBar->m_ptMRUFloatPos = CPoint(300, 200);
    state.m_arrBarInfo.Add(pBar);
}

void ExpectSameRecord(const CControlBarInfo& a, const CControlBarInfo& b)
{
    EXPECT_EQ(a.m_nBarID, b.m_nBarID);
    EXPECT_EQ(!!a.m_bVisible, !!b.m_bVisible);
    EXPECT_EQ(!!a.m_bDocking, !!b.m_bDocking);
    EXPECT_EQ(a.m_pointPos, b.m_pointPos);
    EXPECT_EQ(a.m_nMRUWidth, b.m_nMRUWidth);
    EXPECT_EQ(a.m_uMRUDockID, b.m_uMRUDockID);
    EXPECT_EQ(a.m_rectMRUDockPos, b.m_rectMRUDockPos);
    EXPECT_EQ(a.m_dwMRUFloatStyle, b.m_dwMRUFloatStyle);
    EXPECT_EQ(a.m_ptMRUFloatPos, b.m_ptMRUFloatPos);
    ASSERT_EQ(a.m_arrBarID.GetSize(), b.m_arrBarID.GetSize());
    for (int i = 0; i < a.m_arrBarID.GetSize(); i++)
        EXPECT_EQ(a.m_arrBarID[i], b.m_arrBarID[i]);
}

} // namespace

TEST(DockStateTest, ProfileKeysAreTheClassicOnes)
{
    CMemoryProfileStore store;
    CDockState state;
    state.m_sizeScreen = CSize(1024, 768);
    FillLayout(state);
    // An empty top dock bar in its default place is not worth a record.
    auto* pEmpty = new CControlBarInfo;
    pEmpty->m_nBarID = 0xE81E;
    pEmpty->m_bDockBar = TRUE;
    pEmpty->m_bVisible = TRUE;
    pEmpty->m_arrBarID.Add(nullptr);
    state.m_arrBarInfo.InsertAt(0, pEmpty);
    ASSERT_TRUE(state.SaveState(store, "Bars"));
    EXPECT_EQ("Bars-Bar0/Bar#0=#0\n"
              "Bars-Bar0/Bar#1=#59392\n"
              "Bars-Bar0/Bar#2=#0\n"
              "Bars-Bar0/Bar#3=#124934\n"
              "Bars-Bar0/Bar#4=#0\n"
              "Bars-Bar0/BarID=#59419\n"
              "Bars-Bar0/Bars=#5\n"
              "Bars-Bar1/BarID=#59398\n"
              "Bars-Bar1/Docking=#1\n"
              "Bars-Bar1/MRUDockBottomPos=#26\n"
              "Bars-Bar1/MRUDockID=#59419\n"
              "Bars-Bar1/MRUDockLeftPos=#10\n"
              "Bars-Bar1/MRUDockRightPos=#210\n"
              "Bars-Bar1/MRUDockTopPos=#0\n"
              "Bars-Bar1/MRUFloatStyle=#8192\n"
              "Bars-Bar1/MRUFloatXPos=#300\n"
              "Bars-Bar1/MRUFloatYPos=#200\n"
              "Bars-Bar1/MRUWidth=#140\n"
              "Bars-Bar1/Visible=#0\n"
              "Bars-Bar1/XPos=#12\n"
              "Bars-Bar1/YPos=#0\n"
              "Bars-Summary/Bars=#2\n"
              "Bars-Summary/ScreenCX=#1024\n"
              "Bars-Summary/ScreenCY=#768\n",
              store.Dump());
}

TEST(DockStateTest, ProfileAndArchiveGiveTheLayoutBack)
{
    CDockState saved;
    saved.m_sizeScreen = CSize(1024, 768);
    FillLayout(saved);

    CMemoryProfileStore store;
    saved.SaveState(store, "Bars");
    CDockState fromProfile;
    fromProfile.m_sizeScreen = CSize(1024, 768);
    ASSERT_TRUE(fromProfile.LoadState(store, "Bars"));
    ASSERT_EQ(2, fromProfile.GetCount());

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        saved.Serialize(ar);
    }
    file.SeekToBegin();
    CDockState fromArchive;
    fromArchive.m_sizeScreen = CSize(1024, 768);
    {
        CArchive ar(&file, CArchive::load);
        fromArchive.Serialize(ar);
    }
    ASSERT_EQ(2, fromArchive.GetCount());
    for (int i = 0; i < 2; i++) {
        SCOPED_TRACE(i);
        ExpectSameRecord(*saved.GetAt(i), *fromProfile.GetAt(i));
        ExpectSameRecord(*saved.GetAt(i), *fromArchive.GetAt(i));
    }
}

TEST(DockStateTest, PositionsFollowTheScreenTheyComeBackTo)
{
    CMemoryProfileStore store;
    CDockState saved;
    saved.m_sizeScreen = CSize(1600, 1200);
    FillLayout(saved);
    saved.SaveState(store, "Bars");

    struct Case
    {
        int cxSaved, cySaved;
        CPoint ptFloat;
    } cases[] = {
        {1600, 1200, CPoint(150, 100)},   // half the size
        {0, 0, CPoint(300, 200)},         // no screen size: not scaled
        {100000, 5, CPoint(300, 200)},    // nonsense: not scaled
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cxSaved);
        store.WriteInt("Bars-Summary", "ScreenCX", c.cxSaved);
        store.WriteInt("Bars-Summary", "ScreenCY", c.cySaved);
        CDockState loaded;
        loaded.m_sizeScreen = CSize(800, 600);
        loaded.LoadState(store, "Bars");
        ASSERT_EQ(2, loaded.GetCount());
        EXPECT_EQ(c.ptFloat, loaded.GetAt(1)->m_ptMRUFloatPos);
    }
}

TEST(DockStateTest, DamagedProfileIsBounded)
{
    CMemoryProfileStore store;
    store.WriteInt("X-Summary", "Bars", -3);
    CDockState state;
    state.LoadState(store, "X");
    EXPECT_EQ(0, state.GetCount());

    store.WriteInt("X-Summary", "Bars", 50000000);
    store.WriteInt("X-Bar0", "Bars", 2000000000);
    state.LoadState(store, "X");
    EXPECT_EQ(kMaxDockBars, state.GetCount());
    EXPECT_EQ(kMaxBarIDs, state.GetAt(0)->m_arrBarID.GetSize());

    // A missing profile gives no bars.
    CMemoryProfileStore empty;
    state.LoadState(empty, "X");
    EXPECT_EQ(0, state.GetCount());
}

TEST(DockStateTest, DamagedArchiveThrows)
{
    CDockState saved;
    FillLayout(saved);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        saved.Serialize(ar);
    }
    ULONGLONG nLength = file.GetLength();
    for (ULONGLONG nCut : {nLength - 1, nLength / 2, (ULONGLONG)6}) {
        SCOPED_TRACE(nCut);
        file.SetLength(nCut);
        file.SeekToBegin();
        CDockState loaded;
        CArchive ar(&file, CArchive::load);
        EXPECT_THROW(loaded.Serialize(ar), CArchiveException);
    }
}
