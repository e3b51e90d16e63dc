// The data files of the game folder: the options with their timer intervals,
// the last player's name and the scoreboard.
#include <optional>
#include <string>
#include <vector>

#include "shell/frmZirimbo2012.h"
#include "shell/panel_values.h"
#include "toolkit/log.h"
#include "toolkit/seqfile.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {

const char* const kNameFile = "\\Dati\\ZirNom.txt";
const char* const kOptionsFile = "\\Dati\\ZirOpz.txt";
const char* const kScoreboardFile = "\\Dati\\ZirCla.txt";

constexpr int kMusicPollMs = 2000;

// A timer interval read from a file: a whole number of milliseconds from 1 to 65535.
// Anything else would stop the timer for good; the timer keeps its interval then.
void TakeInterval(Timer& t, const std::vector<std::string>& values, std::size_t at, const std::string& file) {
    if (at >= values.size()) return;
    const long ms = tk::Val(values[at]);
    if (ms > 0 && ms <= 65535 && tk::Str(ms) == values[at]) {
        t.Interval = static_cast<int>(ms);
    } else {
        tk::logLine(file + ": line " + tk::Str(static_cast<long>(at) + 1) + " is not an interval; kept " +
                    tk::Str(t.Interval));
    }
}

bool IsPlayerColour(long c) {
    for (int player = 1; player <= 4; ++player)
        if (static_cast<long>(kPlayerColour[player]) == c) return true;
    return false;
}

}  // namespace

// The name kept from the last run goes into the name box; the player confirms it.
void frmZirimbo2012::ReadPlayerName() {
    const std::string path = GamePath(kNameFile);
    const auto values = tk::readValues(path);
    if (!values || values->empty()) {
        tk::logLine(path + ": no name; the name box starts empty");
        return;
    }
    txtPassword.Text = values->front();
}

// The six options and the five timer intervals. Lines missing from the file keep
// the values the window was designed with.
void frmZirimbo2012::LoadOptions() {
    const std::string path = GamePath(kOptionsFile);
    const auto values = tk::readValues(path);
    if (!values) {
        tk::logLine(path + ": cannot be read; the options keep their defaults");
        return;
    }
    const std::vector<std::string>& v = *values;
    for (int i = 0; i <= 5; ++i)
        if (static_cast<std::size_t>(i) < v.size()) lblVoceOpzione(i).Caption = v[i];
    TakeInterval(TmrMusiche, v, 6, path);
    TakeInterval(TmrGiocaAutomatico, v, 7, path);
    TakeInterval(TmrMossaBlu3, v, 8, path);
    TakeInterval(TmrMossaGiallo3, v, 9, path);
    TakeInterval(TmrMossaVerde3, v, 10, path);
    if (v.size() < 11) tk::logLine(path + ": fewer than 11 lines; the missing ones keep their defaults");
}

// Written only on a confirmed exit. Each file is replaced whole or not at all.
void frmZirimbo2012::SaveOptionsAndName() {
    tk::SequentialWriter options(GamePath(kOptionsFile));
    for (int i = 0; i <= 5; ++i) options.writeString(lblVoceOpzione(i).Caption);
    options.writeNumber(kMusicPollMs);
    options.writeNumber(TmrGiocaAutomatico.Interval);
    options.writeNumber(TmrMossaBlu3.Interval);
    options.writeNumber(TmrMossaGiallo3.Interval);
    options.writeNumber(TmrMossaVerde3.Interval);
    options.commit();

    tk::SequentialWriter name(GamePath(kNameFile));
    name.writeString(lblNomeGiocatore.Caption);
    name.commit();
}

// The 16 texts of the four rows, then the row colours element by element. A file
// that cannot give every row a player colour (missing, short, a colour line that is
// not one of the four) is left aside and the scoreboard keeps its design values.
void frmZirimbo2012::LoadScoreboard() {
    const std::string path = GamePath(kScoreboardFile);
    const auto values = tk::readValues(path);
    if (!values || values->size() < 32) {
        tk::logLine(path + ": missing or shorter than 32 lines; the scoreboard starts empty");
        return;
    }
    const std::vector<std::string>& v = *values;
    // Row colours: whole numbers, a player's colour, the same on all four
    // elements of a row, and every player on one row.
    long colourOf[5][4] = {};
    for (int i = 0; i <= 3; ++i)
        for (int r = 1; r <= 4; ++r) {
            const std::string& text = v[16 + 4 * i + (r - 1)];
            const long c = tk::Val(text);
            if (tk::Str(c) != text || !IsPlayerColour(c)) {
                tk::logLine(path + ": line " + tk::Str(17 + 4 * i + (r - 1)) +
                            " is not a row colour; the scoreboard starts empty");
                return;
            }
            colourOf[r][i] = c;
        }
    for (int r = 1; r <= 4; ++r) {
        for (int i = 1; i <= 3; ++i)
            if (colourOf[r][i] != colourOf[r][0]) {
                tk::logLine(path + ": row " + tk::Str(r) + " has mixed colours; the scoreboard starts empty");
                return;
            }
        for (int q = 1; q < r; ++q)
            if (colourOf[q][0] == colourOf[r][0]) {
                tk::logLine(path + ": two rows share a player; the scoreboard starts empty");
                return;
            }
    }

    for (int r = 1; r <= 4; ++r) {
        lblPosizioneClass(r).Caption = v[4 * (r - 1)];
        lblNomeClass(r).Caption = v[4 * (r - 1) + 1];
        lblVinte(r).Caption = v[4 * (r - 1) + 2];
        lblData(r).Caption = v[4 * (r - 1) + 3];
    }
    for (int i = 0; i <= 3; ++i)
        for (int r = 1; r <= 4; ++r)
            ScoreboardRowShapes(*this, r)(i).BackColor = static_cast<tk::Color>(colourOf[r][i]);
}

// Rewritten whole after every scoreboard sort.
void frmZirimbo2012::SaveScoreboard() {
    tk::SequentialWriter out(GamePath(kScoreboardFile));
    for (int r = 1; r <= 4; ++r) {
        out.writeString(lblPosizioneClass(r).Caption);
        out.writeString(lblNomeClass(r).Caption);
        out.writeString(lblVinte(r).Caption);
        out.writeString(lblData(r).Caption);
    }
    for (int i = 0; i <= 3; ++i)
        for (int r = 1; r <= 4; ++r)
            out.writeNumber(static_cast<long>(ScoreboardRowShapes(*this, r)(i).BackColor.get()));
    out.commit();
}

}  // namespace zirimbo
