// Design values of the comments' tables: the line orders and the characters'
// cursors as grids in the hidden developer frame FraCasuale (one column per
// category: its order above, the three cursors below), the shuffle's working
// list, step counter and swap cell, the frame's buttons, and the hidden label of
// the exit panel that names the character who will say goodbye.
#include "form/developer_views.h"
#include "form/frmZirimbo2012.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
constexpr int kCell = 315;
constexpr int kRow = 255;

void GridCell(Label& l, Frame* frame, int left, int top, const std::string& value, int width = 300) {
    l.Container = frame;
    l.Move(left, top, width, 240);
    l.Caption = value;
    l.Alignment = 2;
    l.FontSize = 6.75;
    l.BorderStyle = 1;
    l.BackColor = colour::White;
}

void Button(CommandButton& b, Frame* frame, const char* caption, int left, int top, int width) {
    b.Container = frame;
    b.Move(left, top, width, 375);
    b.Caption = caption;
}
}  // namespace

void frmZirimbo2012::DesignComments() {
    for (int category = 1; category <= 11; ++category) {
        const int left = 105 + kCell * (category - 1);
        ControlArray<Label>& order = LineOrderOf(category);
        for (int i = 1; i <= CommentLineCount(category); ++i)
            GridCell(order(i), &FraCasuale, left, 150 + kRow * (i - 1), "0");
        for (int who = 0; who < 3; ++who) {
            Label& cursor = LineCursorsOf(who + 2)(category);
            GridCell(cursor, &FraCasuale, left, 2040 + kRow * who, "0");
            cursor.BackColor = developer_view::LightOfPlayer(who + 2);
        }
    }
    for (int i = 0; i <= 7; ++i)
        GridCell(lblNumeriSette(i), &FraCasuale, 105 + kCell * i, 2910, i == 0 ? "7" : tk::Str(i));
    GridCell(lblConteggio, &FraCasuale, 2730, 2910, "0", 420);
    GridCell(lblPassaggio, &FraCasuale, 3255, 2910, "0");

    Button(cmdAssegnaCasuale, &FraCasuale, "Assegna Casuale", 105, 3240, 1700);
    Button(cmdAssegnaGiocatori, &FraCasuale, "Assegna Giocatori", 1890, 3240, 1700);
    Button(cmdAssegnaTre, &FraCasuale, "Assegna Tre", 105, 3660, 1100);
    Button(cmdCasualeSette, &FraCasuale, "Casuale 7", 1250, 3660, 1100);
    Button(cmdCasualeTre, &FraCasuale, "Casuale 3", 2400, 3660, 1100);
    cmdAssegnaCasuale.onClick = [this](int) { cmdAssegnaCasuale_Click(); };
    cmdAssegnaGiocatori.onClick = [this](int) { cmdAssegnaGiocatori_Click(); };
    cmdAssegnaTre.onClick = [this](int) { cmdAssegnaTre_Click(); };
    cmdCasualeSette.onClick = [this](int) { cmdCasualeSette_Click(); };
    cmdCasualeTre.onClick = [this](int) { cmdCasualeTre_Click(); };

    lblUnoDeiTre.Container = &FraPannello(3);
    lblUnoDeiTre.Move(120, 120, 255, 255);
    lblUnoDeiTre.Caption = "1";
    lblUnoDeiTre.Visible = false;
}

}  // namespace zirimbo
