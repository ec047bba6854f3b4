// A streamed sound whose queue ran dry, because its refill came too late, is started again by
// the pump thread once the pump gets to it: on OpenAL Soft's null output, in real time.
#include "audio_fixtures.h"

#include "Scoped.h"
#include "platform/OpenALStream.h"
#include "platform/sound_decode.h"

#include <AL/alc.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace platform;

namespace {

// The pump's view of one voice that is meant to be playing.
struct TPlayingClient : OpenALStreamClient {
    OpenALStreamQueue* queue = nullptr;
    void Refill() override { queue->Refill(true); }
};

ALint StateOf(ALuint source) {
    ALint state = AL_INITIAL;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}

// Polls (real time, at most `ms`) until the source is in the state.
bool ReachesState(ALuint source, ALint state, int ms) {
    for (int waited = 0; waited < ms && StateOf(source) != state; waited += 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return StateOf(source) == state;
}

TEST(StreamPump, ASourceThatRanDryPlaysAgainOnceThePumpComesRound) {
    testsupport::ScopedEnv nullOutput{"ALSOFT_DRIVERS", "null"};
    ALCdevice* device = alcOpenDevice(nullptr);
    ASSERT_TRUE(device) << "OpenAL Soft's null output did not open";
    ALCcontext* context = alcCreateContext(device, nullptr);
    ASSERT_TRUE(context && alcMakeContextCurrent(context));
    ALuint source = 0;
    alGenSources(1, &source);
    {
        // A looping tone, so the stream itself never ends.
        const int rate = 8000;
        std::string error;
        auto bytes =
            std::make_shared<const std::string>(audiotest::Wav16(audiotest::Tone(rate, 1, rate), 1, rate));
        OpenALStreamQueue queue(source, OpenPcmStream(bytes, error), true);
        ASSERT_TRUE(queue.Ready()) << error;
        TPlayingClient client;
        client.queue = &queue;
        OpenALStreamPump pump;
        {
            std::lock_guard<std::mutex> guard(pump.Lock());
            pump.Add(&client);
            alSourcePlay(source);
        }
        EXPECT_TRUE(ReachesState(source, AL_PLAYING, 1000));
        {
            // The pump is kept away until every queued buffer has played.
            std::lock_guard<std::mutex> starve(pump.Lock());
            const int queuedMs =
                int(1000 * OpenALStreamQueue::kBuffers * OpenALStreamQueue::kFramesPerBuffer / rate);
            EXPECT_TRUE(ReachesState(source, AL_STOPPED, queuedMs + 5000)) << "the queue never ran dry";
        }
        EXPECT_TRUE(ReachesState(source, AL_PLAYING, 1000)) << "the pump did not start the source again";
        ALint queued = 0;
        alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
        EXPECT_GT(queued, 0);
        std::lock_guard<std::mutex> guard(pump.Lock());
        pump.Remove(&client);
    }
    alDeleteSources(1, &source);
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
}

} // namespace
