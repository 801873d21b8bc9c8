// The fuzz input as a file on disk, since the readers read files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Writes the bytes to a scratch file of this process (named with the
// extension) and returns its path.
std::string WriteFuzzFile(const uint8_t* data, size_t size,
                          const char* extension);
