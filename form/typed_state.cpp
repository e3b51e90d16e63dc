// The typed readings of the window's state captions. The captions keep the exact
// texts the game has always written (the options file holds them); every other
// piece of code asks here what they mean instead of comparing texts itself.
#include "form/frmZirimbo2012.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
// The number a caption holds when it is exactly that number's decimal text
// from lo to hi; `otherwise` for any other text.
long ExactNumber(const std::string& text, long lo, long hi, long otherwise) {
    const long n = tk::Val(text);
    return n >= lo && n <= hi && tk::Str(n) == text ? n : otherwise;
}

long Increment(Label& counter) {
    const long next = tk::Val(counter.Caption) + 1;
    counter.Caption = tk::Str(next);
    return next;
}
}  // namespace

bool frmZirimbo2012::OptionOn(Option o) const {
    return lblVoceOpzione(static_cast<int>(o)).Caption.get() == state_text::kOn;
}

void frmZirimbo2012::SetOption(Option o, bool on) {
    lblVoceOpzione(static_cast<int>(o)).Caption = on ? state_text::kOn : state_text::kOff;
}

MusicMode frmZirimbo2012::Music() const {
    const std::string& text = lblVoceOpzione(static_cast<int>(Option::Music)).Caption.get();
    if (text == state_text::kMusicOff) return MusicMode::Off;
    if (text == state_text::kMusicNowAndThen) return MusicMode::NowAndThen;
    if (text == state_text::kMusicAlways) return MusicMode::Always;
    return MusicMode::Other;
}

void frmZirimbo2012::SetMusic(MusicMode mode) {
    Label& value = lblVoceOpzione(static_cast<int>(Option::Music));
    switch (mode) {
        case MusicMode::Off: value.Caption = state_text::kMusicOff; break;
        case MusicMode::NowAndThen: value.Caption = state_text::kMusicNowAndThen; break;
        case MusicMode::Always: value.Caption = state_text::kMusicAlways; break;
        case MusicMode::Other: break;
    }
}

GameSpeed frmZirimbo2012::Speed() const {
    const std::string& text = lblVoceOpzione(static_cast<int>(Option::Speed)).Caption.get();
    if (text == state_text::kSlow) return GameSpeed::Slow;
    if (text == state_text::kNormal) return GameSpeed::Normal;
    if (text == state_text::kFast) return GameSpeed::Fast;
    return GameSpeed::Other;
}

void frmZirimbo2012::SetSpeed(GameSpeed speed) {
    Label& value = lblVoceOpzione(static_cast<int>(Option::Speed));
    switch (speed) {
        case GameSpeed::Slow: value.Caption = state_text::kSlow; break;
        case GameSpeed::Normal: value.Caption = state_text::kNormal; break;
        case GameSpeed::Fast: value.Caption = state_text::kFast; break;
        case GameSpeed::Other: break;
    }
}

bool frmZirimbo2012::CanPlay() const { return lblPuoiGiocare.Caption.get() == state_text::kCanPlay; }

void frmZirimbo2012::SetCanPlay(bool can) {
    lblPuoiGiocare.Caption = can ? state_text::kCanPlay : state_text::kCannotPlay;
}

int frmZirimbo2012::MovePhase() const { return static_cast<int>(ExactNumber(lblFaseMossa.Caption, 0, 2, -1)); }

void frmZirimbo2012::SetMovePhase(int phase) { lblFaseMossa.Caption = tk::Str(phase); }

int frmZirimbo2012::Turn() const { return static_cast<int>(ExactNumber(lblTurnoDiGioco.Caption, 1, 4, 0)); }

void frmZirimbo2012::SetTurn(int player) { lblTurnoDiGioco.Caption = tk::Str(player); }

long frmZirimbo2012::DieValue() const { return tk::Val(lblNumeroDado.Caption); }

long frmZirimbo2012::CandidateCount() const { return tk::Val(lblPed(0).Caption); }

long frmZirimbo2012::RowPawn(int row) const { return tk::Val(lblPed(row).Caption); }

long frmZirimbo2012::RowSource(int row) const { return tk::Val(lblPos(row).Caption); }

long frmZirimbo2012::RowTarget(int row) const { return tk::Val(lblFinale(row).Caption); }

long frmZirimbo2012::PlayableMoves() const { return tk::Val(lblMossePossibili.Caption); }

long frmZirimbo2012::ChosenRow() const { return tk::Val(lblScelta.Caption); }

bool frmZirimbo2012::PawnInPlay() const { return tk::Val(lblPedineInGioco.Caption) != 0; }

void frmZirimbo2012::SetPawnInPlay(bool inPlay) { lblPedineInGioco.Caption = inPlay ? "1" : "0"; }

long frmZirimbo2012::PawnsOut(int player) const { return tk::Val(lblDadiUsciti(player).Caption); }

long frmZirimbo2012::AddPawnOut(int player) { return Increment(lblDadiUsciti(player)); }

void frmZirimbo2012::AddGameWon(int player) { Increment(lblPartiteVinte(player)); }

long frmZirimbo2012::ChosenPawn() const { return tk::Val(lblPedinaCliccata.Caption); }

long frmZirimbo2012::ChosenCell() const { return tk::Val(lblCasellaCliccata.Caption); }

long frmZirimbo2012::TargetCell(int slot) const { return tk::Val(lblIcs(slot).Caption); }

long frmZirimbo2012::NextMoveTick() { return Increment(lblContatoreMosse); }

long frmZirimbo2012::NextAutoMoveTick() { return Increment(lblAuto); }

long frmZirimbo2012::NextBlinkTick() { return Increment(lblLampeggia); }

}  // namespace zirimbo
