// Sleetwhistle: opens the game window and runs until it is closed.
// The application object that runs the whole game is built on top of this as the game grows.
#include "platform/draw.h"
#include "platform/font.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"

#include <iostream>

int main() {
    using namespace platform;
    SetAppTitle("Sleetwhistle V1.06");
    if (!GLMax2DDriver() || !Graphics(800, 600, 0, 60)) {
        Notify("Cannot create Windowed Mode at 800x600 60Hz", true);
        return 1;
    }
    bool running = true;
    while (running) {
        while (PollEvent()) {
            int id = EventID();
            if (id == EVENT_WINDOW_CLOSE || id == EVENT_APP_TERMINATE) running = false;
            if (id == EVENT_KEY_DOWN && EventData() == vk::ESCAPE) running = false;
        }
        SetClsColor(14, 24, 62);
        Cls();
        SetColor(235, 240, 255);
        DrawRect(0, 470, 800, 130);
        SetColor(255, 230, 140);
        const std::string title = "Sleetwhistle";
        SetScale(3, 3);
        DrawText(title, 400 - TextWidth(title) * 1.5f, 220);
        SetScale(1, 1);
        SetColor(60, 70, 120);
        DrawText("Press Escape to leave", 400 - TextWidth("Press Escape to leave") / 2.0f, 520);
        Flip(1);
    }
    ShutdownGraphics();
    return 0;
}
