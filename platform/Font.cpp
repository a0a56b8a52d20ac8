#include "platform/Font.h"

#include "platform/DeviceInternal.h"
#include "platform/Files.h"
#include "platform/Locale.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>

namespace plat {

// One laid-out line: its text in UTF-8 and its width in pixels.
struct LaidLine {
    std::string text;
    int width = 0;
};
using Layout = std::vector<LaidLine>;

struct FontFace {
    TTF_Font* font = nullptr;
    std::string path;
    std::string key; // identifies the face in the line cache
    int lineHeight = 0;
    // Texts already broken into lines, keyed by how they were laid out, so
    // that a text drawn every frame is measured once.
    LruCache<Layout> layouts{256};
    // Widths of texts measured, for the same reason: a screen that decides
    // a face or a cut by measuring does it every frame.
    LruCache<int> widths{256};
    ~FontFace()
    {
        if (font && TTF_WasInit())
            TTF_CloseFont(font);
    }
};

namespace {

std::string AskFontconfig(const char* face, int weight, int* matchedWeight)
{
    if (!FcInit())
        return "";
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(face && *face ? face : "sans-serif"));
    if (!pat)
        return "";
    FcPatternAddInteger(pat, FC_WEIGHT, FcWeightFromOpenType(std::clamp(weight > 0 ? weight : 400, 1, 1000)));
    FcPatternAddInteger(pat, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult res;
    FcPattern* match = FcFontMatch(nullptr, pat, &res);
    std::string file;
    if (match) {
        FcChar8* f = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &f) == FcResultMatch && f)
            file = reinterpret_cast<const char*>(f);
        int w = FC_WEIGHT_REGULAR;
        FcPatternGetInteger(match, FC_WEIGHT, 0, &w);
        if (matchedWeight)
            *matchedWeight = w;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return file;
}

// The file fontconfig gives for a name and weight, asked once: screens make
// the same few fonts over and over.
std::string MatchFile(const char* face, int weight, int* matchedWeight)
{
    struct Match {
        std::string file;
        int weight = FC_WEIGHT_REGULAR;
    };
    static std::map<std::string, Match> matches;
    const std::string key = std::string(face ? face : "") + "|" + std::to_string(weight);
    auto it = matches.find(key);
    if (it == matches.end()) {
        Match m;
        m.file = AskFontconfig(face, weight, &m.weight);
        it = matches.emplace(key, std::move(m)).first;
    }
    if (matchedWeight)
        *matchedWeight = it->second.weight;
    return it->second.file;
}

// Faces are shared by every font of the same file, cell height and boldness.
std::map<std::string, std::weak_ptr<FontFace>>& Faces()
{
    static std::map<std::string, std::weak_ptr<FontFace>> faces;
    return faces;
}

std::shared_ptr<FontFace> OpenFace(const std::string& path, int cellHeight, bool syntheticBold)
{
    std::string key = path + "|" + std::to_string(cellHeight) + (syntheticBold ? "|b" : "|r");
    auto& faces = Faces();
    if (auto f = faces[key].lock())
        return f;
    TTF_Font* font = TTF_OpenFont(path.c_str(), std::max(1, cellHeight));
    if (!font)
        return nullptr;
    // The largest size whose line height does not exceed the cell height.
    int size = std::max(1, cellHeight);
    while (size > 1 && TTF_FontHeight(font) > cellHeight) {
        --size;
        TTF_SetFontSize(font, size);
    }
    if (syntheticBold)
        TTF_SetFontStyle(font, TTF_STYLE_BOLD);
    TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
    auto face = std::make_shared<FontFace>();
    face->font = font;
    face->path = path;
    face->key = key;
    face->lineHeight = TTF_FontHeight(font);
    faces[key] = face;
    return face;
}

// The faces have no glyph for a tab and would draw a missing-glyph box: a
// tab in a text shows as the gap of a space.
std::string Untabbed(std::string utf8)
{
    for (char& ch : utf8)
        if (ch == '\t')
            ch = ' ';
    return utf8;
}

int Width(TTF_Font* font, const std::string& utf8)
{
    if (utf8.empty())
        return 0;
    int w = 0, h = 0;
    TTF_SizeUTF8(font, utf8.c_str(), &w, &h);
    return w;
}

// Greedy word wrap of one paragraph: spaces separate words; a word wider
// than the box stands on its own line (and is clipped).
void Wrap(TTF_Font* font, const std::string& para, int maxWidth, Layout& out)
{
    std::size_t pos = 0;
    std::string current;
    while (pos <= para.size()) {
        std::size_t next = para.find(' ', pos);
        if (next == std::string::npos)
            next = para.size();
        std::string word = para.substr(pos, next - pos);
        std::string candidate = current.empty() ? word : current + " " + word;
        if (current.empty() || Width(font, candidate) <= maxWidth) {
            current = candidate;
        } else {
            out.push_back({current, Width(font, current)});
            current = word;
        }
        pos = next + 1;
    }
    out.push_back({current, Width(font, current)});
}

// Breaks a text into lines: one line for a single-line draw (line breaks
// become spaces), else one per line break, each wrapped in maxWidth when
// wrapping.
Layout LayOut(TTF_Font* font, const std::string& utf8, bool single, bool wrap, int maxWidth)
{
    Layout lines;
    if (single) {
        std::string one;
        for (char ch : utf8)
            if (ch != '\r')
                one += ch == '\n' ? ' ' : ch;
        lines.push_back({one, Width(font, one)});
        return lines;
    }
    std::size_t pos = 0;
    while (pos <= utf8.size()) {
        std::size_t nl = utf8.find('\n', pos);
        if (nl == std::string::npos)
            nl = utf8.size();
        std::string para = utf8.substr(pos, nl - pos);
        if (!para.empty() && para.back() == '\r')
            para.pop_back();
        if (wrap)
            Wrap(font, para, maxWidth, lines);
        else
            lines.push_back({para, Width(font, para)});
        pos = nl + 1;
    }
    return lines;
}

// The text broken into lines as the face lays it out, kept by how it was
// laid out: drawing and measuring share one layout.
const Layout& CachedLayout(FontFace& face, const std::string& raw, bool single, bool wrap, int width)
{
    const int w = std::max(0, width);
    std::string key = single ? "s" : wrap ? "w" : "n";
    if (wrap)
        key += std::to_string(w);
    key += '\x1f';
    key += raw;
    if (const Layout* known = face.layouts.Find(key))
        return *known;
    return *face.layouts.Insert(key, LayOut(face.font, Untabbed(Cp1252ToUtf8(raw)), single, wrap, w));
}

} // namespace

