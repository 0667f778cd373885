#include "exchange/aws_s3_xml.h"

#include <array>
#include <charconv>

namespace orva::exchange {

namespace {

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

/// The character a numeric reference body ("#38", "#x26") names, or 0 when it names none
/// that XML allows.
char32_t numericReference(std::string_view body) {
    int base = 10;
    body.remove_prefix(1);
    if (!body.empty() && (body.front() == 'x' || body.front() == 'X')) {
        base = 16;
        body.remove_prefix(1);
    }
    unsigned long code = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), code, base);
    if (body.empty() || error != std::errc() || end != body.data() + body.size())
        return 0;
    const bool allowed = code == 0x9 || code == 0xA || code == 0xD ||
                         (code >= 0x20 && code <= 0xD7FF) || (code >= 0xE000 && code <= 0xFFFD) ||
                         (code >= 0x10000 && code <= 0x10FFFF);
    return allowed ? static_cast<char32_t>(code) : 0;
}

} // namespace

std::string XmlDecodeText(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> named = {
        {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}}};
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t amp = text.find('&', i);
        if (amp == std::string_view::npos) {
            out.append(text.substr(i));
            break;
        }
        out.append(text.substr(i, amp - i));
        const std::size_t semicolon = text.find(';', amp + 1);
        bool decoded = false;
        if (semicolon != std::string_view::npos) {
            const std::string_view body = text.substr(amp + 1, semicolon - amp - 1);
            if (!body.empty() && body.front() == '#') {
                if (const char32_t code = numericReference(body)) {
                    appendUtf8(out, code);
                    decoded = true;
                }
            } else {
                for (const auto& [name, character] : named) {
                    if (body == name) {
                        out += character;
                        decoded = true;
                        break;
                    }
                }
            }
        }
        if (decoded) {
            i = semicolon + 1;
        } else {
            out += '&';
            i = amp + 1;
        }
    }
    return out;
}

std::string ExtractXmlValue(std::string_view xml, std::string_view openTag,
                            std::string_view closeTag, std::size_t& pos) {
    if (pos > xml.size())
        return {};
    const std::size_t open = xml.find(openTag, pos);
    if (open == std::string_view::npos)
        return {};
    const std::size_t valueStart = open + openTag.size();
    const std::size_t close = xml.find(closeTag, valueStart);
    if (close == std::string_view::npos)
        return {};
    pos = close + closeTag.size();
    return XmlDecodeText(xml.substr(valueStart, close - valueStart));
}

} // namespace orva::exchange
