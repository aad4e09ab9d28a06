// KyFindGFgrepPage: the alternatives as arguments and in the editor, and the
// refusal of a pattern that has none.
#include "KyTools/Find/KyFindGFgrepPage.h"

#include "KyTools/Find/FgrepPattern.h"
#include "KyTools/Find/FindResource.h"
#include "KyTools/Find/PatternEditing.h"
#include "KyTools/PageSupport/PageHostDialog.h"

#include <vector>

namespace {

const char kEditorSeparator[] = "\r\n";

} // namespace

IMPLEMENT_DYNAMIC(KyFindGFgrepPage, KyFindGGrepPage)

KyFindGFgrepPage::KyFindGFgrepPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                                   const Kyvant::RegKey& parent)
    : KyFindGGrepPage(Kyvant::FindFlavors::Guid(KyFindGFlavor::Fgrep), KyFindGFlavor::Fgrep, bridge,
                      parent)
{
}

KyFindGFgrepPage::~KyFindGFgrepPage() = default;

bool KyFindGFgrepPage::Accepted(unsigned refusal)
{
    if (refusal == 0)
        return true;
    AfxMessageBox(refusal, MB_OK, refusal);
    Kyvant::PageHostDialog::FocusControl(*this, IDC_KY_FIND_PATTERN);
    return false;
}

void KyFindGFgrepPage::UpdatePatternArgv(const ArgSink& argv)
{
    std::vector<Kyvant::ky_S> alternatives;
    if (!Accepted(Kyvant::FgrepPattern::Split(m_pattern, alternatives)))
        AfxThrowUserException();
    for (const Kyvant::ky_S& alternative : alternatives)
        argv.append(Kyvant::ky_S("-e") + alternative);
}

void KyFindGFgrepPage::OpenBigEditor()
{
    Kyvant::ky_S lines;
    if (!Accepted(Kyvant::FgrepPattern::Convert(GetComboText(), kEditorSeparator, lines)))
        return;
    Kyvant::ky_S edited;
    if (!Kyvant::PatternEditing::Edit(*this, m_patternCombo, GetCaption(), lines, edited))
        return;
    DocSetModified();
    SetComboText(Kyvant::PatternEditing::AlternativesFromLines(edited));
}
