// The words the window's state captions hold, and the kinds the typed readings
// of those captions give. The captions stay the storage: the options file holds
// these very texts, so they must not change by a letter or an accent.
#pragma once

namespace zirimbo {

// The option table, lblVoceOpzione(0..5), by what each element governs.
enum class Option {
    Characters = 0,  // "Personaggi:": the characters' pictures in the portrait
    Effects = 1,     // "Rumori:": sound effects
    AutoMove = 2,    // "Automatico:": the automatic red move
    Music = 3,       // "Musiche:": see MusicMode
    Voices = 4,      // "Voci:": the characters' voice lines
    Speed = 5,       // "Velocità gioco:": see GameSpeed
};

// The music option. Other: a text outside the cycle (only a damaged options
// file gives one); it counts as music on and a click leaves it as it is.
enum class MusicMode { Off, NowAndThen, Always, Other };

// The speed option; Other as for the music.
enum class GameSpeed { Slow, Normal, Fast, Other };

namespace state_text {
// The two-valued options. Any text other than kOn reads as off.
inline constexpr const char* kOn = "Sì";
inline constexpr const char* kOff = "No";
// The music option's cycle.
inline constexpr const char* kMusicOff = "No";
inline constexpr const char* kMusicNowAndThen = "Ogni tanto";
inline constexpr const char* kMusicAlways = "Sempre";
// The speed option's cycle.
inline constexpr const char* kSlow = "Lenta";
inline constexpr const char* kNormal = "Normale";
inline constexpr const char* kFast = "Veloce";
// The human's turn flag lblPuoiGiocare: written without the accent.
inline constexpr const char* kCanPlay = "Si";
inline constexpr const char* kCannotPlay = "No";
}  // namespace state_text

}  // namespace zirimbo
