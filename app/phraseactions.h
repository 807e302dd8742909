#pragma once
// What the user can do with the selected phrase besides the window's buttons:
// the menu on each row of the phrase list (right click, the Menu key,
// Shift+F10), copying its French (Ctrl+C) or its English and French with the
// pronunciation guide (Ctrl+Shift+C), and printing a phrase sheet (Ctrl+P).

#include <QObject>
#include <QString>

class CTessalyDlg;
class QMenu;
class QPoint;

class PhraseActions : public QObject {
    Q_OBJECT
public:
    explicit PhraseActions(CTessalyDlg& window);

    // The row menu for the selected phrase; the caller shows and deletes it.
    QMenu* MakeRowMenu();
    // The texts the copy commands put on the clipboard; empty with no phrase.
    QString FrenchText() const;
    QString PhraseWithGuideText() const;

    void CopyFrench() const;
    void CopyPhraseWithGuide() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PopUpMenuAt(const QPoint& listPosition);

    CTessalyDlg& window;
};
