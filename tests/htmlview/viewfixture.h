#pragma once

#include "anchorlist.h"
#include "fixedmetricshost.h"
#include "htmlreader.h"
#include "section.h"
#include "viewdocument.h"

#include <gtest/gtest.h>

#include <memory>

// A document read from HTML text with the fixed-metrics host: every character is size / 2 wide
// (6 pixels at 12 points, one more when bold), ascent = size, descent = size / 4 rounded up.
class ViewFixture : public ::testing::Test {
protected:
    FixedMetricsHost host;
    std::unique_ptr<TViewDocument> doc = std::make_unique<TViewDocument>(&host);
    TAnchorList anchors;
    TViewError error;

    void SetUp() override
    {
        doc->DefaultFontName = QStringLiteral("Serif");
        doc->PreFontName = QStringLiteral("Mono");
        doc->DefaultFontColor = clBlack;
    }
    TViewError read(const QByteArray &html)
    {
        error = ParseHtmlBuffer(*doc, anchors, html.constData(), html.size());
        return error;
    }
    TViewError readAndLayout(const QByteArray &html, int width = 400)
    {
        read(html);
        doc->LayoutDocument(width);
        return error;
    }
    // The sections of the document that hold text, images or controls, in order.
    std::vector<const TSection *> textSections() const
    {
        std::vector<const TSection *> out;
        for (const auto &s : doc->Sections()) {
            if (auto *t = dynamic_cast<const TSection *>(s.get()); t && t->HasText())
                out.push_back(t);
        }
        return out;
    }
    // The run that covers a character of a section.
    static const TFontRun &runAt(const TSection &s, int pos)
    {
        const TFontRun *found = &s.Runs().front();
        for (const TFontRun &r : s.Runs()) {
            if (r.Start <= pos)
                found = &r;
        }
        return *found;
    }
    // The kinds of all sections, space-separated.
    QByteArray kinds() const
    {
        QByteArray out;
        for (const auto &s : doc->Sections())
            out += QByteArray(out.isEmpty() ? "" : " ") + s->KindName();
        return out;
    }
};
