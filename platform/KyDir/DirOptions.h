// What a KyDir command line asks for: the Dir page's "-o"/"-a" list file,
// "-f", "-q" and "-F".
#pragma once

#include <string>

namespace Kyvant {
namespace StandIn {

class CommandLine;

enum class ListFileMode { None, Overwrite, Append };

struct DirOptions {
    ListFileMode listFileMode = ListFileMode::None;
    std::string listFile;
    bool fullPaths = false;
    bool quoteNames = false;
    bool includeFolders = false;
};

// Runs getopt over the option words; unknown letters and an empty list-file
// name throw std::runtime_error.
DirOptions ParseDirOptions(CommandLine& commandLine);

} // namespace StandIn
} // namespace Kyvant
