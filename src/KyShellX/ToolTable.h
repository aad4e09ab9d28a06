// The tools the menu can start: task-file extension, program and whether it is a console tool.
#pragma once

namespace KyShellX {

struct ShellTool {
    const char* extension; // of its task files, without the dot
    const char* program;
    bool console;          // started through KyStart
};

// Seven rows, then an end row whose strings are empty.
extern const ShellTool ShellToolTable[];

// The first row whose program, or whose extension, equals the text
// (ignoring case); null when none does.
const ShellTool* FindToolByProgram(const char* program);
const ShellTool* FindToolByExtension(const char* extension);

} // namespace KyShellX
