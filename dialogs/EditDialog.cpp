#include "EditDialog.h"

#include "CoreText.h"
#include "RecordRules.h"
#include "SystemTexts.h"
#include "UserPrompts.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

CEditDialog::CEditDialog(QWidget* parent) : QDialog(parent)
{
}

void CEditDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: event->accept(); return;
    default: QDialog::keyPressEvent(event);
    }
}

void CEditDialog::ClearDefaultButtons()
{
    const auto buttons = findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

bool CEditDialog::TakeNumber(QLineEdit* edit, std::uint32_t max, std::uint32_t& value)
{
    const Rules::Field field = Rules::ParseUnsigned(RecordBytes(edit->text()), max, value);
    if (field == Rules::Field::Ok)
        return true;
    const char* text = field == Rules::Field::TooLarge ? Text::kAbove65535 : Text::kPositiveInteger;
    Prompts::Message(this, CoreText(text), IUserPrompts::Icon::Exclamation);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    return false;
}

void AddEntry(QComboBox* list, const char* entry)
{
    list->addItem(CoreText(entry));
}

void ShowNumber(QLineEdit* edit, std::uint32_t value)
{
    ShowLimitedText(edit, QString::number(value), 5, FieldLimitValidator::Characters::Digits);
}

QString RecordText(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::string RecordBytes(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}
