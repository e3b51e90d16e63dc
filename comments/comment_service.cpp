// The characters' comments: one line of one character on an event of the game.
// Every comment goes the same way: the area behind the message line takes the
// character's light colour, the character's voice stops, its cursor in the
// category's line order moves on by one, the bubble shows beside the portrait
// (when characters are shown, and the scoreboard and options buttons hide
// meanwhile), the line's text goes to the message line, the follow-up timer takes
// the line's length as its interval, the voice says the line (when voices are on)
// and the follow-up timer is enabled, unless the caller enables it itself.
#include <cstdio>

#include "form/player_procedures.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {

using players::kBob;
using players::kCarla;
using players::kGiorgetto;
using players::kPlayers;

std::string TwoDigits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

}  // namespace

std::string frmZirimbo2012::CommentVoiceFile(int player, int category, int line) {
    if (!players::IsCharacter(player)) return "";
    const players::Player& who = kPlayers[player];
    return std::string(who.voiceFolder) + "\\" + TwoDigits(category) + who.commentLetter + tk::Str(line) + ".wav";
}

std::string frmZirimbo2012::CommentBubble(int player, int category) {
    if (!players::IsCharacter(player)) return "";
    return std::string("\\Fumetti\\") + kPlayers[player].commentLetter + TwoDigits(category) + ".gif";
}

SoundChannel& frmZirimbo2012::VoiceOf(int player) { return this->*players::ProceduresOf(player).voice; }

ControlArray<Label>& frmZirimbo2012::LineCursorsOf(int player) {
    return this->*players::ProceduresOf(player).lineCursors;
}

ControlArray<Label>& frmZirimbo2012::LineOrderOf(int category) {
    ControlArray<Label>* orders[12] = {nullptr, &lbl01, &lbl02, &lbl03, &lbl04, &lbl05,
                                       &lbl06,  &lbl07, &lbl08, &lbl09, &lbl10, &lbl11};
    return *orders[category >= 1 && category <= 11 ? category : 1];
}

void frmZirimbo2012::ShowCommentBubble(int player, int category) {
    if (!OptionOn(Option::Characters)) return;
    HideMenuButtons();
    ImgPersonaggio.Picture = LoadPicture(CommentBubble(player, category));
}

void frmZirimbo2012::WriteCommentLine(int player, int category, int line, Timer& followUp) {
    lblSpiegazioni.Caption = CommentLineText(player, category, line);
    followUp.Interval = CommentLineLength(player, category, line);
    VoiceOf(player).FileName = GamePath(CommentVoiceFile(player, category, line));
}

void frmZirimbo2012::MakeComment(int player, int category, Timer& followUp, bool enable,
                                 const std::function<void()>& afterColour) {
    StartComment(player, afterColour);

    // The cursor moves on; past the last line it starts again from the first.
    const int lines = CommentLineCount(category);
    Label& cursor = LineCursorsOf(player)(category);
    cursor.Caption = tk::Str(tk::Val(cursor.Caption) + 1);
    if (cursor.Caption.get() == tk::Str(lines + 1)) cursor.Caption = "1";

    ShowCommentBubble(player, category);

    // The line at the cursor's place in the category's order. A cursor or an order
    // that names no line (the orders are drawn at start-up) says nothing.
    ControlArray<Label>& order = LineOrderOf(category);
    const long position = tk::Val(cursor.Caption);
    const std::string named = order.exists(static_cast<int>(position)) && position >= 1 && position <= lines
                                  ? order(static_cast<int>(position)).Caption.get()
                                  : std::string();
    int line = 0;
    for (int k = 1; k <= lines && line == 0; ++k)
        if (named == tk::Str(k)) line = k;
    SayComment(player, category, line, followUp, enable);
}

void frmZirimbo2012::StartComment(int player, const std::function<void()>& afterColour) {
    ShpForme(0).BackColor = players::kPlayers[players::CharacterOf(player)].light;
    if (afterColour) afterColour();
    StopChannel(VoiceOf(player));
}

void frmZirimbo2012::SayComment(int player, int category, int line, Timer& followUp, bool enable) {
    if (line != 0) WriteCommentLine(player, category, line, followUp);
    if (OptionOn(Option::Voices)) StartChannel(VoiceOf(player));
    if (enable) followUp.Enabled = true;
}

// ---- 01: hoping for a six before the roll ----
// The die takes the character's colour first; Giorgetto's die has grey pips.

void frmZirimbo2012::CommentBobHopeForSix() {
    ShpDado.BackColor = kPlayers[kBob].dieBody;
    MakeComment(kBob, 1, TmrSenzaPedineBob, true);
}

void frmZirimbo2012::CommentGiorgettoHopeForSix() {
    ShpDado.BackColor = kPlayers[kGiorgetto].dieBody;
    MakeComment(kGiorgetto, 1, TmrSenzaPedineGiorgetto, true, [this] {
        for (int i = 0; i <= 6; ++i) ShpPuntoDado(i).BackColor = kPlayers[kGiorgetto].diePips;
    });
}

void frmZirimbo2012::CommentCarlaHopeForSix() {
    ShpDado.BackColor = kPlayers[kCarla].dieBody;
    MakeComment(kCarla, 1, TmrSenzaPedineCarla, true);
}

