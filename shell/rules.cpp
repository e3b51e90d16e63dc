// The rules panel: six pages read one at a time with the two arrows; each pairs
// a rules text with one of the three characters.
#include "form/frmZirimbo2012.h"
#include "form/various.h"
#include "shell/rules_pages.h"
#include "toolkit/text.h"

namespace zirimbo {

namespace {
const char* const kGiorgetto =
    "Giorgetto è un vero birbante: furbo e dispettoso, non perde occasione per mangiare le pedine degli "
    "avversari. Che goloso!!";
const char* const kBob =
    "Bob è capriccioso e imprevedibile: a volte rischia grosso, a volte va con i piedi di piombo. Chissà che "
    "cosa farà adesso!";
const char* const kCarla =
    "Carla è gentile e prudente: evita i rischi e cerca di disturbare gli altri giocatori il meno possibile. "
    "Ma sa vincere anche lei, eh!";

const RulesPage kPages[6] = {
    {"1 - Caratteristiche del Gioco",
     "ZIRIMBO! è un gioco di percorso per grandi e piccini. Tu giochi con le pedine rosse contro tre simpatici "
     "avversari guidati dal computer: Bob con le pedine blu, Giorgetto con le gialle e Carla con le verdi. Ogni "
     "giocatore ha quattro pedine. Vince chi per primo riesce a fare uscire dal tabellone tutte e quattro le sue "
     "pedine: una pedina esce quando si ferma esattamente sulla casella centrale del suo colore. Comincia sempre "
     "il giocatore Rosso, cioè tu! Poi tocca a Bob, a Giorgetto e a Carla, e così via, a turno.",
     "Giorgetto", kGiorgetto, "\\Fumetti\\G11.gif"},
    {"2 - Entrata in gioco dei segnalini",
     "Per entrare in gioco una pedina ha bisogno del 6: con il 6 la pedina lascia la sua area ZIRIMBO! e va "
     "sulla casella di partenza quadrata del suo colore. Se non hai ancora pedine sul percorso e non esce il "
     "6, devi saltare il turno e sperare nel prossimo lancio. Ogni volta che esce di nuovo il 6 puoi "
     "scegliere: fare entrare un'altra pedina (ma solo se sulla casella di partenza non c'è già una tua "
     "pedina) oppure far avanzare di 6 passi una pedina che è già in gioco sul percorso. Con i numeri da 1 "
     "a 5, invece, muovi una delle pedine che sono già sul percorso, mentre quelle ancora ferme nell'area "
     "ZIRIMBO! restano tutte lì ad aspettare pazienti il loro 6.",
     "Bob", kBob, "\\Fumetti\\B11.gif"},
    {"3 - Caratteristiche del percorso",
     "Le frecce disegnate sul tabellone indicano la strada: le pedine girano in senso orario, dall'esterno "
     "verso l'interno, come in una spirale. Le frecce nere valgono per tutte le pedine, mentre le frecce "
     "colorate possono essere seguite solo dalle pedine di quel colore: sono loro a portare verso il "
     "centro. Lungo il percorso le pedine possono scavalcare le altre pedine, sia le tue sia quelle degli "
     "avversari, e quando conti i passi del numero uscito sul dado anche le caselle occupate vanno contate, "
     "una a una, come tutte le altre.",
     "Carla", kCarla, "\\Fumetti\\C01.gif"},
    {"4 - Mangiare i segnalini avversari",
     "In ogni casella può stare una sola pedina. Se la tua pedina si ferma esattamente sulla casella di una "
     "pedina avversaria, la mangia! La pedina mangiata torna in una casella di partenza del suo colore "
     "nell'area ZIRIMBO! e dovrà ricominciare da capo, aspettando un altro 6. Attenzione, però: non puoi "
     "fermarti su una casella occupata da una tua pedina, e le pedine che stanno sulle caselle grigie di "
     "rifugio sono al sicuro: lì nessuno le può mangiare. E ricorda: anche gli avversari ti possono mangiare!",
     "Giorgetto", kGiorgetto, "\\Fumetti\\G04.gif"},
    {"5 - Opportunità di gioco",
     "Quando una pedina ha fatto (quasi) tutto un giro, non è obbligata a entrare subito verso il centro: se "
     "il numero del dado lo permette, può restare ancora sul giro in cui si trova, per esempio per mangiare "
     "una pedina avversaria che sta più avanti. In questi casi il gioco ti mostra due caselle di arrivo e sei "
     "tu a scegliere quale delle due vuoi. Di solito però non conviene: più a lungo resti fuori, più rischi "
     "di essere mangiato, e intanto gli avversari corrono verso il centro!",
     "Bob", kBob, "\\Fumetti\\B12.gif"},
    {"6 - Obblighi di gioco",
     "Se puoi muovere, devi muovere: anche quando l'unica mossa possibile non ti piace, sei obbligato a "
     "farla. Se invece con il numero uscito nessuna delle tue pedine può muoversi, oppure non hai ancora "
     "pedine in gioco e non hai fatto 6, salti il turno e si passa al giocatore successivo. Ora conosci tutte "
     "le regole di ZIRIMBO!: tira il dado, divertiti e cerca di battere Bob, Giorgetto e Carla, che non ti "
     "regaleranno proprio niente. Buon divertimento a tutti e... buona fortuna!",
     "Carla", kCarla, "\\Fumetti\\C04.gif"},
};
}  // namespace

const RulesPage& RulesPageOf(int page) { return kPages[(page >= 1 && page <= 6 ? page : 1) - 1]; }

void frmZirimbo2012::lblLetturaRegole_Click(int Index) {
    ReplayEffect(mmcTic);
    if (Index == 1) {
        long page = tk::Val(lblPagina.Caption) + 1;
        lblPagina.Caption = tk::Str(page);
        if (page == 7) lblPagina.Caption = "1";
    } else if (Index == 0) {
        long page = tk::Val(lblPagina.Caption) - 1;
        lblPagina.Caption = tk::Str(page);
        if (page == 0) lblPagina.Caption = "6";
    }
    ShowRulesPage();
}

// Writes every element of the page that lblPagina names, even those that stay the same.
void frmZirimbo2012::ShowRulesPage() {
    const long number = tk::Val(lblPagina.Caption);
    if (number < 1 || number > 6) return;
    const RulesPage& page = RulesPageOf(static_cast<int>(number));
    lblVarie(various::kRulesPageTitle).Caption = page.title;
    lblVarie(various::kRulesPageBody).Caption = page.body;
    lblVarie(various::kRulesCharacterName).Caption = page.name;
    lblVarie(various::kRulesCharacterSketch).Caption = page.sketch;
    ImgVarie(various::kRulesCharacter).Picture = LoadPicture(page.picture);
}

void frmZirimbo2012::lblLetturaRegole_MouseDown(int Index, const tk::MouseArgs&) {
    if (Index == 0)
        ImgVarie(various::kRulesBackArrow).Picture = LoadPicture("\\Grafica\\Indietro2.gif");
    else
        ImgVarie(various::kRulesForwardArrow).Picture = LoadPicture("\\Grafica\\Avanti2.gif");
}

void frmZirimbo2012::lblLetturaRegole_MouseUp(int Index, const tk::MouseArgs&) {
    if (Index == 0)
        ImgVarie(various::kRulesBackArrow).Picture = LoadPicture("\\Grafica\\Indietro1.gif");
    else
        ImgVarie(various::kRulesForwardArrow).Picture = LoadPicture("\\Grafica\\Avanti1.gif");
}

}  // namespace zirimbo
