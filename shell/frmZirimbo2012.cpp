#include "form/frmZirimbo2012.h"

#include "toolkit/runtime.h"
#include "toolkit/seqfile.h"
#include "toolkit/text.h"

namespace zirimbo {

frmZirimbo2012::frmZirimbo2012(tk::Runtime& rt) : tk::Window(rt, "frmZirimbo2012") {
    Caption = "ZIRIMBO!";
    KeyPreview = true;
    setBackColor(colour::Panel);
    Dir1.Visible = false;
    lblPercorso.Visible = false;
    DesignBoard();
    DesignTables();
    DesignDie();
    DesignOptions();
    DesignTurnCycle();
    DesignMoveEvaluation();
    DesignComments();
    DesignComputerTurns();
    DesignStartUp();
}

std::string frmZirimbo2012::GamePath(const std::string& relativePath) const {
    return lblPercorso.Caption.get() + relativePath;
}

std::string frmZirimbo2012::LoadPicture(const std::string& relativePath) const {
    if (relativePath.empty()) return {};
    return tk::LoadPicture(GamePath(relativePath));
}

void frmZirimbo2012::DesignOptions() {
    // Design values: the defaults until the options file is read.
    for (int i = 0; i <= 6; ++i) lblVoceOpzione(i).Visible = false;
    for (Option o : {Option::Characters, Option::Effects, Option::AutoMove, Option::Voices}) SetOption(o, true);
    SetMusic(MusicMode::Always);
    SetSpeed(GameSpeed::Normal);
    lblVoceOpzione(6).Caption = "";
}

// Start-up: everything is ready, under the splash, before the window is first shown.
void frmZirimbo2012::Form_Load() {
    // One seeding for the whole run: every draw of the game follows from it.
    runtime().Randomize();
    lblPercorso.Caption = Dir1.Path.get();
    tk::removeSaveLeftovers(GamePath("\\Dati"));
    ReadPlayerName();
    LoadOptions();
    LoadScoreboard();
    ShowScoreboardPictures();
    ImgSplash.Picture = LoadPicture("\\Fumetti\\G05.gif");
    for (int k = 1; k <= 8; ++k) ImgLogo(k).Picture = LoadPicture("\\Grafica\\logo" + tk::Str(k) + ".jpg");
    GiveSoundChannelsTheirFiles();
    PlacePanels();
    // A screen of the design's width keeps the design layout.
    if (static_cast<float>(runtime().screen.Width) != 15360.0f) ScaleControlsToScreen();
    FitWindowToScreen();
    lblSpiegazioni.Caption = "Clicca su REG per leggere le regole oppure sul dado per iniziare subito!";
    WriteExitPanelTexts();
    cmdVisualizzaPedine_Click();
    LoadPanelPictures();
    ChooseFarewellCharacter();
    LoadRematchAndBarPictures();
    LoadBoardTiles();
    // Enter does nothing under the splash until the name box takes the focus.
    SetFocus(FraSplash);
    TmrTobelioZanvuti.Enabled = true;
}

}  // namespace zirimbo
