// The registry wrapper against the registry kept in memory.
#include "ui/frames/MemoryRegistry.h"
#include "ui/frames/SECRegistry.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class SECRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { SetRegistryApi(&m_registry); }
    void TearDown() override { SetRegistryApi(nullptr); }

    // Writes raw bytes as a value of a key under HKEY_CURRENT_USER.
    void WriteRaw(LPCTSTR pszKey, LPCTSTR pszName, DWORD dwType, const void* pData, DWORD cbData)
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, m_registry.RegCreateKeyEx(HKEY_CURRENT_USER, pszKey, nullptr, 0, KEY_ALL_ACCESS,
                                                        nullptr, &hKey, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, m_registry.RegSetValueEx(hKey, pszName, dwType, static_cast<const BYTE*>(pData), cbData));
        m_registry.RegCloseKey(hKey);
    }

    CMemoryRegistry m_registry;
};

TEST_F(SECRegistryTest, ConnectRefusesARemoteCurrentUser)
{
    SECRegistry registry;
    EXPECT_FALSE(registry.Connect(HKEY_CURRENT_USER, "FIELDPC"));
    EXPECT_EQ(ERROR_INVALID_HANDLE, registry.GetLastError());
    EXPECT_EQ(nullptr, registry.GetRoot());
    EXPECT_FALSE(registry.IsRemote());

    EXPECT_TRUE(registry.Connect(HKEY_LOCAL_MACHINE));
    EXPECT_EQ("HKEY_LOCAL_MACHINE", registry.GetRootName());
    EXPECT_EQ("LOCALHOST", registry.GetComputerName());
    EXPECT_FALSE(registry.Connect((HKEY)(ULONG_PTR)0x1234));
    EXPECT_EQ(ERROR_INVALID_HANDLE, registry.GetLastError());
}

TEST_F(SECRegistryTest, KeyNamesLoseTheirTrailingBackslash)
{
    SECRegistry registry;
    ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.Create("Software\\Norvik\\"));
    EXPECT_EQ("Software\\Norvik", registry.GetKeyName());
    ASSERT_TRUE(registry.SetValue("Name", CString("G7K")));
    ASSERT_TRUE(registry.Open("Software\\Norvik\\"));
    EXPECT_EQ("Software\\Norvik", registry.GetKeyName());
    EXPECT_EQ(1u, registry.GetNumberOfValues());

    const struct
    {
        LPCTSTR pszParent, pszChild, pszJoined;
    } cases[] = {
        {"A\\", "\\B\\", "A\\B"}, {"A", "B", "A\\B"}, {"", "B\\", "B"}, {"A\\B", "", "A\\B"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pszJoined, SECRegistry::JoinKeyNames(c.pszParent, c.pszChild)) << c.pszParent << " + " << c.pszChild;
}

TEST_F(SECRegistryTest, TypedValuesKeepTheirStoredForm)
{
    SECRegistry registry;
    ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.Create("Software\\Test"));

    CStringArray strings;
    strings.Add("a");
    strings.Add("bc");
    ASSERT_TRUE(registry.SetValue("Multi", strings));
    BYTE raw[16] = {};
    DWORD cbRaw = sizeof raw;
    DWORD dwType = 0;
    ASSERT_TRUE(registry.QueryValue("Multi", dwType, raw, &cbRaw));
    EXPECT_EQ((DWORD)REG_MULTI_SZ, dwType);
    ASSERT_EQ(6u, cbRaw);
    EXPECT_EQ(0, std::memcmp(raw, "a\0bc\0\0", 6));
    CStringArray back;
    ASSERT_TRUE(registry.GetValue("Multi", back));
    ASSERT_EQ(2, back.GetSize());
    EXPECT_EQ("bc", back[1]);

    ASSERT_TRUE(registry.SetValue("Count", (DWORD)42));
    DWORD dwValue = 0;
    EXPECT_TRUE(registry.GetValue("Count", dwValue));
    EXPECT_EQ(42u, dwValue);
    CString strWrongKind;
    EXPECT_FALSE(registry.QueryValue("Count", strWrongKind));

    CString strMissing = "old";
    EXPECT_FALSE(registry.QueryValue("Missing", strMissing));
    EXPECT_TRUE(strMissing.IsEmpty());
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, registry.GetLastError());

    EXPECT_FALSE(registry.GetValue(nullptr, strMissing));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, registry.GetLastError());
    EXPECT_FALSE(registry.SetValue("Null", REG_BINARY, nullptr, 0));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, registry.GetLastError());
}

