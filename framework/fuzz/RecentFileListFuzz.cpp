// The recent-file list read from any profile content: never more than its
// size, no empty names, and what it writes reads back the same.
#include "framework/Framework.h"
#include "framework/RecentFileList.h"
#include "framework/fuzz/ProfileFuzzInput.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CMemoryProfileStore store;
  FillProfileFromFuzz(data, size, store);
  CRecentFileList list(0, "Recent File List", "File%d", 4);
  list.ReadList(store);
  if (list.GetCount() > list.GetSize())
    std::abort();
  for (int i = 0; i < list.GetCount(); ++i)
    if (list[i].IsEmpty())
      std::abort();

  list.WriteList(store);
  CRecentFileList again(0, "Recent File List", "File%d", 4);
  again.ReadList(store);
  if (again.GetCount() != list.GetCount())
    std::abort();
  for (int i = 0; i < list.GetCount(); ++i)
    if (again[i] != list[i])
      std::abort();
  return 0;
}
