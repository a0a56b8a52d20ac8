#include "screens/MenuLuogo.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"
#include "shell/Graphics.h"
#include "shell/ScreenSwitch.h"
#include "shell/Utility.h"
#include "simulation/scene/Sfondo.h"
#include "simulation/session/Gioco.h"
#include "world/Luogo.h"
#include "world/Pesci.h"

#include <cstring>
#include <string>

KARVELIN_GLOBAL(16) CMenuLuogo g_MenuLuogo;

namespace {

// The place leaves room for a button twice as wide, but a face is at most
// 130 wide: the caption's box is the face, so no caption runs past it.
constexpr int kDepthButtonX = 440, kDepthButtonY = 510, kDepthButtonW = 130;

} // namespace

bool CMenuLuogo::IsSessionPaused() { return g_Gioco.GetState() == kSessionGameMenu; }

bool CMenuLuogo::IsFileVenue()
{
    const char* id = g_Luogo.Record().id;
    return std::strcmp(id, kVenueLake) != 0 && std::strcmp(id, kVenueSea) != 0;
}

void CMenuLuogo::Load(plat::Device* dev)
{
    m_panel.Create(dev);
    LoadMenuBackground(m_background, dev);
    m_indicator.Reset(dev);
    m_indicator.CreateFromResource(dev, kBitmapCurrentIndicator, 320, 30);
    m_indicator.m_frameW = 40;
    m_indicator.m_frameH = 30;
    m_indicator.m_alpha = 0.6f;
    m_indicator.m_relative = 1;
    m_indicator.m_anchorX = 0;
    m_indicator.m_anchorY = 0;
    m_detailsPanel.Create(dev);
    m_details.Create(dev);
    m_venueText.Create(dev);
    m_description.Create(dev);
    m_description.m_editable = 0;
    // The button's face is at most 130 wide: "Elimina dati Fondale" in the
    // buttons' usual 15-pixel bold would touch its right edge.
    for (CPulsante* depth : {&m_deleteDepth, &m_createDepth}) {
        depth->m_caption.m_frameH = 14;
        depth->Create(dev);
    }
    m_back.Create(dev);
    m_ask.Create(dev);
    // Until now no venue row is selected: the session would start at
    // whatever the record holds.
    g_Luogo.SelectDefaultVenue();
    UpdateDepthButton();
}

void CMenuLuogo::UpdateDepthButton()
{
    const bool exists = g_Luogo.DepthFileExists();
    m_depthDataMissing = exists ? 0 : 1;
    m_deleteDepth.m_shown = exists ? 1 : 0;
    m_createDepth.m_shown = exists ? 0 : 1;
}

int CMenuLuogo::GetCurrentFrame(int direction, int verticalCurrent)
{
    // Columns: vertical current 1, 2, any other.
    static const int kFrames[3][3] = {
        {3, 5, 4},  // direction 0
        {1, 7, 0},  // direction 1
        {2, 6, -1}, // no current
    };
    const int row = direction == 0 ? 0 : direction == 1 ? 1 : 2;
    const int column = verticalCurrent == 1 ? 0 : verticalCurrent == 2 ? 1 : 2;
    return kFrames[row][column];
}

int CMenuLuogo::GetCurrentFrame() const
{
    return GetCurrentFrame(g_Luogo.GetCurrentDirection(), g_Luogo.GetVerticalCurrent());
}

void CMenuLuogo::Render(plat::Device* dev)
{
    const bool paused = IsSessionPaused();
    const LuogoRecord& venue = g_Luogo.Record();

    m_background.Draw(dev);
    m_panel.DrawTitled(dev, 30, 15, 740, 550, Tr("Karvelin - Luoghi", "Karvelin - Venues"));
    if (paused)
        m_venueText.DrawJoined(dev, Tr("Luogo: ", "Venue: "), venue.name, 55, 100);
    else
        g_Luogo.VenueList().DrawTitled(dev, 50, 50, 180, 300, Tr("Luoghi", "Venues"));

    m_detailsPanel.DrawTitled(dev, 290, 362, 200, 135, Tr("Dettagli luogo", "Details"));
    m_details.Begin(295, 385);
    m_details.Line(dev, Tr("Tipo luogo: ", "Venue type: "), g_Luogo.GetVenueTypeName());
    m_details.Line(dev, Tr("Regione: ", "Region: "), g_Luogo.GetRegionName());
    m_details.Line(dev, Tr("Corrente: ", "Running: "), g_Luogo.GetCurrentName());
    m_details.Line(dev, Tr("Tipo fondale: ", "Ground type: "), g_Luogo.GetBottomName());
    m_details.Line(dev, Tr("Tipo acqua: ", "Water type: "), g_Luogo.GetWaterName());
    const std::string slope = std::string(IntToText(venue.PENDENZA)) + " %";
    m_details.Line(dev, Tr("Pendenza: ", "Slope: "), slope.c_str());
    const CConvUnita units;
    const std::string depth = std::string(units.FormatLengthM(float(venue.PROFONDITA))) +
                              (units.IsMetric() ? " mt" : " ft");
    m_details.Line(dev, Tr("Profondit\xE0: ", "Depth: "), depth.c_str());

    m_description.DrawTitled(dev, 50, 360, 200, 190, Tr("Descrizione", "Description"), venue.description);

    if (!paused && IsFileVenue()) {
        if (m_depthDataMissing)
            m_createDepth.DrawCaptionW(dev, kDepthButtonX, kDepthButtonY, kDepthButtonW,
                                       Tr("Crea dati Fondale", "Set depth data"));
        else
            m_deleteDepth.DrawCaptionW(dev, kDepthButtonX, kDepthButtonY, kDepthButtonW,
                                       Tr("Elimina dati Fondale", "Delete depth data"));
    }

    m_back.DrawCaption(dev, 290, 510, Tr("Indietro", "Back"));
    g_Sfondo.m_venuePhoto.DrawAt(dev, 300, 50);
    const int frame = GetCurrentFrame();
    if (frame >= 0) {
        m_indicator.m_column = frame;
        m_indicator.DrawAt(dev, 500, 250);
    }
    g_Luogo.SpeciesList().DrawTitled(dev, 495, 362, 210, 145, Tr("Pesci presenti", "Fishes list"));
    m_ask.Draw(dev);
}

