// The rich edit control's backward search for a word near the start of a 2 MB text
// (80-character lines, no word wrap), against the control's own forward search
// (EM_FINDTEXTEX) over the same range in the same run. Prints each search's best
// time and the ratios.
#include "BenchSupport.h"
#include "KyGui/RichEdit/KyRichEditCtrl.h"

#include <afxwin.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

using KyBench::Now;

const size_t kTextSize = 2 * 1024 * 1024;
const int kLineLength = 80; // with its line feed
const int kRounds = 5;
const char kWord[] = "Kyvantword";
const char kAbsent[] = "Nowherefound";

CWinApp theApp("Kyvant FindReverse benchmark");

// Lines of words, the word itself once, in the third line.
std::string Text()
{
    static const char* const kWords[] = {"alpha",   "beta", "gamma", "delta",
                                         "epsilon", "zeta", "theta"};
    std::string text;
    text.reserve(kTextSize);
    unsigned seed = 7;
    std::string line;
    while (text.size() < kTextSize) {
        line.clear();
        if (text.size() == 2 * kLineLength)
            line = std::string(kWord) + " ";
        while (line.size() < kLineLength - 1) {
            seed = seed * 1103515245u + 12345u;
            line += kWords[(seed >> 16) % 7];
            line += ' ';
        }
        line.resize(kLineLength - 1);
        text += line;
        text += '\n';
    }
    text.resize(kTextSize);
    return text;
}

struct Source {
    const std::string* text;
    size_t pos;
};

DWORD CALLBACK Read(DWORD_PTR cookie, LPBYTE buffer, LONG cb, LONG* pcb)
{
    Source* src = reinterpret_cast<Source*>(cookie);
    const size_t n = std::min(static_cast<size_t>(cb), src->text->size() - src->pos);
    std::copy_n(src->text->data() + src->pos, n, buffer);
    src->pos += n;
    *pcb = static_cast<LONG>(n);
    return 0;
}

// The best of kRounds times of one search; the position found goes to at.
template <class Search>
double Best(Search search, long& at)
{
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const double t0 = Now();
        at = search();
        best = std::min(best, Now() - t0);
    }
    return best;
}

int Run()
{
    CWnd parent;
    if (!parent.CreateEx(0, AfxRegisterWndClass(0), "FindReverse benchmark", WS_POPUP, 0, 0, 600,
                         400, nullptr, nullptr))
        return 2;
    KyRichEditCtrl edit;
    if (!edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL |
                         WS_VSCROLL,
                     CRect(0, 0, 600, 400), &parent, 1))
        return 2;
    edit.LimitText(0x7FFFFFFF);
    edit.SetWordWrap(false);
    const std::string text = Text();
    double t0 = Now();
    Source source{&text, 0};
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&source), 0, &Read};
    edit.StreamIn(SF_TEXT, stream);
    std::printf("loaded %ld characters in %.1f s\n", edit.GetTextLength(), Now() - t0);

    struct Kind {
        const char* name;
        DWORD flags;
    };
    const Kind kinds[] = {
        {"match case", FR_MATCHCASE}, {"any case", 0}, {"whole word", FR_WHOLEWORD}};
    for (const Kind& kind : kinds) {
        long reverseAt = -1, forwardAt = -1, fullAt = -1;
        const double reverse = Best(
            [&] {
                FINDTEXTEXA find = {{0, -1}, kWord, {0, 0}};
                return edit.FindReverse(kind.flags, &find);
            },
            reverseAt);
        const double forward = Best(
            [&] {
                FINDTEXTEXA find = {{0, -1}, kWord, {0, 0}};
                return edit.FindText(kind.flags | FR_DOWN, &find);
            },
            forwardAt);
        const double full = Best(
            [&] {
                FINDTEXTEXA find = {{0, -1}, kAbsent, {0, 0}};
                return edit.FindText(kind.flags | FR_DOWN, &find);
            },
            fullAt);
        std::printf("%-10s  FindReverse %8.4f s (at %ld)  forward EM_FINDTEXTEX %8.4f s (at %ld)  "
                    "ratio %7.1f\n",
                    kind.name, reverse, reverseAt, forward, forwardAt,
                    reverse / std::max(forward, 1e-7));
        std::printf("%-10s  a forward EM_FINDTEXTEX that reads the whole range %8.4f s (at %ld)  "
                    "ratio %7.2f\n",
                    "", full, fullAt, reverse / std::max(full, 1e-7));
        if (reverseAt != forwardAt)
            return 1;
    }
    edit.DestroyWindow();
    parent.DestroyWindow();
    return 0;
}

} // namespace

int main()
{
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_HIDE);
    theApp.InitApplication();
    theApp.InitInstance();
    return Run();
}
