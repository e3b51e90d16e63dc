// The data files of the game folder: the options with their timer intervals,
// the last player's name and the scoreboard.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "form/frmZirimbo2012.h"
#include "shell/panel_values.h"
#include "toolkit/log.h"
#include "toolkit/paths.h"
#include "toolkit/runtime.h"
#include "toolkit/seqfile.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {

const char* const kNameFile = "\\Dati\\ZirNom.txt";
const char* const kOptionsFile = "\\Dati\\ZirOpz.txt";
const char* const kScoreboardFile = "\\Dati\\ZirCla.txt";

constexpr int kMusicPollMs = 2000;
// Shorter intervals would race the pictures, longer ones make the game crawl.
constexpr long kShortestIntervalMs = 50;
constexpr long kLongestIntervalMs = 5000;
// What the wins column and the sort hold.
constexpr long kMostWins = 32767;

// The values each option takes in its cycle on the options panel.
using namespace state_text;
const std::vector<std::string> kChoices[6] = {
    {kOn, kOff},                                  // characters
    {kOn, kOff},                                  // sound effects
    {kOn, kOff},                                  // automatic move
    {kMusicOff, kMusicNowAndThen, kMusicAlways},  // music
    {kOn, kOff},                                  // voices
    {kSlow, kNormal, kFast},                      // speed
};

// A timer interval read from a file: a whole number of milliseconds in the sane range.
// Anything else keeps the timer's interval. False when the line was not taken.
bool TakeInterval(Timer& t, const std::vector<std::string>& values, std::size_t at, const std::string& file) {
    if (at >= values.size()) return true;
    const long ms = tk::Val(values[at]);
    if (ms >= kShortestIntervalMs && ms <= kLongestIntervalMs && tk::Str(ms) == values[at]) {
        t.Interval = static_cast<int>(ms);
        return true;
    }
    tk::logLine(file + ": line " + tk::Str(static_cast<long>(at) + 1) + " is not an interval from " +
                tk::Str(kShortestIntervalMs) + " to " + tk::Str(kLongestIntervalMs) + " ms; kept " +
                tk::Str(t.Interval));
    return false;
}

bool IsPlayerColour(long c) {
    for (int player = 1; player <= 4; ++player)
        if (static_cast<long>(PlayerColour(player)) == c) return true;
    return false;
}

// A wins text as the sort can hold it: a whole number from 0 to 32767. Blanks and a
// sign around the digits are forgiven; anything else counts as no wins.
std::string SaneWins(const std::string& text) {
    const std::size_t digits = text.find_first_of("0123456789");
    const std::size_t last = text.find_last_of("0123456789");
    bool number = digits != std::string::npos;
    for (std::size_t i = 0; number && i < text.size(); ++i) {
        const char c = text[i];
        if (i < digits) {
            number = c == ' ' || ((c == '+' || c == '-') && i + 1 == digits);
        } else if (i > last) {
            number = c == ' ';
        } else {
            number = c >= '0' && c <= '9';
        }
    }
    if (!number) return "0";
    return tk::Str(std::clamp(tk::Val(text), 0L, kMostWins));
}

// The player colour held by most of a row's colour lines in the file; none (0) when
// no line holds one or two colours are held equally often.
long RowColour(const std::vector<std::string>& v, int row) {
    long colour[4] = {}, votes[4] = {};
    for (int i = 0; i <= 3; ++i) {
        const std::size_t at = 16 + 4 * i + (row - 1);
        if (at >= v.size()) continue;
        const long c = tk::Val(v[at]);
        if (tk::Str(c) != v[at] || !IsPlayerColour(c)) continue;
        for (int k = 0; k <= 3; ++k)
            if (votes[k] == 0 || colour[k] == c) {
                colour[k] = c;
                ++votes[k];
                break;
            }
    }
    long best = 0, most = 0;
    bool tie = false;
    for (int k = 0; k <= 3; ++k) {
        if (votes[k] > most) {
            best = colour[k], most = votes[k], tie = false;
        } else if (votes[k] == most && most > 0) {
            tie = true;
        }
    }
    return tie ? 0 : best;
}

}  // namespace

