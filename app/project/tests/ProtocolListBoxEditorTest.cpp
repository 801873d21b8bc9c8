#include "framework/Framework.h"
#include "app/project/ProtocolListBoxEditorLogic.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

class Rows : public IListBoxRows
{
public:
    struct Row { std::string text; DWORD_PTR data; };
    int GetCount() const override { return static_cast<int>(rows.size()); }
    CString GetText(int i) const override { return CString(rows.at(i).text.c_str()); }
    int InsertString(int i, const CString& text) override
    {
        if (i < 0 || i > GetCount())
            i = GetCount();
        rows.insert(rows.begin() + i, Row{static_cast<LPCTSTR>(text), 0});
        std::set<int> moved;
        for (int s : selected)
            moved.insert(s >= i ? s + 1 : s);
        selected = moved;
        return i;
    }
    void DeleteString(int i) override
    {
        rows.erase(rows.begin() + i);
        std::set<int> moved;
        for (int s : selected)
            if (s != i)
                moved.insert(s > i ? s - 1 : s);
        selected = moved;
        if (current >= GetCount())
            current = -1;
    }
    DWORD_PTR GetItemData(int i) const override { return rows.at(i).data; }
    void SetItemData(int i, DWORD_PTR d) override { rows.at(i).data = d; }
    BOOL IsMultipleSelection() const override { return multi; }
    int GetCurrent() const override { return current; }
    void SetCurrent(int i) override { current = i; }
    BOOL GetSel(int i) const override { return selected.count(i) ? TRUE : FALSE; }
    void SetSel(int i, BOOL b) override
    {
        if (b)
            selected.insert(i);
        else
            selected.erase(i);
    }
    int GetTopIndex() const override { return 0; }
    void SetTopIndex(int) override {}
    void SetRedraw(BOOL) override {}

    std::string Texts() const
    {
        std::string s;
        for (const Row& r : rows)
            s += "[" + r.text + "]";
        return s;
    }

    std::vector<Row> rows;
    std::set<int> selected;
    int current = -1;
    BOOL multi = FALSE;
};

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
        Rows rows;
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
    Rows rows;
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
