// What each element of the window's "various" arrays is for. The arrays keep
// their names and numbering (the design, the scaling table and the render tests
// know them by index); these names say which element plays which role.
// Elements not named here are spares that the game never shows.
#pragma once

namespace zirimbo::various {

// lblVarie: the panels' texts.
enum LabelIndex : int {
    // Rules panel: the page on show, the heading and the footer line.
    kRulesPageTitle = 12,
    kRulesPageBody = 13,
    kRulesHeading = 14,
    kRulesFooter = 15,
    kRulesCharacterSketch = 16,
    kRulesCharacterName = 17,
    // Exit panel: the question (the goodbye text replaces it) and the answers' captions.
    kExitNoCaption = 19,
    kExitQuestion = 20,
    kExitYesCaption = 21,
    // Scoreboard panel: heading, column headings, footer line.
    kScoreboardHeading = 22,
    kScoreboardPositionColumn = 23,
    kScoreboardNameColumn = 24,
    kScoreboardFooter = 25,
    kScoreboardWinsColumn = 27,
    // Options panel: heading, footer line and the help text in the character's bubble.
    kOptionsHeading = 28,
    kOptionsFooter = 29,
    kScoreboardDateColumn = 31,
    kOptionsHelpText = 32,
    // The rematch box: its prompt and the caption of the NUOVA PARTITA button.
    kRematchPrompt = 33,
    kNewGameCaption = 34,
    // Exit panel: heading and footer line.
    kExitHeading = 35,
    kExitFooter = 36,
};

// ImgVarie: the panels' logos, bubbles and characters.
enum ImageIndex : int {
    kRulesLogo = 0,
    kRulesCharacter = 1,
    kRulesBubble = 2,
    kRulesBackArrow = 3,
    kRulesForwardArrow = 4,
    // The end-of-game logo animation plays on the scoreboard's heading.
    kScoreboardLogo = 5,
    kOptionsLogo = 6,
    kOptionsBubble = 7,
    kOptionsCharacter = 8,
    kRematchBubble = 9,
    kRematchCharacter = 10,
    kRematchLogo = 11,
    kExitLogo = 12,
    kExitCharacter = 13,
    // The exit panel's side columns: pictures of the window's design.
    kExitLeftPicture = 14,
    kExitRightPicture = 15,
    kBottomBarLogo = 16,
};

// ShpVari: bars, lines and boxes behind the panels' contents.
enum ShapeIndex : int {
    // The thin line behind scoreboard row r (1..4) is kScoreboardRowLine + r - 1.
    kScoreboardRowLine = 4,
    kRulesArrowBar = 16,
    // The bar that joins the CLAS and OPZ buttons.
    kMenuBar = 17,
    kNewGameButton = 19,
    kExitLeftColumn = 20,
    kExitRightColumn = 21,
};

// Shape3: elements 0 to 3 are the circles of the bottom buttons (the same index
// as the button); these two are the exit panel's answers.
enum CircleIndex : int {
    kExitYesCircle = 8,
    kExitNoCircle = 9,
};

// txtVari: the exit panel's read-only text boxes, the designer's biography and the
// rights statement; 2 and 3 stay empty.
enum TextBoxIndex : int {
    kBiographyBox = 0,
    kRightsBox = 1,
};

}  // namespace zirimbo::various
