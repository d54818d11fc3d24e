#include "button_look.h"

namespace {

constexpr FinishLook kNoGlow{rgb(170, 196, 240), 0.12, rgb(0, 0, 0), 0.0};

// Navigation and window buttons: dark glass that lights up blue with a gold edge under the pointer.
constexpr ButtonLook kQuietNav{
    {1.0, 4.0, rgb(38, 60, 102), rgb(15, 27, 54), rgb(3, 6, 14), rgb(112, 142, 196)},
    kNoGlow,
    {rgb(208, 222, 246), rgb(2, 6, 16), 1.0}};
constexpr ButtonLook kLitNav{
    {1.0, 4.0, rgb(66, 112, 182), rgb(26, 54, 106), rgb(24, 16, 6), rgb(244, 210, 130)},
    {rgb(200, 226, 255), 0.2, rgb(120, 180, 255), 0.6},
    {rgb(255, 244, 214), rgb(6, 12, 30), 1.0}};
constexpr ButtonLook kLitClose{
    {1.0, 3.5, rgb(222, 84, 60), rgb(140, 30, 22), rgb(40, 6, 4), rgb(255, 196, 150)},
    {rgb(255, 214, 190), 0.22, rgb(255, 120, 80), 0.6},
    {rgb(255, 255, 255), rgb(60, 8, 4), 1.0}};

// Web buttons on the plinth, such as sign-up: clear sky blue, secondary to start.
constexpr ButtonLook kQuietPlinthLink{
    {2.0, 7.0, rgb(62, 138, 204), rgb(20, 66, 124), rgb(3, 10, 26), rgb(150, 204, 244)},
    {rgb(200, 230, 255), 0.2, rgb(0, 0, 0), 0.0},
    {rgb(240, 248, 255), rgb(4, 18, 44), 1.0}};
constexpr ButtonLook kLitPlinthLink{
    {2.0, 7.0, rgb(100, 186, 242), rgb(30, 98, 172), rgb(4, 16, 36), rgb(226, 244, 255)},
    {rgb(232, 246, 255), 0.3, rgb(110, 200, 255), 0.8},
    {rgb(255, 255, 255), rgb(6, 26, 60), 1.0}};

// Start: warm sunrise gold against the cool skin, with an engraved label.
constexpr ButtonLook kQuietStart{
    {2.0, 9.0, rgb(248, 200, 104), rgb(196, 106, 26), rgb(58, 28, 4), rgb(255, 236, 170)},
    {rgb(255, 246, 214), 0.35, rgb(0, 0, 0), 0.0},
    {rgb(74, 36, 6), rgb(255, 220, 144), -1.0}};
constexpr ButtonLook kLitStart{
    {2.0, 9.0, rgb(255, 226, 140), rgb(236, 136, 36), rgb(70, 32, 4), rgb(255, 250, 220)},
    {rgb(255, 255, 240), 0.45, rgb(255, 214, 110), 1.0},
    {rgb(70, 30, 2), rgb(255, 240, 196), -1.0}};

constexpr ButtonLook withRadius(ButtonLook look, double radius) {
    look.plate.radius = radius;
    return look;
}

} // namespace

ButtonLook lookOf(ButtonKind kind, bool hover) {
    switch (kind) {
    case ButtonKind::Nav:
        return hover ? kLitNav : kQuietNav;
    case ButtonKind::Minimise:
        return withRadius(hover ? kLitNav : kQuietNav, 3.5);
    case ButtonKind::Close:
        return hover ? kLitClose : withRadius(kQuietNav, 3.5);
    case ButtonKind::PlinthLink:
        return hover ? kLitPlinthLink : kQuietPlinthLink;
    case ButtonKind::Start:
        return hover ? kLitStart : kQuietStart;
    }
    return kQuietNav;
}

LabelStyle labelStyle(ButtonKind kind) {
    switch (kind) {
    case ButtonKind::PlinthLink:
        return {20, 2};
    case ButtonKind::Start:
        return {40, 4};
    default:
        // 10 px capitals, which leave a 19 px face room above and below.
        return {14, 1};
    }
}
