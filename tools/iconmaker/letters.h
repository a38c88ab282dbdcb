#pragma once
// The letters that stand for the icon colours in pixel art and in the joint profiles: lower case
// the dark colours, upper case the bright ones, in the order of the icon file's colour table.
//   k black   r dark red   g dark green   y dark yellow   b dark blue   m dark magenta
//   c dark cyan   l light grey   d dark grey   R red   G green   Y yellow   B blue
//   M magenta   C cyan   W white

#include <string_view>

namespace Letters {

inline constexpr std::string_view colours = "krgybmcldRGYBMCW";

// Colour table index of a letter; -1 for any other character.
constexpr int indexOf(char ch)
{
    const size_t at = colours.find(ch);
    return at == std::string_view::npos ? -1 : int(at);
}

} // namespace Letters
