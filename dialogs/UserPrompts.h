// The one seam through which the editor asks the user something: message
// boxes, confirmations and file dialogs. Tests install scripted answers.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

class IUserPrompts {
public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Icon { None, Exclamation };
    enum class Answer { Ok, Yes, No, Cancel };
    // What a file dialog offers to open or proposes to save.
    enum class FileKind { Image, ChannelList, ImageOrChannelList, ImageBackupOrChannelList, Log, Pdf, TransponderList };

    virtual ~IUserPrompts() = default;
    virtual Answer Ask(QWidget* owner, const QString& text, const QString& caption, Buttons buttons,
                       Icon icon) = 0;
    // A question with buttons of its own, `choices` in order (with their
    // access keys); returns the index of the one chosen. Escape chooses the
    // last.
    virtual int Choose(QWidget* owner, const QString& text, const QString& caption,
                       const QStringList& choices) = 0;
    // Empty when the user cancels.
    virtual QString OpenFileName(QWidget* owner, const QString& caption, FileKind kind) = 0;
    // Asks before an existing file is overwritten; empty when the user cancels.
    virtual QString SaveFileName(QWidget* owner, const QString& caption, const QString& proposedPath,
                                 FileKind kind) = 0;
    // The same, offering the file formats `formats` (filters such as "CSV
    // (comma) (*.csv)"); `format` gets the index of the one chosen.
    virtual QString SaveFileInFormat(QWidget* owner, const QString& caption, const QString& proposedPath,
                                     FileKind kind, const QStringList& formats, int& format) = 0;
    // A summary above lines too many for a message box, which scroll. With
    // `acceptText` a button of that text stands beside Cancel, and true means
    // the user chose it; without it there is one Close button.
    virtual bool ShowReport(QWidget* owner, const QString& caption, const QString& summary,
                            const QStringList& lines, const QString& acceptText) = 0;
    // A pop-up menu at a screen position; an empty item is a separator.
    // Returns the chosen item's index in `items`, or -1 when none was chosen.
    virtual int PopupMenu(QWidget* owner, const QStringList& items, const QPoint& globalPos) = 0;
};

namespace Prompts {

// The prompts in use; the platform's own until a test installs others.
IUserPrompts& Current();
// Installs `prompts` (not owned); nullptr restores the platform's.
void Install(IUserPrompts* prompts);

// A message with the caption "Volmaren" and an OK button.
void Message(QWidget* owner, const QString& text, IUserPrompts::Icon icon = IUserPrompts::Icon::None);
// A confirmation with the caption "WARNING : Volmaren"; true on Yes.
bool Confirm(QWidget* owner, const QString& text);
// A Yes/No question with the caption "Volmaren"; true on Yes.
bool AskYesNo(QWidget* owner, const QString& text);

}  // namespace Prompts