std::unique_ptr<Font> Device::CreateFont(const char* face, int height, int width, int weight, int* status)
{
    (void)width; // the faces we use have one width
    int dummy = kOk;
    int& st = status ? *status : dummy;
    if (TakeFailure(CreationKind::Font, &st))
        return nullptr;
    if (height <= 0) {
        st = kInvalidCall;
        return nullptr;
    }
    int matched = FC_WEIGHT_REGULAR;
    std::string file = MatchFile(face, weight, &matched);
    if (file.empty() || !IsRegularFile(file))
        file = MatchFile("DejaVu Sans", weight, &matched);
    if (file.empty() || !IsRegularFile(file)) {
        st = kNotAvailable;
        return nullptr;
    }
    bool synthetic = weight >= 600 && matched < FC_WEIGHT_DEMIBOLD;
    auto f = OpenFace(file, height, synthetic);
    if (!f) {
        st = kInvalidData;
        return nullptr;
    }
    std::unique_ptr<Font> font(new Font);
    font->m_device = DeviceLink(this);
    font->m_face = std::move(f);
    font->m_cellHeight = height;
    st = kOk;
    return font;
}

Font::~Font() = default;

int Font::LineHeight() const
{
    return m_face ? m_face->lineHeight : 0;
}

const std::string& Font::FacePath() const
{
    static const std::string none;
    return m_face ? m_face->path : none;
}

