#pragma once
// The six pages of shapes, forty pictures each in shape-number order, and the program icon. On
// the palette the numbers run down the columns, so each run of ten is one column of a page.

#include "icon.h"

#include <vector>

struct ShapeArt
{
    const char *name;
    Icon (*draw)();
};

using Page = std::vector<ShapeArt>;

Page mechanicalParts();   // shapes 1 to 40
Page buildingMaterials(); // 41 to 80
Page tubeFittings();      // 81 to 120
Page kidsCorner();        // 121 to 160
Page kidsFunShapes();     // 161 to 200
Page miscellaneous();     // 201 to 240

Icon programIcon();
