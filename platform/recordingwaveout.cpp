// The recording wave output: a faithful log of what a player asked of its device.

#include "recordingwaveout.h"

namespace platform {

bool RecordingWaveOut::Open(const WaveFormat& newFormat)
{
    calls.push_back(WaveCall::Open);
    if (!deviceAvailable || open)
        return false;
    open = true;
    paused = false;
    format = newFormat;
    return true;
}

void RecordingWaveOut::Prepare(WaveBlock& block)
{
    calls.push_back(WaveCall::Prepare);
    if (open)
        block.prepared = true;
}

void RecordingWaveOut::Write(const WaveBlock& block)
{
    calls.push_back(WaveCall::Write);
    if (!open || !block.prepared)
        return;
    paused = false;
    written.emplace_back(block.data, block.data + block.length);
}

void RecordingWaveOut::Pause()
{
    calls.push_back(WaveCall::Pause);
    if (open)
        paused = true;
}

void RecordingWaveOut::Restart()
{
    calls.push_back(WaveCall::Restart);
    paused = false;
}

void RecordingWaveOut::Reset()
{
    calls.push_back(WaveCall::Reset);
}

void RecordingWaveOut::Unprepare(WaveBlock& block)
{
    calls.push_back(WaveCall::Unprepare);
    block.prepared = false;
}

void RecordingWaveOut::Close()
{
    calls.push_back(WaveCall::Close);
    open = false;
    paused = false;
}

} // namespace platform
