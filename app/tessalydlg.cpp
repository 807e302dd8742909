// The main window's construction, initialisation and end, its bound fields and
// its message table.

#include "tessalydlg.h"

#include "captionlabel.h"
#include "categories.h"
#include "controlid.h"
#include "datafilecheck.h"
#include "dialogbuilder.h"
#include "fontspec.h"
#include "guidepanel.h"
#include "hoverbutton.h"
#include "mylistbox.h"
#include "phraseactions.h"
#include "platform/bitmaps.h"
#include "platform/fontfiles.h"
#include "platform/modalruns.h"
#include "playeradapter.h"
#include "sitepages.h"
#include "resources/buttonstrips.h"
#include "resources/controlids.h"
#include "resources/resourceids.h"
#include "soundplayer.h"
#include "transparentstatic.h"
#include "updatechecker.h"
#include "windowviews_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

using namespace resources;

// Every control notification the window reacts to, and its handler.
const MessageRow<CTessalyDlg> CTessalyDlg::kMessages[] = {
    {kBasicButton, Notification::Clicked, [](CTessalyDlg& w) { w.SelectCategory(kBasicCode); }},
    {kTravelButton, Notification::Clicked, [](CTessalyDlg& w) { w.SelectCategory(kTravelCode); }},
    {kLodgingButton, Notification::Clicked, [](CTessalyDlg& w) { w.SelectCategory(kLodgingCode); }},
    {kFoodButton, Notification::Clicked, [](CTessalyDlg& w) { w.SelectCategory(kFoodCode); }},
    {kSocialButton, Notification::Clicked, [](CTessalyDlg& w) { w.SelectCategory(kSocialCode); }},
    {kBusinessButton, Notification::Clicked, [](CTessalyDlg& w) { w.SelectCategory(kBusinessCode); }},
    {kSightseeingButton, Notification::Clicked, [](CTessalyDlg& w) { w.SelectCategory(kSightseeingCode); }},
    {kShoppingButton, Notification::Clicked, [](CTessalyDlg& w) { w.SelectCategory(kShoppingCode); }},
    {kEmergencyButton, Notification::Clicked, [](CTessalyDlg& w) { w.SelectCategory(kEmergencyCode); }},
    {kQuestionButton, Notification::Clicked, [](CTessalyDlg& w) { w.SelectCategory(kQuestionCode); }},
    {kFavouritesViewButton, Notification::Clicked, [](CTessalyDlg& w) { w.ShowFavorites(); }},
    {kSubcategoryBox, Notification::SelectionMade, [](CTessalyDlg& w) { w.Book().ShowSubcategory(); }},
    {kPhraseList, Notification::SelectionChanged, [](CTessalyDlg& w) { w.ShowSelectedPhrase(); }},
    {kPhraseList, Notification::DoubleClicked, [](CTessalyDlg& w) { w.PlaySelectedPhrase(); }},
    {kPlayButton, Notification::Clicked, [](CTessalyDlg& w) { w.PlaySelectedPhrase(); }},
    {kSlowPlayButton, Notification::Clicked, [](CTessalyDlg& w) { w.PlaySelectedPhraseSlowly(); }},
    {kSearchModeButton, Notification::Clicked, [](CTessalyDlg& w) { w.EnterSearchMode(); }},
    {kRunSearchButton, Notification::Clicked, [](CTessalyDlg& w) { w.RunSearch(); }},
    {kKeywordBox, Notification::TextChanged, [](CTessalyDlg& w) { w.MarkSearchDirty(); }},
    {kExactMatchBox, Notification::Clicked, [](CTessalyDlg& w) { w.MarkSearchDirty(); }},
    {kRelatedButton, Notification::Clicked, [](CTessalyDlg& w) { w.ShowRelatedPhrases(); }},
    {kFavouriteToggleButton, Notification::Clicked, [](CTessalyDlg& w) { w.ToggleFavorite(); }},
    {kMinimiseButton, Notification::Clicked, [](CTessalyDlg& w) { w.Minimise(); }},
    {kSupportButton, Notification::Clicked, [](CTessalyDlg& w) { w.OpenWebPage(kSupportButton); }},
    {kBugReportButton, Notification::Clicked, [](CTessalyDlg& w) { w.OpenWebPage(kBugReportButton); }},
    {kNewVersionButton, Notification::Clicked, [](CTessalyDlg& w) { w.OpenWebPage(kNewVersionButton); }},
    {kAboutButton, Notification::Clicked, [](CTessalyDlg& w) { w.RunAboutBox(); }},
    // The exit button carries the application's exit command: it closes the window.
    {kExitButton, Notification::Clicked, [](CTessalyDlg& w) { w.reject(); }},
};

