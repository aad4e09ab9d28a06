// Reading KyFind's option letters: the grep family's "-[iwvaUnlhFGEC]" with
// "-e" patterns, and the Perl page's "-zperl", "-P", "-p" and "-nr..." words.
#include "FindOptions.h"

#include "KyConTool/App/GetOpt.h"
#include "KyStandInTool/CommandLine.h"

#include <stdexcept>
#include <string>

namespace Kyvant {
namespace StandIn {

const char kIdeOutputWord[] = "--kyvant_ide_output";

namespace {

const char kLetters[] = "iwvaUnlhFGECe:z:Pp:rsxILYZ";
const char kPerlEngine[] = "perl";

// Letters whose meaning depends on the flavour, resolved at the end.
struct RawLetters {
    bool n = false, l = false, a = false, U = false;
    bool I = false, L = false, Y = false, Z = false;
};

void TakeLetter(int letter, FindOptions& out, RawLetters& raw, bool& perl)
{
    switch (letter) {
    case 'i':
        out.ignoreCase = true;
        break;
    case 'w':
        out.wholeWords = true;
        break;
    case 'v':
        out.inverted = true;
        break;
    case 'C':
        out.context = true;
        break;
    case 's':
        out.dotMatchesNewline = true;
        break;
    case 'x':
        out.legible = true;
        break;
    case 'F':
        out.flavor = PatternFlavor::Literal;
        break;
    case 'G':
        out.flavor = PatternFlavor::Basic;
        break;
    case 'E':
        out.flavor = PatternFlavor::Extended;
        break;
    case 'e':
    case 'p':
        out.patterns.push_back(optarg ? optarg : "");
        break;
    case 'z':
        if (std::string(optarg ? optarg : "") != kPerlEngine)
            throw std::runtime_error(std::string("Unknown engine: ") + (optarg ? optarg : ""));
        perl = true;
        break;
    case 'n':
        raw.n = true;
        break;
    case 'l':
        raw.l = true;
        break;
    case 'a':
        raw.a = true;
        break;
    case 'U':
        raw.U = true;
        break;
    case 'I':
        raw.I = true;
        break;
    case 'L':
        raw.L = true;
        break;
    case 'Y':
        raw.Y = true;
        break;
    case 'Z':
        raw.Z = true;
        break;
    default:
        break; // 'h', 'P', 'r': accepted, nothing to do
    }
}

} // namespace

FindOptions ParseFindOptions(CommandLine& commandLine)
{
    FindOptions out;
    RawLetters raw;
    bool perl = false;
    getopt_reset(0, nullptr);
    for (int c; (c = getopt(commandLine.OptionCount(), commandLine.Options(), kLetters)) != -1;) {
        if (c == '?')
            throw std::runtime_error(std::string("Unknown option or missing argument: -") +
                                     optvalue);
        TakeLetter(c, out, raw, perl);
    }
    commandLine.TakeGetoptEnd(optind);
    if (perl)
        out.flavor = PatternFlavor::Perl;
    // The Perl page always gives "n": its line numbers are "Y".
    out.lineNumbers = perl ? raw.Y : raw.n;
    out.namesOnly = raw.l || raw.Z;
    out.searchBinaryFiles = raw.a || raw.I;
    out.keepCR = raw.U || raw.I;
    out.lineMode = !perl || raw.L || out.inverted;
    return out;
}

} // namespace StandIn
} // namespace Kyvant
