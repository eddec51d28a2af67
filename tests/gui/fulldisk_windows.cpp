#include "fulldisk.h"

// Windows limits a process's files only through a disk quota, which needs
// an administrator and a volume of its own.
struct FullDisk::Before
{
};

bool FullDisk::possible()
{
    return false;
}

FullDisk::FullDisk(qint64)
{
}

FullDisk::~FullDisk() = default;
