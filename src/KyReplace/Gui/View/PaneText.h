// Text into the Replace view's rich edits, legibly: every byte that is not
// legible by the rule of LegibleText shows as a middle dot (0xB7). Two ways
// in: replacing the selection (EM_REPLACESEL when nothing needs replacing,
// else streamed into the selection), and filling a pane (its tab stops set
// from the font, the whole text streamed). The file text's chunk stream goes
// in the same way.
#pragma once

#include "KyStd/Strings/String.h"

#include <afxwin.h>

class KyRichEditCtrl;

namespace Kyvant {

class TextStream;

namespace PaneText {

// Whether any byte of the text must be replaced.
bool NeedsReplacing(const char* text, unsigned length);
// Replaces, in place, the bytes that are not legible.
void MakeLegible(char* text, unsigned length);
ky_S Legible(const ky_S& text);

// The text in place of the selection.
void ReplaceSelection(KyRichEditCtrl& pane, const ky_S& text);
// The pane's whole text, with tab stops tabSize blanks of the font apart.
void Fill(KyRichEditCtrl& pane, const ky_S& text, CFont& font, int tabSize);
// The pane's whole text, as it stands.
void SetText(KyRichEditCtrl& pane, const ky_S& text);
// The file text from the chunk stream; false when the stream broke off.
bool StreamIn(KyRichEditCtrl& pane, TextStream& stream);

// The text between two character positions of a pane (last -1: its end).
ky_S Range(const KyRichEditCtrl& pane, long first, long last);

} // namespace PaneText
} // namespace Kyvant
