#include "frontend/media_loader.h"

#include <SDL_image.h>
#include <SDL_mixer.h>
#include <gif_lib.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "toolkit/log.h"
#include "toolkit/paths.h"
#include "toolkit/regular_file.h"

namespace zirimbo::frontend {

namespace {

bool tagIs(const MediaBytes& b, std::size_t at, const char* tag) {
    return at + 4 <= b.size() && std::memcmp(b.data() + at, tag, 4) == 0;
}
std::uint32_t le16(const MediaBytes& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t le32(const MediaBytes& b, std::size_t at) { return le16(b, at) | le16(b, at + 2) << 16; }
std::uint32_t be16(const MediaBytes& b, std::size_t at) { return b[at] << 8 | b[at + 1]; }
std::uint32_t be32(const MediaBytes& b, std::size_t at) { return be16(b, at) << 16 | be16(b, at + 2); }

// The file is there but unusable, or not there at all: one line either way.
void logUnusable(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        tk::logDamagedFile(path);
    else
        tk::logMissingFile(path);
}

// ---------------------------------------------------------------------------
// GIF, through giflib: the first frame on the logical screen, the transparent
// colour of its graphic control block see-through.

struct GifSource {
    const MediaBytes* bytes;
    std::size_t pos = 0;
};

int readGif(GifFileType* gif, GifByteType* out, int wanted) {
    auto* src = static_cast<GifSource*>(gif->UserData);
    std::size_t n = std::min(std::size_t(std::max(wanted, 0)), src->bytes->size() - src->pos);
    if (n) std::memcpy(out, src->bytes->data() + src->pos, n);  // an empty file has no data pointer
    src->pos += n;
    return int(n);
}

bool skipSubBlocks(GifFileType* gif, GifByteType* block) {
    while (block)
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
    return true;
}

SDL_Surface* gifFrame(GifFileType* gif, int transparent) {
    if (DGifGetImageDesc(gif) == GIF_ERROR) return nullptr;
    const GifImageDesc& d = gif->Image;
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!map || d.Width <= 0 || d.Height <= 0 || d.Width > kMaxPictureSide || d.Height > kMaxPictureSide)
        return nullptr;

    std::vector<GifPixelType> pixels(std::size_t(d.Width) * std::size_t(d.Height));
    auto row = [&](int y) { return pixels.data() + std::size_t(y) * std::size_t(d.Width); };
    if (d.Interlace) {
        static const int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = kStart[pass]; y < d.Height; y += kStep[pass])
                if (DGifGetLine(gif, row(y), d.Width) == GIF_ERROR) return nullptr;
    } else {
        for (int y = 0; y < d.Height; ++y)
            if (DGifGetLine(gif, row(y), d.Width) == GIF_ERROR) return nullptr;
    }

    // The logical screen, or the frame itself when the screen has no size.
    int w = gif->SWidth > 0 ? gif->SWidth : d.Left + d.Width;
    int h = gif->SHeight > 0 ? gif->SHeight : d.Top + d.Height;
    if (w > kMaxPictureSide || h > kMaxPictureSide) return nullptr;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return nullptr;
    SDL_FillRect(s, nullptr, 0);
    for (int y = 0; y < d.Height && d.Top + y < h; ++y) {
        auto* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + std::size_t(d.Top + y) * s->pitch);
        for (int x = 0; x < d.Width && d.Left + x < w; ++x) {
            int i = row(y)[x];
            if (i == transparent || i >= map->ColorCount) continue;
            const GifColorType& c = map->Colors[i];
            out[d.Left + x] = 0xFF000000u | Uint32(c.Red) << 16 | Uint32(c.Green) << 8 | c.Blue;
        }
    }
    return s;
}

