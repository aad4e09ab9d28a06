// The path-plan language's texts that are built at start-up.
#include "KyDB/Named/PathPlanCodes.h"

#include "KyStd/Files/FileFilter.h"

namespace Kyvant {

const char PathPlanTexts::s_PrimaryListSeparator = FileFilterBase::s_ListSeparator;
const ky_I PathPlanTexts::s_InfiniteText("Infinite");

const ky_I PathPlanTexts::s_VcActiveFile("ActiveFile");
const ky_I PathPlanTexts::s_VcActiveTextFile("ActiveTextFile");
const ky_I PathPlanTexts::s_VcAllFiles("AllFiles");
const ky_I PathPlanTexts::s_VcAllTextFiles("AllTextFiles");
const ky_I PathPlanTexts::s_VcActiveProjectFiles("ActiveProjectFiles");
const ky_I PathPlanTexts::s_VcAllProjectFiles("AllProjectFiles");
const ky_I PathPlanTexts::s_VcActiveProjectFolder("ActiveProjectFolder");
const ky_I PathPlanTexts::s_VcAllProjectFolders("AllProjectFolders");

const ky_I PathPlanTexts::s_VsNetActiveDoc("ActiveDocument");
const ky_I PathPlanTexts::s_VsNetActiveTextDoc("ActiveTextDocument");
const ky_I PathPlanTexts::s_VsNetSelectedFiles("SelectedFiles");
const ky_I PathPlanTexts::s_VsNetAllDocs("AllDocuments");
const ky_I PathPlanTexts::s_VsNetAllTextDocs("AllTextDocuments");
const ky_I PathPlanTexts::s_VsNetActiveProjectFiles("ActiveProjectFiles");
const ky_I PathPlanTexts::s_VsNetSelectedProjectFiles("SelectedProjectFiles");
const ky_I PathPlanTexts::s_VsNetAllProjectFiles("AllProjectFiles");
const ky_I PathPlanTexts::s_VsNetActiveProjectFolder("ActiveProjectFolder");
const ky_I PathPlanTexts::s_VsNetSelectedProjectFolders("SelectedProjectFolders");
const ky_I PathPlanTexts::s_VsNetAllProjectFolders("AllProjectFolders");
const ky_I PathPlanTexts::s_VsNetSolItemFiles("SolutionItems");
const ky_I PathPlanTexts::s_VsNetMiscFiles("MiscellaneousFiles");
const ky_I PathPlanTexts::s_VsNetVcIncludeDir("VcIncludeDir");
const ky_I PathPlanTexts::s_VsNetVcCrtSrcDir("VcCrtSrcDir");
const ky_I PathPlanTexts::s_VsNetPSDKIncludeDir("PSDKIncludeDir");
const ky_I PathPlanTexts::s_VsNetAtlMfcIncludeDir("AtlMfcIncludeDir");
const ky_I PathPlanTexts::s_VsNetAtlSrcDir("AtlSrcDir");
const ky_I PathPlanTexts::s_VsNetMfcSrcDir("MfcSrcDir");

} // namespace Kyvant
