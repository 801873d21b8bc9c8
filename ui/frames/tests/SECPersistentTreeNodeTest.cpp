// The settings tree: values, binary chunks, and round trips through an
// initialisation file and the registry (both kept in memory).
#include "ui/frames/MemoryPrivateProfile.h"
#include "ui/frames/MemoryRegistry.h"
#include "ui/frames/SECPTNStrategy.h"
#include "ui/frames/SECPersistentTreeNode.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::vector<BYTE> Bytes(int nCount)
{
    std::vector<BYTE> data((size_t)nCount);
    for (int i = 0; i < nCount; ++i)
        data[(size_t)i] = (BYTE)(i * 37 + 11);
    return data;
}

std::vector<BYTE> ReadBinary(const SECPersistentTreeNode& node, LPCTSTR pszKey)
{
    BYTE* pData = nullptr;
    UINT nSize = 0;
    if (node.GetBinaryValue(pszKey, pData, nSize) != kPTNSuccess)
        return {};
    std::unique_ptr<BYTE[]> owner(pData);
    return std::vector<BYTE>(pData, pData + nSize);
}

TEST(SECPersistentTreeNode, ErrorCodesCombine)
{
    SECPersistentTreeNode node;
    EXPECT_EQ(kPTNNotInitialized | kPTNEmptyKey, node.SetValue("", CString("x")));
    EXPECT_EQ(kPTNEmptyName, node.Create(""));
    ASSERT_EQ(kPTNSuccess, node.Create("Root"));
    EXPECT_EQ(kPTNAlreadyInitialized | kPTNEmptyName, node.Create(nullptr));
    EXPECT_EQ(kPTNSuccess, node.SetValue("Key", 5));
    EXPECT_EQ(kPTNKeyExists, node.SetValue("Key", 6, FALSE));
    EXPECT_EQ(kPTNKeyNotFound, node.RemoveValue("Other"));
    EXPECT_EQ(kPTNEmptyName, node.AddChild(nullptr));
    ASSERT_NE(nullptr, node.CreateChild("Child"));
    EXPECT_EQ(nullptr, node.CreateChild("Child"));
    SECPersistentTreeNode twin;
    EXPECT_EQ(kPTNChildExists, twin.Create("Child", &node));
    EXPECT_FALSE(twin.IsInitialized());
    EXPECT_EQ(kPTNNullData, node.SetBinaryValue("Bin", nullptr, 0));
}

TEST(SECPersistentTreeNode, NumbersAndTruthAreReadFromText)
{
    SECPersistentTreeNode node;
    ASSERT_EQ(kPTNSuccess, node.Create("Root"));
    const struct
    {
        LPCTSTR pszText;
        int nNumber;
        BOOL bTruth;
    } cases[] = {
        {"true", 0, TRUE}, {"True", 0, TRUE}, {"TRUE", 0, TRUE}, {"1", 1, FALSE},
        {"  -42x", -42, FALSE}, {"+7", 7, FALSE}, {"False", 0, FALSE},
    };
    for (const auto& c : cases) {
        node.SetValue("Key", CString(c.pszText));
        int nNumber = 99;
        BOOL bTruth = 2;
        EXPECT_EQ(kPTNSuccess, node.GetValue("Key", nNumber, 5));
        EXPECT_EQ(kPTNSuccess, node.GetBoolValue("Key", bTruth));
        EXPECT_EQ(c.nNumber, nNumber) << c.pszText;
        EXPECT_EQ(c.bTruth, bTruth) << c.pszText;
    }
    int nDefault = 0;
    EXPECT_EQ(kPTNKeyNotFound, node.GetValue("None", nDefault, 17));
    EXPECT_EQ(17, nDefault);
    node.SetBoolValue("Flag", TRUE);
    CString strFlag;
    node.GetValue("Flag", strFlag);
    EXPECT_EQ("True", strFlag);
}

