// Pure helpers that turn times into animation frames and ticks, ratios into eased ratios,
// semitones into pitch factors, and numbers into text; plus vector shorthands.
#pragma once

#include "framework/TVector.h"

#include <string>

// The frame of an animation of frames frames lasting length ticks, at time t (backwards when
// forward is 0); always within 0..frames-1, a length of 0 included.
int ccCalcAnimFrame(float t, int length, int frames, int forward);
float ccCalcMSPerFrame(int fps);
// Sine-eased 0..1 with zero slope at both ends.
float ccRatioToSine180(float x);
// The largest size ccPow2Size gives: the largest power of two an int holds.
constexpr int kMaxPow2Size = 1 << 30;
// The smallest power of two at least n (1 for n <= 1), at most kMaxPow2Size.
int ccPow2Size(int n);
int ccRangeCheck100(int& value);
int ccMillisecsToMinutes(float ms, int& minutes, int& seconds);
int ccAlmostZero(double a, double tolerance);
// Cubic Bezier point; note the end point comes before the two control points.
int ccBezier(float x0, float y0, float x3, float y3, float x1, float y1, float x2, float y2, float t,
             float& x, float& y);
// -0.5 at the left edge of the screen, 0 at its centre.
float ccCalcPan(float x);
float ccGetMusicalNote(int n);
float ccGetMusicalNoteInScaleC(int degree);
std::string ccRoundFloatToString(float x, int places);
int ccSecondsToGameUnits(int seconds);
TVectorRef ccVectorAdd(const TVector& a, const TVector& b);
TVectorRef ccVectorSubtract(const TVector& a, const TVector& b);
TVectorRef ccVectorMultiply(const TVector& a, float k);
