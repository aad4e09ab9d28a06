// Moving a Find pattern into and out of the bigger editor.
#include "KyTools/Find/PatternEditing.h"

#include "KyGuiTool/PathLists/KyBigEditor.h"
#include "KyTools/Find/FgrepPattern.h"

#include <vector>

namespace Kyvant {
namespace PatternEditing {

namespace {

const char kEditorLineEnd[] = "\r\n";
const char kLineFeed[] = "\n";

// The text's lines, cut at CR LF; empty lines are kept.
std::vector<ky_S> Lines(const ky_S& text)
{
    std::vector<ky_S> lines;
    unsigned start = 0;
    for (;;) {
        const unsigned end = text.find(kEditorLineEnd, start);
        if (end == ky_S::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

} // namespace

ky_S ToEditorText(const ky_S& pattern)
{
    ky_S text(pattern);
    text.Substitute(kLineFeed, kEditorLineEnd);
    return text;
}

ky_S JoinLines(const ky_S& text)
{
    ky_S joined;
    for (const ky_S& line : Lines(text))
        joined += line;
    return joined;
}

ky_S KeepLines(const ky_S& text)
{
    ky_S kept(text);
    kept.Substitute(kEditorLineEnd, kLineFeed);
    return kept;
}

ky_S AlternativesFromLines(const ky_S& text)
{
    return FgrepPattern::Join(Lines(text));
}

bool Edit(CWnd& parent, CWnd& target, const ky_S& caption, const ky_S& text, ky_S& edited)
{
    KyBigEditor editor(target, caption, &parent);
    // A pattern is no list of files: nothing is dropped on it or inserted.
    editor.GetEditCtrl().SetMode(KyShellObjListEditCtrl::PlainText);
    editor.LoadContents(text, FALSE);
    if (editor.DoModal() != IDOK)
        return false;
    KyBigEditor::Text stored;
    editor.StoreContents(stored, false, "", 0, FALSE);
    edited = stored;
    return true;
}

} // namespace PatternEditing
} // namespace Kyvant
