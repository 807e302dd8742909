#include "dialogbuilder.h"

#include "controlid.h"
#include "hoverbutton.h"
#include "platform/dialogunits.h"
#include "textoptions.h"
#include "transparentstatic.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

using resources::ControlKind;
using resources::TemplateControl;
namespace style = resources::style;

struct KindRow {
    ControlKind kind;
    QWidget* (*make)(QWidget* parent);
};

// The widget each kind gets when the window makes none of its own. Picture
// buttons are always hover buttons: there is no other owner-drawn button.
const KindRow kDefaultWidgets[] = {
    {ControlKind::Static, [](QWidget* p) -> QWidget* { return new QLabel(p); }},
    {ControlKind::OwnerDrawButton, [](QWidget* p) -> QWidget* { return new CHoverButton(p); }},
    {ControlKind::Edit, [](QWidget* p) -> QWidget* { return new QLineEdit(p); }},
    {ControlKind::AutoCheckBox, [](QWidget* p) -> QWidget* { return new QCheckBox(p); }},
    {ControlKind::DropDownList, [](QWidget* p) -> QWidget* { return new QComboBox(p); }},
    {ControlKind::ListBox, [](QWidget* p) -> QWidget* { return new QListWidget(p); }},
};

QWidget* MakeDefault(ControlKind kind, QWidget* parent)
{
    for (const KindRow& row : kDefaultWidgets)
        if (row.kind == kind)
            return row.make(parent);
    return new QWidget(parent);
}

void ApplyText(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text); // a picture button keeps it as its accessible name
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
}

void ApplyStyle(QWidget* control, const TemplateControl& row)
{
    if (auto* transparent = qobject_cast<CTransparentStatic*>(control)) {
        transparent->SetStaticStyle(row.style);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        const QtTextLayout layout = QtLayoutForOptions(DrawingOptionsForStyle(row.style));
        label->setAlignment(static_cast<Qt::Alignment>(layout.flags & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask)));
        label->setWordWrap(layout.flags & Qt::TextWordWrap);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setFrame(row.style & style::kBorder);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
        area->setFrameStyle(row.style & style::kBorder ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        area->setVerticalScrollBarPolicy(row.style & style::kVerticalScroll ? Qt::ScrollBarAsNeeded
                                                                             : Qt::ScrollBarAlwaysOff);
        area->setHorizontalScrollBarPolicy(row.style & style::kHorizontalScroll ? Qt::ScrollBarAsNeeded
                                                                                 : Qt::ScrollBarAlwaysOff);
        area->viewport()->setAutoFillBackground(!(row.style & style::kTransparent));
    }
    if (row.style & style::kTransparent)
        control->setAutoFillBackground(false);
}

} // namespace

QRect ControlRectInPixels(const TemplateControl& row)
{
    return platform::DialogUnitsToPixels(QRect(row.x, row.y, row.width, row.height));
}

void BuildDialogTemplate(const resources::DialogTemplate& dialog, QWidget* window, const ControlMaker& maker)
{
    window->resize(platform::DialogUnitsToPixels(QRect(0, 0, dialog.width, dialog.height)).size());
    for (const TemplateControl& row : dialog.controls) {
        QWidget* control = maker ? maker(row, window) : nullptr;
        if (!control)
            control = MakeDefault(row.kind, window);
        SetControlId(control, row.id);
        ApplyText(control, QString::fromUtf16(row.text));
        ApplyStyle(control, row);
        QRect place = ControlRectInPixels(row);
        // A drop-down list's template height includes its open list; on
        // screen it is as high as its face.
        if (row.kind == ControlKind::DropDownList)
            place.setHeight(control->sizeHint().height());
        control->setGeometry(place);
        control->show();
    }
}
