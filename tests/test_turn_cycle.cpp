#include <set>
#include <string>

#include "form/various.h"
#include "turn_cycle_fixture.h"

namespace various = zirimbo::various;

// ---- The hub and red's prompt ----

TEST_F(TurnCycleTest, AfterCarlasTurnTheHubPromptsRedWithTheTick) {
    f->lblTurnoDiGioco.Caption = "4";
    f->ImgDado.Visible = false;
    f->cmdGioca.Enabled = false;
    f->lblPuoiGiocare.Caption = "No";
    f->ShpDado.BackColor = tk::Color{0x00C000};
    f->ImgPersonaggio.Picture = "bubble";
    f->lblScrittaPulsanti(1).Visible = false;
    f->ShpVari(various::kMenuBar).Visible = false;
    f->lblPed(0).Caption = "2";
    f->TmrAspettaDado.Interval = 10;
    f->TmrAspettaDado.Enabled = true;
    h.advance(10);
    EXPECT_EQ(text(f->lblSpiegazioni), "Doduru, tocca ora a te: premi INVIO o clicca sul Dado!");
    EXPECT_TRUE(f->ImgDado.Visible);
    EXPECT_TRUE(f->cmdGioca.Enabled);
    EXPECT_TRUE(f->cmdLanciaDado.Enabled);
    EXPECT_EQ(text(f->lblPuoiGiocare), "Si");
    EXPECT_EQ(text(f->lblTurnoDiGioco), "4");
    EXPECT_EQ(f->ShpDado.BackColor.get(), zirimbo::colour::Red);
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), "");
    EXPECT_TRUE(f->lblScrittaPulsanti(1).Visible);
    EXPECT_TRUE(f->ShpVari(various::kMenuBar).Visible);
    EXPECT_EQ(plays("mmcTic"), 1);
    EXPECT_EQ(text(f->lblPed(0)), "2");  // the table is left to the end of red's roll
    EXPECT_FALSE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 600);
}

TEST_F(TurnCycleTest, AfterCarlasPawnLeavesRedIsPromptedWithoutTheHub) {
    f->lblVoceOpzione(1).Caption = "Sì";
    f->lblTurnoDiGioco.Caption = "4";
    f->lblPed(0).Caption = "1";
    f->lblPos(0).Caption = "1";
    f->lblPed(1).Caption = "14";
    f->ImgDado.Visible = false;
    f->ImgPersonaggio.Picture = "bubble";
    f->TmrRiprendeRossoDopoVerde.Interval = 1500;
    f->TmrRiprendeRossoDopoVerde.Enabled = true;
    h.advance(1500);
    EXPECT_FALSE(f->TmrRiprendeRossoDopoVerde.Enabled);
    EXPECT_EQ(text(f->lblPed(0)), "0");
    EXPECT_EQ(text(f->lblPed(1)), "0");
    EXPECT_TRUE(f->ImgDado.Visible);
    EXPECT_EQ(f->ImgPersonaggio.Picture.get(), "");
    EXPECT_EQ(text(f->lblSpiegazioni), "Doduru, tocca ora a te: premi INVIO o clicca sul Dado!");
    EXPECT_EQ(plays("mmcTic"), 0);
    EXPECT_FALSE(f->TmrAspettaDado.Enabled);
}

TEST_F(TurnCycleTest, AComputerPlayerWithAPawnOnTheBoardRollsAtOnce) {
    place(10, 20);  // Giorgetto's pawn
    f->lblTurnoDiGioco.Caption = "2";
    f->lblSpiegazioni.Caption = "Ahi!";
    f->ShpForme(0).BackColor = 0xFFCB84;
    scriptRoll(facesEndingOn(3, 9), 9);
    f->TmrAspettaDado.Enabled = true;
    h.advance(600);
    EXPECT_EQ(text(f->lblPedineInGioco), "1");
    EXPECT_EQ(text(f->lblSpiegazioni), "");
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), zirimbo::colour::White);
    EXPECT_TRUE(f->TimerDado.Enabled);
    EXPECT_EQ(text(f->lblTurnoDiGioco), "3");
    EXPECT_EQ(f->ShpDado.BackColor.get(), tk::Color{0x00FFFF});
    EXPECT_EQ(h.scripted.draws(), 14);  // no force-six draw
}

