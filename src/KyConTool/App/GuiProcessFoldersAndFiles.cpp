// The console tools' loop over their file arguments.
#include "KyConTool/App/GetOpt.h"
#include "KyConTool/App/KyConApp.h"

namespace Kyvant {

KyConApp::FileDetailProcessor::~FileDetailProcessor() {}

void KyConApp::ArgvIteratorTerminator::CheckTerminate()
{
    KyConApp::Instance().GuiCheckTerm();
}

void KyConApp::GuiProcessFoldersAndFiles(int argc, char** argv, FileDetailProcessor& processor)
{
    ArgvIteratorTerminator terminator;
    const unsigned flags = guiFlag_ ? ky_filename_argv_iterator::ExpandVariables |
                                          ky_filename_argv_iterator::FolderPreOrder
                                    : ky_filename_argv_iterator::ExpandVariables;
    if (optind < 1)
        optind = 1; // argv[0] is the program, never a file argument
    for (; optind < argc; ++optind) {
        for (ky_filename_argv_iterator it(argc, argv, optind, &terminator, flags), end; it != end;
             ++it) {
            const ky_filename_argv_iterator::FileDetails* found = it.GetFileDetails();
            ky_filename_argv_iterator::FileDetails details;
            if (found)
                details = *found;
            processor.Process(*it, found ? &details : nullptr, it.IsFolder());
        }
    }
}

} // namespace Kyvant
