// The main window of the game. It owns every control, every state table, every
// timer and every procedure of the game; the procedures live in the folder of
// the part of the game they belong to (game/, ai/, computer_turn/, comments/, shell/).
#pragma once

#include <string>

#include "toolkit/controls.h"
#include "toolkit/window.h"

namespace zirimbo {

using tk::CommandButton;
using tk::ControlArray;
using tk::DirListBox;
using tk::Frame;
using tk::Image;
using tk::Label;
using tk::Shape;
using tk::SoundChannel;
using tk::TextBox;
using tk::Timer;

// Colours of the game (blue-green-red).
namespace colour {
constexpr tk::Color Red = 0x0000FF;
constexpr tk::Color White = 0xFFFFFF;
constexpr tk::Color Black = 0x000000;
constexpr tk::Color Grey = 0x808080;
constexpr tk::Color Panel = 0xD7F7FD;  // the window and panel background during a game
constexpr tk::Color DieBob = 0xFF9400;
constexpr tk::Color DieGiorgetto = 0x00FFFF;
constexpr tk::Color DieCarla = 0x00C000;
}  // namespace colour

// The tile picture of a board cell ("\\Grafica\\1R.jpg" for cell 1).
std::string TileFileOfCell(int cell);

class frmZirimbo2012 : public tk::Window {
public:
    explicit frmZirimbo2012(tk::Runtime& rt);

    void Form_Load() override;

    // ---- Controls, in design drawing order (later ones lie in front). ----

    // The game folder, from the directory list.
    DirListBox Dir1{*this, "Dir1"};
    Label lblPercorso{*this, "lblPercorso"};

    // The board: side strips, tiles and the pawn picture of every cell;
    // ImgGif(0) and ImgGif(37) are hidden dummies (no cell, parking square).
    ControlArray<Image> ImgLato{*this, "ImgLato", 1, 2};
    ControlArray<Image> ImgTessera{*this, "ImgTessera", 1, 36};
    ControlArray<Image> ImgGif{*this, "ImgGif", 0, 37};
    ControlArray<Image> ImgPartenza{*this, "ImgPartenza", 1, 16};
    ControlArray<Image> ImgDadiUsciti{*this, "ImgDadiUsciti", 1, 16};

    // The die: body, pips, the click area laid over it and the off-screen Enter button.
    Shape ShpDado{*this, "ShpDado"};
    ControlArray<Shape> ShpPuntoDado{*this, "ShpPuntoDado", 0, 6};
    Image ImgDado{*this, "ImgDado"};
    CommandButton cmdGioca{*this, "cmdGioca"};

    // Board state tables (hidden labels; their design texts are the initial values).
    ControlArray<Label> lblCaselle{*this, "lblCaselle", 0, 37};
    ControlArray<Label> lblPedine{*this, "lblPedine", 1, 16};
    ControlArray<Label> lblUscite{*this, "lblUscite", 1, 16};
    ControlArray<Label> lblDadiUsciti{*this, "lblDadiUsciti", 1, 4};
    Label lblNumeroDado{*this, "lblNumeroDado"};
    Label lblTurnoDiGioco{*this, "lblTurnoDiGioco"};
    Label lblPuoiGiocare{*this, "lblPuoiGiocare"};
    Label lblPedineInGioco{*this, "lblPedineInGioco"};

    // Path tables of the four colours (steps 1 to 42) and the ring-continuation table.
    ControlArray<Label> lblPerR{*this, "lblPerR", 1, 42};
    ControlArray<Label> lblPerB{*this, "lblPerB", 1, 42};
    ControlArray<Label> lblPerG{*this, "lblPerG", 1, 42};
    ControlArray<Label> lblPerV{*this, "lblPerV", 1, 42};
    ControlArray<Label> lblSecondo{*this, "lblSecondo", 1, 44};

