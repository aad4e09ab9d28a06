// KyRenamerDlg: asks for an item's new name; the database decides whether it
// is taken, and a refusal keeps the dialog open.
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KYGUITOOL_API KyRenamerDlg : public CDialog {
public:
    // What the dialog asks of the database.
    class KYGUITOOL_API NewNameValidator {
    public:
        virtual ~NewNameValidator();
        // Trims the new name in place; true when the old name may take it.
        // A refusal is told here or thrown with its reason.
        virtual bool Check(const Kyvant::ky_I& oldName, Kyvant::ky_I& newName) = 0;
    };

    KyRenamerDlg(const Kyvant::ky_I& currentName, const Kyvant::ky_BSB<char>& caption,
                 NewNameValidator& validator, CWnd* parent);

    // The accepted name (trimmed), after IDOK.
    const Kyvant::ky_I& NewName() const { return m_newName; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    Kyvant::ky_I m_currentName;
    Kyvant::ky_I m_newName;
    Kyvant::ky_S m_caption;
    NewNameValidator& m_validator;
};
