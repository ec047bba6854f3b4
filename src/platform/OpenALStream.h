// Long sounds on OpenAL: a source plays a short queue of buffers that a decoder keeps filling,
// so a piece of music never exists as PCM whole. One pump thread per device refills the queues
// of every streaming source; each channel's requests and the pump take the same lock, so the
// pump never restarts a source the game has just paused or stopped.
#pragma once

#include "platform/sound_decode.h"

#include <AL/al.h>

#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_set>
#include <vector>

namespace platform {

// The queue of one source while it plays a streamed sound.
class OpenALStreamQueue {
public:
    // Takes over the source's buffer queue; false when the device has no buffers to give.
    OpenALStreamQueue(ALuint source, std::unique_ptr<TPcmStream> decoder, bool loop);
    ~OpenALStreamQueue(); // empties the source's queue and frees the buffers

    bool Ready() const { return ready; }
    // Unqueues the buffers the source has played and fills them again; a source that ran dry
    // while it should play starts again. Called with the pump's lock held.
    void Refill(bool shouldPlay);
    // The decoder has given its last frame: once the source stops, the sound has ended.
    bool Finished() const { return finished; }

    // About 1.1 s at 44.1 kHz, so a refill thread kept waiting by a busy machine does not let the
    // sound run dry; only the first four are decoded when the sound is cued.
    static constexpr int kBuffers = 12;
    static constexpr int kFirstBuffers = 4;
    static constexpr size_t kFramesPerBuffer = 4096;

private:
    bool Fill(ALuint buffer);
    // Fills buffers from the spare ones while the decoder gives frames.
    void FillSpare();

    ALuint source;
    std::unique_ptr<TPcmStream> decoder;
    bool loop;
    bool ready = false;
    bool finished = false;
    ALenum format;
    std::array<ALuint, kBuffers> buffers{};
    std::vector<ALuint> spare; // not queued
    std::vector<int16_t> scratch;
};

// Something the pump refills.
class OpenALStreamClient {
public:
    virtual ~OpenALStreamClient() = default;
    virtual void Refill() = 0;
};

class OpenALStreamPump {
public:
    OpenALStreamPump();
    ~OpenALStreamPump(); // stops and joins the thread

    // Held by channel requests on streaming sources and by the pump while it refills.
    std::mutex& Lock() { return lock; }
    // Both with the lock held.
    void Add(OpenALStreamClient* client);
    void Remove(OpenALStreamClient* client);

private:
    void Run();

    std::mutex lock;
    std::condition_variable wake;
    std::unordered_set<OpenALStreamClient*> clients;
    bool quit = false;
    std::thread thread;
};

} // namespace platform
