#pragma once
// Tests of the tackle the game ships: the tackle fixture reading the real
// data folder, with a headless 800 x 600 device that the pictures load on.
#include "platform/Device.h"
#include "platform/Files.h"
#include "shell/Graphics.h"
#include "tests/simulation/tackle/TackleFixture.h"

#include <memory>
#include <string>

namespace tackle_test {

class ShippedTackleTest : public TackleTest {
protected:
    void SetUp() override
    {
        TackleTest::SetUp();
        plat::SetProgramFolderForTests(std::string(KARVELIN_SOURCE_DIR) + "/data");
        g_GestFile.Init();
        int st = 0;
        dev = plat::Device::CreateHeadless(800, 600, &st);
        ASSERT_TRUE(dev);
        g_pDevice = dev.get();
    }
    void TearDown() override
    {
        g_pDevice = nullptr;
        TackleTest::TearDown();
    }
    std::unique_ptr<plat::Device> dev;
};

} // namespace tackle_test
