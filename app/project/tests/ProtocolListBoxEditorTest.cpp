#include "framework/Framework.h"
#include "app/project/ProtocolListBoxEditorLogic.h"
#include "mvc/controls/FakeListBoxRows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// A family whose dialog ends with a scripted code and text.
class ScriptedEditor : public CProtocolListBoxEditorLogic
{
public:
    int nResult = NO_DIALOG;
    const char* pszText = nullptr;
    std::string strSeenBefore;

protected:
    int RunEditDialog(int) override
    {
        strSeenBefore = static_cast<LPCTSTR>(m_strEditedText);
        if (pszText)
            m_strEditedText = pszText;
        return nResult;
    }
};

} // namespace

TEST(ProtocolListBoxEditor, EditsThroughTheFamilysDialog)
{
    const struct { const char* pszCase; int nResult; const char* pszText; const char* pszRows; } cases[] = {
        {"OK replaces the row", CProtocolListBoxEditorLogic::DIALOG_OK, "b2", "[a][b2]"},
        {"Cancel keeps it, empty rows go", 2, "ignored", "[a][b]"},
        {"no dialog edits nothing", CProtocolListBoxEditorLogic::NO_DIALOG, "ignored", "[a][b]"},
        {"OK with no text removes the row", CProtocolListBoxEditorLogic::DIALOG_OK, nullptr, "[a]"},
    };
    for (const auto& c : cases) {
        FakeListBoxRows rows;
        rows.rows = {{"a", 1}, {"b", 42}, {"", 0}};
        ScriptedEditor editor;
        editor.AttachRows(&rows);
        editor.SetEditorStyle(ListBoxEditorLogic::kNoTrailingRow);
        editor.m_strEditedText = "left over";
        editor.nResult = c.nResult;
        editor.pszText = c.pszText;
        rows.current = 1;
        EXPECT_TRUE(editor.EditCurrentItem(0)) << c.pszCase;
        EXPECT_EQ(c.pszRows, rows.Texts()) << c.pszCase;
        EXPECT_EQ("", editor.strSeenBefore) << c.pszCase << ": the edited text starts empty";
        if (rows.rows.size() > 1) {
            EXPECT_EQ(42u, rows.rows[1].data) << c.pszCase << ": the row keeps its data";
        }
        EXPECT_FALSE(editor.IsEditing()) << c.pszCase << ": the dialog ended the edit";
    }
}

TEST(ProtocolListBoxEditor, EditedRowJoinsAMultipleSelection)
{
    FakeListBoxRows rows;
    rows.multi = TRUE;
    rows.rows = {{"a", 0}, {"b", 0}, {"c", 0}};
    rows.selected = {0};
    ScriptedEditor editor;
    editor.AttachRows(&rows);
    editor.SetEditorStyle(ListBoxEditorLogic::kNoTrailingRow);
    editor.nResult = CProtocolListBoxEditorLogic::DIALOG_OK;
    editor.pszText = "c2";
    rows.current = 2;
    editor.EditCurrentItem(0);
    EXPECT_EQ("[a][b][c2]", rows.Texts());
    EXPECT_EQ((std::set<int>{0, 2}), rows.selected);
}

TEST(ProtocolListBoxEditor, TheEmptyRowForANewItemStaysAtTheEnd)
{
    const struct { const char* pszCase; int nResult; const char* pszRows; } cases[] = {
        {"a new item added", CProtocolListBoxEditorLogic::DIALOG_OK, "[a][b][c][]"},
        {"a new item cancelled", 2, "[a][b][]"},
    };
    for (const auto& c : cases) {
        FakeListBoxRows rows;
        rows.rows = {{"a", 0}, {"b", 0}, {"", 0}};
        ScriptedEditor editor;
        editor.AttachRows(&rows);
        editor.nResult = c.nResult;
        editor.pszText = "c";
        EXPECT_TRUE(editor.NewItem()) << c.pszCase;
        EXPECT_EQ(c.pszRows, rows.Texts()) << c.pszCase;
    }
}
