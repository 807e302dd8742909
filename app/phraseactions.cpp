#include "phraseactions.h"

#include "guidepanel.h"
#include "mylistbox.h"
#include "sheetprinting.h"
#include "tessalydlg.h"
#include "text.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>

namespace {

void CopyToClipboard(const QString& text)
{
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

} // namespace

PhraseActions::PhraseActions(CTessalyDlg& window) : QObject(&window), window(window)
{
    CMyListBox* list = window.PhraseList();
    // A click's menu request reaches the viewport, a key's the list.
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    // A shortcut is matched before the list sees the key, so the list's own
    // copy of the row's English never runs.
    auto* copy = new QShortcut(QKeySequence::Copy, list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &PhraseActions::CopyFrench);
    auto* copyAll = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), list, nullptr, nullptr,
                                  Qt::WidgetShortcut);
    connect(copyAll, &QShortcut::activated, this, &PhraseActions::CopyPhraseWithGuide);
    auto* print = new QShortcut(QKeySequence::Print, &window);
    connect(print, &QShortcut::activated, this, [&window] { PrintPhraseSheet(window); });
}

QString PhraseActions::FrenchText() const
{
    return QString::fromStdU16String(window.Book().translationText);
}

QString PhraseActions::PhraseWithGuideText() const
{
    const QString french = FrenchText();
    if (french.isEmpty())
        return {};
    QString text = QString::fromStdU16String(StripBrackets(window.Book().selectedText)) + u'\n' + french;
    const GuidePanel* guide = window.Guide();
    if (!guide->text().isEmpty())
        text += u'\n' + guide->text() + QStringLiteral("  /") + guide->Ipa() + u'/';
    return text;
}

void PhraseActions::CopyFrench() const
{
    CopyToClipboard(FrenchText());
}

void PhraseActions::CopyPhraseWithGuide() const
{
    CopyToClipboard(PhraseWithGuideText());
}

QMenu* PhraseActions::MakeRowMenu()
{
    auto* menu = new QMenu(&window);
    menu->setAccessibleName(QStringLiteral("Phrase"));
    const bool hasPhrase = !FrenchText().isEmpty();
    struct Row {
        QString text;
        QKeySequence keys;
        std::function<void()> run;
    };
    // As the favourite button does: it removes in the favourites view.
    const bool adds = window.FavoriteButtonAdds();
    const Row rows[] = {
        {QStringLiteral("&Play"), QKeySequence(Qt::Key_Return), [this] { window.PlaySelectedPhrase(); }},
        {QStringLiteral("Play &slowly"), QKeySequence(Qt::SHIFT | Qt::Key_Return),
         [this] { window.PlaySelectedPhraseSlowly(); }},
        {QStringLiteral("&Copy French"), QKeySequence::Copy, [this] { CopyFrench(); }},
        {QStringLiteral("Copy &English and French with the guide"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
         [this] { CopyPhraseWithGuide(); }},
        {adds ? QStringLiteral("Add to &favourites") : QStringLiteral("&Remove from favourites"), {},
         [this] { window.ToggleFavorite(); }},
        {QStringLiteral("&Related phrases"), {}, [this] { window.ShowRelatedPhrases(); }},
    };
    for (const Row& row : rows) {
        // The keys are shown after a tab, as a reminder, and not bound to the
        // menu: there Enter chooses the highlighted command. The list answers them.
        const QString keys = row.keys.toString(QKeySequence::NativeText);
        QAction* action = menu->addAction(keys.isEmpty() ? row.text : row.text + u'\t' + keys, this, row.run);
        action->setEnabled(hasPhrase);
    }
    return menu;
}

void PhraseActions::PopUpMenuAt(const QPoint& listPosition)
{
    QMenu* menu = MakeRowMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(window.PhraseList()->viewport()->mapToGlobal(listPosition));
}

bool PhraseActions::eventFilter(QObject* watched, QEvent* event)
{
    // The event's kind is looked at first: while the list is being taken down
    // its other events still arrive here, and it is no longer a list to ask.
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ContextMenu)
        return false;
    CMyListBox* list = window.PhraseList();
    if (watched != list && watched != list->viewport())
        return false;
    // The Menu key and Shift+F10 are answered here whether or not the
    // desktop turns them into a menu request.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
        if (!menuKey && (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier))
            return false;
    }
    const auto* request = event->type() == QEvent::ContextMenu ? static_cast<QContextMenuEvent*>(event) : nullptr;
    if (request && request->reason() == QContextMenuEvent::Mouse) {
        // A right click acts on the row under the pointer, as a left click would.
        const QPoint position =
            watched == list ? list->viewport()->mapFrom(list, request->pos()) : request->pos();
        QListWidgetItem* item = list->itemAt(position);
        if (!item)
            return true;
        list->setCurrentItem(item);
        PopUpMenuAt(position);
        return true;
    }
    QListWidgetItem* current = list->currentItem();
    if (current)
        PopUpMenuAt(list->visualItemRect(current).bottomLeft());
    return true;
}
