// The characters that no game event chooses: the exit panel's (who also says
// goodbye), the options panel's and the rematch box's after the human's win.
#include <string>
#include <vector>

#include "form/various.h"
#include "test_comments_fixture.h"
#include "toolkit/paths.h"

namespace various = zirimbo::various;

TEST_F(CommentTest, TheExitPanelsCharacterIsTheOneWhoSaysGoodbyeAndSetsTheExitDelay) {
    struct Case {
        int draw;
        const char* shown;
        const char* farewell;
        const char* voice;
        const char* channel;
        const char* text;
        int delay;
    };
    const Case cases[] = {
        {1, "\\Fumetti\\B03.gif", "\\Fumetti\\B10.gif", "\\Bob\\10B3.wav", "mmcBob", "Arrivederci!...", 1700},
        {2, "\\Fumetti\\G11.gif", "\\Fumetti\\G05.gif", "\\Giorgetto\\05G2.wav", "mmcGiorgetto", "Ciao Ciao!!", 1200},
        {3, "\\Fumetti\\C01.gif", "\\Fumetti\\C06.gif", "\\Carla\\10C3.wav", "mmcCarla", "Torni a casa??", 1400},
    };
    for (const Case& c : cases) {
        h.audio.clear();
        f->lblVarie(various::kExitQuestion).Caption = "Vuoi davvero uscire??";
        script(c.draw, 3);
        f->ChooseFarewellCharacter();
        EXPECT_EQ(text(f->lblUnoDeiTre), std::to_string(c.draw));
        EXPECT_EQ(f->ImgVarie(various::kExitCharacter).Picture.get(), picture(c.shown));
        EXPECT_NE(f->ImgVarie(various::kExitCharacter).Picture.get(), "");
        f->SayGoodbye();
        EXPECT_EQ(f->ImgVarie(various::kExitCharacter).Picture.get(), picture(c.farewell)) << c.draw;
        EXPECT_EQ(text(f->lblVarie(various::kExitQuestion)), c.text);
        EXPECT_EQ(f->TmrEsci.Interval.get(), c.delay);
        EXPECT_FALSE(f->TmrEsci.Enabled);  // the exit enables it
        EXPECT_EQ(plays(c.channel), 1);
        EXPECT_EQ(h.audio.plays().back(), std::string(c.channel) + " Play " + tk::resolvePath(voiceFile(c.voice)));
    }
}

TEST_F(CommentTest, WithVoicesAndCharactersOffTheGoodbyeIsSilentButLooksTheSame) {
    f->lblVoceOpzione(0).Caption = "No";
    f->lblVoceOpzione(4).Caption = "No";
    script(2, 3);
    f->ChooseFarewellCharacter();
    EXPECT_EQ(f->ImgVarie(various::kExitCharacter).Picture.get(), picture("\\Fumetti\\G11.gif"));
    f->StartChannel(f->mmcGiorgetto);  // a clip still playing stops
    h.audio.clear();
    f->SayGoodbye();
    EXPECT_EQ(log("mmcGiorgetto"), (std::vector<std::string>{"Prev", "Close"}));
    EXPECT_EQ(f->mmcGiorgetto.FileName.get(), voiceFile("\\Giorgetto\\05G2.wav"));
    EXPECT_EQ(f->ImgVarie(various::kExitCharacter).Picture.get(), picture("\\Fumetti\\G05.gif"));
    EXPECT_EQ(text(f->lblVarie(various::kExitQuestion)), "Ciao Ciao!!");
    EXPECT_EQ(f->TmrEsci.Interval.get(), 1200);
}

TEST_F(CommentTest, TheOptionsPanelAndTheRematchBoxDrawTheirCharacterEachTime) {
    f->lblVoceOpzione(0).Caption = "No";  // shown all the same
    const char* options[4] = {"", "\\Fumetti\\B03.gif", "\\Fumetti\\G01.gif", "\\Fumetti\\C04.gif"};
    const char* rematch[4] = {"", "\\Fumetti\\B01.gif", "\\Fumetti\\G12.gif", "\\Fumetti\\C12.gif"};
    for (int r = 1; r <= 3; ++r) {
        script(r, 3);
        f->ShowOptionsPanelBubble();
        EXPECT_EQ(f->ImgVarie(various::kOptionsCharacter).Picture.get(), picture(options[r]));
        script(r, 3);
        f->ShowRedWinsBubble();
        EXPECT_EQ(f->ImgVarie(various::kRematchCharacter).Picture.get(), picture(rematch[r]));
    }
    EXPECT_EQ(h.scripted.draws(), 6);
    // Two openings in a row may show two characters.
    script(3, 3);
    f->ShowOptionsPanelBubble();
    script(1, 3);
    f->ShowOptionsPanelBubble();
    EXPECT_EQ(f->ImgVarie(various::kOptionsCharacter).Picture.get(), picture("\\Fumetti\\B03.gif"));
}
