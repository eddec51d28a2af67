#include "fulldisk.h"

#include <csignal>

#include <sys/resource.h>

struct FullDisk::Before
{
    rlimit limit{};
};

bool FullDisk::possible()
{
    return true;
}

FullDisk::FullDisk(qint64 bytes) : before(std::make_unique<Before>())
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &before->limit);
    rlimit limit = before->limit;
    limit.rlim_cur = bytes < 0 ? RLIM_INFINITY : rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FullDisk::~FullDisk()
{
    setrlimit(RLIMIT_FSIZE, &before->limit);
}
