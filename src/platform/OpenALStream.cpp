// Streaming sources and the pump thread that keeps their queues full.
#include "platform/OpenALStream.h"

#include <pthread.h>

#include <chrono>

namespace platform {

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
    // The first buffers are decoded here, so the sound starts the moment it is resumed.
    for (ALuint buffer : buffers)
        if (!Fill(buffer)) break;
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
        for (ALuint buffer : buffers)
            if (!Fill(buffer)) break;
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
        if (!Fill(buffer)) break;
    }
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

// A queue holds four buffers of 4,096 frames (about 0.37 s at 44.1 kHz): waking every 10 ms
// keeps it full even at several times the normal rate.
void OpenALStreamPump::Run() {
    std::unique_lock<std::mutex> guard(lock);
    while (!quit) {
        for (OpenALStreamClient* client : clients)
            client->Refill();
        wake.wait_for(guard, std::chrono::milliseconds(10));
    }
}

} // namespace platform
