// KyFindGGrepPage: the Find page of the grep family (Plain Text, Grep and
// Egrep; Fgrep derives from it): its boxes, its option letters and its one
// "-e" pattern argument.
#pragma once

#include "KyTools/Find/KyFindGPageBase.h"

class KYTOOLS_API KyFindGGrepPage : public KyFindGPageBase {
    DECLARE_DYNAMIC(KyFindGGrepPage)
public:
    // The option word before the pattern arguments.
    static const char kIdeOutputWord[];

    KyFindGGrepPage(const Kyvant::ky_I& guid, KyFindGFlavor flavor,
                    const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, const Kyvant::RegKey& parent);
    ~KyFindGGrepPage() override;

    // The option word ("-" and its letters), "--kyvant_ide_output", the
    // pattern arguments and the separator.
    void UpdateArgv(const ArgSink& argv) override;
    // "-e" and the pattern as typed.
    void UpdatePatternArgv(const ArgSink& argv) override;

protected:
    // The pattern one line per line of text; the lines are joined again
    // without a separator.
    void OpenBigEditor() override;

    int m_contextLines;
    int m_inverted;

private:
    Kyvant::ky_S OptionWord() const;
};
