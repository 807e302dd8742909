// The window's own commands: keys, minimising, the web pages, the about box,
// the colours behind the controls, focus, and the one-time update hand-over.

#include "aboutdlg.h"
#include "captionmodes.h"
#include "mylistbox.h"
#include "resources/controlids.h"
#include "platform/shell.h"
#include "sitepages.h"
#include "tessalydlg.h"
#include "updatechecker.h"

#include <QKeyEvent>
#include <QTimerEvent>

namespace {

using namespace resources;

// The controls in the order Tab walks them, as they stand on screen. Hidden
// and disabled controls are passed over.
constexpr int kTabOrder[] = {
    // The header, left to right.
    kAboutButton, kFavouritesViewButton, kRelatedButton, kMinimiseButton, kExitButton,
    // The main column, top to bottom.
    kSearchModeButton, kRunSearchButton, kFavouriteToggleButton, kSubcategoryBox, kKeywordBox, kExactMatchBox,
    kPhraseList, kPlayButton, kSlowPlayButton,
    // The categories, top to bottom.
    kBasicButton, kTravelButton, kLodgingButton, kFoodButton, kSocialButton, kBusinessButton, kSightseeingButton,
    kShoppingButton, kEmergencyButton, kQuestionButton,
    // The footer, left to right.
    kNewVersionButton, kSupportButton, kBugReportButton,
};

} // namespace

void CTessalyDlg::ChainTabOrder()
{
    QWidget* previous = nullptr;
    for (int id : kTabOrder) {
        QWidget* control = Control(id);
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

void CTessalyDlg::keyPressEvent(QKeyEvent* event)
{
    // Shifted keys are left to other commands.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool inList = phraseList->hasFocus();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // The default-button command searches; it never closes the window.
        // In the phrase list, with nothing new to search, Enter plays.
        const bool searches = searchDirty && book->captionMode == kSearchMode;
        RunSearchIfDirty();
        if (!searches && plain && inList)
            PlaySelectedPhrase();
        event->accept();
        return;
    }
    case Qt::Key_Space:
        if (plain && inList)
            PlaySelectedPhrase();
        event->accept();
        return;
    case Qt::Key_Escape:
        reject();
        event->accept();
        return;
    default:
        SkinnedDialog::keyPressEvent(event);
    }
}

void CTessalyDlg::showEvent(QShowEvent* event)
{
    SkinnedDialog::showEvent(event);
    // A new window takes the keyboard, even where no window manager gives it.
    activateWindow();
    FocusPhraseList();
}

void CTessalyDlg::changeEvent(QEvent* event)
{
    SkinnedDialog::changeEvent(event);
    // Back from the task bar, the list takes the keyboard again.
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        FocusPhraseList();
}

void CTessalyDlg::Minimise()
{
    showMinimized();
}

void CTessalyDlg::OpenWebPage(int buttonId)
{
    for (const WebPage& page : kWebPages) {
        if (page.buttonId == buttonId)
            platform::OpenWebAddress(kMakerSite + QString::fromUtf16(page.path));
    }
}

void CTessalyDlg::RunAboutBox()
{
    // Owned by the window, the box opens centred on it.
    CAboutDlg about(this);
    about.exec();
    activateWindow();
}

QBrush CTessalyDlg::ChildBackground(QWidget*, resources::ControlKind kind, const QBrush& proposed)
{
    switch (kind) {
    case resources::ControlKind::ListBox:
        return listBrush;
    case resources::ControlKind::Static:
        return Qt::NoBrush;   // the skin shows behind static texts
    default:
        return proposed;
    }
}

void CTessalyDlg::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == updateTimerId && updateTimerId != 0)
        OnTimer(kUpdateTimer);
    SkinnedDialog::timerEvent(event);
}

void CTessalyDlg::OnTimer(int id)
{
    if (id != kUpdateTimer)
        return;
    killTimer(updateTimerId);
    updateTimerId = 0;
    if (updateChecked)
        return;
    updateChecked = true;
    updateChecker = std::make_unique<CUpdateChecker>();
    // The hand-over always lets the program run on beside the updater.
    updateChecker->HandOver(kProductName, kDownloadFolder, kVersionFileName, kCurrentVersion);
}