TEST_F(TurnCycleTest, AComputerPlayerWithNoPawnOnTheBoardHopesForASixFirst) {
    f->cmdAssegnaCasuale_Click();  // the comment line orders, as the name entry draws them
    place(5, 20);                  // Bob's pawn: not Carla's
    f->lblTurnoDiGioco.Caption = "3";
    for (int i = 0; i <= 6; ++i) f->ShpPuntoDado(i).BackColor = zirimbo::colour::Grey;
    scriptRoll(facesEndingOn(6, 9), 9, 2);
    f->TmrAspettaDado.Enabled = true;
    h.advance(600);
    EXPECT_EQ(text(f->lblPedineInGioco), "0");
    for (int i = 0; i <= 6; ++i) EXPECT_EQ(f->ShpPuntoDado(i).BackColor.get(), zirimbo::colour::White);
    EXPECT_EQ(f->ShpDado.BackColor.get(), tk::Color{0x00C000});
    // Carla hopes for a six; her roll starts when her line is over.
    EXPECT_TRUE(f->TmrSenzaPedineCarla.Enabled);
    EXPECT_FALSE(f->TimerDado.Enabled);
    EXPECT_EQ(text(f->lblTurnoDiGioco), "3");
    h.advance(f->TmrSenzaPedineCarla.Interval.get());
    EXPECT_TRUE(f->TimerDado.Enabled);
    EXPECT_EQ(text(f->lblTurnoDiGioco), "4");
    EXPECT_EQ(text(f->lblSpia), "2");  // her force-six draw was made
}

TEST_F(TurnCycleTest, AfterASpokenCommentTheNextTurnStartsTenMillisecondsLater) {
    f->lblTurnoDiGioco.Caption = "4";
    f->TmrRiprendeIlGioco.Interval = 2300;
    f->TmrRiprendeIlGioco.Enabled = true;
    h.advance(2300);
    EXPECT_FALSE(f->TmrRiprendeIlGioco.Enabled);
    EXPECT_TRUE(f->TmrAspettaDado.Enabled);
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 10);
    h.advance(10);
    EXPECT_EQ(text(f->lblPuoiGiocare), "Si");
    EXPECT_EQ(f->TmrAspettaDado.Interval.get(), 600);
}

// A red move that eats nothing reaches Bob's turn 600 ms later: with no pawn on the
// board he hopes for a six before his roll; and the turns go round.
TEST_F(TurnCycleTest, TheTurnsGoRoundFromRedThroughTheThreeCharactersBackToRed) {
    h.useSeededRandom(7);
    f->cmdAssegnaCasuale_Click();  // the comment line orders, as the name entry draws them
    place(1, 10);
    f->lblVoceOpzione(2).Caption = "No";
    f->ImgDado_Click();
    ASSERT_TRUE(h.runUntil([&] { return text(f->lblFaseMossa) == "1"; }, 5000));
    f->PlayMarkedMoveByClicks();
    const std::int64_t moved = h.now();
    ASSERT_TRUE(h.runUntil([&] { return f->TmrSenzaPedineBob.Enabled.get(); }, 5000));
    EXPECT_EQ(h.now() - moved, 600);
    ASSERT_TRUE(h.runUntil([&] { return f->TimerDado.Enabled.get(); }, 5000));
    EXPECT_EQ(text(f->lblTurnoDiGioco), "2");
    ASSERT_TRUE(h.runUntil([&] { return f->ImgDado.Visible.get(); }, 60000));
    EXPECT_EQ(text(f->lblTurnoDiGioco), "4");
    EXPECT_EQ(text(f->lblPuoiGiocare), "Si");
}

// ---- A new game ----

