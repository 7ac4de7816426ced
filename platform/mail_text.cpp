#include "platform/mail_text.h"

#include <vmime/platforms/posix/posixHandler.hpp>
#include <vmime/vmime.hpp>

namespace MailSupport {

void EnsureVmimePlatform()
{
    static const bool ready = [] {
        vmime::platform::setHandler<vmime::platforms::posix::posixHandler>();
        return true;
    }();
    (void)ready;
}

std::string MailBodyText(const std::string& raw)
{
    EnsureVmimePlatform();
    auto message = std::make_shared<vmime::message>();
    message->parse(raw);
    vmime::messageParser parser(message);
    for (std::size_t i = 0; i < parser.getTextPartCount(); ++i) {
        auto part = parser.getTextPartAt(i);
        if (part->getType().getSubType() != vmime::mediaTypes::TEXT_PLAIN)
            continue;
        std::string decoded;
        vmime::utility::outputStreamStringAdapter os(decoded);
        part->getText()->extract(os);
        std::string utf8;
        vmime::charset::convert(decoded, utf8, part->getCharset(),
                                vmime::charset(vmime::charsets::UTF_8));
        return utf8;
    }
    std::string decoded;
    vmime::utility::outputStreamStringAdapter os(decoded);
    message->getBody()->getContents()->extract(os);
    return decoded;
}

} // namespace MailSupport
