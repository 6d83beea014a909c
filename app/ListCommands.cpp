#include "ListCommands.h"

#include "CVolmarenDoc.h"
#include "ChannelListFile.h"
#include "CoreText.h"
#include "FormLists.h"
#include "ImageCheck.h"
#include "ImageDocument.h"
#include "ImportPlan.h"
#include "Latin1Text.h"
#include "ListState.h"
#include "OrderPlan.h"
#include "UserPrompts.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString Number(std::size_t n)
{
    return QString::number(n);
}

// A line to put before a report on a list that was not read as UTF-8.
QString ReadingNote(const ChannelRows::CsvForm* form)
{
    if (!form || !form->windows1252)
        return {};
    QString note = CoreText(form->ReadingNote());
    note[0] = note[0].toUpper();
    return note + QStringLiteral(".\n\n");
}

}  // namespace

CListCommands::CListCommands(CVolmarenDoc& doc, CListState& state, IFormLists& form, QObject* parent)
    : QObject(parent), m_doc(doc), m_state(state), m_form(form)
{
}

// --- Export and import --------------------------------------------------------

void CListCommands::OnExport()
{
    if (m_doc.NoData())
        return;
    const QString image = m_doc.FilePath();
    const QString proposed =
        image.isEmpty()
            ? QDir::home().filePath(QStringLiteral("channels.csv"))
            : QFileInfo(image).dir().filePath(QFileInfo(image).completeBaseName() + QStringLiteral(".csv"));
    // Spreadsheets set to a language with a decimal comma read and write
    // semicolons.
    const QStringList formats{tr("CSV (comma) (*.csv)"), tr("CSV (semicolon) (*.csv)")};
    int format = 0;
    const QString path = Prompts::Current().SaveFileInFormat(
        m_form.Window(), tr("Export Channels"), proposed, IUserPrompts::FileKind::ChannelList, formats, format);
    if (path.isEmpty())
        return;
    const std::string csv =
        ChannelRows::ToCsv(ChannelRows::ExportRows(m_doc.Database()), format == 1 ? ';' : ',');
    PlaceholderText error;
    if (!ImageFile::WriteAtomically(path.toStdString(), reinterpret_cast<const std::uint8_t*>(csv.data()),
                                    csv.size(), error, ImageFile::Backup::Keep))
        Prompts::Message(m_form.Window(), tr("Export Channels: %1").arg(CoreText(error)),
                         IUserPrompts::Icon::Exclamation);
}

void CListCommands::OnImport()
{
    if (m_doc.NoData())
        return;
    const QString path = Prompts::Current().OpenFileName(m_form.Window(), tr("Import Channels"),
                                                         IUserPrompts::FileKind::ChannelList);
    std::vector<ChannelRows::Row> rows;
    ChannelRows::CsvForm form;
    if (path.isEmpty() || !ChannelListFile::Read(m_form.Window(), path, rows, form))
        return;
    ChannelRows::ImportPlan plan;
    if (const auto refusal = ChannelRows::PlanImport(m_doc.Database(), rows, false, plan)) {
        ChannelListFile::ReportRefusal(m_form.Window(), path, *refusal);
        return;
    }
    if (!plan.report.unmatched.empty())
        OfferAdditions(rows, plan);
    ApplyChange(tr("Import Channels"), plan.change);
    ShowImportReport(plan, form);
}

void CListCommands::OfferAdditions(const std::vector<ChannelRows::Row>& rows, ChannelRows::ImportPlan& plan)
{
    // A row the receiver could not store as a new channel is refused by the
    // plan that adds; then the import goes on without adding.
    ChannelRows::ImportPlan withAdded;
    if (ChannelRows::PlanImport(m_doc.Database(), rows, true, withAdded) || withAdded.report.added == 0)
        return;
    if (Prompts::AskYesNo(
            m_form.Window(),
            tr("Rows of the list that name no channel: %1. Of them %2 can be added "
               "to the channels of their transponder.\n\nAdd them?")
                .arg(Number(plan.report.unmatched.size()), Number(std::size_t(withAdded.report.added)))))
        plan = std::move(withAdded);
}

void CListCommands::ShowImportReport(const ChannelRows::ImportPlan& plan, const ChannelRows::CsvForm& form)
{
    const ChannelRows::ImportReport& report = plan.report;
    QString summary =
        ReadingNote(&form) + tr("Matched: %1\nMoved: %2\nRenamed: %3\nUnmatched: %4\nAdded: %5")
                                 .arg(Number(std::size_t(report.matched)), Number(std::size_t(report.moved)),
                                      Number(std::size_t(report.renamed)), Number(report.unmatched.size()),
                                      Number(std::size_t(report.added)));
    if (!plan.change.changed)
        summary += QLatin1Char('\n') + tr("The channels already were as the list has them: nothing changed.");
    QStringList lines;
    for (const ChannelRows::UnmatchedRow& row : report.unmatched) {
        QString line = tr("Line %1: %2").arg(QString::number(row.line), Text(row.text));
        if (!row.why.empty())
            line += QStringLiteral(" (%1)").arg(CoreText(row.why));
        lines.append(line);
    }
    Prompts::Current().ShowReport(m_form.Window(), tr("Import Channels"), summary, lines, QString());
}

