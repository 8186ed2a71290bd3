#include "CaseOpening.h"

#include "CaseFile.h"
#include "DLGspczl1.h"
#include "DLGspczl2.h"
#include "DLzhexian.h"
#include "Dlgyuanhuhuadong.h"
#include "MessageBox.h"
#include "RecentCases.h"

namespace korvane {

std::unique_ptr<CalculatorForm> NewCalculatorForm(const QString& calculator) {
    if (calculator == "circular")
        return std::make_unique<CDlgyuanhuhuadong>();
    if (calculator == "polyline")
        return std::make_unique<CDLzhexian>();
    if (calculator == "combined")
        return std::make_unique<CDLGspczl1>();
    if (calculator == "highcap")
        return std::make_unique<CDLGspczl2>();
    return nullptr;
}

bool OpenCaseInNewForm(const QString& path, QWidget* owner) {
    // The last closed inputs are shown as they were, even a text the form refuses.
    const bool lastClosed = IsLastClosedCase(path);
    CaseData data;
    if (const Problem problem = LoadCaseFile(path, data, !lastClosed)) {
        AfxMessageBox("无法打开算例。\n" + QString::fromStdString(problem.Message()), owner);
        return false;
    }
    const QString calculator = QString::fromStdString(data.calculator);
    std::unique_ptr<CalculatorForm> form = NewCalculatorForm(calculator);
    form->OpenWith(data, lastClosed ? QString() : path);
    if (!lastClosed) {
        RememberCase(path, calculator);
        RememberCaseFolder(path);
    }
    form->DoModal();
    return true;
}

} // namespace korvane
