#pragma once

#include "scores/HighScoreFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace lumora::test {

// Points the high-score file into a fresh temporary folder while it lives, so no test reaches
// the player's file; afterwards the file is where it was before.
class TempHighScoreFile
{
public:
    TempHighScoreFile() : m_previous(HighScoreFile()) { setHighScoreFileOverride(path()); }
    ~TempHighScoreFile() { setHighScoreFileOverride(m_previous); }

    QString folder() const { return m_dir.path(); }
    QString path() const { return m_dir.filePath(QStringLiteral("LumoraHigh.Dll")); }
    bool exists() const { return QFile::exists(path()); }

    void write(const QByteArray &bytes) const
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

} // namespace lumora::test
