// The icon and type name of a file record: one shell query per extension for
// ordinary files, per file for links, folders, names without extension and the
// file types that carry their own icons.
#include "KyGuiTool/FileRecords/ItemPreparation.h"

#include "KyGuiTool/FileRecords/ShellInfoFunction.h"

#include <shellapi.h>
#include <shlobj.h>

#include <exception>

namespace Kyvant {
namespace ShFileRec {

namespace {

// Extensions, each followed by a dot, whose files carry their own icons.
const char OwnIconExtensions[] = ".exe.ani.cur.ico.scr.ttf.";

// The extension with its dot; empty for a name without one or ending in a lone dot.
ky_I ExtensionOf(const ky_F& name)
{
    const unsigned dot = name.rfind('.');
    if (dot == ky_F::npos || dot + 1 == name.size())
        return ky_I();
    const unsigned separator = name.find_last_of("\\/");
    if (separator != ky_F::npos && separator > dot)
        return ky_I();
    return ky_I(name.c_str() + dot, name.size() - dot);
}

bool HasOwnIcons(const ky_I& extension)
{
    return ky_I(OwnIconExtensions).find(extension + ".") != ky_I::npos;
}

} // namespace

Item::Preparation::ShellKind Item::Preparation::KindOfItem() const
{
    ShellKind kind;
    kind.folder = IsFolder();
    kind.extension = ExtensionOf(m_item.m_name);
    kind.linkExtension = !kind.extension.empty() && m_caches.IsLinkExtension(kind.extension);
    kind.perFile =
        kind.folder || kind.extension.empty() || kind.linkExtension || HasOwnIcons(kind.extension);
    return kind;
}

void Item::Preparation::PrepareShellData(Fields wanted)
{
    try {
        ShellKind kind = KindOfItem();
        const Fields missing = MissingAfterSharing(wanted, kind);
        if (missing != NoFields)
            FetchShellData(missing, kind);
        m_item.m_prepared |= wanted;
    } catch (const std::exception&) {
        m_item.m_fileShInfo = m_caches.FileError();
        m_item.m_prepared |= ShellData;
    }
}

// Attaches the extension's shared record to an item that has none; what the
// item's record still lacks.
Item::Fields Item::Preparation::MissingAfterSharing(Fields wanted, const ShellKind& kind) const
{
    if (m_item.m_fileShInfo == nullptr && !kind.perFile)
        m_item.m_fileShInfo = m_caches.FindExtension(kind.extension);
    if (m_item.m_fileShInfo != nullptr)
        wanted &= ~m_item.m_fileShInfo->prepared;
    return wanted;
}

// Asks the shell once (twice when the first way fails) and keeps the answer.
// The shell's attributes are asked of the file itself: with
// SHGFI_USEFILEATTRIBUTES they are not the file's, and some shells then
// report every attribute, which would make every file a link.
void Item::Preparation::FetchShellData(Fields missing, ShellKind& kind) const
{
    const FileShInfo* current = m_item.m_fileShInfo;
    const bool icon = (missing & Icon) != NoFields;
    const bool typeName =
        (missing & TypeName) || current == nullptr || !(current->prepared & TypeName);
    const UINT base =
        (icon ? SHGFI_SYSICONINDEX | SHGFI_SMALLICON : 0) | (typeName ? SHGFI_TYPENAME : 0);
    const bool askAttributes = !kind.linkExtension;
    const bool useFileAttributes = icon ? !kind.perFile : !kind.folder;
    const UINT first = base | (askAttributes ? SHGFI_ATTRIBUTES : 0) |
                       (useFileAttributes && !askAttributes ? SHGFI_USEFILEATTRIBUTES : 0);
    const bool secondWay = icon || (useFileAttributes && askAttributes);

    const ky_F path = m_item.GetFullFileName();
    SHFILEINFOA info = {};
    bool answered = GetShellInfo(path.c_str(), 0, info, first) != 0;
    const bool attributesValid = answered && askAttributes;
    if (!answered && secondWay) {
        info = SHFILEINFOA();
        answered = GetShellInfo(path.c_str(), 0, info, base | SHGFI_USEFILEATTRIBUTES) != 0;
    }

    bool link = kind.linkExtension;
    if (attributesValid && !link && (info.dwAttributes & SFGAO_LINK)) {
        link = true;
        kind.perFile = true;
        if (!kind.extension.empty())
            m_caches.AddLinkExtension(kind.extension);
    }
    if (!answered)
        kind.perFile = true;

    FileShInfo* record = RecordFor(kind);
    if (typeName)
        record->typeName =
            m_caches.InternTypeName(TypeNameFor(answered ? info.szTypeName : "", kind));
    if (icon) {
        record->icon = answered ? info.iIcon : -1;
        record->overlay = link ? 2 : 0;
    }
    record->prepared |= missing | (typeName ? TypeName : NoFields);
    m_item.m_fileShInfo = record;
}

// The record the answer goes into: the item's own, a new one for the
// extension, or a new one of the item alone. An item whose icon turned out to
// be its own leaves the extension's shared record as it is.
Item::FileShInfo* Item::Preparation::RecordFor(const ShellKind& kind) const
{
    FileShInfo* current = m_item.m_fileShInfo;
    if (current != nullptr) {
        if (!kind.perFile || current != m_caches.FindExtension(kind.extension))
            return current;
        FileShInfo* own = m_caches.AddPerFile();
        *own = *current;
        return own;
    }
    if (!kind.perFile && !kind.extension.empty())
        return m_caches.AddExtension(kind.extension);
    return m_caches.AddPerFile();
}

ky_S Item::Preparation::TypeNameFor(const char* shellName, const ShellKind& kind) const
{
    if (*shellName != '\0')
        return ky_S(shellName);
    if (kind.folder)
        return m_caches.FolderText();
    if (kind.extension.empty())
        return m_caches.FileText();
    ky_S name(kind.extension.c_str() + 1);
    name += m_caches.FileSuffixText();
    return name;
}

} // namespace ShFileRec
} // namespace Kyvant
