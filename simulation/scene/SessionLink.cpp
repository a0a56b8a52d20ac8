#include "simulation/scene/SessionLink.h"

namespace {

// Zero before any constructor runs, so the session's global may register
// from its own constructor whatever the order of construction.
const SessionLink* g_sessionLink = nullptr;

} // namespace

void SetSessionLink(const SessionLink* link) { g_sessionLink = link; }
const SessionLink* GetSessionLink() { return g_sessionLink; }

bool IsSessionFishing() { return g_sessionLink && g_sessionLink->IsFishing && g_sessionLink->IsFishing(); }

void ShowSessionCatch(int species, float weightGrams, int lengthCm)
{
    if (!g_sessionLink)
        return;
    if (g_sessionLink->ShowCatchDetails)
        g_sessionLink->ShowCatchDetails();
    if (g_sessionLink->AddCatch)
        g_sessionLink->AddCatch(species, weightGrams, lengthCm);
}