TEST(SECPersistentTreeNode, BinaryValuesSplitFrom250Letters)
{
    const BYTE edge[] = {0x00, 0xFF};
    EXPECT_EQ("AAPP", SECPersistentTreeNode::EncodeBinary(edge, 2));

    SECPersistentTreeNode node;
    ASSERT_EQ(kPTNSuccess, node.Create("Root"));
    const auto small = Bytes(124);
    ASSERT_EQ(kPTNSuccess, node.SetBinaryValue("Small", small.data(), (UINT)small.size()));
    CString strText;
    EXPECT_EQ(kPTNSuccess, node.GetValue("Small", strText));
    EXPECT_EQ(248, strText.GetLength());

    const auto one = Bytes(125);
    ASSERT_EQ(kPTNSuccess, node.SetBinaryValue("One", one.data(), (UINT)one.size()));
    int nCount = 0;
    EXPECT_EQ(kPTNSuccess, node.GetValue("One_BinCount", nCount));
    EXPECT_EQ(1, nCount);
    EXPECT_EQ(kPTNSuccess, node.GetValue("One_BinVal0", strText));
    EXPECT_EQ(250, strText.GetLength());
    EXPECT_EQ(kPTNKeyNotFound, node.GetValue("One", strText));
    EXPECT_EQ(one, ReadBinary(node, "One"));

    const auto big = Bytes(1000);
    ASSERT_EQ(kPTNSuccess, node.SetBinaryValue("Big", big.data(), (UINT)big.size()));
    EXPECT_EQ(big, ReadBinary(node, "Big"));
    EXPECT_EQ(small, ReadBinary(node, "Small"));
}

TEST(SECPersistentTreeNode, RewritingABinaryValueLeavesNoStaleEntries)
{
    SECPersistentTreeNode node;
    ASSERT_EQ(kPTNSuccess, node.Create("Root"));
    const auto big = Bytes(1000);
    const auto medium = Bytes(300);
    const auto small = Bytes(10);
    ASSERT_EQ(kPTNSuccess, node.SetBinaryValue("Bin", big.data(), (UINT)big.size()));
    ASSERT_EQ(kPTNSuccess, node.SetBinaryValue("Bin", medium.data(), (UINT)medium.size()));
    EXPECT_EQ(medium, ReadBinary(node, "Bin"));
    CString strText;
    EXPECT_EQ(kPTNKeyNotFound, node.GetValue("Bin_BinVal5", strText));

    ASSERT_EQ(kPTNSuccess, node.SetBinaryValue("Bin", small.data(), (UINT)small.size()));
    EXPECT_EQ(small, ReadBinary(node, "Bin"));
    EXPECT_EQ(1, node.GetValueCount());

    ASSERT_EQ(kPTNSuccess, node.SetBinaryValue("Bin", big.data(), (UINT)big.size()));
    EXPECT_EQ(big, ReadBinary(node, "Bin"));
    EXPECT_EQ(kPTNKeyNotFound, node.GetValue("Bin", strText));
}

TEST(SECPersistentTreeNode, DamagedBinaryTextsDecodeSafely)
{
    SECPersistentTreeNode node;
    ASSERT_EQ(kPTNSuccess, node.Create("Root"));
    node.SetValue("Empty", CString(""));
    node.SetValue("Odd", CString("BAC"));
    node.SetValue("Huge_BinCount", 2000000000);
    node.SetValue("Huge_BinVal0", CString("BA"));
    BYTE* pData = nullptr;
    UINT nSize = 0;
    EXPECT_EQ(kPTNOtherFailure, node.GetBinaryValue("Empty", pData, nSize));
    EXPECT_EQ((std::vector<BYTE>{0x01}), ReadBinary(node, "Odd"));
    EXPECT_EQ((std::vector<BYTE>{0x01}), ReadBinary(node, "Huge"));
    EXPECT_EQ(kPTNKeyNotFound, node.GetBinaryValue("Missing", pData, nSize));
}

// A small tree with every kind of value.
void FillTree(SECPersistentTreeNode& root)
{
    ASSERT_EQ(kPTNSuccess, root.Create("G7K"));
    root.SetValue("Version", 2);
    root.SetValue("ChildCount", CString("a value, not a child"));
    root.SetValue("Long", CString('x', 700));
    SECPersistentTreeNode* pDock = root.CreateChild("DockState");
    ASSERT_NE(nullptr, pDock);
    pDock->SetValue("Bars", 3);
    const auto big = Bytes(400);
    pDock->SetBinaryValue("Placement", big.data(), (UINT)big.size());
    SECPersistentTreeNode* pBar = pDock->CreateChild("Bar-0");
    ASSERT_NE(nullptr, pBar);
    pBar->SetBoolValue("Visible", FALSE);
    ASSERT_NE(nullptr, root.CreateChild("ToolBarMgr"));
}

