#include "form/frmLumo2012.h"

#include <utility>

#include "toolkit/runtime.h"
#include "toolkit/scaling.h"

namespace zirimbo {

namespace {

constexpr tk::Color kWindowBack = 0xB1D1C1;
constexpr tk::Color kPanelBack = 0xD7F7FD;
constexpr tk::Color kAddressBand = 0x80FFFF;
constexpr tk::Color kGreen = 0x008000;
constexpr tk::Color kBlue = 0xC00000;
constexpr tk::Color kRed = 0x0000FF;
constexpr tk::Color kNavy = 0x800000;
constexpr tk::Color kButtonFace = 0xC0C0FF;

const char* const kBiography =
    "Tobelio Zanvuti è nato nel 1958 a Borgo San Lumo. Per ben trent'anni maestro elementare, "
    "ha sempre creato giochi per i suoi alunni: percorsi disegnati sulla lavagna, dadi di "
    "legno, pedine di cartone colorato. Da uno di questi giochi è nato ZIRIMBO!, pubblicato "
    "come gioco da tavolo nel 1995 e amato da numerose famiglie. Oggi dedica il suo tempo a "
    "inventare nuovi giochi e a portarli nelle scuole e nelle biblioteche, convinto che "
    "giocare insieme sia il modo più bello per imparare a vincere, a perdere e soprattutto a "
    "ridere.";

const char* const kProjectFirst =
    "Il Progetto 'Lumo 2012' nasce dal desiderio di portare sullo schermo del computer i "
    "giochi da tavolo che per anni hanno fatto divertire tante famiglie, senza perdere la "
    "semplicità, la fantasia e il calore di una partita giocata intorno a un tavolo. Ogni "
    "gioco del progetto è pensato per bambini e adulti insieme: le regole restano quelle "
    "originali, i personaggi commentano le mosse con simpatia e la grafica è volutamente "
    "semplice e colorata, perché nessuno si senta escluso. Il progetto è realizzato da un "
    "piccolo gruppo di appassionati che lavora nel tempo libero, con l'aiuto degli autori dei "
    "giochi e delle famiglie che provano le prime versioni e ci scrivono ogni settimana i loro "
    "consigli e le loro idee.\n"
    "Gli obiettivi del progetto sono:\n"
    "1) conservare e far conoscere i giochi da tavolo nati in Italia, che rischiano di essere "
    "dimenticati dalle nuove generazioni;\n"
    "2) offrire ai bambini giochi sereni, senza pubblicità e senza violenza;";

const char* const kProjectSecond =
    " \n"
    "3) proporre giochi da fare in famiglia, anche con i nonni, alternando lo schermo del "
    "computer e il tavolo di casa;\n"
    "4) sostenere gli autori, riconoscendo il loro lavoro e chiedendo sempre il loro permesso "
    "prima di pubblicare una nuova edizione.\n"
    "Ogni edizione del progetto è gratuita per le scuole, le ludoteche e le biblioteche che ne "
    "fanno richiesta, e potrà essere copiata liberamente per ogni uso didattico.";

const char* const kInvitation =
    "www.progettolumo2012.it: visita il nostro sito web! Troverai gli altri giochi del "
    "Progetto 'Lumo 2012', le regole da stampare, le notizie sulle prossime edizioni e lo "
    "spazio dove bambini e genitori possono raccontarci le loro partite, proporre nuove idee e "
    "inviarci i disegni dei loro personaggi preferiti. Ti aspettiamo!";

void Box(tk::Shape& s, int left, int top, int width, int height, tk::Color fill, bool border) {
    s.ShapeKind = 0;
    s.BackStyle = 1;
    s.BackColor = fill;
    s.BorderStyle = border ? 1 : 0;
    s.BorderColor = 0x000000;
    s.Move(left, top, width, height);
}

void Title(tk::Label& l, const char* text, int left, int top, int width, int height, tk::Color fore, double size,
           bool italic = false) {
    l.Caption = text;
    l.Move(left, top, width, height);
    l.Alignment = 2;
    l.BackStyle = 0;
    l.ForeColor = fore;
    l.FontName = "Times New Roman";
    l.FontSize = size;
    l.FontBold = true;
    l.FontItalic = italic;
}

void InfoText(tk::TextBox& t, int left, int top, int width, int height, double size) {
    t.Move(left, top, width, height);
    t.MultiLine = true;
    t.ScrollBars = 2;
    t.Locked = true;
    t.FontName = "Times New Roman";
    t.FontSize = size;
    t.BorderStyle = 1;
    t.BackColor = 0xFFFFFF;
}

}  // namespace

const char* frmLumo2012::Biography() { return kBiography; }
std::string frmLumo2012::ProjectDescription() { return std::string(kProjectFirst) + kProjectSecond; }
const char* frmLumo2012::Invitation() { return kInvitation; }

frmLumo2012::frmLumo2012(tk::Runtime& rt, std::string gameFolder)
    : tk::Window(rt, "frmLumo2012"), folder_(std::move(gameFolder)) {
    Design();
}

void frmLumo2012::Design() {
    Caption = "Form1";
    Width = 12000;
    Height = 9000;
    setBackColor(kWindowBack);

    Box(ShpLumo(0), 105, 105, 3900, 8730, kPanelBack, true);
    Box(ShpLumo(1), 4095, 105, 7785, 5265, kPanelBack, true);
    Box(ShpLumo(2), 4095, 5460, 7785, 3375, kPanelBack, true);
    Box(ShpLumo(3), 6300, 5670, 3375, 345, kAddressBand, false);

    // The two pictures are part of the window's design.
    ImgTobiZanvt.Move(315, 315, 3450, 3000);
    ImgTobiZanvt.BorderStyle = 1;
    ImgTobiZanvt.Picture = tk::LoadPicture(folder_ + "\\Grafica\\Autore.jpg");
    ImgLumo.Move(10395, 2205, 1275, 1275);
    ImgLumo.BorderStyle = 1;
    ImgLumo.Picture = tk::LoadPicture(folder_ + "\\Grafica\\Emblema.jpg");

    Title(lbl2012Lumo(0), "www.progettolumo2012.it", 4200, 5670, 7575, 540, kRed, 14.25);
    Title(lbl2012Lumo(1), "Tobelio Zanvuti", 315, 3430, 3480, 540, kGreen, 12.75);
    Title(lbl2012Lumo(2), "tobelio.zanvuti@progettolumo2012.it", 4200, 7770, 7575, 540, kGreen, 12, true);
    Title(lbl2012Lumo(3), "Indirizzo e-mail dell'Autore:", 4200, 7530, 7575, 330, 0x000000, 11.25);
    Title(lbl2012Lumo(4), "Progetto 'Lumo 2012'", 4305, 270, 6000, 750, kBlue, 14.25);

    InfoText(TxtLumo(0), 315, 3885, 3480, 4740, 12);
    InfoText(TxtLumo(1), 4305, 735, 6000, 4425, 11.25);
    InfoText(TxtLumo(2), 4305, 6090, 7365, 1275, 11.25);
    TxtLumo(2).Alignment = 2;
    TxtLumo(2).ForeColor = kNavy;
    TxtLumo(2).FontBold = true;

    cmdEsciLumo.Caption = "Ok!";
    cmdEsciLumo.Style = 1;
    cmdEsciLumo.BackColor = kButtonFace;
    cmdEsciLumo.FontName = "Arial";
    cmdEsciLumo.FontSize = 9.75;
    cmdEsciLumo.FontBold = true;
    cmdEsciLumo.TabIndex = 0;
    cmdEsciLumo.Move(7560, 8190, 855, 435);
    cmdEsciLumo.onClick = [this](int) { cmdEsciLumo_Click(); };
    // Lies far outside the window; it does nothing.
    cmdSetFocus.Caption = "Command1";
    cmdSetFocus.TabIndex = 1;
    cmdSetFocus.Move(50000, 50000, 75, 195);
}

// Fills the texts and fits the layout to the screen, always (on an 800 x 600
// screen the factors are 1).
void frmLumo2012::Form_Load() {
    const tk::ScaleFactors k = tk::FactorsForScreen(cmdEsciLumo, 12000.0, 9000.0);
    TxtLumo(0).Text = kBiography;
    TxtLumo(1).Text = ProjectDescription();
    TxtLumo(2).Text = kInvitation;

    tk::ScaleControl(ImgTobiZanvt, k, false);
    tk::ScaleControl(ImgLumo, k, false);
    for (int i = 0; i <= 3; ++i) tk::ScaleControl(ShpLumo(i), k, false);
    for (int i = 0; i <= 4; ++i) tk::ScaleControl(lbl2012Lumo(i), k, true);
    for (int i = 0; i <= 2; ++i) tk::ScaleControl(TxtLumo(i), k, true);
    tk::ScaleControl(cmdEsciLumo, k, true);

    // The window covers the screen, as the layout assumes.
    Width = runtime().screen.Width;
    Height = runtime().screen.Height;
    SetFocus(cmdEsciLumo);
}

// No window is left after this one: the program ends.
void frmLumo2012::cmdEsciLumo_Click() { Unload(); }

}  // namespace zirimbo
