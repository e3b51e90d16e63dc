// A main window on the virtual clock with the generated game folder, not loaded
// (no intro, no start-up draws), for the characters' comments.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "form/frmZirimbo2012.h"
#include "toolkit/runtime.h"

struct CommentTest : ::testing::Test {
    tk::HeadlessRuntime h;
    std::unique_ptr<zirimbo::frmZirimbo2012> f;

    void SetUp() override {
        h.rt.startDirectory = ZIRIMBO_GAME_FOLDER;
        f = std::make_unique<zirimbo::frmZirimbo2012>(h.rt);
        f->lblPercorso.Caption = f->Dir1.Path.get();
        f->GiveSoundChannelsTheirFiles();
        f->lblVoceOpzione(0).Caption = "Sì";
        f->lblVoceOpzione(4).Caption = "Sì";
        h.audio.clear();
    }

    // Every order says its lines in their own order: position i holds line i.
    void straightOrders() {
        for (int c = 1; c <= 11; ++c)
            for (int i = 1; i <= zirimbo::frmZirimbo2012::CommentLineCount(c); ++i)
                f->LineOrderOf(c)(i).Caption = std::to_string(i);
    }
    void setOrder(int category, const std::vector<int>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            f->LineOrderOf(category)(static_cast<int>(i) + 1).Caption = std::to_string(lines[i]);
    }
    // Queues the number that makes the next draw from 1..k give `value` at the clock's present second.
    void script(int value, int k) {
        const tk::LocalTime t = h.clock.localTime();
        h.scripted.push(tk::randomFor(value, t.minute, t.second, k));
    }
    // The picture a control shows when given the game-folder file `rel`.
    std::string picture(const std::string& rel) const { return f->LoadPicture(rel); }
    std::string voiceFile(const std::string& rel) const { return f->GamePath(rel); }
    std::string text(const tk::Label& l) const { return l.Caption.get(); }
    // The commands that reached a channel's player, without the channel's name.
    std::vector<std::string> log(const std::string& channel) const {
        return h.audio.commands(channel);
    }
    int plays(const std::string& channel) const {
        int n = 0;
        for (const auto& l : h.audio.plays())
            if (l.rfind(channel + " Play", 0) == 0) ++n;
        return n;
    }
    bool menuButtonsShown() const {
        return f->lblScrittaPulsanti(1).Visible.get() && f->lblScrittaPulsanti(2).Visible.get() &&
               f->Shape3(1).Visible.get() && f->Shape3(2).Visible.get() && f->lblPulsante(1).Visible.get() &&
               f->lblPulsante(2).Visible.get() && f->ShpVari(17).Visible.get();
    }
    bool menuButtonsHidden() const {
        return !f->lblScrittaPulsanti(1).Visible.get() && !f->lblScrittaPulsanti(2).Visible.get() &&
               !f->Shape3(1).Visible.get() && !f->Shape3(2).Visible.get() && !f->lblPulsante(1).Visible.get() &&
               !f->lblPulsante(2).Visible.get() && !f->ShpVari(17).Visible.get();
    }
};
