// The listing's text file: header, rows by mode, and the Save As command.
#include "KyDir/Gui/SaveAs/ListingWriter.h"

#include "KyDir/Gui/FileList/FileListView.h"
#include "KyDir/Gui/SaveAs/SaveFileDialog.h"
#include "KyGui/Shell/InitialDirManager.h"
#include "KyGuiTool/App/AppResource.h"
#include "KyGuiTool/TaskFiles/MirrorFile.h"
#include "KyStd/Registry/RegValues.h"

#include <afxwin.h>

#include <string>
#include <vector>

const char kSaveAsModeValue[] = "SaveAsDisplayOptions";
const char kSaveAsPathValue[] = "SaveAsPath";

namespace {

// What one list cell can hold, its NUL included.
const int kCellSize = 256;

// Lines of text (each '\n' written as CR LF) into a file that replaces the
// target only once complete: a failure leaves an existing target as it was
// and no new one behind.
class OutputFile {
public:
    explicit OutputFile(const char* path)
        : m_file(Kyvant::ky_F(path), CFile::modeCreate | CFile::modeWrite | CFile::typeText)
    {
    }
    void WriteLine(const std::string& line)
    {
        m_file.WriteString(line.c_str());
        m_file.WriteString("\n");
    }
    void Close() { m_file.Close(); }

private:
    Kyvant::MirrorFile m_file;
};

// The columns a line holds, in display order.
std::vector<int> LineColumns(FileListView& view, ListingMode mode)
{
    CListCtrl& list = view.GetListCtrl();
    CHeaderCtrl* header = list.GetHeaderCtrl();
    const int count = header != nullptr ? header->GetItemCount() : 0;
    std::vector<int> columns;
    for (int position = 0; position < count; ++position) {
        const int column = view.GetColIDX(position, true);
        if (column < 0 || (mode == WithFullPaths && column == FileListView::InFolder))
            continue;
        columns.push_back(column);
    }
    return columns;
}

// The cells joined by TABs: one between each two cells written.
std::string JoinCells(const std::vector<std::string>& cells)
{
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i != 0)
            line += '\t';
        line += cells[i];
    }
    return line;
}

std::string HeaderLine(const std::vector<int>& columns)
{
    std::vector<std::string> titles;
    for (int column : columns) {
        CString title;
        title.LoadString(FileListView::ColumnTable()[column].titleId);
        titles.push_back(static_cast<const char*>(title));
    }
    return JoinCells(titles);
}

std::string CellText(FileListView& view, int row, int column)
{
    char text[kCellSize] = "";
    LVITEMA item = {};
    item.iSubItem = view.GetColIndexX(column);
    item.pszText = text;
    item.cchTextMax = kCellSize;
    view.GetListCtrl().SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                   reinterpret_cast<LPARAM>(&item));
    return text;
}

std::string RowLine(FileListView& view, int row, ListingMode mode, const std::vector<int>& columns)
{
    Kyvant::ky_F path;
    if (mode != AsDisplayed)
        view.GetItemFile(path, row);
    if (mode == FullPathsOnly)
        return path.c_str();
    std::vector<std::string> cells;
    for (int column : columns)
        cells.push_back(mode == WithFullPaths && column == FileListView::Name
                            ? std::string(path.c_str())
                            : CellText(view, row, column));
    return JoinCells(cells);
}

std::vector<int> RowsToWrite(FileListView& view, bool selectedOnly)
{
    CListCtrl& list = view.GetListCtrl();
    std::vector<int> rows;
    if (selectedOnly) {
        for (int row = list.GetNextItem(-1, LVNI_SELECTED); row >= 0;
             row = list.GetNextItem(row, LVNI_SELECTED))
            rows.push_back(row);
    } else {
        for (int row = 0; row < list.GetItemCount(); ++row)
            rows.push_back(row);
    }
    return rows;
}

} // namespace

void WriteListing(FileListView& view, const char* path, ListingMode mode, bool selectedOnly)
{
    CWaitCursor wait;
    const std::vector<int> columns = LineColumns(view, mode);
    OutputFile file(path);
    if (mode != FullPathsOnly)
        file.WriteLine(HeaderLine(columns));
    for (int row : RowsToWrite(view, selectedOnly))
        file.WriteLine(RowLine(view, row, mode, columns));
    file.Close();
}

bool SaveListingAs(FileListView& view, const Kyvant::RegKey& appKey, CWnd* parent)
{
    CString filter;
    filter.LoadString(IDS_KY_TEXT_FILES_FILTER);
    const DWORD stored = Kyvant::GetRegistryDWORD(appKey.get(), kSaveAsModeValue, AsDisplayed);
    const ListingMode mode =
        stored <= FullPathsOnly ? static_cast<ListingMode>(stored) : AsDisplayed;
    SaveFileDialog dialog(filter, mode, view.GetListCtrl().GetSelectedCount() > 0, parent);
    Kyvant::InitialDirManager folder(dialog, appKey, Kyvant::ky_BSB<char>(kSaveAsPathValue));
    if (dialog.DoModal() != IDOK)
        return false;
    Kyvant::WriteRegistryDWORD(appKey.get(), kSaveAsModeValue, dialog.GetMode());
    folder.Update();
    WriteListing(view, dialog.GetPathName(), dialog.GetMode(), dialog.GetSelectedOnly());
    return true;
}
