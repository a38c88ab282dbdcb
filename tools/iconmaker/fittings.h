#pragma once
// Drawing of the pieces that join across boxes. A band is a 32-letter profile in the pixel-art
// letters of Icon, like the joint profiles: it is laid across a straight run, swept round a bend
// or mitred at a corner, so that whatever a piece does inside, its joints keep the profile.

#include "icon.h"
#include "joints.h"

#include <string_view>

namespace Fittings {

enum Side { Left, Top, Right, Bottom };

inline std::string_view band(Joints::Profile p) { return Joints::edgePixels(p); }

// A straight run across the whole box or from `from` to `to` (both included) along its length.
void straight(Icon &icon, std::string_view band, Qt::Orientation o, int from = 0, int to = 31);
// A straight run from the given edge, `length` pixels into the box.
void fromEdge(Icon &icon, std::string_view band, Side side, int length);
// A quarter bend from the left edge to the bottom edge. The bend's centre sits `inset` pixels
// diagonally in from the bottom-left corner: inset 0 sweeps the widest curve, inset equal to
// the band's first pixel turns as tightly as the band allows. Other corners: turn the icon.
void bendLeftBottom(Icon &icon, std::string_view band, int inset);
// A square corner from the left edge to the bottom edge, mitred along the diagonal.
void mitreLeftBottom(Icon &icon, std::string_view band);

// The icon turned clockwise by `quarters` quarter turns. The profiles are palindromes, so a
// turned joint still matches.
Icon turned(const Icon &icon, int quarters);

} // namespace Fittings
