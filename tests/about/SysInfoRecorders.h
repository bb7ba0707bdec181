#pragma once

#include "about/SysInfoPorts.h"

#include <QStringList>

// Seams that remember what they were asked; paths in tests are plain ASCII.
class RecordingFileLookup : public lumora::FileLookup
{
public:
    bool fileExists(const std::string &path) override
    {
        asked << QString::fromStdString(path);
        return existing.contains(asked.last());
    }

    QStringList existing;
    QStringList asked;
};

class RecordingStarter : public lumora::ProgramStarter
{
public:
    void start(const std::string &path) override { started << QString::fromStdString(path); }

    QStringList started;
};

class RecordingMessages : public lumora::MessageSink
{
public:
    void showMessage(const std::string &text) override { shown << QString::fromStdString(text); }

    QStringList shown;
};
