// Start-up, the intro and the name entry, on a game folder of the test's own.
#include <string>
#include <vector>

#include "form/various.h"
#include "test_startup_fixture.h"
#include "toolkit/runtime.h"

namespace various = zirimbo::various;

namespace {
constexpr char kCp1252Si[] = "\"S\xEC\"\r\n";  // "Sì" as the options file holds it

std::string OptionsFile(const std::string& effects, const std::string& music, const std::string& voices) {
    return std::string(kCp1252Si) + "\"" + effects + "\"\r\n" + kCp1252Si + "\"" + music + "\"\r\n\"" + voices +
           "\"\r\n\"Veloce\"\r\n2000\r\n260\r\n130\r\n130\r\n130\r\n";
}
}  // namespace

TEST_F(StartUpTest, LoadReadsTheFilesAndLeavesEverythingReadyUnderTheSplash) {
    folder.write("ZirNom.txt", "\"Anna, la Bella\"\r\n");
    folder.write("ZirOpz.txt", OptionsFile("No", "Ogni tanto", "No"));
    load();
    auto& w = *f;
    EXPECT_EQ(w.lblPercorso.Caption.get(), folder.path());
    // The name waits in the box; the name in use stays the design one until Enter.
    EXPECT_EQ(w.txtPassword.Text.get(), "Anna, la Bella");
    EXPECT_EQ(w.lblNomeGiocatore.Caption.get(), "Doduru");
    EXPECT_FALSE(w.txtPassword.Visible);
    EXPECT_EQ(w.lblVoceOpzione(1).Caption.get(), "No");
    EXPECT_EQ(w.lblVoceOpzione(3).Caption.get(), "Ogni tanto");
    EXPECT_EQ(w.lblVoceOpzione(5).Caption.get(), "Veloce");
    EXPECT_EQ(w.TmrGiocaAutomatico.Interval.get(), 260);
    EXPECT_EQ(w.TmrMossaVerde3.Interval.get(), 130);
    // The splash covers the window from its origin; the panels sit where start-up puts them.
    EXPECT_TRUE(w.FraSplash.Visible);
    EXPECT_EQ(w.FraSplash.Left.get(), 0);
    EXPECT_EQ(w.FraSplash.Top.get(), 0);
    for (int k = 0; k <= 3; ++k) {
        EXPECT_EQ(w.FraPannello(k).Left.get(), 105) << k;
        EXPECT_EQ(w.FraPannello(k).Top.get(), 0) << k;
        EXPECT_FALSE(w.FraPannello(k).Visible) << k;
    }
    EXPECT_EQ(w.FraRicomincia.Left.get(), 4410);
    EXPECT_EQ(w.FraRicomincia.Top.get(), 1785);
    EXPECT_FALSE(w.FraRicomincia.Visible);
    // Pictures and channels are in place; nothing plays yet.
    EXPECT_NE(w.ImgSplash.Picture.get(), "");
    for (int k = 1; k <= 8; ++k)
        EXPECT_NE(w.ImgLogo(k).Picture.get().find("logo" + std::to_string(k)), std::string::npos);
    for (int k : {0, 1, 2, 3, 4, 5, 6, 7, 9, 11, 12, 16}) EXPECT_NE(w.ImgVarie(k).Picture.get(), "") << k;
    EXPECT_NE(w.mmcGiorgetto.FileName.get().find("05G7.wav"), std::string::npos);
    EXPECT_NE(w.mmcMusiche.FileName.get().find("1a.mid"), std::string::npos);
    EXPECT_TRUE(h.audio.log.empty());
    EXPECT_NE(w.txtVari(various::kBiographyBox).Text.get(), "");
    EXPECT_NE(w.txtVari(various::kRightsBox).Text.get(), "");
    EXPECT_EQ(w.lblSpiegazioni.Caption.get(),
              "Clicca su REG per leggere le regole oppure sul dado per iniziare subito!");
    // The turn state is untouched: the first roll is red's.
    EXPECT_EQ(w.lblTurnoDiGioco.Caption.get(), "4");
    EXPECT_EQ(w.lblPuoiGiocare.Caption.get(), "Si");
    EXPECT_TRUE(w.ImgDado.Visible);
    // Only the intro runs; the draw of the farewell character is the only draw.
    EXPECT_TRUE(w.TmrTobelioZanvuti.Enabled);
    EXPECT_FALSE(w.TimerEntra.Enabled);
    EXPECT_FALSE(w.TmrMusiche.Enabled);
    EXPECT_EQ(h.scripted.draws(), 1);
}

