// The progress dialog in the test front-end, driven through the progress
// channel by this program playing the console tool: what the release puts
// in the hand-off block, when the dialog shows and what it shows, the file
// questions and their "to all" answers, message boxes, the summary, and
// input from the channel that is not what it should be.
#include "FrontEndTestSupport.h"
#include "KyStd/Core/Errors.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

using namespace guitest;
namespace GP = Kyvant::GuiProgress;

namespace {

const int kFolderLine = 1040;
const int kFileLine = 1001;

std::string LineText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

DWORD FrontEndPid(const Script& script)
{
    const std::string log = WaitForLine(script, "start pid=");
    const size_t at = log.find("start pid=");
    return at == std::string::npos ? 0 : static_cast<DWORD>(std::stoul(log.substr(at + 10)));
}

// Ends the run as the tool does when it is done; the front-end's exit code.
DWORD Finish(ConsoleDouble& console)
{
    PostMessageA(console.Window(), GP::kDone, 0, 0);
    return console.FrontEnd().Wait(10000);
}

} // namespace

TEST(ProgressDialog, ReleaseNamesTheDialogAndShowsTheWorkWithinASecond)
{
    Scratch dir;
    Script script(dir);
    script("arg=-v")("arg=a b")("write")("release=run");
    ConsoleDouble console(dir, script);
    ASSERT_TRUE(console.Released()) << script.Log();

    EXPECT_EQ(console.Word(0), 1u) << "run flag";
    EXPECT_EQ(console.Word(8), 3u) << "argc";
    EXPECT_EQ(std::string(console.Strings(), 18), std::string("tool.exe\0-v\0a b\0\0", 18));
    const HWND dialog = console.Window();
    DWORD owner = 0;
    GetWindowThreadProcessId(dialog, &owner);
    EXPECT_EQ(owner, FrontEndPid(script)) << "the window is the front-end's";
    EXPECT_FALSE(IsWindowVisible(dialog)) << "nothing to show yet";
    // The front-end's handle works here: it runs, and later gives its exit code.
    const HANDLE frontEnd = console.FrontEndHandle();
    EXPECT_EQ(WaitForSingleObject(frontEnd, 0), static_cast<DWORD>(WAIT_TIMEOUT));

    EXPECT_EQ(console.Send(GP::kInit, 0, 0, "Display Name", "Display Name"), 0);
    EXPECT_EQ(WindowText(dialog), "Display Name");
    const std::string folder = "Z:\\projects\\kyvant\\a rather long folder name\\deeper "
                               "still\\and deeper\\and deeper again\\with yet more words in "
                               "it\\so that it cannot fit\\last\\";
    EXPECT_EQ(console.Send(GP::kStartFile, 0, 0, folder + "name.txt"), 0);
    EXPECT_LE(WaitVisible(dialog, 2500), 1600u) << "shows within about a second";
    EXPECT_EQ(LineText(dialog, kFileLine), "name.txt");
    const std::string shownFolder = LineText(dialog, kFolderLine);
    EXPECT_TRUE(Has(shownFolder, "...")) << shownFolder;
    EXPECT_EQ(shownFolder.rfind("Z:\\", 0), 0u) << shownFolder;
    EXPECT_TRUE(Has(shownFolder, "last\\")) << shownFolder;
    EXPECT_TRUE(SavePainted(dialog, "kyguitool_progress_dialog"));

    // A start folder names the folder and clears the file line.
    console.Send(GP::kStartFolder, 0, 0, "Z:\\other");
    EXPECT_EQ(LineText(dialog, kFolderLine), "Z:\\other");
    EXPECT_EQ(LineText(dialog, kFileLine), "");
    console.Send(GP::kStartFile, 0, 0, "Z:\\other\\second.txt");
    EXPECT_EQ(LineText(dialog, kFileLine), "second.txt");

    EXPECT_EQ(Finish(console), 0u);
    EXPECT_EQ(WaitForSingleObject(frontEnd, 0), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(frontEnd);
}

TEST(ProgressDialog, ShowsWithoutWorkOnlyWhenTheToolAsks)
{
    for (WPARAM guiFlag : {WPARAM(0), WPARAM(1)}) {
        SCOPED_TRACE(guiFlag);
        Scratch dir;
        Script script(dir);
        script("write")("release=run");
        ConsoleDouble console(dir, script);
        ASSERT_TRUE(console.Released());
        console.Send(GP::kInit, guiFlag, 0, "Tool");
        const DWORD shown = WaitVisible(console.Window(), 1800);
        if (guiFlag)
            EXPECT_LE(shown, 1600u);
        else
            EXPECT_GT(shown, 1800u);
        EXPECT_EQ(Finish(console), 0u);
    }
}

TEST(ProgressDialog, AttributeAndBinaryQuestionsKeepToAllAnswers)
{
    Scratch dir;
    Script script(dir);
    script("query=1003,1005,1002,1002,1003,1002")("write")("release=run");
    ConsoleDouble console(dir, script);
    ASSERT_TRUE(console.Released());
    console.Send(GP::kInit, 1, 0, "Tool");
    console.Send(GP::kStartFile, 0, 0, "Z:\\data\\a.txt");

    const DWORD hiddenReadOnly = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY;
    const struct {
        WPARAM kind;
        DWORD attributes;
        const char* path;
        LRESULT answer;
    } steps[] = {
        {GP::kAttributes, hiddenReadOnly, "Z:\\data\\a.txt", GP::kProcess},        // Yes to all
        {GP::kAttributes, hiddenReadOnly, "Z:\\data\\b.txt", GP::kProcess},        // not asked
        {GP::kAttributes, FILE_ATTRIBUTE_READONLY, "Z:\\data\\c.txt", GP::kSkip},  // No to all
        {GP::kAttributes, FILE_ATTRIBUTE_READONLY, "Z:\\data\\d.txt", GP::kSkip},  // not asked
        {GP::kAttributes, FILE_ATTRIBUTE_HIDDEN, "Z:\\data\\e.txt", GP::kProcess}, // Yes
        {GP::kBinaryFile, 0, "Z:\\data\\f.bin", GP::kProcess},                     // Yes
        {GP::kBinaryFile, 0, "Z:\\data\\g.bin", GP::kProcess},                     // Yes to all
        {GP::kBinaryFile, 0, "Z:\\data\\h.bin", GP::kProcess},                     // not asked
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.path);
        EXPECT_EQ(console.Send(GP::kQuery, s.kind, s.attributes, s.path), s.answer);
    }
    // A folder with the exclusive pair asks with the note, naming a folder.
    console.Send(GP::kStartFolder, 0, 0, "Z:\\data\\sub");
    EXPECT_EQ(
        console.Send(GP::kQuery, GP::kAttributes,
                     FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_ENCRYPTED,
                     "Z:\\data\\sub"),
        GP::kProcess);

    const std::vector<std::string> asked = Lines(script.Log(), "query ");
    ASSERT_EQ(asked.size(), 6u) << script.Log();
    const std::string fiveButtons = " buttons=1002,1003,1004,1005,2 ";
    EXPECT_TRUE(Has(asked[0], "caption=Tool label=The object: path=   Z:\\data\\a.txt "
                              "text=has the following attributes:\\n\\n   Hidden\\n   "
                              "Read-Only\\n\\nWould you like to process this file anyway?" +
                                  fiveButtons + "shellicon="))
        << asked[0];
    EXPECT_TRUE(Has(asked[1], "path=   Z:\\data\\c.txt text=has the following attributes:\\n\\n"
                              "   Read-Only\\n\\nWould"))
        << asked[1];
    EXPECT_TRUE(Has(asked[2], "path=   Z:\\data\\e.txt text=has the following attributes:\\n\\n"
                              "   Hidden\\n\\nWould"))
        << asked[2];
    for (int i : {3, 4})
        EXPECT_TRUE(Has(asked[i], "text=appears to be a binary file. Would you like to process "
                                  "this file anyway?" +
                                      fiveButtons))
            << asked[i];
    EXPECT_TRUE(
        Has(asked[5], "text=has the following attributes:\\n\\n   System\\n   Compressed\\n   "
                      "Encrypted\\n\\nWould you like to process this folder anyway? (Note: "
                      "Compressing or encrypting this folder implies removing encryption or "
                      "compression, respectively, because these two attributes are mutually "
                      "exclusive.)" +
                          fiveButtons))
        << asked[5];
    EXPECT_EQ(Finish(console), 0u);
}

