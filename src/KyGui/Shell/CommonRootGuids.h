// Kyvant::Shell::CommonRootGuids: the shell-extension handlers common to every object of a selection.
#pragma once

#include "KyGui/KyGuiExport.h"
#include "KyStd/Containers/Map.h"
#include "KyStd/Strings/String.h"

#include <vector>

namespace Kyvant {
namespace Shell {

class KYGUI_API CommonRootGuids {
public:
    using GuidList = std::vector<ky_I>;

    static const char* const ShellExContextMenuHandlers;
    static const char* const ShellExDragDropHandlers;
    static const char* const ShellExPropertySheetHandlers;

    explicit CommonRootGuids(const char* suffix);

    // Appends the "{...}" handler identifiers registered under typeKey + suffix;
    // whether out is non-empty afterwards.
    bool GetGuids(const char* typeKey, GuidList& out) const;
    bool IntersectGuidsOfType(const char* typeKey, bool isFileKind);
    bool IntersectGuidsOfFileExt(const char* extension);
    bool Finalize();

    bool IsAllFilesGuid(const ky_I& guid) const;
    bool IsAllFoldersGuid(const ky_I& guid) const;

    const GuidList& Result() const { return m_result; }

private:
    void LoadGeneric(bool isFileKind);

    ky_I m_suffix;
    bool m_genericLoaded;
    bool m_fileKindsSeen;
    bool m_folderKindsSeen;
    ky_set<ky_I> m_typesDone;
    ky_map<ky_I, ky_I> m_classOfExt;
    GuidList m_allObjects;
    GuidList m_foldersOnly;
    GuidList m_genericFiles;
    GuidList m_genericFolders;
    GuidList m_result;
};

} // namespace Shell
} // namespace Kyvant
