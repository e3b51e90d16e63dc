#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/controls.h"
#include "toolkit/runtime.h"
#include "toolkit/window.h"

namespace {

struct DemoWindow : tk::Window {
    explicit DemoWindow(tk::Runtime& rt) : tk::Window(rt, "demo") {}
    tk::Shape shape{*this, "shape"};
    tk::Image picture{*this, "picture"};
    tk::Label clickArea{*this, "clickArea"};  // transparent label over the picture
    tk::Frame panel{*this, "panel"};
    tk::Label inPanel{*this, "inPanel"};
    tk::ControlArray<tk::Label> cells{*this, "cells", 1, 3};
    tk::TextBox name{*this, "name"};
    tk::CommandButton go{*this, "go"};
    tk::CommandButton other{*this, "other"};
};

struct WindowTest : ::testing::Test {
    tk::HeadlessRuntime h;
    DemoWindow w{h.rt};
    std::vector<std::string> events;
    void SetUp() override {
        w.shape.Move(0, 0, 3000, 3000);
        w.picture.Move(0, 0, 1500, 1500);
        w.clickArea.Move(0, 0, 1500, 1500);
        w.clickArea.BackStyle = 0;
        w.panel.Move(5000, 5000, 2000, 2000);
        w.inPanel.Move(100, 100, 500, 500);  // relative to the panel
        w.inPanel.Container = &w.panel;
        for (int i = 1; i <= 3; ++i) w.cells(i).Move(10000 + 1000 * i, 0, 1000, 1000);
        w.name.Move(0, 9000, 3000, 400);
        w.go.Move(70000, 70000, 105, 240);
        w.picture.onClick = [this](int) { events.push_back("picture"); };
        w.clickArea.onClick = [this](int) { events.push_back("clickArea"); };
        w.inPanel.onClick = [this](int) { events.push_back("inPanel"); };
        w.cells.setOnClick([this](int i) { events.push_back("cell" + std::to_string(i)); });
        w.go.onClick = [this](int) { events.push_back("go"); };
        w.other.onClick = [this](int) { events.push_back("other"); };
    }
    void click(int x, int y) {
        w.mouseDown(x, y);
        w.mouseUp(x, y);
    }
};

TEST_F(WindowTest, ClickGoesToTheFrontmostVisibleEnabledControlThatHandlesIt) {
    click(100, 100);
    EXPECT_EQ(events, (std::vector<std::string>{"clickArea"}));
    w.clickArea.Visible = false;
    click(100, 100);
    w.picture.Enabled = false;
    click(100, 100);  // only the shape is left: shapes take no mouse
    click(2500, 2500);
    EXPECT_EQ(events, (std::vector<std::string>{"clickArea", "picture"}));
}

TEST_F(WindowTest, ControlArraysPassTheElementIndex) {
    click(12500, 500);
    click(13999, 999);
    EXPECT_EQ(events, (std::vector<std::string>{"cell2", "cell3"}));
    EXPECT_THROW(w.cells(0), std::out_of_range);
    EXPECT_EQ(w.cells.LBound(), 1);
    EXPECT_EQ(w.cells.UBound(), 3);
}

TEST_F(WindowTest, FramePositionsItsControlsAndHidesThem) {
    EXPECT_EQ(w.inPanel.absLeft(), 5100);
    click(5200, 5200);
    w.panel.Visible = false;
    EXPECT_FALSE(w.inPanel.shown());
    click(5200, 5200);
    EXPECT_EQ(events, (std::vector<std::string>{"inPanel"}));
}

TEST_F(WindowTest, AVisibleFrameStopsClicksToWhatLiesBehindIt) {
    w.cells(1).Move(5000, 5000, 2000, 2000);  // under the panel
    click(6800, 6800);
    EXPECT_TRUE(events.empty());
}

TEST_F(WindowTest, ClickNeedsTheReleaseOverTheSameControl) {
    w.mouseDown(12500, 500);
    w.mouseUp(13500, 500);
    EXPECT_TRUE(events.empty());
}

TEST_F(WindowTest, DrawingOrderPutsLightControlsBehindHeavyOnesPerContainer) {
    auto order = w.drawingOrder();
    auto pos = [&](const tk::Control& c) { return std::find(order.begin(), order.end(), &c) - order.begin(); };
    EXPECT_LT(pos(w.shape), pos(w.picture));
    EXPECT_LT(pos(w.picture), pos(w.clickArea));
    EXPECT_LT(pos(w.cells(3)), pos(w.panel));
    EXPECT_EQ(pos(w.inPanel), pos(w.panel) + 1);
    EXPECT_LT(pos(w.panel), pos(w.name));
}

TEST_F(WindowTest, KeyPreviewSeesEnterBeforeTheFocusedButtonWhichIsPressed) {
    w.KeyPreview = true;
    w.onKeyDown = [this](int key, int) { events.push_back("form" + std::to_string(key)); };
    w.SetFocus(w.go);
    w.keyDown(13);
    EXPECT_EQ(events, (std::vector<std::string>{"form13", "go"}));
    events.clear();
    w.go.Enabled = false;  // a disabled button is not pressed
    w.other.TabIndex = 3;
    w.keyDown(13);
    EXPECT_EQ(events, (std::vector<std::string>{"form13", "other"}));
}

TEST_F(WindowTest, TypingGoesToTheFocusedTextBoxAndRefusesWhatTheCodePageCannotHold) {
    w.SetFocus(w.name);
    w.textInput("Lù");
    w.textInput("你");
    w.textInput("€");
    EXPECT_EQ(w.name.Text.get(), "Lù€");
    w.keyDown(8);
    w.keyDown(8);
    EXPECT_EQ(w.name.Text.get(), "L");
    w.name.Locked = true;
    w.textInput("x");
    EXPECT_EQ(w.name.Text.get(), "L");
}

TEST_F(WindowTest, ChangesMarkTheWindowForRedrawOnlyWhenAValueChanges) {
    w.takeDirty();
    w.cells(1).Caption = "";
    EXPECT_FALSE(w.takeDirty());
    w.cells(1).Caption = "5";
    EXPECT_TRUE(w.takeDirty());
    EXPECT_FALSE(w.takeDirty());
}

TEST_F(WindowTest, UnloadingTheLastWindowEndsTheProgramAndStopsItsTimers) {
    tk::Timer t{w, "t"};
    w.Show();
    t.Interval = 10;
    t.Enabled = true;
    w.Unload();
    EXPECT_FALSE(t.Enabled);
    EXPECT_TRUE(h.rt.finished());
    EXPECT_EQ(h.rt.activeWindow(), nullptr);
}

}  // namespace
