#include "AppFixture.h"

#include "BlankImage.h"
#include "ChangeRecord.h"
#include "DemoImage.h"
#include "ImageDocument.h"
#include "TemplateIds.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QSettings>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

Receiver::Receiver(const QStringList& arguments)
{
    const QString program = qEnvironmentVariable("STB_SIM");
    m_process.setProgram(program);
    m_process.setArguments(arguments);
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start();
    if (!m_process.waitForStarted(10000) || !m_process.waitForReadyRead(10000))
        qFatal("the receiver simulator %s did not start", qPrintable(program));
    m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
}

Receiver::~Receiver()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

AppFixture::AppFixture(const QString& com1Device, const QString& settingsDir)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       settingsDir.isEmpty() ? m_dir.path() : settingsDir);
    QString device = com1Device;
    if (device.isEmpty()) {
        m_quietPort = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_quietPort < 0 || grantpt(m_quietPort) != 0 || unlockpt(m_quietPort) != 0)
            qFatal("no pseudo-terminal for the form's port");
        device = QString::fromLocal8Bit(ptsname(m_quietPort));
    }
    qputenv("VOLMAREN_COM1", device.toLocal8Bit());
    qputenv("VOLMAREN_CODE_FILE", m_dir.filePath(QStringLiteral("code.tmp")).toLocal8Bit());
    // The receiver history and the recovery copies are the test's, never the user's.
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", m_dir.filePath(QStringLiteral("state")).toLocal8Bit());
    m_doc = std::make_unique<CVolmarenDoc>();
    m_frame = std::make_unique<CMainFrame>(*m_doc);
    m_doc->OnNewDocument();
    m_frame->OnInitialUpdate();
    m_frame->show();
    if (!QTest::qWaitForWindowExposed(m_frame.get()))
        qWarning("the main window was not shown");
}

AppFixture::~AppFixture()
{
    m_frame.reset();
    m_doc.reset();
    if (m_quietPort >= 0)
        ::close(m_quietPort);
}

void AppFixture::WriteImage(const QString& file, const std::function<void(CChannelDatabase&)>& build)
{
    CImageDocument document;
    BlankImage::Load(document.m_database);
    build(document.m_database);
    std::string error;
    if (!document.SaveFile(file.toStdString(), error))
        qFatal("cannot write %s: %s", qPrintable(file), error.c_str());
}

void AppFixture::WriteDemo(const QString& file, bool full)
{
    WriteImage(file, [full](CChannelDatabase& database) {
        Demo::Build(database, full ? Demo::Size::Full : Demo::Size::Normal);
    });
}

QString AppFixture::writeImage(const QString& name, const std::function<void(CChannelDatabase&)>& build)
{
    WriteImage(path(name), build);
    return path(name);
}

QString AppFixture::writeDemo(const QString& name, bool full)
{
    WriteDemo(path(name), full);
    return path(name);
}

bool AppFixture::open(const QString& file)
{
    return m_doc->OnOpenDocument(file);
}

void AppFixture::edit(const std::function<void(CChannelDatabase&)>& change)
{
    m_doc->Apply(QStringLiteral("Test Change"), ListChange::None, [&change](CChannelDatabase& db) {
        if (change) {
            change(db);
            return;
        }
        SystemInfo info;
        db.GetSystemInfo(info);
        ++info.displayColor;
        db.SetSystemInfo(info);
    });
}

namespace {

QPoint RowPoint(QAbstractItemView* list, int row)
{
    if (row < 0) {
        const QRect area = list->viewport()->rect();
        return QPoint(area.center().x(), area.bottom() - 2);
    }
    list->scrollTo(list->model()->index(row, 0));
    return list->visualRect(list->model()->index(row, 0)).center();
}

void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

}  // namespace

void AppFixture::click(QAbstractItemView* list, int row, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, RowPoint(list, row));
    Settle();
}

void AppFixture::doubleClick(QAbstractItemView* list, int row)
{
    const QPoint at = RowPoint(list, row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    Settle();
}

void AppFixture::doubleClickHeld(QAbstractItemView* list, int row)
{
    const QPoint at = RowPoint(list, row);
    QWidget* viewport = list->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
        QMouseEvent event(type, QPointF(at), QPointF(viewport->mapToGlobal(at)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    }
    Settle();
}

void AppFixture::rightClick(QAbstractItemView* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, RowPoint(list, row));
    Settle();
}

void AppFixture::select(QAbstractItemView* list, std::initializer_list<int> rows)
{
    bool first = true;
    for (int row : rows) {
        click(list, row, first ? Qt::NoModifier : Qt::ControlModifier);
        first = false;
    }
}

void AppFixture::chooseFromMenu(QAbstractItemView* list, int row, const QString& item)
{
    m_prompts.ChooseMenuItem(item);
    rightClick(list, row);
}

void AppFixture::clickButton(QAbstractButton* button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

QAbstractButton* AppFixture::FindButton(QWidget* parent, int templateId)
{
    return FindByTemplateId<QAbstractButton>(parent, templateId);
}

void AppFixture::typeInto(QWidget* dialog, int templateId, const QString& text)
{
    auto* edit = FindByTemplateId<QLineEdit>(dialog, templateId);
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void AppFixture::pickEntry(QWidget* dialog, int templateId, int index)
{
    auto* box = FindByTemplateId<QComboBox>(dialog, templateId);
    QVERIFY(box);
    box->setCurrentIndex(index);
}

QString AppFixture::fieldText(QWidget* dialog, int templateId)
{
    auto* edit = FindByTemplateId<QLineEdit>(dialog, templateId);
    return edit ? edit->text() : QString();
}

QStringList AppFixture::rows(QAbstractItemView* list)
{
    QStringList texts;
    const QAbstractItemModel* model = list->model();
    for (int r = 0; r < model->rowCount(); ++r)
        texts.append(model->index(r, 0).data().toString());
    return texts;
}

QStringList AppFixture::cells(QTreeView* list, int row)
{
    QStringList texts;
    const QAbstractItemModel* model = list->model();
    for (int c = 0; c < model->columnCount(); ++c)
        texts.append(model->index(row, c).data().toString());
    return texts;
}

QList<int> AppFixture::selectedRows(QAbstractItemView* list)
{
    QList<int> selected;
    for (const QModelIndex& index : list->selectionModel()->selectedRows())
        selected.append(index.row());
    std::sort(selected.begin(), selected.end());
    return selected;
}

QStringList AppFixture::channelNames(const CChannelDatabase& db, ChannelKind kind)
{
    QStringList names;
    for (int i = 0; i < db.GetChannelCount(kind); ++i) {
        ChannelRecord record;
        db.GetChannel(record, i, kind);
        names.append(QString::fromLatin1(record.name));
    }
    return names;
}

std::vector<std::uint8_t> AppFixture::Bytes(const CChannelDatabase& db)
{
    std::vector<std::uint8_t> bytes;
    CChangeRecord::TakeSnapshot(db, bytes);
    return bytes;
}