TEST_F(StartUpTest, TheIntroTypesRevealsAndEndsOnTheNameBoxWithItsSoundsWhateverTheOptions) {
    folder.write("ZirOpz.txt", OptionsFile("No", "Sempre", "No"));
    load();
    auto& w = *f;
    h.advance(149);
    EXPECT_EQ(w.lblTobelio.Caption.get(), "4");
    h.advance(1);  // step 5 at 150 ms
    EXPECT_EQ(w.lblUnGioco(4).Caption.get(), "T");
    h.advance(150 * 7);  // step 12 adds the blank and the family name's first letter together
    EXPECT_EQ(w.lblUnGioco(4).Caption.get(), "Tobelio Z");
    h.advance(150 * 6);  // step 18
    EXPECT_EQ(w.lblUnGioco(4).Caption.get(), "Tobelio Zanvuti");
    EXPECT_EQ(w.lblUnGioco(3).Caption.get(), "p");
    h.advance(150 * 8);  // step 26 at 3300 ms
    EXPECT_EQ(h.now(), 3300);
    EXPECT_EQ(w.lblUnGioco(3).Caption.get(), "presenta:");
    EXPECT_EQ(w.TmrTobelioZanvuti.Interval.get(), 80);
    EXPECT_EQ(plays("mmcDado"), 22);
    // Eight short pauses, then the logo from 4020 ms, one piece a step.
    h.advance(80 * 9 - 1);
    EXPECT_FALSE(w.ImgLogo(1).Visible);
    EXPECT_EQ(w.lblTobelio.Caption.get(), "34");
    h.advance(1);
    EXPECT_TRUE(w.ImgLogo(1).Visible);
    EXPECT_FALSE(w.ImgLogo(2).Visible);
    EXPECT_EQ(w.TmrTobelioZanvuti.Interval.get(), 240);
    h.advance(240 * 7);  // step 42
    for (int k = 1; k <= 8; ++k) EXPECT_TRUE(w.ImgLogo(k).Visible) << k;
    EXPECT_EQ(plays("mmcPedina"), 8);
    h.advance(240 * 3);  // step 45: Giorgetto with the voice start-up gave him
    EXPECT_TRUE(w.ImgSplash.Visible);
    EXPECT_FALSE(w.lblUnGioco(3).Visible);
    EXPECT_FALSE(w.lblUnGioco(4).Visible);
    ASSERT_EQ(plays("mmcGiorgetto"), 1);
    EXPECT_NE(h.audio.plays().back().find("05G7.wav"), std::string::npos);
    h.advance(240 * 10);  // step 55 at 8820 ms
    EXPECT_EQ(h.now(), 8820);
    EXPECT_TRUE(w.lblUnGioco(0).Visible);
    EXPECT_FALSE(w.lblUnGioco(5).Visible);
    EXPECT_EQ(w.TmrTobelioZanvuti.Interval.get(), 500);
    h.advance(500 * 2);
    EXPECT_TRUE(w.lblUnGioco(2).Visible);
    EXPECT_EQ(plays("mmcMossa"), 3);
    h.advance(500);  // step 58: nothing
    EXPECT_FALSE(w.txtPassword.Visible);
    h.advance(500);  // step 59 at 10820 ms
    EXPECT_EQ(h.now(), test_startup::kIntroMs);
    EXPECT_FALSE(w.TmrTobelioZanvuti.Enabled);
    for (tk::Control* c :
         std::vector<tk::Control*>{&w.lblUnGioco(6), &w.lblInserisci, &w.lblRisoluzioni, &w.txtPassword})
        EXPECT_TRUE(c->Visible) << c->qualifiedName();
    EXPECT_EQ(w.focused(), &w.txtPassword);
    EXPECT_EQ(w.txtPassword.Text.get(), "Doduru");
    EXPECT_EQ(plays("mmcTic"), 1);
    EXPECT_EQ(h.audio.plays().size(), 22u + 8 + 1 + 3 + 1);
    // The intro never comes back.
    h.advance(5000);
    EXPECT_EQ(w.lblTobelio.Caption.get(), "59");
    EXPECT_EQ(h.audio.plays().size(), 35u);
}

TEST_F(StartUpTest, EnterIsIgnoredUntilTheIntroEndsAndWhileTheBoxIsEmpty) {
    load();
    auto& w = *f;
    // During the intro Enter neither starts the game nor rolls the die under the splash.
    h.advance(5000);
    w.keyDown(tk::vbKeyReturn);
    EXPECT_FALSE(w.TimerEntra.Enabled);
    EXPECT_FALSE(w.TimerDado.Enabled);
    EXPECT_EQ(w.lblTurnoDiGioco.Caption.get(), "4");
    // A click on the die under the splash reaches the splash, not the die.
    EXPECT_EQ(w.controlAt(w.ImgDado.absLeft() + 30, w.ImgDado.absTop() + 30), &w.FraSplash);

    h.advance(test_startup::kIntroMs - 5000);
    w.txtPassword.Text = "";
    w.keyDown(tk::vbKeyReturn);
    EXPECT_FALSE(w.TimerEntra.Enabled);
    EXPECT_TRUE(w.txtPassword.Visible);
    EXPECT_EQ(w.focused(), &w.txtPassword);
    // Other keys go to the box.
    w.textInput("  ");
    w.keyDown(65);
    EXPECT_FALSE(w.TimerEntra.Enabled);
    // A name of blanks is a name.
    EXPECT_EQ(w.txtPassword.Text.get(), "  ");
    w.keyDown(tk::vbKeyReturn);
    EXPECT_EQ(w.lblNomeGiocatore.Caption.get(), "  ");
    EXPECT_TRUE(w.TimerEntra.Enabled);
}

