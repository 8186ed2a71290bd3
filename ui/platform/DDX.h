#pragma once

namespace korvane {

// Entries of a binding list (DoDataExchange). Each does nothing once an earlier entry
// of the same pass has failed.

class CComboBox;
class CDataExchange;

// Edit field <-> number: shown as "%.15g" with a three-digit exponent; text that is
// not a number is refused with "请键入一个数。" and the member keeps its value.
void DDX_Text(CDataExchange* pDX, int id, double& value);
// Edit field <-> whole number: "%d"; refused with "请键入一个整数。".
void DDX_Text(CDataExchange* pDX, int id, int& value);
// Radio group named by its first button <-> index of the checked button within the
// group (-1: none checked).
void DDX_Radio(CDataExchange* pDX, int firstId, int& value);
// Attaches a list object to its control at the first exchange; no value moves.
void DDX_Control(CDataExchange* pDX, int id, CComboBox& control);
// Inclusive range checks of the member just read, right after its DDX_Text. On
// failure the member keeps the out-of-range value. Nothing happens when writing.
void DDV_MinMaxDouble(CDataExchange* pDX, double value, double min, double max);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int min, int max);

} // namespace korvane
