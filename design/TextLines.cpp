#include "framework/Portable.h"
#include "design/TextLines.h"

#include "framework/FileReplacement.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace designtext {

bool ReadLines(const char* path, std::vector<std::string>& lines) {
  lines.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return false;
  std::string text((std::istreambuf_iterator<char>(in)),
                   std::istreambuf_iterator<char>());
  if (in.bad())
    return false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return true;
}

namespace {

bool WriteLinesTo(const char* path, const std::vector<std::string>& lines,
                  std::string_view lineEnd) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out)
    return false;
  for (const std::string& line : lines)
    out << line << lineEnd;
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace

bool WriteLines(const char* path, const std::vector<std::string>& lines) {
  return WriteLineFiles({{path, lines}});
}

bool WriteLineFiles(const std::vector<LineFile>& files,
                    std::string_view lineEnd) {
  CFileReplacement replacement;
  OsFile::Error error;
  for (const LineFile& file : files) {
    if (!replacement.Add(file.path.c_str(), error))
      return false;
    const CString& temp = replacement.GetTempPath(replacement.GetCount() - 1);
    if (!WriteLinesTo(temp, file.lines, lineEnd))
      return false;
  }
  return replacement.Commit(error);
}

void Scanner::SkipSpace() {
  while (pos_ < text_.size() &&
         (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' ||
          text_[pos_] == '\n' || text_[pos_] == '\v' || text_[pos_] == '\f'))
    ++pos_;
}

// Skips white space and one optional '+', which from_chars does not take.
const char* Scanner::NumberStart() {
  SkipSpace();
  size_t p = pos_;
  if (p < text_.size() && text_[p] == '+')
    ++p;
  return text_.data() + p;
}

template <class T>
bool Scanner::Integer(T& value) {
  const char* first = NumberStart();
  const char* last = text_.data() + text_.size();
  auto [next, ec] = std::from_chars(first, last, value);
  if (ec != std::errc())
    return false;
  pos_ = static_cast<size_t>(next - text_.data());
  return true;
}

bool Scanner::Int(int& value) { return Integer(value); }

bool Scanner::Long(long long& value) { return Integer(value); }

bool Scanner::Unsigned(unsigned& value) { return Integer(value); }

bool Scanner::Double(double& value) {
  const char* first = NumberStart();
  const char* last = text_.data() + text_.size();
  double parsed = 0;
  auto [next, ec] = std::from_chars(first, last, parsed, std::chars_format::general);
  if (ec != std::errc() || !std::isfinite(parsed))
    return false;
  value = parsed;
  pos_ = static_cast<size_t>(next - text_.data());
  return true;
}

bool Scanner::Char(char c) {
  if (pos_ < text_.size() && text_[pos_] == c) {
    ++pos_;
    return true;
  }
  return false;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  const char* ws = " \t\r\n\v\f";
  size_t first = text.find_first_not_of(ws);
  if (first == std::string_view::npos)
    return {};
  size_t last = text.find_last_not_of(ws);
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> SplitWords(std::string_view text,
                                         std::string_view separators) {
  std::vector<std::string_view> words;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t start = text.find_first_not_of(separators, pos);
    if (start == std::string_view::npos)
      break;
    size_t end = text.find_first_of(separators, start);
    if (end == std::string_view::npos)
      end = text.size();
    words.push_back(text.substr(start, end - start));
    pos = end;
  }
  return words;
}

std::string FormatFixed(double value, int width, int precision) {
  char buffer[400];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                 std::chars_format::fixed, precision);
  std::string text = ec == std::errc() ? std::string(buffer, end) : std::string("0");
  if (static_cast<int>(text.size()) < width)
    text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
  return text;
}

static char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

static bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i]))
      return false;
  return true;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  return suffix.size() <= text.size() &&
         EqualNoCase(text.substr(text.size() - suffix.size()), suffix);
}

size_t FindNoCase(std::string_view text, std::string_view needle) {
  if (needle.size() > text.size())
    return std::string_view::npos;
  for (size_t i = 0; i + needle.size() <= text.size(); ++i)
    if (EqualNoCase(text.substr(i, needle.size()), needle))
      return i;
  return std::string_view::npos;
}

}  // namespace designtext
