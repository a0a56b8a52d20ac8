#include "gui/ListBox.h"

#include "shell/Utility.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

namespace {

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

bool TextGreater(const char* a, const char* b) { return std::strcmp(a, b) > 0; } // unsigned bytes

const char* ColumnText(const ListItem& item, int col)
{
    switch (col) {
    case 0: return item.col0;
    case 1: return item.col1;
    case 2: return item.col2;
    case 3: return item.col3;
    default: return item.col4;
    }
}

char* ColumnForSetter(ListItem& item, int column)
{
    switch (column) {
    case 1: return item.col2;
    case 2: return item.col3;
    case 3: return item.col4;
    default: return nullptr;
    }
}

} // namespace

// ---------------------------------------------------------------------------
// CScroll

CScroll::CScroll() : m_range(0), m_position(0), m_pressed(0), m_page(kNoPage) {}

int CScroll::Create(plat::Device* dev)
{
    const int result = m_frame.Create(dev);
    m_frame.m_row = 0;
    m_thumb.Reset(dev);
    m_thumb.CreateFromResource(dev, kBitmapScrollThumb, 20, 5);
    m_thumb.m_relative = 1;
    m_range = 0;
    m_position = 0;
    m_pressed = 0;
    m_page = kNoPage;
    InitScreen();
    return result;
}

void CScroll::OnLostDevice()
{
    m_frame.OnLostDevice();
    m_thumb.OnLostDevice();
}

void CScroll::OnResetDevice(plat::Device* dev)
{
    m_frame.OnResetDevice(dev);
    m_thumb.OnResetDevice(dev);
}

int CScroll::ThumbCentreY() const
{
    if (m_range == 0)
        return m_y;
    return m_y + 5 + (m_frameH - 10) * m_position / m_range;
}

int CScroll::Draw(plat::Device* dev, int x, int y, int height)
{
    SetX(x);
    SetY(y);
    m_frameW = 20;
    m_frameH = height;
    const int result = m_frame.Draw(dev, x, y, 20, height);
    if (m_range != 0)
        m_thumb.DrawAt(dev, x + 10, y + 5 + (height - 10) * m_position / m_range);
    return result;
}

bool CScroll::IsMouseInside() const
{
    const int left = m_x + m_offsetX;
    const int top = m_y + m_offsetY;
    // Its own pixels only: the arrows above and below start where it ends.
    return g_pointer.x >= left && g_pointer.x < left + 20 && g_pointer.y >= top && g_pointer.y < top + m_frameH;
}

bool CScroll::OnMouseDown()
{
    m_page = kNoPage;
    m_pressed = 0;
    if (IsThumbVisible() && IsMouseInside()) {
        m_pressed = 1;
        return true;
    }
    return false;
}

bool CScroll::OnMouseUp()
{
    if (!IsThumbVisible() || !m_pressed) {
        m_pressed = 0;
        return false;
    }
    m_pressed = 0;
    if (!IsMouseInside())
        return false;
    const int thumb = ThumbCentreY() + m_offsetY;
    m_page = g_pointer.y < thumb ? kPageUp : (g_pointer.y > thumb ? kPageDown : kNoPage);
    return true;
}

// ---------------------------------------------------------------------------
// CListBox

CListBox::CListBox()
    : m_count(0), m_selected(-1), m_firstVisible(0), m_visibleRows(0), m_selectable(1), m_showCol1(0), m_showCol2(0),
      m_showCol3(0), m_showCol4(0), m_showPercent(0), m_col1X(150), m_col2X(300), m_col3X(450), m_col4X(600),
      m_percentX(750), m_numeric{0, 0, 0, 0, 0}, m_active(1), m_sortFirstRow(1), m_ascending(1), m_numbered(0),
      m_numberFirstRow(0)
{
}

CListBox::~CListBox() { Clear(); }