TEST(ProgressDialog, ErrorQuestionsHaveNoToAllAndNoSilencesTheirKind)
{
    Scratch dir;
    Script script(dir);
    script("query=1004,1002,1002,2")("write")("release=run");
    ConsoleDouble console(dir, script);
    ASSERT_TRUE(console.Released());
    console.Send(GP::kInit, 1, 0, "Tool");

    const struct {
        WPARAM kind;
        DWORD code;
        LRESULT answer;
    } steps[] = {
        {GP::kSystemError, ERROR_FILE_NOT_FOUND, GP::kSkip}, // No: this kind is silenced
        {GP::kSystemError, ERROR_FILE_NOT_FOUND, GP::kSkip}, // not asked
        {GP::kSystemError, ERROR_ACCESS_DENIED, GP::kSkip},  // not asked either
        {GP::kRuntimeError, 2, GP::kSkip},                   // Yes: skipped, asked again later
        {GP::kRuntimeError, 13, GP::kSkip},                  // Yes
        {GP::kNotFileOrFolder, 0, GP::kCancel},              // Cancel
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::to_string(s.kind) + "/" + std::to_string(s.code));
        console.Send(GP::kStartFile, 0, 0, "Z:\\data\\gone.txt");
        EXPECT_EQ(console.Send(GP::kQuery, s.kind, s.code, "Z:\\data\\gone.txt"), s.answer);
    }
    const std::vector<std::string> asked = Lines(script.Log(), "query ");
    ASSERT_EQ(asked.size(), 4u) << script.Log();
    const std::string errorText = "text=cannot be processed due to the following error:\\n\\n   ";
    const std::string tail = "\\n\\nContinue reporting this type of error? buttons=1002,1004,2 "
                             "shellicon=0";
    EXPECT_TRUE(Has(asked[0], errorText + Kyvant::os_error(ERROR_FILE_NOT_FOUND).what() + tail))
        << asked[0];
    EXPECT_TRUE(Has(asked[1], errorText + std::strerror(2) + tail)) << asked[1];
    EXPECT_TRUE(Has(asked[2], errorText + std::strerror(13) + tail)) << asked[2];
    EXPECT_TRUE(Has(asked[3], "text=is not a file. Continue reporting this type of error? "
                              "buttons=1002,1004,2 shellicon=0"))
        << asked[3];
    // Cancel closed the dialog, the main window: the front-end ends.
    EXPECT_EQ(console.FrontEnd().Wait(10000), 0u);
}

