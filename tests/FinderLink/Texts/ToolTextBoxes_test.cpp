// A tool's texts in real message boxes, answered by another thread: a burst
// of posted texts never opens a second box while one is up; the texts that
// came meanwhile are shown together in the next box, and every one of them
// is listed or counted.
#include "FinderLink/Texts/ToolTextBoxes.h"

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

LRESULT CALLBACK TextWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == Kyvant::FinderLink::kTextMessage) {
        ShowToolText(reinterpret_cast<Kyvant::ky_S*>(wParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
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

TEST(ToolTextBoxes, ABurstOfTextsShowsOneBoxAtATimeAndEveryTextIsListedOrCounted)
{
    WNDCLASSA type = {};
    type.lpfnWndProc = &TextWindowProc;
    type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = "KyTestToolTexts";
    RegisterClassA(&type);
    HWND window = CreateWindowExA(0, type.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, type.hInstance, nullptr);
    ASSERT_NE(nullptr, window);
    for (unsigned i = 1; i <= kBurst; ++i)
        Kyvant::FinderLink::PostText(window, ("text " + std::to_string(i)).c_str());

    std::vector<std::string> texts;
    int mostAtOnce = 0;
    {
        BoxAnswerer answerer;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        answerer.Finish();
        mostAtOnce = answerer.MostAtOnce();
        texts = answerer.Texts();
    }
    DestroyWindow(window);

    EXPECT_EQ(1, mostAtOnce);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_LE(texts.size(), 20u);
    EXPECT_EQ("text 1", texts.front());
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
    EXPECT_EQ(kBurst, listed + counted);
}

} // namespace
