#pragma once
// The about box: the product name, version and the maker's notice over the
// about skin, and a button that closes it. Only that button closes it: a
// press on the panel or a label that does not become a drag does nothing, and
// a drag moves the box.

#include "controlcolour.h"
#include "messagetable.h"
#include "skinneddialog.h"

class CHoverButton;
class CLabel;

class CAboutDlg : public SkinnedDialog, public ControlColourOwner {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    CHoverButton* CloseButton() const { return closeButton; }
    CLabel* Label(int controlId) const;

    QBrush ChildBackground(QWidget* child, resources::ControlKind kind, const QBrush& proposed) override;

private:
    static const MessageRow<CAboutDlg> kMessages[];

    CHoverButton* closeButton = nullptr;
    CLabel* noticeSecond = nullptr;
    CLabel* noticeFirst = nullptr;
    CLabel* version = nullptr;
    CLabel* productName = nullptr;
};
