#include "aboutdlg.h"

#include "controlid.h"
#include "dialogbuilder.h"
#include "hoverbutton.h"
#include "label.h"
#include "platform/fontfiles.h"
#include "resources/buttonstrips.h"
#include "resources/controlids.h"
#include "resources/resourceids.h"

namespace {
const QColor kProductNameColour(0, 128, 192);
const QColor kDetailColour(0, 125, 251);
constexpr int kProductNameHeight = 22;
constexpr int kDetailHeight = 14;
} // namespace

const MessageRow<CAboutDlg> CAboutDlg::kMessages[] = {
    {resources::kAboutCloseButton, Notification::Clicked, [](CAboutDlg& box) { box.accept(); }},
};

CAboutDlg::CAboutDlg(QWidget* parent) : SkinnedDialog(parent)
{
    BuildDialogTemplate(resources::kAboutTemplate, this,
                        [](const resources::TemplateControl& row, QWidget* owner) -> QWidget* {
                            return row.kind == resources::ControlKind::Static ? new CLabel(owner) : nullptr;
                        });
    closeButton = RequireControl<CHoverButton>(this, resources::kAboutCloseButton);
    productName = Label(resources::kAboutProductName);
    version = Label(resources::kAboutVersion);
    noticeFirst = Label(resources::kAboutNoticeFirst);
    noticeSecond = Label(resources::kAboutNoticeSecond);
    BindWholeMessageTable<CAboutDlg>(*this, this, kMessages);

    LoadSkin(resources::kAboutSkin);
    ApplyShape();
    closeButton->LoadFrameStrip(resources::kAboutCloseStrip);
    // The button has no tip; it is named by the word on its picture.
    closeButton->SetShownWords(QString::fromUtf16(resources::kAboutCloseWords));
    closeButton->setAccessibleDescription(QStringLiteral("Closes the about box"));
    // The box has no title bar, but a screen reader announces it by its title.
    setWindowTitle(QStringLiteral("About %1").arg(productName->text()));
    setAccessibleDescription(version->text());
    productName->SetTextColour(kProductNameColour).SetBold(true).SetCharHeight(kProductNameHeight);
    for (CLabel* detail : {version, noticeFirst, noticeSecond})
        detail->SetTextColour(kDetailColour).SetBold(true).SetCharHeight(kDetailHeight);

    // The box's own use of the font file, paired with the removal when it
    // closes, so closing it never takes the font from the main window.
    platform::FontFiles::Add(platform::kArialFontFile);
}

CAboutDlg::~CAboutDlg()
{
    platform::FontFiles::Remove(platform::kArialFontFile);
}

CLabel* CAboutDlg::Label(int controlId) const
{
    return qobject_cast<CLabel*>(FindControl(const_cast<CAboutDlg*>(this), controlId));
}

QBrush CAboutDlg::ChildBackground(QWidget*, resources::ControlKind kind, const QBrush& proposed)
{
    // Texts are drawn straight onto the skin.
    return kind == resources::ControlKind::Static ? QBrush(Qt::NoBrush) : proposed;
}
