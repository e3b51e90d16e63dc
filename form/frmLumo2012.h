// The edition information window, shown after the player has left the game: the
// author, the edition's project, the web address and the e-mail address, and one
// button that closes it, which ends the program.
#pragma once

#include <string>

#include "toolkit/controls.h"
#include "toolkit/window.h"

namespace zirimbo {

class frmLumo2012 : public tk::Window {
public:
    // `gameFolder` holds the window's two pictures (the author and the emblem).
    frmLumo2012(tk::Runtime& rt, std::string gameFolder);

    void Form_Load() override;

    // Controls, from back to front.
    tk::ControlArray<tk::Shape> ShpLumo{*this, "ShpLumo", 0, 3};
    tk::Image ImgTobiZanvt{*this, "ImgTobiZanvt"};
    tk::ControlArray<tk::Label> lbl2012Lumo{*this, "lbl2012Lumo", 0, 4};
    tk::Image ImgLumo{*this, "ImgLumo"};
    tk::ControlArray<tk::TextBox> TxtLumo{*this, "TxtLumo", 0, 2};
    tk::CommandButton cmdEsciLumo{*this, "cmdEsciLumo"};
    tk::CommandButton cmdSetFocus{*this, "cmdSetFocus"};

    void cmdEsciLumo_Click();

    // The texts the window shows.
    static const char* Biography();
    static std::string ProjectDescription();
    static const char* Invitation();

private:
    void Design();
    std::string folder_;
};

}  // namespace zirimbo
