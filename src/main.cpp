// Sleetwhistle: opens the game window on its title picture with the title music, and runs until
// the window is closed or Escape is pressed. The application object that runs the whole game
// takes over this file as the game grows.
#include "platform/audio.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/system.h"

#include <string>

namespace {

// The data prefix beside the executable, <exe dir>/../share/sleetwhistle/, which holds the data
// folder "Data/". Files are named below it as "Data/..." and "data/...", so the prefix is where
// lookups start ignoring case.
std::string DataPrefix() {
    return platform::ExtractDir(platform::AppFile()) + "/../share/sleetwhistle/";
}

// A picture the game cannot run without: ends the program with a clear message when missing.
platform::ImageRef LoadOrEnd(const std::string& path) {
    platform::ImageRef image = platform::LoadImage(path);
    if (!image) {
        platform::Notify("Error loading bitmap " + path, true);
        platform::End(1);
    }
    return image;
}

} // namespace

int main() {
    using namespace platform;
    SetAppTitle("Sleetwhistle V1.06");
    SetDataRoot(DataPrefix());
    const std::string data = DataPrefix() + "Data/";
    if (!OpenGL2DDriver() || !Graphics(800, 600, 0, 60)) {
        Notify("Cannot create Windowed Mode at 800x600 60Hz", true);
        return 1;
    }
    AutoMidHandle(true);
    ImageRef title = LoadOrEnd(data + "graphics/title.jpg");
    ImageRef logo = LoadOrEnd(data + "graphics/mainlogo.png");
    ImageFontRef font = LoadImageFont(data + "fonts/card.ttf", 25, FONT_SMOOTH);

    SetAudioDriver("FreeAudio");
    SoundRef music = LoadSound(data + "music/title.ogg", SOUND_LOOP);
    ChannelRef channel = PlaySound(music);
    SetChannelVolume(channel, 0.6f);

    bool running = true;
    while (running) {
        while (PollEvent()) {
            int id = EventID();
            if (id == EVENT_WINDOW_CLOSE || id == EVENT_APP_TERMINATE) running = false;
            if (id == EVENT_KEY_DOWN && EventData() == vk::ESCAPE) running = false;
        }
        Cls();
        SetColor(255, 255, 255);
        DrawImage(title, 400, 300);
        DrawImage(logo, 400, 130);
        SetImageFont(font);
        const std::string hint = "Press Escape to leave";
        float x = 400 - TextWidth(hint) / 2.0f;
        SetColor(20, 24, 60);
        SetAlpha(0.6f);
        DrawText(hint, x + 2, 562);
        SetAlpha(1);
        SetColor(255, 244, 214);
        DrawText(hint, x, 560);
        Flip(1);
    }
    StopChannel(channel);
    ShutdownAudio();
    ShutdownGraphics();
    return 0;
}
