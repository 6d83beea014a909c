#include "TrafficLog.h"

#include "ProtocolBytes.h"

#include <cstdio>
#include <ctime>

using namespace Protocol;

namespace {

constexpr std::size_t kBytesPerLine = 32;

std::string ByteName(std::uint32_t byte)
{
    if (byte == SYNC)
        return "SYNC";
    if (byte == ACK)
        return "ACK";
    char name[8];
    std::snprintf(name, sizeof name, "0x%02X", byte & 0xFF);
    return name;
}

std::string LocalTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string SentLabel(TrafficStep step, std::uint32_t number)
{
    switch (step) {
    case TrafficStep::Hello: return "ACK: hello";
    case TrafficStep::SystemCode: return "system code";
    case TrafficStep::SendImage: return "CMD_SEND_IMAGE";
    case TrafficStep::Region: return "CMD_REGION";
    case TrafficStep::MainHeader: return "main region header";
    case TrafficStep::TailHeader: return "tail region header";
    case TrafficStep::MainBlock: return "main block " + std::to_string(number);
    case TrafficStep::TailBlock: return "tail block " + std::to_string(number);
    default: return "sent";
    }
}

// A received byte's step depends on the byte when the worker was waiting:
// the awaited byte ends the wait, any other is dropped.
std::string ReceivedLabel(TrafficStep step, std::uint32_t number, std::uint8_t byte,
                          const std::string& lastSent)
{
    switch (step) {
    case TrafficStep::Wait:
        if (byte != number)
            return "dropped, waiting for " + ByteName(number);
        if (byte == ACK && !lastSent.empty())
            return "ACK for " + lastSent;
        return ByteName(number);
    case TrafficStep::CodeReply:
        if (byte == ACK)
            return "ACK: small image";
        if (byte == REPLY_LARGE)
            return "REPLY_LARGE: large image";
        if (byte == REPLY_REFUSED)
            return "REPLY_REFUSED: system code refused";
        return "dropped, waiting for the code reply";
    default: return "received";
    }
}

// Gathers bytes of one time, direction and step into lines.
class CLineWriter {
public:
    explicit CLineWriter(std::string& out) : m_out(out) { }

    // `imageOffset`: where an image byte lies in the image, which the line
    // names for its first byte; npos for any other byte.
    void Add(std::uint32_t ms, TrafficDirection direction, const std::string& label, std::uint8_t byte,
             std::size_t imageOffset = std::string::npos)
    {
        if (!m_hex.empty() &&
            (ms != m_ms || direction != m_direction || label != m_label || m_count == kBytesPerLine))
            Flush();
        if (m_hex.empty()) {
            m_ms = ms;
            m_direction = direction;
            m_label = label;
            m_where.clear();
            if (imageOffset != std::string::npos) {
                char at[24];
                std::snprintf(at, sizeof at, " at 0x%05zX", imageOffset);
                m_where = at;
            }
        }
        char hex[4];
        std::snprintf(hex, sizeof hex, m_hex.empty() ? "%02X" : " %02X", byte);
        m_hex += hex;
        ++m_count;
    }

    void Flush()
    {
        if (m_hex.empty())
            return;
        m_out += std::to_string(m_ms) + '\t' +
                 (m_direction == TrafficDirection::Sent ? "PC->STB" : "STB->PC") + '\t' + m_label + m_where +
                 '\t' + m_hex + '\n';
        m_hex.clear();
        m_count = 0;
    }

private:
    std::string& m_out;
    std::uint32_t m_ms = 0;
    TrafficDirection m_direction = TrafficDirection::Sent;
    std::string m_label;
    std::string m_where;
    std::string m_hex;
    std::size_t m_count = 0;
};

}  // namespace

void CTrafficLog::Begin(const std::string& transfer, const std::string& device, const std::string& code)
{
    m_szTransfer = transfer;
    m_szDevice = device;
    m_szCode = code;
    m_szStarted = LocalTimeNow();
    m_szOutcome.clear();
    m_start = std::chrono::steady_clock::now();
    m_bytes.clear();
    m_bytes.reserve(kByteCapacity);
    m_chunks.clear();
    m_nLost = 0;
    m_nSinceStamp = 0;
    m_step = TrafficStep::None;
    m_nNumber = 0;
    m_bBreak = true;
    m_bFull = false;
}

void CTrafficLog::OpenChunk(TrafficDirection direction)
{
    const auto elapsed = std::chrono::steady_clock::now() - m_start;
    const auto ms =
        static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
    m_bBreak = false;
    m_nSinceStamp = 0;
    m_direction = direction;
    if (!m_chunks.empty()) {
        const Chunk& last = m_chunks.back();
        if (last.ms == ms && last.direction == direction && last.step == m_step && last.number == m_nNumber)
            return;
    }
    if (m_chunks.size() == kChunkCapacity) {
        m_bFull = true;
        return;
    }
    m_chunks.push_back({ms, 0, m_nNumber, direction, m_step});
}

std::string CTrafficLog::Text() const
{
    if (Empty())
        return {};
    std::string out = "# Volmaren traffic log\n# transfer: " + m_szTransfer + "\n# port: " + m_szDevice +
                      "\n# system code: " + m_szCode + "\n# started: " + m_szStarted +
                      "\n# columns: milliseconds since the start, PC->STB or STB->PC, protocol step, bytes "
                      "in hex\n";
    CLineWriter lines(out);
    std::string lastSent;
    std::size_t next = 0;
    std::size_t imageOffset = 0;
    for (const Chunk& chunk : m_chunks) {
        const bool sent = chunk.direction == TrafficDirection::Sent;
        const std::string sentLabel = sent ? SentLabel(chunk.step, chunk.number) : std::string();
        for (std::uint32_t i = 0; i < chunk.length; ++i) {
            const std::uint8_t byte = m_bytes[next++];
            if (sent)
                lines.Add(chunk.ms, chunk.direction, sentLabel, byte);
            else if (chunk.step == TrafficStep::Image)
                lines.Add(chunk.ms, chunk.direction, "image", byte, imageOffset++);
            else
                lines.Add(chunk.ms, chunk.direction, ReceivedLabel(chunk.step, chunk.number, byte, lastSent),
                          byte);
        }
        if (sent)
            lastSent = sentLabel;
    }
    lines.Flush();
    if (m_nLost > 0)
        out += "# " + std::to_string(m_nLost) + " more bytes were not recorded: the log keeps at most " +
               std::to_string(kByteCapacity) + " bytes\n";
    if (!m_szOutcome.empty())
        out += "# end: " + m_szOutcome + '\n';
    return out;
}
