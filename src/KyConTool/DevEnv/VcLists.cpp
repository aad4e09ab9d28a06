// The objects of "@C" items and their handlers: Visual C++ 6 documents, projects and folders.
#include "KyConTool/DevEnv/VcLists.h"

#include "KyConTool/DevEnv/DispatchCall.h"
#include "KyDB/Named/PathPlanCodes.h"

namespace Kyvant {
namespace DevEnv {

namespace {

const ky_I s_generic("Generic");
const ky_I s_text("Text");

// Adds the document's FullName when it is of the expected type ("Generic"
// takes every document).
void AddDocument(IDispatch* document, const ky_I& type, VcResultList& out)
{
    if (!document)
        return;
    if (type != s_generic && ky_I(GetText(document, L"Type")) != s_text)
        return;
    out.AddFile(GetText(document, L"FullName"));
}

void ActiveDocument(IDispatch* app, const ky_I& type, VcResultList& out)
{
    AddDocument(GetDispatch(app, L"ActiveDocument"), type, out);
}

void AllDocuments(IDispatch* app, const ky_I& type, VcResultList& out)
{
    ForEachItem(GetDispatch(app, L"Documents"),
                [&](IDispatch* document) { AddDocument(document, type, out); });
}

void ActiveFile(IDispatch* app, VcResultList& out)
{
    ActiveDocument(app, s_generic, out);
}

void ActiveTextFile(IDispatch* app, VcResultList& out)
{
    ActiveDocument(app, s_text, out);
}

void AllFiles(IDispatch* app, VcResultList& out)
{
    AllDocuments(app, s_generic, out);
}

void AllTextFiles(IDispatch* app, VcResultList& out)
{
    AllDocuments(app, s_text, out);
}

// Each project of the application: the active one or all of them.
template <class Visit>
void ForProjects(IDispatch* app, bool activeOnly, Visit visit)
{
    if (activeOnly) {
        if (DispatchPtr project = GetDispatch(app, L"ActiveProject"))
            visit(project);
        return;
    }
    ForEachItem(GetDispatch(app, L"Projects"), [&](IDispatch* project) {
        if (project)
            visit(project);
    });
}

void ProjectFiles(IDispatch* app, bool activeOnly, VcResultList& out)
{
    ForProjects(app, activeOnly, [&out](IDispatch* project) {
        ky_F file(GetText(project, L"FullName"));
        if (!file.empty())
            ReadVcProjectFile(file, out);
    });
}

void ProjectFolders(IDispatch* app, bool activeOnly, VcResultList& out)
{
    ForProjects(app, activeOnly,
                [&out](IDispatch* project) { out.AddFolder(GetText(project, L"FullName")); });
}

void ActiveProjectFiles(IDispatch* app, VcResultList& out)
{
    ProjectFiles(app, true, out);
}

void AllProjectFiles(IDispatch* app, VcResultList& out)
{
    ProjectFiles(app, false, out);
}

void ActiveProjectFolder(IDispatch* app, VcResultList& out)
{
    ProjectFolders(app, true, out);
}

void AllProjectFolders(IDispatch* app, VcResultList& out)
{
    ProjectFolders(app, false, out);
}

} // namespace

const ListObject* FindVcObject(const ky_I& name)
{
    using T = PathPlanTexts;
    static const ListObject objects[] = {
        {&T::s_VcActiveFile, &ActiveFile, "Visual C++ has no active file at this time", false,
         false},
        {&T::s_VcActiveTextFile, &ActiveTextFile,
         "Visual C++'s active file isn't a text file, or there is no active file", false, false},
        {&T::s_VcAllFiles, &AllFiles, "Visual C++ has no files open at this time", false, false},
        {&T::s_VcAllTextFiles, &AllTextFiles, "Visual C++ has no text files open at this time",
         false, false},
        {&T::s_VcActiveProjectFiles, &ActiveProjectFiles,
         "Visual C++ has no active project at this time", false, false},
        {&T::s_VcAllProjectFiles, &AllProjectFiles, "Visual C++ has no projects open at this time",
         false, false},
        {&T::s_VcActiveProjectFolder, &ActiveProjectFolder,
         "Visual C++ has no active project at this time", true, false},
        {&T::s_VcAllProjectFolders, &AllProjectFolders,
         "Visual C++ has no projects open at this time", true, false},
    };
    for (const ListObject& object : objects)
        if (*object.name == name)
            return &object;
    return nullptr;
}

} // namespace DevEnv
} // namespace Kyvant
