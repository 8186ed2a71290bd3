#pragma once

#include <QString>

// The text of string resource `id` from res/strings.json; empty when there is none.
QString LoadStringResource(int id);
