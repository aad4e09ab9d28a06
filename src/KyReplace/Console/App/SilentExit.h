// Thrown to end the feeder without a report (the front-end asked to stop).
#pragma once

namespace Kyvant {

struct SilentExit {};

} // namespace Kyvant
