// DocSaveDialog: the Save As dialog of task files, with the choice between
// saving everything and saving the tool's settings only.
#pragma once

#include "KyGui/Shell/KyFileDialog.h"
#include "KyGuiTool/KyGuiToolExport.h"
#include "KyGuiTool/TaskFiles/ToolDocRecords.h"

class KYGUITOOL_API DocSaveDialog : public KyFileDialog {
    DECLARE_DYNAMIC(DocSaveDialog)
public:
    // Everything is chosen at first when the extent is everything, else the
    // tool's settings only.
    DocSaveDialog(const char* defaultExtension, const char* fileName, const char* filter,
                  Kyvant::ToolDoc::SettingsExtent extent, CWnd* parent);

    // The choice made when the dialog ended with OK.
    Kyvant::ToolDoc::SettingsExtent GetExtent() const { return m_extent; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnFileNameOK() override;
    DECLARE_MESSAGE_MAP()

private:
    Kyvant::ToolDoc::SettingsExtent m_extent;
};
