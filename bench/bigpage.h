#pragma once

#include "webchunk.h"

#include <array>

// A page of count blocks shaped like a real user's page: sections that open with a heading and
// hold mostly paragraphs of different lengths, with pictures, links, an e-mail link and a rule
// among them, so every kind of block occurs. The texts are plain ASCII and the same on every run.
inline TWebChunkList BigPage(int count)
{
    // One section of the page, repeated: the kinds in the order a user would place them.
    static constexpr std::array<TBlockKind, 12> kSection{bkHeading, bkPara,  bkPara,  bkImage,
                                                         bkPara,    bkLink,  bkPara,  bkHeading,
                                                         bkPara,    bkImage, bkEmail, bkLine};
    static constexpr std::array<const char *, 6> kSentences{
        "Our club meets every Friday evening in the hall behind the church.",
        "New members are always welcome, and the first evening is free.",
        "Bring a friend, a flask of tea and something warm to wear.",
        "In the summer we walk along the river and take photographs of the birds.",
        "The pictures below were taken by our members on last year's outings.",
        "If you have questions, write to us or ask at the door.",
    };
    TWebChunkList chunks;
    chunks.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        TWebChunk chunk = NewWebChunk(kSection[size_t(i) % kSection.size()]);
        if (chunk.Para()) {
            // One to six sentences, sometimes split over two lines.
            QByteArray text;
            const int sentences = 1 + (i * 7) % 6;
            for (int s = 0; s < sentences; ++s) {
                if (s)
                    text += (s == 3 && i % 2) ? "\r\n" : " ";
                text += kSentences[size_t(i + s) % kSentences.size()];
            }
            chunk.Para()->Text = text;
            chunk.Para()->Align = TBlockAlign(i % 3 ? baNone : baLeft);
        } else if (chunk.Link()) {
            chunk.Link()->PreText = "See";
            chunk.Link()->URL = "http://www.example.com/page" + n + ".html";
            chunk.Link()->LinkText = "our page of outings number " + n;
            chunk.Link()->PostText = "for more pictures.";
        } else if (chunk.Image()) {
            chunk.Image()->FileName = "graphics\\photo" + n + ".jpg";
            chunk.Image()->Width = "120";
            chunk.Image()->Height = "90";
            chunk.Image()->AltText = "Photo " + n;
            chunk.Image()->Align = baCenter;
        } else if (chunk.Heading()) {
            chunk.Heading()->Size = i % 12 ? "3 (Large)" : "2 (Larger)";
            chunk.Heading()->Text = "Section " + n + ": what we did";
            chunk.Heading()->Align = i % 12 ? baNone : baCenter;
        } else if (chunk.Email()) {
            chunk.Email()->PreText = "Questions?";
            chunk.Email()->Address = "member" + n + "@example.com";
            chunk.Email()->LinkText = "Write to member " + n;
        } else if (chunk.Line()) {
            chunk.Line()->Width = "80";
            chunk.Line()->Thickness = "2 (Thinner)";
        }
        chunks.push_back(std::move(chunk));
    }
    return chunks;
}
