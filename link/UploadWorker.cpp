#include "Handshake.h"
#include "ImageFormat.h"
#include "ProtocolBytes.h"
#include "TransferLink.h"
#include "TransferParams.h"
#include "TransferTexts.h"
#include "TransferView.h"

#include <cstdio>
#include <cstring>

using namespace Protocol;

namespace {

// The image arrives without framing, straight into the buffer from offset 0.
// Progress and status change only with the whole-number percentage, so that
// showing them never slows the reception.
void ReceiveImage(const TransferParams& params, std::size_t length)
{
    CTransferLink& link = *params.pLink;
    ITransferView& view = *params.pView;
    std::memset(params.pImage, 0, Image::kLargeSize);
    view.SetStatusText(Text::kReceiving);
    link.MarkStep(TrafficStep::Image);
    std::size_t received = 0;
    int lastPercent = 0;
    std::uint8_t byte = 0;
    while (link.Running()) {
        if (!link.PollByte(byte))
            continue;
        params.pImage[received++] = byte;
        const int percent = static_cast<int>(100 * received / length);
        if (percent != lastPercent) {
            char text[64];
            std::snprintf(text, sizeof text, Text::kReceiveProgress, static_cast<int>(received),
                          static_cast<int>(length), percent);
            view.SetProgress(percent);
            view.SetStatusText(text);
            lastPercent = percent;
        }
        if (received >= length)
            break;
    }
}

}  // namespace

void UploadWorker(TransferParams params)
{
    CTransferLink& link = *params.pLink;
    if (link.Running())
        link.WaitForByte(SYNC);
    const std::uint8_t reply = link.Running() ? ExchangeSystemCode(link, params.wSystemCode) : 0;
    if (reply == REPLY_REFUSED) {
        EndRefused(link, *params.pView);
        return;
    }
    if (reply == ACK)
        *params.pVariant = 1;
    if (reply == REPLY_LARGE) {
        *params.pVariant = 2;
        if (link.Running())
            link.WaitForByte(ACK);
    }
    link.MarkStep(TrafficStep::SendImage);
    if (link.Running())
        link.SendByte(CMD_SEND_IMAGE);
    if (link.Running())
        link.WaitForByte(ACK);
    if (link.Running())
        ReceiveImage(params, reply == ACK ? Image::kSmallSize : Image::kLargeSize);
    // The run stays as it is: the completion ends it.
    link.NoteWhetherStopped();
    params.pView->PostUploadDone();
}
