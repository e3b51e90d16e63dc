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

    // ---- Shell controls used by the turn cycle ----
    // The message line with its background shape, the character portrait, the
    // bottom buttons with their panels, the scoreboard rows, the rematch box and the
    // timers of the end of a game. Their own procedures belong to the shell; the
    // turn cycle reads and writes them.
    ControlArray<Shape> ShpForme{*this, "ShpForme", 0, 0};
    Label lblSpiegazioni{*this, "lblSpiegazioni"};
    Label lblCopiaSpiegazione{*this, "lblCopiaSpiegazione"};
    Image ImgPersonaggio{*this, "ImgPersonaggio"};
    Label lblNomeGiocatore{*this, "lblNomeGiocatore"};
    ControlArray<Shape> Shape3{*this, "Shape3", 0, 3};
    ControlArray<Shape> ShpVari{*this, "ShpVari", {17, 19}};
    ControlArray<Label> lblScrittaPulsanti{*this, "lblScrittaPulsanti", 0, 3};
    ControlArray<Label> lblPulsante{*this, "lblPulsante", 0, 3};
    Timer TmrRicompareSpiegazione{*this, "TmrRicompareSpiegazione"};
    ControlArray<Frame> FraPannello{*this, "FraPannello", 0, 3};
    // Scoreboard rows 1 to 4 (on FraPannello(1)); elements 0 to 3 of a row's
    // shapes carry the row's player colour, element 4 the face's background.
    ControlArray<Shape> Shp1SfondoClass{*this, "Shp1SfondoClass", 0, 4};
    ControlArray<Shape> Shp2SfondoClass{*this, "Shp2SfondoClass", 0, 4};
    ControlArray<Shape> Shp3SfondoClass{*this, "Shp3SfondoClass", 0, 4};
    ControlArray<Shape> Shp4SfondoClass{*this, "Shp4SfondoClass", 0, 4};
    ControlArray<Image> ImgVarie{*this, "ImgVarie", {5, 10}};
    ControlArray<Label> lblPosizioneClass{*this, "lblPosizioneClass", 1, 4};
    ControlArray<Label> lblNomeClass{*this, "lblNomeClass", 1, 4};
    ControlArray<Label> lblVinte{*this, "lblVinte", 1, 4};
    ControlArray<Label> lblData{*this, "lblData", 1, 4};
    Label lblPosizione{*this, "lblPosizione"};
    Label lblLampeggiaLogo{*this, "lblLampeggiaLogo"};
    ControlArray<Label> lblPartiteVinte{*this, "lblPartiteVinte", 1, 4};
    // The rematch box: prompt, character picture and the NUOVA PARTITA button.
    Frame FraRicomincia{*this, "FraRicomincia"};
    ControlArray<Label> lblVarie{*this, "lblVarie", {33, 34}};
    Label lblNuovaPartita{*this, "lblNuovaPartita"};
    Timer TmrLampeggiaVittoria{*this, "TmrLampeggiaVittoria"};
    Timer TmrLampeggiaLogo{*this, "TmrLampeggiaLogo"};
    Timer TmrPannelloVittoria{*this, "TmrPannelloVittoria"};
    Timer TmrMusiche{*this, "TmrMusiche"};
    Timer TmrVerdi{*this, "TmrVerdi"};

    // ---- Turn cycle and the human's moves ----
    // Timers of the roll, the turn hub, the human's exit and the automatic move.
    Timer TimerDado{*this, "TimerDado"};
    Timer TmrAspettaDado{*this, "TmrAspettaDado"};
    Timer TmrRiprendeIlGioco{*this, "TmrRiprendeIlGioco"};
    Timer TmrRiprendeRossoDopoVerde{*this, "TmrRiprendeRossoDopoVerde"};
    Timer TmrTornaZirimbo{*this, "TmrTornaZirimbo"};
    Timer TmrGiocaAutomatico{*this, "TmrGiocaAutomatico"};

    // Developer views (hidden frames holding the state tables) and their buttons.
    // FraPunteggio and FraCasuale hold the move evaluation's and the comments' tables.
    Frame FraCaselle{*this, "FraCaselle"};
    Frame FraMossa{*this, "FraMossa"};
    Frame fraEstrazione{*this, "fraEstrazione"};
    Frame FraCervello{*this, "FraCervello"};
    Frame FraPunteggio{*this, "FraPunteggio"};
    Frame FraCasuale{*this, "FraCasuale"};
    ControlArray<Label> lblScritteMossa{*this, "lblScritteMossa", 0, 1};  // "Pedine Giocabili:", "Mosse Possibili:"
    CommandButton cmdCancellaPedine{*this, "cmdCancellaPedine"};
    CommandButton cmdReinizializzaTabella{*this, "cmdReinizializzaTabella"};
    CommandButton cmdVisualizzaPedine{*this, "cmdVisualizzaPedine"};
    CommandButton cmdLanciaDado{*this, "cmdLanciaDado"};
    CommandButton cmdFermaDado{*this, "cmdFermaDado"};
    CommandButton cmdTrovaNumeri{*this, "cmdTrovaNumeri"};
    CommandButton cmdTrovaSegnalini{*this, "cmdTrovaSegnalini"};

    // Design values and events of the turn cycle's controls (game/turn_cycle_design.cpp).
    void DesignTurnCycle();
    void DesignShellControls();
    void DesignDeveloperViews();

    // State tables: clearing the candidate-move table, the playable flags and the board.
    void ClearCandidateTable();
    void ResetCandidatesAndPlayableFlags();
    void ResetBoardForNewGame();

    // The die (game/die.cpp).
    void ImgDado_Click();
    void cmdGioca_Click();
    void cmdTrovaNumeri_Click();
    void StartDieRoll();
    void MaybeForceSix();
    void TimerDado_Timer();
    void DrawDieFace();
    void cmdLanciaDado_Click();
    void cmdFermaDado_Click();

    // The turn hub and red's prompt (game/turn_hub.cpp).
    void TmrAspettaDado_Timer();
    void PromptRedTurn();   // empties the candidate table, shows the menu buttons, then red's prompt
    void ShowRedPrompt();   // red's prompt itself: message, die clickable and red, red rolls next
    void TmrRiprendeIlGioco_Timer();
    void TmrRiprendeRossoDopoVerde_Timer();

    // The candidate-move rule, the same for every colour (game/candidates.cpp).
    // Appends the board rows of `pawn` standing on `cell` for the die value in
    // lblNumeroDado: the path target read from the colour's path table `path`
    // (lblPerR, lblPerB, lblPerG or lblPerV) and, when the move would leave the ring
    // the pawn stands on, a second row to the cell as many places further round
    // that ring (lblSecondo). Rows go after the count in lblPed(0)/lblPos(0).
    void AddCandidateRows(int pawn, int cell, ControlArray<Label>& path);
    // Appends the entry row of parked pawn `pawn` onto `startCell` (border 1).
    void AddEntryCandidateRow(int pawn, int startCell);
    // Classifies rows 1..count by what stands on their target (own pawns are
    // firstPawn..firstPawn + 3), marks the playable rows red, counts them in
    // lblMossePossibili, and counts the pawns with a playable row in lblPedineGiocabili.
    void ClassifyCandidateRows(int firstPawn);
    // The whole table for one colour: the board scan, the entry of the lowest parked
    // pawn on a 6, the classes and counts. Returns the parked pawn offered (0 none).
    int BuildCandidateTable(int firstPawn, ControlArray<Label>& path, int startCell);
    // Red's turn after the roll: candidates, flags, the 'X' marks and the prompt.
    void PrepareRedTurn();
    void cmdTrovaSegnalini_Click();
    void MarkPlayableRedPawns();
    // Closes the open bottom panel (the one whose button circle is white).
    void CloseOpenPanel();

    // The two clicks of the human's move (game/red_clicks.cpp).
    void ImgGif_Click(int Index);
    void ImgPartenza_Click(int Index);
    void CancelPawnSelection();
    void RedrawTargetCells();
    void ResetClickState();
    void RefuseRedPawnClick();
    void TmrRicompareSpiegazione_Timer();

    // The human's move, exit and victory (game/red_move.cpp, game/red_exit.cpp).
    void ExecuteRedMove();
    void TakePawnFromParking();
    void TmrTornaZirimbo_Timer();

    // The automatic move (game/auto_move.cpp).
    void TmrGiocaAutomatico_Timer();
    void PlayMarkedMoveByClicks();

    // A new game (game/new_game.cpp).
    void lblNuovaPartita_Click();

    // Developer aids (game/developer_aids.cpp).
    void cmdCancellaPedine_Click();
    void cmdReinizializzaTabella_Click();
    void lblCaselle_Click(int Index);
    void lblPedine_Click(int Index);
    void lblNumeroDado_Click();
    void ResetBoardLabelColours();
    void lblTurnoDiGioco_Click();

    // The die quips (comments/die_quips.cpp).
    void ShowDieQuip();
    static const char* DieQuip(int key);  // quip 1 to 80

    // Stand-ins for parts of the game built later (computer_turn/, comments/,
    // shell/placeholders.cpp); each says there what replaces it.
    void PrepareBobTurn();
    void PrepareGiorgettoTurn();
    void PrepareCarlaTurn();
    void CommentBobHopeForSix();
    void CommentGiorgettoHopeForSix();
    void CommentCarlaHopeForSix();
    void CommentBobWasEatenByRed();
    void CommentGiorgettoWasEatenByRed();
    void CommentCarlaWasEatenByRed();
    void ShowRedWinsBubble();
    void ShowMenuButtons();
    void cmdCambiaClassifica_Click();
    void cmdProssimoBrano_Click();
    void TmrPannelloVittoria_Timer();
    void TmrLampeggiaVittoria_Timer();
    void TmrLampeggiaLogo_Timer();

    // ---- Move evaluation and the characters' choices ----
    // The scratch board on which a character plays each candidate move, each
    // pawn's score and threat count there, each player's total and the rating of
    // every row; they sit in the developer view FraPunteggio.
    ControlArray<Label> lbl2Caselle{*this, "lbl2Caselle", 1, 36};
    ControlArray<Label> lbl2Pedine{*this, "lbl2Pedine", 1, 16};
    ControlArray<Label> lbl2Uscite{*this, "lbl2Uscite", 1, 16};
    ControlArray<Label> lblPunteggio{*this, "lblPunteggio", 1, 16};
    ControlArray<Label> lblMinacce{*this, "lblMinacce", 1, 16};
    ControlArray<Label> lblTotale{*this, "lblTotale", 1, 4};
    ControlArray<Label> lblAnalisi{*this, "lblAnalisi", 0, 8};
    Label lblContaAnalisi{*this, "lblContaAnalisi"};
    CommandButton cmdAnalisiPunteggio{*this, "cmdAnalisiPunteggio"};
    // The two tactic draws of the last choice (light green low, red high) and the
    // pawn that its last eating row takes: number, cell and value.
    Label lblSceltaTattica{*this, "lblSceltaTattica"};
    Label lblSceltaTattica2{*this, "lblSceltaTattica2"};
    Label lblPedinaMangiataColore{*this, "lblPedinaMangiataColore"};
    Label lblPedinaMangiataPosizione{*this, "lblPedinaMangiataPosizione"};
    Label lblValorePedinaMangiata{*this, "lblValorePedinaMangiata"};
    // The computer players' move timers (Bob, Giorgetto, Carla).
    Timer TmrMossaBlu3{*this, "TmrMossaBlu3"};
    Timer TmrMossaGiallo3{*this, "TmrMossaGiallo3"};
    Timer TmrMossaVerde3{*this, "TmrMossaVerde3"};

    // Design values and events of the move evaluation (ai/evaluation_design.cpp).
    void DesignMoveEvaluation();
    // Scoring of the scratch board and the value of an eaten pawn (ai/move_choice.cpp).
    void ScorePawnPositions();
    void ComputeEatenPawnValue();
    void cmdAnalisiPunteggio_Click();
    // The characters' move choices: lblScelta and the move timer.
    void ChooseBobMove();
    void ChooseGiorgettoMove();
    void ChooseCarlaMove();
    // The computer players' candidate moves after their roll (computer_turn/candidates.cpp).
    void FindBobCandidateMoves();
    void FindGiorgettoCandidateMoves();
    void FindCarlaCandidateMoves();
    // Carries out the chosen row at once, without animation (ai/computer_move_placeholder.cpp).
    // Replaced by the animated computer move.
    void CarryOutChosenComputerMove(int player);

private:
    void DesignBoard();
    void DesignTables();
    void DesignDie();
    void DesignOptions();
};

}  // namespace zirimbo
