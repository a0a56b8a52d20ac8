// Every widget in its states on one picture, kept in the build folder for a
// look; and the same picture again after a lost device and a reset.
#include "gui/AskBox.h"
#include "gui/ListBox.h"
#include "gui/Spinner.h"
#include "gui/TextBox.h"
#include "shell/Utility.h"
#include "tests/support/BuildFolder.h"

#include "WidgetFixture.h"

#include <cstdlib>
#include <string>

namespace {

using testing_support::BuildFolderFile;
using widget_test::WidgetTest;

struct CSpinnerMonth : CSpinner {
    const char* GetValueText() override
    {
        static const char* const months[] = {"Gen", "Feb", "Mar", "Apr", "Mag", "Giu",
                                             "Lug", "Ago", "Set", "Ott", "Nov", "Dic"};
        return m_value >= 1 && m_value <= 12 ? months[m_value - 1] : "";
    }
};

// The widgets of the gallery, created and set up once.
struct Gallery {
    CPulsante buttons[6];
    CPulsante icons[18];
    CPulsante iconStates[4];
    CToolBox tools[2];
    CListBox list;
    CListBox plain;
    CSpinner spinLeft, spinAbove, spinLow, spinOff;
    CSpinnerMonth month;
    CTextBox description, name;
    CAskBox ask;

    void Create(plat::Device* dev)
    {
        for (auto& b : buttons)
            b.Create(dev);
        for (auto& b : icons)
            b.Create(dev);
        for (auto& b : iconStates)
            b.Create(dev);
        for (auto& t : tools)
            t.Create(dev);
        list.Create(dev);
        plain.Create(dev);
        for (CSpinner* s : {&spinLeft, &spinAbove, &spinLow, &spinOff, static_cast<CSpinner*>(&month)})
            s->Create(dev);
        description.Create(dev);
        name.Create(dev);
        ask.Create(dev);

        buttons[1].m_state = CPulsante::kPressed;
        buttons[2].Enable(false);
        buttons[3].m_toggled = 1;
        buttons[4].m_caption.m_format = plat::kTextCentre;
        buttons[5].m_caption.m_format = plat::kTextCentre;
        buttons[5].m_toggled = 1;
        iconStates[1].m_state = CPulsante::kPressed;
        iconStates[2].Enable(false);
        iconStates[3].m_toggled = 1;
        tools[1].m_pending = 1;
        tools[1].m_buttons[6].m_shown = 0;
        tools[1].m_buttons[7].m_shown = 0;

        list.m_showCol1 = list.m_showCol2 = 1;
        list.m_showPercent = 1;
        list.m_col1X = 150;
        list.m_col2X = 230;
        list.m_percentX = 300;
        list.m_numbered = 1;
        list.m_sortFirstRow = 0;
        list.AddItem(-1, "", "Specie", "Peso");
        list.SetColumn(0, 1, "Cattur.");
        list.SetHighlightedById(-1, 1);
        const char* fish[] = {"Carpa", "Luccio", "Tinca", "Persico reale", "Trota fario",
                              "Cavedano", "Anguilla", "Barbo", "Scardola", "Alborella",
                              "Savetta", "Lasca", "Siluro", "Pesce gatto"};
        for (int i = 0; i < 14; ++i) {
            list.AddItem(i, fish[i], fish[i], IntToTextFmt(250 + 731 * i % 4000, "%d g"));
            list.SetColumnById(i, 1, IntToText(i * 3 % 7));
            list.SetPercentById(i, i * 11);
        }
        list.SetEnabledById(3, 0);
        list.SelectById(1, false);
        list.m_visibleRows = 13;
        list.ScrollTo(1); // the thumb shows below the top of the bar

        plain.m_active = 0;
        plain.m_selectable = 0;
        plain.AddItem(0, "", "Lago di Livigno", "");
        plain.AddItem(1, "", "Portofino", "");

        spinLeft.SetMax(100);
        spinLeft.SetValue(42);
        spinAbove.SetLabelAbove();
        spinAbove.SetMax(10);
        spinAbove.SetValue(10);
        spinLow.SetMin(-2);
        spinLow.SetMax(4);
        spinLow.SetValue(-2);
        spinOff.SetMax(5);
        spinOff.SetValue(3);
        spinOff.Disable();
        month.SetMin(1);
        month.SetMax(12);
        month.m_wrap = 1;
        month.SetValue(7);

        name.SetText("Mario_Rossi");
        name.m_editable = 1;
        name.SetRestricted(1);
    }

