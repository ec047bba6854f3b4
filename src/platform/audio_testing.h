// Test seams of the audio layer.
#pragma once

#include "platform/TRecordingAudioBackend.h"

namespace platform {

// Makes the recording backend stand in for the sound device: it runs at once as "FreeAudio",
// and every later SetAudioDriver of an offered name starts it instead of OpenAL. Its log
// starts empty. The reference stays valid for the whole run.
TRecordingAudioBackend& UseRecordingAudio();
// Back to the real device; the driver is "None" until the next SetAudioDriver.
void UseDeviceAudio();
// Sounds loaded afterwards are streamed when longer than this (10 s by default), so tests can
// stream short files.
void SetStreamAfterSeconds(double seconds);
// Voices of the running driver held by channels (OpenAL sources on the device).
int AudioVoicesInUse();
// The device's refill thread waits a random time up to maxMs before each round, as a thread
// kept off the processor by a busy machine would (0: not at all; SLEETWHISTLE_AUDIO_DELAY=MS
// sets it for a whole run).
void DelayStreamRefills(int maxMs);
// Its next round waits ms first.
void StallStreamRefills(int ms);
// Streamed sounds that played every queued buffer before a refill came, and started again.
long StreamsRanDry();

} // namespace platform
