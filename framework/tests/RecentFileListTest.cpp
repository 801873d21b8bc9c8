// The recent-file list's keys in the profile, against the memory store.
#include "framework/Portable.h"
#include "framework/MemoryProfileStore.h"
#include "framework/RecentFileList.h"

#include <gtest/gtest.h>

namespace {

TEST(RecentFileListTest, ReadsNumberedEntriesUpToItsSizeAndSkipsGaps) {
  CMemoryProfileStore store;
  store.WriteString("Recent File List", "File1", "C:\\a.vkp");
  store.WriteString("Recent File List", "File3", "C:\\c.vkp");
  store.WriteString("recent file list", "FILE4", "C:\\d.vkp");
  store.WriteString("Recent File List", "File5", "C:\\beyond.vkp");
  store.WriteInt("Recent File List", "File2", 2);  // a number is no path
  CRecentFileList list(0, "Recent File List", "File%d", 4);
  list.ReadList(store);
  ASSERT_EQ(3, list.GetCount());
  EXPECT_STREQ("C:\\a.vkp", list[0]);
  EXPECT_STREQ("C:\\c.vkp", list[1]);
  EXPECT_STREQ("C:\\d.vkp", list[2]);
}

TEST(RecentFileListTest, WritingReplacesTheWholeSectionNewestFirst) {
  CMemoryProfileStore store;
  store.WriteString("Recent File List", "File9", "C:\\stale.vkp");
  store.WriteString("Settings", "PreviewPages", "1");
  CRecentFileList list(0, "Recent File List", "File%d", 2);
  list.Add("C:\\a.vkp");
  list.Add("C:\\b.vkp");
  list.Add("C:\\A.VKP");  // the same file moves to the front
  list.WriteList(store);
  EXPECT_EQ("Recent File List/File1=C:\\A.VKP\n"
            "Recent File List/File2=C:\\b.vkp\n"
            "Settings/PreviewPages=1\n",
            store.Dump());
}

}  // namespace
