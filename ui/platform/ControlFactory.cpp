#include "ControlFactory.h"

#include "PictureControl.h"
#include "TemplateEdit.h"
#include "TemplateGroupBox.h"
#include "TemplateRadioButton.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace korvane {

namespace {

constexpr int kIconPixels = 32;     // an icon control sizes itself to the icon
constexpr int kComboBoxHeight = 12; // dialog units of the closed list, one line of text

QWidget* CreatePicture(const ControlTemplate& control, QWidget* dialog) {
    auto* picture = new PictureControl(":/" + control.image, dialog);
    if (control.sunken)
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    else if (control.bordered)
        picture->setFrameStyle(QFrame::Box | QFrame::Plain);
    return picture;
}

QWidget* CreateComboBox(const ControlTemplate& control, QWidget* dialog) {
    // Pick-only: the calculations read the selection, so the list must not show text
    // that is not one of its entries. Typing jumps to a matching entry.
    auto* combo = new QComboBox(dialog);
    combo->addItems(control.items);
    // Filling selects the first entry; the lists open with nothing chosen.
    combo->setCurrentIndex(-1);
    return combo;
}

QWidget* CreateWidget(const ControlTemplate& control, QWidget* dialog) {
    switch (control.type) {
    case ControlType::Button: {
        auto* button = new QPushButton(control.text, dialog);
        button->setDefault(control.defaultButton);
        return button;
    }
    case ControlType::Edit:
        return new TemplateEdit(dialog);
    case ControlType::Label: {
        // Static text; the dialog breaks and places it once every control stands.
        return new QLabel(control.text, dialog);
    }
    case ControlType::Picture:
    case ControlType::Icon:
        return CreatePicture(control, dialog);
    case ControlType::GroupBox:
        return new TemplateGroupBox(control.text, dialog);
    case ControlType::Radio: {
        // Exclusive within its template group: the dialog puts each group into a
        // QButtonGroup, which then decides exclusivity and arrow-key movement.
        return new TemplateRadioButton(control.text, dialog);
    }
    case ControlType::ComboBox:
        return CreateComboBox(control, dialog);
    }
    return nullptr;
}

} // namespace

QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, QWidget* dialog) {
    QWidget* widget = CreateWidget(control, dialog);
    if (!widget)
        return nullptr;
    QRect pixels = units.ToPixels(control.rect);
    if (control.type == ControlType::Icon)
        pixels.setSize(QSize(kIconPixels, kIconPixels));
    if (control.type == ControlType::ComboBox) // the template's height includes the drop-down
        pixels.setHeight(units.ToPixelsY(kComboBoxHeight));
    widget->setGeometry(pixels);
    widget->setEnabled(!control.disabled);
    if (control.type == ControlType::GroupBox)
        widget->lower(); // a frame behind the fields it encloses, whatever the template order
    return widget;
}

} // namespace korvane
