#pragma once
// The main window: a shaped picture with the category buttons, the
// subcategory box or keyword box, the phrase list, the translation under it
// and the play button. It owns the phrase data, the pronunciation player and
// every control, and routes each user action through its message table.

#include "controlcolour.h"
#include "messagetable.h"
#include "phrasebook.h"
#include "phraselistowner.h"
#include "skinneddialog.h"

#include <QBrush>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QTimer>
#include <memory>

class CHoverButton;
class CMyListBox;
class CSoundPlayer;
class CTransparentStatic;
class CUpdateChecker;
class GuidePanel;
class PhraseActions;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class SoundPlayerAdapter;
struct MainWindowViews;

namespace platform {
class WaveOut;
}

class CTessalyDlg : public SkinnedDialog, public PhraseListOwner, public ControlColourOwner, private WindowHooks {
    Q_OBJECT
public:
    // `device` is the wave output the player speaks through; the window owns it.
    explicit CTessalyDlg(std::unique_ptr<platform::WaveOut> device, QWidget* parent = nullptr);
    ~CTessalyDlg() override;

    // Initialises the window (buttons, data files, font, first view, timer)
    // and runs it until it closes; returns how it closed.
    int DoModal();
    bool OnInitDialog();

    // Views and navigation.
    void SelectCategory(int code);
    void ShowFavorites();
    void SwitchView();
    void UpdateCaptions();
    void RepaintCaptionArea();
    void SelectFirstRow() override;
    void ClearPhraseList();
    void ShowSelectedPhrase() override;

    // Commands on phrases.
    void PlaySelectedPhrase();
    // The same at a learner's pace, its pitch kept.
    void PlaySelectedPhraseSlowly();
    void EnterSearchMode();
    void RunSearch();
    void RunSearchIfDirty();
    void ShowRelatedPhrases();
    void ToggleFavorite();

    // Window commands.
    void Minimise();
    void OpenWebPage(int buttonId);
    void RunAboutBox();
    void OnTimer(int id);

    // PhraseListOwner
    bool FavoriteButtonAdds() const override { return book->favoriteButtonAdds; }
    // ControlColourOwner
    QBrush ChildBackground(QWidget* child, resources::ControlKind kind, const QBrush& proposed) override;

    // What the window holds, for its commands and for tests.
    PhraseBook& Book() { return *book; }
    CSoundPlayer& Player() { return *player; }
    QWidget* Control(int id) const;
    CHoverButton* Button(int id) const;
    CMyListBox* PhraseList() const { return phraseList; }
    GuidePanel* Guide() const { return guidePanel; }
    PhraseActions* Actions() const { return phraseActions; }
    bool PhraseShown() const { return phraseShown; }
    bool SearchDirty() const { return searchDirty; }
    void MarkSearchDirty() { searchDirty = true; }
    bool UpdateChecked() const { return updateChecked; }
    const QFont& PhraseFont() const { return phraseFont; }
    CUpdateChecker* UpdateChecker() const { return updateChecker.get(); }

    static constexpr int kUpdateTimer = 1000;
    // The update check runs once, this long after the window opens.
    static constexpr int kUpdateCheckDelayMs = 1000;

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // WindowHooks: the bound fields and their controls.
    void RefreshControls() override;
    void ReadControls() override;

    void OpenDataFiles();
    void CreatePhraseFont();
    void SetupButtons();
    void BindSlowPlayKeys();
    void OnDestroy();
    void SetFavouriteTip(const QString& text);
    void FocusPhraseList();
    void ChainTabOrder();
    // Accessible names and descriptions of the controls whose words change
    // with the caption mode or the shown phrase.
    void DescribeControls();
    void PaintListBackground();

    static const MessageRow<CTessalyDlg> kMessages[];

    // In the order they are made.
    std::unique_ptr<platform::WaveOut> device;
    std::unique_ptr<CSoundPlayer> player;
    std::unique_ptr<SoundPlayerAdapter> playerAdapter;
    QFont phraseFont;
    QRect translationArea;
    QBrush listBrush;
    QIcon icon;

    CTransparentStatic* translationStatic = nullptr;
    CTransparentStatic* versionStatic = nullptr;
    QLabel* firstCaption = nullptr;
    QLabel* secondCaption = nullptr;
    QComboBox* subcategoryCombo = nullptr;
    QLineEdit* keywordEdit = nullptr;
    QCheckBox* exactMatchBox = nullptr;
    CMyListBox* phraseList = nullptr;
    GuidePanel* guidePanel = nullptr;
    PhraseActions* phraseActions = nullptr;

    std::unique_ptr<MainWindowViews> views;
    std::unique_ptr<PhraseBook> book;
    std::unique_ptr<CUpdateChecker> updateChecker;

    int updateTimerId = 0;
    bool phraseShown = false;
    bool searchDirty = false;
    bool updateChecked = false;
    bool initialised = false;
    bool destroyed = false;
};