TEST_F(TurnCycleTest, ANewGameClearsTheFinishedGameAndWaitsForRedsRoll) {
    f->lblVoceOpzione(3).Caption = "Sempre";
    place(2, 12);
    place(7, 33);
    f->lblPedine(3).Caption = "0";
    f->lblUscite(3).Caption = "3";
    f->lblDadiUsciti(1).Caption = "1";
    f->lblCaselle(12).ForeColor = zirimbo::colour::Red;
    f->lblPed(0).Caption = "1";
    f->lblFaseMossa.Caption = "2";
    f->lblIcs(1).Caption = "14";
    f->setBackColor(0xFFCB84);
    for (int i = 0; i <= 3; ++i) f->FraPannello(i).BackColor = 0xFFCB84;
    f->FraPannello(1).Visible = true;
    f->FraRicomincia.Visible = true;
    f->ShpDado.BackColor = tk::Color{0x00FFFF};
    f->ShpPuntoDado(3).BackColor = zirimbo::colour::Grey;
    f->TmrVerdi.Enabled = true;
    f->TmrLampeggiaVittoria.Enabled = true;
    f->TmrLampeggiaLogo.Enabled = true;
    f->lblPosizione.Caption = "3";
    f->lblNomeClass(3).ForeColor = 0x00FFFF;
    f->ShpForme(0).BackColor = 0x8080FF;
    f->ImgDado.Visible = false;
    f->cmdGioca.Enabled = false;
    f->lblTurnoDiGioco.Caption = "2";
    f->lblNumeroDado.Caption = "5";
    f->click(f->lblNuovaPartita);
    EXPECT_FALSE(f->FraRicomincia.Visible);
    EXPECT_TRUE(f->TmrMusiche.Enabled);
    EXPECT_EQ(f->BackColor(), zirimbo::colour::Panel);
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(f->FraPannello(i).BackColor.get(), zirimbo::colour::Panel);
    EXPECT_TRUE(f->FraPannello(1).Visible);  // the scoreboard stays open
    EXPECT_EQ(f->ShpDado.BackColor.get(), zirimbo::colour::Red);
    EXPECT_EQ(f->ShpPuntoDado(3).BackColor.get(), zirimbo::colour::White);
    for (int c = 1; c <= 36; ++c) EXPECT_EQ(text(f->lblCaselle(c)), "0");
    for (int p = 1; p <= 16; ++p) EXPECT_EQ(text(f->lblPedine(p)), std::to_string(p));
    EXPECT_EQ(text(f->lblUscite(3)), "0");
    EXPECT_EQ(text(f->lblDadiUsciti(1)), "0");
    EXPECT_EQ(f->ImgGif(33).Picture.get(), "");
    EXPECT_EQ(f->ImgDadiUsciti(3).Picture.get(), "");
    EXPECT_EQ(f->lblCaselle(12).ForeColor.get(), zirimbo::colour::Black);
    EXPECT_EQ(text(f->lblPed(0)), "0");
    EXPECT_EQ(text(f->lblFaseMossa), "0");
    EXPECT_EQ(text(f->lblIcs(1)), "0");
    EXPECT_FALSE(f->TmrVerdi.Enabled);
    EXPECT_FALSE(f->TmrLampeggiaVittoria.Enabled);
    EXPECT_FALSE(f->TmrLampeggiaLogo.Enabled);
    EXPECT_TRUE(shows(f->ImgVarie(various::kScoreboardLogo), "Logo"));
    EXPECT_EQ(f->lblNomeClass(3).ForeColor.get(), zirimbo::colour::Black);
    EXPECT_EQ(f->ShpForme(0).BackColor.get(), zirimbo::colour::White);
    EXPECT_TRUE(f->ImgDado.Visible);
    EXPECT_TRUE(f->cmdGioca.Enabled);
    EXPECT_EQ(text(f->lblTurnoDiGioco), "4");
    EXPECT_EQ(text(f->lblNumeroDado), "5");
    EXPECT_EQ(text(f->lblSpiegazioni), "Clicca sul dado (o premi INVIO) per cominciare una nuova partita!");
}

TEST_F(TurnCycleTest, ANewGameWithMusicOffLeavesTheMusicAlone) {
    f->lblVoceOpzione(3).Caption = "No";
    f->lblPosizione.Caption = "9";  // not a row: nothing to un-highlight
    f->lblNuovaPartita_Click();
    EXPECT_FALSE(f->TmrMusiche.Enabled);
    EXPECT_TRUE(h.audio.log.empty());
    EXPECT_TRUE(f->ImgDado.Visible);
}

// ---- Developer aids ----