SDL_Surface* decodeGif(const MediaBytes& b) {
    GifSource src{&b};
    int error = 0;
    GifFileType* gif = DGifOpen(&src, readGif, &error);
    if (!gif) return nullptr;
    SDL_Surface* s = nullptr;
    int transparent = NO_TRANSPARENT_COLOR;
    for (bool more = true; more;) {
        GifRecordType type;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) break;
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) break;
            GraphicsControlBlock gcb;
            if (code == GRAPHICS_EXT_FUNC_CODE && block && DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK)
                transparent = gcb.TransparentColor;
            more = skipSubBlocks(gif, block);
        } else {
            if (type == IMAGE_DESC_RECORD_TYPE) s = gifFrame(gif, transparent);
            more = false;
        }
    }
    DGifCloseFile(gif, &error);
    return s;
}

// ---------------------------------------------------------------------------
// JPEG: its size read from the header before SDL2_image sees it.

bool sideOk(std::uint32_t w, std::uint32_t h) {
    return w > 0 && h > 0 && w <= std::uint32_t(kMaxPictureSide) && h <= std::uint32_t(kMaxPictureSide);
}

bool jpegSizeOk(const MediaBytes& b) {
    if (b.size() < 3 || b[0] != 0xFF || b[1] != 0xD8 || b[2] != 0xFF) return false;
    std::size_t pos = 2;
    while (pos + 4 <= b.size()) {
        if (b[pos] != 0xFF) return false;
        unsigned marker = b[pos + 1];
        if (marker == 0xFF) {  // fill byte
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without a length
            pos += 2;
            continue;
        }
        std::uint32_t len = be16(b, pos + 2);
        if (len < 2) return false;
        bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) return pos + 9 <= b.size() && sideOk(be16(b, pos + 7), be16(b, pos + 5));
        pos += 2 + len;
    }
    return false;
}

SDL_Surface* decodeJpeg(const MediaBytes& b) {
    if (!jpegSizeOk(b)) return nullptr;
    SDL_RWops* rw = SDL_RWFromConstMem(b.data(), int(b.size()));
    if (!rw) return nullptr;
    SDL_Surface* s = IMG_LoadJPG_RW(rw);
    SDL_RWclose(rw);
    return s;
}

// ---------------------------------------------------------------------------
// Standard MIDI files: every event of every track read through to its end.

bool readVarLen(const MediaBytes& b, std::size_t& pos, std::size_t end, std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4 && pos < end; ++i) {
        unsigned c = b[pos++];
        value = value << 7 | (c & 0x7F);
        if (!(c & 0x80)) return true;
    }
    return false;
}

bool midiTrackOk(const MediaBytes& b, std::size_t pos, std::size_t end) {
    unsigned running = 0;
    while (pos < end) {
        std::uint32_t delta = 0, len = 0;
        if (!readVarLen(b, pos, end, delta) || pos >= end) return false;
        unsigned status = b[pos];
        if (status & 0x80)
            ++pos;
        else if (running)
            status = running;
        else
            return false;

        if (status < 0xF0) {  // channel message: one data byte for program and pressure, else two
            running = status;
            int data = (status & 0xE0) == 0xC0 ? 1 : 2;
            for (int i = 0; i < data; ++i, ++pos)
                if (pos >= end || (b[pos] & 0x80)) return false;
        } else if (status == 0xF0 || status == 0xF7) {  // system exclusive
            running = 0;
            if (!readVarLen(b, pos, end, len) || len > end - pos) return false;
            pos += len;
        } else if (status == 0xFF) {  // meta event
            if (pos >= end) return false;
            unsigned type = b[pos++];
            if (type & 0x80 || !readVarLen(b, pos, end, len) || len > end - pos) return false;
            if (type == 0x2F) return len == 0;                                                        // end of track
            if (type == 0x51 && (len != 3 || (b[pos] | b[pos + 1] | b[pos + 2]) == 0)) return false;  // tempo
            if ((type == 0x58 && len != 4) || (type == 0x59 && len != 2)) return false;
            pos += len;
        } else {
            return false;
        }
    }
    return false;  // no end of track
}

