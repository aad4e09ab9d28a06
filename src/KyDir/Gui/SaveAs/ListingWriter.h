// The listing written as text: a header of the shown columns' titles and
// one TAB-separated line per item as the list shows it, or the items' full
// paths alone; and the Save As command that asks where and how.
#pragma once

#include "KyStd/Registry/RegKey.h"

class FileListView;
class CWnd;

enum ListingMode {
    AsDisplayed = 0,   // the shown columns in display order
    WithFullPaths = 1, // the same, full paths in Name and no In Folder
    FullPathsOnly = 2, // one full path a line, no header
};

// Writes all rows in list order, or the selected ones in selection order,
// to the file, each line ending in CR LF. A cell the list shows is cut to
// 255 characters. The file replaces an existing one only once complete:
// failures raise an exception (the system's or MFC's error, or a read-only
// target's) and leave the target as it was.
void WriteListing(FileListView& view, const char* path, ListingMode mode, bool selectedOnly);

// The settings under the application key.
extern const char kSaveAsModeValue[];
extern const char kSaveAsPathValue[];

// Runs the save dialog over the view's listing, starting from the mode and
// folder stored under the key, and writes the file; the mode and folder are
// stored after OK. False when the dialog was cancelled.
bool SaveListingAs(FileListView& view, const Kyvant::RegKey& appKey, CWnd* parent);
