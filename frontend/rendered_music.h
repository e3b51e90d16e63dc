// The recordings of the MIDI pieces: the build renders every piece of music to an
// Ogg Vorbis file of the same name next to it and notes, in the recording's comment
// MIDI_CKSUM, the checksum of the MIDI file it was made from. Playing the recording
// costs far less than running a synthesiser; a recording that is missing or was made
// from another version of the piece is not used.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zirimbo::frontend {

// The file to play for a piece of music: the recording of `path` when `path` is a
// MIDI file whose recording is there and was made from it, `path` itself otherwise.
std::string musicFileFor(const std::string& path);

// The checksum of `bytes` as the POSIX cksum command prints it: "<crc> <length>".
std::string cksumOf(std::string_view bytes);

// The value of the comment `key` ("KEY=value") in the comment header of an Ogg Vorbis
// stream that starts in `head`; nothing when `head` is no such stream or lacks it.
std::optional<std::string> vorbisComment(std::string_view head, std::string_view key);

}  // namespace zirimbo::frontend
