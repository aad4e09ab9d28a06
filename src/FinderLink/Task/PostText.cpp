// Posting heap texts with the text message, and the count of those refused.
#include "FinderLink/Task/PostText.h"

#include "FinderLink/Task/FramePost.h"
#include "FinderLink/Task/TaskWords.h"
#include "KyStd/Strings/String.h"

#include <cstring>
#include <memory>

namespace Kyvant {
namespace FinderLink {

namespace {

volatile LONG g_refused = 0;

// Only a window that is still there shows the count later.
void CountRefused(HWND window)
{
    if (IsWindow(window))
        InterlockedIncrement(&g_refused);
}

void Post(HWND window, std::unique_ptr<ky_S> text)
{
    if (PostToFrame(window, kTextMessage, reinterpret_cast<WPARAM>(text.get()), 0))
        text.release();
    else
        CountRefused(window);
}

} // namespace

void PostText(HWND window, const char* text)
{
    PostText(window, text, text ? static_cast<unsigned>(std::strlen(text)) : 0);
}

void PostText(HWND window, const char* text, unsigned length)
{
    try {
        Post(window, std::unique_ptr<ky_S>(new ky_S(text ? text : "", length)));
    } catch (...) {
        CountRefused(window);
    }
}

void PostText(HWND window, HMODULE module, unsigned id)
{
    try {
        std::unique_ptr<ky_S> text(new ky_S);
        text->LoadStringA(module, id);
        Post(window, std::move(text));
    } catch (...) {
        CountRefused(window);
    }
}

unsigned TakeRefusedTexts()
{
    return static_cast<unsigned>(InterlockedExchange(&g_refused, 0));
}

} // namespace FinderLink
} // namespace Kyvant
