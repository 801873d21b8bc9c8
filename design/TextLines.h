// Line-oriented text files and number scanning for the design files.
// Lines are read with LF or CR LF ends and written with CR LF; numbers are
// parsed and formatted in the C locale whatever the process locale is.
#pragma once
#include "framework/Portable.h"

#include <string>
#include <string_view>
#include <vector>

namespace designtext {

// Reads every line of a file; a trailing CR of each line is dropped.
// False when the file cannot be opened or read.
bool ReadLines(const char* path, std::vector<std::string>& lines);

// Writes each line followed by CR LF to a temporary file beside the target
// and moves it over the target, so a failed write leaves the old file.
bool WriteLines(const char* path, const std::vector<std::string>& lines);

// One file of a set that is written together.
struct LineFile {
  std::string path;
  std::vector<std::string> lines;
};
// Writes every file of the set, each line followed by lineEnd, under
// temporary names beside the targets, then replaces the targets together:
// either every target has its new lines or (false) every one is as it was.
bool WriteLineFiles(const std::vector<LineFile>& files,
                    std::string_view lineEnd = "\r\n");

// A cursor over one line of text, for the "%u %u"-style headers.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  void SkipSpace();
  // Signed decimal integer after optional white space, within int range.
  bool Int(int& value);
  bool Long(long long& value);
  // Unsigned decimal integer after optional white space (no sign).
  bool Unsigned(unsigned& value);
  // Decimal floating-point number after optional white space.
  bool Double(double& value);
  // The exact character c (no white space skipped).
  bool Char(char c);
  bool AtEnd() const { return pos_ >= text_.size(); }
  std::string_view Rest() const { return text_.substr(pos_); }
  size_t Position() const { return pos_; }

 private:
  const char* NumberStart();
  template <class T>
  bool Integer(T& value);

  std::string_view text_;
  size_t pos_ = 0;
};

bool IsBlank(char c);  // space or tab
std::string_view Trim(std::string_view text);
// Splits at any of the separator characters, dropping empty pieces.
std::vector<std::string_view> SplitWords(std::string_view text,
                                         std::string_view separators);

std::string FormatFixed(double value, int width, int precision);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
// Position of needle in text regardless of case, npos when absent.
size_t FindNoCase(std::string_view text, std::string_view needle);

}  // namespace designtext
