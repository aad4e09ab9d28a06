// Legible text into the Replace view's rich edits: the two ways in, the file stream.
#include "KyReplace/Gui/View/PaneText.h"

#include "KyGui/RichEdit/KyRichEditCtrl.h"
#include "KyReplace/Gui/Task/TextChunks.h"
#include "KyStd/Strings/LegibleText.h"

#include <cstring>
#include <string>

namespace Kyvant {
namespace PaneText {

namespace {

// A text handed to a rich edit's stream in pieces, made legible on the way.
struct TextSource {
    const char* text;
    unsigned length;
    unsigned at;
};

DWORD CALLBACK ReadText(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* got)
{
    TextSource& source = *reinterpret_cast<TextSource*>(cookie);
    unsigned n = source.length - source.at;
    if (capacity < 0)
        capacity = 0;
    if (n > static_cast<unsigned>(capacity))
        n = static_cast<unsigned>(capacity);
    std::memcpy(buffer, source.text + source.at, n);
    MakeLegible(reinterpret_cast<char*>(buffer), n);
    source.at += n;
    *got = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK ReadChunks(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* got)
{
    const DWORD result = TextStream::Callback(cookie, buffer, capacity, got);
    MakeLegible(reinterpret_cast<char*>(buffer), static_cast<unsigned>(*got));
    return result;
}

void Stream(KyRichEditCtrl& pane, const ky_S& text, int format)
{
    TextSource source = {text.data(), text.length(), 0};
    EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&source), 0, &ReadText};
    pane.StreamIn(format, es);
}

} // namespace

bool NeedsReplacing(const char* text, unsigned length)
{
    for (unsigned i = 0; i < length; ++i)
        if (!LegibleText::IsLegible(static_cast<unsigned char>(text[i])))
            return true;
    return false;
}

void MakeLegible(char* text, unsigned length)
{
    for (unsigned i = 0; i < length; ++i)
        if (!LegibleText::IsLegible(static_cast<unsigned char>(text[i])))
            text[i] = static_cast<char>(LegibleText::kMark);
}

ky_S Legible(const ky_S& text)
{
    if (!NeedsReplacing(text.data(), text.length()))
        return text;
    std::string copy(text.data(), text.length());
    MakeLegible(&copy[0], static_cast<unsigned>(copy.size()));
    return ky_S(copy.data(), static_cast<unsigned>(copy.size()));
}

void ReplaceSelection(KyRichEditCtrl& pane, const ky_S& text)
{
    if (!NeedsReplacing(text.data(), text.length()))
        pane.ReplaceSel(text.c_str());
    else
        Stream(pane, text, SFF_SELECTION | SF_TEXT);
}

void Fill(KyRichEditCtrl& pane, const ky_S& text, CFont& font, int tabSize)
{
    pane.SetTabSize(font, tabSize);
    Stream(pane, text, SF_TEXT);
}

void SetText(KyRichEditCtrl& pane, const ky_S& text)
{
    Stream(pane, text, SF_TEXT);
}

bool StreamIn(KyRichEditCtrl& pane, TextStream& stream)
{
    EDITSTREAM es = {reinterpret_cast<DWORD_PTR>(&stream), 0, &ReadChunks};
    pane.StreamIn(SF_TEXT, es);
    return !stream.BrokeOff();
}

ky_S Range(const KyRichEditCtrl& pane, long first, long last)
{
    ky_S text;
    if (last < 0 || last > first) {
        const CHARRANGE range = {first, last};
        text.GetRichEditTextRange(pane.m_hWnd, range);
    }
    return text;
}

} // namespace PaneText
} // namespace Kyvant
