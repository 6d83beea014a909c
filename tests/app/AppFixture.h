// The editor's window in a test: document, frame and form as start-up makes
// them, images written to a temporary folder, and real clicks on the lists.
#pragma once

#include "CMainFrame.h"
#include "CVolmarenDoc.h"
#include "CVolmarenView.h"
#include "TransferPanel.h"
#include "ScriptedPrompts.h"
#include "TemplateIds.h"

#include <QApplication>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class CChannelDatabase;

// The receiver simulator, started with `arguments`; its device is the one
// to give the fixture as COM1.
class Receiver {
public:
    explicit Receiver(const QStringList& arguments);
    ~Receiver();
    QString device() const { return m_device; }
    QString errors() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

private:
    QProcess m_process;
    QString m_device;
};

class AppFixture {
public:
    // COM1 is `com1Device`, or else a pseudo-terminal of the fixture's that
    // nothing answers on, so the form's port opens quietly. The editor keeps
    // its settings in `settingsDir`, or else in a folder of the fixture's,
    // and its recovery copies and receiver history in folders of the fixture's.
    explicit AppFixture(const QString& com1Device = QString(), const QString& settingsDir = QString());
    ~AppFixture();

    CVolmarenDoc& doc() { return *m_doc; }
    CMainFrame& frame() { return *m_frame; }
    CVolmarenView& view() { return *m_frame->View(); }
    CTransferPanel& transfers() { return *m_frame->Transfers(); }
    const CChannelDatabase& db() { return m_doc->Database(); }
    ScriptedPrompts& prompts() { return m_prompts; }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Writes the image `build` makes on a blank database to `name`, and
    // returns its path.
    QString writeImage(const QString& name, const std::function<void(CChannelDatabase&)>& build);
    QString writeDemo(const QString& name, bool full = false);
    // The same, to any path, without a window.
    static void WriteImage(const QString& path, const std::function<void(CChannelDatabase&)>& build);
    static void WriteDemo(const QString& path, bool full = false);
    // Opens `path` as File > Open does.
    bool open(const QString& path);
    // A change through the document's edit path, as a command makes one;
    // without `change`, a new display colour.
    void edit(const std::function<void(CChannelDatabase&)>& change = {});
    // File > Save.
    void save() { QVERIFY(m_doc->OnFileSave()); }
    // Data a test starts from that no image file carries (bouquet names):
    // a change through the edit path, then saved, so the document starts
    // saved with it.
    void prepare(const std::function<void(CChannelDatabase&)>& change)
    {
        edit(change);
        save();
    }

    // A real left click on `row` of a list (or below its last row for -1),
    // with the form's handling done afterwards.
    static void click(QAbstractItemView* list, int row, Qt::KeyboardModifiers modifiers = {});
    static void doubleClick(QAbstractItemView* list, int row);
    // A double-click whose second press is held until the dialog it opens is
    // up, as a hand does: its release never reaches the list.
    static void doubleClickHeld(QAbstractItemView* list, int row);
    static void rightClick(QAbstractItemView* list, int row);
    // Clicks the first row, then Ctrl+clicks the others.
    static void select(QAbstractItemView* list, std::initializer_list<int> rows);
    // Chooses `item` from the right-click menu of `row`.
    void chooseFromMenu(QAbstractItemView* list, int row, const QString& item);
    static void clickButton(QAbstractButton* button);
    // The texts of a text list's rows, or a channel list's row cells.
    static QStringList rows(QAbstractItemView* list);
    static QStringList cells(QTreeView* list, int row);
    static QList<int> selectedRows(QAbstractItemView* list);
    // Every byte of the tables, to compare states of the data.
    static std::vector<std::uint8_t> Bytes(const CChannelDatabase& db);
    // The names of the channels of a table, in slot order.
    static QStringList channelNames(const CChannelDatabase& db, ChannelKind kind);

    // Runs `act` on the next modal dialog of type T once it is shown; a
    // dialog that does not open within a few seconds fails the test.
    template <class T> static void whenModal(std::function<void(T*)> act, int attemptsLeft = 500)
    {
        QTimer::singleShot(10, [act, attemptsLeft] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (dialog && dialog->isVisible()) {
                act(dialog);
                return;
            }
            if (attemptsLeft > 0)
                whenModal<T>(act, attemptsLeft - 1);
            else
                QFAIL("the expected dialog did not open");
        });
    }
    // Cancels the next modal dialog of type T.
    template <class T> static void cancelModal()
    {
        whenModal<T>([](T* dialog) { clickButton(FindButton(dialog, DialogIds::kCancel)); });
    }
    static QAbstractButton* FindButton(QWidget* parent, int templateId);
    // Replaces the text of a dialog's edit field by typing.
    static void typeInto(QWidget* dialog, int templateId, const QString& text);
    static void pickEntry(QWidget* dialog, int templateId, int index);
    static QString fieldText(QWidget* dialog, int templateId);

private:
    int m_quietPort = -1;
    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    std::unique_ptr<CVolmarenDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};
