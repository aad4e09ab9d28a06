// The two environments' automation objects, as far as the Kyvant tools read
// them. Every object is a DispObject, so a test can change any member after
// building it (or make it fail).
//
// Visual C++ 6 application: ActiveDocument, Documents, ActiveProject,
// Projects; a document has FullName and Type, a project FullName; a text
// document also has Selection, whose TopLine and BottomLine bound it and
// whose Text it holds.
// VS.NET DTE: Version, ActiveDocument, Documents, SelectedItems,
// ActiveSolutionProjects (an array of projects), Solution (Projects and
// Item by unique name). A document has FullName and Object(kind); a project
// UniqueName (also its default value), Name, FullName and ProjectItems; a
// project item ContainingProject, Kind, FileCount, FileNames(i) and
// ProjectItems; a selected item ProjectItem and Project. The active
// document's Selection has IsEmpty, TopPoint and BottomPoint (each with
// Line, LineCharOffset and AtStartOfLine) and Text.
// A Visual C++ project engine: Platforms, whose "Win32" item evaluates macros.
#pragma once

#include "devenv/DispObject.h"

#include <string>
#include <vector>

namespace DevEnvStandIn {

using Objects = std::vector<ComRef<DispObject>>;

extern const IID kApplicationIid;  // Visual C++ 6 IApplication
extern const IID kDteIid;          // VS.NET _DTE
extern const IID kTextDocumentIid; // VS.NET TextDocument
extern const CLSID kEngine70;      // the project engines of VS.NET 7.0 and 7.1
extern const CLSID kEngine71;

// Project item kinds.
extern const wchar_t kPhysicalFileKind[];
extern const wchar_t kSolutionItemKind[];
extern const wchar_t kMiscItemKind[];

// Visual C++ 6.
ComRef<DispObject> VcApplication();
ComRef<DispObject> VcDocument(const wchar_t* fullName, const wchar_t* type);
ComRef<DispObject> VcProject(const wchar_t* fullName);
void SetVcDocuments(DispObject* app, const Objects& documents);
void SetVcProjects(DispObject* app, const Objects& projects);
// A selection from the top line to the bottom line (both from 1).
ComRef<DispObject> VcTextSelection(long topLine, long bottomLine, const wchar_t* text);
// A text document with the selection, made the application's active one.
ComRef<DispObject> SetVcActiveTextDocument(DispObject* app, const wchar_t* fullName,
                                           DispObject* selection);

// VS.NET.
ComRef<DispObject> Dte(const wchar_t* version);
ComRef<DispObject> DteDocument(const wchar_t* fullName, bool isText);
ComRef<DispObject> Project(const wchar_t* uniqueName, const wchar_t* fullName);
// A new item of parent (a project or an item), contained in project.
ComRef<DispObject> AddProjectItem(DispObject* parent, DispObject* project, const wchar_t* kind,
                                  const std::vector<std::wstring>& files);
ComRef<DispObject> SelectedItem(DispObject* projectItem, DispObject* project);
void SetDocuments(DispObject* dte, const Objects& documents);
void SetSelectedItems(DispObject* dte, const Objects& items);
void SetSolutionProjects(DispObject* dte, const Objects& projects);
void SetActiveProjects(DispObject* dte, const Objects& projects);
// A place in a text: line and column, both from 1.
struct TextPoint {
    long line;
    long column;
};
// A selection from top to bottom holding the text; empty when the two
// points are the same.
ComRef<DispObject> DteTextSelection(TextPoint top, TextPoint bottom, const wchar_t* text);
// A text document with the selection, made the active document.
ComRef<DispObject> SetDteActiveSelection(DispObject* dte, const wchar_t* fullName,
                                         DispObject* selection);

// A project engine whose "Win32" platform evaluates "$(VcInstallDir)" to
// installDir (other macros to nothing).
ComRef<DispObject> ProjectEngine(const wchar_t* installDir);

} // namespace DevEnvStandIn
