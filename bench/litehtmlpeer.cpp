#include "litehtmlpeer.h"

#include <QFont>
#include <QFontMetrics>

#include <litehtml.h>

#include <deque>

namespace {

// A small default stylesheet: just enough block and list structure for the tags our pages
// use, so litehtml does comparable work without its full master stylesheet.
const char *const kDefaultCss = R"css(
html, address, blockquote, body, dd, div, dl, dt, form, h1, h2, h3, h4, h5, h6, hr, ol, p, pre,
table, ul, center, li, caption { display: block; }
head, script, style, title, map, area { display: none; }
body { margin: 8px; font-family: Liberation Serif; font-size: 16px; }
p, dl, pre, blockquote, ul, ol { margin-top: 1em; margin-bottom: 1em; }
h1 { font-size: 2em; font-weight: bold; margin: .67em 0; }
h2 { font-size: 1.5em; font-weight: bold; margin: .83em 0; }
h3 { font-size: 1.17em; font-weight: bold; margin: 1em 0; }
h4, h5, h6 { font-weight: bold; margin: 1.33em 0; }
b, strong, th { font-weight: bold; }
i, em, cite, var, address { font-style: italic; }
u, a { text-decoration: underline; }
a { color: #0000FF; }
pre, tt, code, kbd, samp { font-family: Liberation Mono; }
pre { white-space: pre; }
center { text-align: center; }
ul, ol { padding-left: 40px; }
li { display: list-item; }
ul { list-style-type: disc; }
ol { list-style-type: decimal; }
dd { margin-left: 40px; }
hr { border: 1px inset; margin: .5em auto; }
table { display: table; border-spacing: 2px; }
tr { display: table-row; }
td, th { display: table-cell; padding: 1px; }
caption { display: table-caption; text-align: center; }
img { display: inline-block; }
br { display: block; }
)css";

} // namespace

class LitehtmlPeer::Container final : public litehtml::document_container {
public:
    Container() { m_context.load_master_stylesheet(kDefaultCss); }

    litehtml::document::ptr document;
    litehtml::context m_context;

    litehtml::uint_ptr create_font(const litehtml::tchar_t *faceName, int size, int weight,
                                   litehtml::font_style italic, unsigned int decoration,
                                   litehtml::font_metrics *fm) override
    {
        QFont font(
            QString::fromUtf8(faceName).section(QLatin1Char(','), 0, 0).trimmed().remove(QLatin1Char('"')));
        font.setPixelSize(qMax(1, size));
        font.setBold(weight >= 600);
        font.setItalic(italic == litehtml::fontStyleItalic);
        font.setUnderline(decoration & litehtml::font_decoration_underline);
        m_fonts.emplace_back(font);
        const QFontMetrics &metrics = m_fonts.back();
        if (fm) {
            fm->ascent = metrics.ascent();
            fm->descent = metrics.descent();
            fm->height = metrics.height();
            fm->x_height = metrics.xHeight();
            fm->draw_spaces = decoration != 0;
        }
        return reinterpret_cast<litehtml::uint_ptr>(&m_fonts.back());
    }
    void delete_font(litehtml::uint_ptr) override {}
    int text_width(const litehtml::tchar_t *text, litehtml::uint_ptr hFont) override
    {
        return reinterpret_cast<QFontMetrics *>(hFont)->horizontalAdvance(QString::fromUtf8(text));
    }
    void draw_text(litehtml::uint_ptr, const litehtml::tchar_t *, litehtml::uint_ptr, litehtml::web_color,
                   const litehtml::position &) override
    {
    }
    int pt_to_px(int pt) const override { return pt * 96 / 72; }
    int get_default_font_size() const override { return 16; }
    const litehtml::tchar_t *get_default_font_name() const override { return "Liberation Serif"; }
    void draw_list_marker(litehtml::uint_ptr, const litehtml::list_marker &) override {}
    void load_image(const litehtml::tchar_t *, const litehtml::tchar_t *, bool) override {}
    // Images are not read by either side of the comparison; both lay them out at a fixed size.
    void get_image_size(const litehtml::tchar_t *, const litehtml::tchar_t *, litehtml::size &sz) override
    {
        sz.width = 32;
        sz.height = 32;
    }
    void draw_background(litehtml::uint_ptr, const litehtml::background_paint &) override {}
    void draw_borders(litehtml::uint_ptr, const litehtml::borders &, const litehtml::position &,
                      bool) override
    {
    }
    void set_caption(const litehtml::tchar_t *) override {}
    void set_base_url(const litehtml::tchar_t *) override {}
    void link(const std::shared_ptr<litehtml::document> &, const litehtml::element::ptr &) override {}
    void on_anchor_click(const litehtml::tchar_t *, const litehtml::element::ptr &) override {}
    void set_cursor(const litehtml::tchar_t *) override {}
    void transform_text(litehtml::tstring &, litehtml::text_transform) override {}
    void import_css(litehtml::tstring &, const litehtml::tstring &, litehtml::tstring &) override {}
    void set_clip(const litehtml::position &, const litehtml::border_radiuses &, bool, bool) override {}
    void del_clip() override {}
    void get_client_rect(litehtml::position &client) const override
    {
        client.x = 0;
        client.y = 0;
        client.width = m_width;
        client.height = 600;
    }
    std::shared_ptr<litehtml::element> create_element(const litehtml::tchar_t *, const litehtml::string_map &,
                                                      const std::shared_ptr<litehtml::document> &) override
    {
        return nullptr;
    }
    void get_media_features(litehtml::media_features &media) const override
    {
        media.type = litehtml::media_type_screen;
        media.width = media.device_width = m_width;
        media.height = media.device_height = 600;
        media.color = 8;
        media.resolution = 96;
    }
    void get_language(litehtml::tstring &language, litehtml::tstring &culture) const override
    {
        language = "en";
        culture.clear();
    }

    int m_width = 800;

private:
    // QFontMetrics objects are handed out by address, so they live in a deque that never moves them.
    std::deque<QFontMetrics> m_fonts;
};

LitehtmlPeer::LitehtmlPeer() : m_container(std::make_unique<Container>()) {}
LitehtmlPeer::~LitehtmlPeer() = default;

int LitehtmlPeer::load(const QByteArray &utf8Page, int width)
{
    m_container->m_width = width;
    m_container->document = litehtml::document::createFromString(utf8Page.constData(), m_container.get(),
                                                                 &m_container->m_context);
    m_container->document->render(width);
    return m_container->document->height();
}

int LitehtmlPeer::relayout(int width)
{
    if (!m_container->document)
        return 0;
    m_container->m_width = width;
    m_container->document->render(width);
    return m_container->document->height();
}

void LitehtmlPeer::clear()
{
    m_container->document.reset();
}
