// Tests of the settings dialog's task document in a real modal loop: the
// records a save writes, what an open restores, files of the tool's part
// only, damaged files, the modified marks and the questions before changes
// are lost, recent files and the start-up load.
#include "KyGuiTool/Settings/KyBaseDialog.h"

#include "KyGuiTool/TaskFiles/TaskFilesResource.h"
#include "Settings/SettingsTestSupport.h"
#include "TaskFiles/ScratchFolder.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace settingstest;
using Strings = std::vector<std::string>;
using Recs = std::vector<Rec>;

const unsigned kTool = Kyvant::ToolDoc::ToolSettings;
const unsigned kAll = Kyvant::ToolDoc::AllSettings;

// How the next file dialog is answered, and what it showed.
struct FileAnswer {
    std::string path;
    bool ok = true;
    int choice = 0; // a radio button of the Save As dialog clicked first
    int shownChoice = 0;
    const char* screenshot = nullptr;
};

// The next file dialog gets the path typed in and OK (or Cancel) pressed.
void AnswerFileDialog(FileAnswer& answer)
{
    OnNextModalIdle([&answer](CWnd* hook) {
        HWND child = hook->m_hWnd;
        HWND dialog = ::GetParent(child);
        for (int id : {IDC_KY_SAVE_EVERYTHING, IDC_KY_SAVE_TOOL_ONLY}) {
            if (::IsDlgButtonChecked(child, id) == BST_CHECKED)
                answer.shownChoice = id;
        }
        if (answer.choice != 0)
            ::SendMessageA(::GetDlgItem(child, answer.choice), BM_CLICK, 0, 0);
        if (answer.screenshot != nullptr) {
            ::RedrawWindow(dialog, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            SaveWindowPng(dialog, answer.screenshot);
        }
        for (int id : {cmb13, edt1}) {
            if (::GetDlgItem(dialog, id) != nullptr)
                ::SetDlgItemTextA(dialog, id, answer.path.c_str());
        }
        const int button = answer.ok ? IDOK : IDCANCEL;
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
    });
}

void SaveAs(TestDialog& test, FileAnswer& answer)
{
    AnswerFileDialog(answer);
    test.Command(ID_KY_DOC_SAVE_AS);
}

void SaveAs(TestDialog& test, const std::string& path, int choice = IDC_KY_SAVE_EVERYTHING)
{
    FileAnswer answer;
    answer.path = path;
    answer.choice = choice;
    SaveAs(test, answer);
}

void Open(TestDialog& test, const std::string& path)
{
    FileAnswer answer;
    answer.path = path;
    AnswerFileDialog(answer);
    test.Command(ID_KY_DOC_OPEN);
}

std::string TaskFile(unsigned extent, const std::string& tool, const char* guid,
                     const std::string& search)
{
    return Header(extent) + Record(4, kConsoleProgram) + Record(5, kGuiProgram) +
           Record(6, "ignored") + Record(kToolRecord, tool) + Record(kPageGuidRecord, guid) +
           Record(kSearchRecord, search) + Record(1, "");
}

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH];
    ::GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return full;
}

// The task-document calls among the pages' calls.
Strings DocCalls(const Strings& log)
{
    Strings calls;
    for (const std::string& call : log) {
        if (call.find(":Doc") != std::string::npos || call.find(":record") != std::string::npos)
            calls.push_back(call);
    }
    return calls;
}

// The calls of one page (tool, files or plan).
Strings CallsOf(const Strings& log, const std::string& page)
{
    Strings calls;
    for (const std::string& call : log) {
        if (call.compare(0, page.size() + 1, page + ":") == 0)
            calls.push_back(call.substr(page.size() + 1));
    }
    return calls;
}

std::vector<std::string> RecentFiles(TestDialog& test)
{
    std::vector<std::string> files;
    for (const Kyvant::ky_F& file : test.dialog.GetRecentFiles())
        files.push_back(file.c_str());
    return files;
}

