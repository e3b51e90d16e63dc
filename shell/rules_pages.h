// The six pages of the rules panel: title, body, the character shown beside it
// with its sketch, and the character's picture.
#pragma once

namespace zirimbo {

struct RulesPage {
    const char* title;
    const char* body;
    const char* name;
    const char* sketch;
    const char* picture;
};

// Page 1 to 6.
const RulesPage& RulesPageOf(int page);

}  // namespace zirimbo
