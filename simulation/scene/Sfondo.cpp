#include "simulation/scene/Sfondo.h"

#include "platform/Files.h"
#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "shell/Utility.h"
#include "world/Calendario.h"
#include "world/Luogo.h"
#include "world/SceneLinks.h"

#include <cmath>
#include <cstring>
#include <string>

KARVELIN_GLOBAL(28) CSfondo g_Sfondo;

namespace {

void PictureOfVenue(plat::Device* dev, const LuogoRecord& venue) { g_Sfondo.LoadVenuePicture(dev, venue); }

const VenuePictureLink kPictureLink = {PictureOfVenue};

} // namespace

CSfondo::CSfondo()
{
    Reset();
    // Only the game's own background follows the selected venue.
    if (this == &g_Sfondo)
        SetVenuePictureLink(&kPictureLink);
}

CSfondo::~CSfondo()
{
    if (this == &g_Sfondo)
        SetVenuePictureLink(nullptr);
}

void CSfondo::Reset()
{
    Init();
    m_ripplePhase = 1;
    m_timer[0].interval = 80;
    m_rippleAmplitude = 10.0f;
    m_ripplePeriod = 15.0f;
    m_rippleFactor = 50.0f;
    m_depth = 1.0f;
}

void CSfondo::Load(plat::Device* dev)
{
    m_venuePhoto.Init(dev);
    CSprite::Reset(dev);
    m_depth = 1.0f;
    m_anchorX = 0;
    m_anchorY = 0;
}

std::uint32_t CSfondo::FallbackBitmap(const LuogoRecord& venue)
{
    if (std::strcmp(venue.id, kVenueSea) == 0 || g_Opzioni.waters == 1)
        return kBitmapSeaBackground;
    return kBitmapLakeBackground;
}

void CSfondo::LoadVenuePicture(plat::Device* dev, LuogoRecord venue)
{
    const std::uint32_t fallback = FallbackBitmap(venue);
    m_fallback = fallback;
    SetRipple(venue);
    if (!dev)
        return;
    InitScreen();
    const int w = m_screenW > 0 ? m_screenW : 800;
    const int h = m_screenH > 0 ? m_screenH : 600;
    bool done = false;
    if (venue.photoFile[0] && std::strcmp(venue.photoFile, kNoPhotoName) != 0) {
        const std::string path = plat::JoinPath(venue.folder, venue.photoFile);
        // A photo that cannot be read must not end the game: the venue is
        // still fishable in front of the built-in picture.
        if (TryCreateFromFile(dev, path.c_str(), w, h) == 0)
            done = true;
        else
            LogError("Sfondo", Concat2("Venue picture cannot be read, built-in picture used: ", path.c_str()),
                     __LINE__);
    }
    if (!done)
        CreateFromResource(dev, fallback, w, h);
    m_depth = 1.0f;
    m_anchorX = 0;
    m_anchorY = 0;
    m_venuePhoto.LoadPhoto(dev, venue.folder, venue.photoFile, fallback, 800, 600);
    m_venuePhoto.m_scale = 0.5f;
}

void CSfondo::SetRipple(LuogoRecord venue)
{
    m_rippleAmplitude = 10.0f;
    m_ripplePeriod = 15.0f;
    m_rippleFactor = 50.0f;
    if (venue.TIPO == 2) {
        m_rippleAmplitude = 3.0f;
        m_ripplePeriod = 3.0f;
        m_rippleFactor = 30.0f;
    } else if (venue.CORRENTE == 0) {
        m_rippleAmplitude = 1.1f;
        m_ripplePeriod = 1.1f;
    } else if (venue.CORRENTE == 2 || venue.CORRENTE == 3) {
        m_rippleFactor = 80.0f;
    }
}

int CSfondo::RowShift(int i, int bandRows) const
{
    const double phaseAngle = double(m_ripplePhase) * 2.0 * 3.141592653589793 / 12.0;
    const float spatial = float(bandRows - i) * m_rippleFactor;
    const double angle = double(spatial) / double(i + 1) + phaseAngle;
    const double size = (double(bandRows) / double(m_ripplePeriod) + double(i)) * double(m_rippleAmplitude) /
                        double(bandRows);
    return int(std::sin(angle) * size);
}

void CSfondo::Render(plat::Device*)
{
    if (m_sprite && m_texture) {
        float c[4];
        g_Calendario.GetAmbientColour(c);
        const plat::Argb colour = plat::PackArgbRounded(c[3], c[0], c[1], c[2]);
        m_sprite->SetTransform(plat::MatrixIdentity());
        m_sprite->Draw(m_texture.get(), nullptr, {0.0f, 0.0f, 1.0f}, colour);
        const int t = m_texture->Height();
        const int w = m_texture->Width();
        const int bandRows = BandRows(t);
        // Each row of the band is copied from the row its ripple shifts it
        // to. Neighbouring rows shifted alike are one copy of several rows:
        // the same pixels for fewer draws.
        auto offsetOf = [&](int i) {
            const int shift = RowShift(i, bandRows);
            return i >= -shift ? shift : 0;
        };
        int first = 0, offset = bandRows > 0 ? offsetOf(0) : 0;
        for (int i = 1; i <= bandRows; ++i) {
            const int next = i < bandRows ? offsetOf(i) : offset + 1; // past the band: a run ends
            if (next == offset)
                continue;
            const int d = t - bandRows - 1 + first;
            const plat::Rect band{0, d - offset, w, d - offset + (i - first)};
            m_sprite->Draw(m_texture.get(), &band, {0.0f, float(d), m_depth}, colour);
            first = i;
            offset = next;
        }
    }
    RunTimer0();
}

void CSfondo::OnTimer0() { m_ripplePhase = (m_ripplePhase + 1) % 12; }

void CSfondo::OnLostDevice()
{
    CSprite::OnLostDevice();
    m_venuePhoto.OnLostDevice();
}

void CSfondo::OnResetDevice(plat::Device* dev)
{
    // The photo is read again after a reset; if it has gone meanwhile the
    // built-in picture takes its place, as at loading.
    if (m_deviceLost == 1 && m_fromResource != 1 && m_path[0]) {
        const std::string path = m_path;
        const int w = m_requestedW, h = m_requestedH;
        if (TryCreateFromFile(dev, path.c_str(), w, h) != 0) {
            LogError("Sfondo", Concat2("Venue picture cannot be read, built-in picture used: ", path.c_str()),
                     __LINE__);
            m_deviceLost = 0;
            CreateFromResource(dev, m_fallback, w, h);
            m_anchorX = 0;
            m_anchorY = 0;
            m_depth = 1.0f;
        }
        m_deviceLost = 0;
    } else {
        CSprite::OnResetDevice(dev);
    }
    m_venuePhoto.OnResetDevice(dev);
}
