// Tag types that pick a wrapper's constructor: open an existing named object
// rather than create one, or create one where the plain form opens.
#pragma once

namespace Kyvant {

struct KyOpenT {};
struct KyCreateT {};

constexpr KyOpenT KyOpen{};
constexpr KyCreateT KyCreate{};

} // namespace Kyvant
