#include "UserPrompts.h"

#include "CReportDlg.h"
#include "CoreText.h"
#include "SystemTexts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

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

    int Choose(QWidget* owner, const QString& text, const QString& caption,
               const QStringList& choices) override
    {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton, owner);
        QList<QAbstractButton*> buttons;
        for (const QString& choice : choices)
            buttons.append(box.addButton(choice, QMessageBox::ActionRole));
        box.setEscapeButton(buttons.constLast());
        box.exec();
        const int chosen = int(buttons.indexOf(box.clickedButton()));
        return chosen >= 0 ? chosen : int(choices.size()) - 1;
    }

    QString OpenFileName(QWidget* owner, const QString& caption, FileKind kind) override
    {
        return QFileDialog::getOpenFileName(owner, caption, QString(), Filter(kind));
    }

    QString SaveFileName(QWidget* owner, const QString& caption, const QString& proposedPath,
                         FileKind kind) override
    {
        int format = 0;
        return SaveFileInFormat(owner, caption, proposedPath, kind,
                                {QCoreApplication::translate("UserPrompts", "All files (*)")}, format);
    }

    QString SaveFileInFormat(QWidget* owner, const QString& caption, const QString& proposedPath,
                             FileKind kind, const QStringList& formats, int& format) override
    {
        QFileDialog dialog(owner, caption, proposedPath);
        dialog.setNameFilters(formats);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(DefaultSuffix(kind));
        dialog.setOption(QFileDialog::ReadOnly, true);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        format = std::max(0, int(formats.indexOf(dialog.selectedNameFilter())));
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

    bool ShowReport(QWidget* owner, const QString& caption, const QString& summary, const QStringList& lines,
                    const QString& acceptText) override
    {
        CReportDlg dialog(caption, summary, lines, acceptText, owner);
        return dialog.exec() == QDialog::Accepted && !acceptText.isEmpty();
    }

private:
    static QString Filter(FileKind kind)
    {
        switch (kind) {
        case FileKind::ChannelList:
            return QCoreApplication::translate("UserPrompts", "Channel lists (*.csv);;All files (*)");
        case FileKind::ImageOrChannelList:
            return QCoreApplication::translate("UserPrompts",
                                               "STB images and channel lists (*.dat *.csv);;All files (*)");
        case FileKind::ImageBackupOrChannelList:
            return QCoreApplication::translate(
                "UserPrompts", "STB images, backups and channel lists (*.dat *.bak *.csv);;All files (*)");
        case FileKind::TransponderList:
            // The dvbv5 files are named after their satellite's position
            // ("Astra-19.2E"), without an extension.
            return QCoreApplication::translate(
                "UserPrompts", "Transponder lists (*.xml *.conf *.[0-9]E *.[0-9]W);;All files (*)");
        case FileKind::Image:
        case FileKind::Log:
        case FileKind::Pdf: break;
        }
        return QCoreApplication::translate("UserPrompts", "STB images (*.dat);;All files (*)");
    }

    static QString DefaultSuffix(FileKind kind)
    {
        switch (kind) {
        case FileKind::ChannelList: return QStringLiteral("csv");
        case FileKind::Log: return QStringLiteral("log");
        case FileKind::Pdf: return QStringLiteral("pdf");
        case FileKind::Image:
        case FileKind::ImageOrChannelList:
        case FileKind::TransponderList:
        case FileKind::ImageBackupOrChannelList: break;
        }
        return QStringLiteral("dat");
    }

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
