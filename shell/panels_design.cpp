// Design values and events of the shell's controls: the message line and the
// portrait, the four bottom buttons, the rules, scoreboard, options and exit
// panels, the rematch box, and the timers of the end of a game and of the exit.
// Positions are twips on the 15360 x 11520 design, relative to the frame that
// holds a control; start-up moves the panels and the rematch box into place.
#include "form/frmZirimbo2012.h"
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

// The heading logo, the title and the footer line that every panel shares in look.
void PanelHeading(Image& logo, Label& title, const char* titleText, Frame& panel) {
    Place(logo, &panel, 3885, 630, 7365, 1275);
    SetText(title, titleText, 15.75, true);
    Place(title, &panel, 210, 1680, 14715, 540);
}
void PanelFooter(Label& footer, const char* text, Frame& panel) {
    SetText(footer, text, 9.75, false);
    footer.FontItalic = true;
    Place(footer, &panel, 525, 9345, 14085, 330);
}

// Moves a control to the front of its container's light controls.
void BringToFront(tk::Window& w, tk::Control& c) {
    w.unregisterControl(&c);
    w.registerControl(&c);
}
}  // namespace

void frmZirimbo2012::DesignShellControls() {
    // Spare elements of the design's arrays: never shown.
    Hidden(Shape2(0));
    for (int i = 4; i <= 10; ++i) Hidden(Shape3(i));
    ShpVari.forEach([](Shape& s) { s.Visible = false; });
    ImgVarie.forEach([](Image& i) { i.Visible = false; });
    lblVarie.forEach([](Label& l) { l.Visible = false; });
    lblScritteVarie.forEach([](Label& l) { l.Visible = false; });
    Hidden(ImgEsci);
    Hidden(txtVari(2));
    Hidden(txtVari(3));

    // ---- The bottom bar ----
    // The message line on its rounded shape, right of the die.
    Filled(ShpForme(0), 4, colour::White, 2);
    ShpForme(0).Move(8400, 10140, 4680, 1290);
    SetText(lblSpiegazioni, "", 9.75, true);
    lblSpiegazioni.Move(8520, 10215, 4440, 1140);
    ImgPersonaggio.Move(105, 8235, 3075, 3075);
    ImgVarie(16).Visible = true;
    ImgVarie(16).Move(3375, 10455, 3750, 660);
    // The four buttons: REG, CLAS, OPZ, ESC, and the bar joining CLAS and OPZ.
    const char* captions[4] = {"REG", "CLAS", "OPZ", "ESC"};
    const int clickAt[4][2] = {{13230, 10395}, {315, 10395}, {1365, 10395}, {14280, 10395}};
    const int circleAt[4][2] = {{13170, 10425}, {315, 10425}, {1365, 10425}, {14215, 10425}};
    const int captionAt[4][2] = {{13150, 10730}, {315, 10730}, {1365, 10730}, {14250, 10730}};
    for (int i = 0; i <= 3; ++i) {
        Filled(Shape3(i), 3, colour::Panel, 2);
        Shape3(i).Move(circleAt[i][0], circleAt[i][1], 840, 840);
        SetText(lblScrittaPulsanti(i), captions[i], 9.75, true);
        lblScrittaPulsanti(i).Move(captionAt[i][0], captionAt[i][1], 880, 255);
        ClickArea(lblPulsante(i), nullptr, clickAt[i][0], clickAt[i][1], 840, 840);
        Frame& panel = FraPannello(i);
        panel.BackColor = colour::Panel;
        panel.BorderStyle = 0;
        panel.Move(105, 0, 15300, 10095);
        panel.Visible = false;
    }
    ShpVari(17).Visible = true;
    Filled(ShpVari(17), 0, colour::Black);
    ShpVari(17).Move(945, 10815, 645, 45);
    lblPulsante.setOnClick([this](int i) { lblPulsante_Click(i); });
    FraPannello.setOnMouseMove([this](int i, const tk::MouseArgs& a) { FraPannello_MouseMove(i, a); });

    // Hidden state of the bottom bar.
    lblCopiaSpiegazione.Caption = "";
    Hidden(lblCopiaSpiegazione);
    lblNomeGiocatore.Caption = "Doduru";
    Hidden(lblNomeGiocatore);
    lblNomeGiocatore.onClick = [this](int) { lblNomeGiocatore_Click(); };
    TmrRicompareSpiegazione.Interval = 1000;
    TmrRicompareSpiegazione.onTimer = [this](int) { TmrRicompareSpiegazione_Timer(); };

    // ---- Rules panel ----
    {
        Frame& panel = FraPannello(0);
        PanelHeading(ImgVarie(0), lblVarie(14), "Regole del Gioco", panel);
        Place(ImgVarie(1), &panel, 1050, 2730, 4740, 4740);
        Place(ImgVarie(2), &panel, 5250, 3570, 8730, 3900);
        Place(lblVarie(12), &panel, 6720, 2940, 7260, 435);
        SetText(lblVarie(13), "", 11.25, false, 0);
        Place(lblVarie(13), &panel, 6930, 3780, 6630, 3690);
        SetText(lblVarie(17), "", 12, true);
        Place(lblVarie(17), &panel, 1050, 7640, 4740, 330);
        SetText(lblVarie(16), "", 9.75, false);
        Place(lblVarie(16), &panel, 1050, 7980, 4740, 855);
        // The arrows, joined by a black bar, with their click areas on top.
        Filled(ShpVari(16), 0, colour::Black);
        Place(ShpVari(16), &panel, 10200, 8228, 300, 45);
        Place(ImgVarie(3), &panel, 9660, 7980, 540, 540);
        Place(ImgVarie(4), &panel, 10500, 7980, 540, 540);
        ClickArea(lblLetturaRegole(0), &panel, 9660, 7980, 540, 540);
        ClickArea(lblLetturaRegole(1), &panel, 10500, 7980, 540, 540);
        PanelFooter(lblVarie(15),
                    "Clicca sul pulsante > per avanzare nella lettura delle Regole, su < per tornare indietro, su "
                    "'REG' per uscire da questo Pannello.",
                    panel);
        for (int i : {0, 1, 2, 3, 4}) ImgVarie(i).Visible = true;
        for (int i : {12, 13, 14, 15, 16, 17}) lblVarie(i).Visible = true;
        ShpVari(16).Visible = true;
        lblPagina.Caption = "1";
        Hidden(lblPagina);
        lblLetturaRegole.setOnClick([this](int i) { lblLetturaRegole_Click(i); });
        lblLetturaRegole.setOnMouseDown([this](int i, const tk::MouseArgs& a) { lblLetturaRegole_MouseDown(i, a); });
        lblLetturaRegole.setOnMouseUp([this](int i, const tk::MouseArgs& a) { lblLetturaRegole_MouseUp(i, a); });
        // The design shows page 1; start-up loads its picture.
        const RulesPage& first = RulesPageOf(1);
        SetText(lblVarie(12), first.title, 14.25, false);
        lblVarie(13).Caption = first.body;
        lblVarie(17).Caption = first.name;
        lblVarie(16).Caption = first.sketch;
    }

    // ---- Scoreboard panel ----
    {
        Frame& panel = FraPannello(1);
        PanelHeading(ImgVarie(5), lblVarie(22), "Classifica", panel);
        ImgVarie(5).Visible = true;
        const struct {
            int index, left, width;
            const char* text;
        } headings[4] = {{23, 840, 1260, "Posizione"}, {24, 3925, 3900, "Nome"}, {27, 8400, 1065, "Vinte"},
                         {31, 9765, 4425, "Data ultima vittoria"}};
        for (const auto& h : headings) {
            SetText(lblVarie(h.index), h.text, 9.75, true, h.index == 24 ? 0 : 2);
            Place(lblVarie(h.index), &panel, h.left, 2625, h.width, 285);
            lblVarie(h.index).Visible = true;
        }
        PanelFooter(lblVarie(25), "Clicca sul pulsante 'CLAS' per uscire da questo Pannello.", panel);
        lblVarie(22).Visible = true;
        lblVarie(25).Visible = true;

        const char* names[5] = {"", "Giocatore", "Bob", "Giorgetto", "Carla"};
        for (int r = 1; r <= 4; ++r) {
            const int top = 3045 + 1470 * (r - 1);
            // The thin line that joins the row's cells, behind them.
            Shape& line = ShpVari(3 + r);
            Filled(line, 0, colour::Black);
            Place(line, &panel, 1365, top + 615, 9780, 45);
            line.Visible = true;
            // Cells: 0 position (circle), 1 name, 2 wins (circle), 3 date, 4 face.
            const struct {
                int kind, left, dy, width, height;
            } cells[5] = {{3, 840, 105, 1065, 1065},
                          {4, 3570, 0, 4635, 1275},
                          {3, 8400, 105, 1065, 1065},
                          {4, 9660, 0, 4635, 1275},
                          {5, 2100, 0, 1275, 1275}};
            ControlArray<Shape>& row = ScoreboardRowShapes(*this, r);
            for (int e = 0; e <= 4; ++e) {
                Filled(row(e), cells[e].kind, e == 4 ? kFaceBack : PlayerColour(r));
                Place(row(e), &panel, cells[e].left, top + cells[e].dy, cells[e].width, cells[e].height);
            }
            Place(ImgClassifica(r), &panel, 2150, top + 50, 1170, 1170);
            SetText(lblPosizioneClass(r), "1", 26.25, true);
            Place(lblPosizioneClass(r), &panel, 840, top + 270, 1065, 735);
            SetText(lblNomeClass(r), names[r], 26.25, true);
            Place(lblNomeClass(r), &panel, 3570, top + 270, 4635, 735);
            SetText(lblVinte(r), "0", 26.25, true);
            Place(lblVinte(r), &panel, 8400, top + 270, 1065, 735);
            SetText(lblData(r), "", 26.25, true);
            Place(lblData(r), &panel, 9660, top + 270, 4635, 735);
            lblPartiteVinte(r).Caption = "0";
            Hidden(lblPartiteVinte(r));
            // The developer's win buttons, in the player's colour.
            CommandButton& win = cmdVince(r);
            win.Caption = "Vince";
            win.Style = 1;
            win.BackColor = PlayerColour(r);
            Place(win, &panel, 315, 420 * r, 855, 375);
            Hidden(win);
        }
        cmdVince.setOnClick([this](int i) { cmdVince_Click(i); });
        lblPosizione.Caption = "1";
        Hidden(lblPosizione);
        TmrLampeggiaVittoria.Interval = 300;
        TmrLampeggiaVittoria.onTimer = [this](int) { TmrLampeggiaVittoria_Timer(); };

        // The sort's buffers, in a hidden developer frame.
        Frame1.Move(105, 5400, 5400, 1800);
        Frame1.BackColor = 0xE0E0E0;
        Hidden(Frame1);
        for (int k = 1; k <= 4; ++k) {
            Label* buffers[3] = {&lblExpN(k), &lblExpV(k), &lblExpD(k)};
            for (int b = 0; b < 3; ++b) {
                buffers[b]->Caption = "";
                Place(*buffers[b], &Frame1, 150 + 1500 * b, 150 + 300 * k, 1350, 255);
            }
        }
        lblContaExp.Caption = "0";
        Place(lblContaExp, &Frame1, 150, 150, 1350, 255);
        cmdCambiaClassifica.Caption = "Cambia";
        Place(cmdCambiaClassifica, &Frame1, 3150, 1425, 1350, 315);
        cmdCambiaClassifica.onClick = [this](int) { cmdCambiaClassifica_Click(); };
    }

    // ---- Options panel ----
    {
        Frame& panel = FraPannello(2);
        PanelHeading(ImgVarie(6), lblVarie(28), "Opzioni", panel);
        PanelFooter(lblVarie(29), "Clicca sul pulsante 'OPZ' per uscire da questo Pannello.", panel);
        const char* names[6] = {"Personaggi:", "Rumori:", "Automatico:", "Musiche:", "Voci:", "Velocità gioco:"};
        const int nameAt[6][2] = {{1470, 3780}, {9135, 5880}, {1470, 5880}, {9135, 3780}, {9135, 4830}, {1470, 4830}};
        const int valueAt[6][2] = {{4830, 3780}, {11550, 5880}, {4830, 5880}, {11550, 3780}, {11550, 4830},
                                   {4830, 4830}};
        for (int i = 0; i <= 5; ++i) {
            const int nameWidth = nameAt[i][0] == 1470 ? 3150 : 2205;
            Filled(ShpOpzio(i), 4, colour::White);
            Place(ShpOpzio(i), &panel, nameAt[i][0] - 60, nameAt[i][1] - 60, nameWidth + 120, 615);
            Filled(ShpVoceOpzio(i), 4, kValueBack);
            Place(ShpVoceOpzio(i), &panel, valueAt[i][0] - 60, valueAt[i][1] - 60, 2520, 615);
            SetText(lblOpzione(i), names[i], 18, false, 1);
            Place(lblOpzione(i), &panel, nameAt[i][0], nameAt[i][1], nameWidth, 495);
            Label& value = lblVoceOpzione(i);
            value.FontName = "Verdana";
            value.FontSize = 18;
            value.FontBold = false;
            value.ForeColor = colour::Black;
            value.BackStyle = 0;
            value.Alignment = 2;
            Place(value, &panel, valueAt[i][0], valueAt[i][1], 2400, 495);
            value.Visible = true;
            // The option table was created with the state tables, before its boxes:
            // its values go in front of them.
            BringToFront(*this, value);
        }
        // The spare option of the developer view.
        lblOpzione(6).Caption = "";
        Place(lblOpzione(6), &FraMossa, 150, 3750, 1200, 255);
        Place(lblVoceOpzione(6), &FraMossa, 1500, 3750, 1200, 255);
        // The character and the help text in its speech bubble.
        Place(ImgVarie(8), &panel, 1050, 6510, 2730, 2730);
        Place(ImgVarie(7), &panel, 3990, 6615, 10080, 2520);
        SetText(lblVarie(32), kOptionsHelp, 11.25, false);
        Place(lblVarie(32), &panel, 5880, 6930, 7770, 1890);
        for (int i : {6, 7, 8}) ImgVarie(i).Visible = true;
        for (int i : {28, 29, 32}) lblVarie(i).Visible = true;
        lblMouseMove.Caption = "6";
        Hidden(lblMouseMove);
        for (int i = 0; i <= 5; ++i) {
            lblOpzione(i).onClick = [this](int k) { lblOpzione_Click(k); };
            lblOpzione(i).onMouseDown = [this](int k, const tk::MouseArgs& a) { lblOpzione_MouseDown(k, a); };
            lblOpzione(i).onMouseUp = [this](int k, const tk::MouseArgs& a) { lblOpzione_MouseUp(k, a); };
            lblOpzione(i).onMouseMove = [this](int k, const tk::MouseArgs& a) { lblOpzione_MouseMove(k, a); };
        }
    }

    // ---- Exit panel ----
    {
        Frame& panel = FraPannello(3);
        PanelHeading(ImgVarie(12), lblVarie(35), "Esci", panel);
        Place(ImgVarie(13), &panel, 5775, 3360, 3585, 3585);
        SetText(lblVarie(20), "Vuoi davvero uscire??", 12, true);
        Place(lblVarie(20), &panel, 5790, 7140, 3585, 330);
        // The two answers: circle, caption and click area on top.
        Filled(Shape3(8), 3, colour::White, 2);
        Place(Shape3(8), &panel, 6615, 7875, 750, 750);
        Filled(Shape3(9), 3, colour::White, 2);
        Place(Shape3(9), &panel, 7770, 7875, 750, 750);
        SetText(lblVarie(21), "Sì", 12, true);
        Place(lblVarie(21), &panel, 6615, 8095, 750, 540);
        SetText(lblVarie(19), "No", 12, true);
        Place(lblVarie(19), &panel, 7770, 8095, 750, 540);
        ClickArea(lblEsci(0), &panel, 6615, 7875, 750, 750);
        ClickArea(lblEsci(1), &panel, 7770, 7875, 750, 750);
        PanelFooter(lblVarie(36), "Clicca sul pulsante 'ESC' o sul pulsante 'No' per uscire da questo Pannello.",
                    panel);
        // The two side columns: a picture of the window's design above a text box.
        Filled(ShpVari(20), 4, colour::Panel, 2);
        Place(ShpVari(20), &panel, 1050, 2835, 3795, 5685);
        Filled(ShpVari(21), 4, colour::Panel, 2);
        Place(ShpVari(21), &panel, 10290, 2835, 3795, 5685);
        Place(ImgVarie(14), &panel, 1260, 3045, 3375, 3375);
        Place(ImgVarie(15), &panel, 10500, 3045, 3375, 3375);
        const std::string folder = Dir1.Path;
        const char* designPictures[2] = {"\\Grafica\\EsciAutore.jpg", "\\Grafica\\EsciGioco.jpg"};
        for (int k = 0; k < 2; ++k)
            if (tk::pathExists(folder + designPictures[k]))
                ImgVarie(14 + k).Picture = tk::LoadPicture(folder + designPictures[k]);
        const int boxAt[2][4] = {{1365, 6615, 3270, 1695}, {10605, 6615, 3270, 1065}};
        for (int k = 0; k < 2; ++k) {
            TextBox& box = txtVari(k);
            box.MultiLine = true;
            box.ScrollBars = 2;
            box.Locked = true;
            box.BorderStyle = 0;
            box.FontName = "Verdana";
            box.FontSize = 9;
            box.BackColor = colour::Panel;
            Place(box, &panel, boxAt[k][0], boxAt[k][1], boxAt[k][2], boxAt[k][3]);
        }
        for (int i : {12, 13, 14, 15}) ImgVarie(i).Visible = true;
        for (int i : {19, 20, 21, 35, 36}) lblVarie(i).Visible = true;
        for (int i : {8, 9}) Shape3(i).Visible = true;
        for (int i : {20, 21}) ShpVari(i).Visible = true;
        lblIndexEsci.Caption = "2";
        Hidden(lblIndexEsci);
        lblEsci.setOnClick([this](int i) { lblEsci_Click(i); });
        lblEsci.setOnMouseDown([this](int i, const tk::MouseArgs& a) { lblEsci_MouseDown(i, a); });
        lblEsci.setOnMouseUp([this](int i, const tk::MouseArgs& a) { lblEsci_MouseUp(i, a); });
        lblEsci.setOnMouseMove([this](int i, const tk::MouseArgs& a) { lblEsci_MouseMove(i, a); });
        TmrEsci.Interval = 10000;
        TmrEsci.onTimer = [this](int) { TmrEsci_Timer(); };
    }

    // ---- The rematch box (under the panels) and the end of a game ----
    FraRicomincia.BackColor = colour::Panel;
    FraRicomincia.BorderStyle = 0;
    FraRicomincia.Move(4410, 1785, 6630, 6630);
    FraRicomincia.Visible = false;
    Place(ImgVarie(11), &FraRicomincia, 315, 420, 6000, 1065);
    Place(ImgVarie(10), &FraRicomincia, 315, 1470, 3375, 3375);
    Place(ImgVarie(9), &FraRicomincia, 2415, 2520, 4005, 2115);
    SetText(lblVarie(33), "Vuoi la rivincita? Clicca su NUOVA PARTITA!", 12, true);
    // The prompt starts right of the winner's picture, which would cover its first letters.
    Place(lblVarie(33), &FraRicomincia, 3690, 2940, 2415, 1485);
    Filled(ShpVari(19), 4, colour::White);
    Place(ShpVari(19), &FraRicomincia, 2100, 5355, 2430, 750);
    SetText(lblVarie(34), "NUOVA PARTITA", 11.25, true);
    Place(lblVarie(34), &FraRicomincia, 2205, 5595, 2220, 330);
    ClickArea(lblNuovaPartita, &FraRicomincia, 1995, 5250, 2640, 960);
    for (int i : {9, 10, 11}) ImgVarie(i).Visible = true;
    for (int i : {33, 34}) lblVarie(i).Visible = true;
    ShpVari(19).Visible = true;
    lblNuovaPartita.onMouseDown = [this](int, const tk::MouseArgs& a) { lblNuovaPartita_MouseDown(a); };
    lblNuovaPartita.onMouseUp = [this](int, const tk::MouseArgs& a) { lblNuovaPartita_MouseUp(a); };
    lblNuovaPartita.onClick = [this](int) { lblNuovaPartita_Click(); };
    lblLampeggiaLogo.Caption = "0";
    Hidden(lblLampeggiaLogo);
    TmrLampeggiaLogo.Interval = 150;
    TmrLampeggiaLogo.onTimer = [this](int) { TmrLampeggiaLogo_Timer(); };
    TmrPannelloVittoria.onTimer = [this](int) { TmrPannelloVittoria_Timer(); };
    // The music's poll and the victory piece's repeat (the music sets their events).
    TmrMusiche.Interval = 2000;
    TmrVerdi.Interval = 18700;
}

}  // namespace zirimbo
