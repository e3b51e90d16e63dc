// The four players and everything that tells one from another: the human (red)
// and the three characters Bob, Giorgetto and Carla. Every piece of the game that
// needs a player's colour, pawns, cells, pictures or texts reads it here.
#pragma once

#include <cstdint>

namespace zirimbo::players {

using Color = std::uint32_t;  // blue-green-red, as the window's colours

inline constexpr int kRed = 1;
inline constexpr int kBob = 2;
inline constexpr int kGiorgetto = 3;
inline constexpr int kCarla = 4;

// The looks of a pawn picture ("\Pedine\B3.gif" is Bob's pawn chosen).
enum PawnLook {
    Plain = 1,
    Marked = 2,         // a red pawn that can move, an opponent's pawn that can be eaten
    Chosen = 3,         // the pawn about to move
    OwnTarget = 4,      // a pawn of the mover on the target: red's chosen pawn its own target, a character's own pawn
    ChosenOnStart = 5,  // the chosen pawn standing on a start cell
};

struct Player {
    int number;                  // 1 red .. 4 Carla
    int firstPawn;               // its pawns are firstPawn .. firstPawn + 3, also their parking and exit squares
    int startCell;               // where an entering pawn lands
    int exitCell;                // where a pawn leaves the board
    const char* pawnPicture[6];  // [PawnLook]
    char commentLetter;          // of the voice clips and bubbles ("\Bob\05B4.wav", "\Fumetti\B05.gif")
    const char* voiceFolder;
    Color dieBody;
    Color diePips;
    Color light;              // the message area while the character acts or speaks; red's during a refusal or a
                              // skip, and the name box's flash
    Color winner;             // the window's background when it wins; also its scoreboard row's colour
    Color winnerArea;         // the message area when it wins
    Color developerLight;     // its cells, totals and columns in the hidden developer views
    const char* skipMessage;  // a turn without a playable pawn
    int skipPause;            // the turn hub's interval after it
    // A character's temper in its move choice, by its two tactic draws of 1 to 8:
    // the first up to this divides a threatened pawn's value by 6 (else by 12),
    int divisorSixUpTo;
    // and the second up to this gives no bonus for eating (else the bonus).
    int eatBonusOffUpTo;
};

// [1..4]; element 0 is no player.
inline constexpr Player kPlayers[5] = {
    {},
    {.number = kRed,
     .firstPawn = 1,
     .startCell = 1,
     .exitCell = 36,
     .pawnPicture = {"", "\\Pedine\\R1.gif", "\\Pedine\\R2.gif", "\\Pedine\\R3.gif", "\\Pedine\\R4.gif",
                     "\\Pedine\\R5.gif"},
     .commentLetter = ' ',
     .voiceFolder = "",
     .dieBody = 0x0000FF,
     .diePips = 0xFFFFFF,
     .light = 0x8080FF,
     .winner = 0x8080FF,
     .winnerArea = 0x8080FF,
     .developerLight = 0xC0C0FF,
     .skipMessage = "Non hai pedine giocabili, devi saltare il tuo turno!!",
     .skipPause = 1500,
     .divisorSixUpTo = 0,
     .eatBonusOffUpTo = 0},
    {.number = kBob,
     .firstPawn = 5,
     .startCell = 6,
     .exitCell = 33,
     .pawnPicture = {"", "\\Pedine\\B1.gif", "\\Pedine\\B2.gif", "\\Pedine\\B3.gif", "\\Pedine\\B4.gif",
                     "\\Pedine\\B5.gif"},
     .commentLetter = 'B',
     .voiceFolder = "\\Bob",
     .dieBody = 0xFF9400,
     .diePips = 0xFFFFFF,
     .light = 0xFFCB84,
     .winner = 0xFFCB84,
     .winnerArea = 0xFFCB84,
     .developerLight = 0xFFFFC0,
     .skipMessage = "Devo saltare il turno...",
     .skipPause = 1600,
     .divisorSixUpTo = 4,
     .eatBonusOffUpTo = 4},
    {.number = kGiorgetto,
     .firstPawn = 9,
     .startCell = 11,
     .exitCell = 34,
     .pawnPicture = {"", "\\Pedine\\G1.gif", "\\Pedine\\G2.gif", "\\Pedine\\G3.gif", "\\Pedine\\G4.gif",
                     "\\Pedine\\G5.gif"},
     .commentLetter = 'G',
     .voiceFolder = "\\Giorgetto",
     .dieBody = 0x00FFFF,
     .diePips = 0x808080,
     .light = 0xC0FFFF,
     .winner = 0x80FFFF,
     .winnerArea = 0xC0FFFF,
     .developerLight = 0xC0FFFF,
     .skipMessage = "Non posso giocare...",
     .skipPause = 1800,
     .divisorSixUpTo = 2,
     .eatBonusOffUpTo = 2},
    {.number = kCarla,
     .firstPawn = 13,
     .startCell = 16,
     .exitCell = 35,
     .pawnPicture = {"", "\\Pedine\\V1.gif", "\\Pedine\\V2.gif", "\\Pedine\\V3.gif", "\\Pedine\\V4.gif",
                     "\\Pedine\\V5.gif"},
     .commentLetter = 'C',
     .voiceFolder = "\\Carla",
     .dieBody = 0x00C000,
     .diePips = 0xFFFFFF,
     .light = 0x9DEEA2,
     .winner = 0x80FF80,
     .winnerArea = 0x80FF80,
     .developerLight = 0xC0FFC0,
     .skipMessage = "Passo...",
     .skipPause = 1000,
     .divisorSixUpTo = 6,
     .eatBonusOffUpTo = 6},
};

inline constexpr bool IsPlayer(long player) { return player >= kRed && player <= kCarla; }
inline constexpr bool IsCharacter(long player) { return player >= kBob && player <= kCarla; }
inline constexpr bool IsPawn(long pawn) { return pawn >= 1 && pawn <= 16; }

// The character a computer turn's player number names: 2 to 4, the numbers outside taken to the nearest.
inline constexpr int CharacterOf(int player) { return player <= kBob ? kBob : player >= kCarla ? kCarla : player; }

// The player of pawn 1 to 16.
inline constexpr int PlayerOfPawn(long pawn) { return static_cast<int>((pawn + 3) / 4); }

inline constexpr bool OwnsPawn(const Player& p, long pawn) { return pawn >= p.firstPawn && pawn <= p.firstPawn + 3; }

// A pawn of pawn number 1 to 16 in one of its looks.
inline constexpr const char* PawnPicture(long pawn, PawnLook look) {
    return kPlayers[PlayerOfPawn(pawn)].pawnPicture[look];
}

// The start cell of any player.
inline constexpr bool IsStartCell(long cell) {
    for (int p = kRed; p <= kCarla; ++p)
        if (kPlayers[p].startCell == cell) return true;
    return false;
}

}  // namespace zirimbo::players