TEST_F(SECRegistryTest, StringsAreBoundedByTheirSizeAndReadWhole)
{
    // No terminator stored, and a multi-string missing its last NULs.
    WriteRaw("Raw", "Bare", REG_SZ, "abc", 3);
    WriteRaw("Raw", "BareMulti", REG_MULTI_SZ, "x\0yz", 4);
    const CString strLong(CString('L', 5000));
    WriteRaw("Raw", "Long", REG_SZ, strLong.GetString(), (DWORD)strLong.GetLength() + 1);

    SECRegistry registry;
    ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.Open("Raw"));
    CString strValue;
    ASSERT_TRUE(registry.QueryValue("Bare", strValue));
    EXPECT_EQ("abc", strValue);
    ASSERT_TRUE(registry.QueryValue("Long", strValue));
    EXPECT_EQ(5000, strValue.GetLength());
    CStringArray values;
    ASSERT_TRUE(registry.QueryValue("BareMulti", values));
    ASSERT_EQ(2, values.GetSize());
    EXPECT_EQ("x", values[0]);
    EXPECT_EQ("yz", values[1]);
}

TEST_F(SECRegistryTest, EnumeratingIntoAShortBufferFails)
{
    WriteRaw("Enum", "Wide", REG_BINARY, "0123456789", 10);
    SECRegistry registry;
    ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
    ASSERT_TRUE(registry.Open("Enum"));
    CString strName;
    DWORD dwType = 0;
    BYTE small[4];
    DWORD cbSmall = sizeof small;
    EXPECT_FALSE(registry.EnumerateValues(0, strName, &dwType, small, &cbSmall));
    EXPECT_EQ(ERROR_MORE_DATA, registry.GetLastError());

    CByteArray data;
    ASSERT_TRUE(registry.EnumerateValues(0, strName, &dwType, data));
    EXPECT_EQ("Wide", strName);
    EXPECT_EQ(10, data.GetSize());
    EXPECT_TRUE(registry.EnumerateValues(0, strName));
    EXPECT_FALSE(registry.EnumerateValues(1, strName));
}

TEST_F(SECRegistryTest, DeleteKeyRecursesAndStopsAtKeysThatStay)
{
    SECRegistry registry;
    ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
    for (LPCTSTR psz : {"Tree\\A\\A1", "Tree\\A\\A2", "Tree\\B", "Tree\\C\\C1\\C11"})
        ASSERT_TRUE(registry.Create(psz));
    registry.Close();
    m_registry.DenyDelete(HKEY_CURRENT_USER, "Tree\\A\\A1");

    ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
    EXPECT_FALSE(registry.DeleteKey("Tree", TRUE));
    EXPECT_EQ(ERROR_ACCESS_DENIED, registry.GetLastError());
    // Everything that could go went; the refused key and its parents stay.
    EXPECT_TRUE(registry.Open("Tree\\A\\A1"));
    EXPECT_FALSE(registry.Open("Tree\\A\\A2"));
    EXPECT_FALSE(registry.Open("Tree\\B"));
    EXPECT_FALSE(registry.Open("Tree\\C"));

    ASSERT_TRUE(registry.Create("Other\\X\\Y"));
    ASSERT_TRUE(registry.Connect(HKEY_CURRENT_USER));
    EXPECT_TRUE(registry.DeleteKey("Other\\X", TRUE));
    EXPECT_TRUE(registry.Open("Other"));
    EXPECT_EQ(0u, registry.GetNumberOfSubkeys());
    registry.Close();
    EXPECT_EQ(0, m_registry.GetOpenKeyCount());
}

TEST_F(SECRegistryTest, AWholeRootIsNeverDeleted)
{
    SECRegistry registry;
    ASSERT_TRUE(registry.Connect(HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(registry.DeleteKey("", TRUE));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, registry.GetLastError());
    EXPECT_FALSE(registry.DeleteKey(nullptr));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, registry.GetLastError());
}

} // namespace
