// ReplacePlanOptions: the parts of a replace plan besides its rules as the Replace page edits
// them (the five option boxes, Prologue Script, the prologue file, the quick script), with the
// one pairing of each part with its control and with the plan.
#pragma once

#include "KyDB/Named/ReplacePlan.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Strings/String.h"
#include "KyTools/Replace/ReplaceResource.h"

#include <afxwin.h>

namespace Kyvant {

struct ReplacePlanOptions {
    // A check box of the page, its value here and its part of a plan.
    struct Box {
        int id;
        int ReplacePlanOptions::*value;
        bool ReplacePlan::*part;
    };
    static const unsigned kBoxCount = 6;
    // In the order the page shows and reads them.
    static const Box kBoxes[kBoxCount];

    ReplacePlanOptions() = default;
    // The plan's parts besides its rules.
    explicit ReplacePlanOptions(const ReplacePlan& plan)
        : prologueFile(plan.m_prologueFile), quickScript(plan.m_prologueText)
    {
        for (const Box& box : kBoxes)
            this->*box.value = plan.*box.part ? 1 : 0;
    }

    // A plan of the rules with these parts; A is always off in plans built here.
    ReplacePlan WithRules(const ReplaceRuleVector& rules) const
    {
        return ReplacePlan(rules, backups != 0, binary != 0, lineMode != 0, noConfirm != 0,
                           verbose != 0, usePrologue != 0, prologueFile, quickScript, false);
    }

    // The page's boxes checked as the values say.
    void ShowBoxes(CWnd& page) const
    {
        for (const Box& box : kBoxes)
            page.CheckDlgButton(box.id, this->*box.value != 0 ? BST_CHECKED : BST_UNCHECKED);
    }

    // The values as the page's boxes and its prologue-file combo show them.
    void ReadControls(const CWnd& page, const CWnd& prologueFileCombo)
    {
        for (const Box& box : kBoxes)
            this->*box.value = page.IsDlgButtonChecked(box.id) == BST_CHECKED ? 1 : 0;
        CString file;
        prologueFileCombo.GetWindowText(file);
        prologueFile = static_cast<LPCSTR>(file);
    }

    // The exchanged values (32-bit ints for the boxes' data exchange).
    int backups = 0;
    int binary = 0;
    int lineMode = 0;
    int noConfirm = 0;
    int verbose = 0;
    int usePrologue = 0;
    ky_F prologueFile;
    // The plan's text part, edited with the quick-script button.
    ky_S quickScript;
};

inline const ReplacePlanOptions::Box ReplacePlanOptions::kBoxes[ReplacePlanOptions::kBoxCount] = {
    {IDC_KY_REPLACE_BACKUPS, &ReplacePlanOptions::backups, &ReplacePlan::m_backups},
    {IDC_KY_REPLACE_BINARY, &ReplacePlanOptions::binary, &ReplacePlan::m_binary},
    {IDC_KY_REPLACE_LINE_MODE, &ReplacePlanOptions::lineMode, &ReplacePlan::m_lineMode},
    {IDC_KY_REPLACE_NO_CONFIRM, &ReplacePlanOptions::noConfirm, &ReplacePlan::m_noConfirm},
    {IDC_KY_REPLACE_VERBOSE, &ReplacePlanOptions::verbose, &ReplacePlan::m_verbose},
    {IDC_KY_REPLACE_PROLOGUE, &ReplacePlanOptions::usePrologue, &ReplacePlan::m_usePrologue}};

} // namespace Kyvant
