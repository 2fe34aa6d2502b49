#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

// Finds a window's controls by object name and clicks them as a user does: for fixtures that
// drive one window, such as a wizard, through its pages.
class TWindowDriver {
public:
    virtual ~TWindowDriver() = default;

    template <typename T = QWidget> T *child(const char *name)
    {
        T *found = drivenWindow()->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char *name)
    {
        QWidget *widget = child(name);
        ASSERT_TRUE(widget && widget->isVisible() && widget->isEnabled()) << name << " cannot be clicked";
        // Radio buttons answer only on their indicator and text, which sit at the left.
        const QPoint at(std::min(10, widget->width() / 2), widget->height() / 2);
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }
    bool shown(const char *name) { return child(name)->isVisible(); }

protected:
    virtual QWidget *drivenWindow() = 0;
};
