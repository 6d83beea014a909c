// What every edit dialog of the editor shares: Enter and Escape never end it
// and no button is the default, its numeric fields take five digits, and a
// field that does not hold a number stops OK at that field. The dialogs that
// edit one record (satellite, transponder, channel, group, system settings)
// also share their spacing and their OK and Cancel, which their forms leave to
// the code.
#pragma once

#include "FieldLimit.h"

#include <QDialog>
#include <QPushButton>

#include <array>
#include <cstdint>
#include <string>

class QComboBox;
class QLineEdit;

struct OkCancel {
    QPushButton* ok;
    QPushButton* cancel;
};

class CEditDialog : public QDialog {
    Q_OBJECT

public:
    explicit CEditDialog(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // Call once the form is set up: no push button reacts to Enter.
    void ClearDefaultButtons();

    // Call once the form of a record's fields is set up: gives it the record
    // dialogs' spacing, ends it with OK (1016) and Cancel (1017) in a frame of
    // their own, side by side below the fields of a form laid out top to
    // bottom and stacked beside those of one laid out left to right, and
    // clears the default buttons.
    OkCancel FinishRecordForm();

    // The Add or Edit dialog of a record on the form they share, named after
    // its class rather than the form: OK calls `onOk`, Cancel closes the
    // dialog.
    template <class Form, class Dialog>
    void SetUpRecordForm(Form& ui, const QString& title, void (Dialog::*onOk)())
    {
        setObjectName(QLatin1String(Dialog::staticMetaObject.className()));
        ui.setupUi(this);
        setWindowTitle(title);
        const OkCancel buttons = FinishRecordForm();
        connect(buttons.ok, &QPushButton::clicked, static_cast<Dialog*>(this), onOk);
        connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    }

    // Takes the number in `edit` (at most `max`). When it holds none, or a
    // larger one, says so, puts the focus on the field with its text selected
    // and returns false.
    bool TakeNumber(QLineEdit* edit, std::uint32_t max, std::uint32_t& value);
};

// Appends the entries in their order, in the user's language; the lists are
// never sorted.
void AddEntry(QComboBox* list, const char* entry);
template <std::size_t N> void FillList(QComboBox* list, const std::array<const char*, N>& entries)
{
    for (const char* entry : entries)
        AddEntry(list, entry);
}

// Shows a number in a field that takes digits only, five of them when typed.
void ShowNumber(QLineEdit* edit, std::uint32_t value);

// Record texts are single-byte strings; Latin-1 maps each byte to one
// character and back, so a name is written back as it was read.
QString RecordText(const std::string& text);
std::string RecordBytes(const QString& text);
