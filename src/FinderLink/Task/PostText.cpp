// Posting heap texts with the text message.
#include "FinderLink/Task/PostText.h"

#include "FinderLink/Task/FramePost.h"
#include "FinderLink/Task/TaskWords.h"
#include "KyStd/Strings/String.h"

#include <cstring>
#include <memory>

namespace Kyvant {
namespace FinderLink {

namespace {

void Post(HWND window, std::unique_ptr<ky_S> text)
{
    if (PostToFrame(window, kTextMessage, reinterpret_cast<WPARAM>(text.get()), 0))
        text.release();
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
    }
}

void PostText(HWND window, HMODULE module, unsigned id)
{
    try {
        std::unique_ptr<ky_S> text(new ky_S);
        text->LoadStringA(module, id);
        Post(window, std::move(text));
    } catch (...) {
    }
}

} // namespace FinderLink
} // namespace Kyvant
