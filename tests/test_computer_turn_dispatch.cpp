#include <string>

#include "computer_turn_fixture.h"

using zirimbo::colour::Red;
using zirimbo::colour::White;

TEST_F(ComputerTurnTest, APlayerWithPawnsInPlayButNoMoveSkipsWithItsLineAsTheOptionsAllow) {
    place(5, 7);
    place(6, 10);
    place(1, 13);  // 7 -> 10 is Bob's own pawn, 10 -> 13 a red pawn on a refuge
    rolled(2, 3, true);
    EXPECT_EQ(text(f->lblSpiegazioni), "Devo saltare il turno...");
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), 0xFFCB84u);
    EXPECT_TRUE(shows(f->ImgPersonaggio, "B12"));
    EXPECT_FALSE(f->lblScrittaPulsanti(1).Visible);
    ASSERT_EQ(plays("mmcBob"), 1);
    EXPECT_NE(h.audio.log.back().find("12B1.wav"), std::string::npos);
    EXPECT_EQ(text(f->lblPed(0)), "0");
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 1600);
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);

    // Carla with characters and voices off: the line and the pause only.
    f->lblVoceOpzione(0).Caption = "No";
    f->lblVoceOpzione(4).Caption = "No";
    f->ShowMenuButtons();
    f->ImgPersonaggio.Picture = "";
    place(13, 17);
    place(14, 20);
    place(3, 3);  // 17 -> 20 is her own pawn, 20 -> 3 a red pawn on a refuge
    rolled(4, 3, true);
    EXPECT_EQ(text(f->lblSpiegazioni), "Passo...");
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 1000);
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), "");
    EXPECT_TRUE(f->lblScrittaPulsanti(1).Visible);
    EXPECT_EQ(plays("mmcCarla"), 0);

    // With no pawn in play a missed six is the character's comment, not the skip.
    f->lblContatoreMosse.Caption = "2";
    rolled(3, 3, false);
    EXPECT_NE(text(f->lblSpiegazioni), "Non posso giocare...");
    EXPECT_EQ(text(f->lblContatoreMosse), "0");
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
}

TEST_F(ComputerTurnTest, GiorgettoSkipsWithHisOwnLineBubbleVoiceAndALongerPause) {
    place(9, 12);
    place(10, 15);
    place(2, 18);  // 12 -> 15 is his own pawn, 15 -> 18 a red pawn on a refuge
    rolled(3, 3, true);
    EXPECT_EQ(text(f->lblSpiegazioni), "Non posso giocare...");
    EXPECT_TRUE(shows(f->ImgPersonaggio, "G12"));
    ASSERT_EQ(plays("mmcGiorgetto"), 1);
    EXPECT_NE(h.audio.log.back().find("12G1.wav"), std::string::npos);
    EXPECT_EQ(text(f->lblPedineInGioco), "0");
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 1800);
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    // The hub waits the whole pause before the next turn.
    h.advance(1799);
    EXPECT_TRUE(shows(f->ImgPersonaggio, "G12"));
    h.advance(1);
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), "");
}

TEST_F(ComputerTurnTest, EatableRedPawnsBlinkWhileTheCharacterAnnouncesItThenTheChoiceRuns) {
    place(5, 16);  // 16 + 4 -> 20, red pawn 3
    place(6, 7);   // 7 + 4 -> 11, red pawn 1
    place(3, 20);
    place(1, 11);
    rolled(2, 4, true);
    EXPECT_EQ(f->lblPedineRosseMangiabili.BackColor.get(), Red);
    const char* cells[5] = {"", "11", "0", "20", "0"};
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(text(f->lblPosizioneRossa(k)), cells[k]);
    EXPECT_TRUE(shows(f->ImgPersonaggio, "B04"));
    EXPECT_TRUE(f->TmrSeiBob.Enabled);
    EXPECT_FALSE(f->TmrMossaBlu3.Enabled);

    h.advance(150);
    EXPECT_TRUE(shows(f->ImgGif(11), "Frecce"));
    EXPECT_TRUE(shows(f->ImgGif(20), "Frecce"));
    h.advance(150);
    EXPECT_TRUE(shows(f->ImgGif(20), "R1"));
    ASSERT_TRUE(h.runUntil([&] { return f->TmrMossaBlu3.Enabled.get(); }, 4000));
    EXPECT_FALSE(f->TmrSeiBob.Enabled);
    f->TmrMossaBlu3.Enabled = false;
    h.advance(2000);
    // The thirteenth tick stops the blink on the red pawn's own picture.
    EXPECT_FALSE(f->TmrLampeggiaRosso.Enabled);
    EXPECT_EQ(text(f->lblLampeggia), "0");
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(text(f->lblPosizioneRossa(k)), "0");
    EXPECT_TRUE(shows(f->ImgGif(20), "R1"));
}

