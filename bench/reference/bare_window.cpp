// The floor the game is measured against: a bare SDL2 program with a window of the
// game's size, drawn once, that sleeps in SDL_WaitEvent; with --music it opens the
// mixer with the game's settings (44100 Hz, stereo, 2048-frame buffers) and loops
// one piece of music. It reports its renderer and its first frame as the game does.
// Built with DRAWS_PICTURE_AND_TEXT (linking SDL2_image and SDL2_ttf as the game does)
// and given --draw, its first frame also shows a picture and a line of text, which are
// freed at once, as the idle game frees its own: the floor of the libraries the game
// draws with.
//
//   bare_window WIDTH HEIGHT [--music FILE.ogg] [--draw PICTURE FONT]
//
// Built by bench/frontend_bench.sh, not by the project's build.
#include <SDL.h>
#include <SDL_mixer.h>
#if defined(DRAWS_PICTURE_AND_TEXT)
#include <SDL_image.h>
#include <SDL_ttf.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <unistd.h>

namespace {

// Milliseconds since the process started, from its start time in /proc/self/stat.
double msSinceProcessStart() {
    std::FILE* f = std::fopen("/proc/self/stat", "r");
    if (!f) return -1;
    char buf[1024];
    std::size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    buf[n] = 0;
    const char* p = std::strrchr(buf, ')');
    if (!p) return -1;
    unsigned long long start = 0;
    int field = 2;
    for (const char* q = p + 1; *q && field < 22; ++q)
        if (*q == ' ' && ++field == 22) start = std::strtoull(q + 1, nullptr, 10);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (double(now.tv_sec) + double(now.tv_nsec) / 1e9 - double(start) / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bare_window WIDTH HEIGHT [--music FILE] [--draw PICTURE FONT]\n");
        return 2;
    }
    const int w = std::atoi(argv[1]), h = std::atoi(argv[2]);
    const char *music = nullptr, *picture = nullptr, *font = nullptr;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--music") == 0 && i + 1 < argc) {
            music = argv[++i];
        } else if (std::strcmp(argv[i], "--draw") == 0 && i + 2 < argc) {
            picture = argv[++i];
            font = argv[++i];
        }
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("bare reference", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, 0);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    if (!renderer) return 1;
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer, &info);
    std::fprintf(stderr, "bare_window: renderer %s\n", info.name);

    Mix_Music* piece = nullptr;
    if (music) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 1;
        Mix_Init(MIX_INIT_OGG);
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) return 1;
        piece = Mix_LoadMUS(music);
        if (!piece || Mix_PlayMusic(piece, -1) != 0) return 1;
    }

    SDL_SetRenderDrawColor(renderer, 0x20, 0x60, 0x20, 0xFF);
    SDL_RenderClear(renderer);
#if defined(DRAWS_PICTURE_AND_TEXT)
    if (picture && font) {
        if (TTF_Init() != 0) return 1;
        SDL_Surface* pic = IMG_Load(picture);
        TTF_Font* f = TTF_OpenFont(font, 24);
        SDL_Surface* text =
            f ? TTF_RenderUTF8_Blended(f, "Tocca a te: tira il dado!", SDL_Color{255, 255, 255, 255}) : nullptr;
        if (!pic || !text) return 1;
        for (SDL_Surface* s : {pic, text}) {
            SDL_Texture* t = SDL_CreateTextureFromSurface(renderer, s);
            SDL_Rect to{0, 0, s->w, s->h};
            SDL_RenderCopy(renderer, t, nullptr, &to);
            SDL_DestroyTexture(t);
            SDL_FreeSurface(s);
        }
        TTF_CloseFont(f);
    }
#else
    if (picture || font) return 2;  // built without SDL2_image and SDL2_ttf
#endif
    SDL_RenderPresent(renderer);
    std::fprintf(stderr, "bare_window: first frame %.1f ms after the process started\n", msSinceProcessStart());

    SDL_Event e;
    bool redraw = false;
    while (SDL_WaitEvent(&e)) {
        if (e.type == SDL_QUIT) break;
        if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) redraw = true;
        if (redraw && !SDL_PollEvent(nullptr)) {
            SDL_RenderClear(renderer);
            SDL_RenderPresent(renderer);
            redraw = false;
        }
    }
    if (piece) {
        Mix_HaltMusic();
        Mix_FreeMusic(piece);
        Mix_CloseAudio();
    }
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
