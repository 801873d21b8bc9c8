// What the import dialog decides without its window: the instrument's
// directory lines as tree rows, the check boxes of the folder tree (a click
// checks or unchecks every file below; a folder is checked, partly checked
// or unchecked by its children), the files to import, and the imported
// files offered to a conversion project. The tree is reached through
// IImportTree, which the dialog implements over its tree control.
#pragma once

#include <functional>
#include <string>
#include <vector>

// A file row of a "DIR" reply: "NAME SIZE DATE TIME", split at blanks and tabs.
struct DirEntry {
    std::string name;
    std::string size;
    std::string modified;  // date + " " + time
};
DirEntry ParseDirLine(const std::string& line);

enum CheckState { kUnchecked = 1, kChecked = 2, kPartlyChecked = 3 };

class IImportTree {
public:
    using Item = const void*;
    virtual ~IImportTree() = default;
    virtual Item Root() const = 0;  // first top-level item, or null
    virtual Item FirstChild(Item item) const = 0;
    virtual Item NextSibling(Item item) const = 0;
    virtual int GetCheck(Item item) const = 0;
    virtual void SetCheck(Item item, int state) = 0;
    virtual bool IsDisabled(Item item) const = 0;  // also when an ancestor is
    virtual bool IsFile(Item item) const = 0;
    virtual bool HasExistsMark(Item item) const = 0;
    virtual std::string Text(Item item) const = 0;
    virtual int FolderIndex(Item item) const = 0;
};

// A click on an item's check box: checks it and every file below when it
// was unchecked, else unchecks them; then every folder's state follows its
// children. Nothing for a disabled item.
void ToggleCheck(IImportTree& tree, IImportTree::Item item);
// Recomputes the state of every folder below the root from its children.
void UpdateCheckStates(IImportTree& tree);
// Calls visit for every file item (items without children) below start (or the root).
void ForEachFile(const IImportTree& tree, IImportTree::Item start,
                 const std::function<void(IImportTree::Item)>& visit);

// Adds path unless the list holds it already, in any letter case.
bool AddUnique(std::vector<std::string>& list, const std::string& path);
// The instrument paths of the checked files, each once; files already in
// the import folder only when overwrite is on.
std::vector<std::string> CollectSelectedFiles(const IImportTree& tree, bool overwrite);

// The files of a folder as they stand: name, size and time of writing.
class FolderSnapshot {
public:
    explicit FolderSnapshot(const std::string& folder);
    // The names of the folder's files that are new or rewritten since the
    // snapshot was taken: what an "Import All" brought.
    std::vector<std::string> ChangedFiles() const;

private:
    struct Entry {
        std::string name;
        unsigned long long size;
        long long written;
        bool operator==(const Entry& other) const
        {
            return name == other.name && size == other.size && written == other.written;
        }
    };
    static std::vector<Entry> Read(const std::string& folder);

    std::string m_folder;
    std::vector<Entry> m_entries;
};

// folder + "\" (unless it ends in one) + name.
std::string ImportFolderFile(const std::string& folder, const std::string& name);
// The imported ".G7K" files (any case) that exist in the import folder, in
// list order: what is offered to the conversion project.
std::vector<std::string> ConversionCandidates(const std::vector<std::string>& instrumentPaths,
                                              const std::string& importFolder,
                                              const std::function<bool(const std::string&)>& fileExists);
