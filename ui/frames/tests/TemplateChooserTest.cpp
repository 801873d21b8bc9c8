#include "framework/Portable.h"
#include "ui/frames/TemplateChooser.h"

#include <gtest/gtest.h>

namespace {

// Stand-ins for runtime classes and templates: only their addresses count.
const int kDoc = 0, kOtherDoc = 0, kView = 0, kOtherView = 0, kFrame = 0;
const int kA = 0, kB = 0, kC = 0;

TemplateFacts Facts(const void* pTemplate, const void* pDoc, const void* pView, UINT nID, const char* pszType = "G7K.Project")
{
    TemplateFacts t;
    t.pTemplate = pTemplate;
    t.pDocClass = pDoc;
    t.pViewClass = pView;
    t.pFrameClass = &kFrame;
    t.nIDResource = nID;
    t.strFileTypeId = pszType;
    return t;
}

TemplateQuery Query(const void* pOwn, const void* pDoc, const void* pView, UINT nFrameResource)
{
    TemplateQuery q;
    q.pDocTemplate = pOwn;
    q.pDocClass = pDoc;
    q.pViewClass = pView;
    q.pFrameClass = &kFrame;
    q.nFrameResource = nFrameResource;
    return q;
}

} // namespace

TEST(TemplateChooserTest, NarrowsUntilOneIsLeft)
{
    struct Case {
        const char* name;
        std::vector<TemplateFacts> templates;
        TemplateQuery query;
        const void* expected;
    };
    const Case cases[] = {
        {"one template answers whatever is asked", {Facts(&kA, &kDoc, &kView, 1)}, Query(&kB, &kOtherDoc, &kOtherView, 9), &kA},
        {"none", {}, Query(&kA, &kDoc, &kView, 1), nullptr},
        {"view class decides", {Facts(&kA, &kDoc, &kView, 1), Facts(&kB, &kDoc, &kOtherView, 1)}, Query(&kA, &kDoc, &kOtherView, 1), &kB},
        {"no template has the view", {Facts(&kA, &kDoc, &kView, 1), Facts(&kB, &kDoc, &kView, 2)}, Query(&kA, &kDoc, &kOtherView, 1), nullptr},
        {"same classes, told apart by the frame's resource", {Facts(&kA, &kDoc, &kView, 1), Facts(&kB, &kDoc, &kView, 2)}, Query(&kA, &kDoc, &kView, 2), &kB},
        {"resource shared, document class decides",
         {Facts(&kA, &kDoc, &kView, 1), Facts(&kB, &kOtherDoc, &kView, 1), Facts(&kC, &kDoc, &kView, 2)}, Query(&kA, &kOtherDoc, &kView, 1), &kB},
        {"still several: the document's own", {Facts(&kA, &kDoc, &kView, 1), Facts(&kB, &kDoc, &kView, 1)}, Query(&kB, &kDoc, &kView, 1), &kB},
        {"still several, own not among them: the first", {Facts(&kA, &kDoc, &kView, 1), Facts(&kB, &kDoc, &kView, 1)}, Query(&kC, &kDoc, &kView, 1), &kA},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, ChooseTemplate(c.templates, c.query));
    }
}

TEST(TemplateChooserTest, PositionAmongTheTemplatesOfOneFileType)
{
    std::vector<TemplateFacts> templates = {Facts(&kA, &kDoc, &kView, 1, "T1"), Facts(&kB, &kDoc, &kView, 2, "T2"),
                                            Facts(&kC, &kDoc, &kView, 3, "T1")};
    EXPECT_EQ(0, TemplateIndexOfType(templates, &kA, "T1"));
    EXPECT_EQ(1, TemplateIndexOfType(templates, &kC, "T1"));
    EXPECT_EQ(0, TemplateIndexOfType(templates, &kB, "T2"));
    EXPECT_EQ(-1, TemplateIndexOfType(templates, nullptr, "T1"));
    EXPECT_EQ(-1, TemplateIndexOfType(templates, &kDoc, "T1"));

    EXPECT_EQ(&kA, TemplateOfTypeAt(templates, "T1", 0));
    EXPECT_EQ(&kC, TemplateOfTypeAt(templates, "T1", 1));
    EXPECT_EQ(&kC, TemplateOfTypeAt(templates, "T1", 5)) << "past the end: the last of the type";
    EXPECT_EQ(nullptr, TemplateOfTypeAt(templates, "T3", 0));
}
