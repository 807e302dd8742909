#pragma once
// Control ids of the dialog templates: the main window's (1202) and the about box's (167).

namespace resources {

// Main window, template 1202.
inline constexpr int kExitButton = 57665; // carries the application-exit command
inline constexpr int kMinimiseButton = 1030;
inline constexpr int kAboutButton = 1038;
inline constexpr int kBasicButton = 1101;
inline constexpr int kTravelButton = 1102;
inline constexpr int kLodgingButton = 1103;
inline constexpr int kFoodButton = 1104;
inline constexpr int kSocialButton = 1105;
inline constexpr int kBusinessButton = 1106;
inline constexpr int kSightseeingButton = 1107;
inline constexpr int kShoppingButton = 1108;
inline constexpr int kEmergencyButton = 1109;
inline constexpr int kQuestionButton = 1110;
inline constexpr int kFavouritesViewButton = 1026;
inline constexpr int kSearchModeButton = 1021;
inline constexpr int kRelatedButton = 1022;
inline constexpr int kFavouriteToggleButton = 1116;
inline constexpr int kRunSearchButton = 1023;
inline constexpr int kPlayButton = 1031;
inline constexpr int kSlowPlayButton = 1032; // plays the phrase at a learner's pace
inline constexpr int kNewVersionButton = 1035;
inline constexpr int kSupportButton = 1036;
inline constexpr int kBugReportButton = 1037;
inline constexpr int kFirstCaption = 1018;
inline constexpr int kSecondCaption = 1025;
inline constexpr int kSubcategoryBox = 1117;
inline constexpr int kKeywordBox = 1020;
inline constexpr int kExactMatchBox = 1024;
inline constexpr int kPhraseList = 1111;
inline constexpr int kTranslationText = 1019;
inline constexpr int kVersionText = 1047;
// The phrase list's own child: the chooser of a slot's alternatives.
inline constexpr int kSlotChooser = 1115;

// About box, template 167.
inline constexpr int kAboutProductName = 1039;
inline constexpr int kAboutVersion = 1040;
inline constexpr int kAboutNoticeFirst = 1041;
inline constexpr int kAboutNoticeSecond = 1042;
inline constexpr int kAboutCloseButton = 1043;

} // namespace resources
