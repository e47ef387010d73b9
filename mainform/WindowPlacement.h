#pragma once

#include <QRect>
#include <QSize>

namespace hexlume {

// Where a window that belongs to another one opens, all in frame rectangles: beside `owner`,
// top edges level, on its right when the screen's free area `available` has room, else on its
// left, else where it covers the least of `owner`, always inside `available`. `wanted` shrinks
// to fit there, down to `smallest` beside the owner, and to `available` at most.
QRect PlaceBeside(QRect owner, QSize wanted, QSize smallest, QRect available);

}  // namespace hexlume
