#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace korvane {

// A dialog as the resource files describe it: caption, size and controls in dialog
// units, in template order (which is the tab order and decides radio groups).

enum class ControlType { Button, Edit, Label, Picture, Icon, GroupBox, Radio, ComboBox };

struct ControlTemplate {
    ControlType type = ControlType::Label;
    int id = -1;       // IDC_STATIC (-1) for controls nobody addresses
    QString text;      // caption of buttons, labels and group boxes
    QRect rect;        // dialog units
    QString image;     // resource path of a picture or icon, below ":/"
    QStringList items; // initial entries of a drop-down list
    bool groupStart = false;
    bool defaultButton = false;
    bool sunken = false;   // picture drawn in a sunken frame
    bool bordered = false; // picture drawn with a border
    bool disabled = false;
};

struct DialogTemplate {
    int id = 0;
    QString caption;
    QSize size;       // dialog units
    QString fontName; // "System" or a CJK face such as "宋体"
    int pointSize = 9;
    std::vector<ControlTemplate> controls;
};

// Loads template `id` from the program's resources (":/dialogs/<id>.json"), resolving
// control names through res/resource.h. Empty when the template is missing or broken;
// the reason goes to the debug log.
std::optional<DialogTemplate> LoadDialogTemplate(int id);

} // namespace korvane
