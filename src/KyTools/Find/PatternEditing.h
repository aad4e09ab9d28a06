// A Find pattern in the bigger editor: how each kind of page puts its
// pattern into the editor's lines and takes the edited text back.
#pragma once

#include "KyStd/Strings/String.h"
#include "KyTools/KyToolsExport.h"

#include <afxwin.h>

namespace Kyvant {
namespace PatternEditing {

// The pattern as the editor's text: each line feed made CR LF.
KYTOOLS_API ky_S ToEditorText(const ky_S& pattern);
// The grep family's pattern from the editor's text: its non-empty lines
// joined without a separator.
KYTOOLS_API ky_S JoinLines(const ky_S& text);
// The Perl pattern from the editor's text: the text whole, CR LF made a line
// feed, so that a pattern of several lines keeps its line breaks.
KYTOOLS_API ky_S KeepLines(const ky_S& text);
// The Fgrep pattern from the editor's text: one alternative per line.
KYTOOLS_API ky_S AlternativesFromLines(const ky_S& text);

// Runs the bigger editor over the target control, titled with the caption,
// on the text, with neither dropped files nor the insert menu of file
// objects; true with the edited text when it was closed with OK.
KYTOOLS_API bool Edit(CWnd& parent, CWnd& target, const ky_S& caption, const ky_S& text,
                      ky_S& edited);

} // namespace PatternEditing
} // namespace Kyvant
