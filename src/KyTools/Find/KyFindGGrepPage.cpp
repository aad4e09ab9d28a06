// KyFindGGrepPage: the grep family's boxes, option letters and arguments.
#include "KyTools/Find/KyFindGGrepPage.h"

#include "KyTools/Find/FindRecords.h"
#include "KyTools/Find/FindResource.h"
#include "KyTools/Find/PatternEditing.h"

namespace {

#define KY_FIND_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_FIND_GREP_PAGE
const DWORD kHelpIds[] = {KY_FIND_HELP(IDC_KY_FIND_EDITOR),
                          KY_FIND_HELP(IDC_KY_FIND_PATTERN),
                          KY_FIND_HELP(IDC_KY_FIND_IGNORE_CASE),
                          KY_FIND_HELP(IDC_KY_FIND_WHOLE_WORDS),
                          KY_FIND_HELP(IDC_KY_FIND_LINE_NUMBERS),
                          KY_FIND_HELP(IDC_KY_FIND_BINARY_MODE),
                          KY_FIND_HELP(IDC_KY_FIND_NAMES_ONLY),
                          KY_FIND_HELP(IDC_KY_FIND_CONTEXT_LINES),
                          KY_FIND_HELP(IDC_KY_FIND_INVERTED),
                          0,
                          0};
#undef KY_FIND_HELP

} // namespace

IMPLEMENT_DYNAMIC(KyFindGGrepPage, KyFindGPageBase)

const char KyFindGGrepPage::kIdeOutputWord[] = "--kyvant_ide_output";

KyFindGGrepPage::KyFindGGrepPage(const Kyvant::ky_I& guid, KyFindGFlavor flavor,
                                 const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                                 const Kyvant::RegKey& parent)
    : KyFindGPageBase(IDD_KY_FIND_GREP_PAGE, guid, flavor, kHelpIds, bridge, parent),
      m_contextLines(0), m_inverted(0)
{
    namespace Records = Kyvant::FindRecords;
    const int ignoreCase = flavor == KyFindGFlavor::PlainText ? 1 : 0;
    // In the write order of the records.
    SetSettings(
        {{"IgnoreCase", IDC_KY_FIND_IGNORE_CASE, Records::IgnoreCase, &m_ignoreCase, ignoreCase},
         {"WholeWords", IDC_KY_FIND_WHOLE_WORDS, Records::WholeWords, &m_wholeWords, 0},
         {"Inverted", IDC_KY_FIND_INVERTED, Records::Inverted, &m_inverted, 0},
         {"ContextLines", IDC_KY_FIND_CONTEXT_LINES, Records::ContextLines, &m_contextLines, 0},
         {"LineNumbers", IDC_KY_FIND_LINE_NUMBERS, Records::LineNumbers, &m_lineNumbers, 1},
         {"FileNamesOnly", IDC_KY_FIND_NAMES_ONLY, Records::FileNamesOnly, &m_fileNamesOnly, 0},
         {"BinaryMode", IDC_KY_FIND_BINARY_MODE, Records::BinaryMode, &m_binaryMode, 0}});
    ResetToDefaults();
}

KyFindGGrepPage::~KyFindGGrepPage() = default;

Kyvant::ky_S KyFindGGrepPage::OptionWord() const
{
    Kyvant::ky_S word("-");
    if (m_ignoreCase)
        word += 'i';
    if (m_wholeWords)
        word += 'w';
    if (m_inverted)
        word += 'v';
    if (m_binaryMode)
        word += "aU";
    if (m_lineNumbers) {
        word += 'n';
        if (m_fileNamesOnly)
            word += 'l';
    } else {
        word += m_fileNamesOnly ? 'l' : 'h';
    }
    word += Kyvant::FindFlavors::OptionLetter(GetGUID());
    if (m_contextLines)
        word += 'C';
    return word;
}

void KyFindGGrepPage::UpdateArgv(const ArgSink& argv)
{
    argv.append(OptionWord());
    argv.append(Kyvant::ky_S(kIdeOutputWord));
    UpdatePatternArgv(argv);
    KyFindGPageBase::UpdateArgv(argv);
}

void KyFindGGrepPage::UpdatePatternArgv(const ArgSink& argv)
{
    argv.append(Kyvant::ky_S("-e") + m_pattern);
}

void KyFindGGrepPage::OpenBigEditor()
{
    Kyvant::ky_S edited;
    if (!Kyvant::PatternEditing::Edit(*this, m_patternCombo, GetCaption(),
                                      Kyvant::PatternEditing::ToEditorText(GetComboText()), edited))
        return;
    DocSetModified();
    SetComboText(Kyvant::PatternEditing::JoinLines(edited));
}
