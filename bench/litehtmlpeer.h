#pragma once

#include <QByteArray>

#include <memory>

// The litehtml peer of the viewer benchmark: reads a page with litehtml and lays it out at a
// width, measuring text with the same Qt font metrics our own host uses and painting nothing.
// It exists only so the benchmark can compare like with like; the program never uses it.
class LitehtmlPeer {
public:
    LitehtmlPeer();
    ~LitehtmlPeer();
    LitehtmlPeer(const LitehtmlPeer &) = delete;
    LitehtmlPeer &operator=(const LitehtmlPeer &) = delete;

    // Reads the page (UTF-8) and lays it out at the width; returns the laid-out height.
    int load(const QByteArray &utf8Page, int width);
    // Lays the loaded page out again at another width; returns the height.
    int relayout(int width);
    void clear();

private:
    class Container;
    std::unique_ptr<Container> m_container;
};