TEST_F(ComputerTurnTest, ASingleMoveStartsAtOnceUnlessItEatsARedPawn) {
    place(5, 16);
    place(9, 20);  // Giorgetto's pawn: eaten without a word
    rolled(2, 4, true);
    EXPECT_EQ(text(f->lblScelta), "1");
    EXPECT_TRUE(f->TmrMossaBlu3.Enabled);
    EXPECT_FALSE(f->TmrSeiBob.Enabled);
    f->TmrMossaBlu3.Enabled = false;

    place(3, 20);  // a red pawn there instead
    f->lblPedine(9).Caption = "9";
    rolled(2, 4, true);
    EXPECT_TRUE(f->TmrSeiBob.Enabled);
    EXPECT_FALSE(f->TmrMossaBlu3.Enabled);
    EXPECT_EQ(text(f->lblScelta), "0");
}

TEST_F(ComputerTurnTest, ASixWithNoPawnInPlayLetsTheCharacterSpeakBeforeTheEntry) {
    rolled(2, 6, false);  // an empty start cell: the six at last
    EXPECT_TRUE(shows(f->ImgPersonaggio, "B03"));
    EXPECT_EQ(f->lblHaMangiato.BackColor.get(), White);
    ASSERT_TRUE(h.runUntil([&] { return f->TmrMossaBlu3.Enabled.get(); }, 4000));
    EXPECT_EQ(text(f->lblScelta), "1");
    f->TmrMossaBlu3.Enabled = false;

    place(2, 11);  // red pawn 2 on Giorgetto's start: blinks through element 1
    rolled(3, 6, false);
    EXPECT_EQ(f->lblHaMangiato.BackColor.get(), Red);
    EXPECT_EQ(text(f->lblPosizioneRossa(1)), "11");
    EXPECT_EQ(text(f->lblPosizioneRossa(2)), "0");
    EXPECT_TRUE(f->TmrLampeggiaRosso.Enabled);
    EXPECT_TRUE(shows(f->ImgPersonaggio, "G04"));
    EXPECT_EQ(f->lblPedineRosseMangiabili.BackColor.get(), White);

    place(5, 16);  // Bob's pawn on Carla's start cell
    rolled(4, 6, false);
    EXPECT_EQ(f->lblHaMangiato.BackColor.get(), 0xFF00FFu);
    EXPECT_TRUE(shows(f->ImgPersonaggio, "C03"));
}

TEST_F(ComputerTurnTest, TheNoPawnTimerBringsBackTheButtonsAndStartsTheCharactersRoll) {
    f->lblTurnoDiGioco.Caption = "1";
    f->ImgPersonaggio.Picture = "bubble";
    f->HideMenuButtons();
    f->TmrSenzaPedineBob.Interval = 1400;
    f->TmrSenzaPedineBob.Enabled = true;
    h.advance(1400 - 1);
    scriptRoll(facesEndingOn(3, 9), 9, 2);  // no pawn on the board: the force draw too
    h.advance(1);
    EXPECT_EQ(text(f->lblSpiegazioni), ".....");
    EXPECT_TRUE(f->lblScrittaPulsanti(2).Visible);
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), "");
    EXPECT_FALSE(f->TmrSenzaPedineBob.Enabled);
    EXPECT_EQ(text(f->lblTurnoDiGioco), "2");
    EXPECT_TRUE(f->TimerDado.Enabled);
}
