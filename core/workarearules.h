#pragma once
// The rules of placing, removing, undoing and clearing, as plain functions over the program-wide
// state and the pictures of the boxes. The work-area window calls them and repaints; tests call
// them directly.

#include "boxpictures.h"
#include "mglobal.h"

#include <cstdint>

namespace WorkAreaRules {

enum class Layer { None, Back, Front };

inline constexpr int16_t kLeftButton = 1;
inline constexpr int16_t kRightButton = 2;
inline constexpr int16_t kMiddleButton = 4;

// A drop on the box of `cell`. `sourceIsImage` and `sourceIndex` describe the dragged control:
// a palette image and its index (the shape number). Returns the layer that took the shape.
Layer dropOnCell(MGLOBAL &g, BoxPictures &boxes, int16_t cell, bool sourceIsImage, int16_t sourceIndex);

// A mouse press on the box of `cell`: any button but the left one takes the top shape out, and its
// undo record. Returns the layer emptied.
Layer pressOnCell(MGLOBAL &g, BoxPictures &boxes, int16_t cell, int16_t button);

// Deletes the undo record of the layer `delCode` names and closes the gap.
void ReNumDels(MGLOBAL &g, int16_t delCode);

// Takes back the latest min(UndoDepth, UndoCount) drops, oldest of them first.
void undoLatest(MGLOBAL &g, BoxPictures &boxes);

// Empties every box and the undo list and forgets the file name; the third column stays.
void clearCells(MGLOBAL &g, BoxPictures &boxes);

// Empties both layer columns and both pictures of every cell, nothing else.
void emptyLayers(MGLOBAL &g, BoxPictures &boxes);

// The drops one undo would take back, as the undo dialog announces it.
int16_t undoAmount(const MGLOBAL &g);

// Puts the pictures of an opened model back: the back layer of every cell first, then the front
// layer. 0 and 1000 leave a box empty; any other number must name a palette shape. Returns false at
// the first number that names none, leaving the boxes done so far as they are; `error` says which.
bool placePictures(const MGLOBAL &g, BoxPictures &boxes, QString *error = nullptr);

inline constexpr int16_t kNoPictureMark = 1000;
inline constexpr int16_t kFirstShape = 1;
inline constexpr int16_t kLastShape = 240;
constexpr bool isShape(int n) { return n >= kFirstShape && n <= kLastShape; }

} // namespace WorkAreaRules
