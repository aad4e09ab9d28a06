// What tests ask of the engine's link to the Replace front-end with
// "--test-..." switches: faults a broken engine might send, a pause before
// every file-list item, and a record of the replies. A fault goes out with
// the first file (or its first question), and the engine then ends at
// once, without a last packet, as a broken engine would.
#pragma once

#include <string>
#include <vector>

namespace Kyvant {
namespace KyPerl {

struct FrontEndTests {
    std::vector<int> codes;   // --test-code=N: a bare packet N before the first file's 403
    bool pieceFirst = false;  // --test-piece-first: a text piece (408) before any 407
    bool hugeString = false;  // --test-huge-string: the first file name's length 0x7FFFFFFF
    bool nameInText = false;  // --test-name-in-text: 405 where the first text's piece belongs
    bool textOverrun = false; // --test-text-overrun: the first text one byte past its size
    bool badWindowIndex =
        false;                 // --test-bad-window-index: the first window's match line outside it
    bool pausePerItem = false; // --test-pause-per-file: pauses (410) before each file-list item
    std::string replyLog;      // --test-reply-log=FILE: each reply (and 800's N), one a line
};

// Thrown once a fault was sent: the engine ends at once.
struct TestFaultSent {};

} // namespace KyPerl
} // namespace Kyvant
