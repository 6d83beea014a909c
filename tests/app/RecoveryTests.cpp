// Recovery copies in the window: an editor killed after some edits is
// recovered byte for byte by the next start, before the file its command
// line names; a running editor's copy is left alone; the copy goes after a
// save, an undo back to the saved state and either answer at close; the
// question's answers and a damaged copy.
#include "AppFixture.h"

#include "CVolmarenApp.h"
#include "CompareWindow.h"
#include "ImageDocument.h"
#include "ChildProcess.h"
#include "ImageFormat.h"
#include "TestDatabase.h"
#include "RecoveryKeeper.h"
#include "RecoveryOffer.h"

#include <fstream>
#include <string_view>

#include <signal.h>

namespace fs = std::filesystem;

namespace {

const QString kLastChange = QStringLiteral("Edit Bouquet");

std::vector<std::uint8_t> WorkImage(const CChannelDatabase& db)
{
    std::vector<std::uint8_t> image(Image::kLargeSize);
    db.BuildWorkImage(image.data());
    return image;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<std::uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The editor as a person starts it with `image` on its command line.
struct StartedEditor {
    StartedEditor(char* program, char* image) : arguments{program, image, nullptr}, app(count, arguments) { }
    int count = 2;
    char* arguments[3] = {};
    CVolmarenApp app;
};

// Child process: makes some edits, one of them to the bouquet names no image
// file keeps, writes what the document holds to `expected`, and says "ready"
// once its copy holds the last one. Then it waits to be killed.
int EditThenWait(char* program, char* image, const char* expected)
{
    StartedEditor editor(program, image);
    if (!editor.app.InitInstance())
        return 1;
    CVolmarenDoc& doc = *editor.app.Document();
    doc.Apply(QStringLiteral("Delete Channels"), ListChange::Everything,
              [](CChannelDatabase& db) { db.DeleteChannels({1}, kTv); });
    doc.Apply(kLastChange, ListChange::Everything,
              [](CChannelDatabase& db) { db.SetBouquet("Sport", 0, kTv); });
    WriteBytes(expected, WorkImage(doc.Database()));
    for (int attempt = 0; attempt < 1000; ++attempt) {
        QTest::qWait(10);
        std::error_code ec;
        for (const fs::directory_entry& entry : fs::directory_iterator(Recovery::Folder(), ec)) {
            RecoverySnapshot copy;
            if (entry.path().extension() == ".recovery" &&
                RecoveryFormat::Decode(ReadBytes(entry.path()), copy) &&
                copy.label == kLastChange.toStdString()) {
                std::printf("ready\n");
                std::fflush(stdout);
                return editor.app.exec();
            }
        }
    }
    return 1;
}

// Child process: starts as a person does after the crash, with `image` on
// its command line, answers Recover, prints the document's file and writes
// what the document then holds to `recovered`.
int StartAndRecover(char* program, char* image, const char* recovered)
{
    ScriptedPrompts prompts;
    prompts.Choose(QStringLiteral("Recover"));
    StartedEditor editor(program, image);
    if (!editor.app.InitInstance())
        return 1;
    const CVolmarenDoc& doc = *editor.app.Document();
    if (prompts.asked.size() != 1 || !prompts.asked[0].text.contains(QStringLiteral("not closed properly")) ||
        !doc.HasUnsavedChanges() || doc.CanUndo()) {
        std::fprintf(stderr, "the recovered document is not as expected: %s\n",
                     qPrintable(prompts.texts().join(u'|')));
        return 1;
    }
    WriteBytes(recovered, WorkImage(editor.app.Document()->Database()));
    std::printf("%s\n", qPrintable(doc.FilePath()));
    return 0;
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
public:
    explicit RecoveryTest(QString program) : m_program(std::move(program)) { }

private Q_SLOTS:
    void aKilledEditorIsRecoveredByteForByte();
    void theCopyGoesWhenTheChangesAreSavedUndoneOrGivenUp();
    void theQuestionOffersEachCopyInTurn();

private:
    QString m_program;
};

void RecoveryTest::aKilledEditorIsRecoveredByteForByte()
{
    QTemporaryDir home;
    // The editors started here keep everything in `home`.
    for (const char* variable : {"XDG_STATE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(variable, home.filePath(QString::fromLatin1(variable)).toLocal8Bit());
    const fs::path folder = Recovery::Folder();
    const std::string image = home.filePath(QStringLiteral("STB.dat")).toStdString();
    const std::string expected = image + ".expected", recovered = image + ".recovered";
    AppFixture::WriteImage(QString::fromStdString(image), BuildKnownImage);

    CChildProcess killed(m_program.toStdString(), {"--edit-then-wait", image, expected});
    QCOMPARE(killed.FirstLine(), std::string("ready"));
    // Another editor starting meanwhile leaves the running one's copy alone.
    QVERIFY(FindOrphanedCopies(folder).empty());
    killed.Signal(SIGKILL);
    QVERIFY(killed.Wait(std::chrono::seconds(10)) != -1);

    // Recover takes the place of the image on the command line.
    const std::string other = home.filePath(QStringLiteral("other.dat")).toStdString();
    AppFixture::WriteDemo(QString::fromStdString(other));
    CChildProcess next(m_program.toStdString(), {"--start-and-recover", other, recovered});
    QCOMPARE(next.FirstLine(), image);
    QCOMPARE(next.Wait(std::chrono::seconds(60)), 0);
    QVERIFY2(ReadBytes(recovered) == ReadBytes(expected), next.Errors().c_str());
    // The killed editor's copy is gone; the one the recovered document left
    // at its exit, unsaved, holds the same.
    std::vector<COrphanedRecoveryCopy> left = FindOrphanedCopies(folder);
    QCOMPARE(left.size(), std::size_t(1));
    RecoverySnapshot copy;
    QVERIFY(left[0].Read(copy));
    QVERIFY(copy.image == ReadBytes(expected));
}

void RecoveryTest::theCopyGoesWhenTheChangesAreSavedUndoneOrGivenUp()
{
    enum class Settle { Save, Undo, CloseSaving, CloseDiscarding, OpenAnother };
    for (Settle settle :
         {Settle::Save, Settle::Undo, Settle::CloseSaving, Settle::CloseDiscarding, Settle::OpenAnother}) {
        AppFixture app;
        CRecoveryKeeper keeper(app.doc(), fs::path(app.path(QStringLiteral("recovery")).toStdString()));
        const QString image = app.writeImage(QStringLiteral("stb.dat"), BuildKnownImage);
        QVERIFY(app.open(image));
        app.edit();
        keeper.Flush();
        const fs::path copy = keeper.CopyPath();
        QVERIFY(fs::exists(copy));
        switch (settle) {
        case Settle::Save: app.save(); break;
        case Settle::Undo: app.doc().Undo(); break;
        case Settle::CloseSaving:
        case Settle::CloseDiscarding:
            app.prompts().Answer(settle == Settle::CloseSaving ? IUserPrompts::Answer::Yes
                                                               : IUserPrompts::Answer::No);
            QVERIFY(app.frame().close());
            break;
        case Settle::OpenAnother:
            app.prompts().Answer(IUserPrompts::Answer::No);
            QVERIFY(app.doc().SaveModified() && app.open(image));
            break;
        }
        keeper.Flush();
        QVERIFY2(!fs::exists(copy), qPrintable(QString::number(int(settle))));
    }
}

// Recover itself is tried by the killed editor's test.
void RecoveryTest::theQuestionOffersEachCopyInTurn()
{
    AppFixture app;
    CRecoveryKeeper keeper(app.doc(), fs::path(app.path(QStringLiteral("own")).toStdString()));
    const fs::path folder = app.path(QStringLiteral("left")).toStdString();
    fs::create_directories(folder);
    WriteBytes((folder / "editor-damaged.recovery").string(), {'V', 'O', 'L'});
    // The copy holds one change more than its saved file.
    const QString saved = app.writeImage(QStringLiteral("STB.dat"), BuildKnownImage);
    CImageDocument changed;
    PlaceholderText error;
    QCOMPARE(changed.LoadFile(saved.toStdString(), error), CImageDocument::Load::Loaded);
    changed.m_database.SetBouquet("Sport", 0, kTv);
    const RecoverySnapshot left{1765000000, saved.toStdString(), "Sort Channels",
                                WorkImage(changed.m_database)};
    QVERIFY(COwnRecoveryCopy(folder).Write(left, error));

    // Keep the damaged one; Compare, Discard thought better of, then Later.
    ScriptedPrompts& prompts = app.prompts();
    prompts.Answer(IUserPrompts::Answer::No);
    prompts.Choose(QStringLiteral("Compare"));
    prompts.Choose(QStringLiteral("Discard"));
    prompts.Answer(IUserPrompts::Answer::No);
    prompts.Choose(QStringLiteral("Later"));
    int differences = -1;
    AppFixture::whenModal<CCompareWindow>([&](CCompareWindow* shown) {
        differences = int(shown->Comparison().differences.size());
        shown->reject();
    });
    QCOMPARE(CRecoveryOffer(app.doc(), keeper, &app.frame()).Run(folder), false);
    QCOMPARE(differences, 1);
    QCOMPARE(prompts.asked.size(), 5);
    QVERIFY(prompts.asked[0].text.contains(QStringLiteral("editor-damaged.recovery is damaged")));
    QCOMPARE(prompts.asked[1].choices, QStringList({QStringLiteral("&Recover"), QStringLiteral("&Compare"),
                                                    QStringLiteral("&Discard"), QStringLiteral("&Later")}));
    QVERIFY(prompts.asked[1].text.contains(saved + QStringLiteral(" from ")));
    QVERIFY(prompts.asked[1].text.contains(QStringLiteral("The last change: Sort Channels")));
    QCOMPARE(prompts.asked[2].text, prompts.asked[1].text);
    QCOMPARE(FindOrphanedCopies(folder).size(), std::size_t(2));

    // Delete the damaged one; Discard the other.
    prompts.Answer(IUserPrompts::Answer::Yes);
    prompts.Choose(QStringLiteral("Discard"));
    prompts.Answer(IUserPrompts::Answer::Yes);
    QCOMPARE(CRecoveryOffer(app.doc(), keeper, &app.frame()).Run(folder), false);
    QVERIFY(fs::is_empty(folder));
    QVERIFY(!app.doc().HasUnsavedChanges() && app.doc().NoData());
}

int main(int argc, char** argv)
{
    const std::string_view mode = argc == 4 ? argv[1] : "";
    if (mode == "--edit-then-wait")
        return EditThenWait(argv[0], argv[2], argv[3]);
    if (mode == "--start-and-recover")
        return StartAndRecover(argv[0], argv[2], argv[3]);
    QApplication app(argc, argv);
    RecoveryTest test(QCoreApplication::applicationFilePath());
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryTests.moc"
