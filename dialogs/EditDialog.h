// What every edit dialog of the editor shares: Enter and Escape never end it
// and no button is the default, its numeric fields take five digits, and a
// field that does not hold a number stops OK at that field.
#pragma once

#include "FieldLimit.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <string>

class QComboBox;
class QLineEdit;

class CEditDialog : public QDialog {
    Q_OBJECT

public:
    explicit CEditDialog(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // Call once the form is set up: no push button reacts to Enter.
    void ClearDefaultButtons();

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
