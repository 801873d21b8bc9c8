// A fresh folder of the host for one test, removed with its files after it;
// data files are written into it from header facts.
#pragma once

#include "framework/Portable.h"
#include "conversion/G7kHeader.h"

#include <string>
#include <vector>

class TestFolder
{
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder with its trailing separator.
    const std::string& Path() const { return m_path; }
    std::string Write(const std::string& name, const std::vector<BYTE>& bytes) const;
    std::string WriteText(const std::string& name, const std::string& text) const;
    bool Exists(const std::string& name) const;
    std::vector<std::string> Names() const;

private:
    std::string m_path;
};

// A data file of a version, with a plain header: data type "Res.", Vika,
// array 3, 4 channels, 100 records, one block of 2 entries.
G7kHeader SampleHeader(WORD nVersion);
