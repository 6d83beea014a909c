// The fields and lists that Channel Add and Channel Edit share. The dialogs
// differ in the order they take the PIDs in and in what OK writes.
#pragma once

#include "EditDialog.h"
#include "EntryLists.h"
#include "RecordRules.h"

#include <QComboBox>
#include <QLineEdit>

template <class Form>
void ShowChannelChoices(Form& ui, const Rules::ChannelChoices& choices, ChannelKind kind)
{
    ui.videoPidEdit->setEnabled(kind == kTv);
    FillList(ui.lockList, Entries::kOffOn);
    FillList(ui.skipList, Entries::kOffOn);
    FillList(ui.audioList, Entries::kAudio);
    for (const Entries::CaSystem& system : Entries::kCaSystems)
        AddEntry(ui.scrambleList, system.name);

    ShowLimitedText(ui.nameEdit, RecordText(choices.name), 12);
    ShowNumber(ui.videoPidEdit, choices.videoPid);
    ShowNumber(ui.audioPidEdit, choices.audioPid);
    ShowNumber(ui.pcrPidEdit, choices.pcrPid);
    ui.lockList->setCurrentIndex(choices.lock);
    ui.skipList->setCurrentIndex(choices.skip);
    ui.audioList->setCurrentIndex(choices.audio);
    ShowLimitedText(ui.bouquetEdit, RecordText(choices.bouquet), 19);
    ui.scrambleList->setCurrentIndex(choices.scramble);
}

// Everything but the PIDs, which each dialog takes in its own order.
template <class Form> void TakeChannelTexts(const Form& ui, Rules::ChannelChoices& choices)
{
    choices.name = RecordBytes(ui.nameEdit->text());
    choices.bouquet = RecordBytes(ui.bouquetEdit->text());
    choices.lock = ui.lockList->currentIndex();
    choices.skip = ui.skipList->currentIndex();
    choices.audio = ui.audioList->currentIndex();
    choices.scramble = ui.scrambleList->currentIndex();
}
