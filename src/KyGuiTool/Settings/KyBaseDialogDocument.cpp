// KyBaseDialog's task document: its state and queries, New, Open, Save and
// Save As, the question before changes are lost, and the loading and saving
// of task files through the pages.
#include "KyGuiTool/Settings/KyBaseDialog.h"

#include "KyGui/Exceptions/MfcStdException.h"
#include "KyGuiTool/App/KyGuiApp.h"
#include "KyGuiTool/Module/KyGuiToolModule.h"
#include "KyGuiTool/Settings/SettingsResource.h"
#include "KyGuiTool/TaskFiles/DocSaveDialog.h"
#include "KyGuiTool/TaskFiles/TaskFileInitialDirManager.h"
#include "KyGuiTool/TaskFiles/TaskFilesResource.h"
#include "KyGuiTool/TaskFiles/ToolDocFile.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Registry/RegValues.h"

#include <afxwin.h>

#include <cstdint>
#include <stdexcept>

using namespace Kyvant;
using Kyvant::ToolDoc::AllSettings;
using Kyvant::ToolDoc::FileSearchSettings;
using Kyvant::ToolDoc::ToolSettings;

namespace {

const unsigned kWordBytes = 4;
const unsigned kByteBits = 8;
const char kCaptionSeparator[] = " - ";

ky_S LibraryString(UINT id)
{
    return ky_S().LoadStringA(KyGuiToolModule(), id);
}

[[noreturn]] void ThrowInvalidFile(const ky_F& file)
{
    CString text;
    LPCSTR name = file.c_str();
    AfxFormatStrings(text, LibraryString(IDS_KY_INVALID_TASK_FILE).c_str(), &name, 1);
    throw std::runtime_error(static_cast<LPCSTR>(text));
}

std::uint32_t Word(const char* payload, unsigned index)
{
    std::uint32_t value = 0;
    for (unsigned i = 0; i < kWordBytes; ++i)
        value |=
            static_cast<std::uint32_t>(static_cast<unsigned char>(payload[index * kWordBytes + i]))
            << (kByteBits * i);
    return value;
}

void PutWord(char* payload, unsigned index, std::uint32_t value)
{
    for (unsigned i = 0; i < kWordBytes; ++i)
        payload[index * kWordBytes + i] = static_cast<char>(value >> (kByteBits * i));
}

// The extent the header names. A stream that does not start with a whole
// header, or whose header names no part of the settings, is no task file.
unsigned ReadHeaderExtent(ToolDoc::File& stream, const ky_F& file)
{
    ToolDoc::RecHeader header;
    const char* payload = nullptr;
    try {
        payload = stream.Read(header);
    } catch (const os_error&) {
        ThrowInvalidFile(file);
    }
    if (payload == nullptr || header.type != ToolDoc::HeaderRecord ||
        header.length != ToolDoc::kHeaderPayloadSize || Word(payload, 0) != ToolDoc::kTaskFileMagic)
        ThrowInvalidFile(file);
    const unsigned extent = Word(payload, 2) & AllSettings;
    if (extent == 0)
        ThrowInvalidFile(file);
    return extent;
}

// Only a disk file can be a task file: reading a device or a pipe could
// wait for ever for bytes that never come.
void RequireDiskFile(const ToolDoc::File& stream, const ky_F& file)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(stream.GetFile().m_hFile));
    if (GetFileType(handle) != FILE_TYPE_DISK)
        ThrowInvalidFile(file);
}

unsigned HeaderExtentOf(const ky_F& file)
{
    ToolDoc::File stream(file, ToolDoc::File::kLoadMode);
    RequireDiskFile(stream, file);
    return ReadHeaderExtent(stream, file);
}

ky_F FullPath(const ky_F& file)
{
    ky_F path(file);
    path.ToFullPath();
    return path;
}

} // namespace

