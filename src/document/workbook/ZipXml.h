// Streams one XML part of a zip package through expat, handing over element
// names without their namespace, so that transitional and strict workbooks
// read alike. No part is ever held whole in memory; a document type
// declaration is refused, so no entity can expand.
#pragma once

#include <string>
#include <string_view>

struct zip;

namespace tabrix {

class CZipXmlHandler {
public:
    virtual ~CZipXmlHandler() = default;
    // attrs: name, value, name, value, ..., null; names are local names
    // prefixed by their namespace and '|' when they have one.
    virtual void startElement(std::string_view local, const char** attrs) = 0;
    virtual void endElement(std::string_view local) = 0;
    virtual void characters(std::string_view text) = 0;

    // Asks the parser to stop after the current callback, as a success.
    void stopParsing() { m_stop = true; }
    bool stopRequested() const { return m_stop; }
    void resetStop() { m_stop = false; }

    // The value of the attribute of that local name, or empty.
    static std::string_view attribute(const char** attrs, std::string_view local);

private:
    bool m_stop = false;
};

enum class ZipXmlResult { Done, Missing, Damaged };

// Parses the package entry of that name (case ignored) through the handler.
ZipXmlResult ParseZipXml(struct zip* archive, const std::string& entry, CZipXmlHandler& handler);

}  // namespace tabrix
