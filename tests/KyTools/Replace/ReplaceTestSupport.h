// What the Replace page's tests share: a fixture with its own database folder
// and settings key, rules and plans written briefly, the page's grid and the
// plans the page stored.
#pragma once

#include "Host/SettingsHost.h"
#include "KyDB/NamedDbTestEnv.h"
#include "KyDB/Named/ReplacePlan.h"
#include "KyDB/Named/ReplacePlanDB.h"
#include "KyStd/Registry/RegValues.h"
#include "KyTools/Replace/KyReplaceGPatternListBox.h"
#include "KyTools/Replace/KyReplaceGSubDialogPage.h"
#include "KyTools/Replace/ReplaceResource.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace replacetest {

using Kyvant::ReplacePlan;
using Kyvant::ReplaceRule;
using Kyvant::ReplaceRuleVector;
using Args = std::vector<std::string>;

// The option letters of a rule, as KyReplace spells them: i w s r x, c for
// confirm, e d; A marks it active.
inline ReplaceRule Rule(const char* find, const char* replace, const std::string& flags)
{
    auto has = [&flags](char c) { return flags.find(c) != std::string::npos; };
    return ReplaceRule(has('A'), Kyvant::ky_S(find), Kyvant::ky_S(replace), has('i'), has('w'),
                       has('s'), has('r'), has('x'), has('c'), has('e'), has('d'));
}

inline ReplaceRuleVector Rules(std::initializer_list<ReplaceRule> rules)
{
    ReplaceRuleVector vector;
    for (const ReplaceRule& rule : rules)
        vector.push_back(rule);
    return vector;
}

// A plan with the rules and the options named by letters B I L N V, P for
// the prologue.
inline ReplacePlan Plan(const ReplaceRuleVector& rules, const std::string& options = "",
                        const char* file = "", const char* script = "")
{
    auto has = [&options](char c) { return options.find(c) != std::string::npos; };
    return ReplacePlan(rules, has('B'), has('I'), has('L'), has('N'), has('V'), has('P'),
                       Kyvant::ky_F(file), Kyvant::ky_S(script), false);
}

inline std::string Stored(const ReplacePlan& plan)
{
    Kyvant::ky_S text;
    plan.StoreContents(text);
    return text.c_str();
}

inline KyReplaceGPatternListBox& Grid(CWnd& page)
{
    return dynamic_cast<KyReplaceGPatternListBox&>(*page.GetDlgItem(IDC_KY_REPLACE_GRID));
}

// A mouse click on one of the page's editor buttons (which open their editor
// only for a real press of the left button).
inline void ClickInvoker(CWnd& page, int id)
{
    CWnd* button = page.GetDlgItem(id);
    CRect client;
    button->GetClientRect(&client);
    const LPARAM at = MAKELPARAM(client.CenterPoint().x, client.CenterPoint().y);
    button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
    button->SendMessage(WM_LBUTTONUP, 0, at);
    PumpPending();
}

// The database's plan of the name; an empty plan with no rules when none is stored.
inline ReplacePlan StoredPlan(const char* name)
{
    Kyvant::ReplacePlanDB& db = Kyvant::ReplacePlanDB::Instance();
    const auto found = db.find(Kyvant::ky_I(name));
    return found == db.end() ? ReplacePlan() : found->second;
}

class ReplaceFixture : public ::testing::Test,
                       protected hosttest::PageRunner<KyReplaceGSubDialogPage> {
protected:
    using PageRunner<KyReplaceGSubDialogPage>::Run;

    void SetUp() override
    {
        theApp.m_boxes.clear();
        m_db.reset(new NamedDbTest::DbFolder);
        m_key = hosttest::FreshKey("Replace");
    }
    void TearDown() override
    {
        m_page.reset();
        m_host.reset();
        hosttest::DeleteTestsKey();
        m_db.reset();
    }

    INT_PTR Run(const std::function<void(KyReplaceGSubDialogPage&, hosttest::SettingsHost&)>& s)
    {
        return Run(m_key, s);
    }

    void SetConfig(const ReplacePlan& plan, const char* name = "")
    {
        Kyvant::WriteRegistryString(m_key.get(), "Config", Kyvant::ky_S(Stored(plan).c_str()));
        Kyvant::WriteRegistryString(m_key.get(), "ConfigName", Kyvant::ky_S(name));
    }
    std::string Value(const char* name) const
    {
        Kyvant::ky_S text;
        text.LoadStringA(m_key.get(), name, "<none>");
        return text.c_str();
    }
    static void StorePlan(const char* name, const ReplacePlan& plan)
    {
        Kyvant::ReplacePlanDB::Instance().Insert(Kyvant::ky_I(name), plan);
    }

    std::unique_ptr<NamedDbTest::DbFolder> m_db;
    Kyvant::RegKey m_key;
};

} // namespace replacetest
