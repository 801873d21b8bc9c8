// Drives modal windows in the window tests as a user would: a script waits
// for a window whose caption begins with a text, then presses its buttons.
// Scripts nest: a script may push the script of the window its button opens.
#pragma once

#include "framework/Framework.h"

#include <functional>
#include <string>
#include <vector>

namespace windowscript {

// Dispatches what is queued, then the application's idle work.
void PumpMessages();

// Runs open() while a script waits for the window captioned pszCaption...;
// the test fails when the window never showed. Returns open()'s result.
int Drive(const char* pszCaption, std::function<void(HWND)> run, std::function<int()> open);
// The same for a window that may or may not show; whether it did.
bool DriveIfShown(const char* pszCaption, std::function<void(HWND)> run, std::function<int()> open);
// Queues a script for a window the running script is about to open.
void Expect(const char* pszCaption, std::function<void(HWND)> run);

void Click(HWND hDialog, int nId);
// As a user presses it: the message is queued, so a modal loop it starts
// does not run inside the caller.
void PostClick(HWND hDialog, int nId);
void SelectComboText(HWND hDialog, int nId, const char* pszText);
std::string ItemText(HWND hDialog, int nId);
// The rows of a list box as it shows them.
std::vector<std::string> ListBoxRows(HWND hList);

std::string ReadFile(const std::string& strPath);
void WriteFile(const std::string& strPath, const std::string& strText);
bool Exists(const std::string& strPath);
// An empty folder under the system's temporary folder, ending in "\".
std::string FreshFolder(const std::string& strName);

} // namespace windowscript
