#include "CPP_ALL/GFErrors.h"

const GFErrorEntry g_gfErrorTable[] = {
    {0, "Successful"},
    {-801, "General communication error"},
    {-802, "Communication link timed out"},
    {-803, "Not supported communication error"},
    {-805, "Communication buffer full"},
    {-828, "Could not open COM port"},
    {-829, "Could not close the COM port"},
    {-901, "User cancelled operation"},
    {-902, "Could not open a file for transfer"},
    {-903, "File read error during file transfer"},
    {-904, "File write error during file transfer"},
    {-905, "Could not close file after file transfer"},
    {-906, "File transfer error"},
    {-907, "Too many retries during file transfer"},
    {-908, "Too many errors during file transfer"},
    {-909, "File transfer timed out"},
    {-910, "File transfer receive EOF error"},
    {-911, "File transfer transmit EOF error"},
    {-912, "Error at end of transfer"},
    {-913, "Synchronization error"},
    {-914, "Remote cancelled file tranfer"},
    {-920, "Insufficient memory for file transfer"},
    {-931, "General file transfer error"},
    {-932, "No files sent. Check source/target folder."},
    {-32768, nullptr},
};

const char* GFLookupError(const GFErrorEntry* table, int code) {
  for (const GFErrorEntry* e = table; e->text; ++e)
    if (e->code == code) return e->text;
  return "*** Unknown error message ***";
}
