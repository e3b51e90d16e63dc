#include "ai/evaluation.h"

#include <algorithm>
#include <cmath>

#include "board/board_geometry.h"

namespace zirimbo::ai {

int RoundHalfEven(double x) {
    double whole = std::floor(x);
    const double rest = x - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return static_cast<int>(whole);
}

int ThreatReduction(int value, int divisor, int count) {
    // Division first, then the count, as the characters have always reckoned it.
    return RoundHalfEven(static_cast<double>(value) / divisor * count);
}

int EatBonus(int eatenValue) { return RoundHalfEven(static_cast<double>(eatenValue) / 8); }

namespace {
bool IsPawn(int p) { return p >= 1 && p <= 16; }
bool IsCell(int c) { return c >= 1 && c <= 36; }

// A row whose numbers all name real pawns and cells; anything else is never played.
bool CanBePlayed(const Candidate& r) {
    return r.playable && IsPawn(r.pawn) && IsCell(r.target) && (r.entry || IsCell(r.source));
}
}  // namespace

int PlayRow(Board& b, const Candidate& row, int exitCell) {
    int eaten = 0;
    if (row.eats) {
        const int q = b.cell[row.target];
        if (IsPawn(q)) {
            b.parked[q] = static_cast<std::uint8_t>(q);
            eaten = q;
        }
    }
    // The source is emptied before the target is filled, so a pawn that goes
    // once around the inner ring ends where it stood.
    if (row.entry)
        b.parked[row.pawn] = 0;
    else
        b.cell[row.source] = 0;
    if (row.target == exitCell) {
        b.cell[row.target] = 0;
        b.out[row.pawn] = row.pawn;
    } else {
        b.cell[row.target] = row.pawn;
    }
    return eaten;
}

void ScorePawns(const Board& b, std::array<std::int16_t, 17>& score) {
    score.fill(0);
    for (int p = 1; p <= 16; ++p)
        if (b.out[p]) score[p] = kOutValue;
    for (int c = 1; c <= 36; ++c) {
        const int p = b.cell[c];
        if (IsPawn(p)) score[p] = static_cast<std::int16_t>(PositionalValue(p, c));
    }
}

void CountThreats(const Board& b, const ThreatTable& table, std::array<std::int16_t, 17>& count) {
    for (int c = 1; c <= 36; ++c) {
        const int p = b.cell[c];
        if (!IsPawn(p) || ColourOfPawn(p) != table.mover) continue;
        const ThreatTable::Slice& slice = table.cases[c];
        int n = count[p];
        const ThreatTable::Source* s = table.sources.data() + slice.first;
        for (int k = 0; k < slice.count; ++k, ++s) {
            const int q = b.cell[s->cell];
            if (IsPawn(q) && (s->colours & ColourBit(ColourOfPawn(q)))) n += s->weight;
        }
        // Parked pawns of a colour count once, however many wait.
        for (int x = 1; x <= 4; ++x) {
            if (!(slice.parking & ColourBit(x))) continue;
            const int first = FirstPawnOf(x);
            for (int j = first; j < first + 4; ++j)
                if (b.parked[j]) {
                    ++n;
                    break;
                }
        }
        count[p] = static_cast<std::int16_t>(n);
    }
}

void ChooseMove(const Character& who, Tactics tactics, const Board& board, const CandidateTable& rows,
                Evaluation& out) {
    const ThreatTable& table = ThreatTableOf(who.player);
    const int firstOwn = FirstPawnOf(who.player);
    const int count = std::clamp(rows.count, 0, 8);

    out.rating.fill(0);
    out.rated = 0;
    out.chosen = 0;
    out.eatenPawn = out.eatenCell = 0;
    out.eatenValue = -1;

    for (int n = 1; n <= count; ++n) {
        const Candidate& row = rows.row[n];
        if (!CanBePlayed(row)) continue;
        ++out.rated;
        out.scratch = board;
        const int eaten = PlayRow(out.scratch, row, who.exitCell);
        if (eaten) {
            out.eatenPawn = eaten;
            out.eatenCell = row.target;
        }
        ScorePawns(out.scratch, out.score);
        out.threats.fill(0);
        CountThreats(out.scratch, table, out.threats);
        for (int p = firstOwn; p < firstOwn + 4; ++p)
            if (out.threats[p] != 0)
                out.score[p] = static_cast<std::int16_t>(
                    out.score[p] - ThreatReduction(out.score[p], tactics.divisor, out.threats[p]));

        for (int player = 1; player <= 4; ++player) {
            const int first = FirstPawnOf(player);
            int sum = out.score[first] + out.score[first + 1] + out.score[first + 2] + out.score[first + 3];
            if (player == who.player && row.eats && tactics.eatBonus && eaten) {
                out.eatenValue = PositionalValue(eaten, row.target);
                sum += EatBonus(out.eatenValue);
            }
            out.total[player] = static_cast<std::int16_t>(sum);
        }
        int strongest = -30000;
        for (int player = 1; player <= 4; ++player)
            if (player != who.player) strongest = std::max<int>(strongest, out.total[player]);
        out.rating[n] = static_cast<std::int16_t>(out.total[who.player] - strongest);
    }

    int best = -30000;
    for (int n = 1; n <= count; ++n)
        if (CanBePlayed(rows.row[n]) && out.rating[n] >= best) {
            best = out.rating[n];
            out.rating[0] = static_cast<std::int16_t>(best);
        }
    for (int n = 1; n <= count; ++n)
        if (CanBePlayed(rows.row[n]) && out.rating[n] == out.rating[0]) {
            out.chosen = n;
            break;
        }
}

}  // namespace zirimbo::ai
