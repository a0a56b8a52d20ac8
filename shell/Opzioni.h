#pragma once
// Every option of the game, the player's name, city and nation, and the names
// of the tackle configuration and the three baits in use. Kept in
// "Karvelin.ini" in the data folder, sections "KARVELIN" and "VIDEO".
#include <string>
#include <utility>
#include <vector>

constexpr int kBuildNumber = 232005;

class COpzioni {
public:
    COpzioni();

    void Load();
    bool Save();
    // The three bait keys only; false when the file could not be written.
    bool SaveBaits();
    // The "LENZA" key only; false when the file could not be written.
    bool SaveLine();

    int GetLevelValueA() const;
    int GetLevelValueB() const;
    int GetLevelValueC() const;
    int GetMouseDivisor() const;

    void SetPlayerName(const char* text);
    void SetCity(const char* text);
    void SetNation(const char* text);
    bool IsProfileComplete() const;

    // Where Save() takes the configuration name (slot -1) and the bait ids
    // (slots 0..2) from once the tackle is loaded. Until one is set, or when
    // it answers null, the values last read from the file are written.
    using TackleSource = const char* (*)(int slot);
    void SetTackleSource(TackleSource source) { m_tackleSource = source; }

    static std::string Path(); // "Karvelin.ini" in the data folder
    // What a text key of the settings gives back after a restart when this
    // value is written: blanks at either end and line breaks do not survive.
    static std::string AsStored(const char* value);
    static bool HoldsWhole(const char* value) { return value && AsStored(value) == value; }

    // Fields, in the order of the settings file.
    int build;
    int tournamentTime;
    int tournamentFishermen;
    int sounds;
    int showTension;
    int weather;
    char line[645];
    char playerName[41];
    char city[31];
    int level;
    int fullScreen;
    int mouseSensitivity;
    int verticalInverted;
    int lineMode;
    int retrieveSpeed;
    int guiColour;
    int netMode;
    int showStats;
    int alpha;
    int waters;
    int language;
    bool italian;
    int resolution;
    int units;
    char nation[97];
    int use3D;
    char baitLeader[645];   // "ESCA_FI", bait slot 2
    char baitDropper1[645]; // "ESCA_B1", bait slot 1
    char baitDropper2[645]; // "ESCA_B2", bait slot 0

private:
    const char* TackleText(int slot, const char* field) const;
    // Writes keys of the main section into the file, or the whole record
    // afresh when keeping the file's other lines would pass the loader's
    // bound.
    bool WriteKeys(const std::vector<std::pair<const char*, std::string>>& keys);
    TackleSource m_tackleSource = nullptr;
};

extern COpzioni g_Opzioni;
