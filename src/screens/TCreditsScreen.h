// The credits: eleven centred lines on the options screen's paper note, and OK. Reached only from
// the options screen, and always leads back to it, whoever opened the options.
#pragma once

#include "core/TScreen.h"
#include "media/TGameImage.h"

#include <array>
#include <memory>
#include <string>

class TCreditsScreen;
using TCreditsScreenRef = std::shared_ptr<TCreditsScreen>;

class TCreditsScreen : public TScreen {
public:
    struct TCreditLine {
        int y; // top of the line
        const char* text;
    };
    static const std::array<TCreditLine, 11> Lines;
    static constexpr float CentreX = 230.0f;

    TGameImageRef TagImage, BottomString, TopString;

    int Load() override;
    int Start() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
};

extern TCreditsScreenRef CreditsScreen;
