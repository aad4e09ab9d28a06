// Creating the kernel objects shared with the front-end and engine, and the link block's words.
#include "KyReplace/Console/FrontEnd/ReplaceNamedObjects.h"

#include "KyConTool/App/ProtocolPrefix.h"
#include "KyStd/Core/Errors.h"
#include "KyStd/Core/HandleTags.h"
#include "KyStd/Strings/String.h"

#include <stdexcept>
#include <string>

namespace Kyvant {

namespace {

// Each object is named in the error when it cannot be created.
[[noreturn]] void CannotCreate(const ky_S& name, const os_error& e)
{
    throw std::runtime_error(std::string("Cannot create ") + name.c_str() + ": " + e.what());
}

Win32::Event MakeEvent(bool manualReset, const char* role)
{
    const ky_S name = GetProtocolPrefix() + role;
    try {
        return Win32::Event(manualReset, name.c_str());
    } catch (const os_error& e) {
        CannotCreate(name, e);
    }
}

Win32::Mutex MakeMutex(const char* role)
{
    const ky_S name = GetProtocolPrefix() + role;
    try {
        return Win32::Mutex(name.c_str());
    } catch (const os_error& e) {
        CannotCreate(name, e);
    }
}

Win32::SharedMemory MakeBlock(const char* role)
{
    const ky_S name = GetProtocolPrefix() + role;
    try {
        return Win32::SharedMemory(KyCreate, sizeof(ReplaceToolBlock), name.c_str(), PAGE_READWRITE,
                                   nullptr, FILE_MAP_ALL_ACCESS);
    } catch (const os_error& e) {
        CannotCreate(name, e);
    }
}

} // namespace

ReplaceNamedObjects::ReplaceNamedObjects()
    : doQuit(MakeEvent(true, "Kyvant_KyReplace_Perl_DoQuit_Event")),
      hasQuit(MakeEvent(true, "Kyvant_KyReplace_Perl_HasQuit_Event")),
      endFile(MakeEvent(false, "Kyvant_KyReplace_KyReplaceG_EndFile_Event")),
      modifiedTempFile(MakeEvent(false, "Kyvant_KyReplace_KyReplaceG_ModifiedTempFile_Event")),
      pause(MakeEvent(false, "Kyvant_KyReplace_Perl_Pause_Event")),
      resume(MakeEvent(false, "Kyvant_KyReplace_Perl_Resume_Event")),
      logWindowDied(MakeEvent(true, "Kyvant_KyReplace_KyReplaceG_LogWindowDied_Event")),
      logWindowMutex(MakeMutex("Kyvant_KyReplace_KyReplaceG_LogWindow_Mutex")),
      fileCheckMutex(MakeMutex("Kyvant_KyReplace_KyReplaceG_FileCheck_Mutex")),
      linkBlock(MakeBlock(kReplaceToolBlockName))
{
}

ReplaceToolBlock& ReplaceNamedObjects::ToolBlock() const
{
    return *static_cast<ReplaceToolBlock*>(const_cast<void*>(linkBlock.GetBegin()));
}

} // namespace Kyvant
