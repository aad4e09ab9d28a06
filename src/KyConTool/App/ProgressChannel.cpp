// The console end of the progress channel: opening, checked sends, and each kind of message.
#include "KyConTool/App/ProgressChannel.h"

#include "KyConTool/App/KyConApp.h"
#include "KyConTool/App/ProtocolPrefix.h"

#include <memory>
#include <new>
#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

// The lock that covers the channel's creation and every write-and-send, and
// the channel itself, which goes at process exit.
struct ChannelHolder {
    Win32::CritSec lock;
    std::unique_ptr<ProgressChannel> channel;
};

ChannelHolder& Holder()
{
    static ChannelHolder holder;
    return holder;
}

ky_S BlockName()
{
    return GetProtocolPrefix() + GuiProgressBlock::kName;
}

// True while the process runs; a failed query counts as exit code 1.
bool IsRunning(const CRT::Process& gui, DWORD& code)
{
    if (!gui.GetExitCode(std::nothrow, code))
        code = 1;
    return code == STILL_ACTIVE;
}

} // namespace

void ProgressChannel::CheckAlive(KyConApp& app, Site site)
{
    DWORD code;
    if (IsRunning(app.guiProcess_, code))
        return;
    if (code != 0)
        throw std::runtime_error("The progress dialog has failed (code " + std::to_string(site) +
                                 ")");
    app.guiStopped_ = true;
    app.ThrowFatalError();
}

ProgressChannel::ProgressChannel(KyConApp& app)
    : guiFlag_(app.guiFlag_), block_(BlockName().c_str(), FILE_MAP_ALL_ACCESS, false),
      window_(app.progressWindow_), gui_(app.guiProcess_)
{
}

ProgressChannel::~ProgressChannel()
{
    DWORD code;
    if (window_ && IsRunning(gui_, code))
        PostMessageA(window_, GuiProgress::kDone, 0, 0);
}

ProgressChannel& ProgressChannel::Get(KyConApp& app)
{
    ChannelHolder& holder = Holder();
    Win32::CritSecLock lock(holder.lock);
    if (!holder.channel) {
        std::unique_ptr<ProgressChannel> channel(new ProgressChannel(app));
        channel->Send(GuiProgress::kInit, channel->guiFlag_ ? 1 : 0, 0, app.guiDisplayName_.c_str(),
                      nullptr);
        holder.channel = std::move(channel);
    }
    return *holder.channel;
}

LRESULT ProgressChannel::Send(UINT message, WPARAM wParam, LPARAM lParam, const char* text,
                              const char* caption)
{
    Win32::CritSecLock lock(Holder().lock);
    if (text) {
        unsigned size =
            block_.GetSize() < GuiProgressBlock::kSize ? block_.GetSize() : GuiProgressBlock::kSize;
        GuiProgress::WritePayload(static_cast<char*>(block_.GetBegin()), size, text, caption);
    }
    return SendMessageA(window_, message, wParam, lParam);
}

void ProgressChannel::StartIfChanged(UINT message, ky_F& last, const ky_F& path)
{
    Win32::CritSecLock lock(Holder().lock);
    if (!guiFlag_ || path == last)
        return;
    last = path;
    Send(message, 0, 0, path.c_str(), nullptr);
}

void ProgressChannel::StartFolder(KyConApp& app, const ky_F& folder)
{
    CheckAlive(app, kSiteStart);
    ProgressChannel& channel = Get(app);
    channel.StartIfChanged(GuiProgress::kStartFolder, channel.lastFolder_, folder);
}

void ProgressChannel::StartFile(KyConApp& app, const ky_F& file)
{
    CheckAlive(app, kSiteStart);
    ProgressChannel& channel = Get(app);
    channel.StartIfChanged(GuiProgress::kStartFile, channel.lastFile_, file);
}

int ProgressChannel::Query(KyConApp& app, const ky_F& path, int kind, long code)
{
    CheckAlive(app, kSiteQuery);
    return static_cast<int>(Get(app).Send(GuiProgress::kQuery, kind, code, path.c_str(), nullptr));
}

int ProgressChannel::MessageBox(KyConApp& app, const char* text, UINT style)
{
    CheckAlive(app, kSiteMessageBox);
    return static_cast<int>(
        Get(app).Send(GuiProgress::kMessageBox, style, 0, text, app.guiDisplayName_.c_str()));
}

void ProgressChannel::Summary(KyConApp& app, const char* text)
{
    CheckAlive(app, kSiteSummary);
    Get(app).Send(GuiProgress::kSummary, 0x30, 0, text, app.guiDisplayName_.c_str());
}

} // namespace Kyvant
