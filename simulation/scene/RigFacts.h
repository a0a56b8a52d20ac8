#pragma once
// What the bite decision and the once-a-second checks on a hooked fish read
// from the rig, the venue, the clock, the tide and the settings, gathered
// into plain values. The rig fills them from the live objects; tests set
// each fact and try the rules on their own.

// One hook of the rig: 0 the second dropper, 1 the first dropper, 2 the
// leader, with the bait of the same slot.
struct TerminalFacts {
    bool inUse = true;
    int baitKind = 0;        // 0..13, 13 a spinning lure
    int baitVenueKind = -1;  // 0 river, 1 lake, 2 sea, other anywhere
    int baitHookColour = -1;
    int baitHookBend = -1;
    bool lureTakesLine = false; // the bait accepts this terminal's line
    int hookSize = 12;
    int hookColour = 0;
    int hookBend = 0;
    int hookPoint = 1;
    int hookBarb = 0;
    int hookShank = 1;
    int hookBait = -1;       // the bait the hook is made for; -1 any
    int lineDiameter = 14;
    int lineKind = 0;
    int lineColour = 0;
};

struct BiteFacts {
    bool fishing = true;     // the session is in its fishing state
    bool biteReady = true;   // the float shows nothing pending
    float sinkDepth = 100.0f;
    int bottomDepth = 200;
    bool hasFloat = true;
    int rodType = 1;
    bool spinningRig = false;
    int floatDriftStep = 0;  // the float's last drift step
    int floatCurrent = -1;   // the float's current rating, -1 none
    bool reelRetrieving = false;
    float lineSlack = 0.0f;
    int mainDiameter = 18;
    int mainKind = 0;
    int shotBalanceClass = -1;
    int shotWeightClass = -1;
    bool shotsBalanced = false;
    int venueType = 1;
    int venueRegion = 1;
    int venueCurrent = 0;
    int venueBottom = 2;
    int venueWater = 0;
    int seaState = 0;
    int month = 5;
    int dayPhase = 1;
    int tideFlag = 0;
    int levelValue = 42;     // the lowest score that bites at this level
    TerminalFacts terminals[3];
};

struct FishOnFacts {
    float tension = 0.0f;
    float maxTension = 180.0f; // of the hooked terminal
    int lineMode = 0;
    int level = 0;
    int rodType = 1;
    float lineEndY = 500.0f;
    int bandTop = 120;        // the water's first band limit
    int bandNear = 320;       // the fourth band limit, nearest the angler
    float distance = 0.0f;    // to the line end, by the rod's kind
    float lineOut = 1000.0f;
    float drag = 0.0f;
    float breakingLoad = 1000.0f;
    int hookPoint = 1;
    int hookBarb = 0;
    int hookSize = 12;
    int terminalLineKind = 0;
};
