// SDL 2 audio behind the wave-output interface. A device is opened paused
// (SDL's default) and unpaused by each write; a reset empties SDL's queue.

#include "sdlwaveout.h"

#include <SDL.h>

#include <cstdio>

namespace platform {

namespace {

// SDL's sample format for a PCM width; 0 for a width SDL is not given.
SDL_AudioFormat SampleFormatFor(const WaveFormat& format)
{
    if (format.formatTag != kWaveFormatPcm)
        return 0;
    switch (format.bitsPerSample) {
    case 8:
        return AUDIO_U8;
    case 16:
        return AUDIO_S16LSB;
    default:
        return 0;
    }
}

// Stops a device and drops what it was given; it goes on playing silence.
void Silence(SDL_AudioDeviceID device)
{
    SDL_PauseAudioDevice(device, 1);
    SDL_ClearQueuedAudio(device);
}

} // namespace

SdlWaveOut::SdlWaveOut() : closer(std::make_unique<DeviceCloser>([](std::uint32_t id) { SDL_CloseAudioDevice(id); })) {}

SdlWaveOut::~SdlWaveOut()
{
    if (device != 0) {
        Silence(device);
        closer->Close(device);
    }
    closer.reset(); // waits for every close handed over
    if (audioStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::uint16_t SdlWaveOut::BufferFramesFor(std::uint32_t samplesPerSecond)
{
    std::uint16_t frames = 1024;
    while (frames > 64 && frames * 30u > samplesPerSecond)
        frames /= 2;
    return frames;
}

bool SdlWaveOut::Open(const WaveFormat& format)
{
    if (open || unavailable || SampleFormatFor(format) == 0 || format.channels == 0 || format.samplesPerSecond == 0)
        return false;
    if (device != 0 && format == deviceFormat) {
        open = true; // stopped and emptied by Close
        return true;
    }
    if (device != 0) {
        closer->Close(device);
        device = 0;
    }
    if (!StartAudio() || !OpenDevice(format)) {
        Unavailable();
        return false;
    }
    open = true;
    return true;
}

bool SdlWaveOut::StartAudio()
{
    if (audioStarted)
        return true;
    // SDL would otherwise catch SIGTERM and SIGINT for itself, and nothing
    // could end the program; the program handles those signals.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    audioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return audioStarted;
}

bool SdlWaveOut::OpenDevice(const WaveFormat& format)
{
    SDL_AudioSpec wanted{};
    wanted.freq = int(format.samplesPerSecond);
    wanted.format = SampleFormatFor(format);
    wanted.channels = std::uint8_t(format.channels);
    wanted.samples = BufferFramesFor(format.samplesPerSecond);
    wanted.callback = nullptr; // queued audio: SDL_QueueAudio feeds the device
    // No changes allowed: SDL converts to whatever the hardware wants, so the
    // block is always given in the clip's own format.
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    // Drivers with one device only (SDL's dummy and disk drivers) refuse a
    // second while the last one is still being closed.
    if (device == 0 && closer->WaitUntilDone())
        device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0)
        return false;
    deviceFormat = format;
    bufferFrames = wanted.samples;
    return true;
}

void SdlWaveOut::Unavailable()
{
    unavailable = true;
    std::fprintf(stderr, "No sound output (%s): phrases will not be spoken.\n", SDL_GetError());
}

void SdlWaveOut::Prepare(WaveBlock& block)
{
    if (open)
        block.prepared = true;
}

void SdlWaveOut::Write(const WaveBlock& block)
{
    if (!open || !block.prepared || block.data == nullptr)
        return;
    SDL_QueueAudio(device, block.data, block.length);
    SDL_PauseAudioDevice(device, 0);
}

void SdlWaveOut::Pause()
{
    if (open)
        SDL_PauseAudioDevice(device, 1);
}

void SdlWaveOut::Restart()
{
    if (open)
        SDL_PauseAudioDevice(device, 0);
}

void SdlWaveOut::Reset()
{
    if (open)
        SDL_ClearQueuedAudio(device);
}

void SdlWaveOut::Unprepare(WaveBlock& block)
{
    block.prepared = false;
}

void SdlWaveOut::Close()
{
    if (!open)
        return;
    Silence(device);
    open = false;
}

std::uint32_t SdlWaveOut::QueuedBytes() const
{
    return open ? SDL_GetQueuedAudioSize(device) : 0;
}

} // namespace platform
