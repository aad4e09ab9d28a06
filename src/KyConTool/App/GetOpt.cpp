// Permuting option parser. Non-option words met while scanning are collected
// in one block [first, last) which is rotated behind each following run of
// option words, so at the end they stand together behind all options.
#include "KyConTool/App/GetOpt.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

extern "C" {
char* optarg = nullptr;
int optind = 0;
int opterr = 1;
const char* optchars = "-";
char optchar = 0;
char optvalue = 0;
}

namespace {

char* g_group = nullptr; // next letter inside a group of letters, NULL when none
int g_first = 0;         // first index of the skipped non-options, 0 when none seen
int g_last = 0;          // index just behind them
bool g_finished = false;

const char* Prefixes()
{
    return optchars ? optchars : "-";
}

bool IsOptionWord(const char* word)
{
    return word && word[0] != '\0' && std::strchr(Prefixes(), word[0]) && word[1] != '\0';
}

// Moves the non-option block [first, last) behind the options [last, optind).
void Rotate(char** argv)
{
    const int a = g_first, b = g_last, c = optind;
    if (a == b || b == c)
        return;
    std::reverse(argv + a, argv + b);
    std::reverse(argv + b, argv + c);
    std::reverse(argv + a, argv + c);
    g_last = c;
    g_first = a + (c - b);
}

int Finish(char** argv, bool rotate)
{
    if (rotate)
        Rotate(argv);
    if (g_first != 0)
        optind = g_first;
    g_finished = true;
    return -1;
}

// Reports (format NULL: silently) an unknown option or a missing argument.
int Fail(int argc, char** argv, const char* format)
{
    if (format && opterr != 0) {
        const char text[3] = {optchar, optvalue, '\0'};
        const char* program = argc > 0 && argv[0] ? argv[0] : "";
        std::fprintf(stderr, format, program, text);
    }
    ++optind;
    g_group = nullptr;
    return '?';
}

int Examine(int argc, char** argv, const char* options)
{
    const char c = *g_group;
    optvalue = c;
    optarg = nullptr;
    const char* entry = nullptr;
    if (c != ':' && !std::strchr(Prefixes(), c))
        entry = std::strchr(options, c);
    if (!entry) {
        // "-?" asks for help: no message for it.
        if (optvalue == '?')
            return Fail(argc, argv, nullptr);
        return Fail(argc, argv, "%s: unrecognized option `%s'\n");
    }
    if (entry[1] != ':') {
        ++g_group;
        return static_cast<unsigned char>(c);
    }
    ++optind;
    if (g_group[1] != '\0') {
        optarg = g_group + 1;
    } else if (entry[2] == ':') {
        optarg = nullptr;
    } else if (optind >= argc) {
        --optind;
        return Fail(argc, argv, "%s: missing argument in option `%s'\n");
    } else {
        optarg = argv[optind++];
    }
    g_group = nullptr;
    return static_cast<unsigned char>(c);
}

} // namespace

extern "C" int getopt(int argc, char** argv, const char* options)
{
    if (!options)
        options = "";
    if (optind <= 0) {
        optind = 1;
        g_group = nullptr;
        optarg = nullptr;
        g_first = g_last = 0;
        g_finished = false;
    }
    if (g_finished)
        return -1;
    if (g_group) {
        if (*g_group != '\0')
            return Examine(argc, argv, options);
        g_group = nullptr;
        ++optind;
    }
    if (optind >= argc)
        return Finish(argv, true);
    for (;;) {
        char* word = argv[optind];
        if (word && std::strcmp(word, "--") == 0) {
            ++optind;
            return Finish(argv, true);
        }
        if (IsOptionWord(word)) {
            optchar = word[0];
            g_group = word + 1;
            return Examine(argc, argv, options);
        }
        Rotate(argv);
        if (optind >= argc - 1)
            return Finish(argv, false);
        if (g_first == 0)
            g_first = g_last = optind;
        while (optind < argc && !IsOptionWord(argv[optind]))
            ++optind;
        if (optind >= argc) {
            // Everything from first on is a non-option already: no rotation.
            return Finish(argv, false);
        }
        g_last = optind;
    }
}

extern "C" void getopt_reset(int err, const char* prefixChars)
{
    optind = 0;
    opterr = err;
    optchars = prefixChars ? prefixChars : "-";
}
