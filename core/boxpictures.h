#pragma once
// What the boxes of the work area show: for every cell the shape whose picture its front box
// (`PicTarget`) and its back box (`PicTarget2`) hold, 0 for none. Usually this mirrors CellShape,
// but not always: a model file that fails to read leaves numbers without pictures.

#include "mglobal.h"

#include <array>
#include <cstdint>

struct BoxPictures {
    std::array<int16_t, MGLOBAL::kCells> PicTarget{};   // front layer
    std::array<int16_t, MGLOBAL::kCells> PicTarget2{};  // back layer

    void clear()
    {
        PicTarget.fill(0);
        PicTarget2.fill(0);
    }
    bool operator==(const BoxPictures &) const = default;
};
