// The one-page help: four small sample boards with a caption each, animated by one repeating
// cycle of five phases (a plain match, a match that breaks ice, a glowing shape sending magic
// dust to the gauge, a bonus at double power). It returns to whoever opened it.
#pragma once

#include "core/TScreen.h"
#include "framework/TSineCounter.h"
#include "framework/cc_strings.h"
#include "media/TAnimation.h"

#include <memory>

class TInstructionsScreen;
using TInstructionsScreenRef = std::shared_ptr<TInstructionsScreen>;

class TInstructionsScreen : public TScreen {
public:
    TAnimationRef Anim1; // the cycle of the panels
    float MunchkinCounter = 0.0f;
    float MunchkinLength = 2000.0f;                 // ticks in one loop of the pudding's frames
    TSineCounterRef glow = TSineCounter::Create();  // the cursor's light
    TSineCounterRef glow2 = TSineCounter::Create(); // the glowing shape's and the bonus's light
    TStringArray Text;                              // the caption being drawn
    int PageWidth = 300;
    int TotalLines = 0;

    int Load() override;
    int Start() override;
    int Kill() override;
    int Logic() override;
    int Draw() override;
    int SetEscDestination() override;
    virtual int ManageMunchkins();
    virtual int Close();
    virtual int OutputText(int x, int y);
    virtual int DrawCells(int x, int y, int mode);
    virtual int DrawRing(int x, int y);
    virtual int DrawGauge(int x, int y);
    virtual int MakeMunchkin(int x, int y, int n);
    virtual int MunchkinParticles(float x, float y, int count);
    virtual int SparkleParticlesMake(float x, float y, int count);

private:
    void RemovalBurst();
    void IceSplinters();
    void DrawCaptions();
    void DrawPanel1(int phase, float r);
    void DrawPanel2(int phase, float r);
    void DrawPanel3(int phase, float r);
    void DrawPanel4(int phase);
    void DrawGauges(int phase);
};

extern TInstructionsScreenRef InstructionsScreen;