// ---------------------------------------------------------------------------
// Ogg Vorbis headers.

// A Vorbis header packet of this type: the type byte, then "vorbis".
bool headerOfType(const MediaBytes& p, unsigned type) {
    return p.size() >= 7 && p[0] == type && std::memcmp(p.data() + 1, "vorbis", 6) == 0;
}

// The identification header: version 0, one or two channels, a usable rate, block sizes
// of 64 to 8192 samples, the short not above the long, and the framing bit.
bool vorbisIdentificationOk(const MediaBytes& p, std::uint32_t& rate, std::uint32_t& longBlock) {
    if (p.size() != 30 || !headerOfType(p, 1) || le32(p, 7) != 0) return false;
    const unsigned channels = p[11], shortExp = p[28] & 0x0F, longExp = p[28] >> 4;
    rate = le32(p, 12);
    longBlock = 1u << longExp;
    return channels >= 1 && channels <= 2 && rate >= 4000 && rate <= 192000 && shortExp >= 6 && longExp <= 13 &&
           shortExp <= longExp && (p[29] & 1);
}

// The bits of a packet, each byte's from its lowest up.
class PacketBits {
public:
    explicit PacketBits(const MediaBytes& p) : p_(p) {}
    bool read(int n, std::uint32_t& value) {  // n <= 32
        if (!skip(std::uint64_t(n))) return false;
        value = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t at = at_ - std::uint64_t(n) + std::uint64_t(i);
            value |= std::uint32_t((p_[std::size_t(at / 8)] >> (at % 8)) & 1) << i;
        }
        return true;
    }
    bool skip(std::uint64_t n) {
        if (n > std::uint64_t(p_.size()) * 8 - at_) return false;
        at_ += n;
        return true;
    }

private:
    const MediaBytes& p_;
    std::uint64_t at_ = 0;
};

int bitsFor(std::uint32_t v) {  // the bits of v's highest one: 0 for 0
    int n = 0;
    for (; v; v >>= 1) ++n;
    return n;
}

// The largest r with r to the power dim at most entries (dim at least 1).
std::uint64_t lookupValues(std::uint32_t entries, std::uint32_t dim) {
    auto fits = [&](std::uint64_t r) {
        std::uint64_t power = 1;
        for (std::uint32_t i = 0; i < dim && power <= entries; ++i) power *= r;
        return power <= entries;
    };
    std::uint64_t r = 0;
    for (std::uint64_t step = std::uint64_t(1) << 24; step; step >>= 1)
        if (fits(r + step)) r += step;
    return r;
}

// The codebooks that open the setup header, each read through to its end. The decoder
// ends the whole game on two kinds of codebook: one of no dimension, which it divides by,
// and one whose codeword lengths do not fill the code tree exactly (save a single
// codeword of one bit), which it fails to build and then uses all the same, as empty.
bool vorbisCodebooksOk(const MediaBytes& setup) {
    PacketBits bits(setup);
    std::uint32_t count = 0;
    if (!bits.skip(7 * 8) || !bits.read(8, count)) return false;
    for (std::uint32_t book = 0; book <= count; ++book) {
        std::uint32_t sync = 0, dim = 0, entries = 0, ordered = 0, v = 0;
        if (!bits.read(24, sync) || sync != 0x564342 || !bits.read(16, dim) || dim == 0 || !bits.read(24, entries) ||
            !bits.read(1, ordered))
            return false;
        // The share of the code tree the codewords take, in 2^-32ths, and how many there are.
        std::uint64_t tree = 0, used = 0;
        auto codewords = [&](std::uint64_t n, std::uint32_t length) {  // length 1 to 32
            tree += n << (32 - length);
            used += n;
        };
        if (ordered) {
            std::uint32_t length = 0;
            if (!bits.read(5, length)) return false;
            for (std::uint32_t entry = 0; entry < entries; ++length) {
                if (length > 31 || !bits.read(bitsFor(entries - entry), v) || v > entries - entry) return false;
                codewords(v, length + 1);
                entry += v;
            }
        } else {
            std::uint32_t sparse = 0;
            if (!bits.read(1, sparse)) return false;
            for (std::uint32_t entry = 0; entry < entries; ++entry) {
                std::uint32_t present = 1;
                if ((sparse && !bits.read(1, present)) || (present && !bits.read(5, v))) return false;
                if (present) codewords(1, v + 1);
            }
        }
        const bool oneBit = used == 1 && tree == std::uint64_t(1) << 31;
        if (used != 0 && tree != std::uint64_t(1) << 32 && !oneBit) return false;
        std::uint32_t lookup = 0;
        if (!bits.read(4, lookup) || lookup > 2) return false;
        if (lookup == 0) continue;
        std::uint32_t valueBits = 0;
        if (!bits.skip(64) || !bits.read(4, valueBits) || !bits.skip(1)) return false;
        const std::uint64_t values = lookup == 1 ? lookupValues(entries, dim) : std::uint64_t(entries) * dim;
        if (!bits.skip(values * (valueBits + 1))) return false;
    }
    return true;
}

