// Reading the service's XML answers, content types by file name, and the last-error text.
#include "exchange/aws_s3.h"
#include "exchange/aws_s3_xml.h"

#include <gtest/gtest.h>

using namespace orva::exchange;

TEST(ExtractXmlValue, TakesValuesInOrderAndMovesPastTheClosingTag) {
    const std::string xml = "<R><Key>uno</Key><Size>1</Size><Key>dos</Key></R>";
    std::size_t pos = 0;
    EXPECT_EQ(ExtractXmlValue(xml, "<Key>", "</Key>", pos), "uno");
    EXPECT_EQ(pos, xml.find("<Size>"));
    EXPECT_EQ(ExtractXmlValue(xml, "<Key>", "</Key>", pos), "dos");
    EXPECT_EQ(pos, xml.find("</R>"));
    const std::size_t end = pos;
    EXPECT_EQ(ExtractXmlValue(xml, "<Key>", "</Key>", pos), "");
    EXPECT_EQ(pos, end);
}

TEST(ExtractXmlValue, MissingTagLeavesThePositionAlone) {
    struct Case {
        const char* xml;
        const char* name;
    } cases[] = {
        {"<R><Otro>x</Otro></R>", "no opening tag"},
        {"<R><Key>sin cierre</R>", "no closing tag"},
        {"</Key><Key>", "closing tag only before the opening one"},
        {"", "empty text"},
    };
    for (const Case& c : cases) {
        std::size_t pos = 0;
        EXPECT_EQ(ExtractXmlValue(c.xml, "<Key>", "</Key>", pos), "") << c.name;
        EXPECT_EQ(pos, 0u) << c.name;
    }
}

TEST(ExtractXmlValue, DecodesXmlReferencesInValues) {
    const std::pair<const char*, const char*> cases[] = {
        {"a&amp;b", "a&b"},
        {"&lt;x&gt;", "<x>"},
        {"&quot;dicho&quot; y &apos;hecho&apos;", "\"dicho\" y 'hecho'"},
        {"&#38;&#x26;&#X26;", "&&&"},
        {"a&#x27;b&#x60;c", "a'b`c"},
        {"&#241;and&#xFA;", "ñandú"},
        {"&#x1F600;", "\xF0\x9F\x98\x80"},
        {"&amp;amp;", "&amp;"},
        // Not references: kept as they stand.
        {"&nbsp;", "&nbsp;"},
        {"a & b", "a & b"},
        {"&#0;&#xD800;&#12x;&#;", "&#0;&#xD800;&#12x;&#;"},
        {"fin &amp", "fin &amp"},
    };
    for (const auto& [escaped, expected] : cases) {
        const std::string xml = std::string("<Key>") + escaped + "</Key>";
        std::size_t pos = 0;
        EXPECT_EQ(ExtractXmlValue(xml, "<Key>", "</Key>", pos), expected) << escaped;
    }
}

TEST(ContentTypeForFile, ByExtensionWithoutRegardToCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"photo.JPG", "image/jpeg"},
        {"foto.jpeg", "image/jpeg"},
        {"/home/ana/firma.Png", "image/png"},
        {"anim.gif", "image/gif"},
        {"C:\\Documentos\\acta.PDF", "application/pdf"},
        {"nota.txt", "text/plain"},
        {"scan.TIF", "application/octet-stream"},
        {"archivo", "application/octet-stream"},
        {"carpeta.pdf/archivo", "application/octet-stream"},
        {"copia.pdf.bak", "application/octet-stream"},
        {"", "application/octet-stream"},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(ContentTypeForFile(path), expected) << path;
}

TEST(SetS3Error, LeadingTextThenStatusAndTheServiceMessage) {
    struct Case {
        const char* name;
        bool withResponse;
        long status;
        const char* statusText;
        const char* body;
        const char* expected;
    } cases[] = {
        {"message in the body", true, 404, "Not Found",
         "<?xml version=\"1.0\"?><Error><Code>NoSuchKey</Code><Message>The specified key does "
         "not exist.</Message></Error>",
         "S3 GET falló | HTTP 404 Not Found - The specified key does not exist."},
        {"no message", true, 503, "Service Unavailable", "<Error><Code>SlowDown</Code></Error>",
         "S3 GET falló | HTTP 503 Service Unavailable"},
        {"empty body", true, 403, "Forbidden", "", "S3 GET falló | HTTP 403 Forbidden"},
        {"message never closed", true, 500, "Internal Server Error", "<Message>cortado",
         "S3 GET falló | HTTP 500 Internal Server Error"},
        {"escaped message", true, 400, "Bad Request", "<Message>a &lt;b&gt; &amp; c</Message>",
         "S3 GET falló | HTTP 400 Bad Request - a <b> & c"},
        {"no response", false, 0, "", "", "S3 GET falló"},
    };
    for (const Case& c : cases) {
        S3HttpResponse response;
        response.status = c.status;
        response.statusText = c.statusText;
        response.body = c.body;
        SetS3Error("S3 GET falló", c.withResponse ? &response : nullptr);
        EXPECT_EQ(S3LastError(), c.expected) << c.name;
    }
}
