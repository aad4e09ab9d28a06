// TextOptionsDlg: the Text Options dialog of the Replace front-end: tab
// size, whether matches are coloured and their three colours (each with its
// automatic choice), and the main and log fonts. It edits a copy of the
// view's options and says what changed; the caller applies it.
#pragma once

#include "KyGui/Buttons/KyColorButton.h"
#include "KyReplace/Gui/View/ReplaceTextOptions.h"

#include <afxwin.h>

class TextOptionsDlg : public CDialog {
public:
    // Opens the font chooser on the font (a LOGFONT and its size in tenths
    // of a point) and takes the choice; false when cancelled.
    using FontChooser = bool (*)(CWnd& parent, LOGFONTA& font, int& pointSize);
    // Replaces the system's font dialog (tests answer it); returns the
    // function it replaces.
    static FontChooser SetFontChooser(FontChooser chooser);

    explicit TextOptionsDlg(const Kyvant::ReplaceTextOptions& options, CWnd* parent = nullptr);
    ~TextOptionsDlg() override;

    // After OK: the values as chosen. A font counts as changed once its
    // chooser was left with OK.
    int TabSize() const { return m_tabSize; }
    bool UseColours() const { return m_useColours != 0; }
    COLORREF MatchColour() const { return m_matchColour; }
    COLORREF ReplacementColour() const { return m_replacementColour; }
    COLORREF SkipColour() const { return m_skipColour; }
    bool MainFontChanged() const { return m_mainChanged; }
    bool LogFontChanged() const { return m_logChanged; }
    const LOGFONTA& MainFont() const { return m_mainFont; }
    int MainPointSize() const { return m_mainPointSize; }
    const LOGFONTA& LogFont() const { return m_logFont; }
    int LogPointSize() const { return m_logPointSize; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    afx_msg void OnMainFont();
    afx_msg void OnLogFont();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    DECLARE_MESSAGE_MAP()

private:
    int m_tabSize;
    int m_useColours;
    COLORREF m_matchColour;
    COLORREF m_replacementColour;
    COLORREF m_skipColour;
    KyColorButton m_matchButton;
    KyColorButton m_replacementButton;
    KyColorButton m_skipButton;
    LOGFONTA m_mainFont;
    int m_mainPointSize;
    bool m_mainChanged;
    LOGFONTA m_logFont;
    int m_logPointSize;
    bool m_logChanged;
};