// --- Apply order --------------------------------------------------------------

void CListCommands::OnApplyOrder()
{
    if (m_doc.NoData())
        return;
    const QString path = Prompts::Current().OpenFileName(m_form.Window(), tr("Apply Order From"),
                                                         IUserPrompts::FileKind::ImageOrChannelList);
    std::vector<ChannelRows::Row> reference;
    std::optional<ChannelRows::CsvForm> form;
    if (path.isEmpty() || !ReadReference(path, reference, form))
        return;
    ChannelRows::OrderPlan plan;
    if (const auto refusal = ChannelRows::PlanOrder(m_doc.Database(), reference, plan)) {
        ChannelListFile::ReportRefusal(m_form.Window(), path, *refusal);
        return;
    }

    const ChannelRows::OrderReport& report = plan.report;
    QString summary = ReadingNote(form ? &*form : nullptr) +
                      tr("Matched: %1\nMoved: %2\nReference rows that name no channel: %3\n"
                         "Channels not in the reference (they follow in their order): %4")
                          .arg(Number(std::size_t(report.matched)), Number(std::size_t(report.moved)),
                               Number(report.unmatchedRows.size()), Number(report.unmatchedChannels.size()));
    auto names = [](const std::vector<std::string>& groups) {
        QStringList texts;
        for (const std::string& group : groups)
            texts.append(Text(Latin1::ToUtf8(group)));
        return texts.join(QStringLiteral(", "));
    };
    if (!report.createdGroups.empty())
        summary += QLatin1Char('\n') + tr("Groups created: %1").arg(names(report.createdGroups));
    if (!report.groupsWithoutSlot.empty())
        summary += QLatin1Char('\n') + tr("Groups without a free slot (their members stay out of them): %1")
                                           .arg(names(report.groupsWithoutSlot));
    QStringList lines;
    if (!report.unmatchedRows.empty())
        lines.append(tr("Reference rows that name no channel:"));
    for (const ChannelRows::UnmatchedRow& row : report.unmatchedRows)
        lines.append(tr("Line %1: %2").arg(QString::number(row.line), Text(row.text)));
    if (!report.unmatchedChannels.empty())
        lines.append(tr("Channels not in the reference:"));
    for (const PlaceholderText& channel : report.unmatchedChannels)
        lines.append(CoreText(channel));

    if (!plan.change.changed) {
        summary += QLatin1Char('\n') + tr("The channels already are in this order: nothing would change.");
        Prompts::Current().ShowReport(m_form.Window(), tr("Apply Order"), summary, lines, QString());
        return;
    }
    if (Prompts::Current().ShowReport(m_form.Window(), tr("Apply Order"), summary, lines, tr("Apply")))
        ApplyChange(tr("Apply Order"), plan.change);
}

// --- Reading lists ------------------------------------------------------------

bool CListCommands::ReadReference(const QString& path, std::vector<ChannelRows::Row>& rows,
                                  std::optional<ChannelRows::CsvForm>& form)
{
    CImageDocument reference;
    PlaceholderText error;
    switch (reference.LoadFile(path.toStdString(), error)) {
    case CImageDocument::Load::Loaded: rows = ChannelRows::ExportRows(reference.m_database); return true;
    case CImageDocument::Load::NotAnImage: return ChannelListFile::Read(m_form.Window(), path, rows, form.emplace());
    case CImageDocument::Load::Error: break;
    }
    Prompts::Message(m_form.Window(), CoreText(error), IUserPrompts::Icon::Exclamation);
    return false;
}

void CListCommands::ApplyChange(const QString& label, const ChannelRows::ChannelChange& change)
{
    if (!m_doc.Apply(label, ListChange::Channels,
                     [&](CChannelDatabase& db) { ChannelRows::ApplyChannelChange(db, change); }))
        return;
    // The rows the lists showed now hold other channels.
    m_state.ForgetChannelRows();
    m_state.NoteChannelSelection(-1);
}

// --- Check --------------------------------------------------------------------

void CListCommands::OnCheckImage()
{
    if (m_doc.NoData())
        return;
    const std::vector<ImageCheck::Finding> findings = ImageCheck::CheckMessages(m_doc.Database());
    if (findings.empty()) {
        Prompts::Message(m_form.Window(), tr("The image is consistent: the check found nothing to repair."));
        return;
    }
    QStringList lines;
    for (const ImageCheck::Finding& finding : findings)
        lines.append(QStringLiteral("%1: %2").arg(CoreText(finding.record), CoreText(finding.what)));
    const QString summary =
        tr("Inconsistencies found: %1.\n\nRepair removes dangling records and later duplicates, ends "
           "every name within its field, drops the members of unnamed groups and recomputes the counts "
           "and positions. Undo takes the repair back.")
            .arg(Number(findings.size()));
    if (Prompts::Current().ShowReport(m_form.Window(), tr("Check Image"), summary, lines, tr("Repair")))
        m_doc.Apply(tr("Repair Image"), ListChange::Everything,
                    [](CChannelDatabase& db) { ImageCheck::Repair(db); });
}
