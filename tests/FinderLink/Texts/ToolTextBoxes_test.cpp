// A tool's texts in real message boxes, answered by another thread: a burst
// of posted texts never opens a second box while one is up; the texts that
// came meanwhile are shown together in the next box, and every one of them
// is listed or counted, also those a full queue refused.
#include "FinderLink/Texts/ToolTextBoxes.h"

#include "FinderLink/Task/FramePost.h"
#include "FinderLink/Task/PostText.h"
#include "FinderLink/Task/TaskWords.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Kyvant::FinderLink::ShowToolText;

const unsigned kBurst = 2000;
const int kMessageTextId = 0xFFFF;
// The posted messages a thread's queue holds on Windows by default.
const LONG kWindowsQueueLimit = 10000;

// Windows' limit of the posted messages waiting in a thread's queue, which
// Wine does not enforce (it takes millions): while the object lives, the
// texts are posted through it, and a post is refused while the limit's
// number of them wait. Posts and the texts' window run on the test's thread.
class QueueQuota {
public:
    explicit QueueQuota(LONG limit) : m_old(Kyvant::FinderLink::SetFramePost(&Post))
    {
        s_limit = limit;
        s_waiting = 0;
    }
    ~QueueQuota()
    {
        Kyvant::FinderLink::SetFramePost(m_old);
        s_limit = 0;
    }
    QueueQuota(const QueueQuota&) = delete;
    QueueQuota& operator=(const QueueQuota&) = delete;

    // The window has taken a text from the queue.
    static void Taken()
    {
        if (s_waiting > 0)
            --s_waiting;
    }

private:
    static BOOL WINAPI Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (s_waiting >= s_limit) {
            SetLastError(ERROR_NOT_ENOUGH_QUOTA);
            return FALSE;
        }
        if (!PostMessageA(window, message, wParam, lParam))
            return FALSE;
        ++s_waiting;
        return TRUE;
    }

    static inline LONG s_limit = 0;
    static inline LONG s_waiting = 0;
    Kyvant::FinderLink::FramePostFunction m_old;
};

LRESULT CALLBACK TextWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == Kyvant::FinderLink::kTextMessage) {
        QueueQuota::Taken();
        ShowToolText(reinterpret_cast<Kyvant::ky_S*>(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A window of this thread that shows the texts sent to it.
class TextWindow {
public:
    TextWindow()
    {
        WNDCLASSA type = {};
        type.lpfnWndProc = &TextWindowProc;
        type.hInstance = GetModuleHandleA(nullptr);
        type.lpszClassName = "KyTestToolTexts";
        RegisterClassA(&type);
        m_window = CreateWindowExA(0, type.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                   nullptr, type.hInstance, nullptr);
    }
    ~TextWindow()
    {
        if (m_window)
            DestroyWindow(m_window);
    }
    TextWindow(const TextWindow&) = delete;
    TextWindow& operator=(const TextWindow&) = delete;

    HWND Get() const { return m_window; }

private:
    HWND m_window;
};

void PostNumberedTexts(HWND window, unsigned count)
{
    for (unsigned i = 1; i <= count; ++i)
        Kyvant::FinderLink::PostText(window, ("text " + std::to_string(i)).c_str());
}

// Answers this process's message boxes with OK from a thread of its own,
// keeping their texts and the most boxes seen up together.
class BoxAnswerer {
public:
    BoxAnswerer() : m_stop(false), m_mostAtOnce(0)
    {
        m_thread = CreateThread(nullptr, 0, &BoxAnswerer::Run, this, 0, nullptr);
    }
    ~BoxAnswerer() { Finish(); }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    // Stops the answering thread.
    void Finish()
    {
        if (!m_thread)
            return;
        m_stop = true;
        WaitForSingleObject(m_thread, 10000);
        CloseHandle(m_thread);
        m_thread = nullptr;
    }
    // Once the answering thread has finished.
    const std::vector<std::string>& Texts() const { return m_texts; }
    int MostAtOnce() const { return m_mostAtOnce; }

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM data)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (pid == GetCurrentProcessId() && IsWindowVisible(window) &&
            lstrcmpA(name, "#32770") == 0 && GetDlgItem(window, kMessageTextId))
            reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
        return TRUE;
    }
    static DWORD WINAPI Run(void* self)
    {
        static_cast<BoxAnswerer*>(self)->Answer();
        return 0;
    }
    void Answer()
    {
        while (!m_stop) {
            std::vector<HWND> boxes;
            EnumWindows(&Collect, reinterpret_cast<LPARAM>(&boxes));
            if (static_cast<int>(boxes.size()) > m_mostAtOnce)
                m_mostAtOnce = static_cast<int>(boxes.size());
            if (boxes.empty()) {
                Sleep(20);
                continue;
            }
            char text[8192] = "";
            GetDlgItemTextA(boxes.front(), kMessageTextId, text, sizeof text);
            m_texts.push_back(text);
            PostMessageA(GetDlgItem(boxes.front(), IDOK), BM_CLICK, 0, 0);
            for (int i = 0; i < 500 && IsWindow(boxes.front()); ++i)
                Sleep(10);
        }
    }

    std::atomic<bool> m_stop;
    HANDLE m_thread;
    std::vector<std::string> m_texts;
    int m_mostAtOnce;
};

// The boxes' texts, in order, once the queue was served and every box
// answered, and the most boxes up together.
struct Shown {
    std::vector<std::string> texts;
    int mostAtOnce = 0;
};

Shown ServeAnswering()
{
    BoxAnswerer answerer;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    answerer.Finish();
    Shown shown;
    shown.mostAtOnce = answerer.MostAtOnce();
    shown.texts = answerer.Texts();
    return shown;
}

// How many of the numbered texts the boxes list and count; each listed text
// must be the next in order, the counted ones taking their numbers.
unsigned ListedOrCounted(const std::vector<std::string>& texts)
{
    unsigned listed = 0, counted = 0, next = 1;
    for (const std::string& text : texts) {
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            const std::string line = text.substr(start, end - start);
            start = end + 2;
            if (line.compare(0, 5, "text ") == 0) {
                EXPECT_EQ("text " + std::to_string(next), line);
                ++listed;
                ++next;
            } else if (line.compare(0, 8, "... and ") == 0) {
                const unsigned more = std::strtoul(line.c_str() + 8, nullptr, 10);
                counted += more;
                next += more;
            } else {
                ADD_FAILURE() << line;
            }
        }
    }
    return listed + counted;
}

