// KyFindGPerlPage: the Find page of Perl patterns: its boxes, the engine and
// pattern arguments and the "-nr" option word.
#pragma once

#include "KyTools/Find/KyFindGPageBase.h"

class KYTOOLS_API KyFindGPerlPage : public KyFindGPageBase {
    DECLARE_DYNAMIC(KyFindGPerlPage)
public:
    KyFindGPerlPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, const Kyvant::RegKey& parent);
    ~KyFindGPerlPage() override;

    // "-zperl", "-P", the pattern, the option word ("-nr" and its letters)
    // and the separator.
    void UpdateArgv(const ArgSink& argv) override;
    // "-p" and the pattern.
    void UpdatePatternArgv(const ArgSink& argv) override;

protected:
    // The pattern's lines in the editor, kept as lines in the pattern.
    void OpenBigEditor() override;

    int m_extendedRegEx;
    int m_lineMode;
    int m_dotMatchesNL;

private:
    Kyvant::ky_S OptionWord() const;
};
