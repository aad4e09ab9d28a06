// StorageMapUI<DB>: Export of chosen items to a text file and Import of such a
// file, each with its folder remembered. Read only by the library.
#pragma once

#include "KyGuiTool/Storage/StorageMapEditImpl.h"

#include "KyGui/Shell/InitialDirManager.h"
#include "KyGui/Shell/KyFileDialog.h"
#include "KyGuiTool/Storage/ExportFile.h"
#include "KyGuiTool/Storage/KyExporterFileDialog.h"

#include <stdexcept>
#include <vector>

namespace Kyvant {

namespace StorageMapDetail {

const char kImportExportDirValue[] = "ImportExportLastDir";
const DWORD kImportFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

} // namespace StorageMapDetail

template <class DB>
void StorageMapUI<DB>::WriteExportFile(const ky_F& path,
                                       const std::vector<ky_BSB<char>>& chosen) const
{
    using ky_StorageMapSupport::Exporter;
    Exporter out(path);
    out.Write(m_exportHeader);
    for (const ky_BSB<char>& name : chosen) {
        const Iterator it = m_db.find(ky_I(name));
        if (it == m_db.end())
            continue;
        out.Write(Exporter::ExportToText(it->first));
        out.Write(Exporter::ExportToText(StorageMapContents<DB>::Store(it->second)));
    }
    out.Close();
}

template <class DB>
void StorageMapUI<DB>::Export()
{
    if (!AskToSaveIfDirty(true))
        return;
    StorageMapDetail::NameList names(Names());
    std::vector<ky_BSB<char>> chosen;
    back_insert_sequencer<std::vector<ky_BSB<char>>> out(chosen);
    KyExporterFileDialog dialog(names.sequence, out, m_pluralLabel, m_currentName.c_str(), &m_host);
    InitialDirManager folder(dialog, m_key, ky_BSB<char>(StorageMapDetail::kImportExportDirValue));
    if (dialog.DoModal() != IDOK)
        return;
    folder.Update();
    WriteExportFile(ky_F(static_cast<const char*>(dialog.GetPathName())), chosen);
}

template <class DB>
typename StorageMapUI<DB>::InsertResult StorageMapUI<DB>::InsertRestoring(const ky_I& name,
                                                                          const Value& value)
{
    StorageMapDetail::EntrySnapshot<DB> before(m_db, name);
    try {
        return m_db.Insert(name, value);
    } catch (...) {
        before.Restore();
        throw;
    }
}

// The whole file is read before anything is imported, so that a damaged
// line refuses all of it; the items before a bad record or a refused name
// stay imported.
template <class DB>
ky_I StorageMapUI<DB>::ReadImportFile(const ky_F& path)
{
    using ky_StorageMapSupport::Importer;
    Importer in(path);
    ky_S line;
    if (!in.Read(line) || !(ky_I(line) == m_exportHeader))
        throw std::runtime_error(Importer::kInvalidFile);
    std::vector<ky_S> lines;
    while (in.Read(line))
        lines.push_back(line);
    ky_I first;
    for (size_t i = 0; i < lines.size(); i += 2) {
        if (i + 1 == lines.size())
            throw std::runtime_error("Bad import record");
        ky_I name = Importer::ImportFromText(lines[i]);
        const ky_S contents = Importer::ImportFromText(lines[i + 1]);
        m_db.ValidateName(name);
        const Value value = StorageMapContents<DB>::Load(contents);
        if (first.empty())
            first = name;
        ShowEntry(InsertRestoring(name, value));
    }
    return first;
}

template <class DB>
void StorageMapUI<DB>::Import()
{
    if (!AskToSaveIfDirty(true))
        return;
    KyFileDialog dialog(TRUE, KyExporterFileDialog::kDefaultExtension, nullptr,
                        StorageMapDetail::kImportFlags, KyExporterFileDialog::kFilter, &m_host);
    InitialDirManager folder(dialog, m_key, ky_BSB<char>(StorageMapDetail::kImportExportDirValue));
    if (dialog.DoModal() != IDOK)
        return;
    folder.Update();
    ky_I first;
    try {
        first = ReadImportFile(ky_F(static_cast<const char*>(dialog.GetPathName())));
    } catch (...) {
        RefillNames();
        throw;
    }
    const ky_I shown = first.empty() ? m_currentName : first;
    if (Select(shown) >= 0)
        LoadItem(shown);
    SetDirty(false);
}

} // namespace Kyvant
