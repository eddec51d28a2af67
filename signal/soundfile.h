#pragma once

#include <sndfile.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// The one adapter to libsndfile. A sound file opened for reading: A WAV file whose header
// gives its sizes as 0, as a recorder leaves it when it is stopped before
// it can finish the header, is read as if the header gave the sizes of what
// follows it.
class SoundFile
{
public:
    explicit SoundFile(const std::filesystem::path &path);
    ~SoundFile();
    SoundFile(const SoundFile &) = delete;
    SoundFile &operator=(const SoundFile &) = delete;

    // Null when the file could not be opened: `openError` is the system's
    // reason then, or 0 where libsndfile refused it.
    SNDFILE *handle() const { return file; }
    int openError() const { return systemError; }
    const SF_INFO &info() const { return format; }

private:
    struct Mended;
    std::unique_ptr<Mended> source;
    int systemError = 0;
    SF_INFO format{};
    SNDFILE *file = nullptr;
};

// Mono samples in [-1, 1], clipped beyond, as the whole bytes of a sound
// file in libsndfile's `format`; empty where it cannot write that format.
std::string soundFileBytes(const std::vector<float> &samples, int sampleRate, int format);
