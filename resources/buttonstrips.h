#pragma once
// The main window's picture buttons: each one's three-picture strip, tool tip
// and the words on its picture, in the order the window sets them up. The
// tips are also the string table, each under its button's control id.

#include "resources/controlids.h"

namespace resources {

struct ButtonStrip {
    int controlId;
    int bitmapId;
    int width;  // of the whole strip; one picture is a third of it
    int height;
    const char16_t* tip;
    // The words drawn on the picture, which a screen reader reads as the
    // button's name; empty where the picture is a glyph and the tip names it.
    const char16_t* shows;
};

inline constexpr ButtonStrip kButtonStrips[] = {
    {kExitButton, 1130, 54, 18, u"Exit", u""},
    {kMinimiseButton, 156, 54, 18, u"Minimize", u""},
    {kBasicButton, 1133, 378, 34, u"General Category", u"Basic"},
    {kTravelButton, 1143, 378, 34, u"Transportation Category", u"Travel"},
    {kFoodButton, 1137, 378, 34, u"Restaurant Category", u"Food"},
    {kLodgingButton, 1138, 378, 35, u"Hotel Category", u"Lodging"},
    {kBusinessButton, 1134, 378, 36, u"Business Category", u"Business"},
    {kSightseeingButton, 1141, 378, 35, u"Specialty Category", u"Sightseeing"},
    {kSocialButton, 1142, 378, 34, u"Events Category", u"Social"},
    {kShoppingButton, 1140, 378, 36, u"Shopping Category", u"Shopping"},
    {kEmergencyButton, 1135, 378, 36, u"Urgent Category", u"Emergency"},
    {kQuestionButton, 1144, 378, 36, u"FAQ Category", u"Question"},
    {kFavouriteToggleButton, 1136, 129, 33, u"Add to Favorite", u""},
    {kSearchModeButton, 147, 243, 29, u"Search", u"Search"},
    {kRunSearchButton, 157, 132, 33, u"Search OK", u"Go"},
    {kRelatedButton, 148, 258, 13, u"Related phrases", u"Related"},
    {kFavouritesViewButton, 150, 270, 13, u"Favorite phrases", u"Favorites"},
    {kPlayButton, 1139, 90, 28, u"Play sound", u""},
    {kSlowPlayButton, 1131, 72, 24, u"Play slowly", u""},
    {kSupportButton, 164, 486, 13, u"Technical Support", u"Technical Support"},
    {kBugReportButton, 165, 576, 13, u"Report a bug or comments", u"Report a bug or comments"},
    {kNewVersionButton, 163, 354, 13, u"Check for new version", u"Check for new version"},
    {kAboutButton, 166, 195, 15, u"about", u"About"},
};

// The word on the about box's close button.
inline constexpr char16_t kAboutCloseWords[] = u"Cancel";

} // namespace resources
