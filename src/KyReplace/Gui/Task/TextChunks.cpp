// The hand-over of the file text between the reader thread and the view's stream.
#include "KyReplace/Gui/Task/TextChunks.h"

#include "KyStd/Core/Errors.h"

#include <algorithm>
#include <cstring>

namespace Kyvant {

TextChunks::TextChunks() : guiReady_(false), chunkReady_(false) {}

void TextChunks::Restart()
{
    buffer_.clear();
    guiReady_.Reset();
    chunkReady_.Reset();
}

TextChunks::GuiWait TextChunks::WaitForGui(HANDLE hasQuit, HANDLE abort) const
{
    const HANDLE handles[3] = {guiReady_.get(), hasQuit, abort};
    switch (WaitForMultipleObjects(3, handles, FALSE, INFINITE)) {
    case WAIT_OBJECT_0:
        return GuiWait::Ready;
    case WAIT_OBJECT_0 + 1:
        return GuiWait::HasQuit;
    case WAIT_OBJECT_0 + 2:
        return GuiWait::Aborted;
    default:
        throw os_error();
    }
}

long TextStream::Read(char* out, long capacity)
{
    if (brokeOff_)
        return -1;
    const ky_S& buffer = chunks_.Buffer();
    while (!ended_ && at_ >= buffer.length()) {
        chunks_.SignalGuiReady();
        const HANDLE handles[3] = {chunks_.ChunkReady(), hasQuit_, abort_};
        if (WaitForMultipleObjects(3, handles, FALSE, INFINITE) != WAIT_OBJECT_0) {
            brokeOff_ = true;
            return -1;
        }
        at_ = 0;
        ended_ = buffer.empty();
    }
    if (ended_ || capacity <= 0)
        return 0;
    const unsigned n = std::min(static_cast<unsigned>(capacity), buffer.length() - at_);
    std::memcpy(out, buffer.data() + at_, n);
    at_ += n;
    return static_cast<long>(n);
}

DWORD CALLBACK TextStream::Callback(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* got)
{
    const long n =
        reinterpret_cast<TextStream*>(cookie)->Read(reinterpret_cast<char*>(buffer), capacity);
    *got = n < 0 ? 0 : n;
    return n < 0 ? 1 : 0;
}

} // namespace Kyvant
