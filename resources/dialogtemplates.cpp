#include "resources/dialogtemplate.h"

#include "resources/controlids.h"
#include "tessalyversion.h"

namespace resources {

namespace {
using enum ControlKind;
using namespace style;

constexpr TemplateControl kAboutControls[] = {
    {kAboutProductName, Static, u"Lexavant_French", 59, 71, 234, 25, 0},
    {kAboutVersion, Static, u"Version " TESSALY_VERSION, 62, 102, 152, 13, 0},
    {kAboutNoticeFirst, Static, u"\u00A9 Lexavant. All rights reserved.", 62, 123, 215, 15, 0},
    {kAboutNoticeSecond, Static, u"lexavant.example", 62, 146, 112, 17, 0},
    {kAboutCloseButton, OwnerDrawButton, u"", 197, 167, 51, 17, 0},
};

constexpr TemplateControl kMainControls[] = {
    {kExitButton, OwnerDrawButton, u"", 439, 16, 13, 6, 0},
    {kMinimiseButton, OwnerDrawButton, u"", 424, 16, 14, 6, 0},
    {kAboutButton, OwnerDrawButton, u"About", 24, 18, 21, 7, 0},
    {kBasicButton, OwnerDrawButton, u"Basic", 366, 72, 81, 20, 0},
    {kTravelButton, OwnerDrawButton, u"Travel", 366, 96, 81, 20, 0},
    {kLodgingButton, OwnerDrawButton, u"Logding", 366, 119, 81, 20, 0},
    {kFoodButton, OwnerDrawButton, u"Food", 366, 142, 81, 20, 0},
    {kSocialButton, OwnerDrawButton, u"Social", 366, 165, 81, 20, 0},
    {kBusinessButton, OwnerDrawButton, u"Business", 366, 188, 81, 20, 0},
    {kSightseeingButton, OwnerDrawButton, u"SightSeeing", 366, 212, 81, 20, 0},
    {kShoppingButton, OwnerDrawButton, u"Shopping", 366, 236, 81, 20, 0},
    {kEmergencyButton, OwnerDrawButton, u"Emergency", 366, 260, 81, 20, 0},
    {kQuestionButton, OwnerDrawButton, u"Question", 366, 284, 81, 20, 0},
    {kFavouritesViewButton, OwnerDrawButton, u"", 137, 34, 55, 10, 0},
    {kSearchModeButton, OwnerDrawButton, u"", 21, 45, 54, 19, 0},
    {kRelatedButton, OwnerDrawButton, u"", 197, 34, 56, 10, 0},
    {kFavouriteToggleButton, OwnerDrawButton, u"", 300, 63, 29, 15, 0},
    {kRunSearchButton, OwnerDrawButton, u"", 267, 63, 26, 14, 0},
    {kPlayButton, OwnerDrawButton, u"", 105, 274, 14, 12, 0},
    {kSlowPlayButton, OwnerDrawButton, u"", 107, 291, 16, 15, 0},
    {kNewVersionButton, OwnerDrawButton, u"Checkupdate", 32, 314, 72, 10, 0},
    {kSupportButton, OwnerDrawButton, u"Technical Support", 113, 314, 97, 10, 0},
    {kBugReportButton, OwnerDrawButton, u"Report a bug or comments", 223, 314, 119, 10, 0},
    {kFirstCaption, Static, u"", 106, 95, 65, 12, 0},
    {kSecondCaption, Static, u"", 106, 110, 86, 12, 0},
    {kSubcategoryBox, DropDownList, u"", 174, 94, 145, 78, kVerticalScroll | kTransparent},
    {kKeywordBox, Edit, u"", 174, 94, 148, 14, kBorder | kEditAutoHorizontalScroll},
    {kExactMatchBox, AutoCheckBox, u"Exact match only", 231, 108, 90, 11, kTransparent},
    {kPhraseList, ListBox, u"", 106, 122, 213, 144,
     kBorder | kVerticalScroll | kListNotify | kListTabStops | kListNoIntegralHeight | kTransparent},
    {kTranslationText, Static, u"Static", 124, 274, 194, 36, kStaticCentre},
    {kVersionText, Static, u"" TESSALY_VERSION, 284, 52, 39, 9, 0},
};
} // namespace

const DialogTemplate kAboutTemplate{167, 319, 202, kAboutControls};
const DialogTemplate kMainTemplate{1202, 489, 376, kMainControls};

const TemplateControl* FindTemplateControl(const DialogTemplate& dialog, int controlId)
{
    for (const TemplateControl& control : dialog.controls)
        if (control.id == controlId)
            return &control;
    return nullptr;
}

} // namespace resources
