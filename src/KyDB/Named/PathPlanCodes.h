// The characters and texts of the path-plan language: the '@' code items
// every console tool accepts among its file arguments, the separators inside
// items, the folder-depth codes and the names of the development-environment
// objects. PathPlanDB inherits them, so callers write PathPlanDB::s_PathCode.
#pragma once

#include "KyDB/KyDBExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {

// Fixed characters, usable in constant expressions.
struct PathPlanCodes {
    static constexpr char s_EscapeCode = '@';
    static constexpr char s_EscapeSpecifier[3] = "@@";
    static constexpr char s_SecondaryListSeparator = ';';
    static constexpr char s_PathSectionSeparator = '|';
    static constexpr char s_MaskSetEscapeCode = '>';
    static constexpr char s_InfiniteRecursionCode = '+';
    static constexpr char s_NoRecursionCode = '-';
    static constexpr char s_VsNetModifierSeparator = '+';

    static constexpr char s_BeginArgsCode = '!';
    static constexpr char s_BeginArgsSpecifier[3] = "@!";
    static constexpr char s_ClearCode = 'c';
    static constexpr char s_ClearSpecifier[3] = "@c";
    static constexpr char s_PathCode = 'p';
    static constexpr char s_PathSpecifier[3] = "@p";
    static constexpr char s_MasksCode = 'm';
    static constexpr char s_MasksSpecifier[3] = "@m";
    static constexpr char s_MaxRecursionDepthCode = 'd';
    static constexpr char s_MaxRecursionDepthSpecifier[3] = "@d";
    static constexpr char s_ResponseFileCode = 'F';
    static constexpr char s_ResponseFileSpecifier[3] = "@F";
    static constexpr char s_PathPlanNameCode = 'P';
    static constexpr char s_PathPlanNameSpecifier[3] = "@P";
    static constexpr char s_VcCode = 'C';
    static constexpr char s_VcSpecifier[3] = "@C";
    static constexpr char s_VsNetCode = 'V';
    static constexpr char s_VsNetSpecifier[3] = "@V";
    static constexpr char s_ExceptionCode = 'x';
    static constexpr char s_ExceptionSpecifier[3] = "@x";
    static constexpr char s_AdvancedCode = 'a';
    static constexpr char s_AdvancedSpecifier[3] = "@a";
    static constexpr char s_PureFolderCode = 'f';
    static constexpr char s_PureFolderSpecifier[3] = "@f";
    static constexpr char s_LiteralCode = 'L';
    static constexpr char s_LiteralSpecifier[3] = "@L";
    static constexpr char s_IndexingServiceCode = 'i';
    static constexpr char s_IndexingServiceSpecifier[3] = "@i";

    // Sub-codes after "@i".
    static constexpr char s_IndexingServiceForceCode = '+';
    static constexpr char s_IndexingServiceAllowCode = '*';
    static constexpr char s_IndexingServiceDisableCode = '-';
    static constexpr char s_IndexingServiceSearchCatalogCode = '\\';
    static constexpr char s_IndexingServiceQueryAllTermsCode = 'a';
    static constexpr char s_IndexingServiceCatalogCode = 'c';
    static constexpr char s_IndexingServiceMachineCode = 'm';
    static constexpr char s_IndexingServiceQueryAnyTermCode = 'n';
    static constexpr char s_IndexingServiceQueryPhraseCode = 'p';
    static constexpr char s_IndexingServiceQueryCode = 'q';
    static constexpr char s_IndexingServiceSortCode = 's';

    // Every code letter, and those that take an argument text.
    static constexpr char s_Codes[16] = "@!cpmdFPCVxafLi";
    static constexpr char s_CodesWithArgument[13] = "pmdFPCVxafLi";
};

// Constants built when the library starts.
struct KYDB_API PathPlanTexts {
    // Separates masks and list items; the base library's list separator.
    static const char s_PrimaryListSeparator;
    // Depth text accepted like '+'.
    static const ky_I s_InfiniteText;

    // Visual C++ 6 objects ("@C" arguments).
    static const ky_I s_VcActiveFile;
    static const ky_I s_VcActiveTextFile;
    static const ky_I s_VcAllFiles;
    static const ky_I s_VcAllTextFiles;
    static const ky_I s_VcActiveProjectFiles;
    static const ky_I s_VcAllProjectFiles;
    static const ky_I s_VcActiveProjectFolder;
    static const ky_I s_VcAllProjectFolders;

    // VS.NET objects ("@V" arguments).
    static const ky_I s_VsNetActiveDoc;
    static const ky_I s_VsNetActiveTextDoc;
    static const ky_I s_VsNetSelectedFiles;
    static const ky_I s_VsNetAllDocs;
    static const ky_I s_VsNetAllTextDocs;
    static const ky_I s_VsNetActiveProjectFiles;
    static const ky_I s_VsNetSelectedProjectFiles;
    static const ky_I s_VsNetAllProjectFiles;
    static const ky_I s_VsNetActiveProjectFolder;
    static const ky_I s_VsNetSelectedProjectFolders;
    static const ky_I s_VsNetAllProjectFolders;
    static const ky_I s_VsNetSolItemFiles;
    static const ky_I s_VsNetMiscFiles;
    static const ky_I s_VsNetVcIncludeDir;
    static const ky_I s_VsNetVcCrtSrcDir;
    static const ky_I s_VsNetPSDKIncludeDir;
    static const ky_I s_VsNetAtlMfcIncludeDir;
    static const ky_I s_VsNetAtlSrcDir;
    static const ky_I s_VsNetMfcSrcDir;
};

} // namespace Kyvant
