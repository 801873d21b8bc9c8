// The compile-log reading on any text: whatever the lines, the fields are
// found without reading out of bounds, and the body never has more numbered
// lines than the input had.
#include "framework/Portable.h"
#include "app/dialogs/CompileLog.h"

#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<CString> lines;
    std::string line;
    for (size_t i = 0; i < size; ++i) {
        const char ch = static_cast<char>(data[i]);
        if (ch == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.emplace_back(line.c_str());
            line.clear();
        } else if (ch != '\0') {
            line += ch;
        }
    }
    if (!line.empty())
        lines.emplace_back(line.c_str());

    CCompileLog log;
    log.Parse(lines);
    int nNumbered = 0;
    for (int i = 0; i < log.m_strBody.GetLength(); ++i)
        nNumbered += log.m_strBody[i] == '\n' ? 1 : 0;
    if (nNumbered > static_cast<int>(lines.size()))
        std::abort();
    if (log.Caption("x").IsEmpty() || log.m_strResult.GetLength() > static_cast<int>(size))
        std::abort();
    return 0;
}
