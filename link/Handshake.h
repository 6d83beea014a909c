// The part of the handshake both workers share: after the receiver's first
// SYNC, the hello, the system code and the receiver's answer to it.
#pragma once

#include <cstdint>

class CTransferLink;
class ITransferView;

// Returns the receiver's answer: ACK (small image), REPLY_LARGE (large image;
// its ACK is still to come) or REPLY_REFUSED; 0 when the run was stopped.
std::uint8_t ExchangeSystemCode(CTransferLink& link, std::uint16_t code);

// Ends a worker whose code was refused: the only notice it gives.
void EndRefused(CTransferLink& link, ITransferView& view);