TEST(ProgressDialog, ChannelTextsEndAtTheBlocksEnd)
{
    Scratch dir;
    Script script(dir);
    script("query=1002")("write")("release=run");
    ConsoleDouble console(dir, script);
    ASSERT_TRUE(console.Released());
    EXPECT_EQ(console.SendUnterminated(GP::kInit, 1, 0, 'N'), 0);
    EXPECT_EQ(WindowText(console.Window()), std::string(4096, 'N'));
    EXPECT_EQ(console.SendUnterminated(GP::kStartFolder, 0, 0, 'F'), 0);
    EXPECT_EQ(console.SendUnterminated(GP::kQuery, GP::kBinaryFile, 0, 'Q'), GP::kProcess);
    const std::vector<std::string> asked = Lines(script.Log(), "query ");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(Has(asked[0], " path=   ")) << asked[0].substr(4096);
    EXPECT_TRUE(Has(asked[0], "QQQ text=appears to be a binary file.")) << asked[0].substr(4096);
    EXPECT_EQ(Finish(console), 0u);
}

TEST(ProgressDialog, AQueryOfAnUnknownKindIsCancelledUnasked)
{
    for (WPARAM kind : {WPARAM(5), static_cast<WPARAM>(-1)}) {
        SCOPED_TRACE(kind);
        Scratch dir;
        Script script(dir);
        script("query=1002")("write")("release=run");
        ConsoleDouble console(dir, script);
        ASSERT_TRUE(console.Released());
        EXPECT_EQ(console.Send(GP::kQuery, kind, 0, "Z:\\x"), GP::kCancel);
        EXPECT_EQ(console.FrontEnd().Wait(10000), 0u) << "the cancel closed the dialog";
        EXPECT_TRUE(Lines(script.Log(), "query ").empty());
    }
}

