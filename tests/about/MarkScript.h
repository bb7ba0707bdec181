#pragma once

#include <QFile>
#include <QString>
#include <QTest>

// A stand-in for a system-information tool: a shell script that only leaves a mark file,
// `path` + ".started", behind when it runs.
inline QString markOf(const QString &scriptPath)
{
    return scriptPath + QStringLiteral(".started");
}

inline void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    file.write(contents);
}

inline void writeMarkScript(const QString &path)
{
    writeFile(path, QByteArrayLiteral("#!/bin/sh\n: > \"$0.started\"\n"));
    QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner));
}
