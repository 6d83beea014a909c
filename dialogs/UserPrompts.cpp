#include "UserPrompts.h"

#include "CoreText.h"
#include "SystemTexts.h"

#include <QCoreApplication>

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace {

class PlatformPrompts final : public IUserPrompts {
public:
    Answer Ask(QWidget* owner, const QString& text, const QString& caption, Buttons buttons,
               Icon icon) override
    {
        QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, caption, text,
                        StandardButtons(buttons), owner);
        switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
        }
    }

    QString OpenFileName(QWidget* owner, const QString& caption) override
    {
        return QFileDialog::getOpenFileName(
            owner, caption, QString(),
            QCoreApplication::translate("UserPrompts", "STB images (*.dat);;All files (*)"));
    }

    QString SaveFileName(QWidget* owner, const QString& caption, const QString& proposedPath) override
    {
        QFileDialog dialog(owner, caption, proposedPath,
                           QCoreApplication::translate("UserPrompts", "All files (*)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("dat"));
        dialog.setOption(QFileDialog::ReadOnly, true);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }

    int PopupMenu(QWidget* owner, const QStringList& items, const QPoint& globalPos) override
    {
        QMenu menu(owner);
        QList<QAction*> actions;
        for (const QString& item : items)
            actions.append(item.isEmpty() ? menu.addSeparator() : menu.addAction(item));
        return int(actions.indexOf(menu.exec(globalPos)));
    }

private:
    static QMessageBox::StandardButtons StandardButtons(Buttons buttons)
    {
        switch (buttons) {
        case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::Ok: break;
        }
        return QMessageBox::Ok;
    }
};

PlatformPrompts g_platform;
IUserPrompts* g_current = &g_platform;

}  // namespace

namespace Prompts {

IUserPrompts& Current()
{
    return *g_current;
}

void Install(IUserPrompts* prompts)
{
    g_current = prompts ? prompts : &g_platform;
}

void Message(QWidget* owner, const QString& text, IUserPrompts::Icon icon)
{
    Current().Ask(owner, text, QString::fromLatin1(Text::kAppTitle), IUserPrompts::Buttons::Ok, icon);
}

bool Confirm(QWidget* owner, const QString& text)
{
    return Current().Ask(owner, text, CoreText(Text::kWarningCaption), IUserPrompts::Buttons::YesNo,
                         IUserPrompts::Icon::None) == IUserPrompts::Answer::Yes;
}

bool AskYesNo(QWidget* owner, const QString& text)
{
    return Current().Ask(owner, text, QString::fromLatin1(Text::kAppTitle), IUserPrompts::Buttons::YesNo,
                         IUserPrompts::Icon::None) == IUserPrompts::Answer::Yes;
}

}  // namespace Prompts
