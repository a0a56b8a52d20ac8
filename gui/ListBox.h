#pragma once
// CListBox: the scrolling multi-column list (catalogues, catches, records,
// standings). Its rows are ListItem records the owning screen fills; a single
// selection of enabled rows, optional row numbers, sorting by any column as
// text or as a number, paging with two arrow buttons and a CScroll bar, and
// wheel scrolling.
//
// CScroll: the vertical bar beside the list: a framed track with a thumb that
// shows the position; a click above or below the thumb asks for a page.
#include "gui/Finestra.h"
#include "gui/Pulsante.h"
#include "gui/Testo.h"
#include "shell/Bordo.h"
#include "shell/Sprite.h"

#include <cstdint>
#include <vector>

constexpr std::uint32_t kBitmapScrollThumb = 159;

constexpr int kListKeyLength = 132;

struct ListItem {
    std::int32_t id;
    // Catalogue ids and names reach 128 characters and a configuration's
    // file name 132; rows are found again by key, so neither may be cut.
    char key[kListKeyLength + 1];
    char col0[kListKeyLength + 1];
    char col1[513];
    char col2[97];
    char col3[97];
    char col4[97];
    char note[513];
    std::int32_t percent;
    std::uint8_t highlighted;
    std::uint8_t enabled;
};

class CScroll : public COggetto {
public:
    enum Page : std::uint32_t { kNoPage = 0, kPageUp = 1, kPageDown = 2 };

    CScroll();
    CScroll(const CScroll&) = delete;
    CScroll& operator=(const CScroll&) = delete;

    int Create(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    // x, y in layout coordinates; the bar is 20 wide and height long.
    int Draw(plat::Device* dev, int x, int y, int height);
    bool OnMouseDown();
    // True for a click on the bar; m_page tells the direction.
    bool OnMouseUp();

    bool IsThumbVisible() const { return m_range != 0 && m_thumb.m_visible; }
    bool IsMouseInside() const;
    int ThumbCentreY() const; // layout coordinates, offset not added

    // Fields, in order.
    CBordo m_frame;
    CSprite m_thumb;
    std::int32_t m_range;
    std::int32_t m_position;
    std::uint8_t m_pressed;
    std::uint32_t m_page;
};

class CListBox : public COggetto {
public:
    // What a release did.
    enum Click : int { kNothing = 0, kRows = 1, kArrowUp = 2, kArrowDown = 3, kPage = 4 };
    // Sort columns.
    enum Column : int { kById = 0, kByKey = 1, kByCol0 = 2, kByCol1 = 3, kByCol2 = 4, kByCol3 = 5, kByCol4 = 6 };

    CListBox();
    ~CListBox() override;
    CListBox(const CListBox&) = delete;
    CListBox& operator=(const CListBox&) = delete;

    int Create(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    void Clear();
    bool AddItem(std::int32_t id, const char* key, const char* col0, const char* col1);
    // Room for that many rows in all, so filling a long list moves none.
    void Reserve(std::int32_t rows);

    int DrawTitled(plat::Device* dev, int x, int y, int width, int height, const char* title);
    int Draw(plat::Device* dev, int x, int y, int width, int height);
    void DrawRows(plat::Device* dev, int x, int y, int w, int h);
    void DrawRow(plat::Device* dev, int x, int y, int w, int h, int i, CTesto& style);

    bool OnMouseDown();
    int OnMouseUp();
    void ScrollDown();
    void ScrollUp();
    void ScrollTo(std::int32_t index);
    bool IsMouseOverRows() const;

    ListItem* FindById(std::int32_t id);
    ListItem* FindByKey(const char* key);
    ListItem* GetItem(std::int32_t index);
    std::int32_t GetCount() const { return m_count; }

    std::int32_t GetSelectedIndex() const;
    std::int32_t GetSelectedId() const;
    const char* GetSelectedKey() const;
    const char* GetSelectedCol0() const;
    const char* GetSelectedCol1() const;
    const char* GetSelectedNote() const;

    bool SelectFirst(bool scroll);
    bool SelectById(std::int32_t id, bool scroll);
    bool SelectByKey(const char* key, bool scroll);

    void SetNote(std::int32_t index, const char* text);
    void SetNoteById(std::int32_t id, const char* text);
    void SetNoteByKey(const char* key, const char* text);
    // Column 1 -> col2, 2 -> col3, 3 -> col4; any other number changes nothing.
    void SetColumn(std::int32_t index, int column, const char* text);
    void SetColumnById(std::int32_t id, int column, const char* text);
    void SetColumnByKey(const char* key, int column, const char* text);
    void SetPercentById(std::int32_t id, std::int32_t percent);
    void SetPercentByKey(const char* key, std::int32_t percent);
    void SetHighlightedById(std::int32_t id, std::uint8_t flag);
    void SetHighlightedByKey(const char* key, std::uint8_t flag);
    void SetEnabledById(std::int32_t id, std::uint8_t flag);
    void SetEnabledByKey(const char* key, std::uint8_t flag);
    void SetAllEnabled(std::uint8_t flag);

    void Sort(int column);

    int RowHeight() const { return m_normalStyle.m_frameH > 0 ? m_normalStyle.m_frameH : 1; }

    // Fields, in order.
    CFinestra m_panel;
    CPulsante m_arrowUp;
    CPulsante m_arrowDown;
    CTesto m_normalStyle;
    CTesto m_selectedStyle;
    CTesto m_highlightedStyle;
    CTesto m_disabledStyle;
    CScroll m_scroll;
    CIndPerc m_percentBar;
    std::vector<ListItem> m_items;
    std::int32_t m_count;
    std::int32_t m_selected;
    std::int32_t m_firstVisible;
    std::int32_t m_visibleRows;
    std::uint8_t m_selectable;
    std::uint8_t m_showCol1, m_showCol2, m_showCol3, m_showCol4;
    std::uint8_t m_showPercent;
    std::int32_t m_col1X, m_col2X, m_col3X, m_col4X, m_percentX;
    std::int32_t m_numeric[5];
    std::uint8_t m_active;
    std::uint8_t m_sortFirstRow;
    std::uint8_t m_ascending;
    std::uint8_t m_numbered;
    std::uint8_t m_numberFirstRow;

private:
    const ListItem* Selected() const;
    bool Greater(const ListItem& a, const ListItem& b, int column) const;
    void SyncScrollPosition();
    int LastFirstVisible() const; // the largest first visible row, at least 0
    void MoveBy(int rows);        // up (negative) or down, stopping at the ends
    bool SelectFound(const ListItem* item, bool scroll); // enabled items only
    template <class Match, class Apply> void ForEachMatch(Match match, Apply apply);
};
