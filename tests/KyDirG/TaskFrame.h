// The window that plays the Dir frame's part of the task link: it answers
// the tool's dialog request from a script (writing the arguments into the
// hand-off block as the task dialog's OK does), ends the task on the
// results reader's end message, records every text it is sent, and lists
// the listing's items.
#pragma once

#include "KyDir/Gui/Finder/Finder.h"

#include <afxwin.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class TaskFrame : public CWnd {
public:
    struct Answer {
        bool accept = true;
        std::vector<std::string> args; // argv[0] first
    };

    // Made the application's main window; destroyed with its window.
    static TaskFrame* Create(Finder& finder);

    void Script(const Answer& answer) { m_answers.push_back(answer); }
    // Run inside the dialog request, before and after the answer is handed
    // back.
    std::function<void()> m_onAsk;
    std::function<void()> m_afterHandBack;

    int m_asks = 0;
    std::vector<WPARAM> m_ignored;     // other wParams of the tool's message
    std::vector<int> m_taskEnds;       // wParams of the end message
    std::vector<std::string> m_texts;  // texts of the text message
    std::vector<std::string> m_errors; // what the hand-back threw

    // The list box's rows: "name size attributes rank" per item, the
    // attributes in hexadecimal.
    std::vector<std::string> ShownRows() const;

protected:
    explicit TaskFrame(Finder& finder) : m_finder(finder) {}
    void PostNcDestroy() override;
    afx_msg LRESULT OnToolMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTaskEnd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnText(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void AnswerDialog();
    void ShowItems();

    Finder& m_finder;
    std::deque<Answer> m_answers;
    CListBox m_list;
};