// The extent, partial-operation and suppress-modified flags of one document
// operation; the previous ones come back on every way out.
class KyBaseDialog::Operation {
public:
    Operation(KyBaseDialog& dialog, unsigned extent, bool partial, bool suppressModified)
        : m_dialog(dialog), m_extent(dialog.m_extent), m_partial(dialog.m_partial),
          m_suppress(dialog.m_suppressModified)
    {
        dialog.m_extent = extent;
        dialog.m_partial = partial;
        dialog.m_suppressModified = m_suppress || suppressModified;
    }
    ~Operation()
    {
        m_dialog.m_extent = m_extent;
        m_dialog.m_partial = m_partial;
        m_dialog.m_suppressModified = m_suppress;
    }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

    // The whole document: the open file's part of the settings.
    static Operation Partial(KyBaseDialog& dialog)
    {
        return Operation(dialog, dialog.DocumentExtent(), true, false);
    }

private:
    KyBaseDialog& m_dialog;
    unsigned m_extent;
    bool m_partial;
    bool m_suppress;
};

// Within an operation its extent; else the part of the settings that the
// open task file holds (everything without one).
unsigned KyBaseDialog::DocumentExtent() const
{
    return m_partial ? m_extent : m_fileExtent;
}

bool KyBaseDialog::Includes(unsigned part) const
{
    return !m_partial || (m_extent & part) != 0;
}

std::vector<SubDialogBridge*> KyBaseDialog::IncludedBridges() const
{
    std::vector<SubDialogBridge*> bridges;
    if (m_tool && Includes(ToolSettings))
        bridges.push_back(m_tool.get());
    if (m_fileSearch && Includes(FileSearchSettings))
        bridges.push_back(m_fileSearch.get());
    return bridges;
}

bool KyBaseDialog::DocIsModified() const
{
    return (m_partial ? m_modified & m_extent : m_modified) != 0;
}

bool KyBaseDialog::DocIsModifiedFileSearch() const
{
    return (m_modified & FileSearchSettings) != 0;
}

bool KyBaseDialog::DocFileIncludesTool() const
{
    return DocIsFile() && (m_fileExtent & ToolSettings) != 0;
}

bool KyBaseDialog::DocFileIncludesFileSearch() const
{
    return DocIsFile() && (m_fileExtent & FileSearchSettings) != 0;
}

bool KyBaseDialog::SettingsIncludeTool() const
{
    return Includes(ToolSettings);
}

bool KyBaseDialog::SettingsIncludeFileSearch() const
{
    return Includes(FileSearchSettings);
}

bool KyBaseDialog::SettingsComplete() const
{
    return !m_partial || m_extent == AllSettings;
}

KyBaseDialog::Extent KyBaseDialog::GetSettingsExtent() const
{
    return m_partial ? static_cast<Extent>(m_extent) : AllSettings;
}

void KyBaseDialog::DocSetModified(unsigned extent)
{
    if (!m_suppressModified)
        m_modified |= extent & AllSettings;
}

bool KyBaseDialog::ValidateSettings()
{
    return UpdateData(TRUE) && AllowOK();
}

