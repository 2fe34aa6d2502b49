#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// Compares bytes with the expected file golden/<name> beside the test sources. Running the tests
// with ZV_UPDATE_GOLDEN=1 rewrites the expectation on purpose (review the diff before committing).
inline void ExpectGolden(const QString &name, const QByteArray &actual)
{
    const QString path = QStringLiteral(ZV_TEST_SOURCE_DIR "/golden/") + name;
    if (qEnvironmentVariableIsSet("ZV_UPDATE_GOLDEN")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << path.toStdString();
        out.write(actual);
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << "missing golden file " << path.toStdString();
    const QByteArray expected = in.readAll();
    if (expected == actual)
        return;
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    ADD_FAILURE() << name.toStdString() << " differs from its golden file at byte " << at << " (expected "
                  << expected.size() << " bytes, got " << actual.size() << "); near: \""
                  << actual.mid(qMax<qsizetype>(0, at - 20), 60).toStdString() << "\"";
}

inline QByteArray ReadSourceFile(const QString &path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}