// One Ogg Vorbis stream, its three headers first, each page inside the file: its rate,
// its long block size and how many packets it holds.
bool vorbisStreamOk(const MediaBytes& b, std::uint32_t& rate, std::uint32_t& longBlock, std::uint64_t& packets) {
    std::size_t pos = 0;
    packets = 0;
    std::uint32_t serial = 0;
    MediaBytes header;  // the header packet being gathered, across pages
    bool inPacket = false;
    while (pos < b.size()) {
        if (pos + 27 > b.size() || !tagIs(b, pos, "OggS") || b[pos + 4] != 0) return false;
        const bool first = pos == 0, beginsStream = b[pos + 5] & 0x02;
        if (first) serial = le32(b, pos + 14);
        if (beginsStream != first || le32(b, pos + 14) != serial) return false;  // one stream only
        const std::size_t segments = b[pos + 26];
        std::size_t body = pos + 27 + segments;
        if (body > b.size()) return false;
        for (std::size_t i = 0; i < segments; ++i) {
            const std::size_t len = b[pos + 27 + i];
            if (len > b.size() - body) return false;
            if (packets < 3)
                header.insert(header.end(), b.begin() + std::ptrdiff_t(body), b.begin() + std::ptrdiff_t(body + len));
            body += len;
            inPacket = len == 255;
            if (inPacket) continue;
            // A packet ends: the three headers come first, the identification alone on the first page.
            if (packets < 3) {
                const bool ok = packets == 0   ? first && vorbisIdentificationOk(header, rate, longBlock)
                                : packets == 1 ? headerOfType(header, 3)
                                               : headerOfType(header, 5) && vorbisCodebooksOk(header);
                if (!ok) return false;
                header.clear();
            }
            ++packets;
        }
        if (first && (packets != 1 || inPacket)) return false;
        pos = body;
    }
    return packets >= 3;
}

// ---------------------------------------------------------------------------
// Music keeps reading its bytes while it plays: a read-only stream owning them.

struct OwnedBytes {
    MediaBytes bytes;
    Sint64 pos = 0;
};
OwnedBytes& owned(SDL_RWops* rw) { return *static_cast<OwnedBytes*>(rw->hidden.unknown.data1); }