int CListBox::Create(plat::Device* dev)
{
    m_panel.Create(dev);
    m_arrowUp.Create(dev);
    m_arrowDown.Create(dev);

    m_normalStyle.m_weight = 400;
    m_normalStyle.SetColour(1.0f, 1.0f, 1.0f);
    m_selectedStyle.m_weight = 700;
    m_selectedStyle.SetColour(1.0f, 0.8f, 0.3f);
    m_highlightedStyle.m_weight = 700;
    m_highlightedStyle.SetColour(1.0f, 1.0f, 1.0f);
    m_disabledStyle.m_weight = 400;
    m_disabledStyle.SetColour(0.5f, 0.5f, 0.5f);
    m_normalStyle.Create(dev);
    m_selectedStyle.Create(dev);
    m_highlightedStyle.Create(dev);
    m_disabledStyle.Create(dev);

    m_scroll.Create(dev);
    m_percentBar.Create(dev);
    m_percentBar.m_relative = 1;

    m_selectable = 1;
    m_showCol1 = m_showCol2 = m_showCol3 = m_showCol4 = 0;
    m_showPercent = 0;
    m_col1X = 150;
    m_col2X = 300;
    m_col3X = 450;
    m_col4X = 600;
    m_percentX = 750;
    for (std::int32_t& n : m_numeric)
        n = 0;
    m_active = 1;
    m_sortFirstRow = 1;
    m_ascending = 1;
    m_numbered = 0;
    m_numberFirstRow = 0;
    Clear();
    InitScreen();
    return 0;
}

void CListBox::OnLostDevice()
{
    m_panel.OnLostDevice();
    m_arrowUp.OnLostDevice();
    m_arrowDown.OnLostDevice();
    m_normalStyle.OnLostDevice();
    m_selectedStyle.OnLostDevice();
    m_highlightedStyle.OnLostDevice();
    m_disabledStyle.OnLostDevice();
    m_scroll.OnLostDevice();
    m_percentBar.OnLostDevice();
}

void CListBox::OnResetDevice(plat::Device* dev)
{
    m_panel.OnResetDevice(dev);
    m_arrowUp.OnResetDevice(dev);
    m_arrowDown.OnResetDevice(dev);
    m_normalStyle.OnResetDevice(dev);
    m_selectedStyle.OnResetDevice(dev);
    m_highlightedStyle.OnResetDevice(dev);
    m_disabledStyle.OnResetDevice(dev);
    m_scroll.OnResetDevice(dev);
    m_percentBar.OnResetDevice(dev);
}

void CListBox::Clear()
{
    std::vector<ListItem>().swap(m_items);
    m_count = 0;
    m_selected = -1;
    m_firstVisible = 0;
    m_visibleRows = 0;
}

bool CListBox::AddItem(std::int32_t id, const char* key, const char* col0, const char* col1)
{
    if (!col0)
        return false;
    ListItem item{};
    item.id = id;
    CopyString(item.key, key ? key : "", kListKeyLength);
    CopyString(item.col0, col0, kListKeyLength);
    CopyString(item.col1, col1 ? col1 : "", 512);
    item.enabled = 1;
    try {
        m_items.push_back(item);
        m_count = static_cast<std::int32_t>(m_items.size());
    } catch (const std::bad_alloc&) {
        // Nothing added; the list keeps what it had.
    }
    m_firstVisible = 0;
    m_scroll.m_position = 0;
    return true;
}

void CListBox::Reserve(std::int32_t rows)
{
    try {
        m_items.reserve(std::size_t(std::max(rows, 0)));
    } catch (const std::bad_alloc&) {
        // Rows are added one by one as before.
    }
}

int CListBox::Draw(plat::Device* dev, int x, int y, int width, int height)
{
    return DrawTitled(dev, x, y, width, height, "");
}

int CListBox::DrawTitled(plat::Device* dev, int x, int y, int width, int height, const char* title)
{
    const int rowH = RowHeight();
    int h = Clamp(height, 50, 500);
    h -= h % rowH;
    const int w = Clamp(width, 50, 700);
    SetX(x);
    SetY(y);

    const int result = m_panel.DrawTitled(dev, x, y, w, h, title ? title : "");
    const int pw = m_panel.m_frameW;
    const int ph = m_panel.m_frameH;
    if (m_active) {
        m_scroll.Draw(dev, x + pw, y + m_arrowUp.m_frameH, ph - m_arrowDown.m_frameH - m_arrowUp.m_frameH);
        m_arrowUp.DrawIcon(dev, x + pw, y, kIconListUp);
        m_arrowDown.DrawIcon(dev, x + pw, y + ph - m_arrowDown.m_frameH, kIconListDown);
    }
    DrawRows(dev, x, y, w, h);
    return result;
}

