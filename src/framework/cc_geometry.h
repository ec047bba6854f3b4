// Yes/no overlap tests: rectangles, a point in a convex quad, a circle against a segment, and an
// image frame's opaque pixels against a rectangle.
#pragma once

#include "framework/TBox.h"
#include "framework/TLine.h"
#include "platform/image.h"

// Rectangles that only touch along an edge do not overlap.
int ccRectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);
// Strictly inside a quad given clockwise on the screen (y down); a point on an edge is outside.
int ccGenericPointInQuad(int px, int py, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
// Touching counts.
int ccCircleLineIntersect(const TCircle& circle, const TLine& line);
// 1 when an opaque pixel of the frame, drawn at (x, y) with its handle, lies in the rectangle.
// Empties every collision layer first; afterwards layer 1 holds only this image.
int ccImageRectCollide(const platform::ImageRef& image, int x, int y, int frame, int rx, int ry, int rw,
                       int rh);