void CMenuLuogo::OnLostDevice()
{
    m_background.OnLostDevice();
    m_panel.OnLostDevice();
    m_indicator.OnLostDevice();
    m_detailsPanel.OnLostDevice();
    m_details.OnLostDevice();
    m_venueText.OnLostDevice();
    m_description.OnLostDevice();
    m_deleteDepth.OnLostDevice();
    m_createDepth.OnLostDevice();
    m_back.OnLostDevice();
    m_ask.OnLostDevice();
}

void CMenuLuogo::OnResetDevice(plat::Device* dev)
{
    m_background.OnResetDevice(dev);
    m_panel.OnResetDevice(dev);
    m_indicator.OnResetDevice(dev);
    m_detailsPanel.OnResetDevice(dev);
    m_details.OnResetDevice(dev);
    m_venueText.OnResetDevice(dev);
    m_description.OnResetDevice(dev);
    m_deleteDepth.OnResetDevice(dev);
    m_createDepth.OnResetDevice(dev);
    m_back.OnResetDevice(dev);
    m_ask.OnResetDevice(dev);
}

// The venue list and the depth buttons keep the hit boxes of their last
// drawing: while they are not drawn (a paused session, a built-in venue)
// they are not asked at all.
void CMenuLuogo::OnMouseDown()
{
    if (m_ask.IsShown()) {
        m_ask.OnMouseDown();
        return;
    }
    if (!IsSessionPaused()) {
        g_Luogo.VenueList().OnMouseDown();
        if (IsFileVenue()) {
            m_deleteDepth.OnMouseDown();
            m_createDepth.OnMouseDown();
        }
    }
    g_Luogo.SpeciesList().OnMouseDown();
    m_back.OnMouseDown();
}

void CMenuLuogo::Notify(const char* italian, const char* english)
{
    m_ask.Show(Tr(italian, english), CAskBox::kOkAlone);
}

void CMenuLuogo::OnMouseUp()
{
    if (m_ask.IsShown()) {
        m_ask.OnMouseUp();
        return;
    }
    if (!IsSessionPaused()) {
        CListBox& venues = g_Luogo.VenueList();
        const int before = venues.GetSelectedIndex();
        // A click on a disabled row or below the last one selects nothing:
        // only a new selection loads a venue (and its bottom).
        if (venues.OnMouseUp() == CListBox::kRows && venues.GetSelectedIndex() >= 0 &&
            venues.GetSelectedIndex() != before)
            g_Luogo.LoadSelectedVenue(g_pDevice);
        if (IsFileVenue()) {
            // Each button's result is what is on disk afterwards: a file
            // that could not be written (a full or read-only disk) or
            // deleted leaves the same button, and the player is told.
            if (m_deleteDepth.OnMouseUp() && !g_Luogo.DeleteDepthFile() && g_Luogo.DepthFileExists())
                Notify("Impossibile eliminare i dati del fondale.", "The depth data could not be deleted.");
            // Creating refuses to overwrite a stored bottom.
            if (m_createDepth.OnMouseUp() && !g_Luogo.CreateDepthFile() && !g_Luogo.DepthFileExists())
                Notify("Impossibile salvare i dati del fondale.", "The depth data could not be saved.");
        }
        UpdateDepthButton();
    }
    if (m_back.OnMouseUp()) {
        ReturnFromScreen(false);
        return;
    }
    CListBox& species = g_Luogo.SpeciesList();
    if (species.OnMouseUp() == CListBox::kRows && species.GetSelectedIndex() >= 0)
        g_Pesci.LoadPhoto(g_pDevice, unsigned(species.GetSelectedId()));
}

void CMenuLuogo::OnWheelDown()
{
    if (m_ask.IsShown())
        return;
    if (!IsSessionPaused())
        g_Luogo.VenueList().ScrollDown();
    g_Luogo.SpeciesList().ScrollDown();
}

void CMenuLuogo::OnWheelUp()
{
    if (m_ask.IsShown())
        return;
    if (!IsSessionPaused())
        g_Luogo.VenueList().ScrollUp();
    g_Luogo.SpeciesList().ScrollUp();
}
