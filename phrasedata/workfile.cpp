#include "workfile.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

WorkFile::WorkFile(std::string path) : path(std::move(path)) {}

WorkFile::~WorkFile()
{
    if (!file)
        return;
    file.reset();
    if (writing != path)
        std::remove(writing.c_str());
}

bool WorkFile::Open()
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    const bool inPlace = std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
    writing = inPlace ? path : path + "." + std::to_string(::getpid()) + ".part";
    file = OpenFile(writing.c_str(), "wb");
    return file != nullptr;
}

bool WorkFile::Commit()
{
    if (!file)
        return false;
    const bool written = !std::ferror(file.get());
    const bool closed = std::fclose(file.release()) == 0;
    if (writing == path)
        return written && closed;
    if (written && closed && std::rename(writing.c_str(), path.c_str()) == 0)
        return true;
    std::remove(writing.c_str());
    return false;
}

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    WorkFile work(path);
    return work.Open() && std::fwrite(bytes.data(), 1, bytes.size(), work.Stream()) == bytes.size() && work.Commit();
}
