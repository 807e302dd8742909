#include "decode_wave_writer.h"

#include <vector>

DecodeWaveWriter::DecodeWaveWriter(std::string path, const platform::WaveFormat& format)
    : work(std::move(path)), format(format)
{
}

bool DecodeWaveWriter::Open()
{
    if (!work.Open())
        return false;
    std::setvbuf(work.Stream(), nullptr, _IOFBF, 1 << 16);
    seekable = std::fseek(work.Stream(), 0, SEEK_CUR) == 0;
    return WriteHeader(seekable ? 0 : kMostWaveDataBytes);
}

bool DecodeWaveWriter::Append(const std::uint8_t* pcm, std::size_t length)
{
    if (written + length > kMostWaveDataBytes) {
        tooLong = true;
        return false;
    }
    written += length;
    return std::fwrite(pcm, 1, length, work.Stream()) == length;
}

bool DecodeWaveWriter::Finish()
{
    const bool finished = !seekable || (std::fseek(work.Stream(), 0, SEEK_SET) == 0 && WriteHeader(written));
    return finished && work.Commit();
}

bool DecodeWaveWriter::WriteHeader(std::uint64_t length)
{
    const std::vector<std::uint8_t> header = *PcmWaveHeader(format, length);
    return std::fwrite(header.data(), 1, header.size(), work.Stream()) == header.size();
}
