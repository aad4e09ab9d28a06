// The test front-end's script and log. The script is a file named by
// KYTEST_FRONTEND_SCRIPT, one "key=value" line each (a line without '='
// is a key alone); settings may stand anywhere, actions run in order.
//
// Settings:
//   log=<file>        where the log goes, one line per event
//   query=<id,...>    buttons clicked in successive file questions (the last
//                     repeats; default Cancel)
//   box=<n,...>       answers of successive message boxes (default IDOK)
//   hold=<event>      at each question, box and status-bar check, log "hold"
//                     and wait (up to 10 s) until the test sets the event
//   stage=<s;s;..>    the steps run when the next dialog's modal loop first
//                     idles (file questions aside), one stage per dialog:
//                     text:<id>:<t> set a control's text, click:<id> post a
//                     click (a command when there is no such control),
//                     cmd:<id> post a command, main:<id> post a command to
//                     the main window, log log the dialog's caption and its
//                     controls' texts
// Actions:
//   probe             log what the application took from the environment
//   second            construct a second application object
//   child=<script>    run this program again with another script, waiting
//   shellex=<a|b|..>  CreateShellExToolArgs of the paths
//   arg0=<text>       argument 0 (default "tool.exe")
//   arg=<text>        one more argument
//   write             write argc and the arguments into the hand-off block
//   terminated        ConProcessTerminated
//   release=<r>       run: ConGuiBridge::Run; true/false: ReleaseConApp
//   setmessage=<t>    SetIndexingServiceMessage
//   statusbar         a frame with the pane 54025: its state, then command
//                     54025
//   command=<id>      a command routed to the application
//   shellfails        the shell's stand-in fails from now on
//   pause             a hold point of its own
//   sleep=<ms>        Sleep
//   exit=<code>       end the process at once
//   settings[=pathplans]  the settings dialog with the test pages (or the
//                     path-plan pages alone); after OK ConGuiBridge::Run,
//                     else ReleaseConApp(false)
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace frontend {

struct Script {
    std::string log;
    std::vector<int> queryAnswers;
    std::vector<int> boxAnswers;
    std::string holdEvent;
    std::vector<std::string> stages;
    std::vector<std::pair<std::string, std::string>> actions;
};

Script ReadScript(const char* path);

// One line in the log (line ends in the text written as "\n").
void Log(const std::string& line);
void SetLogFile(const std::string& path);
std::string Escaped(const std::string& text);

// The next scripted answer; the last one repeats, otherwise when there is
// none.
int NextAnswer(const std::vector<int>& answers, size_t& used, int otherwise);

// Logs "hold <what>" and waits, pumping messages, until the hold event is
// set (when the script names one).
void Hold(const std::string& what);
void SetHoldEvent(const std::string& name);

} // namespace frontend
