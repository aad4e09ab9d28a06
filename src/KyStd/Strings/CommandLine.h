// The system's command-line format: QuoteArg turns one argument into text
// that the C runtime's argument parser gives back unchanged, and Iterator
// reads the arguments of a command line by the same rules.
#pragma once

#include "KyStd/KyStdExport.h"
#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace CommandLine {

// The command-line form of the len characters of arg (npos: up to the NUL):
// unchanged when force is false and it holds only letters, digits and
// ":\.-+@!/_"; otherwise in double quotes, with a backslash before each
// double quote and every run of backslashes before a double quote or the
// end doubled.
KYSTD_API ky_S QuoteArg(const char* arg, unsigned len = ky_S::npos, bool force = false);

// Walks the arguments of a command line; the default iterator is the end.
class KYSTD_API Iterator {
public:
    // Holds the argument that the iterator stood on before it moved.
    class Proxy {
    public:
        explicit Proxy(const ky_S& arg) : arg_(arg) {}
        const ky_S& operator*() const { return arg_; }

    private:
        ky_S arg_;
    };

    Iterator();
    explicit Iterator(const ky_S& commandLine);

    const ky_S& operator*() const { return arg_; }
    const ky_S* operator->() const { return &arg_; }
    Iterator& operator++();
    Proxy operator++(int);
    // Both at the end, or at the same place of the same line with equal arguments.
    bool operator==(const Iterator& other) const;
    bool operator!=(const Iterator& other) const { return !(*this == other); }

private:
    void Next();

    ky_S line_;
    const char* pos_; // after the current argument; null at the end
    ky_S arg_;
};

} // namespace CommandLine
} // namespace Kyvant
