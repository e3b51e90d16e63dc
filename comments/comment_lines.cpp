// What the characters say: for Bob, Giorgetto and Carla, every line of every
// comment category with its pause in milliseconds. Line k of a category goes
// with the voice file of the same number ("\\Bob\\05B4.wav" is Bob's line 4 of
// category 05). tools/voices.tsv, from which the voices are made, holds the same
// texts and pauses; a test keeps the two alike.
#include "form/frmZirimbo2012.h"

namespace zirimbo {

namespace {

struct Line {
    const char* text;
    int ms;
};

// [character: 0 Bob, 1 Giorgetto, 2 Carla][category 1..11][line 1..7]
const Line kLines[3][12][8] = {
    // ---- Bob ----
    {
        {},
        // 01 hoping for a six before the roll
        {
            {},
            {"Speriamo bene...", 1400},
            {"Dai, un bel sei!", 1300},
            {"Ci vuole un sei, amici miei...", 2100},
            {"Un sei, per cortesia!", 1900},
            {"Forza dado, fammi contento!", 2100},
            {"Sei, sei!", 1000},
            {"Se faccio sei, vi pago da bere...", 2200},
        },
        // 02 no six: the roll gives no move
        {
            {},
            {"Niente da fare...", 2000},
            {"Questo dado ce l'ha con me, eh?", 2800},
            {"Sarà per la prossima.", 1800},
            {"Ma guarda un po'...", 1800},
            {"Che sfortuna!", 1700},
            {"Baah!!", 1100},
            {"Il dado è tratto... male!", 2100},
        },
        // 03 a six at last: a pawn enters
        {
            {},
            {"Finalmente!", 1300},
            {"Eccolo qua, il mio sei!", 2000},
            {"Si parte!", 1500},
            {"Ah, che soddisfazione!", 1900},
            {"Vai, Bob!!", 1600},
            {"Fate largo, arriva il signor Bob!", 2600},
            {"Sei!!!", 1200},
        },
        // 04 a red pawn can be eaten
        {
            {},
            {"Ehi, chi vedo laggiù?", 1900},
            {"Mmm, che bocconcino...", 2200},
            {"Quasi quasi ti mangio...", 2500},
            {"Dimmi, ci tieni a quella pedina?", 3100},
            {"Vediamo un po' cosa posso fare...", 2700},
            {"Faccio il buono o il cattivo?", 3500},
            {"Attenzione, ho una fame da lupo!", 3400},
        },
        // 05 a red pawn eaten
        {
            {},
            {"Oops! Mi è scappata la mano!", 2500},
            {"Niente di personale, sia chiaro!", 3000},
            {"Torna a casa, pedina rossa!", 2800},
            {"E' stata una decisione sofferta...", 4400},
            {"Gnam!", 1600},
            {"Buona, questa!", 2000},
            {"Che peccato... per te!", 2300},
        },
        // 06 an eatable red pawn spared
        {
            {},
            {"Per questa volta ti salvo!", 2400},
            {"Oggi sono generoso.", 2200},
            {"Ti grazio!", 1600},
            {"Ringrazia la mia bontà!", 2500},
            {"Che cuore d'oro, che ho!", 2400},
            {"Vai, vai!", 1600},
            {"Mi sei debitore di una pedina!", 2700},
        },
        // 07 eaten by the human
        {
            {},
            {"Ahia!", 1200},
            {"Ma come?!", 1700},
            {"Questa me la paghi!", 1900},
            {"Che maleducazione!", 2000},
            {"Ehi, non si fa così!", 2700},
            {"Proprio la mia pedina migliore!", 3100},
            {"Mi vendicherò!", 2300},
        },
        // 08 a pawn leaves the board (lines 1-3 count the pawns out)
        {
            {},
            {"Fuori uno!", 1300},
            {"Fuori due!!", 1200},
            {"Fuori tre!!!", 1400},
            {"Benissimo!", 1600},
            {"Che bravura!", 1900},
            {"Olè!", 1000},
            {"Evvai!", 1000},
        },
        // 09 the game won
        {
            {},
            {"Ho vinto io! Grazie a tutti per la bella partita!", 4600},
            {"Visto? L'esperienza conta, ragazzi!", 3300},
            {"Niente applausi, grazie: troppo gentili!", 2400},
        },
        // 10 another character's pawn eaten
        {
            {},
            {"A casa, su!", 1300},
            {"Sciò!", 900},
            {"Arrivederci!!", 1800},
        },
        // 11 a refuge reached
        {
            {},
            {"Qui nessuno mi tocca!", 1700},
            {"Al sicuro!!", 1200},
            {"Ah, finalmente un po' di pace.", 2200},
        },
    },
    // ---- Giorgetto ----
    {
        {},
        // 01 hoping for a six before the roll
        {
            {},
            {"Adesso tiro un sei, vedrai!", 2000},
            {"Un sei, e arrivo!", 1600},
            {"Dado mio, fammi un bel sei!", 2400},
            {"Sei o niente!", 1500},
            {"Tocca a me!", 1600},
            {"Un sei per il più bravo di tutti!", 2900},
            {"Dai, dai, dai!", 1600},
        },
        // 02 no six: the roll gives no move
        {
            {},
            {"Uffaaa!", 1200},
            {"Non vale!", 1800},
            {"Questo dado è truccato!", 2300},
            {"Grrrrr!", 1000},
            {"Nooo!!", 800},
            {"Posso rilanciare?", 1600},
            {"Che barba!", 1800},
        },
        // 03 a six at last: a pawn enters
        {
            {},
            {"Largo a Giorgetto!!", 1700},
            {"Evvai!!", 1300},
            {"Seiii!!", 1200},
            {"Sìììì!", 800},
            {"Yuppi!", 900},
            {"Arrivo, arrivo!", 1600},
            {"Tremate tutti!", 1700},
        },
        // 04 a red pawn can be eaten
        {
            {},
            {"Gnam gnam, che fame!", 2200},
            {"Ti vedo, pedina rossa!", 2300},
            {"Una pedina rossa? Che delizia!", 3500},
            {"Preparati, sto arrivando!", 3300},
            {"Ho proprio voglia di rosso!", 2900},
            {"Pappa pronta!", 1700},
            {"Che acquolina!", 1800},
        },
        // 05 a red pawn eaten
        {
            {},
            {"Gnam gnam gnam!", 1600},
            {"Ciao Ciao!!", 1100},
            {"Son Giorgetto, e a mangiare non smetto!!", 3200},
            {"Buonissima, questa!", 2300},
            {"Slurp!", 1300},
            {"Ne voglio ancora!", 2500},
            {"Zi-rim-bo!!", 2400},
        },
        // 06 an eatable red pawn spared
        {
            {},
            {"Ti è andata bene!", 1600},
            {"Ti mangerò la prossima volta...", 2300},
            {"Te la cavi!", 1300},
            {"La tua pedina? La mangio dopo!", 2800},
            {"Che fortuna hai!", 1400},
            {"Me la lego al dito!", 2000},
            {"Stavolta ti risparmio!", 2400},
        },
        // 07 eaten by the human
        {
            {},
            {"Ehi! Era la mia pedina!", 2400},
            {"Non vale!", 1700},
            {"Mi hai mangiato!", 2000},
            {"Ma che cattiveria!", 2100},
            {"Uffa, uffa!", 1700},
            {"Ahi!", 1000},
            {"Adesso mi arrabbio davvero!", 2600},
        },
        // 08 a pawn leaves the board (lines 1-3 count the pawns out)
        {
            {},
            {"Uno!", 800},
            {"Due!!", 1100},
            {"Tre!!!", 700},
            {"Fuori!!", 1500},
            {"Troppo forte!", 1900},
            {"Lallallà...!!", 1500},
            {"Sì!!", 1000},
        },
        // 09 the game won
        {
            {},
            {"Ho vinto io! Ho vinto io!", 1600},
            {"Sono il più forte di tutti, e lo sapevo!", 3800},
            {"Giorgetto, grande campione di Zirimbo!!", 3500},
        },
        // 10 another character's pawn eaten
        {
            {},
            {"(.....)", 1300},
            {"Gnam!", 900},
            {"Buon appetito a me!", 1800},
        },
        // 11 a refuge reached
        {
            {},
            {"Salvo!", 1500},
            {"Qui non mi prendete!", 2200},
            {"Marameo, sono nel rifugio!", 2300},
        },
    },
    // ---- Carla ----
    {
        {},
        // 01 hoping for a six before the roll
        {
            {},
            {"Vorrei tanto un sei...", 1700},
            {"Proviamo...", 1500},
            {"Incrocio le dita!", 1700},
            {"Un seino piccolo, per favore!", 2700},
            {"Caro dado, sii gentile con me...", 2700},
            {"Chissà se esce...", 1800},
            {"Speriamo in un sei!", 2200},
        },
        // 02 no six: the roll gives no move
        {
            {},
            {"Sarà per un'altra volta...", 2100},
            {"Va bene, aspetterò il mio turno.", 2400},
            {"Non importa!", 1800},
            {"Pazienza...", 1400},
            {"Oh, peccato!", 1800},
            {"Ci riproverò...", 2100},
            {"Il sei arriverà, prima o poi.", 2300},
        },
        // 03 a six at last: a pawn enters
        {
            {},
            {"Oh, che bello!", 1900},
            {"Un sei!", 1500},
            {"Evviva!", 1400},
            {"Finalmente posso giocare!", 2300},
            {"Sì, sì!", 1100},
            {"Che fortuna!", 1500},
            {"Eccomi qua!", 1800},
        },
        // 04 a red pawn can be eaten
        {
            {},
            {"Oh, potrei mangiarti...", 2500},
            {"Ti spiace se ti mangio una pedina?", 3500},
            {"Non vorrei, ma forse dovrei...", 3500},
            {"Scusa, sei sulla mia strada!", 2300},
            {"Che faccio, ti mangio?", 2700},
            {"Non prendertela, eh?", 2700},
            {"Oh, oh...", 1900},
        },
        // 05 a red pawn eaten
        {
            {},
            {"Mi spiace!", 1700},
            {"Scusami tanto!", 2500},
            {"Non l'ho fatto apposta, davvero!", 3100},
            {"Perdonami, ti prego!", 2500},
            {"Oh, scusa!", 1800},
            {"Non arrabbiarti con me!", 2700},
            {"Dovevo farlo...", 2200},
        },
        // 06 an eatable red pawn spared
        {
            {},
            {"Non me la sento di mangiarti.", 2300},
            {"Meglio una gallina domani...", 2600},
            {"Niente paura, ti lascio.", 2400},
            {"Io sono buona!", 2200},
            {"La tua pedina la lascio stare.", 2700},
            {"Salva!", 1300},
            {"Ti lascio andare, va bene?", 2600},
        },
        // 07 eaten by the human
        {
            {},
            {"Perché mi hai mangiato??", 2200},
            {"Che dispetto!", 1600},
            {"Oh, no!", 1700},
            {"Non me lo aspettavo da te!", 2800},
            {"Che dispiacere!", 1900},
            {"Povera la mia pedina!", 2800},
            {"Mi hai fatto male!", 1800},
        },
        // 08 a pawn leaves the board (lines 1-3 count the pawns out)
        {
            {},
            {"Primo birillino!", 1600},
            {"Secondo birillino!!", 2100},
            {"Terzo birillino!!!", 1700},
            {"Che gioia!", 1500},
            {"Brava me!", 1100},
            {"Urrà!", 1100},
            {"Evviva!!", 1300},
        },
        // 09 the game won
        {
            {},
            {"Sono stata brava, eh?", 1800},
            {"Che bello, ho vinto! Grazie a tutti!", 2800},
            {"Grazie per avermi lasciato vincere, amici!", 3400},
        },
        // 10 another character's pawn eaten
        {
            {},
            {"Oh, scusa!", 1300},
            {"Mi dispiace, ma eri sulla mia strada!", 3000},
            {"Torni a casa?", 1500},
        },
        // 11 a refuge reached
        {
            {},
            {"Che bello, qui sono protetta.", 2300},
            {"Salva!", 1000},
            {"Finalmente un posticino tranquillo!", 2900},
        },
    },
};

int CharacterIndex(int player) { return player >= 2 && player <= 4 ? player - 2 : -1; }

const Line* Find(int player, int category, int line) {
    const int who = CharacterIndex(player);
    if (who < 0 || category < 1 || category > 11) return nullptr;
    if (line < 1 || line > frmZirimbo2012::CommentLineCount(category)) return nullptr;
    return &kLines[who][category][line];
}

}  // namespace

int frmZirimbo2012::CommentLineCount(int category) { return category >= 1 && category <= 8 ? 7 : 3; }

const char* frmZirimbo2012::CommentLineText(int player, int category, int line) {
    const Line* l = Find(player, category, line);
    return l ? l->text : "";
}

int frmZirimbo2012::CommentLineLength(int player, int category, int line) {
    const Line* l = Find(player, category, line);
    return l ? l->ms : 0;
}

}  // namespace zirimbo