CTessalyDlg::CTessalyDlg(std::unique_ptr<platform::WaveOut> waveOut, QWidget* parent)
    : SkinnedDialog(parent),
      device(std::move(waveOut)),
      player(std::make_unique<CSoundPlayer>(*device)),
      playerAdapter(std::make_unique<SoundPlayerAdapter>(*player)),
      translationArea(QPoint(180, 435), QPoint(519, 489))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    icon = QIcon(platform::LoadPixmap(kAppIcon));
    LoadSkin(kMainSkin);

    // Qt makes a window's controls with the window, so the template is built
    // here rather than when the window initialises.
    BuildDialogTemplate(kMainTemplate, this, [](const TemplateControl& row, QWidget* parent) -> QWidget* {
        if (row.id == kTranslationText || row.id == kVersionText)
            return new CTransparentStatic(parent);
        if (row.id == kPhraseList)
            return new CMyListBox(parent);
        if (row.id == kFirstCaption || row.id == kSecondCaption)
            return new CaptionLabel(parent);
        return nullptr;
    });
    translationStatic = RequireControl<CTransparentStatic>(this, kTranslationText);
    versionStatic = RequireControl<CTransparentStatic>(this, kVersionText);
    firstCaption = RequireControl<QLabel>(this, kFirstCaption);
    secondCaption = RequireControl<QLabel>(this, kSecondCaption);
    subcategoryCombo = RequireControl<QComboBox>(this, kSubcategoryBox);
    keywordEdit = RequireControl<QLineEdit>(this, kKeywordBox);
    exactMatchBox = RequireControl<QCheckBox>(this, kExactMatchBox);
    phraseList = RequireControl<CMyListBox>(this, kPhraseList);
    guidePanel = new GuidePanel(this, translationStatic);

    // The related view shows its phrase in the disabled keyword box; the
    // style's pale grey for disabled text is too faint to read it by.
    QPalette editPalette = keywordEdit->palette();
    editPalette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x50, 0x50, 0x50));
    keywordEdit->setPalette(editPalette);

    views = std::make_unique<MainWindowViews>(subcategoryCombo);
    book = std::make_unique<PhraseBook>(
        WindowViews{*phraseList, views->subcategories, views->messages, *this, *playerAdapter});
    book->exactMatch = false;
    book->captionMode = kBrowseMode;
    searchDirty = false;
    BindWholeMessageTable<CTessalyDlg>(*this, this, kMessages);
    ChainTabOrder();
    // Ctrl+F does what the Search button does.
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] { EnterSearchMode(); });
    BindSlowPlayKeys();
    phraseActions = new PhraseActions(*this);
}

CTessalyDlg::~CTessalyDlg()
{
    if (mainWindow == this)
        mainWindow = nullptr;
    // The controls go first: the list's items and the player's device outlive them.
    const QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    qDeleteAll(children);
}

int CTessalyDlg::DoModal()
{
    OnInitDialog();
    // A signal during the start-up ends the program before the window's run.
    if (platform::ModalRunsEnded())
        return Rejected;
    return exec();
}

