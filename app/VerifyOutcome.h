// What Download and Verify found, told once it has ended: the notice that the
// receiver holds what was sent, or the records that differ beside the compare
// window, and a receiver history that could not be written.
#pragma once

class CVerifiedDownload;
class QWidget;

void ShowVerifyOutcome(QWidget* owner, const CVerifiedDownload& verify);
