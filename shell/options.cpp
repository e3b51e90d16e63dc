// The options panel: a click on an option's name moves its value on to the next
// one of its cycle and the change takes effect at once; the mouse over a name
// highlights it and shows its help text.
#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "shell/panel_values.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
const char* const kHelp[6] = {
    "Se questa opzione è impostata su 'Sì' durante la partita appariranno (non sempre, ma nelle occasioni più "
    "significative) i personaggi del gioco: Bob, Giorgetto e Carla!",
    "Questa opzione attiva o disattiva qualsiasi rumore di gioco (ad esclusione dei commenti vocali che possono "
    "essere selezionati cliccando su 'Voci').",
    "Questa opzione, se impostata su 'Sì', esegue in automatico la mossa per il Giocatore Rosso nel caso sia "
    "l'unica a sua disposizione.",
    "Con questa opzione puoi escludere qualsiasi sottofondo musicale oppure ascoltarlo 'Ogni tanto' o 'Sempre'.",
    "Questa opzione esclude o attiva i commenti vocali di Bob, Giorgetto e Carla!",
    "Questa opzione modifica la velocità nell'esecuzione delle mosse di Bob, Giorgetto e Carla: può essere "
    "'Lenta', 'Normale' o 'Veloce'.",
};
}  // namespace

namespace {
// The speed option's intervals: the automatic red move and the computer players' steps.
struct SpeedIntervals {
    int automatic, step;
};

SpeedIntervals IntervalsOf(GameSpeed speed) {
    switch (speed) {
        case GameSpeed::Slow: return {620, 310};
        case GameSpeed::Fast: return {260, 130};
        default: return {440, 220};
    }
}
}  // namespace

void frmZirimbo2012::lblOpzione_Click(int Index) {
    if (Index < 0 || Index > 5) return;
    const Option option = static_cast<Option>(Index);
    switch (option) {
        case Option::Characters:
            SetOption(option, !OptionOn(option));
            if (!OptionOn(option)) {
                ShowMenuButtons();
                ImgPersonaggio.Picture = LoadPicture("");
            }
            break;
        case Option::Effects:
        case Option::AutoMove:
        case Option::Voices: SetOption(option, !OptionOn(option)); break;
        case Option::Music:
            switch (Music()) {
                case MusicMode::Off:
                    SetMusic(MusicMode::NowAndThen);
                    TmrMusiche.Enabled = true;
                    cmdProssimoBrano_Click();
                    break;
                case MusicMode::NowAndThen: SetMusic(MusicMode::Always); break;
                case MusicMode::Always:
                    SetMusic(MusicMode::Off);
                    StopChannel(mmcMusiche);
                    TmrMusiche.Enabled = false;
                    TmrRipetiMusiche.Enabled = false;
                    // The victory piece's repeat ends too, or it would restart
                    // whatever piece a later "Ogni tanto" puts into the channel.
                    TmrVerdi.Enabled = false;
                    break;
                case MusicMode::Other: break;
            }
            break;
        case Option::Speed: {
            GameSpeed next = GameSpeed::Other;
            switch (Speed()) {
                case GameSpeed::Slow: next = GameSpeed::Normal; break;
                case GameSpeed::Normal: next = GameSpeed::Fast; break;
                case GameSpeed::Fast: next = GameSpeed::Slow; break;
                case GameSpeed::Other: break;
            }
            if (next != GameSpeed::Other) {
                SetSpeed(next);
                const SpeedIntervals t = IntervalsOf(next);
                TmrGiocaAutomatico.Interval = t.automatic;
                TmrMossaBlu3.Interval = t.step;
                TmrMossaGiallo3.Interval = t.step;
                TmrMossaVerde3.Interval = t.step;
            }
            break;
        }
    }
    // Switching the effects on plays the tick, switching them off plays nothing.
    ReplayEffect(mmcTic);
}

void frmZirimbo2012::lblOpzione_MouseDown(int Index, const tk::MouseArgs&) {
    if (Index < 0 || Index > 5) return;
    ShpOpzio(Index).BackColor = kPressedYellow;
    lblVoceOpzione(Index).ForeColor = kPressedYellow;
}

void frmZirimbo2012::lblOpzione_MouseUp(int Index, const tk::MouseArgs&) {
    if (Index < 0 || Index > 5) return;
    ShpOpzio(Index).BackColor = colour::White;
    lblVoceOpzione(Index).ForeColor = colour::Red;
}

void frmZirimbo2012::lblOpzione_MouseMove(int Index, const tk::MouseArgs&) {
    if (Index < 0 || Index > 5) return;
    const long hovered = tk::Val(lblMouseMove.Caption);
    if (Index == hovered) return;
    ReplayEffect(mmcSfoglia);
    if (hovered >= 0 && hovered <= 5) {
        lblOpzione(static_cast<int>(hovered)).ForeColor = colour::Black;
        lblVoceOpzione(static_cast<int>(hovered)).ForeColor = colour::Black;
    }
    lblMouseMove.Caption = tk::Str(Index);
    lblOpzione(Index).ForeColor = colour::Red;
    lblVoceOpzione(Index).ForeColor = colour::Red;
    lblVarie(various::kOptionsHelpText).Caption = kHelp[Index];
}

}  // namespace zirimbo
