#include "DesignLimitsDialog.h"

#include "FieldText.h"
#include "MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

QString LabelOf(const LimitInfo& info) {
    QString label = QString::fromUtf8(info.label);
    if (*info.unit)
        label += QString(" (%1)").arg(QString::fromUtf8(info.unit));
    return label;
}

enum Column { kUse, kValue, kBasis };

} // namespace

DesignLimitsDialog::DesignLimitsDialog(const QString& calculator, const DesignLimits& limits,
                                       QWidget* parent)
    : QDialog(parent), m_limits(limits) {
    setWindowTitle("验算限值");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("验算项"), 0, kUse);
    grid->addWidget(new QLabel("限值"), 0, kValue);
    grid->addWidget(new QLabel("依据"), 0, kBasis);
    grid->setColumnStretch(kBasis, 1);
    layout->addLayout(grid);
    for (const LimitInfo* info : LimitsOf(calculator.toStdString()))
        AddRow(*info, limits);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        grid->addWidget(m_rows[i].use, line, kUse);
        grid->addWidget(m_rows[i].value, line, kValue);
        grid->addWidget(m_rows[i].basis, line, kBasis);
    }
    auto* note = new QLabel("计算后，命令栏下方的说明行写明每项验算结论；"
                            "计算书的“验算”一节列出全部验算。");
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText("确定");
    buttons->button(QDialogButtonBox::Cancel)->setText("取消");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void DesignLimitsDialog::AddRow(const LimitInfo& info, const DesignLimits& limits) {
    const auto kept = limits.find(info.name);
    const bool used = kept != limits.end();
    Row row{&info, new QCheckBox(LabelOf(info), this), new QLineEdit(this), new QComboBox(this)};
    row.use->setObjectName(QString("use.%1").arg(info.name));
    row.value->setObjectName(QString("value.%1").arg(info.name));
    row.basis->setObjectName(QString("basis.%1").arg(info.name));
    // Room for a value such as "12345.67" and the frame.
    row.value->setFixedWidth(row.value->fontMetrics().horizontalAdvance("0") * 10 + 16);
    row.basis->setEditable(true);
    row.basis->setInsertPolicy(QComboBox::NoInsert);
    row.basis->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const LimitPreset& preset : LimitPresets()) {
        if (std::string_view(preset.limit) != info.name)
            continue;
        row.basis->addItem(QString::fromUtf8(preset.basis), preset.value);
        if (preset.value > 0)
            row.basis->setItemData(
                row.basis->count() - 1,
                QString("%1 = %2").arg(QString::fromUtf8(info.label),
                                       QString::fromStdString(FormatNumber(preset.value))),
                Qt::ToolTipRole);
    }
    row.basis->setCurrentIndex(-1);
    if (used) {
        row.value->setText(QString::fromStdString(FormatNumber(kept->second.value)));
        row.basis->setEditText(QString::fromStdString(kept->second.basis));
    }
    row.use->setChecked(used);
    row.value->setEnabled(used);
    row.basis->setEnabled(used);

    QLineEdit* value = row.value;
    QComboBox* basis = row.basis;
    connect(row.use, &QCheckBox::toggled, this, [value, basis](bool on) {
        value->setEnabled(on);
        basis->setEnabled(on);
        if (on)
            value->setFocus();
    });
    // A clause that gives a value fills it in; one that gives only the method (Ra) leaves
    // the value to the engineer.
    connect(basis, &QComboBox::activated, this, [value, basis](int index) {
        const double preset = basis->itemData(index).toDouble();
        if (preset > 0)
            value->setText(QString::fromStdString(FormatNumber(preset)));
    });
    m_rows.push_back(row);
}

void DesignLimitsDialog::accept() {
    DesignLimits read;
    for (const Row& row : m_rows) {
        if (!row.use->isChecked())
            continue;
        DesignLimit limit;
        if (const Problem problem =
                ReadLimitValue(*row.info, row.value->text().toStdString(), limit.value)) {
            AfxMessageBox(QString::fromStdString(problem.Message()), this);
            row.value->setFocus();
            row.value->selectAll();
            return;
        }
        limit.basis = row.basis->currentText().trimmed().toStdString();
        read[row.info->name] = std::move(limit);
    }
    m_limits = std::move(read);
    QDialog::accept();
}

} // namespace korvane
