#pragma once

#include "webchunk.h"

// A page with every kind of block and the awkward texts a beginner types: line breaks, quotes,
// angle brackets, characters above 127 and empty fields.
inline TWebChunkList SamplePage()
{
    TWebChunkList chunks;
    chunks.push_back(MakeWebChunk(TBlockHeading{"2 (Larger)", "Welcome to Caf\xe9 \"Zorvin\"", baCenter, 1}));
    chunks.push_back(
        MakeWebChunk(TBlockPara{"First line\r\nSecond <I>line</I>\r\n\r\nLast \x80 line", baNone, 1}));
    chunks.push_back(
        MakeWebChunk(TBlockLink{"Visit", "http://www.example.com/", "our friends", "today.", baLeft, 0}));
    chunks.push_back(
        MakeWebChunk(TBlockImage{"graphics\\dog.gif", "120", "", "Our dog", "http://", baCenter, 1}));
    chunks.push_back(MakeWebChunk(TBlockLine{"75", "3 (Thin)"}));
    chunks.push_back(
        MakeWebChunk(TBlockEmail{"Questions?", "mail@example.com", "Write to us", "", baRight, 1}));
    chunks.push_back(MakeWebChunk(TBlockImage{"graphics\\cat.jpg", "", "80", "", "other.html", baRight, 0}));
    chunks.push_back(MakeWebChunk(TBlockPara{"The end.", baRight, 0}));
    chunks.push_back(NewWebChunk(bkLine));
    return chunks;
}