// The items of the File menu as the user sees them when it opens.
Strings FileMenu(HWND dialog)
{
    HMENU file = ::GetSubMenu(::GetMenu(dialog), 0);
    ::SendMessageA(dialog, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    Strings items;
    for (int i = 0; i < ::GetMenuItemCount(file); ++i) {
        char text[256] = "";
        ::GetMenuStringA(file, i, text, sizeof text, MF_BYPOSITION);
        const UINT id = ::GetMenuItemID(file, i);
        if (id != 0)
            items.push_back(std::to_string(id) + " " + text);
    }
    return items;
}

class TaskDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearAppKey();
        ClearHandoff();
        theApp.m_boxes.clear();
    }

    tasktest::ScratchFolder m_folder;
};

TEST_F(TaskDocument, SaveWritesHeaderProgramsCommandLineBothPartsAndTheEnd)
{
    const std::string path = m_folder["saved.kytst"];
    TestDialog test;
    std::string caption;
    Strings log;
    test.Run([&] {
        test.TypeTool("alpha");
        test.TypeFiles("*.txt");
        test.TakeLog();
        SaveAs(test, path);
        caption = test.Caption();
        log = test.TakeLog();
        test.Click(IDCANCEL);
    });
    EXPECT_EQ((Recs{{0, LittleEndian(0x5441534B, 4) + LittleEndian(0, 4) + LittleEndian(3, 4)},
                    {4, kConsoleProgram},
                    {5, kGuiProgram},
                    {6, "KyTest.exe alpha \"*.txt\""},
                    {kToolRecord, "alpha"},
                    {kPageGuidRecord, kGuidFiles},
                    {kSearchRecord, "*.txt"},
                    {1, ""}}),
              RecordsOf(path));
    EXPECT_EQ("saved.kytst - Test Task", caption);
    EXPECT_EQ((Strings{"tool:AllowOK", "tool:DocOnStartSave", "files:DocOnStartSave",
                       "files:DocOnFinishSave ok", "tool:DocOnFinishSave ok"}),
              log);
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(TaskDocument, OpenRestoresBothPartsAndNamesTheDialogAfterTheFile)
{
    const std::string path = m_folder["restored.kytst"];
    kytest::WriteFile(path, TaskFile(kAll, "restored tool", kGuidPlan, "restored plan"));
    TestDialog test;
    std::string tool, plan, caption;
    int page = -1;
    bool modified = true;
    Strings log;
    test.Run([&] {
        test.TakeLog();
        Open(test, path);
        tool = test.Tool().Text();
        plan = test.Tabs().Plan().Text();
        page = test.Tabs().GetActivePageIndex();
        caption = test.Caption();
        modified = test.dialog.DocIsModified();
        log = test.TakeLog();
        test.Click(IDCANCEL);
    });
    EXPECT_EQ("restored tool", tool);
    EXPECT_EQ("restored plan", plan);
    EXPECT_EQ(1, page);
    EXPECT_EQ("restored.kytst - Test Task", caption);
    EXPECT_FALSE(modified);
    EXPECT_EQ((Strings{"AllowCancel", "DocOnStartLoad", "record 1000 restored tool",
                       "DocOnFinishLoad ok"}),
              CallsOf(log, "tool"));
    EXPECT_EQ((Strings{"DocOnStartLoad", "record 200 restored plan", "DocOnFinishLoad ok"}),
              CallsOf(log, "plan"));
    EXPECT_TRUE(theApp.m_boxes.empty());
}

TEST_F(TaskDocument, AToolSettingsFileLoadsOnlyTheToolsRecords)
{
    const std::string path = m_folder["tool.kytst"];
    kytest::WriteFile(path, TaskFile(kTool, "tool only", kGuidPlan, "never read"));
    TestDialog test;
    BoxAnswers dropChanges({IDNO});
    std::string tool, files;
    int page = -1;
    Strings log;
    test.Run([&] {
        test.TypeFiles("kept");
        test.TakeLog();
        Open(test, path);
        tool = test.Tool().Text();
        files = test.Tabs().Files().Text();
        page = test.Tabs().GetActivePageIndex();
        log = test.TakeLog();
        test.Click(IDCANCEL);
    });
    EXPECT_EQ("tool only", tool);
    EXPECT_EQ("kept", files);
    EXPECT_EQ(0, page);
    EXPECT_TRUE(CallsOf(log, "files").empty());
    EXPECT_TRUE(CallsOf(log, "plan").empty());
}

TEST_F(TaskDocument, AfterSavingToolSettingsOnlySaveKeepsToThemAndOkStillPassesBothParts)
{
    const std::string path = m_folder["part.kytst"];
    TestDialog test;
    Recs afterSaveAs, afterSave;
    FileAnswer answer;
    answer.path = path;
    answer.choice = IDC_KY_SAVE_TOOL_ONLY;
    answer.screenshot = "task_file_save_as";
    const INT_PTR result = test.Run([&] {
        test.TypeTool("t1");
        test.TypeFiles("f1");
        SaveAs(test, answer);
        afterSaveAs = RecordsOf(path);
        test.TypeTool("t2");
        test.Command(ID_KY_DOC_SAVE);
        afterSave = RecordsOf(path);
        test.Click(IDOK);
    });
    EXPECT_EQ(IDC_KY_SAVE_EVERYTHING, answer.shownChoice);
    const std::string toolHeader = Header(kTool).substr(6);
    EXPECT_EQ((Recs{{0, toolHeader},
                    {4, kConsoleProgram},
                    {5, kGuiProgram},
                    {6, "KyTest.exe t1"},
                    {kToolRecord, "t1"},
                    {1, ""}}),
              afterSaveAs);
    EXPECT_EQ((Recs{{0, toolHeader},
                    {4, kConsoleProgram},
                    {5, kGuiProgram},
                    {6, "KyTest.exe t2"},
                    {kToolRecord, "t2"},
                    {1, ""}}),
              afterSave);
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((Strings{kConsoleProgram, "t2", "f1"}), HandoffStrings());
}

TEST_F(TaskDocument, NewAndOpenEndTheToolSettingsOnlyDocument)
{
    const std::string partial = m_folder["partial.kytst"];
    const std::string whole = m_folder["whole.kytst"];
    kytest::WriteFile(partial, TaskFile(kTool, "p", kGuidFiles, "p"));
    kytest::WriteFile(whole, TaskFile(kAll, "w", kGuidFiles, "w"));
    TestDialog test;
    BoxAnswers boxes;
    FileAnswer afterNew;
    afterNew.ok = false;
    unsigned extentAfterPartial = 0, extentAfterWhole = 0;
    test.Run([&] {
        Open(test, partial);
        test.TypeTool("p2");
        test.Command(ID_KY_DOC_SAVE);
        extentAfterPartial = static_cast<unsigned char>(RecordsOf(partial).at(0).payload[8]);
        Open(test, whole);
        test.TypeTool("w2");
        test.Command(ID_KY_DOC_SAVE);
        extentAfterWhole = static_cast<unsigned char>(RecordsOf(whole).at(0).payload[8]);
        Open(test, partial);
        test.Command(ID_KY_DOC_NEW);
        AnswerFileDialog(afterNew);
        test.Command(ID_KY_DOC_SAVE);
        test.Click(IDCANCEL);
    });
    EXPECT_EQ(kTool, extentAfterPartial);
    EXPECT_EQ(kAll, extentAfterWhole);
    EXPECT_EQ(IDC_KY_SAVE_EVERYTHING, afterNew.shownChoice) << "New ends the partial document";
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(TaskDocument, FilesThatAreNoTaskFilesAreRefusedBeforeThePagesHearOfThem)
{
    const std::string magic = LittleEndian(0x5441534B, 4) + LittleEndian(0, 4);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"a text file", "Not a task file, only some text.\r\n"},
        {"short header", std::string("\0\0\x0C\0", 4)},
        {"wrong magic",
         Record(0, LittleEndian(0x5441534C, 4) + LittleEndian(0, 8)) + Record(1, "")},
        {"header of 11 bytes", Record(0, magic + LittleEndian(3, 3)) + Record(1, "")},
        {"another record first", Record(4, "KyTest.exe") + Header(kAll) + Record(1, "")},
        {"no part of the settings", Record(0, magic + LittleEndian(4, 4)) + Record(1, "")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = m_folder["bad.kytst"];
        kytest::WriteFile(path, c.bytes);
        TestDialog test;
        BoxAnswers boxes;
        Strings log;
        std::string caption;
        test.Run([&] {
            test.TakeLog();
            Open(test, path);
            log = test.TakeLog();
            caption = test.Caption();
            test.Click(IDCANCEL);
        });
        EXPECT_EQ(Strings{"This file does not appear to be a valid Task File: " + FullPath(path)},
                  boxes.Texts());
        EXPECT_TRUE(DocCalls(log).empty()) << DocCalls(log).front();
        EXPECT_EQ(kTitle, caption);
        EXPECT_TRUE(RecentFiles(test).empty());
    }
}

TEST_F(TaskDocument, AFileWithoutItsEndFailsAfterThePagesStartedAndLeavesRecentFiles)
{
    const std::string path = m_folder["cut.kytst"];
    kytest::WriteFile(path, TaskFile(kAll, "first", kGuidFiles, "files"));
    TestDialog test;
    BoxAnswers boxes;
    Strings log, recentBefore, recentAfter;
    test.Run([&] {
        Open(test, path);
        recentBefore = RecentFiles(test);
        kytest::WriteFile(path, Header(kAll) + Record(kToolRecord, "cut") +
                                    Record(kPageGuidRecord, kGuidFiles) +
                                    Record(kSearchRecord, "cut files"));
        test.TakeLog();
        test.Command(ID_KY_RECENT_FILE_FIRST);
        log = test.TakeLog();
        recentAfter = RecentFiles(test);
        test.Click(IDCANCEL);
    });
    EXPECT_EQ(Strings{FullPath(path)}, recentBefore);
    EXPECT_TRUE(recentAfter.empty());
    EXPECT_EQ(Strings{"This file does not appear to be a valid Task File: " + FullPath(path)},
              boxes.Texts());
    EXPECT_EQ(
        (Strings{"AllowCancel", "DocOnStartLoad", "record 1000 cut", "DocOnFinishLoad failed"}),
        CallsOf(log, "tool"));
    EXPECT_EQ((Strings{"DocOnStartLoad", "record 200 cut files", "DocOnFinishLoad failed"}),
              CallsOf(log, "files"));
}

TEST_F(TaskDocument, OneRecordAfterTheEndIsReadAndNothingBeyond)
{
    const std::string start = Header(kAll) + Record(kToolRecord, "first") + Record(1, "");
    const struct {
        const char* name;
        std::string tail;
        bool loads;
    } cases[] = {
        {"records after the end", Record(kToolRecord, "second") + Record(kToolRecord, "third"),
         true},
        {"a damaged record after the end", Record(kToolRecord, "second").substr(0, 9), false},
        {"damage beyond the record after the end",
         Record(kToolRecord, "second") + std::string("\xE8\x03\xFF", 3), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = m_folder["tail.kytst"];
        kytest::WriteFile(path, start + c.tail);
        TestDialog test;
        BoxAnswers boxes;
        Strings log;
        test.Run([&] {
            test.TakeLog();
            Open(test, path);
            log = CallsOf(test.TakeLog(), "tool");
            test.Click(IDCANCEL);
        });
        EXPECT_EQ((Strings{"AllowCancel", "DocOnStartLoad", "record 1000 first",
                           c.loads ? "DocOnFinishLoad ok" : "DocOnFinishLoad failed"}),
                  log);
        EXPECT_EQ(c.loads ? 0u : 1u, boxes.Texts().size());
    }
}

TEST_F(TaskDocument, TypesFrom32768UpCountAsTheContainersAndAreSkipped)
{
    const std::string path = m_folder["high.kytst"];
    kytest::WriteFile(path, Header(kAll) + Record(0x8000, "low") + Record(0xFFFF, "high") +
                                Record(kToolRecord, "kept") + Record(1, ""));
    TestDialog test;
    Strings log;
    test.Run([&] {
        test.TakeLog();
        Open(test, path);
        log = CallsOf(test.TakeLog(), "tool");
        test.Click(IDCANCEL);
    });
    EXPECT_EQ((Strings{"AllowCancel", "DocOnStartLoad", "record 1000 kept", "DocOnFinishLoad ok"}),
              log);
}

TEST_F(TaskDocument, PageChangesMarkTheDocumentExceptDuringLoadSaveAndNew)
{
    const std::string path = m_folder["marks.kytst"];
    kytest::WriteFile(path, TaskFile(kAll, "loaded", kGuidFiles, "loaded files"));
    TestDialog test;
    BoxAnswers boxes({IDNO});
    std::vector<std::string> states;
    const auto state = [&] {
        states.push_back(std::to_string(test.dialog.DocIsModifiedTool()) +
                         std::to_string(test.dialog.DocIsModifiedFileSearch()));
    };
    test.Run([&] {
        state();
        Open(test, path);
        state();
        test.TypeTool("typed");
        state();
        test.Command(ID_KY_DOC_SAVE);
        state();
        test.TypeFiles("typed files");
        state();
        test.Command(ID_KY_DOC_NEW);
        state();
        test.Click(IDCANCEL);
    });
    EXPECT_EQ((Strings{"00", "00", "10", "00", "01", "00"}), states);
    EXPECT_EQ(Strings{"Save changes to " + FullPath(path) + "?"}, boxes.Texts());
}

// Each command meets a modified document and the given answer.
TEST_F(TaskDocument, NewOpenCancelAndOkAskBeforeChangesAreLost)
{
    const std::string other = m_folder["other.kytst"];
    kytest::WriteFile(other, TaskFile(kAll, "other", kGuidFiles, "other files"));
    const struct {
        const char* name;
        bool withFile;
        UINT command;
        int answer;
        const char* question;
        bool closes;
        const char* toolAfter;
    } cases[] = {
        {"New, no file, Cancel", false, ID_KY_DOC_NEW, IDCANCEL, "Save this Task?", false,
         "edited"},
        {"New, file, Cancel", true, ID_KY_DOC_NEW, IDCANCEL, "Save changes to", false, "edited"},
        {"New, file, No", true, ID_KY_DOC_NEW, IDNO, "Save changes to", false, ""},
        {"Open, file, Cancel", true, ID_KY_DOC_OPEN, IDCANCEL, "Save changes to", false, "edited"},
        {"Open, no file, No", false, ID_KY_DOC_OPEN, IDNO, "Save this Task?", false, "other"},
        {"Cancel, file, Cancel", true, IDCANCEL, IDCANCEL, "Save changes to", false, "edited"},
        {"Cancel, file, No", true, IDCANCEL, IDNO, "Save changes to", true, nullptr},
        {"OK, file, Yes", true, IDOK, IDYES, "Save changes to", true, nullptr},
        {"OK, no file", false, IDOK, IDOK, nullptr, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ClearAppKey();
        const std::string path = m_folder["asked.kytst"];
        kytest::WriteFile(path, TaskFile(kAll, "saved", kGuidFiles, "saved files"));
        TestDialog test;
        BoxAnswers boxes({c.answer, IDNO});
        std::string tool, caption;
        const INT_PTR result = test.Run([&] {
            if (c.withFile)
                Open(test, path);
            test.TypeTool("edited");
            if (c.command == ID_KY_DOC_OPEN)
                Open(test, other);
            else if (c.command == IDOK || c.command == IDCANCEL)
                test.Click(static_cast<int>(c.command));
            else
                test.Command(c.command);
            if (c.closes)
                return;
            tool = test.Tool().Text();
            caption = test.Caption();
            test.Click(IDCANCEL);
        });
        const Strings texts = boxes.Texts();
        if (c.question == nullptr) {
            EXPECT_EQ(Strings{}, texts);
        } else {
            ASSERT_FALSE(texts.empty());
            EXPECT_EQ(0u, texts[0].find(c.question)) << texts[0];
        }
        if (c.closes) {
            EXPECT_EQ(static_cast<INT_PTR>(c.command), result);
        } else {
            EXPECT_EQ(c.toolAfter, tool);
            if (c.answer == IDCANCEL) {
                EXPECT_EQ(c.withFile ? "asked.kytst - Test Task" : kTitle, caption);
            }
        }
        if (c.answer == IDYES) {
            EXPECT_EQ("edited", RecordsOf(path).at(4).payload);
        }
    }
}

TEST_F(TaskDocument, ShiftNewForgetsOnlyTheFileAndTheAcceleratorsRunTheCommands)
{
    const std::string path = m_folder["keys.kytst"];
    kytest::WriteFile(path, TaskFile(kAll, "from file", kGuidFiles, "files"));
    TestDialog test;
    std::string captionAfterShiftNew, toolAfterShiftNew, toolAfterNew;
    bool fileAfterShiftNew = true;
    Recs saved;
    Strings log;
    const auto press = [&](char key, bool shift) {
        HeldKeys keys(shift, true);
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, static_cast<WPARAM>(key), 1);
        PumpPending();
    };
    test.Run([&] {
        Open(test, path);
        test.TypeTool("edited");
        press('S', false);
        saved = RecordsOf(path);
        test.TakeLog();
        press('N', true);
        captionAfterShiftNew = test.Caption();
        toolAfterShiftNew = test.Tool().Text();
        fileAfterShiftNew = test.dialog.DocIsFile();
        log = test.TakeLog();
        press('N', false);
        toolAfterNew = test.Tool().Text();
        test.Click(IDCANCEL);
    });
    ASSERT_GE(saved.size(), 5u);
    EXPECT_EQ("edited", saved[4].payload) << "Ctrl+S saves";
    EXPECT_EQ(kTitle, captionAfterShiftNew);
    EXPECT_FALSE(fileAfterShiftNew);
    EXPECT_EQ("edited", toolAfterShiftNew);
    EXPECT_TRUE(DocCalls(log).empty()) << "the pages keep their settings";
    EXPECT_EQ("", toolAfterNew) << "Ctrl+N starts anew";
}

TEST_F(TaskDocument, SavingOverAReadOnlyFileReportsItAndLeavesTheFile)
{
    const std::string path = m_folder["locked.kytst"];
    const std::string original = TaskFile(kAll, "original", kGuidFiles, "files");
    kytest::WriteFile(path, original);
    TestDialog test;
    BoxAnswers boxes({IDOK, IDNO});
    bool modified = false;
    Strings log;
    test.Run([&] {
        Open(test, path);
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        test.TypeTool("changed");
        test.TakeLog();
        test.Command(ID_KY_DOC_SAVE);
        log = test.TakeLog();
        modified = test.dialog.DocIsModified();
        test.Click(IDCANCEL);
    });
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    const Strings texts = boxes.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ("Cannot modify read-only file:\n\n   " + FullPath(path), texts[0]);
    EXPECT_EQ(original, kytest::ReadFile(path));
    EXPECT_EQ((Strings{"tool:AllowOK", "tool:DocOnStartSave", "files:DocOnStartSave",
                       "files:DocOnFinishSave failed", "tool:DocOnFinishSave failed"}),
              log);
    EXPECT_TRUE(modified);
    EXPECT_EQ(Strings{"locked.kytst"}, m_folder.Files()) << "no file left beside it";
}

TEST_F(TaskDocument, RecentFilesKeepTheEightLatestMostRecentFirst)
{
    std::vector<std::string> paths;
    for (int i = 1; i <= 9; ++i) {
        paths.push_back(m_folder[(i == 9 ? "a&b" : "f" + std::to_string(i)) + ".kytst"]);
        kytest::WriteFile(paths.back(), TaskFile(kAll, std::to_string(i), kGuidFiles, ""));
    }
    TestDialog test;
    Strings emptyMenu, menu, menuAgain;
    std::string reopened;
    test.Run([&] {
        emptyMenu = FileMenu(test.Window());
        for (const std::string& path : paths)
            Open(test, path);
        menu = FileMenu(test.Window());
        menuAgain = FileMenu(test.Window());
        test.Command(ID_KY_RECENT_FILE_FIRST + 7);
        reopened = test.Caption();
        test.Click(IDCANCEL);
    });
    EXPECT_EQ(std::string("53792 Recent Files"), emptyMenu.at(4));
    const Strings expected = {"53793 &1 a&&b.kytst", "53794 &2 f8.kytst", "53795 &3 f7.kytst",
                              "53796 &4 f6.kytst",   "53797 &5 f5.kytst", "53798 &6 f4.kytst",
                              "53799 &7 f3.kytst",   "53800 &8 f2.kytst"};
    ASSERT_EQ(13u, menu.size());
    EXPECT_EQ(expected, Strings(menu.begin() + 4, menu.begin() + 12));
    EXPECT_EQ(menu, menuAgain);
    EXPECT_EQ("53784 &Cancel", menu.back());
    EXPECT_EQ("f2.kytst - Test Task", reopened);
    EXPECT_EQ(FullPath(paths[1]), RecentFiles(test).at(0)) << "the reopened file comes first";
}

TEST_F(TaskDocument, ARecentFileDeletedOnDiskLeavesTheListWhenChosen)
{
    const std::string gone = m_folder["gone.kytst"], kept = m_folder["kept.kytst"];
    kytest::WriteFile(kept, TaskFile(kAll, "kept", kGuidFiles, ""));
    kytest::WriteFile(gone, TaskFile(kAll, "gone", kGuidFiles, ""));
    TestDialog test;
    BoxAnswers boxes({IDOK, IDNO});
    Strings recent;
    std::string tool;
    test.Run([&] {
        Open(test, kept);
        Open(test, gone);
        test.TypeTool("unsaved");
        ::DeleteFileA(gone.c_str());
        test.Command(ID_KY_RECENT_FILE_FIRST);
        recent = RecentFiles(test);
        tool = test.Tool().Text();
        test.Click(IDCANCEL);
    });
    EXPECT_EQ(Strings{FullPath(kept)}, recent);
    EXPECT_EQ("unsaved", tool) << "nothing was asked or changed";
    const Strings texts = boxes.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_NE(std::string::npos, texts[0].find("gone.kytst")) << texts[0];
}

TEST_F(TaskDocument, TheStartUpLoadTakesTheLastFileUsedOnceAndOkStoresTheOpenFile)
{
    const std::string path = m_folder["last.kytst"];
    kytest::WriteFile(path, TaskFile(kAll, "from last", kGuidFiles, "last files"));
    SetLastFileUsed(path);
    std::string tool, caption, valueWhileOpen;
    bool modified = true;
    {
        TestDialog test;
        test.Run([&] {
            tool = test.Tool().Text();
            caption = test.Caption();
            modified = test.dialog.DocIsModified();
            valueWhileOpen = LastFileUsed();
            test.Click(IDOK);
        });
    }
    EXPECT_EQ("from last", tool);
    EXPECT_EQ("last.kytst - Test Task", caption);
    EXPECT_FALSE(modified);
    EXPECT_EQ("", valueWhileOpen);
    EXPECT_EQ(FullPath(path), LastFileUsed());
    {
        TestDialog test;
        test.Run([&] {
            caption = test.Caption();
            test.Click(IDCANCEL);
        });
    }
    EXPECT_EQ("last.kytst - Test Task", caption);
    EXPECT_EQ("", LastFileUsed()) << "Cancel leaves it emptied";
}

TEST_F(TaskDocument, OncePathPlansCameFromElsewhereOnlyAToolFileLoadsAtStartUp)
{
    const std::string whole = m_folder["whole.kytst"], tool = m_folder["tool.kytst"];
    kytest::WriteFile(whole, TaskFile(kAll, "whole", kGuidFiles, "whole files"));
    kytest::WriteFile(tool, TaskFile(kTool, "tool", kGuidFiles, "tool files"));
    for (const std::string& path : {whole, tool}) {
        SCOPED_TRACE(path);
        SetLastFileUsed(path);
        TestDialog test;
        test.Tabs().Files().fromElsewhere = true;
        std::string toolText, filesText;
        test.Run([&] {
            toolText = test.Tool().Text();
            filesText = test.Tabs().Files().Text();
            test.Click(IDCANCEL);
        });
        EXPECT_TRUE(test.dialog.IsPathPlanLoadedFromNonDocFile());
        EXPECT_EQ(path == tool ? "tool" : "", toolText);
        EXPECT_EQ("", filesText);
    }
}

} // namespace

namespace {

// A pipe whose other end never writes: a reader would wait for ever.
class SilentPipe {
public:
    SilentPipe()
        : m_name("\\\\.\\pipe\\kytest_task_file_" + std::to_string(GetCurrentProcessId()) + "_" +
                 std::to_string(++s_count)),
          m_server(CreateNamedPipeA(m_name.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 4096,
                                    4096, 0, nullptr))
    {
    }
    ~SilentPipe()
    {
        if (m_server != INVALID_HANDLE_VALUE)
            CloseHandle(m_server);
    }
    SilentPipe(const SilentPipe&) = delete;
    SilentPipe& operator=(const SilentPipe&) = delete;

    bool Ok() const { return m_server != INVALID_HANDLE_VALUE; }
    const std::string& Name() const { return m_name; }

private:
    static int s_count;
    std::string m_name;
    HANDLE m_server;
};

int SilentPipe::s_count = 0;

} // namespace

// A pipe or a device is no task file: it is refused before anything is
// read, at start-up (the dialog still shows; a pipe nobody writes to would
// keep it from ever showing) as when opened.
TEST_F(TaskDocument, APipeOrADeviceIsRefusedBeforeAnythingIsRead)
{
    const std::string invalid = "This file does not appear to be a valid Task File: ";
    {
        SilentPipe pipe;
        ASSERT_TRUE(pipe.Ok());
        SetLastFileUsed(pipe.Name());
        TestDialog test;
        BoxAnswers boxes;
        std::string caption;
        test.Run([&] {
            caption = test.Caption();
            test.Click(IDCANCEL);
        });
        EXPECT_EQ(Strings{invalid + FullPath(pipe.Name())}, boxes.Texts());
        EXPECT_EQ(kTitle, caption);
    }
    // Through the Open dialog, which takes a device's name.
    const std::string device = "NUL";
    TestDialog test;
    BoxAnswers boxes;
    Strings log;
    test.Run([&] {
        test.TakeLog();
        Open(test, device);
        log = test.TakeLog();
        test.Click(IDCANCEL);
    });
    EXPECT_EQ(Strings{invalid + FullPath(device)}, boxes.Texts());
    EXPECT_TRUE(DocCalls(log).empty()) << DocCalls(log).front();
    EXPECT_TRUE(RecentFiles(test).empty());
}