void CListBox::DrawRows(plat::Device* dev, int x, int y, int w, int h)
{
    m_visibleRows = (h - 25) / RowHeight();
    if (m_visibleRows < 0)
        m_visibleRows = 0;
    ScrollTo(m_firstVisible);
    m_scroll.m_range = m_count - m_visibleRows > 0 ? m_count - m_visibleRows : 0;
    SyncScrollPosition();

    for (int i = 0; i < m_visibleRows && i < m_count; ++i) {
        const int n = m_firstVisible + i;
        if (n >= m_count)
            break;
        const ListItem& item = m_items[n];
        CTesto& style = n == m_selected ? m_selectedStyle
                        : item.highlighted ? m_highlightedStyle
                        : item.enabled     ? m_normalStyle
                                           : m_disabledStyle;
        DrawRow(dev, x, y, w, h, i, style);
    }
}

void CListBox::DrawRow(plat::Device* dev, int x, int y, int w, int /*h*/, int i, CTesto& style)
{
    const int ry = y + 25 + RowHeight() * i;
    const int n = m_firstVisible + i;
    if (n < 0 || n >= m_count)
        return;
    const ListItem& item = m_items[n];

    int col0X = x + 5;
    if (m_numbered) {
        if (n != 0 || m_numberFirstRow) {
            char number[16];
            std::snprintf(number, sizeof number, "%d.", n);
            style.Draw(dev, number, x + 5, ry, w - 20, 0);
        }
        col0X = x + 30;
    }
    // A text too wide for its column ends with "..." rather than at a bare
    // word cut, so the player sees that it goes on.
    style.DrawShortened(dev, item.col0, col0X, ry, (m_showCol1 ? m_col1X : w) - 22);

    const std::uint8_t show[4] = {m_showCol1, m_showCol2, m_showCol3, m_showCol4};
    const std::int32_t left[4] = {m_col1X, m_col2X, m_col3X, m_col4X};
    for (int c = 0; c < 4; ++c) {
        if (!show[c])
            continue;
        const int right = (c < 3 && show[c + 1]) ? left[c + 1] : w;
        style.DrawShortened(dev, ColumnText(item, c + 1), x + left[c] + 5, ry, right - left[c] - 22);
    }
    if (m_showPercent)
        m_percentBar.Draw(dev, x + m_percentX + 5, ry, item.percent);
}

bool CListBox::OnMouseDown()
{
    if (m_active) {
        m_arrowUp.OnMouseDown();
        m_arrowDown.OnMouseDown();
        m_scroll.OnMouseDown();
    }
    return false;
}

int CListBox::LastFirstVisible() const { return m_count - m_visibleRows > 0 ? m_count - m_visibleRows : 0; }

// Up stops at the top row; down stops where the last rows fill the list.
void CListBox::MoveBy(int rows)
{
    const int next = m_firstVisible + rows;
    if (rows < 0)
        m_firstVisible = next > 0 ? next : 0;
    else
        m_firstVisible = next < LastFirstVisible() ? next : LastFirstVisible();
}

void CListBox::SyncScrollPosition() { m_scroll.m_position = Clamp(m_firstVisible, 0, m_scroll.m_range); }

int CListBox::OnMouseUp()
{
    int code = kNothing;
    if (m_active) {
        if (m_arrowUp.OnMouseUp()) {
            MoveBy(-1);
            code = kArrowUp;
        }
        if (m_arrowDown.OnMouseUp()) {
            MoveBy(1);
            code = kArrowDown;
        }
        if (m_scroll.OnMouseUp()) {
            if (m_scroll.m_page == CScroll::kPageUp) {
                MoveBy(-m_visibleRows);
                code = kPage;
            } else if (m_scroll.m_page == CScroll::kPageDown) {
                MoveBy(m_visibleRows);
                code = kPage;
            }
        }
    }
    SyncScrollPosition();
    if (code != kNothing || !m_selectable || !IsMouseOverRows())
        return code;

    const int r = m_firstVisible + (g_pointer.y - m_offsetY - m_y - 25) / RowHeight();
    if (r >= 0 && r < m_count && m_items[r].enabled != 0)
        m_selected = r;
    return kRows;
}

