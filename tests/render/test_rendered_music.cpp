// A piece of music plays from its recording only when the recording was made from
// that very MIDI file; anything else leaves the piece to the synthesiser, and a
// recording that cannot be played falls back to it as well.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frontend/rendered_music.h"
#include "frontend/sdl_audio.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;
using zirimbo::frontend::cksumOf;
using zirimbo::frontend::musicFileFor;
using zirimbo::frontend::vorbisComment;

namespace {

void put32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s.push_back(char((v >> (8 * i)) & 0xFF));
}

// One Ogg page with the given lacing values and body.
std::string rawPage(const std::string& lacing, const std::string& body, std::uint32_t sequence) {
    std::string page = "OggS";
    page.push_back(0);                      // version
    page.push_back(sequence == 0 ? 2 : 0);  // first page of the stream
    page.append(8, '\0');                   // granule position
    put32(page, 1);                         // serial number
    put32(page, sequence);
    put32(page, 0);  // CRC (not checked here)
    page.push_back(char(lacing.size()));
    return page + lacing + body;
}

// One Ogg page holding `packets` whole; the lacing splits each into 255-byte segments.
std::string oggPage(const std::vector<std::string>& packets, std::uint32_t sequence) {
    std::string lacing, body;
    for (const std::string& p : packets) {
        std::size_t n = p.size();
        for (; n >= 255; n -= 255) lacing.push_back(char(255));
        lacing.push_back(char(n));
        body += p;
    }
    return rawPage(lacing, body, sequence);
}

std::string commentPacket(const std::vector<std::string>& comments) {
    std::string c = "\x03vorbis";
    put32(c, 7);
    c += "encoder";
    put32(c, std::uint32_t(comments.size()));
    for (const std::string& e : comments) {
        put32(c, std::uint32_t(e.size()));
        c += e;
    }
    return c;
}

// The head of an Ogg Vorbis stream: identification page, then the comments.
std::string oggHead(const std::vector<std::string>& comments) {
    return oggPage({"\x01vorbis-identification"}, 0) + oggPage({commentPacket(comments)}, 1);
}

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

// A MIDI file with one note of about two seconds.
std::string midiBytes() {
    const std::string track = {0x00, char(0xC0), 0x00, 0x00, char(0x90), 60,         100,  char(0x83),
                               0x00, char(0x80), 60,   0,    0x00,       char(0xFF), 0x2F, 0x00};
    std::string b = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0};
    b.push_back(char(track.size()));
    return b + track;
}

struct RecordingFiles : ::testing::Test {
    scratch::Folder scratch{"zirimbo_recordings"};
    fs::path dir = scratch.path();
    fs::path mid = dir / "1a.mid";
    fs::path ogg = dir / "1a.ogg";
    void SetUp() override { writeAll(mid, midiBytes()); }
    void recordFrom(const std::string& midi) { writeAll(ogg, oggHead({"MIDI_CKSUM=" + cksumOf(midi)})); }
};

}  // namespace

TEST(Recordings, ChecksumIsTheOneOfCksum) {
    EXPECT_EQ(cksumOf(""), "4294967295 0");
    EXPECT_EQ(cksumOf("123456789"), "930766865 9");
    // The length takes part: the same bytes with one more zero differ.
    EXPECT_NE(cksumOf(std::string(3, '\0')), cksumOf(std::string(4, '\0')));
}

TEST(Recordings, CommentFoundAcrossSegmentsAndPagesWithoutRegardToCase) {
    std::string longValue(600, 'x');  // the comment packet spans three lacing segments
    std::string head = oggHead({"TITLE=Il dado matto", "comment=" + longValue, "Midi_Cksum=1 2"});
    EXPECT_EQ(vorbisComment(head, "MIDI_CKSUM"), "1 2");
    EXPECT_EQ(vorbisComment(head, "COMMENT"), longValue);
    EXPECT_EQ(vorbisComment(head, "ARTIST"), std::nullopt);
    EXPECT_EQ(vorbisComment(head, "MIDI"), std::nullopt);  // a name is matched whole

    // The comment packet continued on a second page.
    std::string packet = commentPacket({"MIDI_CKSUM=3 4", "PAD=" + std::string(300, 'p')});
    std::string split = oggPage({"\x01vorbis-identification"}, 0) +
                        rawPage(std::string(1, char(255)), packet.substr(0, 255), 1) + oggPage({packet.substr(255)}, 2);
    EXPECT_EQ(vorbisComment(split, "MIDI_CKSUM"), "3 4");
}

