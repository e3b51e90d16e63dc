#include <string>
#include <vector>

#include "main_window_fixture.h"

using Log = std::vector<std::string>;

struct SoundChannelTest : MainWindowTest {
    std::string dir = ZIRIMBO_GAME_FOLDER;
    void SetUp() override {
        MainWindowTest::SetUp();
        load();
        h.audio.clear();
    }
};

TEST_F(SoundChannelTest, EveryChannelHasItsStartUpFileButNothingIsOpened) {
    EXPECT_EQ(f->mmcGiorgetto.FileName.get(), dir + "\\Giorgetto\\05G7.wav");
    EXPECT_EQ(f->mmcMusiche.FileName.get(), dir + "\\Musiche\\1a.mid");
    EXPECT_EQ(f->mmcVinceRosso.FileName.get(), dir + "\\Rumori\\Vittoria.WAV");
    EXPECT_EQ(f->mmcTic.Mode, 524);
    EXPECT_TRUE(h.audio.log.empty());
}

TEST_F(SoundChannelTest, EffectReplayIsOpenPrevPlayAndFollowsTheSoundOption) {
    f->ReplayEffect(f->mmcTic);
    // The file is found without regard to letter case.
    ASSERT_EQ(h.audio.log.size(), 3u);
    EXPECT_EQ(h.audio.log[0].rfind("mmcTic Open " + dir + "/Rumori/", 0), 0u);
    EXPECT_EQ(h.audio.log[1], "mmcTic Prev");
    EXPECT_EQ(h.audio.log[2].rfind("mmcTic Play", 0), 0u);
    EXPECT_EQ(f->mmcTic.Mode, 526);
    h.audio.finish("mmcTic");
    EXPECT_EQ(f->mmcTic.Mode, 525);

    h.audio.clear();
    f->lblVoceOpzione(1).Caption = "No";
    f->ReplayEffect(f->mmcDado);
    EXPECT_TRUE(h.audio.log.empty());
    f->ReplayEffectAlways(f->mmcEsceRosso);  // the applause always plays
    EXPECT_EQ(h.audio.plays().size(), 1u);
}

TEST_F(SoundChannelTest, AnOpenChannelStaysOpenAndUnknownCommandsAreIgnored) {
    f->mmcDado.Command = "Open";
    f->mmcDado.Command = "Open";
    f->mmcDado.Command = "Stop";
    f->mmcDado.Command = "Play";
    EXPECT_EQ(h.audio.log.size(), 2u);
}

TEST_F(SoundChannelTest, VoiceLineSwitchesTheFileAlwaysAndPlaysOnlyWithVoicesOn) {
    f->SpeakLine(f->mmcBob, "\\Bob\\07B3.wav");
    EXPECT_EQ(f->mmcBob.FileName.get(), dir + "\\Bob\\07B3.wav");
    ASSERT_EQ(h.audio.plays().size(), 1u);
    EXPECT_NE(h.audio.plays()[0].find("/Bob/07B3.wav"), std::string::npos);

    h.audio.clear();
    f->lblVoceOpzione(4).Caption = "No";
    f->SpeakLine(f->mmcBob, "\\Bob\\05B1.wav");
    EXPECT_EQ(f->mmcBob.FileName.get(), dir + "\\Bob\\05B1.wav");
    EXPECT_EQ(h.audio.log, (Log{"mmcBob Prev", "mmcBob Close"}));
    EXPECT_EQ(f->mmcBob.Mode, 524);
}

TEST_F(SoundChannelTest, MusicSwitchStopAndReplay) {
    f->SwitchChannelFile(f->mmcMusiche, "\\Musiche\\2b.mid");
    f->StartChannel(f->mmcMusiche);
    EXPECT_EQ(f->mmcMusiche.Mode, 526);
    f->ReplayLoadedPiece(f->mmcMusiche);
    f->StopChannel(f->mmcMusiche);
    ASSERT_EQ(h.audio.log.size(), 8u);
    // The channel was closed, so the switch itself sends nothing to the back end.
    EXPECT_EQ(h.audio.log[1], "mmcMusiche Play " + dir + "/Musiche/2b.mid");
    EXPECT_EQ(h.audio.log[2], "mmcMusiche Prev");
    EXPECT_EQ(h.audio.log[3], "mmcMusiche Close");
    EXPECT_EQ(h.audio.log[5], "mmcMusiche Play " + dir + "/Musiche/2b.mid");
    EXPECT_EQ(f->mmcMusiche.Mode, 524);
}
