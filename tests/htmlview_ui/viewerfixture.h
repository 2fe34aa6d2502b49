#pragma once

#include "tpageviewer.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A shown viewer of a fixed size and a temporary folder for page files, fresh for every test.
class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The lines of an HTML text, as the preview hands them over.
    static QList<QByteArray> lines(const QByteArray &html);
    // Writes a file into the temporary folder and gives its path.
    QString writeFile(const QString &name, const QByteArray &bytes);
    // Where on the paint surface the first match of text is drawn (a little inside it).
    QPoint surfacePointOf(const QString &text) const;
    QWidget *surface() const;
    void clickText(const QString &text);
    // A page of numbered paragraphs, tall enough to scroll several screens.
    static QByteArray tallPage(int paragraphs = 80);

    std::unique_ptr<TPageViewer> viewer;
    QTemporaryDir dir;
};
