#pragma once
// The main window's picture buttons: each one's three-picture strip and tool
// tip, in the order the window sets them up. The tips are also the string
// table, each under its button's control id.

#include "resources/controlids.h"

namespace resources {

struct ButtonStrip {
    int controlId;
    int bitmapId;
    int width;  // of the whole strip; one picture is a third of it
    int height;
    const char16_t* tip;
};

inline constexpr ButtonStrip kButtonStrips[] = {
    {kExitButton, 1130, 54, 18, u"Exit"},
    {kMinimiseButton, 156, 54, 18, u"Minimize"},
    {kBasicButton, 1133, 378, 34, u"General Category"},
    {kTravelButton, 1143, 378, 34, u"Transportation Category"},
    {kFoodButton, 1137, 378, 34, u"Restaurant Category"},
    {kLodgingButton, 1138, 378, 35, u"Hotel Category"},
    {kBusinessButton, 1134, 378, 36, u"Business Category"},
    {kSightseeingButton, 1141, 378, 35, u"Specialty Category"},
    {kSocialButton, 1142, 378, 34, u"Events Category"},
    {kShoppingButton, 1140, 378, 36, u"Shopping Category"},
    {kEmergencyButton, 1135, 378, 36, u"Urgent Category"},
    {kQuestionButton, 1144, 378, 36, u"FAQ Category"},
    {kFavouriteToggleButton, 1136, 129, 33, u"Add to Favorite"},
    {kSearchModeButton, 147, 243, 29, u"Search"},
    {kRunSearchButton, 157, 132, 33, u"Search OK"},
    {kRelatedButton, 148, 258, 13, u"Related phrases"},
    {kFavouritesViewButton, 150, 270, 13, u"Favorite phrases"},
    {kPlayButton, 1139, 90, 28, u"Play sound"},
    {kSlowPlayButton, 1131, 72, 24, u"Play slowly"},
    {kSupportButton, 164, 486, 13, u"Technical Support"},
    {kBugReportButton, 165, 576, 13, u"Report a bug or comments"},
    {kNewVersionButton, 163, 354, 13, u"Check for new version"},
    {kAboutButton, 166, 195, 15, u"about"},
};

} // namespace resources
