#pragma once

#include "scores/HighScoreFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace lumora::test {

// Distinct values in every member, so a partial load shows which members it changed.
inline const HighScoreTable kPrevious{
    FieldValue::number(1), FieldValue::text("old1"), FieldValue::number(2), FieldValue::text("old2"), 3, "old3"};
inline const QByteArray kResetLine = "0,\" \",0,\" \",0,\" \"\r\n";

// Points the high-score file into a folder of a fresh temporary one while it lives, so no test
// reaches the player's file; afterwards the file is where it was before. The folder is missing
// until something writes, as on a first run: a first save has to make it.
class TempHighScoreFile
{
public:
    QString folder() const { return m_dir.filePath(QStringLiteral("data")); }
    QString path() const { return folder() + QStringLiteral("/LumoraHigh.Dll"); }

    void write(const QByteArray &bytes) const
    {
        QFile file(path());
        QVERIFY(QDir().mkpath(folder()) && file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray bytes() const { return bytesOf(path()); }

    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    HighScoreFileOverride m_file{path()};
};

} // namespace lumora::test