int Font::MeasureWidth(const char* text, int count) const
{
    if (!text || !m_face)
        return 0;
    std::string s = count < 0 ? std::string(text) : std::string(text, std::size_t(count));
    if (const int* known = m_face->widths.Find(s))
        return *known;
    return *m_face->widths.Insert(s, Width(m_face->font, Untabbed(Cp1252ToUtf8(s))));
}

int Font::MeasureWrappedHeight(const char* text, int width) const
{
    if (!text || !m_face)
        return 0;
    return int(CachedLayout(*m_face, text, false, true, width).size()) * m_cellHeight;
}

// Renders one line white on transparent into the device's line cache.
const CachedLine* Font::RenderLine(const std::string& utf8, const std::string& key)
{
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(m_face->font, utf8.c_str(), SDL_Color{255, 255, 255, 255});
    if (!rendered)
        return nullptr;
    SDL_Surface* s = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!s)
        return nullptr;
    Device* device = m_device.Get(); // DrawText made sure the device is there
    RendererCore* core = device->Core();
    SDL_Texture* t = CreatePictureTexture(*core, s->pixels, s->w, s->h, s->pitch);
    const int w = s->w, h = s->h;
    SDL_FreeSurface(s);
    if (!t)
        return nullptr;
    CachedLine line;
    line.texture.reset(new Texture);
    line.texture->m_texture = t;
    line.texture->m_core = device->CoreShared();
    line.texture->m_width = line.width = w;
    line.texture->m_height = line.height = h;
    return core->lines.Insert(key, std::move(line));
}

int Font::DrawText(const char* text, int count, const Rect& rect, unsigned format, Argb colour, float depth)
{
    Device* device = m_device.Get();
    if (!text || !m_face || !device)
        return 0;
    const bool noClip = format & kTextNoClip;
    const bool single = format & kTextSingleLine;
    const bool wrap = (format & kTextWordBreak) && !single;
    const std::string raw = count < 0 ? std::string(text) : std::string(text, std::size_t(std::max(count, 0)));
    const Layout& lines = CachedLayout(*m_face, raw, single, wrap, rect.Width());
    const int cell = m_cellHeight;
    const int total = int(lines.size()) * cell;

    int y = rect.top;
    if (single && (format & kTextVCentre))
        y = rect.top + (rect.Height() - cell) / 2;
    else if (single && (format & kTextBottom))
        y = rect.bottom - cell;

    RendererCore* core = device->Core();
    for (const LaidLine& line : lines) {
        // Lines wholly outside a clipped box are never seen: not rendered.
        const bool hidden = !noClip && (y >= rect.bottom || y + cell <= rect.top);
        if (!line.text.empty() && !hidden) {
            int x = rect.left;
            if (noClip) {
                if (format & kTextCentre)
                    x = rect.left - line.width / 2;
                else if (format & kTextRight)
                    x = rect.left - line.width;
            } else if (format & kTextCentre) {
                x = rect.left + (rect.Width() - line.width) / 2;
            } else if (format & kTextRight) {
                x = rect.right - line.width;
            }
            const std::string key = m_face->key + '\x1f' + line.text;
            const CachedLine* cached = core->lines.Find(key);
            if (!cached)
                cached = RenderLine(line.text, key);
            if (cached) {
                DrawCommand cmd;
                cmd.kind = DrawCommand::Kind::Texture;
                cmd.depth = depth;
                cmd.keep = cached->texture;
                cmd.texture = static_cast<SDL_Texture*>(cached->texture->m_texture);
                cmd.textureSerial = cached->texture->m_serial;
                cmd.colour = colour;
                cmd.src = {0, 0, cached->width, cached->height};
                cmd.dst = {float(x), float(y), float(cached->width), float(cached->height)};
                if (!noClip) {
                    cmd.clip = true;
                    cmd.clipRect = {rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height())};
                }
                device->Submit(std::move(cmd));
            }
        }
        y += cell;
    }
    return total;
}

} // namespace plat
