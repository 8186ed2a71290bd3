#pragma once

class QComboBox;

namespace korvane {

// A drop-down list of a form, attached to its control by the form's first exchange.
// The selection is -1 while nothing is chosen (and before attachment).
class CComboBox {
public:
    void Attach(QComboBox* control) { m_control = control; }
    bool IsAttached() const { return m_control != nullptr; }
    int GetCurSel() const;

private:
    QComboBox* m_control = nullptr;
};

} // namespace korvane
