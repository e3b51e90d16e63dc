// A main window on the virtual clock with the generated game folder, not loaded
// (no intro, no start-up draws), for the characters' comments.
#pragma once

#include <string>
#include <vector>

#include "form/various.h"
#include "tests/support/game_fixture.h"

struct CommentTest : GameTest {
    void SetUp() override { open({.soundChannels = true, .optionsOn = {0, 4}, .clearAudio = true}); }

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
    // The picture a control shows when given the game-folder file `rel`.
    std::string picture(const std::string& rel) const { return f->LoadPicture(rel); }
    std::string voiceFile(const std::string& rel) const { return f->GamePath(rel); }
    // The commands that reached a channel's player, without the channel's name.
    std::vector<std::string> log(const std::string& channel) const { return h.audio.commands(channel); }
    bool menuButtonsShown() const {
        return f->lblScrittaPulsanti(1).Visible.get() && f->lblScrittaPulsanti(2).Visible.get() &&
               f->Shape3(1).Visible.get() && f->Shape3(2).Visible.get() && f->lblPulsante(1).Visible.get() &&
               f->lblPulsante(2).Visible.get() && f->ShpVari(zirimbo::various::kMenuBar).Visible.get();
    }
    bool menuButtonsHidden() const {
        return !f->lblScrittaPulsanti(1).Visible.get() && !f->lblScrittaPulsanti(2).Visible.get() &&
               !f->Shape3(1).Visible.get() && !f->Shape3(2).Visible.get() && !f->lblPulsante(1).Visible.get() &&
               !f->lblPulsante(2).Visible.get() && !f->ShpVari(zirimbo::various::kMenuBar).Visible.get();
    }
};
