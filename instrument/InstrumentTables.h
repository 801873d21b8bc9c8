// The instrument's fixed tables: its data folders, the import-all commands,
// the installable modules and the removable ones, with the rule that picks
// the command text of each dialect (probe reply "&": full forms, 0: short
// verbs) and the room an installation needs on the instrument's disk.
#pragma once

#include <cstddef>

// Data folders of the instrument; index 0 is its root.
struct InstrumentFolder {
    const char* name;
    const char* path;
};
constexpr int kInstrumentFolderCount = 6;
extern const InstrumentFolder kInstrumentFolders[kInstrumentFolderCount];

// The commands that make the instrument send every file of one kind.
struct ImportAllRow {
    const char* logName;
    const char* command;
};
constexpr int kImportAllRowCount = 4;
extern const ImportAllRow kImportAllRows[kImportAllRowCount];

struct ModuleRow {
    int bit;
    const char* shortVerb;
    const char* expandVerb;  // null for a protocol database
    const char* file;
    const char* fullCommand;
    const char* description;
};
constexpr int kModuleRowCount = 9;
// Ends with a row of bit 0.
extern const ModuleRow kModuleTable[kModuleRowCount + 1];

struct RemovalRow {
    int bit;
    const char* shortVerb;
    const char* longCommand;
    const char* logName;
};
constexpr int kRemovalRowCount = 7;
extern const RemovalRow kRemovalTable[kRemovalRowCount];

extern const char* const kDeleteArchivesFull;
extern const char* const kDeleteArchivesShort;

inline bool IsArchive(const ModuleRow& row) { return row.expandVerb != nullptr; }
inline const char* InstallCommand(const ModuleRow& row, bool full) { return full ? row.fullCommand : row.shortVerb; }
// The verb sent after the transfer; null when none is (the full dialect
// expands on its own).
inline const char* ExpandCommand(const ModuleRow& row, bool full) { return full ? nullptr : row.expandVerb; }
inline const char* DeleteArchivesCommand(bool full) { return full ? kDeleteArchivesFull : kDeleteArchivesShort; }
inline const char* RemovalCommand(const RemovalRow& row, bool full) { return full ? row.longCommand : row.shortVerb; }

// Room kept free on the instrument beyond the file itself.
constexpr long kInstallReserve = 32768;
inline long RequiredSpace(long fileSize) { return fileSize + kInstallReserve; }
inline bool HasRoomFor(long fileSize, long freeSpace) { return freeSpace >= RequiredSpace(fileSize); }
