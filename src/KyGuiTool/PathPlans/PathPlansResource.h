// Resource ids of the path-plan pages (PathPlans.rc): the editor's and the
// chooser's templates, the controls every path-plan page carries, the tab
// control's own id, and the pages' strings (kept in the library's one
// string script).
#pragma once

#define IDD_KY_PATH_PLAN_EDITOR 25002
#define IDD_KY_PATH_PLAN_SELECTOR 25005
// The tab control of the path-plan pages, in place of the settings dialog's
// "PathPlan Proxy".
#define IDC_KY_PATH_PLAN_TABS 25063

// The controls of every path-plan page.
#define IDC_KY_PP_MASK_SET 24011
#define IDC_KY_PP_MASKS 24012
#define IDC_KY_PP_EXCEPTIONS 24013
#define IDC_KY_PP_ADVANCED 24014
#define IDC_KY_PP_RESTORE 24015

// The editor's own controls.
#define IDC_KY_PP_PLAN_MENU 24000
#define IDC_KY_PP_PLAN_NAMES 24001
#define IDC_KY_PP_PLAN_SAVE 24002
#define IDC_KY_PP_PLAN_DELETE 24003
#define IDC_KY_PP_PLAN_NEW 24004
#define IDC_KY_PP_RULES_EDITOR 24005
#define IDC_KY_PP_RULES 24006
#define IDC_KY_PP_DEPTH_LABEL 24009
#define IDC_KY_PP_DEPTH 24010

// The chooser's own controls.
#define IDC_KY_PP_CHOOSER_LIST 24019
#define IDC_KY_PP_CHOOSER_LABEL 24020
#define IDC_KY_PP_CHECK_ALL 24021
#define IDC_KY_PP_CHECK_NONE 24022

// What every page shows and asks.
#define IDS_KY_PP_ADVANCED 29472
#define IDS_KY_PP_ADVANCED_ON 29473
#define IDS_KY_PP_EXCEPTIONS 29474
#define IDS_KY_PP_EXCEPTIONS_ON 29475
#define IDS_KY_PP_EXCEPTIONS_EDITOR 29476
#define IDS_KY_PP_REPORT_MASKS 29477
#define IDS_KY_PP_REPORT_EXCEPTION 29478
// The tab captions.
#define IDS_KY_PP_EDITOR_CAPTION 29479
#define IDS_KY_PP_CHOOSER_CAPTION 29480
// The editor: the depth combo's entries, separated by ';', its large editor,
// the Explorer question (%s: the program's name), its checks and the
// storage controls' texts ("%s": the plan's name).
#define IDS_KY_PP_DEPTHS 29481
#define IDS_KY_PP_RULE_EDITOR 29482
#define IDS_KY_PP_EXPLORER_STALE 29483
// A hand-off file that could not be read (%s: the error).
#define IDS_KY_PP_EXPLORER_UNREADABLE 29495
#define IDS_KY_PP_EMPTY_LIST 29484
#define IDS_KY_PP_NEED_MASKS 29485
#define IDS_KY_PP_NEED_DEPTH 29486
#define IDS_KY_PP_SAVE_UNNAMED 29487
#define IDS_KY_PP_SAVE_NAMED 29488
#define IDS_KY_PP_DELETE_QUESTION 29489
#define IDS_KY_PP_RENAME_CAPTION 29490
#define IDS_KY_PP_DELETE_SOME 29491
// The chooser: its check, the missing plans' message (the names follow) and
// the counts after the label (checked, then all, printf style).
#define IDS_KY_PP_NO_PLAN_CHECKED 29492
#define IDS_KY_PP_MISSING_PLANS 29493
#define IDS_KY_PP_COUNTS 29494
