// SDL 2 audio behind the wave-output interface. The device is opened paused
// (SDL's default) and unpaused by each write; a reset empties SDL's queue.

#include "sdlwaveout.h"

#include <SDL.h>

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

} // namespace

SdlWaveOut::~SdlWaveOut()
{
    Close();
}

bool SdlWaveOut::Open(const WaveFormat& format)
{
    const SDL_AudioFormat sampleFormat = SampleFormatFor(format);
    if (device != 0 || sampleFormat == 0 || format.channels == 0 || format.samplesPerSecond == 0)
        return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = int(format.samplesPerSecond);
    wanted.format = sampleFormat;
    wanted.channels = std::uint8_t(format.channels);
    wanted.samples = 4096;
    wanted.callback = nullptr; // queued audio: SDL_QueueAudio feeds the device
    // No changes allowed: SDL converts to whatever the hardware wants, so the
    // block is always given in the clip's own format.
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

void SdlWaveOut::Prepare(WaveBlock& block)
{
    if (device != 0)
        block.prepared = true;
}

void SdlWaveOut::Write(const WaveBlock& block)
{
    if (device == 0 || !block.prepared || block.data == nullptr)
        return;
    SDL_QueueAudio(device, block.data, block.length);
    SDL_PauseAudioDevice(device, 0);
}

void SdlWaveOut::Pause()
{
    if (device != 0)
        SDL_PauseAudioDevice(device, 1);
}

void SdlWaveOut::Restart()
{
    if (device != 0)
        SDL_PauseAudioDevice(device, 0);
}

void SdlWaveOut::Reset()
{
    if (device != 0)
        SDL_ClearQueuedAudio(device);
}

void SdlWaveOut::Unprepare(WaveBlock& block)
{
    block.prepared = false;
}

void SdlWaveOut::Close()
{
    if (device == 0)
        return;
    SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device = 0;
}

std::uint32_t SdlWaveOut::QueuedBytes() const
{
    return device != 0 ? SDL_GetQueuedAudioSize(device) : 0;
}

} // namespace platform
