#pragma once

#include <string>

// The seams through which the system-information launch reaches the file system and the
// process table. Paths are bytes in the system's ANSI code page.
namespace lumora {

class FileLookup
{
public:
    virtual ~FileLookup() = default;
    // True for an existing plain file; a directory does not count.
    virtual bool fileExists(const std::string &path) = 0;
};

class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;
    // Starts the program in a process of its own and returns at once.
    // Throws RuntimeError when it cannot be started.
    virtual void start(const std::string &path) = 0;
};

} // namespace lumora
