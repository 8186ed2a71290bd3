#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace korvane {

class CalculatorForm;

// A fresh form of `calculator` ("circular", ...), with its defaults; null for a name
// that is no calculator.
std::unique_ptr<CalculatorForm> NewCalculatorForm(const QString& calculator);

// Opens the case at `path` in a new form of its own calculator and runs the form
// modally. False, after telling the user why, when the file is no case to open.
bool OpenCaseInNewForm(const QString& path, QWidget* owner);

} // namespace korvane
