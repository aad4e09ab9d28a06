// What the end-to-end cases of both front-ends share about the message boxes
// a task raises: every box answered with OK, topmost first, until the task
// has ended and no box is left; and the tally of a stand-in's test messages
// as the boxes list or count them.
#pragma once

#include "common/GuiDriver.h"

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace taskboxes {

// A message box's text, as the boxes of the tool's texts mark their lines.
const char kTestMessage[] = "test message ";
const char kMoreMessages[] = "... and ";

// The shown message boxes of the process, topmost first.
inline std::vector<kytest::gui::Box> ShownBoxes(DWORD pid)
{
    using namespace kytest::gui;
    const int kMessageTextId = 0xFFFF;
    std::vector<Box> boxes;
    for (HWND window : TopWindows(pid)) {
        if (ClassOf(window) != "#32770")
            continue;
        if (HWND text = Control(window, kMessageTextId))
            boxes.push_back({window, Text(window), Text(text)});
    }
    return boxes;
}

inline bool IsToolTextBox(const std::string& text)
{
    return text.find(kTestMessage) != std::string::npos;
}

struct Answered {
    std::vector<std::string> texts; // in the order they were answered
    int toolBoxesAtOnce = 0;        // the most boxes of tool texts up together
    bool timedOut = false;
};

// Answers every box, topmost first, until the status pane reads "Ready" and
// no box has shown for a while (texts posted just before the task's end
// may still raise one). onBox sees each box before it is answered.
inline Answered
AnswerBoxesUntilIdle(DWORD pid, HWND statusBar, DWORD timeoutMs,
                     const std::function<void(const kytest::gui::Box&)>& onBox = nullptr)
{
    using namespace kytest::gui;
    const DWORD kQuietMs = 1500;
    Answered answered;
    const DWORD start = GetTickCount();
    DWORD quietSince = GetTickCount();
    for (;;) {
        if (GetTickCount() - start > timeoutMs) {
            answered.timedOut = true;
            return answered;
        }
        const std::vector<Box> boxes = ShownBoxes(pid);
        if (boxes.empty()) {
            if (StatusText(statusBar, 0) != "Ready")
                quietSince = GetTickCount();
            else if (GetTickCount() - quietSince >= kQuietMs)
                return answered;
            Sleep(50);
            continue;
        }
        int toolBoxes = 0;
        for (const Box& box : boxes)
            toolBoxes += IsToolTextBox(box.text) ? 1 : 0;
        if (toolBoxes > answered.toolBoxesAtOnce)
            answered.toolBoxesAtOnce = toolBoxes;
        if (onBox)
            onBox(boxes.front());
        answered.texts.push_back(boxes.front().text);
        Answer(boxes.front(), IDOK);
        quietSince = GetTickCount();
    }
}

// The test messages the boxes of tool texts show: the numbers of the listed
// ones in order, those only counted, and the boxes.
struct Tally {
    std::vector<unsigned> listed;
    unsigned counted = 0;
    int boxes = 0;
    unsigned Total() const { return static_cast<unsigned>(listed.size()) + counted; }
};

inline Tally TallyTestMessages(const std::vector<std::string>& texts)
{
    Tally tally;
    for (const std::string& text : texts) {
        if (!IsToolTextBox(text))
            continue;
        ++tally.boxes;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            std::string line = text.substr(start, end - start);
            start = end + 1;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            const size_t at = line.find(kTestMessage);
            if (at != std::string::npos)
                tally.listed.push_back(static_cast<unsigned>(
                    std::strtoul(line.c_str() + at + sizeof kTestMessage - 1, nullptr, 10)));
            else if (line.compare(0, sizeof kMoreMessages - 1, kMoreMessages) == 0)
                tally.counted += static_cast<unsigned>(
                    std::strtoul(line.c_str() + sizeof kMoreMessages - 1, nullptr, 10));
        }
    }
    return tally;
}

// A screenshot of a box once it has painted itself whole: a box found the
// moment it shows may not have drawn its text yet.
inline void ScreenshotOfBox(HWND box, const std::string& folder, const std::string& name)
{
    using namespace kytest::gui;
    const DWORD kPaintMs = 5000;
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    WaitFor(
        [&] {
            for (HWND child = GetWindow(box, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT))
                if (GetUpdateRect(child, nullptr, FALSE))
                    return false;
            return !GetUpdateRect(box, nullptr, FALSE);
        },
        kPaintMs);
    Screenshot(box, folder, name);
}

} // namespace taskboxes
