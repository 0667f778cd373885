#pragma once
// The little XML reading the object storage answers need: a value between two tags.
#include <string>
#include <string_view>

namespace orva::exchange {

/// Finds openTag at or after pos, then closeTag after it; returns the text between them
/// with XML references decoded (the five named ones and numeric ones), and moves pos
/// just past closeTag. When either tag is missing it returns "" and leaves pos as it was.
std::string ExtractXmlValue(std::string_view xml, std::string_view openTag,
                            std::string_view closeTag, std::size_t& pos);

/// Decodes &amp; &lt; &gt; &quot; &apos; and &#NNN; / &#xHH; (to UTF-8). Anything else
/// that starts with '&' is kept as it stands.
std::string XmlDecodeText(std::string_view text);

} // namespace orva::exchange
