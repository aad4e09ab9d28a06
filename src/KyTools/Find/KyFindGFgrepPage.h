// KyFindGFgrepPage: the Fgrep page: the grep family's page whose pattern is
// a list of literal alternatives, one "-e" argument each, edited one per line.
#pragma once

#include "KyTools/Find/KyFindGGrepPage.h"

class KYTOOLS_API KyFindGFgrepPage : public KyFindGGrepPage {
    DECLARE_DYNAMIC(KyFindGFgrepPage)
public:
    KyFindGFgrepPage(const Kyvant::rc_ptr<Kyvant::AppBridge>& bridge, const Kyvant::RegKey& parent);
    ~KyFindGFgrepPage() override;

    // "-e" and each alternative; a pattern that is no list of alternatives is
    // refused with its message, the focus goes to the pattern, and MFC's user
    // exception abandons the accept.
    void UpdatePatternArgv(const ArgSink& argv) override;

protected:
    // The alternatives one per line (a refused pattern opens no editor); the
    // lines become the alternatives again.
    void OpenBigEditor() override;

private:
    // True for no refusal (0); else shows the refusal's message (its string
    // id as help id), moves the focus to the pattern and answers false.
    bool Accepted(unsigned refusal);
};
