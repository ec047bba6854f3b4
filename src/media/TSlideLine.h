// A line of text that slides from a start point to an end point over each phase of its own
// phase timer, and a list of such lines drawn in one shared colour.
#pragma once

#include "framework/TColor.h"
#include "media/TAnimation.h"
#include "platform/TList.h"

#include <array>
#include <memory>
#include <string>

class TSlideLine;
using TSlideLineRef = std::shared_ptr<TSlideLine>;

class TSlideLine : public TAnimation {
public:
    std::array<float, MAX_PHASES> StartX{}, StartY{}, EndX{}, EndY{};
    float DX = 0.0f, DY = 0.0f; // end minus start of the current phase
    std::string text;
    TColorRef Color = std::make_shared<TColor>();
    std::shared_ptr<void> AttachedObject; // the caller's; the line never reads it

    int InitLine(const std::string& lineText, int startX, int startY, int endX, int endY, int ms);
    // Beyond MAX_PHASES phases nothing changes.
    int AddPhaseSpecial(int startX, int startY, int endX, int endY, int ms);
    int CalcDistance();
    // On the current phase's segment while running; at the end of the last phase otherwise.
    float GetX() const;
    float GetY() const;
    int Manage() override;
    int Draw();
    int AttachObject(std::shared_ptr<void> object);
};

class TSlideLineList : public platform::TList<TSlideLine> {
public:
    TColorRef Color = std::make_shared<TColor>(); // shared by every line of the list

    TSlideLineRef Add(const std::string& text, int startX, int startY, int endX, int endY, int ms);
    int Start();
    int Manage();
    int Draw();
};