    void ForEach(auto&& f)
    {
        for (auto& b : buttons)
            f(b);
        for (auto& b : icons)
            f(b);
        for (auto& b : iconStates)
            f(b);
        for (auto& t : tools)
            f(t);
        f(list);
        f(plain);
        f(spinLeft);
        f(spinAbove);
        f(spinLow);
        f(spinOff);
        f(month);
        f(description);
        f(name);
        f(ask);
    }

    void Draw(plat::Device* dev)
    {
        const char* captions[] = {"Normale", "Premuto", "Disattivo", "Scelto", "Centrato", "Scelto"};
        for (int i = 0; i < 4; ++i)
            buttons[i].DrawCaption(dev, 10 + 135 * i, 10, captions[i]);
        buttons[4].DrawCaptionW(dev, 550, 10, 100, captions[4]);
        buttons[5].DrawCaptionW(dev, 660, 10, 64, captions[5]);

        for (int i = 0; i < 18; ++i)
            icons[i].DrawIcon(dev, 10 + 24 * i, 45, i);
        for (int i = 0; i < 4; ++i)
            iconStates[i].DrawIcon(dev, 460 + 24 * i, 45, 14);
        tools[0].Draw(dev, 10, 75);
        tools[1].Draw(dev, 310, 75);

        list.DrawTitled(dev, 10, 110, 380, 230, "Catture");
        plain.Draw(dev, 10, 350, 200, 80);

        spinLeft.DrawLabelled(dev, 560, 115, 100, "Profondit\xE0");
        spinAbove.DrawLabelled(dev, 440, 175, 100, "Livello (sopra)");
        spinLow.DrawLabelled(dev, 560, 215, 100, "Minimo");
        spinOff.DrawLabelled(dev, 560, 255, 100, "Disattivo");
        month.DrawLabelled(dev, 560, 295, 100, "Mese");

        description.DrawTitled(dev, 230, 350, 300, 110, "Descrizione",
                               "La carpa vive in acque calme e ricche di vegetazione. Abbocca soprattutto "
                               "all'alba e al tramonto; preferisce esche vegetali come mais e pane.");
        name.DrawEditTitled(dev, 550, 350, 230, 50, "Nome giocatore");
    }
};

class GalleryTest : public WidgetTest {
protected:
    plat::Image Render(Gallery& g, bool withQuestion)
    {
        dev->Clear(0xFF10202E);
        dev->BeginScene();
        g.Draw(dev.get());
        if (withQuestion) {
            if (!g.ask.IsShown())
                g.ask.ShowTagged("Vuoi davvero cancellare tutte le catture di questa sessione?", 1, CAskBox::kYesNo);
            g.ask.Draw(dev.get());
        }
        dev->EndScene();
        plat::Image img;
        dev->ReadPixels(img);
        return img;
    }
};

TEST_F(GalleryTest, EveryWidgetInItsStatesAndTheSameAfterAResetDevice)
{
    g_Opzioni.italian = true;
    Gallery g;
    g.Create(dev.get());
    Render(g, false); // the list bar shows its range from the second frame on
    const plat::Image widgets = Render(g, false);
    const plat::Image question = Render(g, true);
    ASSERT_TRUE(plat::SavePng(BuildFolderFile("widget_gallery.png"), widgets));
    ASSERT_TRUE(plat::SavePng(BuildFolderFile("widget_gallery_question.png"), question));

    dev->SimulateLoss();
    EXPECT_NE(dev->Present(), plat::kOk);
    g.ForEach([](auto& w) { w.OnLostDevice(); });
    ASSERT_EQ(dev->Reset(), plat::kOk);
    g.ForEach([this](auto& w) { w.OnResetDevice(dev.get()); });

    // The first frame after the reset draws tinted pictures modulated, the
    // next ones from baked copies again: within rounding, then exactly. One
    // draw rounds within 2 per channel either way; where translucent layers
    // stack (a faded text on a panel) a rare pixel adds one more.
    EXPECT_TRUE(gfx_test::ImagesNear(Render(g, false), widgets, 3));
    const plat::Image widgetsAfter = Render(g, false);
    const plat::Image questionAfter = Render(g, true);
    EXPECT_TRUE(widgets.pixels == widgetsAfter.pixels);
    EXPECT_TRUE(question.pixels == questionAfter.pixels);
}

} // namespace
