// KyFindGPerlPage: the Perl boxes, option letters and arguments.
#include "KyTools/Find/KyFindGPerlPage.h"

#include "KyTools/Find/FindRecords.h"
#include "KyTools/Find/FindResource.h"
#include "KyTools/Find/PatternEditing.h"

namespace {

#define KY_FIND_HELP(id) id, (static_cast<DWORD>(id) << 16) | IDD_KY_FIND_PERL_PAGE
const DWORD kHelpIds[] = {KY_FIND_HELP(IDC_KY_FIND_EDITOR),
                          KY_FIND_HELP(IDC_KY_FIND_PATTERN),
                          KY_FIND_HELP(IDC_KY_FIND_IGNORE_CASE),
                          KY_FIND_HELP(IDC_KY_FIND_WHOLE_WORDS),
                          KY_FIND_HELP(IDC_KY_FIND_LINE_NUMBERS),
                          KY_FIND_HELP(IDC_KY_FIND_BINARY_MODE),
                          KY_FIND_HELP(IDC_KY_FIND_NAMES_ONLY),
                          KY_FIND_HELP(IDC_KY_FIND_XREGEX),
                          KY_FIND_HELP(IDC_KY_FIND_LINE_MODE),
                          KY_FIND_HELP(IDC_KY_FIND_DOT_MATCHES_NL),
                          0,
                          0};
#undef KY_FIND_HELP

} // namespace

IMPLEMENT_DYNAMIC(KyFindGPerlPage, KyFindGPageBase)

KyFindGPerlPage::KyFindGPerlPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge,
                                 const Kyvant::RegKey& parent)
    : KyFindGPageBase(IDD_KY_FIND_PERL_PAGE, Kyvant::FindFlavors::Guid(KyFindGFlavor::Perl),
                      KyFindGFlavor::Perl, kHelpIds, bridge, parent),
      m_extendedRegEx(0), m_lineMode(0), m_dotMatchesNL(0)
{
    namespace Records = Kyvant::FindRecords;
    // In the write order of the records.
    SetSettings(
        {{"IgnoreCase", IDC_KY_FIND_IGNORE_CASE, Records::IgnoreCase, &m_ignoreCase, 0},
         {"WholeWords", IDC_KY_FIND_WHOLE_WORDS, Records::WholeWords, &m_wholeWords, 0},
         {"LineNumbers", IDC_KY_FIND_LINE_NUMBERS, Records::LineNumbers, &m_lineNumbers, 1},
         {"FileNamesOnly", IDC_KY_FIND_NAMES_ONLY, Records::FileNamesOnly, &m_fileNamesOnly, 0},
         {"DotMatchesNL", IDC_KY_FIND_DOT_MATCHES_NL, Records::DotMatchesNL, &m_dotMatchesNL, 0},
         {"XRegEx", IDC_KY_FIND_XREGEX, Records::ExtendedRegEx, &m_extendedRegEx, 0},
         {"LineMode", IDC_KY_FIND_LINE_MODE, Records::LineMode, &m_lineMode, 0},
         {"BinaryMode", IDC_KY_FIND_BINARY_MODE, Records::BinaryMode, &m_binaryMode, 0}});
    ResetToDefaults();
}

KyFindGPerlPage::~KyFindGPerlPage() = default;

Kyvant::ky_S KyFindGPerlPage::OptionWord() const
{
    const struct {
        int value;
        char letter;
    } letters[] = {{m_ignoreCase, 'i'},    {m_wholeWords, 'w'},   {m_dotMatchesNL, 's'},
                   {m_extendedRegEx, 'x'}, {m_binaryMode, 'I'},   {m_lineMode, 'L'},
                   {m_lineNumbers, 'Y'},   {m_fileNamesOnly, 'Z'}};
    Kyvant::ky_S word("-nr");
    for (const auto& option : letters) {
        if (option.value)
            word += option.letter;
    }
    return word;
}

void KyFindGPerlPage::UpdateArgv(const ArgSink& argv)
{
    argv.append(Kyvant::ky_S("-zperl"));
    argv.append(Kyvant::ky_S("-P"));
    UpdatePatternArgv(argv);
    argv.append(OptionWord());
    KyFindGPageBase::UpdateArgv(argv);
}

void KyFindGPerlPage::UpdatePatternArgv(const ArgSink& argv)
{
    argv.append(Kyvant::ky_S("-p") + m_pattern);
}

void KyFindGPerlPage::OpenBigEditor()
{
    Kyvant::ky_S edited;
    if (!Kyvant::PatternEditing::Edit(*this, m_patternCombo, GetCaption(),
                                      Kyvant::PatternEditing::ToEditorText(GetComboText()), edited))
        return;
    DocSetModified();
    m_patternCombo.SetWindowText(Kyvant::PatternEditing::KeepLines(edited).c_str());
}
