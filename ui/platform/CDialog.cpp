#include "CDialog.h"

#include "CDataExchange.h"
#include "CMenu.h"
#include "CWinApp.h"
#include "ControlFactory.h"
#include "DialogFont.h"
#include "LabelLayout.h"
#include "MessageBox.h"
#include "RadioTabStop.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>

namespace korvane {

CDialog::CDialog(int templateId, QWidget* parent) : QDialog(parent), m_templateId(templateId) {
    MapClick(IDOK, [this] { OnOK(); });
    MapClick(IDCANCEL, [this] { OnCancel(); });
}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
    if (!Create())
        return -1;
    return exec();
}

bool CDialog::Create() {
    if (!m_built && !BuildFromTemplate())
        return false;
    setResult(0);
    if (OnInitDialog())
        SetTabOrderAndFocus();
    // The opening exchange may have failed and ended the dialog.
    if (result() == -1)
        return false;
    CenterOverOwner();
    return true;
}

bool CDialog::BuildFromTemplate() {
    auto loaded = LoadDialogTemplate(m_templateId);
    if (!loaded)
        return false;
    m_template = std::move(*loaded);
    // A form opened without a parent belongs to the main window: it stays above the
    // launcher and is centred over it.
    if (!parentWidget()) {
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd && app->m_pMainWnd != this)
            setParent(app->m_pMainWnd, windowFlags());
    }
    // A template's size is its layout: the window offers no maximise button (the
    // customised title has only the hints named here) and says it is fixed in size.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(m_template.caption);
    const QFont font = DialogFont();
    setFont(font);
    const DialogUnits units = DialogUnits::ForTemplateFont(m_template.fontName, font);
    m_templateArea = QRect(QPoint(0, 0), units.ToPixels(m_template.size));
    setFixedSize(m_templateArea.size());
    for (const ControlTemplate& control : m_template.controls) {
        QWidget* widget = CreateControl(control, units, this);
        m_controls.push_back(widget);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const int id = control.id;
            connect(button, &QAbstractButton::clicked, this, [this, id] { OnControlClicked(id); });
        }
    }
    CreateRadioGroups();
    LayOutLabels();
    m_built = true;
    return true;
}

// One exclusive set per template group: a group runs from a control marked as its
// start up to the next such control. Each set is a single tab stop (see
// KeepTabStopOnChecked); the arrow keys move within it.
void CDialog::CreateRadioGroups() {
    QButtonGroup* group = nullptr;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (i == 0 || m_template.controls[i].groupStart)
            group = nullptr;
        auto* radio = qobject_cast<QRadioButton*>(m_controls[i]);
        if (!radio)
            continue;
        if (!group) {
            group = new QButtonGroup(this);
            group->setExclusive(true);
            connect(group, &QButtonGroup::buttonToggled, this,
                    [group] { KeepTabStopOnChecked(*group); });
        }
        group->addButton(radio);
    }
    for (QButtonGroup* radios : findChildren<QButtonGroup*>(Qt::FindDirectChildrenOnly))
        KeepTabStopOnChecked(*radios);
}

void CDialog::LayOutLabels() {
    const QList<QWidget*> controls(m_controls.begin(), m_controls.end());
    for (QWidget* control : m_controls) {
        if (auto* label = qobject_cast<QLabel*>(control))
            LayOutLabel(*label, FieldBeside(*label, controls));
    }
}

std::vector<QRadioButton*> CDialog::RadioGroup(int firstId) const {
    std::vector<QRadioButton*> radios;
    std::size_t i = 0;
    while (i < m_controls.size() && m_template.controls[i].id != firstId)
        ++i;
    for (std::size_t j = i; j < m_controls.size(); ++j) {
        if (j > i && m_template.controls[j].groupStart)
            break;
        if (auto* radio = qobject_cast<QRadioButton*>(m_controls[j]))
            radios.push_back(radio);
    }
    return radios;
}

void CDialog::CheckRadio(int firstId, int position) const {
    const std::vector<QRadioButton*> buttons = RadioGroup(firstId);
    QButtonGroup* group = buttons.empty() ? nullptr : buttons.front()->group();
    if (group)
        group->setExclusive(false);
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setChecked(static_cast<int>(i) == position);
    if (group)
        group->setExclusive(true);
}

