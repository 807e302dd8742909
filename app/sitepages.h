#pragma once
// The maker's web site: the pages the window opens and the download folder
// the updater is pointed at.

#include "phrasebook.h"
#include "resources/controlids.h"
#include "tessalyversion.h"

#include <QString>

inline const QString kMakerSite = QStringLiteral("http://www.lexavant.example");

struct WebPage {
    int buttonId;
    const char16_t* path;
};

inline constexpr WebPage kWebPages[] = {
    {resources::kSupportButton, u"/Lexavant_French/technicalsupport.jsp"},
    {resources::kBugReportButton, u"/Lexavant_French/reportabug.jsp"},
    {resources::kNewVersionButton, u"/Lexavant_French/checkforupdate.jsp"},
};

// What the update hand-over tells the updater.
inline const QString kProductName = QString::fromStdU16String(std::u16string(kProgramCaption));
inline const QString kCurrentVersion = QStringLiteral(TESSALY_VERSION);
inline const QString kVersionFileName = QStringLiteral("version.dat");
inline const QString kDownloadFolder = kMakerSite + QStringLiteral("/SoftwareDownload/Lexavant_French");
