#include "media/TSlideLine.h"

#include "platform/draw.h"

int TSlideLine::InitLine(const std::string& lineText, int startX, int startY, int endX, int endY, int ms) {
    Init(ms, 0, 0, 0, 0);
    text = lineText;
    StartX[0] = float(startX);
    StartY[0] = float(startY);
    EndX[0] = float(endX);
    EndY[0] = float(endY);
    return CalcDistance();
}

int TSlideLine::AddPhaseSpecial(int startX, int startY, int endX, int endY, int ms) {
    if (TotalPhases >= MAX_PHASES) return 0;
    size_t phase = size_t(TotalPhases);
    StartX[phase] = float(startX);
    StartY[phase] = float(startY);
    EndX[phase] = float(endX);
    EndY[phase] = float(endY);
    return AddPhase(ms);
}

int TSlideLine::CalcDistance() {
    size_t phase = size_t(CurrentPhase);
    DX = EndX[phase] - StartX[phase];
    DY = EndY[phase] - StartY[phase];
    return 0;
}

float TSlideLine::GetX() const {
    if (Active) return StartX[size_t(CurrentPhase)] + (1.0f - GetRatio()) * DX;
    return EndX[size_t(TotalPhases - 1)];
}

float TSlideLine::GetY() const {
    if (Active) return StartY[size_t(CurrentPhase)] + (1.0f - GetRatio()) * DY;
    return EndY[size_t(TotalPhases - 1)];
}

int TSlideLine::Manage() {
    if (TAnimation::Manage() == 1) CalcDistance();
    return 0;
}

int TSlideLine::Draw() {
    Color->Apply();
    platform::DrawText(text, GetX(), GetY());
    TColor::Restore();
    return 0;
}

int TSlideLine::AttachObject(std::shared_ptr<void> object) {
    AttachedObject = std::move(object);
    return 0;
}

TSlideLineRef TSlideLineList::Add(const std::string& text, int startX, int startY, int endX, int endY,
                                  int ms) {
    auto line = std::make_shared<TSlideLine>();
    line->InitLine(text, startX, startY, endX, endY, ms);
    line->Color = Color;
    AddLast(line);
    return line;
}

int TSlideLineList::Start() {
    for (const auto& line : *this)
        line->Start();
    return 0;
}

int TSlideLineList::Manage() {
    for (const auto& line : *this)
        line->Manage();
    return 0;
}

int TSlideLineList::Draw() {
    for (const auto& line : *this)
        line->Draw();
    platform::SetColor(255, 255, 255);
    return 0;
}