// ---- 02: no six, the roll gives no move; the hub waits for the line ----
// Bob's comments after his roll repaint the die in his colour, which it already shows.

void frmZirimbo2012::CommentBobMissedSix() {
    ShpDado.BackColor = kPlayers[kBob].dieBody;
    MakeComment(kBob, 2, TmrAspettaDado, true);
}

void frmZirimbo2012::CommentGiorgettoMissedSix() { MakeComment(kGiorgetto, 2, TmrAspettaDado, true); }

void frmZirimbo2012::CommentCarlaMissedSix() { MakeComment(kCarla, 2, TmrAspettaDado, true); }

// ---- 03: a six at last, a pawn enters; the move choice follows the line ----

void frmZirimbo2012::CommentBobRolledSix() { MakeComment(kBob, 3, TmrSeiBob, true); }

void frmZirimbo2012::CommentGiorgettoRolledSix() { MakeComment(kGiorgetto, 3, TmrSeiGiorgetto, true); }

void frmZirimbo2012::CommentCarlaRolledSix() { MakeComment(kCarla, 3, TmrSeiCarla, true); }

// ---- 04: a red pawn can be eaten; the move choice follows the line ----

void frmZirimbo2012::CommentBobCanEatRed() {
    ShpDado.BackColor = kPlayers[kBob].dieBody;
    MakeComment(kBob, 4, TmrSeiBob, true);
}

void frmZirimbo2012::CommentGiorgettoCanEatRed() { MakeComment(kGiorgetto, 4, TmrSeiGiorgetto, true); }

void frmZirimbo2012::CommentCarlaCanEatRed() { MakeComment(kCarla, 4, TmrSeiCarla, true); }

// ---- 05: a red pawn eaten. The twins ending in 2 follow an entering pawn that ate
// the red pawn on the start cell; they say the same lines with the same cursor. ----

void frmZirimbo2012::CommentBobAteRed() { MakeComment(kBob, 5, TmrRiprendeIlGioco, true); }

void frmZirimbo2012::CommentBobAteRed2() {
    ShpDado.BackColor = kPlayers[kBob].dieBody;
    MakeComment(kBob, 5, TmrRiprendeIlGioco, true);
}

void frmZirimbo2012::CommentGiorgettoAteRed() { MakeComment(kGiorgetto, 5, TmrRiprendeIlGioco, true); }

void frmZirimbo2012::CommentGiorgettoAteRed2() { MakeComment(kGiorgetto, 5, TmrRiprendeIlGioco, true); }

void frmZirimbo2012::CommentCarlaAteRed() { MakeComment(kCarla, 5, TmrRiprendeIlGioco, true); }

void frmZirimbo2012::CommentCarlaAteRed2() { MakeComment(kCarla, 5, TmrRiprendeIlGioco, true); }

// ---- 06: an eatable red pawn spared ----

void frmZirimbo2012::CommentBobSparedRed() {
    ShpDado.BackColor = kPlayers[kBob].dieBody;
    MakeComment(kBob, 6, TmrRiprendeIlGioco, true);
}

void frmZirimbo2012::CommentGiorgettoSparedRed() { MakeComment(kGiorgetto, 6, TmrRiprendeIlGioco, true); }

void frmZirimbo2012::CommentCarlaSparedRed() { MakeComment(kCarla, 6, TmrRiprendeIlGioco, true); }

// ---- 07: the human ate a pawn of the character. The comment takes the eaten
// mark and sets the hub's pause; the human's move enables the hub. ----

void frmZirimbo2012::CommentBobWasEatenByRed() {
    MakeComment(kBob, 7, TmrAspettaDado, false, [this] { lblMangia.Caption = "0"; });
}

void frmZirimbo2012::CommentGiorgettoWasEatenByRed() {
    MakeComment(kGiorgetto, 7, TmrAspettaDado, false, [this] { lblMangia.Caption = "0"; });
}

void frmZirimbo2012::CommentCarlaWasEatenByRed() {
    MakeComment(kCarla, 7, TmrAspettaDado, false, [this] { lblMangia.Caption = "0"; });
}

// ---- 10: another character's pawn sent home ----

void frmZirimbo2012::CommentBobAteOther() {
    ShpDado.BackColor = kPlayers[kBob].dieBody;
    MakeComment(kBob, 10, TmrRiprendeIlGioco, true);
}

void frmZirimbo2012::CommentGiorgettoAteOther() { MakeComment(kGiorgetto, 10, TmrRiprendeIlGioco, true); }

void frmZirimbo2012::CommentCarlaAteOther() { MakeComment(kCarla, 10, TmrRiprendeIlGioco, true); }

// ---- 11: a refuge reached. Only the pause is set: the move's last tick enables
// the follow-up timer, before or after this comment depending on the game speed. ----

void frmZirimbo2012::CommentBobSafeCell() { MakeComment(kBob, 11, TmrRiprendeIlGioco, false); }

void frmZirimbo2012::CommentGiorgettoSafeCell() { MakeComment(kGiorgetto, 11, TmrRiprendeIlGioco, false); }

void frmZirimbo2012::CommentCarlaSafeCell() { MakeComment(kCarla, 11, TmrRiprendeIlGioco, false); }

}  // namespace zirimbo
