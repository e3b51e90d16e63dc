// Loading pictures and sounds from the game folder, which the player may have
// changed: any bytes at all give either the picture or sound, or nothing with
// one log line naming the file. A picture is decoded as the kind its name says,
// and bytes of another kind are a damaged picture: GIF pictures by giflib, JPEG
// pictures by SDL2_image after their structure has been checked, and no other
// kind at all (the game has none). WAV or Ogg Vorbis sounds and MIDI or Ogg music
// are handed to SDL2_mixer only after their structure has been checked.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <SDL.h>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace zirimbo::frontend {

using MediaBytes = std::vector<unsigned char>;

// Larger files are not media of this game.
constexpr std::size_t kMaxMediaBytes = 16 * 1024 * 1024;
// A sound is decoded whole when it is loaded: an Ogg Vorbis sound that could hold
// more than this many seconds is refused (the game's sounds last a few seconds).
constexpr int kMaxSoundSeconds = 60;
// Pictures wider or taller than this, in pixels, are refused.
constexpr int kMaxPictureSide = 4096;
// The window icon is at most this many pixels a side: X servers refuse a larger
// icon property, and Xlib then ends the program.
constexpr int kMaxIconSide = 256;

// The whole content of a regular file of at most kMaxMediaBytes; nothing for a
// missing file, a directory, a device or a pipe (never waits on one).
std::optional<MediaBytes> readMediaFile(const std::string& path);

// Whole-file structure checks.
bool wavLooksSound(const MediaBytes& b);   // RIFF/WAVE, PCM 8 or 16 bits, 1 or 2 channels
bool midiLooksSound(const MediaBytes& b);  // standard MIDI file, every event inside its track
// One Ogg Vorbis stream of one or two channels, each page inside the file, its three
// headers first, none of its codebooks of a kind the decoder fails on; for a sound, its
// packets cannot decode to more than kMaxSoundSeconds.
bool vorbisLooksMusic(const MediaBytes& b);
bool vorbisLooksSound(const MediaBytes& b);

// The file to play for the sound named `path`: `path` where there is such a file, else,
// for a WAV name, the Ogg Vorbis file of the same name beside it (".ogg" in any letter
// case) where there is one, else `path` (which the loader then reports missing).
std::string soundFileFor(const std::string& path);

// The game's kinds of picture, told by the name's ending in any letter case
// (".gif", ".jpg" or ".jpeg"); nothing for any other name.
enum class PictureKind { Gif, Jpeg };
std::optional<PictureKind> pictureKindOf(const std::string& path);

// Decoders of bytes already in memory; nullptr when the bytes are not a sound
// picture of that kind or a sound. A GIF comes back as a 32-bit surface whose
// transparent colour has alpha 0. Music keeps its bytes for as long as it lives.
SDL_Surface* decodePicture(const MediaBytes& b, PictureKind kind);
Mix_Chunk* decodeSound(const MediaBytes& b);
Mix_Music* decodeMusic(MediaBytes b);

// The same from a file; a missing or damaged file is logged once and gives nullptr.
SDL_Surface* loadPicture(const std::string& path);
Mix_Chunk* loadSound(const std::string& path);
Mix_Music* loadMusic(const std::string& path);

// The window icon from a picture file, shrunk to at most kMaxIconSide pixels a
// side with its proportions kept.
SDL_Surface* loadWindowIcon(const std::string& path);

}  // namespace zirimbo::frontend
