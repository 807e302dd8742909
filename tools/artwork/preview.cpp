// Renders the main window's skin with the controls of its template placed on
// it, and the about box, to PNG files, so the artwork can be judged by eye.
//   tessaly-preview <folder>   writes main.png, main-hover.png and about.png

#include "aboutdlg.h"
#include "citem.h"
#include "controlid.h"
#include "dialogbuilder.h"
#include "hoverbutton.h"
#include "mylistbox.h"
#include "platform/bitmaps.h"
#include "resources/buttonstrips.h"
#include "resources/controlids.h"
#include "resources/resourceids.h"
#include "skinneddialog.h"
#include "transparentstatic.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

namespace {

QWidget* MakeMainControl(const resources::TemplateControl& row, QWidget* parent)
{
    if (row.id == resources::kPhraseList)
        return new CMyListBox(parent);
    if (row.id == resources::kTranslationText || row.id == resources::kVersionText)
        return new CTransparentStatic(parent);
    return nullptr;
}

void FillSample(SkinnedDialog& window)
{
    QFont phraseFont(QStringLiteral("Arial"));
    phraseFont.setPixelSize(15);
    for (int id : {resources::kPhraseList, resources::kTranslationText, resources::kKeywordBox,
                   resources::kFirstCaption, resources::kSubcategoryBox, resources::kSecondCaption,
                   resources::kExactMatchBox})
        FindControl(&window, id)->setFont(phraseFont);

    for (const resources::ButtonStrip& button : resources::kButtonStrips)
        static_cast<CHoverButton*>(FindControl(&window, button.controlId))->LoadFrameStrip(button.bitmapId);

    auto* version = static_cast<CTransparentStatic*>(FindControl(&window, resources::kVersionText));
    version->textColour = Qt::white;
    static_cast<QLabel*>(FindControl(&window, resources::kFirstCaption))->setText(QStringLiteral("Sub category:"));
    auto* box = static_cast<QComboBox*>(FindControl(&window, resources::kSubcategoryBox));
    box->addItems({QStringLiteral("All"), QStringLiteral("Greetings")});
    FindControl(&window, resources::kKeywordBox)->hide();
    FindControl(&window, resources::kExactMatchBox)->hide();
    FindControl(&window, resources::kRunSearchButton)->hide();

    auto* list = static_cast<CMyListBox*>(FindControl(&window, resources::kPhraseList));
    QPalette palette = list->palette();
    palette.setBrush(QPalette::Base, QBrush(platform::LoadPixmap(resources::kListPattern)));
    list->setPalette(palette);
    for (const char16_t* text : {u"Hello.", u"Good morning.", u"Good evening.", u"How are you?",
                                 u"I would like [a coffee|a tea|a glass of water], please.",
                                 u"Thank you very much.", u"Excuse me.", u"Do you speak English?",
                                 u"I don't understand.", u"Could you speak more slowly?",
                                 u"Where is [the station|the museum|the hotel]?"})
        list->AddPhraseItem(std::make_unique<CItem>(text));
    list->setCurrentRow(4);
    static_cast<QLabel*>(FindControl(&window, resources::kTranslationText))
        ->setText(QStringLiteral("Je voudrais un caf\u00E9, s'il vous pla\u00EEt."));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessaly-preview <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());

    SkinnedDialog window;
    BuildDialogTemplate(resources::kMainTemplate, &window, MakeMainControl);
    window.LoadSkin(resources::kMainSkin);
    window.ApplyShape();
    FillSample(window);
    window.show();
    app.processEvents();
    window.grab().save(out.filePath(QStringLiteral("main.png")));

    // The same window with the pointer resting on a category button.
    auto* food = static_cast<CHoverButton*>(FindControl(&window, resources::kFoodButton));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(food, &enter);
    QTimer::singleShot(20, &app, &QApplication::quit);
    app.exec();
    auto* play = static_cast<CHoverButton*>(FindControl(&window, resources::kPlayButton));
    play->setDown(true);
    window.grab().save(out.filePath(QStringLiteral("main-hover.png")));

    CAboutDlg about;
    about.show();
    app.processEvents();
    about.grab().save(out.filePath(QStringLiteral("about.png")));
    return 0;
}
