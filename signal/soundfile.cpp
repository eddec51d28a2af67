#include "soundfile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

std::uint32_t little32(const unsigned char *at)
{
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 |
           std::uint32_t(at[3]) << 24;
}

void putLittle32(unsigned char *at, std::uint64_t value)
{
    const auto v = std::uint32_t(std::min<std::uint64_t>(value, 0xFFFFFFFFu));
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(v >> (8 * i));
}

// Where a WAV file's header says its data holds 0 bytes though bytes follow
// it: the header with the sizes of the file, and where it ends.
bool mendedHeader(std::ifstream &in, std::uint64_t size, std::vector<unsigned char> &header)
{
    constexpr std::size_t kMostHeader = 1 << 16;
    header.resize(std::size_t(std::min<std::uint64_t>(size, kMostHeader)));
    if (!in.read(reinterpret_cast<char *>(header.data()), std::streamsize(header.size())) ||
        header.size() < 12 || std::memcmp(header.data(), "RIFF", 4) != 0 ||
        std::memcmp(header.data() + 8, "WAVE", 4) != 0)
        return false;
    for (std::size_t at = 12; at + 8 <= header.size();) {
        const std::uint32_t chunk = little32(header.data() + at + 4);
        if (std::memcmp(header.data() + at, "data", 4) == 0) {
            const std::uint64_t follows = size - (at + 8);
            if (chunk != 0 || follows == 0)
                return false;
            putLittle32(header.data() + at + 4, follows);
            putLittle32(header.data() + 4, size - 8);
            header.resize(at + 8);
            return true;
        }
        at += 8 + std::uint64_t(chunk) + (chunk & 1);
    }
    return false;
}

} // namespace

// The file as libsndfile reads it through these calls: the mended header,
// if any, then the file's own bytes. The stream takes the path as the
// system names files (UTF-16 on Windows), which libsndfile's own opening
// would not on every system.
struct SoundFile::Mended
{
    std::ifstream in;
    // libsndfile asks for a few kilobytes at a time; fewer, larger reads
    // of the file keep its speed. Reads longer than the buffer, as a
    // reader's blocks of raw samples are, go past it, copied once.
    std::vector<char> buffer = std::vector<char>(std::size_t(1) << 16);
    std::uint64_t size = 0;
    std::vector<unsigned char> header;
    std::uint64_t position = 0;
    std::uint64_t streamAt = 0; // where the stream's next read starts

    static sf_count_t length(void *self) { return sf_count_t(static_cast<Mended *>(self)->size); }
    static sf_count_t seek(sf_count_t offset, int whence, void *self)
    {
        Mended &m = *static_cast<Mended *>(self);
        const sf_count_t base = whence == SEEK_CUR   ? sf_count_t(m.position)
                                : whence == SEEK_END ? sf_count_t(m.size)
                                                     : 0;
        if (base + offset < 0)
            return -1;
        m.position = std::uint64_t(base + offset);
        return sf_count_t(m.position);
    }
    static sf_count_t read(void *to, sf_count_t count, void *self)
    {
        Mended &m = *static_cast<Mended *>(self);
        auto *out = static_cast<unsigned char *>(to);
        sf_count_t done = 0;
        while (done < count && m.position < m.header.size()) {
            out[done++] = m.header[std::size_t(m.position++)];
        }
        if (done < count && m.position < m.size) {
            if (m.streamAt != m.position) {
                m.in.clear();
                m.in.seekg(std::streamoff(m.position));
            }
            m.in.read(reinterpret_cast<char *>(out + done), std::streamsize(count - done));
            const auto got = sf_count_t(m.in.gcount());
            m.position += std::uint64_t(got);
            m.streamAt = m.in ? m.position : ~std::uint64_t(0);
            done += got;
        }
        return done;
    }
    static sf_count_t write(const void *, sf_count_t, void *) { return 0; }
    static sf_count_t tell(void *self) { return sf_count_t(static_cast<Mended *>(self)->position); }
};

SoundFile::SoundFile(const std::filesystem::path &path)
{
    std::error_code error;
    const std::uint64_t size = std::filesystem::file_size(path, error);
    static SF_VIRTUAL_IO calls{Mended::length, Mended::seek, Mended::read, Mended::write,
                               Mended::tell};
    auto m = std::make_unique<Mended>();
    errno = 0;
    m->in.rdbuf()->pubsetbuf(m->buffer.data(), std::streamsize(m->buffer.size()));
    m->in.open(path, std::ios::binary);
    if (error || !m->in) {
        systemError = errno ? errno : EIO;
        return;
    }
    m->size = size;
    if (mendedHeader(m->in, size, m->header)) {
        file = sf_open_virtual(&calls, SFM_READ, &format, m.get());
        if (file) {
            source = std::move(m);
            return;
        }
        format = SF_INFO{};
    }
    m->header.clear();
    m->position = 0;
    m->streamAt = ~std::uint64_t(0);
    file = sf_open_virtual(&calls, SFM_READ, &format, m.get());
    if (file)
        source = std::move(m);
}

SoundFile::~SoundFile()
{
    if (file)
        sf_close(file);
}

namespace {

// libsndfile writes into memory through these.
struct MemoryFile
{
    std::string bytes;
    sf_count_t at = 0;
};

sf_count_t memoryLength(void *user)
{
    return sf_count_t(static_cast<MemoryFile *>(user)->bytes.size());
}

sf_count_t memorySeek(sf_count_t offset, int whence, void *user)
{
    auto *m = static_cast<MemoryFile *>(user);
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->at : memoryLength(m);
    m->at = std::max<sf_count_t>(0, base + offset);
    return m->at;
}

sf_count_t memoryRead(void *to, sf_count_t count, void *user)
{
    auto *m = static_cast<MemoryFile *>(user);
    const sf_count_t n = std::max<sf_count_t>(0, std::min(count, memoryLength(m) - m->at));
    std::memcpy(to, m->bytes.data() + m->at, std::size_t(n));
    m->at += n;
    return n;
}

sf_count_t memoryWrite(const void *from, sf_count_t count, void *user)
{
    auto *m = static_cast<MemoryFile *>(user);
    if (m->at + count > memoryLength(m))
        m->bytes.resize(std::size_t(m->at + count));
    std::memcpy(&m->bytes[std::size_t(m->at)], from, std::size_t(count));
    m->at += count;
    return count;
}

sf_count_t memoryTell(void *user)
{
    return static_cast<MemoryFile *>(user)->at;
}

} // namespace

std::string soundFileBytes(const std::vector<float> &samples, int sampleRate, int format)
{
    MemoryFile memory;
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 1;
    info.format = format;
    SNDFILE *sound = sf_open_virtual(&io, SFM_WRITE, &info, &memory);
    if (!sound)
        return {};
    // Beyond full scale clips rather than wrapping round.
    sf_command(sound, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    sf_writef_float(sound, samples.data(), sf_count_t(samples.size()));
    sf_close(sound);
    return memory.bytes;
}
