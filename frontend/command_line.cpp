#include "frontend/command_line.h"

#include <cctype>

namespace zirimbo::frontend {

namespace {

constexpr int kMinSide = 64, kMaxSide = 16384;

// "1024x768": two whole numbers joined by an x, each within the sizes a window can take.
std::optional<ClientSize> parseSize(const std::string& text) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 == text.size() || x > 5 || text.size() - x - 1 > 5)
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != x && !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    ClientSize s{std::stoi(text.substr(0, x)), std::stoi(text.substr(x + 1))};
    if (s.width < kMinSide || s.height < kMinSide || s.width > kMaxSide || s.height > kMaxSide) return std::nullopt;
    return s;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    for (std::size_t i = 0; i < args.size() && cl.error.empty(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.help = true;
        } else if (a == "--version") {
            cl.version = true;
        } else if (a == "--windowed" || a.rfind("--windowed=", 0) == 0) {
            std::string value;
            if (a != "--windowed")
                value = a.substr(a.find('=') + 1);
            else if (i + 1 < args.size())
                value = args[++i];
            cl.windowed = parseSize(value);
            if (!cl.windowed)
                cl.error = "--windowed vuole una misura come 1024x768 (da " + std::to_string(kMinSide) + " a " +
                           std::to_string(kMaxSide) + " pixel per lato), non \"" + value + "\"";
        } else {
            cl.error = "opzione sconosciuta: \"" + a + "\"";
        }
    }
    return cl;
}

std::string usageText(const HelpFolders& where) {
    std::string media = where.media;
    if (media.empty()) {
        media = "non trovati";
        for (std::size_t i = 0; i < where.lookedIn.size(); ++i)
            media += (i == 0 ? " in " : " né in ") + where.lookedIn[i];
    }
    const std::string data =
        where.data.empty() ? "nessuna cartella (né XDG_DATA_HOME né HOME è un percorso assoluto)" : where.data;
    return "Uso: zirimbo [OPZIONI]\n"
           "ZIRIMBO!: il gioco da tavolo contro Bob, Giorgetto e Carla.\n"
           "\n"
           "  --windowed LxA  gioca in una finestra di L x A pixel (per esempio 1024x768)\n"
           "  --help          mostra questo aiuto ed esce\n"
           "  --version       mostra la versione ed esce\n"
           "\n"
           "Durante il gioco F11 oppure Alt+Invio passano allo schermo intero e ritorno.\n"
           "\n"
           "Immagini, suoni e musiche: " +
           media +
           "\n"
           "Dati del giocatore (opzioni, nome e classifica): " +
           data +
           "\n"
           "Se la cartella corrente è una cartella del gioco completa e l'utente può\n"
           "scrivere nella sua cartella Dati, il gioco la usa così com'è, Dati compresi.\n";
}

}  // namespace zirimbo::frontend
