#include "foundation/window_outlines.h"

#include "foundation/window_names.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace WindowShape {

namespace {

// The status window's outline follows the hand-drawn edge of its picture.
std::vector<Point> StatusWindowOutline()
{
    return {{28, 6},   {301, 6},  {302, 7},  {306, 7},  {307, 8},  {310, 9},  {316, 15}, {319, 22},
            {320, 27}, {321, 30}, {322, 35}, {322, 42}, {321, 43}, {319, 54}, {318, 55}, {316, 60},
            {309, 67}, {304, 69}, {297, 70}, {29, 70},  {28, 69},  {24, 69},  {23, 68},  {20, 67},
            {13, 60},  {10, 53},  {9, 48},   {8, 45},   {7, 40},   {7, 33},   {8, 32},   {10, 21},
            {11, 20},  {13, 15},  {18, 10},  {19, 10},  {21, 8},   {24, 7}};
}

constexpr int CornerPoints = 9;
constexpr int Inset = 2;
constexpr int Radius = 14;

Member Rounded(std::string_view window, int width, int height, std::int16_t offsetX, DragRule drag,
               int n)
{
    return Member{
        window, width, height, offsetX, 21, drag, RoundedOutline(width, height, Inset, Radius, n)};
}

std::vector<Member> BuildMembers()
{
    std::vector<Member> members;
    members.push_back(
        Member{WindowNames::StatusWindow, 330, 77, 2, 21, DragRule::Never, StatusWindowOutline()});
    members.push_back(Rounded(WindowNames::NewGameInfo, 420, 250, 2, DragRule::Always, 69));
    members.push_back(Rounded(WindowNames::NotifyForm, 400, 230, 2, DragRule::Always, 40));
    members.push_back(Rounded(WindowNames::AboutBox, 440, 330, 2, DragRule::Always, 101));
    members.push_back(Rounded(WindowNames::Board, 720, 520, 1, DragRule::OnlyWhenSkinned, 81));
    members.push_back(Rounded(WindowNames::ExchangePawn, 270, 155, 2, DragRule::Always, 52));
    members.push_back(Rounded(WindowNames::ChooseOpponent, 380, 320, 2, DragRule::Always, 47));
    members.push_back(Rounded(WindowNames::GameInterface, 700, 320, 2, DragRule::OnlyWhenSkinned, 130));
    members.push_back(Rounded(WindowNames::OptionsPage, 600, 470, 2, DragRule::OnlyWhenSkinned, 77));
    members.push_back(Rounded(WindowNames::SelectSound, 460, 360, 2, DragRule::Always, 41));
    members.push_back(Rounded(WindowNames::Credits, 380, 320, 2, DragRule::Always, 58));
    members.push_back(Rounded(WindowNames::SetupWarningForm, 400, 230, 3, DragRule::Always, 86));
    members.push_back(Rounded(WindowNames::SelectPrinter, 440, 320, 2, DragRule::Always, 87));
    members.push_back(Rounded(WindowNames::MsgForm, 420, 200, 2, DragRule::Always, 102));
    return members;
}

std::int16_t Round16(double v)
{
    return static_cast<std::int16_t>(std::nearbyint(v));
}

} // namespace

const std::vector<Member>& Members()
{
    static const std::vector<Member> members = BuildMembers();
    return members;
}

const Member* Find(std::string_view window)
{
    for (const Member& member : Members())
        if (member.window == window)
            return &member;
    return nullptr;
}

std::int16_t ShapePointX(const Member& member, int index)
{
    if (index < 0 || index >= static_cast<int>(member.outline.size()))
        return 0;
    return member.outline[static_cast<std::size_t>(index)].x;
}

std::int16_t ShapePointY(const Member& member, int index)
{
    if (index < 0 || index >= static_cast<int>(member.outline.size()))
        return 0;
    return member.outline[static_cast<std::size_t>(index)].y;
}

std::vector<PixelPoint> ScaledOutline(const Member& member, float scaleX, float scaleY,
                                      double twipsPerPixelX, double twipsPerPixelY, int offsetX,
                                      int offsetY)
{
    std::vector<PixelPoint> points;
    points.reserve(member.outline.size());
    for (int i = 0; i < static_cast<int>(member.outline.size()); ++i) {
        // Floating point throughout, then one rounding, halves to even
        // (nearbyint under the default rounding mode).
        const double x = ShapePointX(member, i) * double(scaleX) * 15.0 / twipsPerPixelX + offsetX;
        const double y = ShapePointY(member, i) * double(scaleY) * 15.0 / twipsPerPixelY + offsetY;
        points.push_back({static_cast<int>(std::nearbyint(x)), static_cast<int>(std::nearbyint(y))});
    }
    return points;
}

std::vector<Point> RoundedOutline(int width, int height, int inset, int radius, int n)
{
    const int corner = std::min(CornerPoints, n / 4);
    const int extras = n - 4 * corner;
    const double left = inset, top = inset;
    const double right = width - 1 - inset, bottom = height - 1 - inset;
    const double r = radius;

    // Corner centres and the angle each quarter arc starts at, clockwise
    // on screen from the top-right corner; the straight edge before each
    // corner gets its share of the extra points.
    struct Corner {
        double cx, cy, startDeg;
    };
    const Corner corners[4] = {{right - r, top + r, -90},
                               {right - r, bottom - r, 0},
                               {left + r, bottom - r, 90},
                               {left + r, top + r, 180}};
    struct Edge {
        double x0, y0, x1, y1;
    };
    const Edge edges[4] = {{left + r, top, right - r, top},
                           {right, top + r, right, bottom - r},
                           {right - r, bottom, left + r, bottom},
                           {left, bottom - r, left, top + r}};

    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < 4; ++k) {
        const int onEdge = extras / 4 + (k < extras % 4 ? 1 : 0);
        const Edge& e = edges[k];
        for (int j = 1; j <= onEdge; ++j) {
            const double t = double(j) / (onEdge + 1);
            points.push_back({Round16(e.x0 + (e.x1 - e.x0) * t), Round16(e.y0 + (e.y1 - e.y0) * t)});
        }
        const Corner& c = corners[k];
        for (int j = 0; j < corner; ++j) {
            const double deg = c.startDeg + 90.0 * j / std::max(1, corner - 1);
            const double rad = deg * std::numbers::pi / 180.0;
            points.push_back({Round16(c.cx + r * std::cos(rad)), Round16(c.cy + r * std::sin(rad))});
        }
    }
    // The last point is the end of the top-left rounding: start there.
    std::rotate(points.rbegin(), points.rbegin() + 1, points.rend());
    return points;
}

} // namespace WindowShape
