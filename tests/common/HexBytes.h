// Bytes written as hex tables in tests: a table's text turned into bytes,
// and bytes shown in the same form, so that a failure shows both side by
// side. A table is pairs of hex digits; blanks and line breaks between
// pairs only lay it out, "'text'" stands for the text's own bytes and
// "00*436" for 436 bytes of 00.
#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kytest {

namespace hexbytes {

const int kBitsPerDigit = 4;
const unsigned kDigitMask = 0xF;
const int kLetterDigits = 10; // the value of 'a'

inline int Digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + kLetterDigits;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + kLetterDigits;
    return -1;
}

// The text between quotes at `at`; `at` moves past the closing one.
inline std::string QuotedText(const std::string& table, size_t& at)
{
    const size_t end = table.find('\'', at + 1);
    if (end == std::string::npos)
        throw std::invalid_argument("unterminated text in a hex table");
    const std::string text = table.substr(at + 1, end - at - 1);
    at = end + 1;
    return text;
}

// A hex pair at `at` and its "*count", if any, as that many bytes; `at`
// moves past them.
inline std::string PairRun(const std::string& table, size_t& at)
{
    const int high = Digit(table[at]);
    const int low = at + 1 < table.size() ? Digit(table[at + 1]) : -1;
    if (high < 0 || low < 0)
        throw std::invalid_argument("not a hex pair at " + std::to_string(at));
    at += 2;
    size_t count = 1;
    if (at < table.size() && table[at] == '*') {
        const size_t end = std::min(table.find_first_not_of("0123456789", at + 1), table.size());
        if (end == at + 1)
            throw std::invalid_argument("no count after '*' at " + std::to_string(at));
        count = std::stoul(table.substr(at + 1, end - at - 1));
        at = end;
    }
    return std::string(count, static_cast<char>((high << kBitsPerDigit) | low));
}

} // namespace hexbytes

// The bytes of a hex table; a malformed table is std::invalid_argument.
inline std::string FromHex(const std::string& table)
{
    std::string bytes;
    for (size_t at = 0; at < table.size();) {
        const char c = table[at];
        if (c == ' ' || c == '\n')
            ++at;
        else if (c == '\'')
            bytes += hexbytes::QuotedText(table, at);
        else
            bytes += hexbytes::PairRun(table, at);
    }
    return bytes;
}

// Bytes as lowercase hex pairs, sixteen to a line.
inline std::string ToHex(const std::string& bytes)
{
    const char kDigits[] = "0123456789abcdef";
    const size_t kPerLine = 16;
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (i != 0)
            text += i % kPerLine == 0 ? '\n' : ' ';
        text += kDigits[b >> hexbytes::kBitsPerDigit];
        text += kDigits[b & hexbytes::kDigitMask];
    }
    return text;
}

// A table in the form ToHex shows bytes, for comparing with EXPECT_EQ.
inline std::string HexTable(const std::string& table)
{
    return ToHex(FromHex(table));
}

} // namespace kytest