void CListBox::ScrollDown()
{
    if (!m_active || !IsMouseOverRows())
        return;
    MoveBy(1);
    SyncScrollPosition();
}

void CListBox::ScrollUp()
{
    if (!m_active || !IsMouseOverRows())
        return;
    MoveBy(-1);
    SyncScrollPosition();
}

void CListBox::ScrollTo(std::int32_t index)
{
    if (index < m_count - m_visibleRows) // index + visible rows < count, without overflow
        m_firstVisible = index;
    else
        m_firstVisible = LastFirstVisible();
    // A negative index would make the top row read before the first item.
    if (m_firstVisible < 0)
        m_firstVisible = 0;
}

bool CListBox::IsMouseOverRows() const
{
    const int left = m_x + m_offsetX;
    const int top = m_y + m_offsetY;
    return g_pointer.x >= left && g_pointer.x <= left + m_panel.m_frameW && g_pointer.y >= top + 25 &&
           g_pointer.y <= top + m_panel.m_frameH;
}

// ---------------------------------------------------------------------------
// Finding and selecting

ListItem* CListBox::FindById(std::int32_t id)
{
    for (ListItem& item : m_items)
        if (item.id == id)
            return &item;
    return nullptr;
}

ListItem* CListBox::FindByKey(const char* key)
{
    if (!key)
        return nullptr;
    for (ListItem& item : m_items)
        if (std::strcmp(item.key, key) == 0)
            return &item;
    return nullptr;
}

ListItem* CListBox::GetItem(std::int32_t index)
{
    if (index < 0 || index >= m_count)
        return nullptr;
    return &m_items[index];
}

const ListItem* CListBox::Selected() const
{
    if (m_selected < 0 || m_selected >= m_count)
        return nullptr;
    return &m_items[m_selected];
}

std::int32_t CListBox::GetSelectedIndex() const { return Selected() ? m_selected : -1; }

std::int32_t CListBox::GetSelectedId() const { return Selected() ? Selected()->id : -1; }

const char* CListBox::GetSelectedKey() const { return Selected() ? Selected()->key : nullptr; }

const char* CListBox::GetSelectedCol0() const { return Selected() ? Selected()->col0 : nullptr; }

const char* CListBox::GetSelectedCol1() const { return Selected() ? Selected()->col1 : nullptr; }

const char* CListBox::GetSelectedNote() const { return Selected() ? Selected()->note : nullptr; }

bool CListBox::SelectFirst(bool scroll)
{
    for (int i = 0; i < m_count; ++i) {
        if (m_items[i].enabled == 1) {
            m_selected = i;
            if (scroll)
                ScrollTo(i);
            return true;
        }
    }
    m_selected = -1;
    return false;
}

bool CListBox::SelectFound(const ListItem* item, bool scroll)
{
    if (!item || item->enabled != 1)
        return false;
    m_selected = static_cast<std::int32_t>(item - m_items.data());
    if (scroll)
        ScrollTo(m_selected);
    return true;
}

bool CListBox::SelectById(std::int32_t id, bool scroll) { return SelectFound(FindById(id), scroll); }

bool CListBox::SelectByKey(const char* key, bool scroll) { return SelectFound(FindByKey(key), scroll); }

// ---------------------------------------------------------------------------
// Row data

template <class Match, class Apply> void CListBox::ForEachMatch(Match match, Apply apply)
{
    for (ListItem& item : m_items)
        if (match(item))
            apply(item);
}

namespace {

auto ById(std::int32_t id)
{
    return [id](const ListItem& item) { return item.id == id; };
}

auto ByKey(const char* key)
{
    return [key](const ListItem& item) { return key && std::strcmp(item.key, key) == 0; };
}

auto WriteNote(const char* text)
{
    return [text](ListItem& item) { CopyString(item.note, text ? text : "", 512); };
}

auto WriteColumn(int column, const char* text)
{
    return [column, text](ListItem& item) {
        if (char* dest = ColumnForSetter(item, column))
            CopyString(dest, text ? text : "", 96);
    };
}

} // namespace

void CListBox::SetNote(std::int32_t index, const char* text)
{
    if (ListItem* item = GetItem(index))
        WriteNote(text)(*item);
}

void CListBox::SetNoteById(std::int32_t id, const char* text) { ForEachMatch(ById(id), WriteNote(text)); }

