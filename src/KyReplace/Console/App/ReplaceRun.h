// What the worker threads of one replace run share: the settings taken from
// the engine's configuration, the feeder's job and the pipes they read.
// Main owns it and outlives the threads.
#pragma once

#include "KyPerlGlue/PerlConfiguration.h"
#include "KyReplace/Console/App/ArgVector.h"
#include "KyStd/Files/FileName.h"
#include "KyStd/Processes/Pipe.h"

#include <memory>

namespace Kyvant {

class CKyReplaceApp;
class ReplaceNamedObjects;

struct ReplaceSettings {
    bool backups = false;
    bool binaryForced = false;
    bool resultsToStdout = false;
    bool relaxedOpening = false;
    bool stopOnError = true; // the first file that cannot be opened ends the run
    ky_F scriptName;         // never fed to the engine
};

struct ReplaceRun {
    ReplaceRun(CKyReplaceApp& a, ReplaceNamedObjects& o) : app(a), objects(o) {}

    CKyReplaceApp& app;
    ReplaceNamedObjects& objects;
    ReplaceSettings settings;

    // The feeder's job: the file-list pipe (the engine holds its read end),
    // the file arguments and where they start.
    std::unique_ptr<CRT::Pipe> fileList;
    ArgVector files;
    int firstFile = 0;
    std::shared_ptr<PerlGlue::PerlConfiguration> configuration;

    CRT::Pipe* packetPipe = nullptr; // the correspondent reads its read end
    int stderrReadFd = -1;           // the engine's standard error
};

} // namespace Kyvant