TEST_F(TurnCycleTest, TheDeveloperViewsToggleTogetherAndStayHiddenInPlay) {
    EXPECT_FALSE(f->FraMossa.Visible);
    EXPECT_FALSE(f->lblCaselle(5).shown());
    EXPECT_FALSE(f->lblTurnoDiGioco.Visible);
    f->lblTurnoDiGioco_Click();
    for (auto* fr : {&f->FraMossa, &f->FraCaselle, &f->FraPunteggio, &f->FraCasuale}) EXPECT_TRUE(fr->Visible.get());
    EXPECT_FALSE(f->fraEstrazione.Visible);
    EXPECT_FALSE(f->FraCervello.Visible);
    EXPECT_TRUE(f->lblCaselle(5).shown());
    EXPECT_TRUE(f->lblPed(3).shown());
    f->lblTurnoDiGioco_Click();
    EXPECT_FALSE(f->FraCaselle.Visible);
}

TEST_F(TurnCycleTest, TheDeveloperBoardSetsUpAPositionByHand) {
    for (const char* v : {"1", "2", "3", "4", "5", "9", "13", "0"}) {
        f->lblCaselle_Click(7);
        EXPECT_EQ(text(f->lblCaselle(7)), v);
    }
    f->lblCaselle(8).Caption = "7";
    f->lblCaselle_Click(8);
    EXPECT_EQ(text(f->lblCaselle(8)), "7");
    f->lblPedine_Click(6);
    EXPECT_EQ(text(f->lblPedine(6)), "0");
    f->lblPedine_Click(6);
    EXPECT_EQ(text(f->lblPedine(6)), "6");

    // "Cancella Pedine" then "Visualizza Pedine": the cells empty, red's squares keep their pictures.
    place(9, 20);
    f->lblCaselle(3).ForeColor = zirimbo::colour::Red;
    f->cmdCancellaPedine_Click();
    EXPECT_EQ(text(f->lblCaselle(20)), "0");
    EXPECT_EQ(f->lblCaselle(3).ForeColor.get(), zirimbo::colour::Black);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(text(f->lblPedine(k)), "0");
    EXPECT_TRUE(shows(f->ImgGif(20), "G1"));  // nothing is redrawn yet
    f->cmdVisualizzaPedine_Click();
    EXPECT_EQ(f->ImgGif(20).Picture.get(), "");
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(shows(f->ImgPartenza(k), "R1"));

    f->lblFaseMossa.Caption = "2";
    f->cmdReinizializzaTabella_Click();
    EXPECT_EQ(text(f->lblFaseMossa), "0");
}

// ---- Die quips ----

TEST(DieQuips, EightyQuipsOfTheRightLengthWithTheFourFixedOnes) {
    using zirimbo::frmZirimbo2012;
    EXPECT_STREQ(frmZirimbo2012::DieQuip(1), "Che genio che sei!");
    EXPECT_STREQ(frmZirimbo2012::DieQuip(27), "Ti piace giocare a Zirimbo, eh?");
    EXPECT_STREQ(frmZirimbo2012::DieQuip(53), "Lo sai che anche in Cina giocano a Zilimbo?");
    EXPECT_STREQ(frmZirimbo2012::DieQuip(80), "Non spererai mica di far sei, eh??");
    std::set<std::string> seen;
    for (int k = 1; k <= 80; ++k) {
        const std::string q = frmZirimbo2012::DieQuip(k);
        std::size_t chars = 0;
        for (unsigned char ch : q) chars += (ch & 0xC0) != 0x80;
        EXPECT_GE(chars, 13u) << k;
        EXPECT_LE(chars, 67u) << k;
        EXPECT_EQ(q.find('\n'), std::string::npos) << k;
        seen.insert(q);
    }
    EXPECT_EQ(seen.size(), 80u);
}

TEST_F(TurnCycleTest, EachRollOfTheHumanReplacesTheMessageWithAQuip) {
    f->lblSpiegazioni.Caption = "prompt";
    script(1, 80);
    f->ShowDieQuip();
    EXPECT_EQ(text(f->lblSpiegazioni), "Che genio che sei!");
    script(80, 80);
    f->ShowDieQuip();
    EXPECT_EQ(text(f->lblSpiegazioni), "Non spererai mica di far sei, eh??");
    EXPECT_EQ(h.scripted.draws(), 2);
}
