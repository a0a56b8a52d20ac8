#pragma once
// The scene's calls up into the fishing session. The rig and the fish on the
// line sit below the session screen and the catch log, so they cannot name
// them; the session registers this table while it exists. Unregistered, the
// scene acts as if no session were running: the rig is not fishing, and a
// fish landed in the net is neither shown nor logged.

struct SessionLink {
    // True while the session is in its fishing state.
    bool (*IsFishing)();
    // A fish came into the raised net: show its details, then log it.
    void (*ShowCatchDetails)();
    void (*AddCatch)(int species, float weightGrams, int lengthCm);
};

// Null unregisters. The registered table must outlive its use.
void SetSessionLink(const SessionLink* link);
const SessionLink* GetSessionLink();

// The questions the scene asks, answered as above when nothing is registered.
bool IsSessionFishing();
void ShowSessionCatch(int species, float weightGrams, int lengthCm);
