#include "tests/app/CatalogueScreens.h"

#include "shell/Graphics.h"

void CatalogueTest::ClickArrow(const ListPlace& at, int height, bool down)
{
    // The arrows stand right of the panel, which is drawn 5 pixels narrower
    // than the list (rounded down to a multiple of 5).
    // The list keeps whole rows of 15 pixels; the down arrow's 20 pixels
    // end on the panel's last row.
    const int x = at.x + (at.width / 5 * 5 - 5) + 10;
    const int rows = height - height % 15;
    const int panelH = rows / 5 * 5 - 5;
    Click(x, down ? at.y + panelH - 10 : at.y + 10);
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
