#include "DownloadFraming.h"
#include "Handshake.h"
#include "ProtocolBytes.h"
#include "TransferLink.h"
#include "TransferParams.h"
#include "TransferTexts.h"
#include "TransferView.h"

using namespace Protocol;

namespace {

// Counts the data bytes of both regions and moves the progress bar by one
// every `step` bytes: positions 0 to 99, the last few bytes unannounced.
class CDownloadProgress {
public:
    CDownloadProgress(ITransferView& view, std::size_t step) : m_view(view), m_step(step) { }

    void Count()
    {
        if (++m_sent % m_step == 0)
            m_view.SetProgress(m_position++);
    }

private:
    ITransferView& m_view;
    std::size_t m_step;
    std::size_t m_sent = 0;
    int m_position = 0;
};

void SendHeader(CTransferLink& link, const Framing::Region& region, TrafficStep step)
{
    link.MarkStep(step);
    const auto bytes = Framing::EncodeHeader(Framing::HeaderFor(region));
    link.SendBytes(bytes.data(), static_cast<int>(bytes.size()));
}

// The block number and the checksum go out high byte first, unlike the
// header's fields.
void SendBlock(CTransferLink& link, CDownloadProgress& progress, std::uint8_t type, const std::uint8_t* data,
               std::uint32_t number)
{
    link.MarkStep(type == BLOCK_MAIN ? TrafficStep::MainBlock : TrafficStep::TailBlock, number);
    const std::uint16_t sum = Framing::BlockSum(data);
    link.SendByte(type);
    for (std::size_t i = 0; i < Framing::kBlockSize; ++i) {
        link.SendByte(data[i]);
        progress.Count();
    }
    link.SendByte(static_cast<std::uint8_t>(number >> 8));
    link.SendByte(static_cast<std::uint8_t>(number));
    link.SendByte(static_cast<std::uint8_t>(sum >> 8));
    link.SendByte(static_cast<std::uint8_t>(sum));
}

void SendMainRegion(const TransferParams& params, const Framing::Region& region, CDownloadProgress& progress)
{
    CTransferLink& link = *params.pLink;
    link.MarkStep(TrafficStep::Region);
    if (link.Running())
        link.SendByte(CMD_REGION);
    if (link.Running())
        link.WaitForByte(ACK);
    if (link.Running())
        SendHeader(link, region, TrafficStep::MainHeader);
    if (link.Running())
        link.WaitForByte(ACK);
    for (std::uint32_t j = 0; j < region.blockCount; ++j) {
        if (!link.Running())
            break;
        params.pView->SetStatusText(Text::kSending);
        SendBlock(link, progress, BLOCK_MAIN, params.pImage + region.sourceOffset + j * Framing::kBlockSize,
                  j);
        if (link.Running())
            link.WaitForByte(ACK);
    }
}

void SendTailRegion(const TransferParams& params, const Framing::Region& region, CDownloadProgress& progress)
{
    CTransferLink& link = *params.pLink;
    if (link.Running())
        SendHeader(link, region, TrafficStep::TailHeader);
    if (link.Running())
        link.WaitForByte(ACK);
    for (std::uint32_t i = 0; i < region.blockCount; ++i) {
        if (!link.Running())
            return;
        SendBlock(link, progress, BLOCK_TAIL, params.pImage + region.sourceOffset + i * Framing::kBlockSize,
                  i);
        if (link.Running())
            link.WaitForByte(ACK);
    }
}

}  // namespace

void DownloadWorker(TransferParams params)
{
    CTransferLink& link = *params.pLink;
    link.WaitForByte(SYNC);
    // From here on the receiver is being written: STOP no longer applies.
    link.LockDownload();
    const std::uint8_t reply = link.Running() ? ExchangeSystemCode(link, params.wSystemCode) : 0;
    if (reply == REPLY_REFUSED) {
        EndRefused(link, *params.pView);
        return;
    }
    if (reply == REPLY_LARGE && link.Running())
        link.WaitForByte(ACK);
    const Framing::DownloadPlan plan = Framing::PlanFor(reply == ACK ? 1 : 2);
    CDownloadProgress progress(*params.pView, plan.progressStep);
    SendMainRegion(params, plan.main, progress);
    SendTailRegion(params, plan.tail, progress);
    link.NoteWhetherStopped();
    link.EndRun();
    params.pView->PostDownloadDone();
}
