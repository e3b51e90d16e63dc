// The options panel: a click on an option's name moves its value on to the next
// one of its cycle and the change takes effect at once; the mouse over a name
// highlights it and shows its help text.
#include "form/frmZirimbo2012.h"
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

void frmZirimbo2012::lblOpzione_Click(int Index) {
    if (Index < 0 || Index > 5) return;
    Label& value = lblVoceOpzione(Index);
    const std::string now = value.Caption;
    switch (Index) {
        case 0:
            value.Caption = now == "Sì" ? "No" : "Sì";
            if (value.Caption == "No") {
                ShowMenuButtons();
                ImgPersonaggio.Picture = LoadPicture("");
            }
            break;
        case 1:
        case 2:
        case 4:
            value.Caption = now == "Sì" ? "No" : "Sì";
            break;
        case 3:
            if (now == "No") {
                value.Caption = "Ogni tanto";
                TmrMusiche.Enabled = true;
                cmdProssimoBrano_Click();
            } else if (now == "Ogni tanto") {
                value.Caption = "Sempre";
            } else if (now == "Sempre") {
                value.Caption = "No";
                StopChannel(mmcMusiche);
                TmrMusiche.Enabled = false;
                TmrRipetiMusiche.Enabled = false;
            }
            break;
        case 5: {
            int automatic = 0, step = 0;
            if (now == "Lenta") {
                value.Caption = "Normale";
                automatic = 440;
                step = 220;
            } else if (now == "Normale") {
                value.Caption = "Veloce";
                automatic = 260;
                step = 130;
            } else if (now == "Veloce") {
                value.Caption = "Lenta";
                automatic = 620;
                step = 310;
            }
            if (automatic != 0) {
                TmrGiocaAutomatico.Interval = automatic;
                TmrMossaBlu3.Interval = step;
                TmrMossaGiallo3.Interval = step;
                TmrMossaVerde3.Interval = step;
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
    lblVarie(32).Caption = kHelp[Index];
}

}  // namespace zirimbo
