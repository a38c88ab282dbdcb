#pragma once
// The pieces that join across abutting boxes. Every joint of one kind meets the box edge at the
// same place with the same pixels, so a chain of boxes shows one continuous pipe or girder.
// Shared by the generator, which draws the joints from these profiles, and the icon test, which
// checks every declared joint of the finished pictures against them.

#include <array>
#include <string_view>

namespace Joints {

enum class Profile { None, Pipe, SmallPipe, Girder };

// The 32 pixels of a joint's edge, read top to bottom on a left or right edge and left to right
// on a top or bottom edge, in the colour letters of letters.h ('.' transparent). Each is a
// palindrome, so a joint may turn through a corner or be drawn rotated without changing.
constexpr std::string_view edgePixels(Profile p)
{
    switch (p) {
    case Profile::Pipe:      return "...........dlllWWllld...........";
    case Profile::SmallPipe: return ".............rRYYRr.............";
    case Profile::Girder:    return "..........RRrrrrrrrrRR..........";
    case Profile::None:      break;
    }
    return "................................";
}

// First and last pixel of the joint across the edge.
constexpr int firstOf(Profile p) { return int(edgePixels(p).find_first_not_of('.')); }
constexpr int lastOf(Profile p) { return int(edgePixels(p).find_last_not_of('.')); }

struct Piece
{
    int shape;
    Profile left, top, right, bottom;
};

using enum Profile;
constexpr Profile P = Pipe, S = SmallPipe, G = Girder, _ = None;

// Every joining shape with the profile of its left, top, right and bottom edge.
inline constexpr std::array pieces = {
    // Steel girders (page 2): straight, corners, tees, cross, and a straight one with a hook.
    Piece{69, G, _, G, _}, Piece{70, _, G, _, G}, Piece{71, _, _, G, G}, Piece{72, G, _, _, G},
    Piece{73, _, G, G, _}, Piece{74, G, G, _, _}, Piece{75, G, _, G, G}, Piece{76, G, G, G, _},
    Piece{77, _, G, G, G}, Piece{78, G, G, _, G}, Piece{79, G, G, G, G}, Piece{80, G, _, G, _},
    // Pipe (page 3): straight, elbows, tees, cross, caps, valves and flanges.
    Piece{81, P, _, P, _}, Piece{82, _, P, _, P}, Piece{83, _, _, P, P}, Piece{84, P, _, _, P},
    Piece{85, _, P, P, _}, Piece{86, P, P, _, _}, Piece{87, P, _, P, P}, Piece{88, P, P, P, _},
    Piece{89, _, P, P, P}, Piece{90, P, P, _, P}, Piece{91, P, P, P, P}, Piece{92, P, _, _, _},
    Piece{93, _, _, P, _}, Piece{94, _, P, _, _}, Piece{95, _, _, _, P}, Piece{96, P, _, P, _},
    Piece{97, _, P, _, P}, Piece{98, P, _, P, _}, Piece{99, P, _, P, _}, Piece{100, _, P, _, P},
    // Reducers from pipe to copper, copper pipe and bends.
    Piece{101, P, _, S, _}, Piece{102, S, _, P, _}, Piece{103, _, P, _, S}, Piece{104, _, S, _, P},
    Piece{105, S, _, S, _}, Piece{106, _, S, _, S}, Piece{107, _, _, S, S}, Piece{108, S, _, _, S},
    Piece{109, _, S, S, _}, Piece{110, S, S, _, _},
    // Unions, instruments and the ends of the line.
    Piece{111, P, _, P, _}, Piece{112, _, P, _, P}, Piece{113, P, _, P, _}, Piece{114, P, _, P, _},
    Piece{115, P, _, P, _}, Piece{116, P, _, _, _}, Piece{117, _, S, _, _}, Piece{118, _, _, _, S},
    Piece{119, _, _, _, P}, Piece{120, _, _, _, S},
};

} // namespace Joints
