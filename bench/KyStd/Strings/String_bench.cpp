// Copy, append and compare of 1,000,000 short strings: ky_S against
// std::string in the same run. Prints each phase's best time and the ratios.
#include "BenchSupport.h"
#include "KyStd/Strings/String.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using KyBench::Now;

const int kCount = 1000000;
const int kRounds = 5;

// Deterministic texts of 6 to 21 characters.
std::vector<std::string> Texts()
{
    std::vector<std::string> texts;
    texts.reserve(kCount);
    char buffer[32];
    for (int i = 0; i < kCount; ++i) {
        int n = std::snprintf(buffer, sizeof buffer, "f%07d.%s",
                              static_cast<int>((static_cast<unsigned>(i) * 7919u) % kCount),
                              i % 3 == 0 ? "txt" : (i % 3 == 1 ? "c" : "document.x"));
        texts.emplace_back(buffer, static_cast<size_t>(n));
    }
    return texts;
}

struct Times {
    double copy = 1e9, append = 1e9, compare = 1e9;
    long long check = 0;
};

template <class S>
Times Run(const std::vector<std::string>& texts)
{
    std::vector<S> source;
    source.reserve(kCount);
    for (auto& t : texts)
        source.emplace_back(t.c_str());
    Times best;
    for (int round = 0; round < kRounds; ++round) {
        double t0 = Now();
        std::vector<S> copies(source.begin(), source.end());
        double t1 = Now();
        for (auto& s : copies)
            s += "_suffix";
        double t2 = Now();
        long long sum = 0;
        for (int i = 0; i + 1 < kCount; ++i)
            sum += copies[i].compare(copies[i + 1]) < 0 ? 1 : 0;
        double t3 = Now();
        best.copy = std::min(best.copy, t1 - t0);
        best.append = std::min(best.append, t2 - t1);
        best.compare = std::min(best.compare, t3 - t2);
        best.check += sum + static_cast<long long>(copies.back().size());
    }
    return best;
}

} // namespace

int main()
{
    std::vector<std::string> texts = Texts();
    Times ky = Run<Kyvant::ky_S>(texts);
    Times st = Run<std::string>(texts);
    if (ky.check != st.check)
        std::printf("checksums differ: %lld %lld\n", ky.check, st.check);
    std::printf("%-8s %10s %12s %8s\n", "phase", "ky_S ms", "std::string", "ratio");
    auto row = [](const char* name, double a, double b) {
        std::printf("%-8s %10.1f %12.1f %8.2f\n", name, a * 1000, b * 1000, a / b);
    };
    row("copy", ky.copy, st.copy);
    row("append", ky.append, st.append);
    row("compare", ky.compare, st.compare);
    double kt = ky.copy + ky.append + ky.compare;
    double stt = st.copy + st.append + st.compare;
    row("total", kt, stt);
    return 0;
}