Sint64 ownedSize(SDL_RWops* rw) { return Sint64(owned(rw).bytes.size()); }
Sint64 ownedSeek(SDL_RWops* rw, Sint64 offset, int whence) {
    OwnedBytes& o = owned(rw);
    Sint64 base = whence == RW_SEEK_SET ? 0 : whence == RW_SEEK_CUR ? o.pos : Sint64(o.bytes.size());
    Sint64 to = base + offset;
    if (to < 0) return SDL_SetError("seek before the start");
    o.pos = std::min(to, Sint64(o.bytes.size()));
    return o.pos;
}
size_t ownedRead(SDL_RWops* rw, void* out, size_t size, size_t count) {
    OwnedBytes& o = owned(rw);
    if (size == 0) return 0;
    size_t n = std::min(count, (o.bytes.size() - size_t(o.pos)) / size);
    if (n) std::memcpy(out, o.bytes.data() + o.pos, n * size);
    o.pos += Sint64(n * size);
    return n;
}
size_t ownedWrite(SDL_RWops*, const void*, size_t, size_t) {
    SDL_SetError("read-only");
    return 0;
}
int ownedClose(SDL_RWops* rw) {
    delete &owned(rw);
    SDL_FreeRW(rw);
    return 0;
}

SDL_RWops* streamOwning(MediaBytes b) {
    SDL_RWops* rw = SDL_AllocRW();
    if (!rw) return nullptr;
    rw->type = SDL_RWOPS_UNKNOWN;
    rw->size = ownedSize;
    rw->seek = ownedSeek;
    rw->read = ownedRead;
    rw->write = ownedWrite;
    rw->close = ownedClose;
    rw->hidden.unknown.data1 = new OwnedBytes{std::move(b)};
    return rw;
}

}  // namespace

std::optional<MediaBytes> readMediaFile(const std::string& path) {
    const tk::FileBytes file = tk::readRegularFile(path, kMaxMediaBytes);
    if (file.status != tk::FileBytes::Read) return std::nullopt;
    return MediaBytes(file.bytes.begin(), file.bytes.end());
}

bool wavLooksSound(const MediaBytes& b) {
    if (!tagIs(b, 0, "RIFF") || !tagIs(b, 8, "WAVE")) return false;
    std::uint32_t riff = le32(b, 4);
    if (riff < 4 || riff > b.size() - 8) return false;
    std::size_t end = 8 + std::size_t(riff);
    bool format = false;
    for (std::size_t pos = 12; pos + 8 <= end;) {
        std::uint32_t len = le32(b, pos + 4);
        std::size_t body = pos + 8;
        if (len > end - body) return false;
        if (tagIs(b, pos, "fmt ")) {
            if (format || len < 16) return false;
            std::uint32_t tag = le16(b, body), channels = le16(b, body + 2), rate = le32(b, body + 4),
                          byteRate = le32(b, body + 8), align = le16(b, body + 12), bits = le16(b, body + 14);
            if (tag != 1 || channels < 1 || channels > 2 || rate < 4000 || rate > 192000 || (bits != 8 && bits != 16) ||
                align != channels * bits / 8 || byteRate != rate * align)
                return false;
            format = true;
        } else if (tagIs(b, pos, "data")) {
            return format && len > 0;
        }
        pos = body + len + (len & 1);
    }
    return false;  // no samples
}

bool midiLooksSound(const MediaBytes& b) {
    if (!tagIs(b, 0, "MThd") || b.size() < 14) return false;
    std::uint32_t headerLen = be32(b, 4);
    if (headerLen < 6 || headerLen > b.size() - 8) return false;
    std::uint32_t format = be16(b, 8), tracks = be16(b, 10), division = be16(b, 12);
    if (format > 2 || tracks == 0 || (format == 0 && tracks != 1) || division == 0) return false;
    std::size_t pos = 8 + std::size_t(headerLen);
    for (std::uint32_t found = 0; found < tracks;) {
        if (pos + 8 > b.size()) return false;
        std::uint32_t len = be32(b, pos + 4);
        std::size_t body = pos + 8;
        if (len > b.size() - body) return false;
        if (tagIs(b, pos, "MTrk")) {
            if (!midiTrackOk(b, body, body + len)) return false;
            ++found;
        }
        pos = body + len;
    }
    return true;
}

