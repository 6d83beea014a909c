// The name field and the five lists that Satellite Add and Satellite Edit
// share; only the 0V/12V order differs between them.
#pragma once

#include "EditDialog.h"
#include "EntryLists.h"
#include "RecordRules.h"

#include <QComboBox>
#include <QLineEdit>

template <class Form> void FillSatelliteLists(Form& ui, const std::array<const char*, 2>& powerOrder)
{
    for (const Entries::LnbChoice& lnb : Entries::kLnb)
        AddEntry(ui.lnbList, lnb.label);
    FillList(ui.powerList, powerOrder);
    FillList(ui.voltageList, Entries::kVoltage);
    FillList(ui.toneList, Entries::kTone22k);
    FillList(ui.diseqcList, Entries::kDiseqc);
}

template <class Form> void ShowSatelliteChoices(Form& ui, const Rules::SatelliteChoices& choices)
{
    ShowLimitedText(ui.nameEdit, RecordText(choices.name), 15);
    ui.lnbList->setCurrentIndex(choices.lnb);
    ui.powerList->setCurrentIndex(choices.power);
    ui.voltageList->setCurrentIndex(choices.voltage);
    ui.toneList->setCurrentIndex(choices.tone22k);
    ui.diseqcList->setCurrentIndex(choices.diseqc);
}

template <class Form> Rules::SatelliteChoices TakeSatelliteChoices(const Form& ui)
{
    Rules::SatelliteChoices choices;
    choices.name = RecordBytes(ui.nameEdit->text());
    choices.lnb = ui.lnbList->currentIndex();
    choices.power = ui.powerList->currentIndex();
    choices.voltage = ui.voltageList->currentIndex();
    choices.tone22k = ui.toneList->currentIndex();
    choices.diseqc = ui.diseqcList->currentIndex();
    return choices;
}