void ExpectSameTree(const SECPersistentTreeNode& a, const SECPersistentTreeNode& b)
{
    EXPECT_EQ(a.GetName(), b.GetName());
    ASSERT_EQ(a.GetValueCount(), b.GetValueCount()) << a.GetName();
    for (int i = 0; i < a.GetValueCount(); ++i) {
        CString strValue;
        EXPECT_EQ(kPTNSuccess, b.GetValue(a.GetPair(i).m_strKey, strValue)) << a.GetPair(i).m_strKey;
        EXPECT_EQ(a.GetPair(i).m_strValue, strValue);
    }
    ASSERT_EQ(a.GetChildCount(), b.GetChildCount()) << a.GetName();
    for (int i = 0; i < a.GetChildCount(); ++i) {
        const SECPersistentTreeNode* pOther = b.FindChild(a.GetChild(i)->GetName());
        ASSERT_NE(nullptr, pOther);
        ExpectSameTree(*a.GetChild(i), *pOther);
    }
}

TEST(SECPersistentTreeNode, RoundTripsThroughAnInitialisationFile)
{
    CMemoryPrivateProfile files;
    SetPrivateProfileApi(&files);
    SECPTNStrategyProfile strategy("settings.ini");
    SECPersistentTreeNode saved;
    FillTree(saved);
    EXPECT_TRUE(saved.Save(&strategy));
    EXPECT_NE(std::string::npos, files.Dump().find("[settings.ini]G7K/Child1=DockState\n"));
    EXPECT_NE(std::string::npos, files.Dump().find("[settings.ini]G7K\\DockState/Child1=Bar-0\n"));

    SECPersistentTreeNode loaded;
    ASSERT_EQ(kPTNSuccess, loaded.Create("G7K"));
    EXPECT_TRUE(loaded.Load(&strategy));
    ExpectSameTree(saved, loaded);
    SetPrivateProfileApi(nullptr);
}

TEST(SECPersistentTreeNode, RoundTripsThroughTheRegistry)
{
    CMemoryRegistry registry;
    SetRegistryApi(&registry);
    SECPTNStrategyRegistry strategy("Software\\Norvik Instrument AB\\G7K\\");
    SECPersistentTreeNode saved;
    FillTree(saved);
    EXPECT_TRUE(saved.Save(&strategy));
    // Saving again clears the old keys first.
    saved.FindChild("DockState")->DeleteNode(saved.FindChild("DockState")->FindChild("Bar-0"));
    EXPECT_TRUE(saved.Save(&strategy));

    SECPersistentTreeNode loaded;
    ASSERT_EQ(kPTNSuccess, loaded.Create("G7K"));
    EXPECT_TRUE(loaded.Load(&strategy));
    ExpectSameTree(saved, loaded);
    EXPECT_EQ(0, registry.GetOpenKeyCount());
    SetRegistryApi(nullptr);
}

TEST(SECPersistentTreeNode, LoadingKeepsAChildThatIsThere)
{
    CMemoryPrivateProfile files;
    SetPrivateProfileApi(&files);
    SECPTNStrategyProfile strategy("settings.ini");
    SECPersistentTreeNode saved;
    FillTree(saved);
    ASSERT_TRUE(saved.Save(&strategy));

    SECPersistentTreeNode loaded;
    ASSERT_EQ(kPTNSuccess, loaded.Create("G7K"));
    SECPersistentTreeNode* pMine = loaded.CreateChild("DockState");
    pMine->SetValue("Bars", 9);
    EXPECT_TRUE(loaded.Load(&strategy));
    EXPECT_EQ(pMine, loaded.FindChild("DockState"));
    int nBars = 0;
    pMine->GetValue("Bars", nBars);
    EXPECT_EQ(9, nBars);
    EXPECT_EQ(nullptr, pMine->FindChild("Bar-0"));

    SECPersistentTreeNode missing;
    ASSERT_EQ(kPTNSuccess, missing.Create("Nothing"));
    EXPECT_FALSE(missing.Load(&strategy));
    EXPECT_FALSE(missing.Load(nullptr));
    SetPrivateProfileApi(nullptr);
}

} // namespace
