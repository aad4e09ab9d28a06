// What the Dir list's several selected rows get: select all and invert
// (enabled for a list of several selections), and deleting the selected
// files for good through the shell with Shift held, its box (when it asks)
// answered.
#include "FileList/FileListTestSupport.h"

#include "KyGuiTool/ResultList/ResultListResource.h"

#include <afxres.h>

#include <atomic>
#include <thread>

using namespace dirgtest;

namespace {

using DirFileListSelection = DirListTest;

// Presses the button in every visible dialog box of this process, from a
// thread of its own, since each box runs its own loop; the boxes' titles.
class BoxPresser {
public:
    explicit BoxPresser(int button) : m_button(button), m_thread([this] { Run(); }) {}
    ~BoxPresser() { Stop(); }
    BoxPresser(const BoxPresser&) = delete;
    BoxPresser& operator=(const BoxPresser&) = delete;

    Strings Stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_titles;
    }

private:
    static BOOL CALLBACK FindBox(HWND window, LPARAM found)
    {
        char className[16] = "";
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        GetClassNameA(window, className, sizeof className);
        if (process != GetCurrentProcessId() || std::string(className) != "#32770" ||
            !IsWindowVisible(window))
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    void Run()
    {
        while (!m_stop) {
            HWND box = nullptr;
            EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&box));
            if (box != nullptr) {
                char title[256] = "";
                GetWindowTextA(box, title, sizeof title);
                m_titles.push_back(title);
                PostMessageA(box, WM_COMMAND, MAKEWPARAM(m_button, BN_CLICKED), 0);
                while (!m_stop && IsWindow(box) && IsWindowVisible(box))
                    Sleep(10);
            }
            Sleep(10);
        }
    }

    int m_button;
    std::atomic<bool> m_stop{false};
    Strings m_titles;
    std::thread m_thread;
};

class ShiftHeld {
public:
    ShiftHeld()
    {
        GetKeyboardState(m_saved);
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
        SetKeyboardState(keys);
    }
    ~ShiftHeld() { SetKeyboardState(m_saved); }
    ShiftHeld(const ShiftHeld&) = delete;
    ShiftHeld& operator=(const ShiftHeld&) = delete;

private:
    BYTE m_saved[256];
};

} // namespace

TEST_F(DirFileListSelection, SelectAllAndInvertWorkOnSeveralRows)
{
    Add("C:\\F\\", {{"a"}, {"b"}, {"c"}, {"d"}});
    Select({1});
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(std::vector<int>({0, 1, 2, 3}), SelectedRows());
    Select({1, 2});
    Command(ID_KY_INVERT_SELECTION);
    EXPECT_EQ(std::vector<int>({0, 3}), SelectedRows());
    EXPECT_EQ(Strings({"a", "b", "c", "d"}), Column(FileListView::Name))
        << "the cells read during the selection commands stay right";
}

TEST_F(DirFileListSelection, ShiftDeleteRemovesTheSelectedFilesForGood)
{
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        kytest::WriteFile(folder + name, name);
    Add(folder, {{"a.txt"}, {"b.txt"}, {"c.txt"}});
    Select({0, 2});
    Strings titles;
    {
        ShiftHeld shift;
        BoxPresser yes(IDYES);
        Command(ID_EDIT_CLEAR);
        titles = yes.Stop();
    }
    EXPECT_LE(titles.size(), 1u) << "the shell asks once at most, for both files";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder + "a.txt").c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder + "c.txt").c_str()));
    EXPECT_EQ(Strings{"b.txt"}, Column(FileListView::Name));
    EXPECT_EQ(1u, finder->GetModel().GetItemCount());
}
