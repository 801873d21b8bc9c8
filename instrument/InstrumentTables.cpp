#include "instrument/InstrumentTables.h"

const InstrumentFolder kInstrumentFolders[kInstrumentFolderCount] = {
    {"<Root>", "C:\\"},
    {"SP", "C:\\DATA\\SP\\"},
    {"Resistivity", "C:\\DATA\\RES\\"},
    {"IP", "C:\\DATA\\IP\\"},
    {"Log. Data", "C:\\DATA\\LOG\\"},
    {"Testing", "C:\\TEST\\"},
};

const ImportAllRow kImportAllRows[kImportAllRowCount] = {
    {"SP data", "TXS"},
    {"Resistivity data", "TXR"},
    {"IP data", "TXI"},
    {"Log data", "TXG"},
};

const ModuleRow kModuleTable[kModuleRowCount + 1] = {
    {0x1, "INS", "XPC", "DEZUDEZ.EXE", "INS DEZUDEZ.EXE", "Basic System Software"},
    {0x2, "INS", "XPX", "STDZIP.EXE", "INS STDZIP.EXE", "Standard Operation Software"},
    {0x4, "INS", "XPV", "VIKAZIP.EXE", "INS VIKAZIP.EXE", "Vika Imaging System Software"},
    {0x8, "INS", "XPP", "PVZIP.EXE", "INS PVZIP.EXE", "Polyvect System Software"},
    {0x10, "INS", "XPR", "RMCZIP.EXE", "INS RMCZIP.EXE", "Remote Control Software"},
    {0x20, "KSP", nullptr, "PROTOCOL.BIN", "INS PROTOCOL.BIN", "Vika Protocols (PROTOCOL.BIN)"},
    {0x40, "PVP", nullptr, "POLYVECT.BIN", "INS POLYVECT.BIN", "Polyvect Protocols (POLYVECT.BIN)"},
    {0x80, "INS", "XVT", "VTESTZIP.EXE", "INS VTESTZIP.EXE", "KS Test Software"},
    {0x100, "INS", "XPG", "LOGZIP.EXE", "INS LOGZIP.EXE", "GVXLOG 200/300 Software"},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr},
};

const RemovalRow kRemovalTable[kRemovalRowCount] = {
    {0x1, "RMS", "DEL G7K.EXE", "Standard Operation Software..."},
    {0x2, "RMV", "DEL G7KVIKA.EXE PROTOCOL.BIN", "Vika Imaging System..."},
    {0x4, "RMP", "DEL G7KPV.EXE POLYVECT.BIN", "Polyvect System..."},
    {0x8, "RMG", "DEL G7KLOG.EXE", "GVXLOG 200/300..."},
    {0x10, "RMR", "DEL G7KR.EXE", "Remote Control..."},
    {0x20, "RMT", "DEL *TEST.EXE", "Test Programs..."},
    {0x40, "RMX", "DEL *.XYZ", "*.XYZ files..."},
};

const char* const kDeleteArchivesFull = "DEL G7KZIP.EXE VIKAZIP.EXE PVZIP.EXE RMCZIP.EXE";
const char* const kDeleteArchivesShort = "RMZ";
