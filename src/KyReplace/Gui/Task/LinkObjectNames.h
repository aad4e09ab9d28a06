// The names of the kernel objects a replace task shares with KyReplace and
// the engine, each put after the protocol prefix. The two shared blocks'
// names and layouts come with KyReplace's own header.
#pragma once

namespace Kyvant {
namespace ReplaceLinkNames {

// Created here.
constexpr char kFrontEndEvent[] = "Kyvant_KyReplaceG_KyReplace_Event";

// Created by KyReplace.
constexpr char kDialogTermEvent[] = "Kyvant_KyReplace_KyReplaceG_Dlg_Term_Event";
constexpr char kToolEvent[] = "Kyvant_KyReplace_KyReplaceG_Event";
constexpr char kDoQuitEvent[] = "Kyvant_KyReplace_Perl_DoQuit_Event";
constexpr char kHasQuitEvent[] = "Kyvant_KyReplace_Perl_HasQuit_Event";
constexpr char kPauseEvent[] = "Kyvant_KyReplace_Perl_Pause_Event";
constexpr char kResumeEvent[] = "Kyvant_KyReplace_Perl_Resume_Event";
constexpr char kEndFileEvent[] = "Kyvant_KyReplace_KyReplaceG_EndFile_Event";
constexpr char kModifiedTempFileEvent[] = "Kyvant_KyReplace_KyReplaceG_ModifiedTempFile_Event";
constexpr char kLogWindowDiedEvent[] = "Kyvant_KyReplace_KyReplaceG_LogWindowDied_Event";
constexpr char kLogWindowMutex[] = "Kyvant_KyReplace_KyReplaceG_LogWindow_Mutex";
constexpr char kFileCheckMutex[] = "Kyvant_KyReplace_KyReplaceG_FileCheck_Mutex";

// Created for the engine before it starts; set when it is ready.
constexpr char kPerlReadyEvent[] = "Kyvant_Perl_Ready_Event";

} // namespace ReplaceLinkNames
} // namespace Kyvant
