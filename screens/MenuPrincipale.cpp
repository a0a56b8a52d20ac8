#include "screens/MenuPrincipale.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"

KARVELIN_GLOBAL(19) CMenuPrincipale g_MenuPrincipale;

void CMenuPrincipale::Load(plat::Device* dev)
{
    LoadMenuBackground(m_background, dev);
    m_picture.Reset(dev);
    m_picture.CreateFromResource(dev, kBitmapMainMenuPicture, 415, 560);
    m_picture.m_relative = 1;
}

void CMenuPrincipale::Render(plat::Device* dev)
{
    m_background.Draw(dev);
    m_picture.DrawAt(dev, 550, 280);
}

void CMenuPrincipale::OnLostDevice()
{
    m_background.OnLostDevice();
    m_picture.OnLostDevice();
}

void CMenuPrincipale::OnResetDevice(plat::Device* dev)
{
    m_background.OnResetDevice(dev);
    m_picture.OnResetDevice(dev);
}

// The nine buttons and the spinner are not built yet: a press would arm one
// of them and the release act on it.
void CMenuPrincipale::OnMouseDown() {}

void CMenuPrincipale::OnMouseUp() {}