// The chain holds every control that can take the focus, radio buttons that are not
// a tab stop at the moment included: which button of a group is the stop changes
// with its choice, and the chain must already hold it in template order.
void CDialog::SetTabOrderAndFocus() {
    QWidget* previous = nullptr;
    QWidget* first = nullptr;
    for (QWidget* widget : m_controls) {
        if (!widget || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
        if (!first && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus))
            first = widget;
    }
    if (first)
        first->setFocus(Qt::TabFocusReason);
}

void CDialog::CenterOverOwner() {
    QRect area;
    if (parentWidget())
        area = parentWidget()->window()->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) {
        QRect frame = geometry();
        frame.moveCenter(area.center());
        move(frame.topLeft());
    }
}

bool CDialog::OnInitDialog() {
    if (!UpdateData(false)) {
        EndDialog(-1);
        return false;
    }
    return true;
}

void CDialog::OnOK() {
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnSysCommand(unsigned id, long) {
    if ((id & 0xFFF0) == SC_CLOSE)
        close();
}

bool CDialog::UpdateData(bool saveAndValidate) {
    // Controls set by the exchange raise notifications that handlers must not see.
    QScopedValueRollback<bool> guard(m_exchanging, true);
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (...) {
        AfxMessageBox(ExchangeMessage(IDS_INTERNAL_ERROR), this);
        return false;
    }
    return !dx.Failed();
}

void CDialog::AddStripBelowTemplate(QWidget* strip) {
    if (strip->parentWidget() != this)
        strip->setParent(this);
    const int height = strip->sizeHint().height();
    strip->setGeometry(0, m_templateArea.bottom() + 1, m_templateArea.width(), height);
    setFixedSize(m_templateArea.width(), m_templateArea.height() + height);
    strip->show();
}

void CDialog::EndDialog(int result) {
    done(result);
}

QWidget* CDialog::GetDlgItem(int id) const {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_template.controls[i].id == id && id != IDC_STATIC)
            return m_controls[i];
    }
    return nullptr;
}

void CDialog::MapClick(int id, std::function<void()> handler) {
    m_clickHandlers[id] = std::move(handler);
}

void CDialog::EnableField(int id, bool enable) {
    if (QWidget* field = GetDlgItem(id))
        field->setEnabled(enable);
}

void CDialog::OnControlClicked(int id) {
    if (m_exchanging)
        return;
    const auto it = m_clickHandlers.find(id);
    if (it != m_clickHandlers.end())
        it->second();
}

void CDialog::reject() {
    OnCancel();
}

void CDialog::SetIcon(const QIcon& icon, bool) {
    setWindowIcon(icon);
}

void CDialog::Invalidate() {
    update();
}

void CDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    OnPaint();
}

// The platform offers no menu on the title bar: the window menu opens with the
// context menu (right click) and with the Menu key, Shift+F10 and Alt+Space.
CMenu* CDialog::GetSystemMenu() {
    if (!m_systemMenu) {
        m_systemMenu = std::make_unique<CMenu>(this);
        m_systemMenu->SetCommandHandler([this](unsigned id) { OnSysCommand(id, 0); });
        m_systemMenu->AppendMenu(MF_STRING, SC_CLOSE, "关闭(&C)");
        for (const QKeySequence& keys :
             {QKeySequence(Qt::ALT | Qt::Key_Space), QKeySequence(Qt::SHIFT | Qt::Key_F10),
              QKeySequence(Qt::Key_Menu)}) {
            auto* shortcut = new QShortcut(keys, this);
            connect(shortcut, &QShortcut::activated, this,
                    [this] { ShowSystemMenu(mapToGlobal(QPoint(0, 0))); });
        }
    }
    return m_systemMenu.get();
}

void CDialog::ShowSystemMenu(const QPoint& globalPos) {
    if (m_systemMenu)
        m_systemMenu->Popup(globalPos);
}

void CDialog::contextMenuEvent(QContextMenuEvent* event) {
    if (!m_systemMenu) {
        QDialog::contextMenuEvent(event);
        return;
    }
    ShowSystemMenu(event->globalPos());
}

} // namespace korvane
