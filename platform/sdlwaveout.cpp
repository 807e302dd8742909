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

SdlWaveOut::SdlWaveOut() = default;

SdlWaveOut::~SdlWaveOut()
{
    thread.Post([this] {
        if (device != 0) {
            Silence(device);
            SDL_CloseAudioDevice(device);
        }
        CloseSetAside(true);
        if (audioStarted)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        // SDL's own state (its hints and error texts) goes with the last user.
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
            SDL_Quit();
    });
}

std::uint16_t SdlWaveOut::BufferFramesFor(std::uint32_t samplesPerSecond)
{
    std::uint16_t frames = 1024;
    while (frames > 64 && frames * 30u > samplesPerSecond)
        frames /= 2;
    return frames;
}

bool SdlWaveOut::Open(const WaveFormat& wanted)
{
    if (open || unavailable || SampleFormatFor(wanted) == 0 || wanted.channels == 0 || wanted.samplesPerSecond == 0)
        return false;
    if (askedForDevice && wanted == format) {
        open = true; // stopped and emptied by Close
        return true;
    }
    format = wanted;
    if (!askedForDevice) {
        askedForDevice = true;
        open = thread.Call([this, wanted] { return OpenDevice(wanted); });
        return open;
    }
    thread.Post([this, wanted] { OpenDevice(wanted); });
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

bool SdlWaveOut::OpenDevice(const WaveFormat& wanted)
{
    if (device != 0) {
        // Stopped by Close; closed once the server has drained it.
        setAside.push_back({device, SoundThread::Clock::now()});
        thread.PostAfter(kDrainTime, [this] { CloseSetAside(false); });
        device = 0;
    }
    if (unavailable)
        return false;
    if (!StartAudio()) {
        Unavailable();
        return false;
    }
    SDL_AudioSpec request{};
    request.freq = int(wanted.samplesPerSecond);
    request.format = SampleFormatFor(wanted);
    request.channels = std::uint8_t(wanted.channels);
    request.samples = BufferFramesFor(wanted.samplesPerSecond);
    request.callback = nullptr; // queued audio: SDL_QueueAudio feeds the device
    // No changes allowed: SDL converts to whatever the hardware wants, so the
    // block is always given in the clip's own format.
    device = SDL_OpenAudioDevice(nullptr, 0, &request, nullptr, 0);
    // Drivers with one device only (SDL's dummy and disk drivers) refuse a
    // second while another is open; their close is quick.
    if (device == 0 && !setAside.empty()) {
        CloseSetAside(true);
        device = SDL_OpenAudioDevice(nullptr, 0, &request, nullptr, 0);
    }
    if (device == 0) {
        Unavailable();
        return false;
    }
    bufferFrames = request.samples;
    return true;
}

void SdlWaveOut::CloseSetAside(bool evenUndrained)
{
    const auto now = SoundThread::Clock::now();
    std::erase_if(setAside, [&](const SetAside& old) {
        if (!evenUndrained && now - old.silentSince < kDrainTime)
            return false;
        SDL_CloseAudioDevice(old.device);
        return true;
    });
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
    // A copy: the caller may reuse its block before the sound thread runs.
    thread.Post([this, pcm = std::vector<std::uint8_t>(block.data, block.data + block.length)] {
        if (device == 0)
            return;
        SDL_QueueAudio(device, pcm.data(), Uint32(pcm.size()));
        SDL_PauseAudioDevice(device, 0);
    });
}

void SdlWaveOut::Pause()
{
    if (open)
        thread.Post([this] {
            if (device != 0)
                SDL_PauseAudioDevice(device, 1);
        });
}

void SdlWaveOut::Restart()
{
    if (open)
        thread.Post([this] {
            if (device != 0)
                SDL_PauseAudioDevice(device, 0);
        });
}

void SdlWaveOut::Reset()
{
    if (open)
        thread.Post([this] {
            if (device != 0)
                SDL_ClearQueuedAudio(device);
        });
}

void SdlWaveOut::Unprepare(WaveBlock& block)
{
    block.prepared = false;
}

void SdlWaveOut::Close()
{
    if (!open)
        return;
    thread.Post([this] {
        if (device != 0)
            Silence(device);
    });
    open = false;
}

std::uint32_t SdlWaveOut::QueuedBytes() const
{
    return thread.Call([this] { return device != 0 ? SDL_GetQueuedAudioSize(device) : 0u; });
}

std::uint32_t SdlWaveOut::DeviceId() const
{
    return thread.Call([this] { return device; });
}

std::uint32_t SdlWaveOut::BufferFrames() const
{
    return thread.Call([this] { return bufferFrames; });
}

bool SdlWaveOut::Playing() const
{
    return thread.Call([this] { return device != 0 && SDL_GetAudioDeviceStatus(device) == SDL_AUDIO_PLAYING; });
}

} // namespace platform
