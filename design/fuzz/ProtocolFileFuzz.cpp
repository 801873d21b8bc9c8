// The protocol section reader, then a write and a second read that must
// give the same header, commands and command comments.
#include "framework/Portable.h"
#include "design/VikaProtocolFile.h"

#include <cstdlib>

#include "design/fuzz/FuzzFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteFuzzFile(data, size, ".ORG");
  CVikaProtocolFile file;
  if (!file.Read(path.c_str()))
    return 0;
  // Commands after a not-valid one are not written.
  int written = 0;
  while (written < file.m_commands.GetSize() &&
         file.m_commands[written].m_bValid)
    ++written;
  if (!file.Write(path.c_str()))
    return 0;
  CVikaProtocolFile again;
  if (!again.Read(path.c_str()) || again.m_nArrayCode != file.m_nArrayCode ||
      again.m_commands.GetSize() != written)
    std::abort();
  for (int i = 0; i < written; ++i)
    if (!(again.m_commands[i] == file.m_commands[i]) ||
        again.GetComment(3 + i) != file.GetComment(3 + i))
      std::abort();
  return 0;
}
