#include "EditDialog.h"

#include "CoreText.h"
#include "RecordRules.h"
#include "SystemTexts.h"
#include "UserPrompts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// The room a record dialog leaves around and between its frames, and in a
// frame of fields around and between its columns; each form sets the room
// between its rows.
void SpaceFrames(const QWidget* dialog, QBoxLayout* frames)
{
    frames->setSpacing(8);
    frames->setContentsMargins(11, 11, 11, 11);
    frames->setSizeConstraint(QLayout::SetFixedSize);
    const auto fieldFrames = dialog->findChildren<QGroupBox*>();
    for (const QGroupBox* frame : fieldFrames) {
        if (auto* fields = qobject_cast<QGridLayout*>(frame->layout())) {
            fields->setHorizontalSpacing(16);
            fields->setContentsMargins(12, 14, 12, 14);
        }
    }
}

QPushButton* AddButton(QGroupBox* frame, const char* name, int templateId, const QString& text)
{
    auto* button = new QPushButton(text, frame);
    button->setObjectName(QLatin1String(name));
    button->setProperty("templateId", templateId);
    button->setMinimumWidth(80);
    button->setAutoDefault(false);
    frame->layout()->addWidget(button);
    return button;
}

OkCancel AddOkCancel(QWidget* dialog, QBoxLayout* frames)
{
    auto* frame = new QGroupBox(dialog);
    frame->setObjectName(QStringLiteral("buttonGroup"));
    const bool inRow = frames->direction() == QBoxLayout::TopToBottom;
    QBoxLayout* buttons = inRow ? static_cast<QBoxLayout*>(new QHBoxLayout(frame)) : new QVBoxLayout(frame);
    buttons->setObjectName(QStringLiteral("buttonLayout"));
    if (inRow) {
        buttons->setContentsMargins(12, 10, 12, 10);
    } else {
        buttons->setSpacing(10);
        buttons->setContentsMargins(10, 12, 10, 12);
    }
    OkCancel okCancel{};
    okCancel.ok = AddButton(frame, "okButton", 1016, CEditDialog::tr("OK"));
    if (inRow)
        buttons->addSpacerItem(new QSpacerItem(20, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    okCancel.cancel = AddButton(frame, "cancelButton", 1017, CEditDialog::tr("Cancel"));
    if (!inRow)
        buttons->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
    frames->addWidget(frame);
    return okCancel;
}

}  // namespace

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

OkCancel CEditDialog::FinishRecordForm()
{
    auto* frames = qobject_cast<QBoxLayout*>(layout());
    SpaceFrames(this, frames);
    const OkCancel okCancel = AddOkCancel(this, frames);
    ClearDefaultButtons();
    return okCancel;
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
