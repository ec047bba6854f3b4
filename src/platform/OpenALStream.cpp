// Streaming sources and the pump thread that keeps their queues full.
#include "platform/OpenALStream.h"

#include "platform/audio_testing.h"
#include "platform/seams.h"

#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>

namespace platform {
namespace {

// Test seams (audio_testing.h): refill rounds held back, and streams that ran dry.
std::atomic<int> delayUpToMs{-1}; // -1: SLEETWHISTLE_AUDIO_DELAY not read yet
std::atomic<int> stallMs{0};
std::atomic<long> ranDry{0};

int DelayUpToMs() {
    if (delayUpToMs < 0) {
        int expected = -1;
        delayUpToMs.compare_exchange_strong(expected, Seams().audioDelayMs.value_or(0));
    }
    return delayUpToMs;
}

} // namespace

void DelayStreamRefills(int maxMs) {
    delayUpToMs = std::max(0, maxMs);
}
void StallStreamRefills(int ms) {
    stallMs = ms;
}
long StreamsRanDry() {
    return ranDry;
}

OpenALStreamQueue::OpenALStreamQueue(ALuint alSource, std::unique_ptr<TPcmStream> pcm, bool looped)
    : source(alSource), decoder(std::move(pcm)), loop(looped),
      format(decoder->Channels() == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16),
      scratch(kFramesPerBuffer * size_t(decoder->Channels())) {
    alGetError();
    alGenBuffers(kBuffers, buffers.data());
    if (alGetError() != AL_NO_ERROR) {
        buffers.fill(0);
        return;
    }
    ready = true;
    // The first buffers are decoded here, so the sound starts the moment it is resumed; the pump
    // fills the rest.
    spare.assign(buffers.rbegin(), buffers.rend());
    for (int i = 0; i < kFirstBuffers && !spare.empty() && Fill(spare.back()); ++i)
        spare.pop_back();
}

OpenALStreamQueue::~OpenALStreamQueue() {
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, 0); // unqueues every buffer of a stopped source
    if (ready) alDeleteBuffers(kBuffers, buffers.data());
}

// Decodes the next piece into the buffer and queues it; false when nothing is left.
bool OpenALStreamQueue::Fill(ALuint buffer) {
    if (finished) return false;
    size_t frames = FillPcm(*decoder, scratch.data(), kFramesPerBuffer, loop);
    if (frames < kFramesPerBuffer) finished = true;
    if (frames == 0) return false;
    alBufferData(buffer, format, scratch.data(),
                 ALsizei(frames * size_t(decoder->Channels()) * sizeof(int16_t)), decoder->SampleRate());
    alSourceQueueBuffers(source, 1, &buffer);
    return true;
}

void OpenALStreamQueue::Refill(bool shouldPlay) {
    if (!ready) return;
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (state == AL_STOPPED) {
        // Stopped with the decoder done: the sound has ended. Stopped before that: the source
        // played every queued buffer before the pump came round, and starts again from a fresh
        // queue where the audio stands.
        if (finished || !shouldPlay) return;
        alSourcei(source, AL_BUFFER, 0);
        spare.assign(buffers.rbegin(), buffers.rend());
        FillSpare();
        ++ranDry;
        ALint queued = 0;
        alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
        if (queued > 0) alSourcePlay(source);
        return;
    }
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source, 1, &buffer);
        spare.push_back(buffer);
    }
    FillSpare();
}

void OpenALStreamQueue::FillSpare() {
    while (!spare.empty() && Fill(spare.back()))
        spare.pop_back();
}

// ---- the pump ----------------------------------------------------------------------------------

OpenALStreamPump::OpenALStreamPump() : thread([this] { Run(); }) {
    pthread_setname_np(thread.native_handle(), "sw-audio");
}

OpenALStreamPump::~OpenALStreamPump() {
    {
        std::lock_guard<std::mutex> guard(lock);
        quit = true;
    }
    wake.notify_all();
    thread.join();
}

void OpenALStreamPump::Add(OpenALStreamClient* client) {
    clients.insert(client);
}

void OpenALStreamPump::Remove(OpenALStreamClient* client) {
    clients.erase(client);
}

// Waking every 10 ms refills a buffer within a tenth of its length.
void OpenALStreamPump::Run() {
    std::minstd_rand random(std::random_device{}());
    std::unique_lock<std::mutex> guard(lock);
    while (!quit) {
        int most = DelayUpToMs(), wait = stallMs.exchange(0);
        if (most > 0) wait += int(random() % unsigned(most + 1));
        if (wait > 0) {
            guard.unlock();
            std::this_thread::sleep_for(std::chrono::milliseconds(wait));
            guard.lock();
            if (quit) break;
        }
        for (OpenALStreamClient* client : clients)
            client->Refill();
        wake.wait_for(guard, std::chrono::milliseconds(10));
    }
}

} // namespace platform
