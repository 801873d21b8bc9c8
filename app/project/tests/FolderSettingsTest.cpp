// The folders' keys in the profile section "Folders", against the memory
// store.
#include "framework/Framework.h"
#include "app/project/FolderSettings.h"
#include "framework/MemoryProfileStore.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderSettings, SixFoldersWithTheSheetsDefaults)
{
    CMemoryProfileStore store;
    store.WriteString("Folders", "ImportData", "D:\\In\\");
    store.WriteString("FOLDERS", "install", "E:\\Emb\\");
    store.WriteInt("Folders", "VikaProtocols", 3);   // a number is not a folder
    CFolderSettings settings;
    settings.Load(store);

    const struct { CFolderSettings::Folder folder; const char* expected; } cases[] = {
        {CFolderSettings::WorkingDir, "C:\\GVX7000\\Projects\\"},
        {CFolderSettings::ImportData, "D:\\In\\"},
        {CFolderSettings::ConversionOutput, "C:\\GVX7000\\Data\\"},
        {CFolderSettings::Install, "E:\\Emb\\"},
        {CFolderSettings::VikaProtocols, "C:\\GVX7000\\Protocol\\"},
        {CFolderSettings::PolyvectProtocols, "C:\\GVX7000\\Polyvect\\"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, settings[c.folder]) << CFolderSettings::Key(c.folder);

    CMemoryProfileStore written;
    settings[CFolderSettings::WorkingDir] = "W";
    settings.Save(written);
    EXPECT_EQ("Folders/ConversionOutput=C:\\GVX7000\\Data\\\n"
              "Folders/ImportData=D:\\In\\\n"
              "Folders/Install=E:\\Emb\\\n"
              "Folders/PolyvectProtocols=C:\\GVX7000\\Polyvect\\\n"
              "Folders/VikaProtocols=C:\\GVX7000\\Protocol\\\n"
              "Folders/WorkingDir=W\n",
              written.Dump());
}

TEST(FolderSettings, OneFolderWithTheCallersDefault)
{
    CMemoryProfileStore store;
    EXPECT_STREQ("C:\\GVX7000\\Protocol", CFolderSettings::Read(store, "VikaProtocols", "C:\\GVX7000\\Protocol"));
    EXPECT_STREQ("", CFolderSettings::Read(store, "WorkingDir", nullptr));
    store.WriteString("Folders", "WorkingDir", "C:\\P");
    EXPECT_STREQ("C:\\P", CFolderSettings::Read(store, "workingdir", nullptr));
}

} // namespace
