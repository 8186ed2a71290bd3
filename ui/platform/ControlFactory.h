#pragma once

#include "DialogTemplate.h"
#include "DialogUnits.h"

class QWidget;

namespace korvane {

// Creates the Qt widget of one template control as a child of `dialog`, placed by
// converting its rectangle to pixels. Drop-down lists are filled from the template's
// entries and left with nothing selected.
QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, QWidget* dialog);

} // namespace korvane
