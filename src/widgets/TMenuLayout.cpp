// How a menu lays out its buttons: its corner and block size from the buttons, moving the block,
// centring it on the screen, rows and columns, and scaling about the corner. Every conversion to
// whole pixels truncates toward zero.
#include "widgets/TMenu.h"

#include "framework/core_services.h"

namespace {

constexpr float FAR_EDGE = 10000.0f; // the layout sentinels
constexpr int FAR_PIXEL = 10000;

} // namespace

int TMenu::StoreOriginalCoords() {
    for (const TButtonRef& button : *this)
        button->StoreOriginalCoords();
    OX = x;
    OY = y;
    return 0;
}

int TMenu::CalcLeft() {
    x = FAR_EDGE;
    for (const TButtonRef& button : *this)
        if (button->x < x) x = button->x;
    return 0;
}

int TMenu::CalcTop() {
    y = FAR_EDGE;
    for (const TButtonRef& button : *this)
        if (button->y < y) y = button->y;
    return 0;
}

int TMenu::CalcCoords() {
    CalcLeft();
    return CalcTop();
}

int TMenu::CalcWidth() {
    int low = FAR_PIXEL, high = -FAR_PIXEL;
    for (const TButtonRef& button : *this) {
        if (button->x < float(low)) low = int(button->x);
        if (button->x + float(button->w) > float(high)) high = int(button->x + float(button->w));
    }
    w = high - low;
    return w;
}

int TMenu::CalcHeight() {
    int low = FAR_PIXEL, high = -FAR_PIXEL;
    for (const TButtonRef& button : *this) {
        if (button->y < float(low)) low = int(button->y);
        if (button->y + float(button->h) > float(high)) high = int(button->y + float(button->h));
    }
    h = high - low;
    return h;
}

int TMenu::SetX(float toX) {
    CalcLeft();
    float d = toX - x;
    x = toX;
    for (const TButtonRef& button : *this)
        button->MoveBy(d, 0.0f);
    return 0;
}

int TMenu::SetY(float toY) {
    CalcTop();
    float d = toY - y;
    y = toY;
    for (const TButtonRef& button : *this)
        button->MoveBy(0.0f, d);
    return 0;
}

int TMenu::SetPairX(const std::string& leftName, const std::string& rightName, float toX) {
    TButtonRef left = FindButton(leftName), right = FindButton(rightName);
    if (!left || !right) return 0;
    int d = int(toX - left->x);
    left->x = toX;
    right->x += float(d);
    return 0;
}

int TMenu::ScaleMenu(float scaleX, float scaleY) {
    for (const TButtonRef& button : *this) {
        button->ScaleX = scaleX;
        button->ScaleY = scaleY;
        button->x = x + (button->ox - x) * scaleX;
        button->y = y + (button->oy - y) * scaleY;
    }
    return 0;
}

int TMenu::CentreHoriz() {
    CalcWidth();
    return SetX(float((ScreenWidth - w) / 2));
}

int TMenu::CentreVert() {
    CalcHeight();
    return SetY(float((ScreenHeight - h) / 2));
}

int TMenu::Centre() {
    CentreHoriz();
    return CentreVert();
}

int TMenu::MakeRow(int gap) {
    // NOTE: each left edge is the running sum of (width + gap) including the button's own width,
    // so buttons of unequal width stand unevenly apart.
    float total = 0.0f;
    for (const TButtonRef& button : *this) {
        total += float(button->w + gap);
        button->MoveTo(total, 0.0f);
    }
    return Centre();
}

int TMenu::MakeColumn(int gap) {
    float total = 0.0f;
    for (const TButtonRef& button : *this) {
        total += float(button->h + gap);
        button->MoveTo(0.0f, total);
    }
    return Centre();
}
