#pragma once

#include <QtGlobal>

#include <memory>

// A disk that takes no more than `bytes` (-1: any number) a file, for as
// long as it lives: a write past that fails as on a full disk, instead of
// ending the program. Where the system cannot limit a process so,
// `possible` is false and the limit does nothing.
class FullDisk
{
public:
    static bool possible();
    explicit FullDisk(qint64 bytes);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    struct Before;
    std::unique_ptr<Before> before;
};
