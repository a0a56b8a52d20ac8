#pragma once
// CCannaPesca: the rod assembly the player fishes with: rod, reel, float,
// main line with leader and droppers, and the shots, held together as one
// rig; its tackle configurations (load, save, list, delete). This holds the
// rig's core: members, reset to the default rig, float position and exposed
// height, spinning-rig test, bell and name. Casting, drift, sinking,
// bobbing, the fight and the drawing build on it in the scene.
#include "shell/Oggetto.h"
#include "simulation/tackle/Canna.h"
#include "simulation/tackle/Galleggiante.h"
#include "simulation/tackle/Lenza.h"
#include "simulation/tackle/Mulinello.h"
#include "simulation/tackle/Piombo.h"
#include "world/Pesci.h"

#include <cstdint>
#include <string>

class CListBox;
// What the bite decision and the fish-on checks read (scene/RigFacts.h).
struct BiteFacts;
struct FishOnFacts;

class CCannaPesca : public COggetto {
public:
    CCannaPesca();

    void Init(plat::Device* dev, int x);
    void Reset(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    void SetFloatPosition(float position); // wanted depth + 45, shots settled with it
    void PlaceFloat(float position);       // the float alone, against the shots as they are
    void UpdateExposedHeight();
    void SetLineLength(float length);
    bool IsSpinningRig() const;
    bool CanCast() const;
    int GetPhase() const { return m_canna.GetPhase(); }
    // Which hook a fish took; reads 2 (the leader) while undecided.
    int GetRigKind() const { return m_hookInUse == -1 ? 2 : m_hookInUse; }

    // A null or empty name changes nothing and succeeds. A missing file, one
    // without a name inside, or a name that would leave the configurations
    // folder fails: the default rig, an empty name, false. storedName gets
    // the name written inside the file, description its description.
    bool LoadConfiguration(const char* name, std::string* storedName = nullptr, std::string* description = nullptr);
    // Why a save wrote nothing.
    enum SaveFault : int { kSaved = 0, kNameRefused, kOldTooBig, kOldUnreadable, kNotWritten };
    // True only when the whole file was written; on failure the rig keeps
    // its name, the settings their "LENZA" and any old file its bytes.
    bool SaveConfiguration(const char* name, const char* description, SaveFault* fault = nullptr);
    // Whether the last load or save could write the configuration's name
    // into the settings, so that the next start mounts it again.
    bool IsNameRemembered() const { return m_nameRemembered; }
    // One row per configuration file of the folder the game can load,
    // delete and remember; name and description come from the head of the
    // file, so a big file costs no more to list than a small one.
    void ListConfigurations(CListBox& list, const char* folder) const;
    // fileName as listed (extension included).
    bool DeleteConfiguration(const char* fileName);
    // The name a configuration file of the folder loads and saves under, or
    // false when the game could not load, delete or remember it by that
    // name (a path in it, too long, blanks the settings would trim, or an
    // extension in capitals beside a file of the same name in lower case).
    static bool ConfigurationName(const char* folder, const char* fileName, std::string* name);
    static std::string ConfigurationPath(const char* name);

    // ---- in the scene ----
    // The four band limits and the scene distance at each, from the venue's
    // reach; a screen row's distance from the angler in centimetres.
    void UpdateDepthProfile();
    float GetDepthAt(int y);
    float GetLinePointDistance() const;
    float GetRigDistance();
    float GetDepthDistance();
    float GetFloatDistance();
    float GetFreeLine() { return m_lenza.m_length - GetRigDistance(); }
    float GetLineSlack();
    float GetBottomDepth() const;
    int GetBaitWeight() const;
    int GetFloatDepth() const { return m_galleggiante.m_position - 45; }
    bool IsNibbling() const;
    void NewCast();
    void Cast();
    // The line a cast pays out when that length is asked for: a boat rod its
    // own length, a bolognese or spinning rod its throw with some spread, a
    // pole what is asked.
    void PayOutCast(float requested);
    void Render(plat::Device* dev, float phase);
    void Update();
    void UpdateIdle();
    void UpdateFight(); // the fight step, every frame with a fish on
    void FollowLineEnd();
    // Line the drag has given moves the fish out from the angler by as
    // much, as far as the water goes; line beyond that is taken back.
    void TakeLineOut(float given);
    // The screen x span where the rod can bring the net over a fish.
    void GetLandingSpan(int& left, int& right) const;
    void SetLossReason(int reason);

    // ---- the bite and the fight ----
    // The session offers one fish of a species; a bite puts the fish on.
    void TryBite(PesceRecord record);
    bool DecideBite(const PesceRecord& record);
    bool DecideBite(const PesceRecord& record, const BiteFacts& facts);
    // 2 the leader, 1 the first dropper, 0 the second, -1 none.
    int ChooseHook(const PesceRecord& record);
    int ChooseHook(const PesceRecord& record, const BiteFacts& facts);
    // The final score of a bite from its two part scores, 0..80.
    static int BiteScore(int a, int b, bool depthRight);
    // Whether a hook of that number suits a fish of that length in cm (a
    // larger number is a smaller hook).
    static bool HookFits(int length, int hookSize);
    bool HookFitsFish();
    void CheckFishOn(const FishOnFacts& facts);
    BiteFacts GatherBiteFacts();
    FishOnFacts GatherFishOnFacts();
    // The facts of the hook in use: its line's limits, point, barb and size.
    void GatherHookFacts(FishOnFacts& facts);
    const char* GetLossReasonText() const; // in the language of the moment
    int GetLossReason() const { return m_lossReason; }
    bool IsStruck() const { return m_strike != 0; }
    void Strike() { m_strike = 1; }
    CFinale& GetHookTerminal();
    // Grams the weaker of the main line and the hooked terminal holds.
    float GetBreakingLoad();
    const char* GetLineOutText() const;
    bool IsInDeepBand(int y) const;
    void SinkRig();
    float LureStep();
    void DriftRig();
    void UpdateVisibleHeight();
    void UpdateFloatTilt();
    void PlaceFloatOnLine();
    void UpdateLineSag();
    void OnTimer0() override; // fish-on checks, once a second
    void OnTimer1() override { DriftRig(); }
    void OnTimer2() override { SinkRig(); }
    void OnTimer3() override; // float bobbing at sea
    void LoadWarning(plat::Device* dev);
    // A name that stays inside the configurations folder.
    static bool IsSafeName(const char* name);

    // Fields, in order.
    CCanna m_canna;
    CMulinello m_mulinello;
    CGalleggiante m_galleggiante;
    CLenza m_lenza;
    CPiombo m_piombo;
    std::int32_t m_bell;
    char m_name[129];
    std::int32_t m_overLimitTicks;
    std::int32_t m_noStrikeTicks;
    std::uint8_t m_strike;
    bool m_nameRemembered = true;
    float m_sinkDepth;
    std::int32_t m_hookInUse;
    std::int32_t m_lossReason;
    std::int32_t m_driftNesting;
    std::int32_t m_bands[4];
    float m_profile[4];
    float m_glide[2];
    CSprite m_warning; // the line-tension warning marker
    float m_targetX, m_targetY; // where the line ends in the water
    float m_lineOwed = 0.0f;    // line given to the fish, short of its next row out
    std::uint8_t m_drawing;
};

extern CCannaPesca g_CannaPesca;

// What the settings write under "LENZA" (slot -1) and the three bait keys
// (slots 0..2): the rig's name and the baits on the hooks.
const char* TackleSettingsSource(int slot);
