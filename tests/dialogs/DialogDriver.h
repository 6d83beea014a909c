// Drives a dialog the way a person does: clicks, typing and arrow keys on
// the controls found by their template ids.
#pragma once

#include "TemplateIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QValidator>

#include <cstring>

namespace Drive {

inline QLineEdit* Edit(const QWidget* dialog, int id)
{
    return FindByTemplateId<QLineEdit>(dialog, id);
}

inline QComboBox* List(const QWidget* dialog, int id)
{
    return FindByTemplateId<QComboBox>(dialog, id);
}

inline QAbstractButton* Button(const QWidget* dialog, int id)
{
    return FindByTemplateId<QAbstractButton>(dialog, id);
}

inline void Click(const QWidget* dialog, int id)
{
    QTest::mouseClick(Button(dialog, id), Qt::LeftButton);
}

inline void Ok(const QWidget* dialog)
{
    Click(dialog, DialogIds::kOk);
}

inline void Cancel(const QWidget* dialog)
{
    Click(dialog, DialogIds::kCancel);
}

// Clicks into the field, selects everything and types over it.
inline void Retype(const QWidget* dialog, int id, const QString& text)
{
    QLineEdit* edit = Edit(dialog, id);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Chooses an entry with the keyboard: Home, then Down `index` times.
inline void Choose(const QWidget* dialog, int id, int index)
{
    QComboBox* list = List(dialog, id);
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
}

// Types any characters, also those no key of a test keyboard has.
inline void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// How many characters typing can put into an empty field.
inline int TypingLimit(const QLineEdit* edit)
{
    QString text;
    while (text.size() < 100) {
        QString longer = text + QLatin1Char('7');
        int position = int(longer.size());
        if (edit->validator()->validate(longer, position) == QValidator::Invalid)
            break;
        text = longer;
    }
    return int(text.size());
}

inline QStringList ListEntries(const QWidget* dialog, int id)
{
    QStringList entries;
    const QComboBox* list = List(dialog, id);
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->itemText(i));
    return entries;
}

// Opens the dialog as the user would see it, active and focused.
inline bool Open(QDialog& dialog)
{
    dialog.open();
    return QTest::qWaitForWindowActive(&dialog);
}

inline bool IsOpen(const QDialog& dialog)
{
    return dialog.isVisible();
}

// The template ids of the controls the Tab key visits, from the one with the
// focus round to it.
inline QList<int> TabOrder(const QWidget* dialog)
{
    QList<int> ids;
    const QWidget* first = dialog->focusWidget();
    for (const QWidget* at = first; at && ids.size() < 50;) {
        ids.append(at->property(kTemplateIdProperty).toInt());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        at = QApplication::focusWidget();
        if (at == first)
            break;
    }
    return ids;
}

// Runs `step` on the modal dialog that the next nested exec() opens.
template <class Step> void OnNextModal(Step step)
{
    QTimer::singleShot(0, [step] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(modal);
        step(*modal);
    });
}

template <class Record> bool SameBytes(const Record& a, const Record& b)
{
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

template <class Record> Record Filled(unsigned char byte)
{
    Record record;
    std::memset(&record, byte, sizeof record);
    return record;
}

}  // namespace Drive