bool CTessalyDlg::OnInitDialog()
{
    if (initialised)
        return true;
    initialised = true;
    setWindowIcon(icon);
    setWindowTitle(kProductName);
    ApplyShape();
    SetupButtons();
    OpenDataFiles();
    book->RemoveLeftoverWorkFiles();
    platform::FontFiles::Add(platform::kArialFontFile);
    CreatePhraseFont();
    book->loadedPhrase = -1;
    book->viewCode = kBasicCode;
    // The first view shows its first phrase, and that counts as shown, so the
    // play button speaks it at once; phraseShown is not cleared after it.
    SwitchView();
    mainWindow = this;
    listBrush = QBrush(platform::LoadPixmap(kListPattern));
    PaintListBackground();
    updateChecked = false;
    updateTimerId = startTimer(kUpdateCheckDelayMs);
    return true;
}

void CTessalyDlg::OpenDataFiles()
{
    book->OpenDataFiles();
    // One message for every file that is missing or damaged; the messages
    // those files would otherwise raise on each selection are then not shown.
    const std::filesystem::path folder = std::filesystem::current_path();
    const std::vector<DataFileProblem> problems = CheckDataFiles(folder);
    if (problems.empty())
        return;
    views->messages.ShowMessage(DataFilesNotice(problems, folder), kProgramCaption);
    for (const DataFileProblem& problem : problems)
        for (const std::u16string& message : problem.coveredMessages)
            book->MarkFailureShown(message);
}

void CTessalyDlg::CreatePhraseFont()
{
    phraseFont = QFont(QStringLiteral("Arial"));
    phraseFont.setPixelSize(kPhraseFontPixels);
    phraseFont.setWeight(QFont::Normal);
    phraseFont.setStyleHint(QFont::SansSerif);
    for (int id : {kPhraseList, kTranslationText, kKeywordBox, kFirstCaption, kSubcategoryBox, kSecondCaption,
                   kExactMatchBox})
        Control(id)->setFont(phraseFont);
}

void CTessalyDlg::SetupButtons()
{
    versionStatic->textColour = QColor(255, 255, 255);
    versionStatic->update();
    for (const ButtonStrip& strip : kButtonStrips) {
        CHoverButton* button = Button(strip.controlId);
        button->LoadFrameStrip(strip.bitmapId);
        button->SetShownWords(QString::fromUtf16(strip.shows));
        button->SetTipText(QString::fromUtf16(strip.tip), true);
    }
}

void CTessalyDlg::done(int result)
{
    OnDestroy();
    SkinnedDialog::done(result);
}

void CTessalyDlg::OnDestroy()
{
    if (destroyed || !initialised)
        return;
    destroyed = true;
    killTimer(updateTimerId);
    platform::FontFiles::Remove(platform::kArialFontFile);
    book->phraseIds.clear();
    book->CloseDataFiles();
}

void CTessalyDlg::PaintListBackground()
{
    // The list answers its colour request with the pattern brush: its rows
    // lie on the pattern, not on the skin.
    const QBrush brush = ChildBackground(phraseList, ControlKind::ListBox, phraseList->palette().base());
    QPalette palette = phraseList->palette();
    palette.setBrush(QPalette::Base, brush);
    palette.setBrush(QPalette::Window, brush);
    phraseList->setPalette(palette);
    phraseList->viewport()->setAutoFillBackground(true);
}

QWidget* CTessalyDlg::Control(int id) const
{
    return FindControl(const_cast<CTessalyDlg*>(this), id);
}

CHoverButton* CTessalyDlg::Button(int id) const
{
    return qobject_cast<CHoverButton*>(Control(id));
}

void CTessalyDlg::RefreshControls()
{
    translationStatic->setText(QString::fromStdU16String(book->translationText));
    guidePanel->ShowGuideOf(book->selectedPhrase, translationStatic->text());
    const QString keyword = QString::fromStdU16String(book->keywordText);
    if (keywordEdit->text() != keyword) {
        keywordEdit->setText(keyword);
        // A phrase put into the box is read from its start, not its end.
        keywordEdit->setCursorPosition(0);
    }
    exactMatchBox->setChecked(book->exactMatch);
    DescribeControls();
}

void CTessalyDlg::ReadControls()
{
    book->keywordText = keywordEdit->text().toStdU16String();
    book->exactMatch = exactMatchBox->isChecked();
}