// Before a data file that was refused or repaired on loading is first overwritten,
// it is kept beside it; a file that cannot be kept is not overwritten.
bool frmZirimbo2012::MayOverwrite(bool& damaged, const std::string& path) {
    if (!damaged) return true;
    if (!tk::keepDamagedCopy(path, runtime().clock.localTime())) return false;
    damaged = false;
    return true;
}

// The name kept from the last run goes into the name box; the player confirms it.
void frmZirimbo2012::ReadPlayerName() {
    const std::string path = tk::resolvePath(GamePath(kNameFile));
    const tk::FileValues file = tk::readValues(path);
    if (file.status == tk::FileValues::Refused) {
        tk::logLine(path + ": " + file.problem + "; not read, the name box starts empty");
        nameFileDamaged_ = true;
        return;
    }
    if (file.values.empty()) {
        tk::logLine(path + ": no name; the name box starts empty");
        return;
    }
    const std::string& full = file.values.front();
    const std::string name = full.substr(0, tk::byteOfCharacter(full, kNameLength));
    if (name != full) {
        tk::logLine(path + ": the name is longer than " + tk::Str(kNameLength) + " characters; only its start is kept");
        nameFileDamaged_ = true;
    } else {
        // A file the next save would write otherwise (a byte-order mark, a double quote
        // or a character the code page cannot hold, other lines) is kept before then.
        tk::SequentialWriter same(path);
        same.writeString(name);
        if (same.bytes() != file.bytes) {
            tk::logLine(path + ": not as the game writes a name; the file is kept aside before the name is saved");
            nameFileDamaged_ = true;
        }
    }
    txtPassword.Text = name;
}

// The six options and the five timer intervals. Lines missing from the file, and
// values that are not among their option's choices or not a sane interval, keep
// the values the window was designed with.
void frmZirimbo2012::LoadOptions() {
    const std::string path = tk::resolvePath(GamePath(kOptionsFile));
    const tk::FileValues file = tk::readValues(path);
    if (file.status != tk::FileValues::Read) {
        if (file.status == tk::FileValues::Refused) {
            tk::logLine(path + ": " + file.problem + "; not read, the options keep their defaults");
            optionsFileDamaged_ = true;
        } else {
            tk::logLine(path + ": missing; the options keep their defaults");
        }
        return;
    }
    const std::vector<std::string>& v = file.values;
    for (int i = 0; i <= 5 && static_cast<std::size_t>(i) < v.size(); ++i) {
        const std::vector<std::string>& choices = kChoices[i];
        if (std::find(choices.begin(), choices.end(), v[i]) != choices.end()) {
            lblVoceOpzione(i).Caption = v[i];
        } else {
            tk::logLine(path + ": line " + tk::Str(i + 1) + " is not a value of its option; kept " +
                        lblVoceOpzione(i).Caption.get());
            optionsFileDamaged_ = true;
        }
    }
    for (auto [timer, line] : {std::pair{&TmrMusiche, 6},
                               {&TmrGiocaAutomatico, 7},
                               {&TmrMossaBlu3, 8},
                               {&TmrMossaGiallo3, 9},
                               {&TmrMossaVerde3, 10}})
        if (!TakeInterval(*timer, v, line, path)) optionsFileDamaged_ = true;
    if (v.size() < 11) tk::logLine(path + ": fewer than 11 lines; the missing ones keep their defaults");
}

// Written only on a confirmed exit. Each file is replaced whole or not at all.
void frmZirimbo2012::SaveOptionsAndName() {
    const std::string optionsPath = tk::resolvePath(GamePath(kOptionsFile));
    if (MayOverwrite(optionsFileDamaged_, optionsPath)) {
        tk::SequentialWriter options(optionsPath);
        for (int i = 0; i <= 5; ++i) options.writeString(lblVoceOpzione(i).Caption);
        options.writeNumber(kMusicPollMs);
        options.writeNumber(TmrGiocaAutomatico.Interval);
        options.writeNumber(TmrMossaBlu3.Interval);
        options.writeNumber(TmrMossaGiallo3.Interval);
        options.writeNumber(TmrMossaVerde3.Interval);
        options.commit();
    }

    const std::string namePath = tk::resolvePath(GamePath(kNameFile));
    if (MayOverwrite(nameFileDamaged_, namePath)) {
        tk::SequentialWriter name(namePath);
        name.writeString(lblNomeGiocatore.Caption);
        name.commit();
    }
}

