#pragma once

#include "DesignLimits.h"

#include <QDialog>
#include <QString>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace korvane {

// 验算限值: the limits a calculator's results are checked against, one row each: whether
// to check it, its value and the clause it rests on (a list of the usual ones, or any
// text). OK reads every value checked by the field rules; a refused one is named in a
// message box and the dialog stays open with that field's text selected.
class DesignLimitsDialog : public QDialog {
public:
    DesignLimitsDialog(const QString& calculator, const DesignLimits& limits,
                       QWidget* parent = nullptr);

    // The limits as accepted.
    const DesignLimits& Limits() const { return m_limits; }

    void accept() override;

private:
    struct Row {
        const LimitInfo* info;
        QCheckBox* use;
        QLineEdit* value;
        QComboBox* basis;
    };
    void AddRow(const LimitInfo& info, const DesignLimits& limits);

    std::vector<Row> m_rows;
    DesignLimits m_limits;
};

} // namespace korvane