bool KyBaseDialog::DocQuerySave(bool rename, bool validate)
{
    const Operation operation = Operation::Partial(*this);
    if (!DocIsModified())
        return true;
    CString question;
    if (DocIsFile())
        question.Format(LibraryString(IDS_KY_SAVE_TASK_CHANGES).c_str(), m_fileName.c_str());
    else
        question = LibraryString(IDS_KY_SAVE_TASK).c_str();
    switch (AfxMessageBox(question, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return DocSave(rename, validate);
    case IDNO:
        DocResetName(true);
        return true;
    default:
        return false;
    }
}

bool KyBaseDialog::DocSave(bool rename, bool validate)
{
    try {
        const Operation operation = Operation::Partial(*this);
        if (!DocIsFile())
            return DocSaveAs(rename, validate);
        if (validate && !ValidateSettings())
            return false;
        DocDoSave(m_fileName, rename, false);
        return true;
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

bool KyBaseDialog::DocSaveAs(bool rename, bool validate)
{
    try {
        DocSaveDialog dialog(m_extension.c_str(), DocIsFile() ? m_fileName.c_str() : nullptr,
                             m_filter.c_str(),
                             DocumentExtent() == AllSettings ? AllSettings : ToolSettings, this);
        TaskFileInitialDirManager folder(dialog);
        if (dialog.DoModal() != IDOK)
            return false;
        folder.Update();
        const unsigned extent = dialog.GetExtent();
        const Operation operation(*this, extent, true, false);
        if (validate && !ValidateSettings())
            return false;
        DocDoSave(ky_F(static_cast<LPCSTR>(dialog.GetPathName())), rename, true);
        m_fileExtent = extent;
        return true;
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

bool KyBaseDialog::DocNew(bool all)
{
    try {
        if (!DocIsFile() && !all)
            return true;
        return DocDoNewChecks(nullptr, !all) && DocDoNew(all);
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

bool KyBaseDialog::DocOpen()
{
    try {
        KyFileDialog dialog(TRUE, m_extension.c_str(), nullptr,
                            OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, m_filter.c_str(), this);
        TaskFileInitialDirManager folder(dialog);
        if (dialog.DoModal() != IDOK)
            return false;
        folder.Update();
        const ky_F file(static_cast<LPCSTR>(dialog.GetPathName()));
        if (!DocDoNewChecks(&file, true))
            return false;
        DocDoNew(false);
        DocDoOpen(file, true);
        return true;
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}

// With a file open, a partial check lets the pages refuse only for the parts
// that the new file replaces (the open file's and the new file's parts).
bool KyBaseDialog::DocDoNewChecks(const ky_F* file, bool partial)
{
    if (partial && DocIsFile()) {
        const unsigned replaced =
            (file != nullptr ? HeaderExtentOf(*file) : DocumentExtent()) | DocumentExtent();
        bool allowed;
        {
            const Operation operation(*this, replaced, true, false);
            allowed = AllowCancel();
        }
        return allowed && DocQuerySave(false, true);
    }
    return AllowCancel() && DocQuerySave(false, true);
}

bool KyBaseDialog::DocDoNew(bool all)
{
    const Operation operation(*this, m_extent, m_partial, true);
    DocResetName(true);
    if (!all)
        return true;
    if (m_tool)
        m_tool->DocOnNew();
    if (m_fileSearch)
        m_fileSearch->DocOnNew();
    UpdateData(FALSE);
    if (m_fileSearch)
        m_fileSearch->DocOnFinishNew();
    if (m_tool)
        m_tool->DocOnFinishNew();
    return true;
}

void KyBaseDialog::DocResetName(bool rename)
{
    m_fileName.clear();
    m_modified = 0;
    m_fileExtent = AllSettings;
    if (rename)
        DocOnNameChange(m_fileName);
}

void KyBaseDialog::DocOnNameChange(const ky_F& name)
{
    if (GetSafeHwnd() == nullptr)
        return;
    if (name.empty()) {
        SetWindowText(m_title.c_str());
        return;
    }
    ky_F part(name);
    part.ToFilePart();
    SetWindowText((ky_S(part) + kCaptionSeparator + m_title).c_str());
}

void KyBaseDialog::DocDoOpen(const ky_F& file, bool remember)
{
    CWaitCursor busy;
    const Operation operation(*this, AllSettings, false, true);
    const ky_F path = FullPath(file);
    const unsigned previousExtent = m_fileExtent;
    std::vector<SubDialogBridge*> started;
    try {
        ToolDoc::File stream(path, ToolDoc::File::kLoadMode);
        RequireDiskFile(stream, path);
        const unsigned extent = ReadHeaderExtent(stream, path);
        m_extent = extent;
        m_partial = true;
        m_fileExtent = extent;
        for (SubDialogBridge* bridge : IncludedBridges()) {
            started.push_back(bridge);
            bridge->DocOnStartLoad(path);
        }
        ReadRecords(stream, path);
        m_modified = 0;
        m_fileName = path;
        DocOnNameChange(path);
        UpdateData(FALSE);
    } catch (...) {
        m_fileExtent = previousExtent;
        for (auto bridge = started.rbegin(); bridge != started.rend(); ++bridge) {
            try {
                (*bridge)->DocOnFinishLoad(false);
            } catch (CException* e) {
                e->Delete();
            } catch (...) {
            }
        }
        if (remember)
            ForgetRecentFile(path);
        throw;
    }
    for (auto bridge = started.rbegin(); bridge != started.rend(); ++bridge)
        (*bridge)->DocOnFinishLoad(true);
    if (remember)
        RememberRecentFile(path);
}

// Record by record up to the end record, each to the part it belongs to when
// that part is included; one record past the end is read and never used.
void KyBaseDialog::ReadRecords(ToolDoc::File& stream, const ky_F& file)
{
    bool ended = false;
    ToolDoc::RecHeader header;
    while (char* payload = stream.Read(header)) {
        if (ended)
            return;
        const int type = static_cast<std::int16_t>(header.type);
        if (type == ToolDoc::EndRecord) {
            ended = true;
            continue;
        }
        SubDialogBridge* target = nullptr;
        if (type >= ToolDoc::FirstToolRecord)
            target = Includes(ToolSettings) ? m_tool.get() : nullptr;
        else if (type >= ToolDoc::FirstFileSearchRecord)
            target = Includes(FileSearchSettings) ? m_fileSearch.get() : nullptr;
        if (target != nullptr)
            target->DocProcessRecord(header, payload);
    }
    if (!ended)
        ThrowInvalidFile(file);
}

void KyBaseDialog::DocDoSave(const ky_F& file, bool rename, bool remember)
{
    CWaitCursor busy;
    const Operation operation(*this, DocumentExtent(), true, true);
    const ky_F path = FullPath(file);
    std::vector<SubDialogBridge*> started;
    try {
        for (SubDialogBridge* bridge : IncludedBridges()) {
            started.push_back(bridge);
            bridge->DocOnStartSave(path);
        }
        ToolDoc::File stream(path, ToolDoc::File::kSaveMode);
        WriteRecords(stream);
        stream.Close();
        m_fileName = path;
        m_modified = 0;
        if (rename)
            DocOnNameChange(path);
    } catch (...) {
        for (auto bridge = started.rbegin(); bridge != started.rend(); ++bridge) {
            try {
                (*bridge)->DocOnFinishSave(false);
            } catch (CException* e) {
                e->Delete();
            } catch (...) {
            }
        }
        throw;
    }
    for (auto bridge = started.rbegin(); bridge != started.rend(); ++bridge)
        (*bridge)->DocOnFinishSave(true);
    if (remember)
        RememberRecentFile(path);
}

void KyBaseDialog::WriteRecords(ToolDoc::File& stream)
{
    char header[ToolDoc::kHeaderPayloadSize];
    PutWord(header, 0, ToolDoc::kTaskFileMagic);
    PutWord(header, 1, 0);
    PutWord(header, 2, GetSettingsExtent());
    stream.Write(ToolDoc::HeaderRecord, header, sizeof header);
    stream.Write(ToolDoc::ConsoleProgramRecord, m_consoleProgram);
    stream.Write(ToolDoc::GuiProgramRecord, m_guiProgram);
    stream.Write(ToolDoc::CommandLineRecord, GetCommandLine());
    for (SubDialogBridge* bridge : IncludedBridges())
        bridge->DocWriteRecords(stream);
    stream.Write(ToolDoc::EndRecord, nullptr, 0);
}

// The start-up file: the one the starter named, else the one open when the
// dialog was last accepted. Either way the last-used file is forgotten, so
// that no later start takes it in place of its own. Once the file-search
// settings came from elsewhere, only a file of the tool's settings is loaded.
void KyBaseDialog::DocOnAppStartLoadFile()
{
    try {
        ky_F file;
        if (m_app != nullptr && m_app->WillAppStartLoadFile())
            file = m_app->GetAppStartLoadFile();
        else
            file.LoadStringA(m_appKey.get(), kLastFileValue, "");
        WriteRegistryString(m_appKey.get(), kLastFileValue, ky_S());
        if (file.empty())
            return;
        if (m_pathPlanFromElsewhere && HeaderExtentOf(file) != ToolSettings)
            return;
        DocDoOpen(file, true);
    } catch (const std::exception& e) {
        throw MfcStdException::Create(e);
    }
}
