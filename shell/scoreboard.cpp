// The scoreboard: four rows ranked by games won over every run. Whose row is
// whose is told only by the colour of the row's cells.
#include "form/frmZirimbo2012.h"
#include "shell/panel_values.h"
#include "toolkit/text.h"

namespace zirimbo {

ControlArray<Shape>& ScoreboardRowShapes(frmZirimbo2012& f, int row) {
    ControlArray<Shape>* rows[4] = {&f.Shp1SfondoClass, &f.Shp2SfondoClass, &f.Shp3SfondoClass, &f.Shp4SfondoClass};
    return *rows[row - 1];
}

namespace {
constexpr tk::Color kHuman = PlayerColour(1);
constexpr tk::Color kYellow = 0x00FFFF;

// The faces of a player: leader, normal, last place.
struct Faces {
    tk::Color colour;
    const char* leader;
    const char* normal;
    const char* last;
};
const Faces kFaces[4] = {
    {kHuman, "\\Grafica\\rossa2.gif", "\\Grafica\\rossa.gif", "\\Grafica\\rossa.gif"},
    {PlayerColour(2), "\\Fumetti\\B09.gif", "\\Fumetti\\B11.gif", "\\Fumetti\\B02.gif"},
    {PlayerColour(3), "\\Fumetti\\G09.gif", "\\Fumetti\\G11.gif", "\\Fumetti\\G02.gif"},
    {PlayerColour(4), "\\Fumetti\\C09.gif", "\\Fumetti\\C01.gif", "\\Fumetti\\C02.gif"},
};
}  // namespace

// A selection sort in four passes: the most wins first, equal rows in their order.
void frmZirimbo2012::cmdCambiaClassifica_Click() {
    for (int pass = 0; pass < 4; ++pass) {
        // The most wins among the rows not yet placed. Starting from the first such
        // row rather than from 0 places a row with a negative count too, last.
        bool any = false;
        long max = 0;
        for (int i = 1; i <= 4; ++i) {
            if (lblVinte(i).ForeColor != colour::Black) continue;
            const long wins = tk::Val(lblVinte(i).Caption);
            if (!any || wins > max) max = wins;
            any = true;
        }
        for (int i = 1; i <= 4 && any; ++i) {
            if (lblVinte(i).ForeColor != colour::Black || tk::Val(lblVinte(i).Caption) != max) continue;
            lblVinte(i).ForeColor = colour::Red;
            const long k = tk::Val(lblContaExp.Caption) + 1;
            lblContaExp.Caption = tk::Str(k);
            const int slot = static_cast<int>(k);
            if (slot < 1 || slot > 4) break;
            lblExpN(slot).Caption = lblNomeClass(i).Caption.get();
            lblExpV(slot).Caption = lblVinte(i).Caption.get();
            lblExpD(slot).Caption = lblData(i).Caption.get();
            lblExpV(slot).BackColor = ScoreboardRowShapes(*this, i)(0).BackColor.get();
            break;
        }
    }
    for (int j = 1; j <= 4; ++j) {
        lblVinte(j).ForeColor = colour::Black;
        lblNomeClass(j).Caption = lblExpN(j).Caption.get();
        lblVinte(j).Caption = lblExpV(j).Caption.get();
        lblData(j).Caption = lblExpD(j).Caption.get();
        for (int e = 0; e <= 3; ++e) ScoreboardRowShapes(*this, j)(e).BackColor = lblExpV(j).BackColor.get();
    }
    // Equal wins share a position; the next one skips the shared places.
    lblPosizioneClass(1).Caption = "1";
    for (int i = 2; i <= 4; ++i) {
        if (tk::Val(lblVinte(i).Caption) < tk::Val(lblVinte(i - 1).Caption))
            lblPosizioneClass(i).Caption = tk::Str(i);
        else
            lblPosizioneClass(i).Caption = lblPosizioneClass(i - 1).Caption.get();
    }
    // After the human's win the human's row takes the name of this run's player.
    if (BackColor() == kHuman)
        for (int r = 1; r <= 4; ++r)
            if (ScoreboardRowShapes(*this, r)(0).BackColor == kHuman)
                lblNomeClass(r).Caption = lblNomeGiocatore.Caption.get();
    ShowScoreboardPictures();
    SaveScoreboard();
    lblContaExp.Caption = "0";
}

void frmZirimbo2012::ShowScoreboardPictures() {
    if (tk::Val(lblVinte(1).Caption) == 0) {
        // Nobody has won yet.
        ImgClassifica(1).Picture = LoadPicture("\\Grafica\\rossa.gif");
        ImgClassifica(2).Picture = LoadPicture("\\Fumetti\\B03.gif");
        ImgClassifica(3).Picture = LoadPicture("\\Fumetti\\G11.gif");
        ImgClassifica(4).Picture = LoadPicture("\\Fumetti\\C01.gif");
        return;
    }
    for (int r = 1; r <= 4; ++r) {
        const tk::Color colour = ScoreboardRowShapes(*this, r)(1).BackColor;
        const Faces* faces = nullptr;
        for (const Faces& candidate : kFaces)
            if (candidate.colour == colour) faces = &candidate;
        if (!faces) continue;
        const std::string position = lblPosizioneClass(r).Caption;
        const char* face = nullptr;
        if (r == 1) {
            face = faces->leader;
        } else if (r < 4 || faces->colour == kHuman) {
            face = tk::Val(position) == 1 ? faces->leader : faces->normal;
        } else if (position == "1") {
            face = faces->leader;
        } else if (position == "2" || position == "3") {
            face = faces->normal;
        } else if (position == "4") {
            face = faces->last;
        }
        if (face) ImgClassifica(r).Picture = LoadPicture(face);
    }
}

// Every 300 ms after the human's victory: the human's row between black and yellow.
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

// Developer aid: one more win for player Index (1 red, 2 Bob, 3 Giorgetto, 4 Carla).
void frmZirimbo2012::cmdVince_Click(int Index) {
    if (Index < 1 || Index > 4) return;
    RecordScoreboardWin(PlayerColour(Index));
}

}  // namespace zirimbo
