#include "document/workbook/ZipXml.h"

#include <expat.h>
#include <zip.h>

#include <cstring>

namespace tabrix {

namespace {

constexpr char kSeparator = '|';
constexpr int kChunk = 1 << 18;

std::string_view LocalName(const XML_Char* name) {
    const char* sep = std::strrchr(name, kSeparator);
    return sep ? std::string_view(sep + 1) : std::string_view(name);
}

struct Session {
    XML_Parser parser;
    CZipXmlHandler& handler;
    bool refused = false;

    void stopIfAsked() {
        if (handler.stopRequested()) XML_StopParser(parser, XML_FALSE);
    }
};

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attrs) {
    auto* s = static_cast<Session*>(data);
    s->handler.startElement(LocalName(name), attrs);
    s->stopIfAsked();
}

void XMLCALL OnEnd(void* data, const XML_Char* name) {
    auto* s = static_cast<Session*>(data);
    s->handler.endElement(LocalName(name));
    s->stopIfAsked();
}

void XMLCALL OnText(void* data, const XML_Char* text, int length) {
    auto* s = static_cast<Session*>(data);
    s->handler.characters(std::string_view(text, static_cast<std::size_t>(length)));
    s->stopIfAsked();
}

void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    auto* s = static_cast<Session*>(data);
    s->refused = true;
    XML_StopParser(s->parser, XML_FALSE);
}

}  // namespace

std::string_view CZipXmlHandler::attribute(const char** attrs, std::string_view local) {
    for (const char** a = attrs; *a; a += 2)
        if (LocalName(*a) == local) return a[1];
    return {};
}

ZipXmlResult ParseZipXml(zip_t* archive, const std::string& entry, CZipXmlHandler& handler) {
    const zip_int64_t index = zip_name_locate(archive, entry.c_str(), ZIP_FL_NOCASE);
    if (index < 0) return ZipXmlResult::Missing;
    zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0);
    if (!file) return ZipXmlResult::Damaged;
    XML_Parser parser = XML_ParserCreateNS(nullptr, kSeparator);
    if (!parser) {
        zip_fclose(file);
        return ZipXmlResult::Damaged;
    }
    handler.resetStop();
    Session session{parser, handler};
    XML_SetUserData(parser, &session);
    XML_SetElementHandler(parser, OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser, OnText);
    XML_SetStartDoctypeDeclHandler(parser, OnDoctype);

    ZipXmlResult result = ZipXmlResult::Done;
    for (;;) {
        void* buffer = XML_GetBuffer(parser, kChunk);
        if (!buffer) {
            result = ZipXmlResult::Damaged;
            break;
        }
        const zip_int64_t n = zip_fread(file, buffer, kChunk);
        if (n < 0) {
            result = ZipXmlResult::Damaged;
            break;
        }
        if (XML_ParseBuffer(parser, static_cast<int>(n), n == 0) == XML_STATUS_ERROR) {
            const bool stopped = XML_GetErrorCode(parser) == XML_ERROR_ABORTED;
            result = stopped && !session.refused ? ZipXmlResult::Done : ZipXmlResult::Damaged;
            break;
        }
        if (n == 0) break;
    }
    XML_ParserFree(parser);
    zip_fclose(file);
    return result;
}

}  // namespace tabrix
