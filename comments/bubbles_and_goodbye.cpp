// The characters that no game event chooses: one drawn at random for the exit
// panel (once per run; it also says goodbye when the player leaves), one for the
// options panel at each opening, one for the rematch box when the human wins.
// These pictures show whatever the characters option says.
#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "toolkit/runtime.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
// Column 1 Bob, 2 Giorgetto, 3 Carla.
const char* const kExitPanelPicture[4] = {"", "\\Fumetti\\B03.gif", "\\Fumetti\\G11.gif", "\\Fumetti\\C01.gif"};
const char* const kOptionsPanelPicture[4] = {"", "\\Fumetti\\B03.gif", "\\Fumetti\\G01.gif", "\\Fumetti\\C04.gif"};
const char* const kRedWinsPicture[4] = {"", "\\Fumetti\\B01.gif", "\\Fumetti\\G12.gif", "\\Fumetti\\C12.gif"};

struct Farewell {
    const char* picture;
    const char* voice;
    const char* text;
    int exitDelayMs;
};
const Farewell kFarewell[4] = {
    {"", "", "", 0},
    {"\\Fumetti\\B10.gif", "\\Bob\\10B3.wav", "Arrivederci!...", 1700},
    {"\\Fumetti\\G05.gif", "\\Giorgetto\\05G2.wav", "Ciao Ciao!!", 1200},
    {"\\Fumetti\\C06.gif", "\\Carla\\10C3.wav", "Torni a casa??", 1400},
};
}  // namespace

void frmZirimbo2012::ChooseFarewellCharacter() {
    const int r = runtime().draw(3);
    ImgVarie(various::kExitCharacter).Picture = LoadPicture(kExitPanelPicture[r]);
    lblUnoDeiTre.Caption = tk::Str(r);
}

void frmZirimbo2012::ShowOptionsPanelBubble() {
    ImgVarie(various::kOptionsCharacter).Picture = LoadPicture(kOptionsPanelPicture[runtime().draw(3)]);
}

void frmZirimbo2012::ShowRedWinsBubble() {
    ImgVarie(various::kRematchCharacter).Picture = LoadPicture(kRedWinsPicture[runtime().draw(3)]);
}

// The exit panel's character says goodbye; the exit waits as long as its farewell.
void frmZirimbo2012::SayGoodbye() {
    const std::string who = lblUnoDeiTre.Caption;
    const int r = who == "1" ? 1 : who == "2" ? 2 : who == "3" ? 3 : 0;
    if (r == 0) return;
    SpeakLine(VoiceOf(r + 1), kFarewell[r].voice);
    ImgVarie(various::kExitCharacter).Picture = LoadPicture(kFarewell[r].picture);
    lblVarie(various::kExitQuestion).Caption = kFarewell[r].text;
    TmrEsci.Interval = kFarewell[r].exitDelayMs;
}

}  // namespace zirimbo