TEST(ToolTextBoxes, ABurstOfTextsShowsOneBoxAtATimeAndEveryTextIsListedOrCounted)
{
    TextWindow window;
    ASSERT_NE(nullptr, window.Get());
    PostNumberedTexts(window.Get(), kBurst);
    const Shown shown = ServeAnswering();

    EXPECT_EQ(1, shown.mostAtOnce);
    ASSERT_GE(shown.texts.size(), 2u);
    EXPECT_LE(shown.texts.size(), 20u);
    EXPECT_EQ("text 1", shown.texts.front());
    EXPECT_EQ(kBurst, ListedOrCounted(shown.texts));
}

// The queue holds as many texts as it takes; those posted beyond are refused
// and counted in the box after the first.
TEST(ToolTextBoxes, TextsAFullQueueRefusedAreCountedInTheNextBox)
{
    const struct {
        LONG limit;
        unsigned posted;
        size_t boxes;
    } cases[] = {
        {kWindowsQueueLimit, kWindowsQueueLimit + 5, 2}, // a flood fills the queue
        {1, 3, 2}, // two refused while no box is up: a box of their own
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.posted) + " posted, limit " + std::to_string(c.limit));
        TextWindow window;
        ASSERT_NE(nullptr, window.Get());
        Shown shown;
        {
            QueueQuota quota(c.limit);
            PostNumberedTexts(window.Get(), c.posted);
            shown = ServeAnswering();
        }
        EXPECT_EQ(1, shown.mostAtOnce);
        EXPECT_EQ(c.boxes, shown.texts.size());
        EXPECT_EQ(c.posted, ListedOrCounted(shown.texts));
        EXPECT_EQ(0u, Kyvant::FinderLink::TakeRefusedTexts());
    }
}

// Nobody shows a text whose window is gone: it is not counted into the
// boxes of a later window.
TEST(ToolTextBoxes, ATextForAWindowThatIsGoneIsNotCounted)
{
    HWND gone = nullptr;
    {
        TextWindow window;
        gone = window.Get();
    }
    ASSERT_FALSE(IsWindow(gone));
    Kyvant::FinderLink::PostText(gone, "nobody reads this");
    EXPECT_EQ(0u, Kyvant::FinderLink::TakeRefusedTexts());
}

} // namespace
