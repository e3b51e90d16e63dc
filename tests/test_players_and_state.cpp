// The players' table agrees with the board and the media names, and the state
// captions read the way the game has always written them.
#include <string>

#include "board/board_geometry.h"
#include "board/players.h"
#include "tests/main_window_fixture.h"

using zirimbo::GameSpeed;
using zirimbo::MusicMode;
using zirimbo::Option;
namespace players = zirimbo::players;

TEST(PlayersTable, EachPlayersPawnsCellsAndPicturesAgreeWithTheBoardAndTheMedia) {
    for (int p = players::kRed; p <= players::kCarla; ++p) {
        const players::Player& x = players::kPlayers[p];
        SCOPED_TRACE(p);
        EXPECT_EQ(x.number, p);
        for (int pawn = x.firstPawn; pawn < x.firstPawn + 4; ++pawn) EXPECT_EQ(players::PlayerOfPawn(pawn), p);
        // A pawn enters on the first cell of its path and leaves from the last.
        EXPECT_EQ(x.startCell, zirimbo::ai::PathCell(p, 1));
        EXPECT_EQ(x.exitCell, zirimbo::ai::PathCell(p, 36));
        EXPECT_TRUE(players::IsStartCell(x.startCell));
        const char letter = x.pawnPicture[players::Plain][8];
        for (int look = players::Plain; look <= players::ChosenOnStart; ++look)
            EXPECT_EQ(x.pawnPicture[look], std::string("\\Pedine\\") + letter + std::to_string(look) + ".gif");
        if (players::IsCharacter(p)) {
            EXPECT_EQ(std::string(x.voiceFolder).substr(1, 1), std::string(1, x.commentLetter));
        }
    }
    for (int cell : {2, 5, 33, 36}) EXPECT_FALSE(players::IsStartCell(cell)) << cell;
}

namespace {
struct StateTest : MainWindowTest {
    void SetUp() override {
        MainWindowTest::SetUp();
        load();
        h.audio.clear();
    }
};
}  // namespace

TEST_F(StateTest, AnOptionIsOnOnlyWithTheAccentedYesAndAClickMendsAnyOtherText) {
    for (const char* text : {"Si", "sì", "SÌ", ""}) {
        f->lblVoceOpzione(4).Caption = text;
        EXPECT_FALSE(f->OptionOn(Option::Voices)) << text;
    }
    f->SpeakLine(f->mmcBob, "\\Bob\\07B3.wav");
    EXPECT_TRUE(h.audio.plays().empty());
    f->lblOpzione_Click(4);
    EXPECT_EQ(f->lblVoceOpzione(4).Caption.get(), "Sì");
    EXPECT_TRUE(f->OptionOn(Option::Voices));
    f->SetOption(Option::Voices, false);
    EXPECT_EQ(f->lblVoceOpzione(4).Caption.get(), "No");
}

TEST_F(StateTest, AMusicOrSpeedTextOutsideItsCycleReadsAsItselfAndIsKept) {
    f->lblVoceOpzione(3).Caption = "Spesso";
    EXPECT_EQ(f->Music(), MusicMode::Other);
    EXPECT_TRUE(f->MusicOn());  // only "No" silences the music
    f->SetMusic(MusicMode::Other);
    EXPECT_EQ(f->lblVoceOpzione(3).Caption.get(), "Spesso");
    f->SetMusic(MusicMode::NowAndThen);
    EXPECT_EQ(f->lblVoceOpzione(3).Caption.get(), "Ogni tanto");
    EXPECT_EQ(f->Music(), MusicMode::NowAndThen);

    f->lblVoceOpzione(5).Caption = "normale";
    EXPECT_EQ(f->Speed(), GameSpeed::Other);
    f->SetSpeed(GameSpeed::Slow);
    EXPECT_EQ(f->lblVoceOpzione(5).Caption.get(), "Lenta");
}

TEST_F(StateTest, TurnPhaseAndFlagReadOnlyTheTextsTheGameWrites) {
    f->lblTurnoDiGioco.Caption = "04";
    EXPECT_EQ(f->Turn(), 0);
    f->SetTurn(3);
    EXPECT_EQ(f->lblTurnoDiGioco.Caption.get(), "3");
    EXPECT_EQ(f->Turn(), 3);

    f->lblFaseMossa.Caption = "1 ";
    EXPECT_EQ(f->MovePhase(), -1);
    f->SetMovePhase(2);
    EXPECT_EQ(f->MovePhase(), 2);

    // The turn flag is written without the accent; the accented yes is not it.
    f->lblPuoiGiocare.Caption = "Sì";
    EXPECT_FALSE(f->CanPlay());
    f->SetCanPlay(true);
    EXPECT_EQ(f->lblPuoiGiocare.Caption.get(), "Si");
    f->SetCanPlay(false);
    EXPECT_EQ(f->lblPuoiGiocare.Caption.get(), "No");
}

TEST_F(StateTest, TickCountersCountOnFromWhateverTheyHold) {
    f->lblContatoreMosse.Caption = "6";
    EXPECT_EQ(f->NextMoveTick(), 7);
    EXPECT_EQ(f->lblContatoreMosse.Caption.get(), "7");
    f->lblAuto.Caption = "";
    EXPECT_EQ(f->NextAutoMoveTick(), 1);
    EXPECT_EQ(f->lblAuto.Caption.get(), "1");
}
