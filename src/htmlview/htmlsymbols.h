#pragma once

#include <cstdint>

// Token and attribute symbols of the HTML reader.
//
// Tags: a start tag is its table index + 1; the first 43 tags (those with an end form) have an
// end symbol of index + 101. Everything else is one of the symbols from 200 on.
namespace HtmlSym {
enum : int {
    Html = 1,
    Title,
    Body,
    Head,
    B,
    I,
    H,
    Em,
    Strong,
    U,
    Cite,
    Var,
    Tt,
    Code,
    Kbd,
    Samp,
    Ol,
    Ul,
    Dir,
    Menu,
    Dl,
    A,
    Address,
    BlockQuote,
    Pre,
    Center,
    Table,
    Td,
    Th,
    Caption,
    Form,
    TextArea,
    Select,
    Option,
    Font,
    Sub,
    Sup,
    Big,
    Small,
    P,
    Map,
    FrameSet,
    NoFrames,
    // start form only
    Li,
    Br,
    Hr,
    Dd,
    Dt,
    Img,
    Base,
    Tr,
    Button,
    Input,
    Selected,
    BaseFont,
    Area,
    Frame,
    Page,

    EndOffset = 100,
    Unknown = 200, // an unrecognised tag (or the end form of a tag without one)
    Text,          // a run of text, or the result of an entity
    OneChar,       // a character that can neither start nor continue text
    Eof,
    Eol, // a line end, while reading preformatted text
};
constexpr int kTagCount = 58;
constexpr int kTagsWithEnd = 43;
constexpr int End(int startSym)
{
    return startSym + EndOffset;
}
} // namespace HtmlSym

namespace HtmlAttr {
enum : uint8_t {
    Unknown = 0,
    Href,
    Name,
    Src,
    Alt,
    Align,
    Text,
    BgColor,
    Link,
    Background,
    ColSpan,
    RowSpan,
    Border,
    CellPadding,
    CellSpacing,
    VAlign,
    Width,
    Start,
    Value,
    Type,
    CheckBox,
    Radio,
    Method,
    Action,
    Checked,
    Size,
    MaxLength,
    Cols,
    Rows,
    Multiple,
    Selected,
    Face,
    Color,
    Transp,
    Clear,
    IsMap,
    BorderColor,
    UseMap,
    Shape,
    Coords,
    NoHref,
    Height,
    Plain,
    Target,
    NoResize,
    Scrolling,
    HSpace,
};
} // namespace HtmlAttr
