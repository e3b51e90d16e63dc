// Stand-ins for the shell's scoreboard, music and end-of-game panel until they
// are built; some already do all that the turn cycle asks of them.
#include "shell/frmZirimbo2012.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
constexpr tk::Color kHumanRow = 0x8080FF;
constexpr tk::Color kYellow = 0x00FFFF;
}  // namespace

// Replaced by the scoreboard and options buttons' own version (this one is complete).
void frmZirimbo2012::ShowMenuButtons() {
    lblScrittaPulsanti(1).Visible = true;
    lblScrittaPulsanti(2).Visible = true;
    Shape3(1).Visible = true;
    Shape3(2).Visible = true;
    lblPulsante(1).Visible = true;
    lblPulsante(2).Visible = true;
    ShpVari(17).Visible = true;
}

// Replaced by the scoreboard's sort, which also chooses the row faces and saves the file.
void frmZirimbo2012::cmdCambiaClassifica_Click() {
    ControlArray<Shape>* shapes[5] = {nullptr, &Shp1SfondoClass, &Shp2SfondoClass, &Shp3SfondoClass,
                                      &Shp4SfondoClass};
    struct Row {
        std::string name, wins, date;
        tk::Color colour;
    };
    Row rows[5];
    bool placed[5] = {};
    int count = 0;
    for (int pass = 0; pass < 4; ++pass) {
        long max = 0;
        for (int i = 1; i <= 4; ++i)
            if (!placed[i] && tk::Val(lblVinte(i).Caption) > max) max = tk::Val(lblVinte(i).Caption);
        for (int i = 1; i <= 4; ++i) {
            if (placed[i] || tk::Val(lblVinte(i).Caption) != max) continue;
            placed[i] = true;
            rows[++count] = {lblNomeClass(i).Caption, lblVinte(i).Caption, lblData(i).Caption,
                             (*shapes[i])(0).BackColor};
            break;
        }
    }
    for (int j = 1; j <= count; ++j) {
        lblNomeClass(j).Caption = rows[j].name;
        lblVinte(j).Caption = rows[j].wins;
        lblData(j).Caption = rows[j].date;
        for (int e = 0; e <= 3; ++e) (*shapes[j])(e).BackColor = rows[j].colour;
    }
    lblPosizioneClass(1).Caption = "1";
    for (int i = 2; i <= 4; ++i)
        lblPosizioneClass(i).Caption = tk::Val(lblVinte(i).Caption) < tk::Val(lblVinte(i - 1).Caption)
                                           ? tk::Str(i)
                                           : lblPosizioneClass(i - 1).Caption.get();
    if (BackColor() == kHumanRow)
        for (int r = 1; r <= 4; ++r)
            if ((*shapes[r])(0).BackColor == kHumanRow) lblNomeClass(r).Caption = lblNomeGiocatore.Caption.get();
}

// Replaced by the music's next-piece button, which also starts the next piece of the shuffled lists.
void frmZirimbo2012::cmdProssimoBrano_Click() { StopChannel(mmcMusiche); }

// Replaced by the end-of-game panel.
void frmZirimbo2012::TmrPannelloVittoria_Timer() {
    TmrPannelloVittoria.Enabled = false;
    if (lblVoceOpzione(3).Caption != "No") {
        if (BackColor() == kHumanRow) TmrVerdi.Enabled = true;
        StartChannel(mmcMusiche);
    }
    ImgPersonaggio.Picture = LoadPicture("");
    ShowMenuButtons();
    lblPuoiGiocare.Caption = "Si";
    for (int i = 0; i <= 3; ++i) {
        FraPannello(i).Visible = i == 1;
        Shape3(i).BackColor = i == 1 ? colour::White : colour::Panel;
        lblScrittaPulsanti(i).ForeColor = i == 1 ? colour::Red : colour::Black;
    }
    FraRicomincia.Visible = true;
}

// Replaced by the scoreboard's victory blink (this one is complete).
void frmZirimbo2012::TmrLampeggiaVittoria_Timer() {
    const long p = tk::Val(lblPosizione.Caption);
    if (p < 1 || p > 4) return;
    const int r = static_cast<int>(p);
    const tk::Color next = lblPosizioneClass(r).ForeColor == colour::Black ? kYellow : colour::Black;
    lblPosizioneClass(r).ForeColor = next;
    lblNomeClass(r).ForeColor = next;
    lblVinte(r).ForeColor = next;
    lblData(r).ForeColor = next;
}

// Replaced by the end-of-game panel's logo animation (this one is complete).
void frmZirimbo2012::TmrLampeggiaLogo_Timer() {
    static const char* const kFrames[5] = {"", "\\Grafica\\Logo2.gif", "\\Grafica\\Logo3.gif", "\\Grafica\\Logo4.gif",
                                           "\\Grafica\\Logo.gif"};
    long frame = tk::Val(lblLampeggiaLogo.Caption) + 1;
    if (frame > 4 || frame < 1) frame = 1;
    lblLampeggiaLogo.Caption = tk::Str(frame);
    ImgVarie(5).Picture = LoadPicture(kFrames[frame]);
}

}  // namespace zirimbo
