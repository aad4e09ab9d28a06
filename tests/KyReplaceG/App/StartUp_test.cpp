// The program's start-up in this process: the real Replace Task dialog comes
// before any window, over a stored plan (with backups, asking each time) and
// an Explorer selection of three files; once accepted the frame shows at its
// saved placement with the first question, and every question answered with
// Replace changes the files as asked, keeping the originals, and logs
// KyReplace's result lines.
#include "App/AppUnderTest.h"

#include "KyReplace/Gui/View/ReplaceViewResource.h"

#include <gtest/gtest.h>

#include <string>

using namespace apptest;

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(StartUp, TheTaskDialogComesFirstAndTheFrameShowsAtItsPlacement)
{
    const StartUp& start = StartOnce();
    ASSERT_TRUE(start.result) << (App().boxes.empty() ? "" : App().boxes.front()) << " dialog "
                              << start.dialogSeen << " frame " << (App().GetMainFrame() != nullptr);
    EXPECT_TRUE(start.dialogSeen);
    EXPECT_TRUE(Contains(start.dialogTitle, "Replace Task")) << start.dialogTitle;
    EXPECT_FALSE(start.windowVisibleDuringDialog);
    EXPECT_TRUE(Frame().IsWindowVisible());
    CRect placed;
    Frame().GetWindowRect(&placed);
    EXPECT_EQ(start.savedPlacement, placed);
    EXPECT_EQ(placed.Size(), Frame().GetMinTrackSize());
    EXPECT_TRUE(App().boxes.empty()) << App().boxes.front();
}

TEST(StartUp, EveryQuestionAnsweredWithReplaceChangesTheFilesWithBackups)
{
    const StartUp& start = StartOnce();
    ASSERT_TRUE(start.result);
    int questions = 0;
    while (WaitForQuestion()) {
        if (questions == 0) {
            EXPECT_TRUE(Contains(PaneText(IDC_KY_REPLACE_FILE), "a.txt"));
            EXPECT_EQ("a cat\n", PaneText(IDC_KY_REPLACE_BEFORE));
            Snapshot("KyReplaceG_first_question");
        }
        ++questions;
        Click(IDC_KY_REPLACE_ANSWER_REPLACE);
    }
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(4, questions);
    const char* const changed[] = {"a dog\n", "the dog sat\nno dogs\n", "dog and dog\n"};
    const char* const original[] = {"a cat\n", "the cat sat\nno dogs\n", "cat and cat\n"};
    for (size_t i = 0; i < start.files.size(); ++i) {
        EXPECT_EQ(changed[i], ReadFileText(start.files[i])) << start.files[i];
        EXPECT_EQ(original[i], ReadFileText(start.files[i] + ".bak")) << start.files[i];
    }
    const std::string log = PaneText(IDC_KY_REPLACE_LOG);
    EXPECT_TRUE(Contains(log, "a.txt: Made 1 replacement.")) << log;
    EXPECT_TRUE(Contains(log, "b.txt: Made 1 replacement.")) << log;
    EXPECT_TRUE(Contains(log, "c.txt: Made 2 replacements.")) << log;
    EXPECT_TRUE(Contains(log, "Made 4 replacements in 3 files.")) << log;
    EXPECT_FALSE(View().GetDocument()->IsModified());
    Snapshot("KyReplaceG_task_done");
}