bool vorbisLooksSound(const MediaBytes& b) {
    std::uint32_t rate = 0, longBlock = 0;
    std::uint64_t packets = 0;
    // Each audio packet gives at most half a long block of samples.
    return vorbisStreamOk(b, rate, longBlock, packets) &&
           (packets - 3) * (longBlock / 2) <= std::uint64_t(kMaxSoundSeconds) * rate;
}

bool vorbisLooksMusic(const MediaBytes& b) {
    std::uint32_t rate = 0, longBlock = 0;
    std::uint64_t packets = 0;
    return vorbisStreamOk(b, rate, longBlock, packets);
}

std::string soundFileFor(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p(path);
    const std::string ext = tk::foldCase(p.extension().string());
    if (ext != ".wav" || std::filesystem::exists(p, ec)) return path;
    const std::string ogg = tk::resolvePath(p.replace_extension(".ogg").string());
    return std::filesystem::exists(ogg, ec) ? ogg : path;
}

std::optional<PictureKind> pictureKindOf(const std::string& path) {
    const std::string ext = tk::foldCase(std::filesystem::path(path).extension().string());
    if (ext == ".gif") return PictureKind::Gif;
    if (ext == ".jpg" || ext == ".jpeg") return PictureKind::Jpeg;
    return std::nullopt;
}

SDL_Surface* decodePicture(const MediaBytes& b, PictureKind kind) {
    // Each kind goes to its own decoder only (giflib checks the GIF signature
    // itself), so bytes of another kind are refused as damage.
    return kind == PictureKind::Gif ? decodeGif(b) : decodeJpeg(b);
}

Mix_Chunk* decodeSound(const MediaBytes& b) {
    // Only the checked RIFF extent of a WAV reaches the mixer; an Ogg Vorbis sound is
    // decoded whole by it.
    std::size_t size = 0;
    if (wavLooksSound(b))
        size = 8 + le32(b, 4);
    else if (vorbisLooksSound(b))
        size = b.size();
    else
        return nullptr;
    SDL_RWops* rw = SDL_RWFromConstMem(b.data(), int(size));
    return rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
}

Mix_Music* decodeMusic(MediaBytes b) {
    Mix_MusicType type = midiLooksSound(b) ? MUS_MID : vorbisLooksMusic(b) ? MUS_OGG : MUS_NONE;
    if (type == MUS_NONE) return nullptr;
    SDL_RWops* rw = streamOwning(std::move(b));
    return rw ? Mix_LoadMUSType_RW(rw, type, 1) : nullptr;
}

SDL_Surface* loadPicture(const std::string& path) {
    const std::optional<PictureKind> kind = pictureKindOf(path);
    auto b = kind ? readMediaFile(path) : std::nullopt;
    SDL_Surface* s = b ? decodePicture(*b, *kind) : nullptr;
    if (!s) logUnusable(path);
    return s;
}

SDL_Surface* loadWindowIcon(const std::string& path) {
    SDL_Surface* s = loadPicture(path);
    if (!s || (s->w <= kMaxIconSide && s->h <= kMaxIconSide)) return s;
    const double scale = double(kMaxIconSide) / std::max(s->w, s->h);
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, std::max(1, int(s->w * scale)),
                                                       std::max(1, int(s->h * scale)), 32, SDL_PIXELFORMAT_ARGB8888);
    if (icon) {
        SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_NONE);
        if (SDL_BlitScaled(s, nullptr, icon, nullptr) != 0) SDL_FreeSurface(icon), icon = nullptr;
    }
    SDL_FreeSurface(s);
    return icon;
}

Mix_Chunk* loadSound(const std::string& path) {
    auto b = readMediaFile(path);
    Mix_Chunk* c = b ? decodeSound(*b) : nullptr;
    if (!c) logUnusable(path);
    return c;
}

Mix_Music* loadMusic(const std::string& path) {
    auto b = readMediaFile(path);
    Mix_Music* m = b ? decodeMusic(std::move(*b)) : nullptr;
    if (!m) logUnusable(path);
    return m;
}

}  // namespace zirimbo::frontend
