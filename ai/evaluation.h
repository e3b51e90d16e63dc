// How a computer character weighs its moves: each playable candidate is played
// on a scratch copy of the board, every pawn is valued by its progress, the
// mover's threatened pawns lose a share of their value, an eating move may earn
// a bonus, and the move is rated as the mover's total against the strongest
// opponent's. The three characters run the same steps with their own numbers.
//
// This is the plain-number core; the window's procedures copy the state tables
// into a Board, run it, and write its results back into their labels.
#pragma once

#include <array>
#include <cstdint>

#include "ai/threat_tables.h"
#include "board/players.h"

namespace zirimbo::ai {

// A position: which pawn stands on each cell, which pawns are parked, which are out.
struct Board {
    std::array<std::uint8_t, 37> cell{};    // [1..36] pawn number, 0 empty
    std::array<std::uint8_t, 17> parked{};  // [1..16] non-zero while the pawn waits in its parking square
    std::array<std::uint8_t, 17> out{};     // [1..16] non-zero once the pawn has left the board
};

// One row of the candidate-move table.
struct Candidate {
    std::uint8_t pawn = 0;
    std::uint8_t source = 0;  // the cell, or the parking square (= the pawn) for an entry row
    std::uint8_t target = 0;
    bool entry = false;  // a parked pawn entering on a six
    bool eats = false;   // the target holds an opponent that is eaten
    bool playable = false;
};

struct CandidateTable {
    int count = 0;                   // rows 1..count
    std::array<Candidate, 9> row{};  // [1..8]
};

// The numbers that make a character: whose pawns, where they leave the board,
// how the two tactic draws (1 to 8) split, and the threat table.
struct Character {
    int player;          // 2 Bob, 3 Giorgetto, 4 Carla
    int exitCell;        // 33, 34, 35
    int divisorSixUpTo;  // first draw 1..this: threat divisor 6, else 12
    int bonusOffUpTo;    // second draw 1..this: no eat bonus, else the bonus
};

constexpr Character CharacterOf(const players::Player& p) {
    return {p.number, p.exitCell, p.divisorSixUpTo, p.eatBonusOffUpTo};
}

inline constexpr Character kBob = CharacterOf(players::kPlayers[players::kBob]);
inline constexpr Character kGiorgetto = CharacterOf(players::kPlayers[players::kGiorgetto]);
inline constexpr Character kCarla = CharacterOf(players::kPlayers[players::kCarla]);

struct Tactics {
    int divisor = 6;  // 6 or 12
    bool eatBonus = false;
};

constexpr Tactics TacticsFor(const Character& who, int firstDraw, int secondDraw) {
    return {firstDraw <= who.divisorSixUpTo ? 6 : 12, secondDraw > who.bonusOffUpTo};
}

// Rounds to the nearest whole number, a half to the even neighbour (12.5 -> 12, 37.5 -> 38).
int RoundHalfEven(double x);

// What a threatened pawn loses: value / divisor * count in double precision, rounded.
int ThreatReduction(int value, int divisor, int count);

// The bonus for eating a pawn of this value: an eighth of it, rounded.
int EatBonus(int eatenValue);

// Plays a row on a board: an eaten pawn goes back to its parking square, the
// mover leaves its source, and lands on its target or, on its exit cell, leaves
// the board. Returns the pawn eaten (0 for none).
int PlayRow(Board& b, const Candidate& row, int exitCell);

// Every pawn's value on a board (parked 0, out 1200), into score[1..16].
void ScorePawns(const Board& b, std::array<std::int16_t, 17>& score);

// The threats to the mover's pawns on a board, added into count[1..16].
void CountThreats(const Board& b, const ThreatTable& table, std::array<std::int16_t, 17>& count);

// What one move choice leaves behind: the last rated position with its scores,
// the ratings and the chosen row.
struct Evaluation {
    Board scratch;                           // the position of the last rated row
    std::array<std::int16_t, 17> score{};    // [1..16] after the threat reduction
    std::array<std::int16_t, 17> threats{};  // [1..16]
    std::array<std::int16_t, 5> total{};     // [1..4] per player; the mover's with its eat bonus
    std::array<std::int16_t, 9> rating{};    // [1..8] per row, 0 for rows not rated; [0] the best
    int rated = 0;                           // rows rated
    int chosen = 0;                          // the row chosen, 0 when none was playable
    int eatenPawn = 0, eatenCell = 0;        // of the last rated row that eats (0: none)
    int eatenValue = -1;                     // its value when the bonus was worked out (-1: not this call)
};

// The move choice: rates every playable row and picks the best, the lowest row among equals.
void ChooseMove(const Character& who, Tactics tactics, const Board& board, const CandidateTable& rows, Evaluation& out);

}  // namespace zirimbo::ai
