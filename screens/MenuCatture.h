#pragma once
// The records screen (screen 7): the saved catch logs. It lists the "kvc"
// files of the catch folder by their headers, loads the selected one into
// the catch log to show its catches and totals, and deletes a saved log
// after a question.
// Follows the screen protocol of the application object: Load once while
// loading, Render every frame while current, the device-loss pair, and the
// input handlers while current; Activate runs before it becomes current.
#include "gui/AskBox.h"
#include "gui/Finestra.h"
#include "gui/ListBox.h"
#include "gui/Pulsante.h"
#include "screens/DetailLines.h"
#include "shell/Sprite.h"

#include <cstdint>

class CMenuCatture {
public:
    enum AskTag : std::uint32_t { kAskDelete = 1, kAskDeleteFailed = 2 };

    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();
    void OnWheelDown();
    void OnWheelUp();
    void Activate();

    // One row per saved log of the folder, in the order the folder lists them.
    void ListSessions(const char* folder);
    // Loads the log into the catch log and lists its catches; null does nothing.
    void ShowSession(const char* fileName);
    // Deletes the selected log and reads the folder again; when the file
    // cannot be deleted the player is told and the list stays.
    void DeleteSelected();

    // Members, in order.
    CSprite m_background; // bitmap 217 stretched to the back buffer, centred
    CFinestra m_panel;
    CDetailLines m_summary; // the loaded log's totals, Arial 14
    CListBox m_sessions;
    CListBox m_fishes;
    CPulsante m_delete;
    CPulsante m_back;
    CAskBox m_ask;

private:
    void RenderSummary(plat::Device* dev);
};

extern CMenuCatture g_MenuCatture;
