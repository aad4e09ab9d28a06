// A stand-in for the engine's file writes that answers them at once: the
// bytes are kept in memory and read back from there, so the engine works on
// the file it wrote while no system call writes it.
#pragma once

namespace KyDBBench {

// While it lives, writes (except those at offset 0: the control record and
// block 0, so that the file opens) and flushes through the engine's table
// return at once; reads are answered from the kept bytes where the run wrote
// them, from the file elsewhere. Closing a file drops its kept bytes.
class AnsweredWrites {
public:
    AnsweredWrites();
    ~AnsweredWrites();
    AnsweredWrites(const AnsweredWrites&) = delete;
    AnsweredWrites& operator=(const AnsweredWrites&) = delete;
};

} // namespace KyDBBench
