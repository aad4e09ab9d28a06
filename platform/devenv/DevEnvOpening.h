// What the environments offer for opening a file at a line: Visual C++ 6's
// Visible and Active, its Documents.Open and the text selection's
// GoToLine; VS.NET's UserControl, MainWindow.HWnd, ItemOperations.OpenFile
// in a view kind, Documents.Item by name and the selection's GotoLine.
// Opened documents are kept in the Documents collections, each selection
// records the line it was moved to as "CurrentLine".
#pragma once

#include "devenv/DevEnvModel.h"

#include <windows.h>

namespace DevEnvStandIn {

extern const IID kVcDocumentsIid;     // Visual C++ 6 IDocuments
extern const IID kVcTextSelectionIid; // Visual C++ 6 ITextSelection
extern const wchar_t kTextViewKind[]; // VS.NET's text view kind

// Visible and Active start false; Documents becomes an empty collection
// whose Open(file[, type[, readOnly]]) adds and returns a text document.
void MakeVcOpenable(DispObject* app);
// UserControl starts false; MainWindow.HWnd gives mainWindow; the
// ItemOperations object's OpenFile(file, kind) adds a document (found by
// its FullName) and keeps the kind as "LastViewKind".
void MakeDteOpenable(DispObject* dte, HWND mainWindow);

// The document of that name in the environment's Documents (null: none).
DispObject* OpenedDocument(DispObject* environment, const wchar_t* fullName);
// The line the document's selection was moved to (0: never moved).
long SelectedLine(DispObject* document);

} // namespace DevEnvStandIn
