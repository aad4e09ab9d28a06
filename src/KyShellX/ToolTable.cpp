// The table of tools and its lookups.
#include "KyShellX/ToolTable.h"

#include "KyStd/Files/FileName.h"

namespace KyShellX {

const ShellTool ShellToolTable[] = {
    {"kyatt", "KyAttrib.exe", true},   {"kydir", "KyDirG.exe", false},
    {"kyeol", "KyEOL.exe", true},      {"kyfnd", "KyFindG.exe", false},
    {"kyrep", "KyReplaceG.exe", false}, {"kytab", "KyTab.exe", true},
    {"kytch", "KyTouch.exe", true},    {"", "", false},
};

namespace {

template <class Column>
const ShellTool* Find(const char* text, Column column)
{
    const Kyvant::ky_F wanted(text);
    for (const ShellTool* row = ShellToolTable; *row->program; ++row)
        if (wanted.compare(column(*row)) == 0)
            return row;
    return nullptr;
}

} // namespace

const ShellTool* FindToolByProgram(const char* program)
{
    return Find(program, [](const ShellTool& row) { return row.program; });
}

const ShellTool* FindToolByExtension(const char* extension)
{
    return Find(extension, [](const ShellTool& row) { return row.extension; });
}

} // namespace KyShellX
