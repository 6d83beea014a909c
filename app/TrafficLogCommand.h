// Transfer > Save Traffic Log...: the record of the last transfer, written to
// a file the user picks, for a bug report.
#pragma once

#include <string>

class QWidget;

void SaveTrafficLog(QWidget* owner, const std::string& text);
