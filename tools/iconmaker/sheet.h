#pragma once
// Pictures for judging the icons by eye: the six palette pages side by side, and a small pipe
// network and girder frame assembled from the joining pieces.

#include <QImage>

#include <vector>

class Icon;

// shapes[n - 1] is shape n.
QImage paletteSheet(const std::vector<Icon> &shapes);
QImage joinsDemo(const std::vector<Icon> &shapes);
