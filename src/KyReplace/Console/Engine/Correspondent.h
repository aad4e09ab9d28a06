// The engine's correspondent when no front-end is attached: it reads the
// engine's packets, passes each file's replacement count to the feeder
// through link-block word 0 and the end-of-file events, and notes how the
// engine ended. Packets: 400 + int (skipped), 401 normal end, 402 abnormal
// end, 403, 404 + replacement count.
#pragma once

namespace Kyvant {

// arg: the ReplaceRun; returns 0 after a normal end, 1 otherwise (and
// merges exit bit 2).
unsigned __stdcall CorrespondentThreadProc(void* arg);

} // namespace Kyvant
