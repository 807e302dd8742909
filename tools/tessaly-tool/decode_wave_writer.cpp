#include "decode_wave_writer.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

DecodeWaveWriter::DecodeWaveWriter(std::string path, const platform::WaveFormat& format)
    : path(std::move(path)), format(format)
{
}

DecodeWaveWriter::~DecodeWaveWriter()
{
    if (!file)
        return;
    std::fclose(file);
    if (writing != path)
        std::remove(writing.c_str());
}

bool DecodeWaveWriter::Open()
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    const bool inPlace = std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
    writing = inPlace ? path : path + "." + std::to_string(::getpid()) + ".part";
    file = std::fopen(writing.c_str(), "wb");
    if (!file)
        return false;
    std::setvbuf(file, nullptr, _IOFBF, 1 << 16);
    seekable = std::fseek(file, 0, SEEK_CUR) == 0;
    return WriteHeader(seekable ? 0 : kMostWaveDataBytes);
}

bool DecodeWaveWriter::Append(const std::uint8_t* pcm, std::size_t length)
{
    if (written + length > kMostWaveDataBytes) {
        tooLong = true;
        return false;
    }
    written += length;
    return std::fwrite(pcm, 1, length, file) == length;
}

bool DecodeWaveWriter::Finish()
{
    const bool finished = !seekable || (std::fseek(file, 0, SEEK_SET) == 0 && WriteHeader(written));
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    if (writing == path)
        return finished && closed;
    if (finished && closed && std::rename(writing.c_str(), path.c_str()) == 0)
        return true;
    std::remove(writing.c_str());
    return false;
}

bool DecodeWaveWriter::WriteHeader(std::uint64_t length)
{
    const std::vector<std::uint8_t> header = *PcmWaveHeader(format, length);
    return std::fwrite(header.data(), 1, header.size(), file) == header.size();
}