void CListBox::SetNoteByKey(const char* key, const char* text) { ForEachMatch(ByKey(key), WriteNote(text)); }

void CListBox::SetColumn(std::int32_t index, int column, const char* text)
{
    if (ListItem* item = GetItem(index))
        WriteColumn(column, text)(*item);
}

void CListBox::SetColumnById(std::int32_t id, int column, const char* text)
{
    ForEachMatch(ById(id), WriteColumn(column, text));
}

void CListBox::SetColumnByKey(const char* key, int column, const char* text)
{
    ForEachMatch(ByKey(key), WriteColumn(column, text));
}

void CListBox::SetPercentById(std::int32_t id, std::int32_t percent)
{
    ForEachMatch(ById(id), [percent](ListItem& item) { item.percent = percent; });
}

void CListBox::SetPercentByKey(const char* key, std::int32_t percent)
{
    ForEachMatch(ByKey(key), [percent](ListItem& item) { item.percent = percent; });
}

void CListBox::SetHighlightedById(std::int32_t id, std::uint8_t flag)
{
    ForEachMatch(ById(id), [flag](ListItem& item) { item.highlighted = flag; });
}

void CListBox::SetHighlightedByKey(const char* key, std::uint8_t flag)
{
    ForEachMatch(ByKey(key), [flag](ListItem& item) { item.highlighted = flag; });
}

void CListBox::SetEnabledById(std::int32_t id, std::uint8_t flag)
{
    ForEachMatch(ById(id), [flag](ListItem& item) { item.enabled = flag; });
}

void CListBox::SetEnabledByKey(const char* key, std::uint8_t flag)
{
    ForEachMatch(ByKey(key), [flag](ListItem& item) { item.enabled = flag; });
}

void CListBox::SetAllEnabled(std::uint8_t flag)
{
    for (ListItem& item : m_items)
        item.enabled = flag;
}

// ---------------------------------------------------------------------------
// Sorting

bool CListBox::Greater(const ListItem& a, const ListItem& b, int column) const
{
    switch (column) {
    case kById: return a.id > b.id;
    case kByKey: return TextGreater(a.key, b.key);
    case kByCol0:
    case kByCol1:
    case kByCol2:
    case kByCol3:
    case kByCol4: {
        const int c = column - kByCol0;
        const char* ta = ColumnText(a, c);
        const char* tb = ColumnText(b, c);
        if (m_numeric[c] == 1)
            return TextToInt(ta) > TextToInt(tb);
        return TextGreater(ta, tb);
    }
    default: return false;
    }
}

void CListBox::Sort(int column)
{
    if (m_count < 2)
        return;
    const bool ascending = m_ascending != 0;
    // A list whose first row is a header keeps it on top.
    const int start = m_sortFirstRow == 0 ? 1 : 0;
    if (m_count - start < 2)
        return;
    // The order is that of the list's exchange sort. Rows are sorted as
    // indices and moved once, and when no two rows tie every sort gives
    // that order, so the n log n sort is enough; rows that tie are placed
    // as the exchange sort places them, by running it on the indices.
    std::vector<int> order;
    for (int i = start; i < m_count; ++i)
        order.push_back(i);
    auto before = [&](int a, int b) {
        return ascending ? Greater(m_items[std::size_t(b)], m_items[std::size_t(a)], column)
                         : Greater(m_items[std::size_t(a)], m_items[std::size_t(b)], column);
    };
    std::sort(order.begin(), order.end(), before);
    bool ties = false;
    for (std::size_t i = 1; i < order.size() && !ties; ++i)
        ties = !before(order[i - 1], order[i]);
    if (ties) {
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = start + int(i);
        for (std::size_t i = 0; i + 1 < order.size(); ++i)
            for (std::size_t j = i; j < order.size(); ++j)
                if (Greater(m_items[std::size_t(order[i])], m_items[std::size_t(order[j])], column) == ascending)
                    std::swap(order[i], order[j]);
    }
    std::vector<ListItem> sorted;
    sorted.reserve(m_items.size());
    sorted.insert(sorted.end(), m_items.begin(), m_items.begin() + start);
    for (int i : order)
        sorted.push_back(m_items[std::size_t(i)]);
    m_items.swap(sorted);
}