TEST(ProgressDialog, BoxesAndQuestionsBeforeAnyWorkStandOnTheirOwn)
{
    Scratch dir;
    Script script(dir);
    script("box=2,1")("query=1002")("write")("release=run");
    ConsoleDouble console(dir, script);
    ASSERT_TRUE(console.Released());
    console.Send(GP::kInit, 0, 0, "Display Name");

    // Before any work the hidden dialog gives up the main window to the
    // question, and to nobody for a box.
    EXPECT_EQ(console.Send(GP::kMessageBox, MB_OKCANCEL | MB_ICONEXCLAMATION, 0, "Careful",
                           "Display Name"),
              IDCANCEL);
    EXPECT_EQ(console.Send(GP::kQuery, GP::kBinaryFile, 0, "Z:\\early.bin"), GP::kProcess);
    // Afterwards it is the main window again, with no WM_QUIT left: work
    // shows it, and the program lives on.
    console.Send(GP::kStartFile, 0, 0, "Z:\\later\\file.txt");
    EXPECT_LE(WaitVisible(console.Window(), 2500), 1600u);
    // Modality and desktop flags of the tool's type are not taken.
    EXPECT_EQ(console.Send(GP::kMessageBox, MB_ICONSTOP | MB_SYSTEMMODAL | MB_SERVICE_NOTIFICATION,
                           0, "Failed", "Display Name"),
              IDOK);

    const std::vector<std::string> boxes = Lines(script.Log(), "box ");
    ASSERT_EQ(boxes.size(), 2u) << script.Log();
    EXPECT_TRUE(Has(boxes[0], "box caption=Display Name type=49 text=Careful main=none "
                              "progress=hidden"))
        << boxes[0];
    EXPECT_TRUE(Has(boxes[1], "box caption=Display Name type=16 text=Failed main=window "
                              "progress=shown progressmain=1"))
        << boxes[1];
    const std::vector<std::string> asked = Lines(script.Log(), "query ");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(Has(asked[0], "owner=none ismain=1 main=window progress=hidden")) << asked[0];
    EXPECT_EQ(Finish(console), 0u);
}

