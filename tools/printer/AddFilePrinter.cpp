// Installs the "G7K File Printer" in a Wine prefix and makes it the default:
// Wine's PostScript driver with our PPD, on a port that pipes each job into
// a command (print-to-file.sh). Run again, it only moves the printer to the
// port given. Usage: add-file-printer.exe PPD-PATH "|command"
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

char kPrinterName[] = "G7K File Printer";
char kPsDriver[] = "wineps.drv";
char kProcessor[] = "WinPrint";
char kDatatype[] = "RAW";

// Wine's spooler does not copy a data file given by a path of another
// drive, so the PPD goes into the driver folder first.
bool CopyIntoDriverFolder(const char* ppd, char* copy, DWORD size) {
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1,
                                  reinterpret_cast<BYTE*>(copy), size,
                                  &needed)) {
    std::fprintf(stderr, "GetPrinterDriverDirectory failed: %lu\n",
                 GetLastError());
    return false;
  }
  std::snprintf(copy + std::strlen(copy), size - std::strlen(copy),
                "\\G7KFILE.PPD");
  if (CopyFileA(ppd, copy, FALSE)) return true;
  std::fprintf(stderr, "cannot copy %s to %s: %lu\n", ppd, copy,
               GetLastError());
  return false;
}

bool AddDriver(const char* ppdSource) {
  char ppd[MAX_PATH] = "";
  if (!CopyIntoDriverFolder(ppdSource, ppd, sizeof ppd)) return false;
  DRIVER_INFO_3A driver = {};
  driver.cVersion = 3;
  driver.pName = kPrinterName;
  driver.pDriverPath = kPsDriver;
  driver.pDataFile = ppd;
  driver.pConfigFile = kPsDriver;
  if (AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                          APD_COPY_NEW_FILES))
    return true;
  std::fprintf(stderr, "AddPrinterDriverEx failed: %lu\n", GetLastError());
  return false;
}

bool MovePrinterTo(char* port) {
  HANDLE printer = nullptr;
  if (!OpenPrinterA(kPrinterName, &printer, nullptr)) return false;
  DWORD size = 0;
  GetPrinterA(printer, 2, nullptr, 0, &size);
  bool ok = false;
  std::vector<BYTE> buffer(size);
  if (size > 0 && GetPrinterA(printer, 2, buffer.data(), size, &size)) {
    auto* info = reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
    info->pPortName = port;
    info->pSecurityDescriptor = nullptr;
    ok = SetPrinterA(printer, 2, buffer.data(), 0) != FALSE;
  }
  ClosePrinter(printer);
  return ok;
}

bool AddOrMovePrinter(char* port) {
  PRINTER_INFO_2A info = {};
  info.pPrinterName = kPrinterName;
  info.pPortName = port;
  info.pDriverName = kPrinterName;
  info.pPrintProcessor = kProcessor;
  info.pDatatype = kDatatype;
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  if (HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info))) {
    ClosePrinter(printer);
    return true;
  }
  if (GetLastError() == ERROR_PRINTER_ALREADY_EXISTS && MovePrinterTo(port))
    return true;
  std::fprintf(stderr, "AddPrinter failed: %lu\n", GetLastError());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: add-file-printer PPD-PATH \"|command\"\n");
    return 2;
  }
  if (!AddDriver(argv[1]) || !AddOrMovePrinter(argv[2])) return 1;
  if (!SetDefaultPrinterA(kPrinterName)) {
    std::fprintf(stderr, "SetDefaultPrinter failed: %lu\n", GetLastError());
    return 1;
  }
  return 0;
}
