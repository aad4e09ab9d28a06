// What the Dir page shows, as lines a test compares: the Indexing Service's
// controls hidden or shown, where the list file's button and the first
// check box sit, the page's place and size in its parent, the arguments and
// the task-file records. The page test and the probe program (which runs
// under a Windows version of its own) both use it.
#pragma once

#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyTools/Dir/DirResource.h"
#include "KyTools/Dir/KyDirGSubDialogPage.h"

#include <afxwin.h>

#include <string>
#include <vector>

namespace dirpage {

inline CRect PlaceInParent(CWnd& window)
{
    CRect place;
    window.GetWindowRect(&place);
    window.GetParent()->ScreenToClient(&place);
    return place;
}

// Vertical pixels in dialog units of the page's font (rounded down).
inline int Rows(CWnd& page, int pixels)
{
    CRect unit(0, 0, 4, 8);
    ::MapDialogRect(page.m_hWnd, &unit);
    return pixels * 8 / unit.bottom;
}

inline std::string Arguments(KyDirGSubDialogPage& page)
{
    using Args = std::vector<Kyvant::ky_BSB<char>>;
    Args args;
    page.UpdateArgv(Kyvant::back_insert_sequencer<Args>(args));
    std::string line = "argv";
    for (const auto& arg : args)
        line += std::string(" ") + arg.c_str();
    return line;
}

// Each record as type=payload bytes in hex.
inline std::string Records(KyDirGSubDialogPage& page)
{
    Kyvant::ToolDoc::File file(new CMemFile);
    page.DocWriteRecords(file);
    CFile& memory = file.GetFile();
    memory.SeekToBegin();
    std::string line = "records";
    Kyvant::ToolDoc::RecHeader header = {};
    while (char* payload = file.Read(header)) {
        line += " " + std::to_string(header.type) + "=";
        static const char kHex[] = "0123456789abcdef";
        for (unsigned i = 0; i < header.length && i < 8; ++i) {
            const unsigned char byte = static_cast<unsigned char>(payload[i]);
            line += kHex[byte >> 4];
            line += kHex[byte & 0xF];
        }
    }
    return line;
}

// The page, made a child of parent with CreateGUI, described.
inline std::vector<std::string> Describe(KyDirGSubDialogPage& page)
{
    std::vector<std::string> lines;
    int hidden = 0;
    for (int id = IDC_KY_DIR_USE_INDEXING_SERVICE; id <= IDC_KY_DIR_LISTING_RULE; ++id) {
        CWnd* control = page.GetDlgItem(id);
        if (control != nullptr && (control->GetStyle() & WS_VISIBLE) == 0 &&
            !control->IsWindowEnabled())
            ++hidden;
    }
    lines.push_back("hidden " + std::to_string(hidden));
    const CRect button = PlaceInParent(*page.GetDlgItem(IDC_KY_DIR_LIST_FILE_BUTTON));
    lines.push_back("list file button " + std::to_string(Rows(page, button.top)));
    const CRect place = PlaceInParent(page);
    lines.push_back("page " + std::to_string(Rows(page, place.top)) + " " +
                    std::to_string(Rows(page, place.Height())));
    page.UpdateData(TRUE);
    lines.push_back(Arguments(page));
    lines.push_back(Records(page));
    return lines;
}

} // namespace dirpage
