// The steps that prepare an item's display fields; run under the caches' lock.
#pragma once

#include "KyGuiTool/FileRecords/ShFileRecCaches.h"
#include "KyGuiTool/FileRecords/ShFileRecItem.h"
#include "KyStd/Files/FileInfo.h"

namespace Kyvant {
namespace ShFileRec {

class Item::Preparation {
public:
    Preparation(const Item& item, Caches& caches) : m_item(item), m_caches(caches) {}

    void PrepareFileData(); // size, write time, attributes (and the creation time along)
    void PrepareCreationTime();
    void PrepareShellData(Fields wanted); // icon and type name
    void PrepareFolderIcon();

private:
    // What decides how an item's shell data is asked for and kept.
    struct ShellKind {
        bool folder;
        ky_I extension; // with its dot; empty for none
        bool linkExtension;
        bool perFile; // the icon is the file's own, not its extension's
    };

    bool AttributesKnown() const;
    bool IsFolder() const;
    void LookUp(FileInfo& info) const;
    void FormatFileData(bool withCreationTime) const;
    void FailFileData(bool withCreationTime) const;

    ShellKind KindOfItem() const;
    Fields MissingAfterSharing(Fields wanted, const ShellKind& kind) const;
    void FetchShellData(Fields missing, ShellKind& kind) const;
    FileShInfo* RecordFor(const ShellKind& kind) const;
    ky_S TypeNameFor(const char* shellName, const ShellKind& kind) const;

    const Item& m_item;
    Caches& m_caches;
};

} // namespace ShFileRec
} // namespace Kyvant
