#include "shell/frmZirimbo2012.h"

#include "toolkit/runtime.h"

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
    const char* values[] = {"Sì", "Sì", "Sì", "Sempre", "Sì", "Normale", ""};
    for (int i = 0; i <= 6; ++i) {
        lblVoceOpzione(i).Caption = values[i];
        lblVoceOpzione(i).Visible = false;
    }
}

// Start-up, short version: the game folder, the sound channels, the pawns and the board.
void frmZirimbo2012::Form_Load() {
    runtime().Randomize();
    lblPercorso.Caption = Dir1.Path.get();
    GiveSoundChannelsTheirFiles();
    // The first prompt; the die is clickable from the start, so the first click rolls for red.
    lblSpiegazioni.Caption = "Clicca su REG per leggere le regole oppure sul dado per iniziare subito!";
    cmdVisualizzaPedine_Click();
    LoadBoardTiles();
}

}  // namespace zirimbo
