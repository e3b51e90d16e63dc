// A headless main window on the virtual clock, with the generated game folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "shell/frmZirimbo2012.h"
#include "toolkit/runtime.h"

struct MainWindowTest : ::testing::Test {
    tk::HeadlessRuntime h;
    std::unique_ptr<zirimbo::frmZirimbo2012> f;

    void SetUp() override {
        h.rt.startDirectory = ZIRIMBO_GAME_FOLDER;
        f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
    }
    void load() {
        f->Load();
        f->Show();
    }
};
