// How a database's value type becomes a record's value text and back.
// Each database specialises IsamValueCodec for its value type with:
//   static void Store(const V& value, ky_S& text);
//   static void Load(const ky_S& text, V& value);      // throws on damaged text
//   static void Check(const ky_BSB<char>& name, const V& value); // throws when
//       the value holds a character the stored layout uses as a separator
#pragma once

namespace Kyvant {

template <class V>
struct IsamValueCodec;

} // namespace Kyvant
