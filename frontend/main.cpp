// The game: the game folder is the current directory, as the run script leaves it.
#include <filesystem>
#include <memory>

#include "frontend/app.h"
#include "shell/frmZirimbo2012.h"
#include "toolkit/seqfile.h"

int main() {
    tk::keepRunningPastFileSizeLimit();
    std::error_code ec;
    std::string folder = std::filesystem::current_path(ec).string();
    zirimbo_frontend::App app(folder);
    return app.run([](tk::Runtime& rt) -> std::unique_ptr<tk::Window> {
        return std::make_unique<zirimbo::frmZirimbo2012>(rt);
    });
}
