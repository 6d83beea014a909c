// The frequency, symbol rate and polarisation fields that Transponder Add and
// Transponder Edit share.
#pragma once

#include "CoreText.h"
#include "EditDialog.h"
#include "EntryLists.h"
#include "RecordRules.h"
#include "UserPrompts.h"

#include <QComboBox>
#include <QLineEdit>

template <class Form> void ShowTransponderChoices(Form& ui, const Rules::TransponderChoices& choices)
{
    FillList(ui.polarizationList, Entries::kPolarization);
    ui.polarizationList->setCurrentIndex(choices.polarization);
    ShowNumber(ui.frequencyEdit, choices.frequencyMhz);
    ShowNumber(ui.symbolRateEdit, choices.symbolRate);
}

// OK after the numbers were taken: writes the record, or says why not and
// returns false.
template <class Form>
bool WriteTransponderChoices(QWidget* owner, const Form& ui, Rules::TransponderChoices& choices,
                             TransponderRecord& record)
{
    choices.polarization = ui.polarizationList->currentIndex();
    if (const char* refusal = Rules::WriteTransponder(record, choices)) {
        Prompts::Message(owner, CoreText(refusal));
        return false;
    }
    return true;
}
