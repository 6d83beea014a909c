#include "Handshake.h"

#include "ProtocolBytes.h"
#include "TransferLink.h"
#include "TransferView.h"

using namespace Protocol;

std::uint8_t ExchangeSystemCode(CTransferLink& link, std::uint16_t code)
{
    link.MarkStep(TrafficStep::Hello);
    if (link.Running())
        link.SendByte(ACK);
    if (link.Running())
        link.WaitForByte(SYNC);
    if (!link.Running())
        return 0;
    link.MarkStep(TrafficStep::SystemCode);
    link.SendByte(static_cast<std::uint8_t>(code & 0xFF));
    link.SendByte(static_cast<std::uint8_t>(code >> 8));
    if (!link.Running())
        return 0;
    link.MarkStep(TrafficStep::CodeReply);
    return link.WaitForAnyOf(ACK, REPLY_LARGE, REPLY_REFUSED);
}

void EndRefused(CTransferLink& link, ITransferView& view)
{
    link.EndRefused();
    view.PostCodeRefused();
}
