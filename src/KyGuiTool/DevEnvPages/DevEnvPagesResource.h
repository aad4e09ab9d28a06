// Resource ids of the development-environment pages (DevEnvPages.rc): their
// templates, their group boxes' controls, and their strings (kept in the
// library's one string script).
#pragma once

#define IDD_KY_PP_VC 25010
#define IDD_KY_PP_VSNET 25015

// Visual C++ 6: the controlling boxes of Developer Studio, %MSVCDir% and
// %MSSDK%, Developer Studio's actions, then the sub-folders of each variable.
#define IDC_KY_VC_DEVSTUDIO 3000
#define IDC_KY_VC_MSVCDIR 3001
#define IDC_KY_VC_MSSDK 3002
#define IDC_KY_VC_ACTIVE_TEXT_FILE 3004
#define IDC_KY_VC_ALL_TEXT_FILES 3005
#define IDC_KY_VC_ACTIVE_PROJECT_FILES 3006
#define IDC_KY_VC_ALL_PROJECT_FILES 3007
#define IDC_KY_VC_ACTIVE_PROJECT_FOLDER 3008
#define IDC_KY_VC_ALL_PROJECT_FOLDERS 3009
#define IDC_KY_VC_MSVCDIR_INCLUDE 3011
#define IDC_KY_VC_MSVCDIR_CRT_SRC 3012
#define IDC_KY_VC_MSVCDIR_ATL_INCLUDE 3013
#define IDC_KY_VC_MSVCDIR_ATL_SRC 3014
#define IDC_KY_VC_MSVCDIR_MFC_INCLUDE 3015
#define IDC_KY_VC_MSVCDIR_MFC_SRC 3016
#define IDC_KY_VC_MSSDK_INCLUDE 3018
#define IDC_KY_VC_MSSDK_SRC 3019
#define IDC_KY_VC_MSSDK_SAMPLES 3020

// Visual Studio .NET: the controlling boxes of Documents, Solution Explorer
// and Related Files, the two groups' actions, the "+" boxes, the folders.
#define IDC_KY_VSNET_DOCUMENTS 3100
#define IDC_KY_VSNET_SOLUTION 3101
#define IDC_KY_VSNET_RELATED 3102
#define IDC_KY_VSNET_ACTIVE_TEXT 3103
#define IDC_KY_VSNET_ALL_TEXT 3104
#define IDC_KY_VSNET_ACTIVE 3105
#define IDC_KY_VSNET_ALL 3106
#define IDC_KY_VSNET_ACTIVE_PROJECT 3107
#define IDC_KY_VSNET_ALL_PROJECTS 3108
#define IDC_KY_VSNET_SELECTED_PROJECTS 3109
#define IDC_KY_VSNET_SELECTED_FILES 3110
#define IDC_KY_VSNET_SOLUTION_ITEMS 3111
#define IDC_KY_VSNET_MISC_FILES 3112
#define IDC_KY_VSNET_INCLUDE 3113
#define IDC_KY_VSNET_CRT_SOURCE 3114
#define IDC_KY_VSNET_PSDK_INCLUDE 3115
#define IDC_KY_VSNET_ATL_MFC_INCLUDE 3116
#define IDC_KY_VSNET_ATL_SOURCE 3117
#define IDC_KY_VSNET_MFC_SOURCE 3118

// The tab captions and the check when no source is chosen.
#define IDS_KY_PP_VC_CAPTION 29552
#define IDS_KY_PP_VSNET_CAPTION 29553
#define IDS_KY_PP_SELECT_ACTION 29554
