// File > STB System Infomation and the System button: the system settings
// dialog, its change one undo step.
#pragma once

class CVolmarenDoc;
class QWidget;

void EditSystemInfo(CVolmarenDoc& doc, QWidget* owner);
