// Screenshots for people to look at: a window's pixels as a PNG file.
#pragma once

#include "framework/Types.h"

#include <string>
#include <vector>

// Uncompressed (stored) deflate: simple and always valid.
std::vector<unsigned char> EncodePng(int width, int height, const std::vector<unsigned char>& rgb);
BOOL WriteWindowPng(HWND hWnd, const std::string& path);
