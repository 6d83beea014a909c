// Test double for the prompts seam: records every question and answers from
// a script. An unscripted question is answered with the first button's
// negative (Ok for messages, No or Cancel for questions) and recorded.
#pragma once

#include "UserPrompts.h"

#include <QList>

#include <functional>
#include <QString>
#include <QStringList>

class ScriptedPrompts final : public IUserPrompts {
public:
    struct Asked {
        QString text;
        QString caption;
        Buttons buttons;
        Icon icon;
        QStringList choices;  // of a question with buttons of its own
    };

    ScriptedPrompts() { Prompts::Install(this); }
    ~ScriptedPrompts() override { Prompts::Install(nullptr); }

    // Answers for the next questions, in order.
    void Answer(IUserPrompts::Answer answer) { m_answers.append(answer); }
    void OpenFile(const QString& path) { m_openNames.append(path); }
    void SaveFile(const QString& path) { m_saveNames.append(path); }
    // The format to choose, by its index, in the next dialog that offers formats.
    void SaveFormat(int format) { m_saveFormats.append(format); }
    // The button to choose in the next question with buttons of its own, by
    // its text without the access key's '&'; unscripted, the last is chosen.
    void Choose(const QString& choice) { m_choices.append(choice); }
    // The item to choose from the next pop-up menu, by its text.
    void ChooseMenuItem(const QString& text) { m_menuChoices.append(text); }

    QList<Asked> asked;
    QStringList texts() const
    {
        QStringList all;
        for (const Asked& a : asked)
            all.append(a.text);
        return all;
    }
    int fileDialogs = 0;
    QList<FileKind> fileKinds;  // of every file dialog shown
    QList<QStringList> formatsOffered;  // of every save dialog that offered formats
    struct Report {
        QString caption;
        QString summary;
        QStringList lines;
        QString acceptText;
    };
    QList<Report> reports;
    // Runs as each question is asked, while its box would be open.
    std::function<void(const QString& text)> whileAsking;
    QList<QStringList> menus;  // the items of every pop-up menu shown

    IUserPrompts::Answer Ask(QWidget*, const QString& text, const QString& caption, Buttons buttons,
                             Icon icon) override
    {
        asked.append({text, caption, buttons, icon, {}});
        if (whileAsking)
            whileAsking(text);
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return buttons == Buttons::Ok      ? IUserPrompts::Answer::Ok
               : buttons == Buttons::YesNo ? IUserPrompts::Answer::No
                                           : IUserPrompts::Answer::Cancel;
    }
    int Choose(QWidget*, const QString& text, const QString& caption, const QStringList& choices) override
    {
        asked.append({text, caption, Buttons::Ok, Icon::None, choices});
        if (whileAsking)
            whileAsking(text);
        if (m_choices.isEmpty())
            return int(choices.size()) - 1;
        QStringList plain = choices;
        plain.replaceInStrings(QStringLiteral("&"), QString());
        return int(plain.indexOf(m_choices.takeFirst()));
    }
    QString OpenFileName(QWidget*, const QString&, FileKind kind) override
    {
        ++fileDialogs;
        fileKinds.append(kind);
        return m_openNames.isEmpty() ? QString() : m_openNames.takeFirst();
    }
    QString SaveFileName(QWidget*, const QString&, const QString&, FileKind kind) override
    {
        ++fileDialogs;
        fileKinds.append(kind);
        return m_saveNames.isEmpty() ? QString() : m_saveNames.takeFirst();
    }
    QString SaveFileInFormat(QWidget* owner, const QString& caption, const QString& proposedPath,
                             FileKind kind, const QStringList& formats, int& format) override
    {
        formatsOffered.append(formats);
        format = m_saveFormats.isEmpty() ? 0 : m_saveFormats.takeFirst();
        return SaveFileName(owner, caption, proposedPath, kind);
    }
    // Takes its answer from the same script as the questions: Yes or Ok
    // chooses the action button.
    bool ShowReport(QWidget*, const QString& caption, const QString& summary, const QStringList& lines,
                    const QString& acceptText) override
    {
        reports.append({caption, summary, lines, acceptText});
        if (m_answers.isEmpty() || acceptText.isEmpty())
            return false;
        const IUserPrompts::Answer answer = m_answers.takeFirst();
        return answer == IUserPrompts::Answer::Yes || answer == IUserPrompts::Answer::Ok;
    }

    int PopupMenu(QWidget*, const QStringList& items, const QPoint&) override
    {
        menus.append(items);
        return m_menuChoices.isEmpty() ? -1 : int(items.indexOf(m_menuChoices.takeFirst()));
    }

private:
    QList<IUserPrompts::Answer> m_answers;
    QStringList m_menuChoices;
    QStringList m_choices;
    QStringList m_openNames;
    QStringList m_saveNames;
    QList<int> m_saveFormats;
};
