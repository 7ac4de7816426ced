#pragma once
// The outlines of the program's shaped windows: for each window, the size
// of its background picture and the polygon, in picture pixels, that the
// window is clipped to. The artwork generator draws every background along
// the same polygon, so a window's shape and its picture always agree.
//
// Plain standard C++: the generator uses it as well as the windows.

#include <cstdint>
#include <string_view>
#include <vector>

namespace WindowShape {

struct Point {
    std::int16_t x = 0;
    std::int16_t y = 0;
    bool operator==(const Point&) const = default;
};

// Whether a press on the window's background drags it.
enum class DragRule { Never, Always, OnlyWhenSkinned };

struct Member {
    std::string_view window; // the window's name, exact case
    int pictureWidth = 0;    // background picture, pixels
    int pictureHeight = 0;
    std::int16_t frameOffsetX = 0; // where a framed window's client area
    std::int16_t frameOffsetY = 0; // starts; 0 for our frameless windows
    DragRule drag = DragRule::Always;
    std::vector<Point> outline; // closed from the last point to the first
};

// Every shaped window, in a fixed order.
const std::vector<Member>& Members();
// The member of that name, or nullptr.
const Member* Find(std::string_view window);

// The x or y of outline point index; 0 for an index outside the outline.
std::int16_t ShapePointX(const Member& member, int index);
std::int16_t ShapePointY(const Member& member, int index);

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// The outline in window pixels: each point times its scale, times 15 over
// the screen's twips per pixel, plus the offset, rounded half to even.
std::vector<PixelPoint> ScaledOutline(const Member& member, float scaleX, float scaleY,
                                      double twipsPerPixelX, double twipsPerPixelY, int offsetX,
                                      int offsetY);

// A rounded rectangle of exactly n points inside a width x height picture,
// starting at the end of the top-left rounding and running along the top
// edge first: radius is the corners' radius, inset the margin to the edge.
std::vector<Point> RoundedOutline(int width, int height, int inset, int radius, int n);

} // namespace WindowShape
