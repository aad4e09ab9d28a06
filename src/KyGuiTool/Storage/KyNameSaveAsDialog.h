// KyNameSaveAsDialog: asks for the name to store an item under, among the
// stored names; a stored name is replaced only after "Overwrite ...?".
#pragma once

#include "KyGuiTool/KyGuiToolExport.h"
#include "KyStd/Containers/Sequencer.h"
#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KYGUITOOL_API KyNameSaveAsDialog : public CDialog {
public:
    // What the dialog asks of the database.
    class KYGUITOOL_API NewNameValidator {
    public:
        virtual ~NewNameValidator();
        // Trims the name in place; throws with the reason for a refused name.
        virtual bool Check(Kyvant::ky_I& name) = 0;
        // True, with the stored contents, when the name is stored.
        virtual bool Exists(const Kyvant::ky_I& name, Kyvant::ky_BSB<char>& contents) = 0;
    };

    // The names are read when the dialog opens; the label gets a ':'.
    KyNameSaveAsDialog(const Kyvant::input_sequencer<const char*>& names,
                       const Kyvant::ky_I& initialName, const Kyvant::ky_BSB<char>& pluralLabel,
                       NewNameValidator& validator, CWnd* parent);

    // The accepted name (trimmed), after IDOK.
    const Kyvant::ky_I& Name() const { return m_name; }

    // Names longer than this are refused.
    static const unsigned kMaxNameLength = 128;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    const Kyvant::input_sequencer<const char*>& m_names;
    Kyvant::ky_I m_name;
    Kyvant::ky_S m_label;
    NewNameValidator& m_validator;
};
