// KyShellObjListEditCtrl: its settings, file dropping by mode, and how an
// object or a mask goes into the text.
#include "KyGuiTool/ShellObjEdit/KyShellObjListEditCtrl.h"

#include "KyDB/Named/PathPlanDB.h"
#include "KyGuiTool/ShellObjEdit/PathText.h"

#include <shellapi.h>

namespace {

const char kLineBreak[] = "\r\n";
const char kMaskSeparatorGap = ' ';

Kyvant::ky_S TextOf(const CWnd& window)
{
    Kyvant::ky_S text;
    text.GetWindowTextA(window.m_hWnd);
    return text;
}

// The last line has text: the text does not end in a line break.
bool LastLineHasText(const Kyvant::ky_S& text)
{
    return !text.empty() && text[text.length() - 1] != '\n';
}

} // namespace

KyShellObjListEditCtrl::KyShellObjListEditCtrl(EditMode mode, bool trailingSep, bool replace,
                                               bool multipleFiles, bool pathSets, bool maskSets,
                                               bool shellFolders)
    : m_mode(mode), m_trailingSep(trailingSep), m_replace(replace), m_multipleFiles(multipleFiles),
      m_pathSets(pathSets), m_maskSets(maskSets), m_shellFolders(shellFolders)
{
}

KyShellObjListEditCtrl::~KyShellObjListEditCtrl() = default;

void KyShellObjListEditCtrl::SetMode(EditMode mode)
{
    m_mode = mode;
    if (GetSafeHwnd() != nullptr)
        AcceptDroppedFiles();
}

void KyShellObjListEditCtrl::PreSubclassWindow()
{
    CEdit::PreSubclassWindow();
    AcceptDroppedFiles();
}

void KyShellObjListEditCtrl::AcceptDroppedFiles()
{
    ::DragAcceptFiles(m_hWnd, m_mode != PlainText ? TRUE : FALSE);
}

bool KyShellObjListEditCtrl::IsMultiLine() const
{
    return (GetStyle() & ES_MULTILINE) != 0;
}

bool KyShellObjListEditCtrl::FoldersAllowed() const
{
    return m_mode == FilesAndFolders || m_mode == FoldersOnly;
}

bool KyShellObjListEditCtrl::FilesAllowed() const
{
    return m_mode == FilesAndFolders || m_mode == FilesOnly;
}

void KyShellObjListEditCtrl::AddFsObject(const Kyvant::ky_BSB<char>& text, bool isFolder)
{
    if (text.empty())
        return;
    const Kyvant::ky_S current = TextOf(*this);
    const unsigned start = m_replace ? 0 : current.length();
    Kyvant::ky_S built;
    if (!m_replace && IsMultiLine() && LastLineHasText(current))
        built = kLineBreak;
    const unsigned objectStart = start + built.length();
    built += text;
    if (isFolder && m_trailingSep)
        Kyvant::PathText::TerminateFolder(built);
    SetSel(static_cast<int>(start), -1, TRUE);
    ReplaceSel(built.c_str(), TRUE);
    SetSel(static_cast<int>(objectStart), static_cast<int>(start + built.length()));
}

void KyShellObjListEditCtrl::AppendMask(const Kyvant::ky_BSB<char>& mask)
{
    if (mask.empty())
        return;
    const int line = IsMultiLine() ? LineFromChar(-1) : 0;
    const int lineStart = LineIndex(line);
    const int lineLength = LineLength(lineStart);
    const Kyvant::ky_S lineText =
        TextOf(*this).substr(static_cast<unsigned>(lineStart), static_cast<unsigned>(lineLength));
    Kyvant::ky_S built;
    if (!lineText.empty() && !Kyvant::PathText::EndsInPathChar(lineText)) {
        built += Kyvant::PathPlanDB::s_PrimaryListSeparator;
        built += kMaskSeparatorGap;
    }
    built += mask;
    const int end = lineStart + lineLength;
    SetSel(end, end, TRUE);
    ReplaceSel(built.c_str(), TRUE);
    SetSel(end, end + static_cast<int>(built.length()));
}
