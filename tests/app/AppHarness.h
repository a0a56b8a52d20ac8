#pragma once
// Drives the real application in-process: the program starts in temporary
// folders on SDL's dummy video driver, messages are injected into its queue
// and handled by the real window procedure, frames run on demand, and the
// back buffer can be read.
#include "app/AppFish.h"
#include "platform/Window.h"
#include "tests/support/TempFolders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The program's entry steps up to the end of the initialisation.
    int Start();
    // Handles every waiting message with the window procedure; true when the
    // quit message was taken.
    bool Dispatch();
    bool Send(const plat::WindowMessage& m);
    bool Key(int key);
    void Frame(int count = 1);
    int Screen() const;
    plat::Argb Pixel(int x, int y) const;
    std::string Settings() const; // the settings file's text
    // Steps recorded since the last call.
    std::vector<std::string> TakeTrace();

    testing_support::TempFolders folders;
    std::vector<std::string> trace;
    int quitCode = -1;
    bool started = false;
};

plat::WindowMessage MakeMessage(plat::MessageKind kind);
