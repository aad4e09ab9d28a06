// An owned, editable argument vector that hands out a NULL-terminated
// char* array, as argv is, for the code that reads arguments that way.
#pragma once

#include <string>
#include <vector>

namespace Kyvant {

class ArgVector {
public:
    ArgVector() = default;
    ArgVector(int argc, const char* const* argv) : words_(argv, argv + argc) {}
    explicit ArgVector(std::vector<std::string> words) : words_(std::move(words)) {}

    int argc() const { return static_cast<int>(words_.size()); }
    // Valid until the vector is changed.
    char** argv()
    {
        pointers_.clear();
        for (std::string& word : words_)
            pointers_.push_back(&word[0]);
        pointers_.push_back(nullptr);
        return pointers_.data();
    }
    const std::string& operator[](int i) const { return words_[static_cast<std::size_t>(i)]; }
    const std::vector<std::string>& words() const { return words_; }

    // Replaces count words from pos with the given ones.
    void Replace(int pos, int count, const std::vector<std::string>& with)
    {
        auto at = words_.begin() + pos;
        at = words_.erase(at, at + count);
        words_.insert(at, with.begin(), with.end());
    }

private:
    std::vector<std::string> words_;
    std::vector<char*> pointers_;
};

} // namespace Kyvant
