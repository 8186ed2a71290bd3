#pragma once

#include "DialogTemplate.h"
#include "StandardIds.h"

#include <QDialog>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QRadioButton;

namespace korvane {

class CDataExchange;
class CMenu;

// A modal dialog built from a template in res/dialogs. Subclasses bind their members
// in DoDataExchange and map button clicks to handlers in their constructor.
class CDialog : public QDialog {
public:
    explicit CDialog(int templateId, QWidget* parent = nullptr);
    ~CDialog() override;

    // Builds the window, runs it modally and returns IDOK, IDCANCEL or -1 (template
    // missing, or the opening exchange failed).
    int DoModal();
    // Builds the window and runs OnInitDialog without a modal loop (then show() it);
    // false when it cannot open. For embedding and tests.
    bool Create();
    // Runs the binding list: true = fields to members with validation, false = members
    // to fields. False when an entry failed; the user has been told.
    bool UpdateData(bool saveAndValidate = true);
    void EndDialog(int result);

    QWidget* GetDlgItem(int id) const;
    CMenu* GetSystemMenu();
    void SetIcon(const QIcon& icon, bool bigIcon);
    // Asks for a repaint of the whole form with the background erased.
    void Invalidate();

    // Puts `strip` below the template's area, across the window, which grows by the
    // strip's height; no control of the template moves. Call after the template is built;
    // calling it again fits the window to the strip's new height.
    void AddStripBelowTemplate(QWidget* strip);
    // The template's area in pixels: where the dialog's own painting goes.
    QRect TemplateArea() const { return m_templateArea; }

    // The radio buttons of the group that starts with `firstId`, in template order.
    std::vector<QRadioButton*> RadioGroup(int firstId) const;
    // Checks the button at `position` of that group only; a position outside the group
    // leaves none checked, which an exclusive group would not allow. No click is sent.
    void CheckRadio(int firstId, int position) const;

protected:
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnPaint() {}
    virtual void OnSysCommand(unsigned id, long param);

    // Message-map entry: `handler` runs when button or radio `id` is clicked.
    void MapClick(int id, std::function<void()> handler);
    // Greys control `id` or brings it back; its value still takes part in the exchange.
    void EnableField(int id, bool enable);

    void reject() override; // Escape and the close box
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool BuildFromTemplate();
    void CreateRadioGroups();
    void LayOutLabels();
    void SetTabOrderAndFocus();
    void CenterOverOwner();
    void OnControlClicked(int id);
    void ShowSystemMenu(const QPoint& globalPos);

    int m_templateId;
    DialogTemplate m_template;
    std::vector<QWidget*> m_controls; // parallel to m_template.controls
    std::map<int, std::function<void()>> m_clickHandlers;
    std::unique_ptr<CMenu> m_systemMenu;
    QRect m_templateArea;
    bool m_built = false;
    bool m_exchanging = false;
};

} // namespace korvane