TEST(Recordings, DamagedOrForeignHeadsHaveNoComment) {
    std::string head = oggHead({"MIDI_CKSUM=1 2"});
    EXPECT_EQ(vorbisComment("", "MIDI_CKSUM"), std::nullopt);
    EXPECT_EQ(vorbisComment("RIFF....WAVEfmt ", "MIDI_CKSUM"), std::nullopt);
    for (std::size_t cut : {std::size_t(10), std::size_t(40), head.size() - 3})
        EXPECT_EQ(vorbisComment(head.substr(0, cut), "MIDI_CKSUM"), std::nullopt) << "cut at " << cut;

    // A comment length running past the packet's end.
    std::string packet = commentPacket({"MIDI_CKSUM=1 2"});
    packet[7 + 4 + 7 + 4] = char(0xFF);
    EXPECT_EQ(vorbisComment(oggPage({"\x01vorbis"}, 0) + oggPage({packet}, 1), "MIDI_CKSUM"), std::nullopt);
    // A count of comments far beyond what the packet holds.
    packet = commentPacket({"TITLE=1a"});
    packet[7 + 4 + 7 + 3] = char(0x7F);
    EXPECT_EQ(vorbisComment(oggPage({"\x01vorbis"}, 0) + oggPage({packet}, 1), "MIDI_CKSUM"), std::nullopt);
}

TEST_F(RecordingFiles, RecordingOfThisVeryPieceIsPlayed) {
    recordFrom(midiBytes());
    EXPECT_EQ(musicFileFor(mid.string()), ogg.string());
    // The name's letter case does not matter for the extension.
    fs::rename(mid, dir / "Vittoria.MID");
    fs::rename(ogg, dir / "Vittoria.ogg");
    EXPECT_EQ(musicFileFor((dir / "Vittoria.MID").string()), (dir / "Vittoria.ogg").string());
}

TEST_F(RecordingFiles, PieceWithoutAnUpToDateRecordingStaysMidi) {
    EXPECT_EQ(musicFileFor(mid.string()), mid.string());  // no recording

    recordFrom(midiBytes() + "x");  // made from another version of the piece
    EXPECT_EQ(musicFileFor(mid.string()), mid.string());

    writeAll(ogg, oggHead({"TITLE=1a"}));  // no checksum at all
    EXPECT_EQ(musicFileFor(mid.string()), mid.string());

    writeAll(ogg, "");  // empty
    EXPECT_EQ(musicFileFor(mid.string()), mid.string());

    recordFrom(midiBytes());
    fs::remove(mid);  // the piece itself is gone: nothing vouches for the recording
    EXPECT_EQ(musicFileFor(mid.string()), mid.string());

    fs::path wav = dir / "1a.wav";  // only MIDI pieces have recordings
    EXPECT_EQ(musicFileFor(wav.string()), wav.string());
}

TEST(Recordings, EveryPieceOfTheGameFolderHasItsRecording) {
    fs::path folder = fs::path(ZIRIMBO_GAME_FOLDER) / "Musiche";
    int pieces = 0;
    for (const auto& e : fs::directory_iterator(folder)) {
        if (e.path().extension() != ".mid") continue;
        ++pieces;
        fs::path ogg = fs::path(e.path()).replace_extension(".ogg");
        EXPECT_EQ(musicFileFor(e.path().string()), ogg.string()) << e.path().filename();
        EXPECT_EQ(vorbisComment(readAll(ogg), "MIDI_CKSUM"), cksumOf(readAll(e.path())));
    }
    EXPECT_EQ(pieces, 20);
}

TEST_F(RecordingFiles, UnplayableRecordingFallsBackToTheMidiPiece) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    auto audio = zirimbo::frontend::SdlAudio::openAudio();
    if (!dynamic_cast<zirimbo::frontend::SdlAudio*>(audio.get())) GTEST_SKIP() << "no audio device here";
    int ch = audio->addChannel("mmcMusiche");
    audio->open(ch, mid.string(), true);
    audio->play(ch);
    if (!audio->playing(ch)) GTEST_SKIP() << "no MIDI player available: " << Mix_GetError();
    audio->close(ch);

    recordFrom(midiBytes());  // up to date, yet no Vorbis audio behind the header
    audio->open(ch, mid.string(), true);
    audio->play(ch);
    EXPECT_TRUE(audio->playing(ch));
    audio->close(ch);
    EXPECT_FALSE(audio->playing(ch));
}
