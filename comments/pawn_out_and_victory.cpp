// A computer character's pawn leaves the board: the character counts its pawns
// out or just rejoices. Its fourth pawn out wins the game: the character boasts,
// and the win goes on the scoreboard while the end-of-game box is made ready.
#include "board/players.h"
#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "toolkit/runtime.h"

namespace zirimbo {

namespace {

using players::kBob;
using players::kCarla;
using players::kGiorgetto;
constexpr int kPawnOut = 8;
constexpr int kVictory = 9;

const char* const kEndOfGameBubble[5] = {"", "", "\\Fumetti\\B06.gif", "\\Fumetti\\G03.gif", "\\Fumetti\\C01.gif"};
const char* const kEndOfGamePrompt[5] = {"", "", "Vuoi la rivincita, eh? Premi il pulsante NUOVA PARTITA!",
                                         "Vuoi perdere un'altra volta? Premi il pulsante NUOVA PARTITA!",
                                         "Se vuoi la rivincita, premi il pulsante NUOVA PARTITA!"};

}  // namespace

// The pawn-out line follows no order: a draw of 1 to 4 counts the pawns out
// (lines 1 to 3), 5 to 8 give one of the four cheers (lines 4 to 7).
void frmZirimbo2012::MakePawnOutComment(int player, Timer& followUp) {
    const int n = runtime().draw(8);
    StartComment(player);
    ShowCommentBubble(player, kPawnOut);
    int line = 0;
    if (n >= 5) {
        line = n - 1;
    } else {
        // The count of pawns out, one line each.
        const long out = PawnsOut(player);
        if (out >= 1 && out <= 3) line = static_cast<int>(out);
    }
    SayComment(player, kPawnOut, line, followUp, true);
}

void frmZirimbo2012::CommentBobPawnOut() { MakePawnOutComment(kBob, TmrRiprendeIlGioco); }

void frmZirimbo2012::CommentGiorgettoPawnOut() { MakePawnOutComment(kGiorgetto, TmrRiprendeIlGioco); }

// The human plays after Carla: her line leads straight to the human's prompt.
void frmZirimbo2012::CommentCarlaPawnOut() { MakePawnOutComment(kCarla, TmrRiprendeRossoDopoVerde); }

// The winner's boast ends the game: the music stops and the end piece waits in
// its channel, the win and today's date go on the winner's scoreboard row (the
// scoreboard is sorted and saved), the panels and the rematch box take the
// winner's colour, and the rematch box gets its picture and prompt.
// TmrPannelloVittoria shows it all when the line is over.
void frmZirimbo2012::MakeVictoryComment(int player) {
    LoadEndPiece("\\Musiche\\Sconfitta.mid");

    MakeComment(player, kVictory, TmrPannelloVittoria, false);

    // The winner's scoreboard row has the colour the window takes for its win.
    const tk::Color rowColour = players::kPlayers[players::CharacterOf(player)].winner;
    RecordScoreboardWin(rowColour);

    for (int i = 0; i <= 3; ++i) FraPannello(i).BackColor = rowColour;
    FraRicomincia.BackColor = rowColour;
    ImgVarie(various::kRematchCharacter).Picture = LoadPicture(kEndOfGameBubble[player]);
    lblVarie(various::kRematchPrompt).Caption = kEndOfGamePrompt[player];

    TmrPannelloVittoria.Enabled = true;
}

void frmZirimbo2012::CommentBobVictory() { MakeVictoryComment(kBob); }

void frmZirimbo2012::CommentGiorgettoVictory() { MakeVictoryComment(kGiorgetto); }

void frmZirimbo2012::CommentCarlaVictory() { MakeVictoryComment(kCarla); }

}  // namespace zirimbo
