// CStdioFile's line readers over arbitrary bytes. The first byte picks the
// mode and the buffer size of the fgets-like reader; the rest is the file.
// Both readers must give back exactly the file's text: CR LF read as LF in
// text mode, and the string reader drops the CR before each line end.
#include "framework/Portable.h"
#include "framework/StdioFile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

const std::string& ScratchPath()
{
    static const std::string path =
        (std::filesystem::temp_directory_path() /
         ("g7k_stdiofile_fuzz_" + std::to_string(std::random_device()()) + ".txt"))
            .string();
    return path;
}

std::string TextModeView(const std::string& bytes)
{
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text += bytes[i];
    }
    return text;
}

// What the string reader should return: the lines without their ends.
std::string LinesOf(const std::string& text)
{
    std::string lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines += text.substr(start) + '|';
            break;
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines += line + '|';
        start = end + 1;
    }
    return lines;
}

std::string ReadLines(const char* path, UINT mode)
{
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | mode))
        std::abort();
    std::string lines;
    CString line;
    while (file.ReadString(line))
        lines += std::string(line.GetString(), (size_t)line.GetLength()) + '|';
    return lines;
}

// The fgets-like reader, in pieces of at most `size` - 1 bytes.
std::string ReadPieces(const char* path, UINT mode, UINT size, const std::string& text)
{
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | mode))
        std::abort();
    std::string all;
    std::string buffer(size, 'x');
    while (file.ReadString(&buffer[0], size)) {
        // A piece ends at its first "\n" or at the buffer's end; NULs of
        // the file stay inside it, so take its length from the text.
        size_t left = text.size() - all.size();
        size_t n = std::min<size_t>(size - 1, left);
        size_t newline = text.find('\n', all.size());
        if (newline != std::string::npos && newline < all.size() + n)
            n = newline - all.size() + 1;
        if (n == 0 || buffer[n] != '\0' || std::string(buffer.data(), n) != text.substr(all.size(), n))
            std::abort();
        all.append(buffer.data(), n);
    }
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string& path = ScratchPath();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    const bool binary = data[0] & 1;
    const UINT mode = binary ? CFile::typeBinary : CFile::typeText;
    const UINT pieceSize = 1 + (data[0] >> 1);  // 1 reads nothing
    const std::string text = binary ? bytes : TextModeView(bytes);
    if (ReadLines(path.c_str(), mode) != LinesOf(text))
        std::abort();
    if (pieceSize > 1 && ReadPieces(path.c_str(), mode, pieceSize, text) != text)
        std::abort();
    return 0;
}
