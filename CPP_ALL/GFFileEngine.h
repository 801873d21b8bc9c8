// The file side of a transfer: expands a list of file names, opens, reads,
// writes and dates files. GFFileNative is the engine on the system's own
// files (Win32 in the shipping program, POSIX in the native build).
//
// Time convention: the date and time fields hold the file system's local
// time (what GetTime reads and SetTime writes). ZMODEM carries UTC seconds;
// FromUnixSeconds and ToUnixSeconds convert between the two with the zone
// rules (daylight saving included) of that date.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

class GFFileEngine {
 public:
  static constexpr int kMaxDepth = 8;  // subfolders searched below the start

  GFFileEngine() = default;
  virtual ~GFFileEngine() = default;
  GFFileEngine(const GFFileEngine&) = delete;
  GFFileEngine& operator=(const GFFileEngine&) = delete;

  // A list of names or patterns separated by "," or ";" (blanks belong to
  // names; a name in double quotes may hold any separator).
  virtual int SetFileList(const char* spec, int recurse);
  // Mode letters: "r" read an existing file, "w" create or truncate,
  // "a" read and write, created when missing, positioned at the end;
  // "x" with "w" creates a new file and fails when the name exists.
  virtual int Open(const char* name, const char* mode) = 0;
  virtual int Close() = 0;
  // The new position, or -953 / -954.
  virtual long Seek(long offset, int origin) = 0;
  virtual long Tell() = 0;
  virtual int SetTime() = 0;
  virtual int GetTime() = 0;
  virtual long GetSize() = 0;
  virtual bool NextFile();
  virtual int Write(const void* buffer, int n) = 0;
  virtual int Read(void* buffer, int n) = 0;
  virtual int PutChar(int c) = 0;
  virtual int GetChar(char* buffer) = 0;
  virtual int Flush() = 0;

  virtual void ResetSize() { m_size = -1; }
  virtual const char* GetName() { return m_name.c_str(); }
  // UTC seconds to the local date and time fields.
  virtual void FromUnixSeconds(long seconds);
  virtual void SetJulianDay(long jd);
  // The local date and time fields as UTC seconds; 0 for times before 1970.
  virtual long ToUnixSeconds();
  virtual long GetJulianDay();
  virtual void SetDateTime(int y, int mo, int d, int h, int mi, int s);
  virtual void GetDateTime(int& y, int& mo, int& d, int& h, int& mi, int& s);

  // Query-only: NextFile takes the next name as given and tells whether it
  // exists, without expanding patterns.
  void SetQueryOnly(bool on) { m_queryOnly = on; }
  virtual bool IsOpen() const = 0;
  virtual bool Exists(const char* name) = 0;
  // Renames a closed file, replacing one of the new name; 0 or a code.
  virtual int Rename(const char* from, const char* to) = 0;
  virtual int Remove(const char* name) = 0;

  // The next entry of the file list, or false at its end.
  bool NextSpec(std::string& entry);

 protected:
  // Appends the files a pattern names (folders skipped unless recursing).
  virtual void Expand(const std::string& pattern, bool recurse, std::vector<std::string>& out) = 0;

  int m_year = 1970, m_month = 1, m_day = 1, m_hour = 0, m_minute = 0, m_second = 0;
  long m_size = -1;
  bool m_recurse = false;
  bool m_queryOnly = false;
  std::string m_spec;
  size_t m_specPos = 0;
  std::string m_name;
  std::deque<std::string> m_pending;
};

// The platform's engine (a GFFileNative).
std::unique_ptr<GFFileEngine> GFMakeFileEngine();

// Where the name starts in a path: after the last "\" or "/", or else
// after a drive's ":"; the path itself when it has no folder part.
const char* GFNameInPath(const char* path);
