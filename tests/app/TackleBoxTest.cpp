// The tackle box driven like a player: the page menu, every page's lists
// and spinners, the rig view and its tool box, the dialogs and questions,
// with real clicks, wheel turns and typed keys.
#include "screens/MenuConfigura.h"
#include "screens/MenuPrincipale.h"
#include "simulation/tackle/CannaPesca.h"
#include "tests/app/Journey.h"

#include <filesystem>

namespace {

class TackleBoxTest : public JourneyTest {
protected:
    CMenuConfigura& Box() { return g_MenuConfigura; }
    CCannaPesca& Rig() { return g_CannaPesca; }

    void Open(const JourneyOptions& options = {})
    {
        ASSERT_EQ(StartJourney(options), 0);
        Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kTackleBox));
        ASSERT_EQ(Screen(), kScreenTackleBox);
    }
    void Page(int page)
    {
        for (int b = 0; b < CMenuConfigura::kBackButton; ++b)
            if (CMenuConfigura::PageOfButton(b) == page)
                Click(280, CMenuConfigura::PageButtonY(b) + 12);
    }
};

TEST_F(TackleBoxTest, Pictures)
{
    for (bool italian : {true, false}) {
        Stop();
        JourneyOptions options;
        options.italian = italian;
        Open(options);
        for (int page = 0; page <= CMenuConfigura::kPageReel; ++page) {
            Page(page);
            Shot(std::string("tackle_box_page") + std::to_string(page) + (italian ? "_it" : "_en"));
        }
    }
}

} // namespace
