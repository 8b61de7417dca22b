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

// Replies that arrived together: whole frames from the first byte on, each
// one an accepted reply on its own.
void splitAndCheck(const QByteArray &buffer)
{
    int consumed = -1;
    const QVector<frameCodec::Reply> replies = frameCodec::parseReplies(buffer, &consumed);
    check(consumed >= 0 && consumed <= buffer.size());
    check(replies.isEmpty() == (consumed == 0));
    int at = 0;
    for (int i = 0; i < replies.size(); ++i) {
        const int n = uchar(buffer.at(at + 2));
        const auto one = frameCodec::parseReply(buffer.mid(at, n));
        check(one.has_value() && one->code == replies.at(i).code);
        at += n;
    }
    check(at == consumed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 70000)
        return 0;
    parseAndCheck(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));
    splitAndCheck(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)));

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
        // The repaired frame twice, and once more behind it cut short.
        const QByteArray two = frame + frame + frame.left(int(size) / 2);
        splitAndCheck(two);
        check(frameCodec::parseReplies(two).size() == (frameCodec::parseReply(frame) ? 2 : 0));
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
