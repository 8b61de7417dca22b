// Feeds arbitrary receive buffers to the reply parser.  Each input is parsed
// as it stands and once more with header, length byte and checksum repaired,
// so that the decoding of every reply code is reached and not only the
// acceptance checks.  The buffers are handed over without a copy, so a read
// past their end is caught by the address sanitizer.

#include "frameCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void parseAndCheck(const QByteArray &buffer)
{
    const auto reply = frameCodec::parseReply(buffer);
    if (!reply)
        return;
    // Whatever was accepted must obey the acceptance rule.
    const int n = buffer.size();
    check(n >= 5 && n < 65535);
    check(uchar(buffer.at(0)) == 0x55 && uchar(buffer.at(1)) == 0xAA);
    check(uchar(buffer.at(2)) == n);
    check(frameCodec::checksum(buffer.left(n - 1)) == uchar(buffer.at(n - 1)));
    check(reply->code >= frameCodec::KeepAliveReply && reply->code <= frameCodec::WhitenessReply);
    check(n >= frameCodec::minimumReplyLength(reply->code));
    check(!reply->info.formula.isNull() || reply->code != frameCodec::InfoReply);
    check(reply->record.name.size() <= 4 && reply->storedName.size() <= 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 70000)
        return 0;
    parseAndCheck(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));

    if (size >= 5 && size <= 255) {
        std::unique_ptr<char[]> repaired(new char[size]);
        std::memcpy(repaired.get(), data, size);
        repaired[0] = char(0x55);
        repaired[1] = char(0xAA);
        repaired[2] = char(size);
        // Keep the code within the replies most of the time.
        repaired[3] = char(0xA0 + uchar(data[3]) % 10);
        const QByteArray head = QByteArray::fromRawData(repaired.get(), int(size) - 1);
        repaired[size - 1] = char(frameCodec::checksum(head));
        const QByteArray frame = QByteArray::fromRawData(repaired.get(), int(size));
        check(frameCodec::parseReply(frame).has_value() ==
              (int(size) >= frameCodec::minimumReplyLength(frameCodec::ReplyCode(repaired[3]))));
        parseAndCheck(frame);
    }

    // The text side: the same bytes as a frame text.
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), int(size));
    const QByteArray bytes = frameCodec::hexTextToBytes(text);
    check(bytes.size() <= int(size) / 2);
    const QString withChecksum = frameCodec::appendChecksum(text);
    check(withChecksum.size() == text.size() + 2);
    if (size >= 4) {
        float value;
        std::memcpy(&value, data, sizeof value);
        check(frameCodec::encodeRequestValue(value).size() == 4);
    }
    return 0;
}
