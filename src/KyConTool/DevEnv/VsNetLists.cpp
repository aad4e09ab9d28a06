// The objects of "@V" items and their handlers: VS.NET documents, projects, items and folders.
#include "KyConTool/DevEnv/DispatchCall.h"
#include "KyConTool/DevEnv/VcLists.h"
#include "KyConTool/DevEnv/VsNetInstallFolder.h"
#include "KyDB/Named/PathPlanCodes.h"
#include "KyStd/Shell/Co.h"

#include <stdexcept>

namespace Kyvant {
namespace DevEnv {

namespace {

const IID s_textDocumentIid = {
    0xCB218890, 0x1382, 0x472B, {0x91, 0x18, 0x78, 0x27, 0x00, 0xC8, 0x81, 0x15}};

// Project item kinds.
const ky_I s_physicalFileKind("{6BB5F8EE-4483-11D3-8BCF-00C04F8EC28C}");
const ky_I s_solutionItemKind("{66A26722-8FB5-11D2-AA7E-00C04F688DDE}");
const ky_I s_miscItemKind("{66A2671F-8FB5-11D2-AA7E-00C04F688DDE}");

bool IsTextDocument(IDispatch* document)
{
    DispatchPtr object = GetDispatch(document, L"Object", {_variant_t(L"")});
    if (!object)
        return false;
    IUnknown* text = nullptr;
    if (FAILED(object->QueryInterface(s_textDocumentIid, reinterpret_cast<void**>(&text))) || !text)
        return false;
    text->Release();
    return true;
}

void AddDocument(IDispatch* document, bool textOnly, VcResultList& out)
{
    if (document && (!textOnly || IsTextDocument(document)))
        out.AddFile(GetText(document, L"FullName"));
}

void Documents(IDispatch* dte, bool textOnly, VcResultList& out)
{
    ForEachItem(GetDispatch(dte, L"Documents"),
                [&](IDispatch* document) { AddDocument(document, textOnly, out); });
}

// The files of an item that belongs to project, then those of its
// sub-items. Items of another project are left to that project.
void WalkItem(IDispatch* item, IDispatch* project, VcResultList& out)
{
    if (!item || !SameObject(GetDispatch(item, L"ContainingProject"), project))
        return;
    ky_I kind(GetText(item, L"Kind"));
    if (kind == s_physicalFileKind || (out.includeSolutionItems && kind == s_solutionItemKind) ||
        (out.includeMiscItems && kind == s_miscItemKind)) {
        for (long i = 1, n = GetLong(item, L"FileCount"); i <= n; ++i)
            out.AddFile(GetText(item, L"FileNames", {_variant_t(i)}));
    }
    ForEachItem(GetDispatch(item, L"ProjectItems"),
                [&](IDispatch* subItem) { WalkItem(subItem, project, out); });
}

void WalkProject(IDispatch* project, VcResultList& out)
{
    ForEachItem(GetDispatch(project, L"ProjectItems"),
                [&](IDispatch* item) { WalkItem(item, project, out); });
}

void AddProjectFolder(IDispatch* project, VcResultList& out)
{
    ky_F file(GetText(project, L"FullName"));
    if (!file.empty())
        out.AddFolder(file);
}

// The projects that an item names.
enum class Projects { Active, Selected, All };

template <class Visit>
void ForProjects(IDispatch* dte, Projects which, Visit visit)
{
    DispatchPtr solution = GetDispatch(dte, L"Solution");
    switch (which) {
    case Projects::Active: {
        _variant_t names = Invoke(dte, L"ActiveSolutionProjects");
        if (V_VT(&names) == VT_EMPTY || V_VT(&names) == VT_NULL)
            return;
        if (V_VT(&names) != (VT_ARRAY | VT_VARIANT) || !V_ARRAY(&names) ||
            SafeArrayGetDim(V_ARRAY(&names)) != 1)
            Co::Throw(DISP_E_TYPEMISMATCH);
        SAFEARRAY* array = V_ARRAY(&names);
        LONG low = 0, high = -1;
        Co::Vet(SafeArrayGetLBound(array, 1, &low));
        Co::Vet(SafeArrayGetUBound(array, 1, &high));
        for (LONG i = low; i <= high; ++i) {
            _variant_t element;
            Co::Vet(SafeArrayGetElement(array, &i, &element));
            _bstr_t uniqueName(element);
            if (DispatchPtr project = GetDispatch(solution, L"Item", {_variant_t(uniqueName)}))
                visit(project);
        }
        return;
    }
    case Projects::Selected: {
        ForEachItem(GetDispatch(dte, L"SelectedItems"), [&](IDispatch* item) {
            if (item)
                if (DispatchPtr project = GetDispatch(item, L"Project"))
                    visit(project);
        });
        return;
    }
    case Projects::All: {
        ForEachItem(solution ? GetDispatch(solution, L"Projects") : nullptr,
                    [&](IDispatch* project) {
                        if (project)
                            visit(project);
                    });
        return;
    }
    }
}

void ProjectFiles(IDispatch* dte, Projects which, VcResultList& out)
{
    ForProjects(dte, which, [&out](IDispatch* project) { WalkProject(project, out); });
}

void ProjectFolders(IDispatch* dte, Projects which, VcResultList& out)
{
    ForProjects(dte, which, [&out](IDispatch* project) { AddProjectFolder(project, out); });
}

// The solution's project of that unique name, walked with the flag set.
void SpecialProject(IDispatch* dte, const ky_I& uniqueName, VcResultList& out)
{
    ForProjects(dte, Projects::All, [&](IDispatch* project) {
        if (ky_I(GetText(project, L"UniqueName")) == uniqueName)
            WalkProject(project, out);
    });
}

void ActiveDoc(IDispatch* dte, VcResultList& out)
{
    AddDocument(GetDispatch(dte, L"ActiveDocument"), false, out);
}

void ActiveTextDoc(IDispatch* dte, VcResultList& out)
{
    AddDocument(GetDispatch(dte, L"ActiveDocument"), true, out);
}

void AllDocs(IDispatch* dte, VcResultList& out)
{
    Documents(dte, false, out);
}

void AllTextDocs(IDispatch* dte, VcResultList& out)
{
    Documents(dte, true, out);
}

void SelectedFiles(IDispatch* dte, VcResultList& out)
{
    out.includeSolutionItems = out.includeMiscItems = true;
    ForEachItem(GetDispatch(dte, L"SelectedItems"), [&](IDispatch* item) {
        DispatchPtr projectItem = item ? GetDispatch(item, L"ProjectItem") : nullptr;
        if (projectItem)
            WalkItem(projectItem, GetDispatch(projectItem, L"ContainingProject"), out);
    });
}

void ActiveProjectFiles(IDispatch* dte, VcResultList& out)
{
    ProjectFiles(dte, Projects::Active, out);
}

void SelectedProjectFiles(IDispatch* dte, VcResultList& out)
{
    out.includeSolutionItems = out.includeMiscItems = true;
    ProjectFiles(dte, Projects::Selected, out);
}

void AllProjectFiles(IDispatch* dte, VcResultList& out)
{
    ProjectFiles(dte, Projects::All, out);
}

void ActiveProjectFolder(IDispatch* dte, VcResultList& out)
{
    ProjectFolders(dte, Projects::Active, out);
}

void SelectedProjectFolders(IDispatch* dte, VcResultList& out)
{
    ProjectFolders(dte, Projects::Selected, out);
}

void AllProjectFolders(IDispatch* dte, VcResultList& out)
{
    ProjectFolders(dte, Projects::All, out);
}

void SolutionItems(IDispatch* dte, VcResultList& out)
{
    out.includeSolutionItems = true;
    SpecialProject(dte, "<SolnItems>", out);
}

void MiscFiles(IDispatch* dte, VcResultList& out)
{
    out.includeMiscItems = true;
    SpecialProject(dte, "<MiscFiles>", out);
}

// A folder below the installation folder; sub ends with a separator, so
// that the folder itself is the item's folder.
void InstallFolder(IDispatch* dte, const char* sub, VcResultList& out)
{
    ky_F root = VsNetInstallFolder(dte);
    if (root.empty())
        throw std::runtime_error(
            "VS.NET is not running, and the environment variable \"VCINSTALLDIR\" isn't defined");
    out.AddFolder(ky_F().ToPath(root.c_str(), sub));
}

void VcIncludeDir(IDispatch* dte, VcResultList& out)
{
    InstallFolder(dte, "include\\", out);
}

void VcCrtSrcDir(IDispatch* dte, VcResultList& out)
{
    InstallFolder(dte, "crt\\src\\", out);
}

void PSDKIncludeDir(IDispatch* dte, VcResultList& out)
{
    InstallFolder(dte, "PlatformSDK\\include\\", out);
}

void AtlMfcIncludeDir(IDispatch* dte, VcResultList& out)
{
    InstallFolder(dte, "atlmfc\\include\\", out);
}

void AtlSrcDir(IDispatch* dte, VcResultList& out)
{
    InstallFolder(dte, "atlmfc\\src\\atl\\", out);
}

void MfcSrcDir(IDispatch* dte, VcResultList& out)
{
    InstallFolder(dte, "atlmfc\\src\\mfc\\", out);
}

} // namespace

const ListObject* FindVsNetObject(const ky_I& name)
{
    using T = PathPlanTexts;
    static const char noActiveProject[] = "VS.NET has no active project at this time";
    static const char noSelectedProjects[] = "VS.NET has no selected projects at this time";
    static const char noProjects[] = "VS.NET has no projects open at this time";
    static const ListObject objects[] = {
        {&T::s_VsNetActiveDoc, &ActiveDoc, "VS.NET has no active file at this time", false, false},
        {&T::s_VsNetActiveTextDoc, &ActiveTextDoc,
         "VS.NET's active file isn't a text file, or there is no active file", false, false},
        {&T::s_VsNetSelectedFiles, &SelectedFiles, "VS.NET has no selected files at this time",
         false, false},
        {&T::s_VsNetAllDocs, &AllDocs, "VS.NET has no files open at this time", false, false},
        {&T::s_VsNetAllTextDocs, &AllTextDocs, "VS.NET has no text files open at this time", false,
         false},
        {&T::s_VsNetActiveProjectFiles, &ActiveProjectFiles, noActiveProject, false, false},
        {&T::s_VsNetSelectedProjectFiles, &SelectedProjectFiles, noSelectedProjects, false, false},
        {&T::s_VsNetAllProjectFiles, &AllProjectFiles, noProjects, false, false},
        {&T::s_VsNetActiveProjectFolder, &ActiveProjectFolder, noActiveProject, true, false},
        {&T::s_VsNetSelectedProjectFolders, &SelectedProjectFolders, noSelectedProjects, true,
         false},
        {&T::s_VsNetAllProjectFolders, &AllProjectFolders, noProjects, true, false},
        {&T::s_VsNetSolItemFiles, &SolutionItems, "VS.NET has no Solution Items at this time",
         false, false},
        {&T::s_VsNetMiscFiles, &MiscFiles, "VS.NET has no Miscellaneous Files at this time", false,
         false},
        {&T::s_VsNetVcIncludeDir, &VcIncludeDir, nullptr, true, true},
        {&T::s_VsNetVcCrtSrcDir, &VcCrtSrcDir, nullptr, true, true},
        {&T::s_VsNetPSDKIncludeDir, &PSDKIncludeDir, nullptr, true, true},
        {&T::s_VsNetAtlMfcIncludeDir, &AtlMfcIncludeDir, nullptr, true, true},
        {&T::s_VsNetAtlSrcDir, &AtlSrcDir, nullptr, true, true},
        {&T::s_VsNetMfcSrcDir, &MfcSrcDir, nullptr, true, true},
    };
    for (const ListObject& object : objects)
        if (*object.name == name)
            return &object;
    return nullptr;
}

} // namespace DevEnv
} // namespace Kyvant
