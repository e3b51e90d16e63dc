// The main window of the game. It owns every control, every state table, every
// timer and every procedure of the game; the procedures live in the folder of
// the part of the game they belong to (game/, ai/, computer_turn/, comments/, shell/).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "form/state.h"
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
}  // namespace colour

class frmLumo2012;  // the edition information window (info_screen/frmLumo2012.h)

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

    // ---- Typed readings of the state captions (form/typed_state.cpp). ----
    // The captions stay the storage, with their exact texts; these say what they mean.
    bool OptionOn(Option o) const;  // a two-valued option reads "Sì"
    void SetOption(Option o, bool on);
    MusicMode Music() const;
    bool MusicOn() const { return Music() != MusicMode::Off; }
    void SetMusic(MusicMode mode);  // Other leaves the caption as it is
    GameSpeed Speed() const;
    void SetSpeed(GameSpeed speed);  // Other leaves the caption as it is
    // The human's turn flag: the bottom buttons and the clicks on pawns act only while it is set.
    bool CanPlay() const;
    void SetCanPlay(bool can);
    // The phase of the human's move: 0 none, 1 choosing a pawn, 2 choosing a target; -1 any other text.
    int MovePhase() const;
    void SetMovePhase(int phase);
    // The player whose roll was made last, 1 to 4; 0 for any other text.
    int Turn() const;
    void SetTurn(int player);
    // The face the die shows (the number at the start of the caption).
    long DieValue() const;
    // The candidate table: its row count, each row's pawn, source (a cell, or the
    // parked pawn for an entry row) and target; the playable rows, and the row chosen.
    long CandidateCount() const;
    long RowPawn(int row) const;
    long RowSource(int row) const;
    long RowTarget(int row) const;
    long PlayableMoves() const;
    long ChosenRow() const;
    // Whether the computer player on turn had a pawn on the board when its turn began.
    bool PawnInPlay() const;
    void SetPawnInPlay(bool inPlay);
    // The pawns player 1..4 has taken out (4 wins); AddPawnOut gives the new count.
    long PawnsOut(int player) const;
    long AddPawnOut(int player);
    // One more game won in this run by player 1..4.
    void AddGameWon(int player);
    // The human's choice: the pawn and the cell clicked (37 for a parked pawn),
    // and the cells of target slot 1 and 2 (0 none).
    long ChosenPawn() const;
    long ChosenCell() const;
    long TargetCell(int slot) const;
    // The tick counters of a computer move, of the automatic move and of the blink
    // of eatable red pawns: the next tick's number, written back as the counter.
    long NextMoveTick();
    long NextAutoMoveTick();
    long NextBlinkTick();

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
    void StartChannel(SoundChannel& ch);                                        // "Open", "Play"
    void StopChannel(SoundChannel& ch);                                         // "Prev", "Close"
    void ReplayLoadedPiece(SoundChannel& ch);  // "Prev", "Close", "Open", "Play" with the same file
    // A voice line: switch the file always, play only when voices are on.
    void SpeakLine(SoundChannel& voice, const std::string& relativePath);

    // The game folder followed by a relative path ("\Pedine\R1.gif").
    std::string GamePath(const std::string& relativePath) const;
    // The picture of a game-folder file ("" gives the empty picture).
    std::string LoadPicture(const std::string& relativePath) const;

    // ---- The bottom bar, the panels and the end of a game ----
    // The bottom bar (the message line on its rounded shape, the character portrait,
    // the buttons REG, CLAS, OPZ and ESC), the four panels (rules, scoreboard,
    // options, exit) with their contents, the rematch box and the timers of the end
    // of a game and of the exit. Light controls are drawn in this order, back to
    // front, before the frames; the rematch box lies under the four panels.
    // Spare elements of the arrays that the game never shows stay hidden.
    // Backgrounds: bottom bar, message shape, the bars and row lines (behind the
    // circles they join), button and answer circles, scoreboard cells, the options'
    // name and value boxes.
    ControlArray<Shape> Shape2{*this, "Shape2", 0, 0};
    ControlArray<Shape> ShpForme{*this, "ShpForme", 0, 0};
    ControlArray<Shape> ShpVari{*this, "ShpVari", 0, 25};
    ControlArray<Shape> Shape3{*this, "Shape3", 0, 10};
    // Scoreboard rows 1 to 4 (on FraPannello(1)); elements 0 to 3 of a row's
    // shapes carry the row's player colour, element 4 the face's background.
    ControlArray<Shape> Shp1SfondoClass{*this, "Shp1SfondoClass", 0, 4};
    ControlArray<Shape> Shp2SfondoClass{*this, "Shp2SfondoClass", 0, 4};
    ControlArray<Shape> Shp3SfondoClass{*this, "Shp3SfondoClass", 0, 4};
    ControlArray<Shape> Shp4SfondoClass{*this, "Shp4SfondoClass", 0, 4};
    ControlArray<Shape> ShpOpzio{*this, "ShpOpzio", 0, 5};
    ControlArray<Shape> ShpVoceOpzio{*this, "ShpVoceOpzio", 0, 5};
    // Pictures: the portrait, the panels' logos, bubbles, characters and arrows, the faces.
    Image ImgPersonaggio{*this, "ImgPersonaggio"};
    ControlArray<Image> ImgVarie{*this, "ImgVarie", 0, 17};
    ControlArray<Image> ImgClassifica{*this, "ImgClassifica", 1, 4};
    Image ImgEsci{*this, "ImgEsci"};
    // Texts.
    Label lblSpiegazioni{*this, "lblSpiegazioni"};
    ControlArray<Label> lblScritteVarie{*this, "lblScritteVarie", {0, 21, 22}};
    ControlArray<Label> lblVarie{*this, "lblVarie", 0, 39};
    ControlArray<Label> lblScrittaPulsanti{*this, "lblScrittaPulsanti", 0, 3};
    ControlArray<Label> lblPosizioneClass{*this, "lblPosizioneClass", 1, 4};
    ControlArray<Label> lblNomeClass{*this, "lblNomeClass", 1, 4};
    ControlArray<Label> lblVinte{*this, "lblVinte", 1, 4};
    ControlArray<Label> lblData{*this, "lblData", 1, 4};
    // Option names 0 to 5 on the options panel; 6 is a spare in the developer view.
    ControlArray<Label> lblOpzione{*this, "lblOpzione", 0, 6};
    // Transparent click areas over the arrows, the answers, the buttons and NUOVA PARTITA.
    ControlArray<Label> lblLetturaRegole{*this, "lblLetturaRegole", 0, 1};
    ControlArray<Label> lblEsci{*this, "lblEsci", 0, 1};
    ControlArray<Label> lblPulsante{*this, "lblPulsante", 0, 3};
    Label lblNuovaPartita{*this, "lblNuovaPartita"};
    // Hidden state: the saved message line, the player's name, the rules page, the
    // hovered option ("6" none) and exit answer ("2" none), the human's scoreboard row,
    // the logo frame and the games won in this run per player.
    Label lblCopiaSpiegazione{*this, "lblCopiaSpiegazione"};
    Label lblNomeGiocatore{*this, "lblNomeGiocatore"};
    Label lblPagina{*this, "lblPagina"};
    Label lblMouseMove{*this, "lblMouseMove"};
    Label lblIndexEsci{*this, "lblIndexEsci"};
    Label lblPosizione{*this, "lblPosizione"};
    Label lblLampeggiaLogo{*this, "lblLampeggiaLogo"};
    ControlArray<Label> lblPartiteVinte{*this, "lblPartiteVinte", 1, 4};
    // Frames: the rematch box, then the panels from back to front (scoreboard,
    // options, rules, exit); the exit panel's text boxes; the developer win buttons.
    Frame FraRicomincia{*this, "FraRicomincia"};
    ControlArray<Frame> FraPannello{*this, "FraPannello", {1, 2, 0, 3}};
    ControlArray<TextBox> txtVari{*this, "txtVari", 0, 3};
    ControlArray<CommandButton> cmdVince{*this, "cmdVince", 1, 4};
    // The scoreboard sort's buffers and button (hidden developer frame).
    Frame Frame1{*this, "Frame1"};
    ControlArray<Label> lblExpN{*this, "lblExpN", 1, 4};
    ControlArray<Label> lblExpV{*this, "lblExpV", 1, 4};
    ControlArray<Label> lblExpD{*this, "lblExpD", 1, 4};
    Label lblContaExp{*this, "lblContaExp"};
    CommandButton cmdCambiaClassifica{*this, "cmdCambiaClassifica"};
    // Timers.
    Timer TmrRicompareSpiegazione{*this, "TmrRicompareSpiegazione"};
    Timer TmrLampeggiaVittoria{*this, "TmrLampeggiaVittoria"};
    Timer TmrLampeggiaLogo{*this, "TmrLampeggiaLogo"};
    Timer TmrPannelloVittoria{*this, "TmrPannelloVittoria"};
    Timer TmrMusiche{*this, "TmrMusiche"};
    Timer TmrVerdi{*this, "TmrVerdi"};
    Timer TmrEsci{*this, "TmrEsci"};

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
    bool HasPawnOnBoard(int player);  // a pawn of player 1..4 stands on a cell 1..36
    void TimerDado_Timer();
    void DrawDieFace();
    void cmdLanciaDado_Click();
    void cmdFermaDado_Click();

    // The turn hub and red's prompt (game/turn_hub.cpp).
    void TmrAspettaDado_Timer();
    void PromptRedTurn();  // empties the candidate table, shows the menu buttons, then red's prompt
    void ShowRedPrompt();  // red's prompt itself: message, die clickable and red, red rolls next
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
    // The whole table for player 1..4: the board scan, the entry of the lowest parked
    // pawn on a 6, the classes and counts. Returns the parked pawn offered (0 none).
    int BuildCandidateTable(int player, ControlArray<Label>& path);
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
    // The choice dropped: the phase set, no pawn or cell clicked, no target marked.
    void ClearPawnChoice(int phase);
    void RedrawTargetCells();
    void ResetClickState();
    void RefuseRedPawnClick();
    void TmrRicompareSpiegazione_Timer();

    // The human's move, exit and victory (game/red_move.cpp, game/red_exit.cpp).
    void ExecuteRedMove();
    void TakePawnFromParking();
    void TmrTornaZirimbo_Timer();
    // The winner's scoreboard row, found by its colour (the last such row 1..4; 0 none),
    // and the win recorded there with today's date before the scoreboard is sorted and saved.
    int ScoreboardRowOf(tk::Color rowColour);
    void RecordScoreboardWin(tk::Color rowColour);

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
    void lblTurnoDiGioco_Click();

    // The die quips (comments/die_quips.cpp).
    void ShowDieQuip();
    static const char* DieQuip(int key);  // quip 1 to 80

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

    // ---- Computer players' turns and animated moves ----
    // The turn's flags (by their background colour; captions decimal text), the
    // animated move's tick counter and the blinking of eatable red pawns.
    Label lblPedineRosseMangiabili{*this, "lblPedineRosseMangiabili"};
    Label lblHaMangiato{*this, "lblHaMangiato"};
    Label lblSicuro{*this, "lblSicuro"};
    Label lblContatoreMosse{*this, "lblContatoreMosse"};
    Label lblLampeggia{*this, "lblLampeggia"};
    ControlArray<Label> lblPosizioneRossa{*this, "lblPosizioneRossa", 1, 4};
    // The blink, the refuge timers, the six timers and the no-pawn timers.
    Timer TmrLampeggiaRosso{*this, "TmrLampeggiaRosso"};
    Timer TmrGrigiaBob{*this, "TmrGrigiaBob"};
    Timer TmrGrigiaGiorgetto{*this, "TmrGrigiaGiorgetto"};
    Timer TmrGrigiaCarla{*this, "TmrGrigiaCarla"};
    Timer TmrSeiBob{*this, "TmrSeiBob"};
    Timer TmrSeiGiorgetto{*this, "TmrSeiGiorgetto"};
    Timer TmrSeiCarla{*this, "TmrSeiCarla"};
    Timer TmrSenzaPedineBob{*this, "TmrSenzaPedineBob"};
    Timer TmrSenzaPedineGiorgetto{*this, "TmrSenzaPedineGiorgetto"};
    Timer TmrSenzaPedineCarla{*this, "TmrSenzaPedineCarla"};
    // Developer buttons of the move timers, hidden in the die's developer view.
    CommandButton cmdTimerMossaBlu{*this, "cmdTimerMossaBlu"};
    CommandButton cmdTimerMossaGiallo{*this, "cmdTimerMossaGiallo"};
    CommandButton cmdTimerMossaVerde{*this, "cmdTimerMossaVerde"};

    // Design values and events (computer_turn/computer_turn_design.cpp).
    void DesignComputerTurns();
    // The turn routines after the roll: the candidate moves, then the dispatch
    // (computer_turn/dispatch.cpp); `player` 2 Bob, 3 Giorgetto, 4 Carla.
    void PrepareBobTurn();
    void PrepareGiorgettoTurn();
    void PrepareCarlaTurn();
    void DispatchComputerTurn(int player);
    // The animated move, seven ticks of the player's move timer (computer_turn/animated_move.cpp).
    void TmrMossaBlu3_Timer();
    void TmrMossaGiallo3_Timer();
    void TmrMossaVerde3_Timer();
    void ComputerMoveTick(int player);
    void EndComputerMove(int player);
    void TakeComputerPawnOut(int player, int pawn);  // the exit square; the fourth out wins
    // The blink of eatable red pawns (computer_turn/red_blink.cpp).
    void TmrLampeggiaRosso_Timer();
    // Hand-over timers (computer_turn/hand_over_timers.cpp).
    void TmrGrigiaBob_Timer();
    void TmrGrigiaGiorgetto_Timer();
    void TmrGrigiaCarla_Timer();
    void TmrSeiBob_Timer();
    void TmrSeiGiorgetto_Timer();
    void TmrSeiCarla_Timer();
    void TmrSenzaPedineBob_Timer();
    void TmrSenzaPedineGiorgetto_Timer();
    void TmrSenzaPedineCarla_Timer();
    void cmdTimerMossaBlu_Click();
    void cmdTimerMossaGiallo_Click();
    void cmdTimerMossaVerde_Click();

    // ---- Start-up, intro, screen scaling, data files and music ----
    // The splash frame: the intro's title, logo pieces and credits, the name
    // prompt and the name box, over a white rounded border.
    Shape Shape1{*this, "Shape1"};
    Image ImgSplash{*this, "ImgSplash"};
    ControlArray<Image> ImgLogo{*this, "ImgLogo", 1, 8};
    ControlArray<Label> lblUnGioco{*this, "lblUnGioco", 0, 6};
    Label lblInserisci{*this, "lblInserisci"};
    Label lblRisoluzioni{*this, "lblRisoluzioni"};
    TextBox txtPassword{*this, "txtPassword"};
    Frame FraSplash{*this, "FraSplash"};
    // The intro's step counter and the two start-up timers.
    Label lblTobelio{*this, "lblTobelio"};
    Timer TmrTobelioZanvuti{*this, "TmrTobelioZanvuti"};
    Timer TimerEntra{*this, "TimerEntra"};
    // The name box's short flash when it refuses a character.
    Timer TmrLampeggiaNome{*this, "TmrLampeggiaNome"};
    // The music lists (in FraCasuale): element 0 the index of the piece last
    // started (the count left while shuffling), then the pieces' codes.
    ControlArray<Label> lblMusVeloci{*this, "lblMusVeloci", 0, 11};
    ControlArray<Label> lblMusLenti{*this, "lblMusLenti", 0, 6};
    Label lblTipoPezzo{*this, "lblTipoPezzo"};
    CommandButton cmdAssegnaVeloci{*this, "cmdAssegnaVeloci"};
    CommandButton cmdAssegnaLenti{*this, "cmdAssegnaLenti"};
    CommandButton cmdProssimoBrano{*this, "cmdProssimoBrano"};
    // The pause between pieces when the music plays only now and then.
    Timer TmrRipetiMusiche{*this, "TmrRipetiMusiche"};

    // Design values and events (shell/startup_design.cpp).
    void DesignStartUp();
    // Start-up and the name entry (shell/frmZirimbo2012.cpp, shell/startup.cpp).
    void Form_KeyDown(int KeyCode, int Shift);
    void TimerEntra_Timer();
    // Every character the name box refuses: the refusal sound and a flash of the box.
    void RefuseNameCharacter();
    void TmrLampeggiaNome_Timer();
    void PlacePanels();
    void WriteExitPanelTexts();
    void LoadPanelPictures();
    void LoadRematchAndBarPictures();
    // The window's client area takes the screen's size (after the rescaling).
    void FitWindowToScreen();
    // The intro (shell/intro.cpp).
    void TmrTobelioZanvuti_Timer();
    // Rescales every control the game shows to the screen (shell/scaling.cpp).
    void ScaleControlsToScreen();
    // The options, the player's name and the scoreboard files (shell/data_files.cpp).
    void ReadPlayerName();
    void LoadOptions();
    void SaveOptionsAndName();
    void LoadScoreboard();
    void SaveScoreboard();
    // Background music (shell/music.cpp).
    void cmdAssegnaVeloci_Click();
    void cmdAssegnaLenti_Click();
    void cmdProssimoBrano_Click();
    void TmrMusiche_Timer();
    void TmrRipetiMusiche_Timer();
    void TmrVerdi_Timer();
    // A won game: the background music stops, a pause between pieces included, and
    // the end piece waits in the music channel.
    void LoadEndPiece(const std::string& relativePath);
    // The edition information window, shown after a confirmed exit (info_screen/).
    // The main window keeps it; closing it ends the program.
    void ShowInfoWindow();
    frmLumo2012* InfoWindow() const { return infoWindow_.get(); }

    // ---- Panels, options, scoreboard and exit ----
    // The bottom buttons and their panels (shell/panels.cpp; design values and
    // events in shell/panels_design.cpp).
    void lblPulsante_Click(int Index);
    void FraPannello_MouseMove(int Index, const tk::MouseArgs& args);
    void lblNomeGiocatore_Click();
    // The CLAS and OPZ buttons, hidden while a character's picture is up (shell/menu_buttons.cpp).
    void HideMenuButtons();
    void ShowMenuButtons();
    // The rules panel's page reader (shell/rules.cpp).
    void lblLetturaRegole_Click(int Index);
    void lblLetturaRegole_MouseDown(int Index, const tk::MouseArgs& args);
    void lblLetturaRegole_MouseUp(int Index, const tk::MouseArgs& args);
    void ShowRulesPage();
    // The options panel (shell/options.cpp).
    void lblOpzione_Click(int Index);
    void lblOpzione_MouseDown(int Index, const tk::MouseArgs& args);
    void lblOpzione_MouseUp(int Index, const tk::MouseArgs& args);
    void lblOpzione_MouseMove(int Index, const tk::MouseArgs& args);
    // The scoreboard: sort, faces, the victory blink and the developer wins (shell/scoreboard.cpp).
    void cmdCambiaClassifica_Click();
    void ShowScoreboardPictures();
    void TmrLampeggiaVittoria_Timer();
    void cmdVince_Click(int Index);
    // The end of a game (shell/end_of_game.cpp).
    void TmrPannelloVittoria_Timer();
    void TmrLampeggiaLogo_Timer();
    void lblNuovaPartita_MouseDown(const tk::MouseArgs& args);
    void lblNuovaPartita_MouseUp(const tk::MouseArgs& args);
    // The exit panel and the exit (shell/exit.cpp).
    void lblEsci_Click(int Index);
    void lblEsci_MouseDown(int Index, const tk::MouseArgs& args);
    void lblEsci_MouseUp(int Index, const tk::MouseArgs& args);
    void lblEsci_MouseMove(int Index, const tk::MouseArgs& args);
    void TmrEsci_Timer();

    // ---- Character comments ----
    // The comment line orders (one per category, shared by the three characters)
    // and each character's place in them, with the shuffle's working list, step
    // counter and swap cell; they sit in the developer view FraCasuale.
    ControlArray<Label> lbl01{*this, "lbl01", 1, 7};
    ControlArray<Label> lbl02{*this, "lbl02", 1, 7};
    ControlArray<Label> lbl03{*this, "lbl03", 1, 7};
    ControlArray<Label> lbl04{*this, "lbl04", 1, 7};
    ControlArray<Label> lbl05{*this, "lbl05", 1, 7};
    ControlArray<Label> lbl06{*this, "lbl06", 1, 7};
    ControlArray<Label> lbl07{*this, "lbl07", 1, 7};
    ControlArray<Label> lbl08{*this, "lbl08", 1, 7};
    ControlArray<Label> lbl09{*this, "lbl09", 1, 3};
    ControlArray<Label> lbl10{*this, "lbl10", 1, 3};
    ControlArray<Label> lbl11{*this, "lbl11", 1, 3};
    ControlArray<Label> lblEtiBob{*this, "lblEtiBob", 1, 11};
    ControlArray<Label> lblEtiGio{*this, "lblEtiGio", 1, 11};
    ControlArray<Label> lblEtiCar{*this, "lblEtiCar", 1, 11};
    ControlArray<Label> lblNumeriSette{*this, "lblNumeriSette", 0, 7};
    Label lblConteggio{*this, "lblConteggio"};
    Label lblPassaggio{*this, "lblPassaggio"};
    CommandButton cmdAssegnaCasuale{*this, "cmdAssegnaCasuale"};
    CommandButton cmdAssegnaGiocatori{*this, "cmdAssegnaGiocatori"};
    CommandButton cmdAssegnaTre{*this, "cmdAssegnaTre"};
    CommandButton cmdCasualeSette{*this, "cmdCasualeSette"};
    CommandButton cmdCasualeTre{*this, "cmdCasualeTre"};
    // On the exit panel, hidden: who says goodbye ("1" Bob, "2" Giorgetto, "3" Carla).
    Label lblUnoDeiTre{*this, "lblUnoDeiTre"};

    // Design values and events (comments/comments_design.cpp).
    void DesignComments();
    // The lines: text and pause in milliseconds of line 1..7 (1..3 for categories
    // 09 to 11) of a category 1..11 for player 2 Bob, 3 Giorgetto, 4 Carla; the
    // voice file and the bubble by their names (comments/comment_lines.cpp, comment_service.cpp).
    static int CommentLineCount(int category);
    static const char* CommentLineText(int player, int category, int line);
    static int CommentLineLength(int player, int category, int line);
    static std::string CommentVoiceFile(int player, int category, int line);  // "\\Bob\\05B4.wav"
    static std::string CommentBubble(int player, int category);               // "\\Fumetti\\B05.gif"
    SoundChannel& VoiceOf(int player);
    ControlArray<Label>& LineCursorsOf(int player);
    ControlArray<Label>& LineOrderOf(int category);
    // The comment's common steps (comments/comment_service.cpp): `afterColour` runs
    // once the message area has the character's colour; `enable` enables the follow-up timer.
    void MakeComment(int player, int category, Timer& followUp, bool enable,
                     const std::function<void()>& afterColour = {});
    // Its first and last steps, which the pawn-out comment shares: the colour and
    // the voice stopped; the line (0 none) written, said and its follow-up timer enabled.
    void StartComment(int player, const std::function<void()>& afterColour = {});
    void SayComment(int player, int category, int line, Timer& followUp, bool enable);
    void ShowCommentBubble(int player, int category);
    void WriteCommentLine(int player, int category, int line, Timer& followUp);
    // 01 hoping for a six, 02 no six, 03 a six at last, 04 can eat a red pawn.
    void CommentBobHopeForSix();
    void CommentGiorgettoHopeForSix();
    void CommentCarlaHopeForSix();
    void CommentBobMissedSix();
    void CommentGiorgettoMissedSix();
    void CommentCarlaMissedSix();
    void CommentBobRolledSix();
    void CommentGiorgettoRolledSix();
    void CommentCarlaRolledSix();
    void CommentBobCanEatRed();
    void CommentGiorgettoCanEatRed();
    void CommentCarlaCanEatRed();
    // 05 ate a red pawn (twice: after a move, after an entry on a six), 06 spared
    // one, 07 eaten by the human.
    void CommentBobAteRed();
    void CommentBobAteRed2();
    void CommentGiorgettoAteRed();
    void CommentGiorgettoAteRed2();
    void CommentCarlaAteRed();
    void CommentCarlaAteRed2();
    void CommentBobSparedRed();
    void CommentGiorgettoSparedRed();
    void CommentCarlaSparedRed();
    void CommentBobWasEatenByRed();
    void CommentGiorgettoWasEatenByRed();
    void CommentCarlaWasEatenByRed();
    // 08 a pawn out, 09 the game won (comments/pawn_out_and_victory.cpp).
    void MakePawnOutComment(int player, Timer& followUp);
    void MakeVictoryComment(int player);
    void CommentBobPawnOut();
    void CommentGiorgettoPawnOut();
    void CommentCarlaPawnOut();
    void CommentBobVictory();
    void CommentGiorgettoVictory();
    void CommentCarlaVictory();
    // 10 ate another character's pawn, 11 reached a refuge.
    void CommentBobAteOther();
    void CommentGiorgettoAteOther();
    void CommentCarlaAteOther();
    void CommentBobSafeCell();
    void CommentGiorgettoSafeCell();
    void CommentCarlaSafeCell();
    // The line orders and cursors, drawn once per run (comments/line_orders.cpp).
    void cmdAssegnaCasuale_Click();
    void cmdAssegnaGiocatori_Click();
    void cmdAssegnaTre_Click();
    void cmdCasualeSette_Click();
    void cmdCasualeTre_Click();
    void ShuffleWorkingList();
    // The characters of the exit panel, the options panel and the rematch box,
    // and the goodbye (comments/bubbles_and_goodbye.cpp).
    void ChooseFarewellCharacter();
    void ShowOptionsPanelBubble();
    void ShowRedWinsBubble();
    void SayGoodbye();

private:
    void DesignBoard();
    void DesignTables();
    void DesignDie();
    void DesignOptions();
    // False when a data file refused or repaired on loading could not be kept aside first.
    bool MayOverwrite(bool& damaged, const std::string& path);
    std::shared_ptr<frmLumo2012> infoWindow_;
    // Data files refused or repaired on loading: kept aside before they are first overwritten.
    bool optionsFileDamaged_ = false;
    bool nameFileDamaged_ = false;
    bool scoreboardFileDamaged_ = false;
};

}  // namespace zirimbo
