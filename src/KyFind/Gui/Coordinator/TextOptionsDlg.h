// TextOptionsDlg: the Text Options dialog: tab size (1 to 20), whether the
// current match is coloured, its colour (Auto is red), and the fonts of the
// file view and the match list, each chosen in the font dialog.
#pragma once

#include "KyGui/Buttons/KyColorButton.h"

#include <afxwin.h>

class TextOptionsDlg : public CDialog {
public:
    // A font as the dialog keeps it until the caller takes it.
    struct FontChoice {
        LOGFONTA logFont;
        int pointSize; // tenths of a point
        bool changed;
    };

    TextOptionsDlg(int tabSize, bool useColors, COLORREF matchColor, const CFont& fileViewFont,
                   const CFont& matchListFont, CWnd* parent = nullptr);

    int GetTabSize() const { return m_tabSize; }
    bool GetUseColors() const { return m_useColors != 0; }
    COLORREF GetMatchColor() const { return m_matchColor; }
    const FontChoice& GetFileViewFont() const { return m_fileViewFont; }
    const FontChoice& GetMatchListFont() const { return m_matchListFont; }

    // What the colour and font pickers give, for callers that choose
    // without them.
    void ChooseColor(COLORREF colour);
    void ChooseFont(bool fileView, const LOGFONTA& logFont, int pointSize);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnFileViewFont();
    afx_msg void OnMatchListFont();
    DECLARE_MESSAGE_MAP()

private:
    static FontChoice ChoiceOf(const CFont& font);
    void RunFontDialog(FontChoice& choice);

    int m_tabSize;
    int m_useColors;
    COLORREF m_matchColor;
    FontChoice m_fileViewFont;
    FontChoice m_matchListFont;
    KyColorButton m_colorButton;
};
