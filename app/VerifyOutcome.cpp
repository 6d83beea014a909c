#include "VerifyOutcome.h"

#include "CompareWindow.h"
#include "CoreText.h"
#include "ImageDocument.h"
#include "UserPrompts.h"
#include "VerifiedDownload.h"
#include "VerifyTexts.h"

#include <QCoreApplication>

namespace {

// Both images in the receiver's variant, as the compare window reads them.
void ShowDifferingImages(QWidget* owner, const CVerifiedDownload& verify)
{
    CImageDocument readBack;
    CImageDocument sent;
    const std::span<const std::uint8_t> received = verify.ReadBack();
    const std::span<const std::uint8_t> expected = verify.Sent();
    // A read-back that is no image (its marker lost, say) still has its
    // records named; there is nothing to show beside them.
    if (readBack.LoadBytes(received.data(), received.size(), "receiver") != CImageDocument::Load::Loaded ||
        sent.LoadBytes(expected.data(), expected.size(), "sent") != CImageDocument::Load::Loaded)
        return;
    //: The compare window after Download and Verify: what the receiver holds against what was sent.
    CCompareWindow::ShowImages(readBack.m_database, QCoreApplication::translate("VerifyOutcome", "receiver"),
                               sent.m_database, QCoreApplication::translate("VerifyOutcome", "sent"),
                               owner->window());
}

}  // namespace

void ShowVerifyOutcome(QWidget* owner, const CVerifiedDownload& verify)
{
    if (!verify.HistoryWarning().Empty())
        Prompts::Message(owner, CoreText(verify.HistoryWarning()), IUserPrompts::Icon::Exclamation);
    switch (verify.Outcome()) {
    case CVerifiedDownload::Result::Verified: Prompts::Message(owner, CoreText(Text::kVerified)); break;
    case CVerifiedDownload::Result::Differs: {
        QStringList lines;
        for (const RecordDifference& difference : verify.Differences())
            lines.append(QString::fromStdString(Describe(difference)));
        const int count = int(lines.size());
        Prompts::Current().ShowReport(
            owner, QCoreApplication::translate("VerifyOutcome", "Download and Verify"),
            CoreText(Text::kNotVerified) + QLatin1Char('\n') +
                QCoreApplication::translate("VerifyOutcome", "Records that differ: %1").arg(count),
            lines, QString());
        ShowDifferingImages(owner, verify);
        break;
    }
    default: break;
    }
}