TEST_F(StartUpTest, EnterWithANameShowsTheLoadingLineAndTheNextTickStartsTheGameAndTheMusic) {
    folder.remove("ZirNom.txt");  // no name kept: the box starts empty
    load();
    auto& w = *f;
    h.advance(test_startup::kIntroMs);
    EXPECT_EQ(w.txtPassword.Text.get(), "");
    w.textInput("Gianni");
    w.keyDown(tk::vbKeyReturn);
    EXPECT_EQ(w.lblNomeGiocatore.Caption.get(), "Gianni");
    EXPECT_EQ(w.lblInserisci.Caption.get(), "Sto caricando il Gioco... un attimo di pazienza!!");
    EXPECT_EQ(w.lblInserisci.ForeColor.get(), 0xFFu);
    EXPECT_TRUE(w.lblInserisci.Visible);
    EXPECT_FALSE(w.txtPassword.Visible);
    // A second Enter within the 100 ms changes nothing, and the die does not roll.
    h.advance(50);
    w.keyDown(tk::vbKeyReturn);
    EXPECT_FALSE(w.TimerDado.Enabled);
    EXPECT_EQ(w.lblTurnoDiGioco.Caption.get(), "4");
    const int drawsBefore = h.scripted.draws();
    h.advance(50);
    EXPECT_FALSE(w.TimerEntra.Enabled);
    EXPECT_FALSE(w.FraSplash.Visible);
    // The comment orders (132 draws) and then the music lists (17 draws).
    EXPECT_EQ(h.scripted.draws() - drawsBefore, 132 + 17);
    EXPECT_EQ(w.lblMusVeloci(0).Caption.get(), "1");
    EXPECT_TRUE(w.TmrMusiche.Enabled);
    ASSERT_EQ(plays("mmcMusiche"), 1);
    EXPECT_NE(h.audio.plays().back().find("/Musiche/" + w.lblMusVeloci(1).Caption.get() + ".mid"), std::string::npos);
    // Now Enter is red's roll.
    h.useSeededRandom(3);
    w.keyDown(tk::vbKeyReturn);
    EXPECT_TRUE(w.TimerDado.Enabled);
    EXPECT_EQ(w.lblTurnoDiGioco.Caption.get(), "1");
}

TEST_F(StartUpTest, WithTheMusicOffTheListsAreStillShuffledButNothingPlays) {
    folder.write("ZirOpz.txt", OptionsFile("S\xEC", "No", "S\xEC"));
    load();
    passStartUp();
    auto& w = *f;
    EXPECT_FALSE(w.FraSplash.Visible);
    EXPECT_EQ(w.lblMusVeloci(0).Caption.get(), "0");
    EXPECT_EQ(w.lblMusLenti(0).Caption.get(), "0");
    EXPECT_FALSE(w.TmrMusiche.Enabled);
    EXPECT_EQ(plays("mmcMusiche"), 0);
    h.advance(60000);
    EXPECT_EQ(plays("mmcMusiche"), 0);
}

TEST_F(StartUpTest, ANewPlayerTypesOverTheLastNameAndEveryRefusedCharacterFlashesTheBox) {
    folder.write("ZirOpz.txt", OptionsFile("No", "No", "No"));  // the sound effects off
    load();
    auto& w = *f;
    h.advance(test_startup::kIntroMs);
    const tk::Color white = 0xFFFFFF, flash = 0x8080FF;
    auto box = [&w] { return w.txtPassword.BackColor.get(); };
    // The last player's name is selected: typing replaces it at once.
    EXPECT_EQ(w.txtPassword.SelText(), "Doduru");
    w.textInput("Gianni");
    EXPECT_EQ(box(), white);
    // Characters the name file cannot hold flash the box, silently while the effects are off.
    for (const char* refused : {"ł", "中", "😀"}) {
        w.textInput(refused);
        EXPECT_EQ(box(), flash) << refused;
        h.advance(300);
        EXPECT_EQ(box(), white) << refused;
    }
    EXPECT_EQ(plays("mmcDeng"), 0);
    w.keyDown(tk::vbKeyLeft, tk::vbShiftMask);
    w.textInput("a");
    // With the effects on a refusal sounds too; a letter past the 40th is refused like the
    // others, and a refusal during the flash makes it last again.
    w.lblVoceOpzione(1).Caption = "Sì";
    const std::string name = "Gianna" + std::string(34, 'x');
    w.textInput(std::string(34, 'x') + "y");
    EXPECT_EQ(box(), flash);
    h.advance(200);
    w.textInput("z");
    h.advance(299);
    EXPECT_EQ(box(), flash);
    h.advance(1);
    EXPECT_EQ(box(), white);
    EXPECT_EQ(plays("mmcDeng"), 2);
    w.keyDown(tk::vbKeyReturn);
    EXPECT_EQ(w.lblNomeGiocatore.Caption.get(), name);
}
