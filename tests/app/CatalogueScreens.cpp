#include "tests/app/CatalogueScreens.h"

#include "shell/Graphics.h"

void CatalogueTest::ClickArrow(const ListPlace& at, int height, bool down)
{
    // The arrows stand right of the panel, which is drawn 5 pixels narrower
    // than the list (rounded down to a multiple of 5).
    const int x = at.x + (at.width / 5 * 5 - 5) + 10;
    const int panelH = height / 5 * 5 - 5;
    Click(x, down ? at.y + panelH - 10 : at.y + 10);
}

void CatalogueTest::ClickRow(CListBox& list, const ListPlace& at, int index)
{
    Frame(); // the rows where the player sees them
    const int rowH = list.RowHeight();
    // The list's own paging: the wheel over its rows moves one row a notch.
    for (int guard = 0; guard < 200 && index < list.m_firstVisible; ++guard)
        WheelOver(at, 120);
    for (int guard = 0; guard < 200 && list.m_visibleRows > 0 && index >= list.m_firstVisible + list.m_visibleRows;
         ++guard)
        WheelOver(at, -120);
    Click(at.x + 40, at.y + 25 + (index - list.m_firstVisible) * rowH + rowH / 2);
}

void CatalogueTest::WheelOver(const ListPlace& at, int delta)
{
    Frame();
    MoveTo(at.x + 40, at.y + 30);
    Wheel(delta);
}

int CatalogueTest::IndexOfKey(CListBox& list, const std::string& key)
{
    for (int i = 0; i < list.GetCount(); ++i)
        if (key == list.GetItem(i)->key)
            return i;
    return -1;
}

int CatalogueTest::IndexOfId(CListBox& list, int id)
{
    for (int i = 0; i < list.GetCount(); ++i)
        if (list.GetItem(i)->id == id)
            return i;
    return -1;
}

std::string CatalogueTest::VenueText(const std::string& name, const std::string& keys)
{
    return "[LUOGO]\r\nNOME=" + name + "\r\nNAME=" + name + "\r\n" + keys;
}

void CatalogueTest::ExpectCaptions(const std::vector<std::string>& captions)
{
    ProbeFrame();
    for (const std::string& caption : captions) {
        const ProbedText* t = Find(caption);
        ASSERT_NE(t, nullptr) << caption;
        EXPECT_TRUE(t->fits) << "wider than its box: \"" << caption << "\" " << t->measuredWidth << " > " << t->width;
    }
}

bool CatalogueTest::LoseAndResetDevice()
{
    g_pDevice->SimulateLoss();
    for (int i = 0; i < 4 && (i == 0 || g_pApp->IsDeviceLost()); ++i)
        Frame();
    return !g_pApp->IsDeviceLost();
}
