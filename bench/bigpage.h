#pragma once

#include "webchunk.h"

// A page of count blocks cycling through every kind, with texts of the lengths a real page has.
inline TWebChunkList BigPage(int count)
{
    TWebChunkList chunks;
    chunks.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        TWebChunk chunk = NewWebChunk(TBlockKind(i % kBlockKindCount));
        if (chunk.Para) {
            chunk.Para->Text =
                "Paragraph " + n + " tells the visitor about our club.\r\nIt meets on Fridays.";
            chunk.Para->Align = TBlockAlign(i % 4);
        } else if (chunk.Link) {
            chunk.Link->PreText = "See";
            chunk.Link->URL = "http://www.example.com/page" + n + ".html";
            chunk.Link->LinkText = "page " + n;
        } else if (chunk.Image) {
            chunk.Image->FileName = "graphics\\photo" + n + ".jpg";
            chunk.Image->Width = "120";
            chunk.Image->AltText = "Photo " + n;
        } else if (chunk.Heading) {
            chunk.Heading->Text = "Section " + n;
        } else if (chunk.Email) {
            chunk.Email->Address = "member" + n + "@example.com";
            chunk.Email->LinkText = "Write to member " + n;
        } else if (chunk.Line) {
            chunk.Line->Width = "80";
        }
        chunks.push_back(std::move(chunk));
    }
    return chunks;
}