    // Candidate-move table: rows 1 to 8, the row count in element 0.
    ControlArray<Label> lblPed{*this, "lblPed", 0, 8};
    ControlArray<Label> lblPos{*this, "lblPos", 0, 8};
    ControlArray<Label> lblFinale{*this, "lblFinale", 0, 8};
    Label lblMossePossibili{*this, "lblMossePossibili"};
    Label lblPedineGiocabili{*this, "lblPedineGiocabili"};
    Label lblScelta{*this, "lblScelta"};

    // Click state of the human's move.
    Label lblFaseMossa{*this, "lblFaseMossa"};
    Label lblPedinaCliccata{*this, "lblPedinaCliccata"};
    Label lblCasellaCliccata{*this, "lblCasellaCliccata"};
    ControlArray<Label> lblIcs{*this, "lblIcs", 1, 2};
    ControlArray<Label> lblLineaMossa{*this, "lblLineaMossa", 0, 2};
    Label lblIndex{*this, "lblIndex"};
    Label lblMangia{*this, "lblMangia"};
    Label lblAuto{*this, "lblAuto"};

    // Working state of a roll.
    ControlArray<Label> lblEstrazioni{*this, "lblEstrazioni", 0, 13};
    Label lblNumeroEstrazione{*this, "lblNumeroEstrazione"};
    Label lblNumeroCasuale{*this, "lblNumeroCasuale"};
    Label lblNumeroEstrazioni{*this, "lblNumeroEstrazioni"};
    Label lblContatoreEstrazioni{*this, "lblContatoreEstrazioni"};
    Label lblSpia{*this, "lblSpia"};

    // The option table: the values as the options panel shows them.
    ControlArray<Label> lblVoceOpzione{*this, "lblVoceOpzione", 0, 6};

    // Sound channels, in the order start-up gives them their files.
    SoundChannel mmcBob{*this, "mmcBob"};
    SoundChannel mmcCarla{*this, "mmcCarla"};
    SoundChannel mmcDado{*this, "mmcDado"};
    SoundChannel mmcDemoMid{*this, "mmcDemoMid"};
    SoundChannel mmcDeng{*this, "mmcDeng"};
    SoundChannel mmcEsceRosso{*this, "mmcEsceRosso"};
    SoundChannel mmcGiorgetto{*this, "mmcGiorgetto"};
    SoundChannel mmcMossa{*this, "mmcMossa"};
    SoundChannel mmcMusiche{*this, "mmcMusiche"};
    SoundChannel mmcPedina{*this, "mmcPedina"};
    SoundChannel mmcSfoglia{*this, "mmcSfoglia"};
    SoundChannel mmcTic{*this, "mmcTic"};
    SoundChannel mmcVinceRosso{*this, "mmcVinceRosso"};

    // ---- Procedures. ----

    // Board drawing (game/).
    void cmdVisualizzaPedine_Click();

    // Start-up pieces (shell/).
    void LoadBoardTiles();
    void GiveSoundChannelsTheirFiles();

    // Sound channel orders and option gates (shell/sound_channels.cpp).
    void ReplayEffect(SoundChannel& ch);        // "Open", "Prev", "Play" when sound effects are on
    void ReplayEffectAlways(SoundChannel& ch);  // the same whatever the option says
    void SwitchChannelFile(SoundChannel& ch, const std::string& relativePath);  // "Prev", "Close", new file
    void StartChannel(SoundChannel& ch);        // "Open", "Play"
    void StopChannel(SoundChannel& ch);         // "Prev", "Close"
    void ReplayLoadedPiece(SoundChannel& ch);   // "Prev", "Close", "Open", "Play" with the same file
    // A voice line: switch the file always, play only when voices are on.
    void SpeakLine(SoundChannel& voice, const std::string& relativePath);

    // The game folder followed by a relative path ("\Pedine\R1.gif").
    std::string GamePath(const std::string& relativePath) const;
    // The picture of a game-folder file ("" gives the empty picture).
    std::string LoadPicture(const std::string& relativePath) const;

private:
    void DesignBoard();
    void DesignTables();
    void DesignDie();
    void DesignOptions();
};

}  // namespace zirimbo