TEST(ProgressDialog, SummaryIsABoxForTheStarterAndOtherwiseTheIndexingServiceMessage)
{
    const std::string summary = "Machine: My Computer\nCatalog: System\nNoise words were "
                                "replaced by wildcard characters in the content query.\n";
    {
        SCOPED_TRACE("started by the starter");
        Scratch dir;
        Script script(dir);
        script("write")("release=run");
        ConsoleDouble console(dir, script, {{"KYVANT_KYSTARTED", "1"}});
        ASSERT_TRUE(console.Released());
        console.Send(GP::kInit, 1, 0, "Finder");
        EXPECT_EQ(console.Send(GP::kSummary, 0x30, 0, summary, "Finder"), IDOK);
        const std::vector<std::string> boxes = Lines(script.Log(), "box ");
        ASSERT_EQ(boxes.size(), 1u) << script.Log();
        EXPECT_TRUE(Has(boxes[0], "box caption=Finder type=48 text=Machine: My Computer\\n"));
        EXPECT_EQ(Finish(console), 0u);
        EXPECT_TRUE(Has(script.Log(), "run returned message=\n")) << script.Log();
    }
    {
        SCOPED_TRACE("started by the tool");
        Scratch dir;
        Script script(dir);
        HoldEvent hold;
        script("hold=" + hold.Name())("write")("release=run")("statusbar");
        ConsoleDouble console(dir, script);
        ASSERT_TRUE(console.Released());
        console.Send(GP::kInit, 1, 0, "Finder");
        EXPECT_EQ(console.Send(GP::kSummary, 0x30, 0, summary, "Finder"), 0);
        EXPECT_TRUE(Lines(script.Log(), "box ").empty());
        PostMessageA(console.Window(), GP::kDone, 0, 0);
        const std::string log = WaitForLine(script, "hold statusbar");
        EXPECT_TRUE(Has(log, "run returned message=Machine: My Computer\\nCatalog: System\\n"))
            << log;
        // The pane shows the icon, enabled, with its tip.
        EXPECT_TRUE(Has(log, "pane icon=1 disabled=0 tip=View Indexing Service message text= "))
            << log;
        const std::vector<std::string> pane = Lines(log, "pane ");
        ASSERT_EQ(pane.size(), 1u);
        const HWND frame = reinterpret_cast<HWND>(
            static_cast<UINT_PTR>(std::stoul(pane[0].substr(pane[0].find("hwnd=") + 5))));
        EXPECT_TRUE(SavePainted(frame, "kyguitool_indexing_service_pane"));
        hold.Release();
        EXPECT_TRUE(Has(WaitForLine(script, "hold box"), "hold box"));
        hold.Release();
        EXPECT_EQ(console.FrontEnd().Wait(10000), 0u);
        // Command 54025 shows the message.
        const std::vector<std::string> boxes = Lines(script.Log(), "box ");
        ASSERT_EQ(boxes.size(), 1u) << script.Log();
        EXPECT_TRUE(Has(boxes[0], "type=48 text=Machine: My Computer\\nCatalog: System\\nNoise "));
    }
}

TEST(ProgressDialog, ClosedUnderAQuestionItEndsTheQuestionAndTheProgram)
{
    Scratch dir;
    Script script(dir);
    HoldEvent hold;
    script("hold=" + hold.Name())("query=1002")("write")("release=run");
    ConsoleDouble console(dir, script);
    ASSERT_TRUE(console.Released());
    // The tool waits for the answer while the question is held up.
    LRESULT answer = -2;
    std::thread tool([&] { answer = console.Send(GP::kQuery, GP::kBinaryFile, 0, "Z:\\a.bin"); });
    EXPECT_TRUE(Has(WaitForLine(script, "hold query"), "hold query"));
    PostMessageA(console.Window(), WM_CLOSE, 0, 0);
    Sleep(300);
    hold.Release();
    tool.join();
    EXPECT_EQ(answer, GP::kCancel);
    EXPECT_EQ(console.FrontEnd().Wait(10000), 0u);
}

TEST(ProgressDialog, TheToolIsReleasedOnce)
{
    Scratch dir;
    Script script(dir);
    script("write")("release=true")("release=true")("release=false");
    ConsoleDouble console(dir, script);
    ASSERT_TRUE(console.Released());
    EXPECT_EQ(console.FrontEnd().Wait(10000), 0u);
    EXPECT_TRUE(Has(script.Log(), "release=1\nrelease=0\nrelease=0\n")) << script.Log();
    EXPECT_EQ(console.Word(0), 1u);
}
