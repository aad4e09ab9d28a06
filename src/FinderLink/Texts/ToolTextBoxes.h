// The message boxes of a tool's texts (the heap texts of the text message):
// one box at a time. Texts that arrive while such a box is up (its modal
// loop serves the posted texts) are gathered and shown together in the next
// box once it is answered, so that a burst of texts neither nests boxes
// without end nor loses a text. The texts whose post was refused (a full
// queue) are counted in the box that follows the next one answered, in a
// box of their own when no other text came meanwhile.
#pragma once

#include "KyStd/Strings/String.h"

namespace Kyvant {
namespace FinderLink {

// Takes the heap text of the text message and frees it; shows it in a box
// now, or with the others in the next box when a box of these texts is up.
// Null shows nothing.
void ShowToolText(ky_S* text);

} // namespace FinderLink
} // namespace Kyvant
