#pragma once

#include <QFile>
#include <QString>
#include <QTest>

inline void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    file.write(contents);
}

// A stand-in for a system-information tool: a script that only leaves `path` + ".started" behind.
inline void writeMarkScript(const QString &path)
{
    writeFile(path, QByteArrayLiteral("#!/bin/sh\n: > \"$0.started\"\n"));
    QVERIFY(QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner));
}