// The 16 texts of the four rows, then the row colours element by element. Each row
// takes the player colour most of its four colour lines hold; a row none of whose
// lines tells is given the one player left by the other three. A file that cannot
// tell the four players apart that way (missing, short, rows sharing a player) is
// left aside and the scoreboard keeps its design values. Wins are whole numbers
// from 0 to 32767.
void frmZirimbo2012::LoadScoreboard() {
    const std::string path = tk::resolvePath(GamePath(kScoreboardFile));
    const tk::FileValues file = tk::readValues(path);
    if (file.status != tk::FileValues::Read) {
        if (file.status == tk::FileValues::Refused) {
            tk::logLine(path + ": " + file.problem + "; not read, the scoreboard starts empty");
            scoreboardFileDamaged_ = true;
        } else {
            tk::logLine(path + ": missing; the scoreboard starts empty");
        }
        return;
    }
    const std::vector<std::string>& v = file.values;
    long colourOf[5] = {};
    int unknown = 0;
    for (int r = 1; r <= 4; ++r)
        if ((colourOf[r] = v.size() >= 16 ? RowColour(v, r) : 0) == 0) unknown = unknown ? -1 : r;
    if (unknown > 0) {
        long left = 0;
        for (int player = 1; player <= 4; ++player)
            if (std::find(colourOf + 1, colourOf + 5, static_cast<long>(PlayerColour(player))) == colourOf + 5)
                left = left ? -1 : static_cast<long>(PlayerColour(player));
        if (left > 0) colourOf[unknown] = left;
    }
    bool apart = unknown >= 0;
    for (int r = 1; r <= 4 && apart; ++r)
        for (int q = 1; q < r && apart; ++q) apart = colourOf[r] != 0 && colourOf[q] != colourOf[r];
    if (!apart) {
        tk::logLine(path + ": the rows cannot be told apart by their colours; the scoreboard starts empty");
        scoreboardFileDamaged_ = !v.empty();
        return;
    }

    bool repaired = false;
    for (int i = 0; i <= 3; ++i)
        for (int r = 1; r <= 4; ++r) {
            const std::size_t at = 16 + 4 * i + (r - 1);
            if (at >= v.size() || v[at] != tk::Str(colourOf[r])) repaired = true;
            ScoreboardRowShapes(*this, r)(i).BackColor = static_cast<tk::Color>(colourOf[r]);
        }
    for (int r = 1; r <= 4; ++r) {
        lblPosizioneClass(r).Caption = v[4 * (r - 1)];
        lblNomeClass(r).Caption = v[4 * (r - 1) + 1];
        lblVinte(r).Caption = SaneWins(v[4 * (r - 1) + 2]);
        lblData(r).Caption = v[4 * (r - 1) + 3];
        if (lblVinte(r).Caption != v[4 * (r - 1) + 2]) {
            tk::logLine(path + ": line " + tk::Str(4 * r - 1) + " is not a number of wins from 0 to " +
                        tk::Str(kMostWins) + "; taken as " + lblVinte(r).Caption.get());
            scoreboardFileDamaged_ = true;
        }
    }
    if (repaired) {
        tk::logLine(path + ": damaged colour lines; the rows were told apart by the others and the texts kept");
        scoreboardFileDamaged_ = true;
    }
}

// Rewritten whole after every scoreboard sort.
void frmZirimbo2012::SaveScoreboard() {
    const std::string path = tk::resolvePath(GamePath(kScoreboardFile));
    if (!MayOverwrite(scoreboardFileDamaged_, path)) return;
    tk::SequentialWriter out(path);
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
