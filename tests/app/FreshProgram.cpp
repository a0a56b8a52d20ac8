#include "tests/app/FreshProgram.h"

#include "screens/MenuCatture.h"
#include "screens/MenuConfigura.h"
#include "screens/MenuEsche.h"
#include "screens/MenuGara.h"
#include "screens/MenuLuogo.h"
#include "screens/MenuOpzioni.h"
#include "screens/MenuPesci.h"
#include "screens/MenuPrincipale.h"
#include "shell/GestFile.h"
#include "shell/Mouse.h"
#include "shell/Opzioni.h"
#include "simulation/scene/Effetti.h"
#include "simulation/scene/Pesce.h"
#include "simulation/scene/Retino.h"
#include "simulation/scene/Sfondo.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Help.h"
#include "simulation/session/Sessione.h"
#include "simulation/session/Statistiche.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Cerchi.h"
#include "simulation/tackle/Esca.h"
#include "simulation/tackle/Pastura.h"
#include "world/Calendario.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/Marea.h"
#include "world/Meteo.h"
#include "world/Pesci.h"

#include <memory>

namespace testing_support {

namespace {

template <typename T> void Rebuild(T& global)
{
    std::destroy_at(&global);
    std::construct_at(&global);
}

} // namespace

void FreshProgram()
{
    // In the order the program builds them.
    Rebuild(g_CannaPesca);
    Rebuild(g_Effetti);
    Rebuild(g_Esca);
    Rebuild(g_Fondale);
    Rebuild(g_Gara);
    Rebuild(g_GestCerchi);
    Rebuild(g_GestFile);
    Rebuild(g_Gioco);
    Rebuild(g_Help);
    Rebuild(g_Luogo);
    Rebuild(g_Marea);
    Rebuild(g_MenuCatture);
    Rebuild(g_MenuConfigura);
    Rebuild(g_MenuEsche);
    Rebuild(g_MenuGara);
    Rebuild(g_MenuLuogo);
    Rebuild(g_MenuOpzioni);
    Rebuild(g_MenuPesci);
    Rebuild(g_MenuPrincipale);
    Rebuild(g_Meteo);
    Rebuild(g_Mouse);
    Rebuild(g_Opzioni);
    Rebuild(g_Pastura);
    Rebuild(g_Pesce);
    Rebuild(g_Pesci);
    Rebuild(g_Retino);
    Rebuild(g_Sessione);
    Rebuild(g_Sfondo);
    Rebuild(g_Statistiche);
    Rebuild(g_Calendario);
}

} // namespace testing_support
