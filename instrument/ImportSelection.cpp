#include "instrument/ImportSelection.h"

#include "instrument/InstrumentTables.h"
#include "framework/OsFile.h"
#include "framework/PathNames.h"

#include <algorithm>
#include <cctype>

namespace {

using Item = IImportTree::Item;

std::string Upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

void SetFilesBelow(IImportTree& tree, Item parent, int state)
{
    for (Item child = tree.FirstChild(parent); child; child = tree.NextSibling(child)) {
        if (tree.FirstChild(child))
            SetFilesBelow(tree, child, state);
        tree.SetCheck(child, state);
    }
}

// Sets the folder's state from its children (folders first) and returns it.
int UpdateFolder(IImportTree& tree, Item folder)
{
    int checked = 0;
    int total = 0;
    for (Item child = tree.FirstChild(folder); child; child = tree.NextSibling(child)) {
        const int state = tree.FirstChild(child) ? UpdateFolder(tree, child) : tree.GetCheck(child);
        if (state == kChecked) {
            ++checked;
            ++total;
        } else if (state == kPartlyChecked) {
            ++checked;
            total += 2;
        } else {
            ++total;
        }
    }
    if (total == 0)
        return tree.GetCheck(folder);
    const int state = checked == 0 ? kUnchecked : (checked < total ? kPartlyChecked : kChecked);
    tree.SetCheck(folder, state);
    return state;
}

void VisitFiles(const IImportTree& tree, Item first, const std::function<void(Item)>& visit)
{
    for (Item item = first; item; item = tree.NextSibling(item)) {
        if (Item child = tree.FirstChild(item))
            VisitFiles(tree, child, visit);
        else
            visit(item);
    }
}

std::string NameAfterLastBackslash(const std::string& path)
{
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

DirEntry ParseDirLine(const std::string& line)
{
    std::string tokens[4];
    size_t i = 0;
    for (std::string& token : tokens) {
        i = line.find_first_not_of(" \t\r", i);
        if (i == std::string::npos)
            break;
        const size_t end = line.find_first_of(" \t\r", i);
        token = line.substr(i, end == std::string::npos ? std::string::npos : end - i);
        i = end;
    }
    DirEntry entry{tokens[0], tokens[1], tokens[2]};
    if (!tokens[3].empty())
        entry.modified += " " + tokens[3];
    return entry;
}

void ToggleCheck(IImportTree& tree, Item item)
{
    if (!item || tree.IsDisabled(item))
        return;
    const int state = tree.GetCheck(item) == kUnchecked ? kChecked : kUnchecked;
    SetFilesBelow(tree, item, state);
    tree.SetCheck(item, state);
    UpdateCheckStates(tree);
}

void UpdateCheckStates(IImportTree& tree)
{
    for (Item item = tree.Root(); item; item = tree.NextSibling(item))
        if (tree.FirstChild(item))
            UpdateFolder(tree, item);
}

void ForEachFile(const IImportTree& tree, Item start, const std::function<void(Item)>& visit)
{
    VisitFiles(tree, start ? start : tree.Root(), visit);
}

bool AddUnique(std::vector<std::string>& list, const std::string& path)
{
    const std::string key = Upper(path);
    for (const std::string& entry : list)
        if (Upper(entry) == key)
            return false;
    list.push_back(path);
    return true;
}

std::vector<std::string> CollectSelectedFiles(const IImportTree& tree, bool overwrite)
{
    std::vector<std::string> files;
    ForEachFile(tree, nullptr, [&](Item item) {
        if (!tree.IsFile(item) || tree.GetCheck(item) != kChecked)
            return;
        if (tree.HasExistsMark(item) && !overwrite)
            return;
        const int folder = tree.FolderIndex(item);
        if (folder < 0 || folder >= kInstrumentFolderCount)
            return;
        AddUnique(files, std::string(kInstrumentFolders[folder].path) + tree.Text(item));
    });
    return files;
}

std::string ImportFolderFile(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

FolderSnapshot::FolderSnapshot(const std::string& folder) : m_folder(folder), m_entries(Read(folder)) {}

std::vector<FolderSnapshot::Entry> FolderSnapshot::Read(const std::string& folder)
{
    const DWORD dwDirectory = 0x10; // CFile::directory
    std::vector<Entry> entries;
    std::vector<OsFile::FindData> found;
    OsFile::Error error;
    if (!OsFile::FindFiles(WithSeparator(folder.c_str()) + "*", found, error))
        return entries;
    for (const OsFile::FindData& file : found)
        if (!(file.dwAttributes & dwDirectory))
            entries.push_back({file.strName.str(), file.nSize, static_cast<long long>(file.tLastWrite)});
    return entries;
}

std::vector<std::string> FolderSnapshot::ChangedFiles() const
{
    std::vector<std::string> changed;
    for (const Entry& entry : Read(m_folder))
        if (std::find(m_entries.begin(), m_entries.end(), entry) == m_entries.end())
            changed.push_back(entry.name);
    std::sort(changed.begin(), changed.end());
    return changed;
}

std::vector<std::string> ConversionCandidates(const std::vector<std::string>& instrumentPaths,
                                              const std::string& importFolder,
                                              const std::function<bool(const std::string&)>& fileExists)
{
    std::vector<std::string> candidates;
    for (const std::string& path : instrumentPaths) {
        const std::string name = NameAfterLastBackslash(path);
        const std::string candidate = ImportFolderFile(importFolder, name);
        if (Upper(name).find(".G7K") != std::string::npos && fileExists(candidate))
            candidates.push_back(candidate);
    }
    return candidates;
}
