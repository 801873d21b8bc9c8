// Fuzz input as settings: one "section/key=value" per line, a value that
// starts with '#' being a number. What the readers of the profile meet when
// the registry holds anything at all.
#pragma once

#include "framework/MemoryProfileStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

inline void FillProfileFromFuzz(const uint8_t* data, size_t size, CMemoryProfileStore& store)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const size_t slash = line.find('/');
        const size_t equals = line.find('=', slash == std::string::npos ? 0 : slash);
        if (slash == std::string::npos || equals == std::string::npos)
            continue;
        const std::string section = line.substr(0, slash);
        const std::string key = line.substr(slash + 1, equals - slash - 1);
        const std::string value = line.substr(equals + 1);
        if (!value.empty() && value[0] == '#')
            store.WriteInt(section.c_str(), key.c_str(), static_cast<int>(std::strtoll(value.c_str() + 1, nullptr, 0)));
        else
            store.WriteString(section.c_str(), key.c_str(), value.c_str());
    }
}
