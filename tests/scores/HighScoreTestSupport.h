#pragma once

#include "scores/HighScoreFile.h"
#include "scores/HighScoreTable.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace lumora::test {

// Points the high-score file into a fresh temporary folder while it lives, so no test reaches
// the player's file.
class TempHighScoreFile
{
public:
    TempHighScoreFile() { setHighScoreFileOverride(path()); }
    ~TempHighScoreFile() { setHighScoreFileOverride(QString()); }

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
    QTemporaryDir m_dir;
};

// Makes writing a regular file beyond `bytes` fail while it lives. Tests run as root, whom
// permission bits do not stop; the file size limit holds for root too.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }

private:
    rlimit m_previous{};
};

// Kinds stay visible: #830 is a number, '830' a text, "empty" an empty field.
inline QString describe(const FieldValue &value)
{
    switch (value.kind()) {
    case FieldValue::Kind::Empty: return QStringLiteral("empty");
    case FieldValue::Kind::Number: return u'#' + numberText(value.numberValue());
    case FieldValue::Kind::Text: return u'\'' + value.textValue() + u'\'';
    }
    return QString();
}

inline QString describe(const HighScoreTable &table)
{
    return QStringList{describe(table.HighScore1), describe(table.HighName1),
                       describe(table.HighScore2), describe(table.HighName2),
                       QString::number(table.HighScore3), u'\'' + table.HighName3 + u'\''}
        .join(QStringLiteral(" | "));
}

} // namespace lumora::test
