// Design values and events of the shell's controls: the message line and the
// portrait, the four bottom buttons, the rules, scoreboard, options and exit
// panels, the rematch box, and the timers of the end of a game and of the exit.
// Positions are twips on the 15360 x 11520 design, relative to the frame that
// holds a control; start-up moves the panels and the rematch box into place.
#include <initializer_list>

#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "shell/panel_values.h"
#include "shell/rules_pages.h"
#include "toolkit/paths.h"
#include "toolkit/runtime.h"

namespace zirimbo {

namespace {
constexpr tk::Color kFaceBack = 0xB8C9E5;
constexpr tk::Color kValueBack = 0xB8C9E5;

void Place(tk::Control& c, tk::Frame* container, int left, int top, int width, int height) {
    c.Container = container;
    c.Move(left, top, width, height);
}

// A transparent text in Verdana.
void SetText(Label& l, const std::string& text, double size, bool bold, int alignment = 2) {
    l.Caption = text;
    l.FontName = "Verdana";
    l.FontSize = size;
    l.FontBold = bold;
    l.ForeColor = colour::Black;
    l.BackStyle = 0;
    l.Alignment = alignment;
    l.WordWrap = true;
}

void Filled(Shape& s, int kind, tk::Color back, int borderWidth = 1) {
    s.ShapeKind = kind;
    s.BackStyle = 1;
    s.BackColor = back;
    s.BorderColor = colour::Black;
    s.BorderWidth = borderWidth;
}

// A transparent label that only takes the mouse.
void ClickArea(Label& l, tk::Frame* container, int left, int top, int width, int height) {
    l.Caption = "";
    l.BackStyle = 0;
    Place(l, container, left, top, width, height);
}

void Hidden(tk::Control& c) { c.Visible = false; }

// Moves a control to the front of its container's light controls.
void BringToFront(tk::Window& w, tk::Control& c) {
    w.unregisterControl(&c);
    w.registerControl(&c);
}

// A control shown in a frame at its design place.
struct Shown {
    tk::Control& control;
    int left, top, width, height;
};
void ShowAt(tk::Frame& frame, std::initializer_list<Shown> rows) {
    for (const Shown& r : rows) {
        Place(r.control, &frame, r.left, r.top, r.width, r.height);
        r.control.Visible = true;
    }
}

// A text shown in a frame at its design place, in Verdana.
struct ShownText {
    Label& label;
    const char* text;
    double size;
    bool bold;
    int left, top, width, height;
    int alignment = 2;
};
void ShowTexts(tk::Frame& frame, std::initializer_list<ShownText> rows) {
    for (const ShownText& r : rows) {
        SetText(r.label, r.text, r.size, r.bold, r.alignment);
        Place(r.label, &frame, r.left, r.top, r.width, r.height);
        r.label.Visible = true;
    }
}

// The heading logo, the title and the footer line that every panel shares in look.
void PanelHeading(Frame& panel, Image& logo, Label& title, const char* titleText) {
    ShowAt(panel, {{logo, 3885, 630, 7365, 1275}});
    ShowTexts(panel, {{title, titleText, 15.75, true, 210, 1680, 14715, 540}});
}
void PanelFooter(Frame& panel, Label& footer, const char* text) {
    ShowTexts(panel, {{footer, text, 9.75, false, 525, 9345, 14085, 330}});
    footer.FontItalic = true;
}

// Spare elements of the design's arrays: never shown. The panels show the
// elements of the various arrays they use.
void HideSpares(frmZirimbo2012& f) {
    Hidden(f.Shape2(0));
    for (int i = 4; i <= 10; ++i) Hidden(f.Shape3(i));
    f.ShpVari.forEach([](Shape& s) { s.Visible = false; });
    f.ImgVarie.forEach([](Image& i) { i.Visible = false; });
    f.lblVarie.forEach([](Label& l) { l.Visible = false; });
    f.lblScritteVarie.forEach([](Label& l) { l.Visible = false; });
    Hidden(f.ImgEsci);
    Hidden(f.txtVari(2));
    Hidden(f.txtVari(3));
}

// The message line, the portrait, the logo and the four buttons REG, CLAS, OPZ
// and ESC, which open and close the four panels.
void DesignBottomBar(frmZirimbo2012& f) {
    // The message line on its rounded shape, right of the die.
    Filled(f.ShpForme(0), 4, colour::White, 2);
    f.ShpForme(0).Move(8400, 10140, 4680, 1290);
    SetText(f.lblSpiegazioni, "", 9.75, true);
    f.lblSpiegazioni.Move(8520, 10215, 4440, 1140);
    f.ImgPersonaggio.Move(105, 8235, 3075, 3075);
    f.ImgVarie(various::kBottomBarLogo).Visible = true;
    f.ImgVarie(various::kBottomBarLogo).Move(3375, 10455, 3750, 660);
    // The buttons: a circle, its caption and a click area on top.
    const struct {
        const char* caption;
        int clickLeft, circleLeft, captionLeft;
    } buttons[4] = {
        {"REG", 13230, 13170, 13150},
        {"CLAS", 315, 315, 315},
        {"OPZ", 1365, 1365, 1365},
        {"ESC", 14280, 14215, 14250},
    };
    for (int i = 0; i <= 3; ++i) {
        Filled(f.Shape3(i), 3, colour::Panel, 2);
        f.Shape3(i).Move(buttons[i].circleLeft, 10425, 840, 840);
        SetText(f.lblScrittaPulsanti(i), buttons[i].caption, 9.75, true);
        f.lblScrittaPulsanti(i).Move(buttons[i].captionLeft, 10730, 880, 255);
        ClickArea(f.lblPulsante(i), nullptr, buttons[i].clickLeft, 10395, 840, 840);
    }
    // The bar joining CLAS and OPZ.
    Shape& bar = f.ShpVari(various::kMenuBar);
    bar.Visible = true;
    Filled(bar, 0, colour::Black);
    bar.Move(945, 10815, 645, 45);
    f.lblPulsante.setOnClick([&f](int i) { f.lblPulsante_Click(i); });

    // The panels the buttons open, hidden until then.
    for (int i = 0; i <= 3; ++i) {
        Frame& panel = f.FraPannello(i);
        panel.BackColor = colour::Panel;
        panel.BorderStyle = 0;
        panel.Move(105, 0, 15300, 10095);
        panel.Visible = false;
    }
    f.FraPannello.setOnMouseMove([&f](int i, const tk::MouseArgs& a) { f.FraPannello_MouseMove(i, a); });

    // Hidden state of the bottom bar.
    f.lblCopiaSpiegazione.Caption = "";
    Hidden(f.lblCopiaSpiegazione);
    f.lblNomeGiocatore.Caption = "Doduru";
    Hidden(f.lblNomeGiocatore);
    f.lblNomeGiocatore.onClick = [&f](int) { f.lblNomeGiocatore_Click(); };
    f.TmrRicompareSpiegazione.Interval = 1000;
    f.TmrRicompareSpiegazione.onTimer = [&f](int) { f.TmrRicompareSpiegazione_Timer(); };
}

// The rules panel: the page on show (the character with its name and sketch, the
// bubble with the title and the text) and the two arrows that turn the pages.
void DesignRulesPanel(frmZirimbo2012& f) {
    Frame& panel = f.FraPannello(0);
    PanelHeading(panel, f.ImgVarie(various::kRulesLogo), f.lblVarie(various::kRulesHeading), "Regole del Gioco");
    // The design shows page 1; start-up loads its picture.
    const RulesPage& first = RulesPageOf(1);
    ShowAt(panel, {{f.ImgVarie(various::kRulesCharacter), 1050, 2730, 4740, 4740},
                   {f.ImgVarie(various::kRulesBubble), 5250, 3570, 8730, 3900}});
    ShowTexts(panel, {{f.lblVarie(various::kRulesPageTitle), first.title, 14.25, false, 6720, 2940, 7260, 435},
                      {f.lblVarie(various::kRulesPageBody), first.body, 11.25, false, 6930, 3780, 6630, 3690, 0},
                      {f.lblVarie(various::kRulesCharacterName), first.name, 12, true, 1050, 7640, 4740, 330},
                      {f.lblVarie(various::kRulesCharacterSketch), first.sketch, 9.75, false, 1050, 7980, 4740, 855}});
    // The arrows, joined by a black bar, with their click areas on top.
    Filled(f.ShpVari(various::kRulesArrowBar), 0, colour::Black);
    ShowAt(panel, {{f.ShpVari(various::kRulesArrowBar), 10200, 8228, 300, 45},
                   {f.ImgVarie(various::kRulesBackArrow), 9660, 7980, 540, 540},
                   {f.ImgVarie(various::kRulesForwardArrow), 10500, 7980, 540, 540}});
    ClickArea(f.lblLetturaRegole(0), &panel, 9660, 7980, 540, 540);
    ClickArea(f.lblLetturaRegole(1), &panel, 10500, 7980, 540, 540);
    PanelFooter(panel, f.lblVarie(various::kRulesFooter),
                "Clicca sul pulsante > per avanzare nella lettura delle Regole, su < per tornare indietro, su "
                "'REG' per uscire da questo Pannello.");
    f.lblPagina.Caption = "1";
    Hidden(f.lblPagina);
    f.lblLetturaRegole.setOnClick([&f](int i) { f.lblLetturaRegole_Click(i); });
    f.lblLetturaRegole.setOnMouseDown([&f](int i, const tk::MouseArgs& a) { f.lblLetturaRegole_MouseDown(i, a); });
    f.lblLetturaRegole.setOnMouseUp([&f](int i, const tk::MouseArgs& a) { f.lblLetturaRegole_MouseUp(i, a); });
}

// The scoreboard panel: column headings and four rows, each a position, a face, a
// name, the wins and the date of the last win on shapes in the player's colour.
void DesignScoreboardPanel(frmZirimbo2012& f) {
    Frame& panel = f.FraPannello(1);
    PanelHeading(panel, f.ImgVarie(various::kScoreboardLogo), f.lblVarie(various::kScoreboardHeading), "Classifica");
    ShowTexts(panel, {{f.lblVarie(various::kScoreboardPositionColumn), "Posizione", 9.75, true, 840, 2625, 1260, 285},
                      {f.lblVarie(various::kScoreboardNameColumn), "Nome", 9.75, true, 3925, 2625, 3900, 285, 0},
                      {f.lblVarie(various::kScoreboardWinsColumn), "Vinte", 9.75, true, 8400, 2625, 1065, 285},
                      {f.lblVarie(various::kScoreboardDateColumn), "Data ultima vittoria", 9.75, true, 9765, 2625, 4425,
                       285}});
    PanelFooter(panel, f.lblVarie(various::kScoreboardFooter),
                "Clicca sul pulsante 'CLAS' per uscire da questo Pannello.");

    const char* names[5] = {"", "Giocatore", "Bob", "Giorgetto", "Carla"};
    for (int r = 1; r <= 4; ++r) {
        const int top = 3045 + 1470 * (r - 1);
        // The thin line that joins the row's cells, behind them.
        Shape& line = f.ShpVari(various::kScoreboardRowLine + r - 1);
        Filled(line, 0, colour::Black);
        ShowAt(panel, {{line, 1365, top + 615, 9780, 45}});
        // Cells: 0 position (circle), 1 name, 2 wins (circle), 3 date, 4 face.
        const struct {
            int kind, left, dy, width, height;
        } cells[5] = {{3, 840, 105, 1065, 1065},
                      {4, 3570, 0, 4635, 1275},
                      {3, 8400, 105, 1065, 1065},
                      {4, 9660, 0, 4635, 1275},
                      {5, 2100, 0, 1275, 1275}};
        ControlArray<Shape>& row = ScoreboardRowShapes(f, r);
        for (int e = 0; e <= 4; ++e) {
            Filled(row(e), cells[e].kind, e == 4 ? kFaceBack : PlayerColour(r));
            Place(row(e), &panel, cells[e].left, top + cells[e].dy, cells[e].width, cells[e].height);
        }
        Place(f.ImgClassifica(r), &panel, 2150, top + 50, 1170, 1170);
        ShowTexts(panel, {{f.lblPosizioneClass(r), "1", 26.25, true, 840, top + 270, 1065, 735},
                          {f.lblNomeClass(r), names[r], 26.25, true, 3570, top + 270, 4635, 735},
                          {f.lblVinte(r), "0", 26.25, true, 8400, top + 270, 1065, 735},
                          {f.lblData(r), "", 26.25, true, 9660, top + 270, 4635, 735}});
        f.lblPartiteVinte(r).Caption = "0";
        Hidden(f.lblPartiteVinte(r));
        // The developer's win buttons, in the player's colour.
        CommandButton& win = f.cmdVince(r);
        win.Caption = "Vince";
        win.Style = 1;
        win.BackColor = PlayerColour(r);
        Place(win, &panel, 315, 420 * r, 855, 375);
        Hidden(win);
    }
    f.cmdVince.setOnClick([&f](int i) { f.cmdVince_Click(i); });
    f.lblPosizione.Caption = "1";
    Hidden(f.lblPosizione);
    f.TmrLampeggiaVittoria.Interval = 300;
    f.TmrLampeggiaVittoria.onTimer = [&f](int) { f.TmrLampeggiaVittoria_Timer(); };
}

// The scoreboard sort's buffers, in a hidden developer frame.
void DesignSortBuffers(frmZirimbo2012& f) {
    f.Frame1.Move(105, 5400, 5400, 1800);
    f.Frame1.BackColor = 0xE0E0E0;
    Hidden(f.Frame1);
    for (int k = 1; k <= 4; ++k) {
        Label* buffers[3] = {&f.lblExpN(k), &f.lblExpV(k), &f.lblExpD(k)};
        for (int b = 0; b < 3; ++b) {
            buffers[b]->Caption = "";
            Place(*buffers[b], &f.Frame1, 150 + 1500 * b, 150 + 300 * k, 1350, 255);
        }
    }
    f.lblContaExp.Caption = "0";
    Place(f.lblContaExp, &f.Frame1, 150, 150, 1350, 255);
    f.cmdCambiaClassifica.Caption = "Cambia";
    Place(f.cmdCambiaClassifica, &f.Frame1, 3150, 1425, 1350, 315);
    f.cmdCambiaClassifica.onClick = [&f](int) { f.cmdCambiaClassifica_Click(); };
}

// The options panel: six names in white boxes, each with its value beside it, and
// the character whose bubble explains the option under the mouse.
void DesignOptionsPanel(frmZirimbo2012& f) {
    Frame& panel = f.FraPannello(2);
    PanelHeading(panel, f.ImgVarie(various::kOptionsLogo), f.lblVarie(various::kOptionsHeading), "Opzioni");
    PanelFooter(panel, f.lblVarie(various::kOptionsFooter), "Clicca sul pulsante 'OPZ' per uscire da questo Pannello.");
    const char* names[6] = {"Personaggi:", "Rumori:", "Automatico:", "Musiche:", "Voci:", "Velocità gioco:"};
    const int nameAt[6][2] = {{1470, 3780}, {9135, 5880}, {1470, 5880}, {9135, 3780}, {9135, 4830}, {1470, 4830}};
    const int valueAt[6][2] = {{4830, 3780}, {11550, 5880}, {4830, 5880}, {11550, 3780}, {11550, 4830}, {4830, 4830}};
    for (int i = 0; i <= 5; ++i) {
        const int nameWidth = nameAt[i][0] == 1470 ? 3150 : 2205;
        Filled(f.ShpOpzio(i), 4, colour::White);
        Place(f.ShpOpzio(i), &panel, nameAt[i][0] - 60, nameAt[i][1] - 60, nameWidth + 120, 615);
        Filled(f.ShpVoceOpzio(i), 4, kValueBack);
        Place(f.ShpVoceOpzio(i), &panel, valueAt[i][0] - 60, valueAt[i][1] - 60, 2520, 615);
        SetText(f.lblOpzione(i), names[i], 18, false, 1);
        Place(f.lblOpzione(i), &panel, nameAt[i][0], nameAt[i][1], nameWidth, 495);
        // The value keeps the caption the option table gave it.
        Label& value = f.lblVoceOpzione(i);
        value.FontName = "Verdana";
        value.FontSize = 18;
        value.FontBold = false;
        value.ForeColor = colour::Black;
        value.BackStyle = 0;
        value.Alignment = 2;
        ShowAt(panel, {{value, valueAt[i][0], valueAt[i][1], 2400, 495}});
        // The option table was created with the state tables, before its boxes:
        // its values go in front of them.
        BringToFront(f, value);
    }
    // The spare option of the developer view.
    f.lblOpzione(6).Caption = "";
    Place(f.lblOpzione(6), &f.FraMossa, 150, 3750, 1200, 255);
    Place(f.lblVoceOpzione(6), &f.FraMossa, 1500, 3750, 1200, 255);
    // The character and the help text in its speech bubble.
    ShowAt(panel, {{f.ImgVarie(various::kOptionsCharacter), 1050, 6510, 2730, 2730},
                   {f.ImgVarie(various::kOptionsBubble), 3990, 6615, 10080, 2520}});
    ShowTexts(panel, {{f.lblVarie(various::kOptionsHelpText), kOptionsHelp, 11.25, false, 5880, 6930, 7770, 1890}});
    f.lblMouseMove.Caption = "6";
    Hidden(f.lblMouseMove);
    for (int i = 0; i <= 5; ++i) {
        f.lblOpzione(i).onClick = [&f](int k) { f.lblOpzione_Click(k); };
        f.lblOpzione(i).onMouseDown = [&f](int k, const tk::MouseArgs& a) { f.lblOpzione_MouseDown(k, a); };
        f.lblOpzione(i).onMouseUp = [&f](int k, const tk::MouseArgs& a) { f.lblOpzione_MouseUp(k, a); };
        f.lblOpzione(i).onMouseMove = [&f](int k, const tk::MouseArgs& a) { f.lblOpzione_MouseMove(k, a); };
    }
}

// The exit panel: the farewell character above the question and its two answers,
// between two columns, each a picture of the window's design above a text box.
void DesignExitPanel(frmZirimbo2012& f) {
    Frame& panel = f.FraPannello(3);
    PanelHeading(panel, f.ImgVarie(various::kExitLogo), f.lblVarie(various::kExitHeading), "Esci");
    ShowAt(panel, {{f.ImgVarie(various::kExitCharacter), 5775, 3360, 3585, 3585}});
    // The two answers: circle, caption and click area on top.
    Filled(f.Shape3(various::kExitYesCircle), 3, colour::White, 2);
    Filled(f.Shape3(various::kExitNoCircle), 3, colour::White, 2);
    ShowAt(panel, {{f.Shape3(various::kExitYesCircle), 6615, 7875, 750, 750},
                   {f.Shape3(various::kExitNoCircle), 7770, 7875, 750, 750}});
    ShowTexts(panel, {{f.lblVarie(various::kExitQuestion), "Vuoi davvero uscire??", 12, true, 5790, 7140, 3585, 330},
                      {f.lblVarie(various::kExitYesCaption), "Sì", 12, true, 6615, 8095, 750, 540},
                      {f.lblVarie(various::kExitNoCaption), "No", 12, true, 7770, 8095, 750, 540}});
    ClickArea(f.lblEsci(0), &panel, 6615, 7875, 750, 750);
    ClickArea(f.lblEsci(1), &panel, 7770, 7875, 750, 750);
    PanelFooter(panel, f.lblVarie(various::kExitFooter),
                "Clicca sul pulsante 'ESC' o sul pulsante 'No' per uscire da questo Pannello.");
    // The two side columns.
    Filled(f.ShpVari(various::kExitLeftColumn), 4, colour::Panel, 2);
    Filled(f.ShpVari(various::kExitRightColumn), 4, colour::Panel, 2);
    ShowAt(panel, {{f.ShpVari(various::kExitLeftColumn), 1050, 2835, 3795, 5685},
                   {f.ShpVari(various::kExitRightColumn), 10290, 2835, 3795, 5685},
                   {f.ImgVarie(various::kExitLeftPicture), 1260, 3045, 3375, 3375},
                   {f.ImgVarie(various::kExitRightPicture), 10500, 3045, 3375, 3375}});
    const std::string folder = f.Dir1.Path;
    const struct {
        int picture;
        const char* file;
    } designPictures[2] = {{various::kExitLeftPicture, "\\Grafica\\EsciAutore.jpg"},
                           {various::kExitRightPicture, "\\Grafica\\EsciGioco.jpg"}};
    for (const auto& d : designPictures)
        if (tk::pathExists(folder + d.file)) f.ImgVarie(d.picture).Picture = tk::LoadPicture(folder + d.file);
    const int boxAt[2][4] = {{1365, 6615, 3270, 1695}, {10605, 6615, 3270, 1065}};
    for (int k : {various::kBiographyBox, various::kRightsBox}) {
        TextBox& box = f.txtVari(k);
        box.MultiLine = true;
        box.ScrollBars = 2;
        box.Locked = true;
        box.BorderStyle = 0;
        box.FontName = "Verdana";
        box.FontSize = 9;
        box.BackColor = colour::Panel;
        Place(box, &panel, boxAt[k][0], boxAt[k][1], boxAt[k][2], boxAt[k][3]);
    }
    f.lblIndexEsci.Caption = "2";
    Hidden(f.lblIndexEsci);
    f.lblEsci.setOnClick([&f](int i) { f.lblEsci_Click(i); });
    f.lblEsci.setOnMouseDown([&f](int i, const tk::MouseArgs& a) { f.lblEsci_MouseDown(i, a); });
    f.lblEsci.setOnMouseUp([&f](int i, const tk::MouseArgs& a) { f.lblEsci_MouseUp(i, a); });
    f.lblEsci.setOnMouseMove([&f](int i, const tk::MouseArgs& a) { f.lblEsci_MouseMove(i, a); });
    f.TmrEsci.Interval = 10000;
    f.TmrEsci.onTimer = [&f](int) { f.TmrEsci_Timer(); };
}

// The rematch box (under the panels) with its NUOVA PARTITA button, and the
// timers of the end of a game.
void DesignRematchBox(frmZirimbo2012& f) {
    Frame& box = f.FraRicomincia;
    box.BackColor = colour::Panel;
    box.BorderStyle = 0;
    box.Move(4410, 1785, 6630, 6630);
    box.Visible = false;
    Filled(f.ShpVari(various::kNewGameButton), 4, colour::White);
    ShowAt(box, {{f.ImgVarie(various::kRematchLogo), 315, 420, 6000, 1065},
                 {f.ImgVarie(various::kRematchCharacter), 315, 1470, 3375, 3375},
                 {f.ImgVarie(various::kRematchBubble), 2415, 2520, 4005, 2115},
                 {f.ShpVari(various::kNewGameButton), 2100, 5355, 2430, 750}});
    ShowTexts(box, {{f.lblVarie(various::kRematchPrompt), "Vuoi la rivincita? Clicca su NUOVA PARTITA!", 12, true, 3255,
                     2940, 2850, 1485},
                    {f.lblVarie(various::kNewGameCaption), "NUOVA PARTITA", 11.25, true, 2205, 5595, 2220, 330}});
    ClickArea(f.lblNuovaPartita, &box, 1995, 5250, 2640, 960);
    f.lblNuovaPartita.onMouseDown = [&f](int, const tk::MouseArgs& a) { f.lblNuovaPartita_MouseDown(a); };
    f.lblNuovaPartita.onMouseUp = [&f](int, const tk::MouseArgs& a) { f.lblNuovaPartita_MouseUp(a); };
    f.lblNuovaPartita.onClick = [&f](int) { f.lblNuovaPartita_Click(); };
    f.lblLampeggiaLogo.Caption = "0";
    Hidden(f.lblLampeggiaLogo);
    f.TmrLampeggiaLogo.Interval = 150;
    f.TmrLampeggiaLogo.onTimer = [&f](int) { f.TmrLampeggiaLogo_Timer(); };
    f.TmrPannelloVittoria.onTimer = [&f](int) { f.TmrPannelloVittoria_Timer(); };
    // The music's poll and the victory piece's repeat (the music sets their events).
    f.TmrMusiche.Interval = 2000;
    f.TmrVerdi.Interval = 18700;
}
}  // namespace

void frmZirimbo2012::DesignShellControls() {
    HideSpares(*this);
    DesignBottomBar(*this);
    DesignRulesPanel(*this);
    DesignScoreboardPanel(*this);
    DesignSortBuffers(*this);
    DesignOptionsPanel(*this);
    DesignExitPanel(*this);
    DesignRematchBox(*this);
}

}  // namespace zirimbo
