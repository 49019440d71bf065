#include "document/FileEncoding.h"

#include <cstdio>

#include "document/EucConvert.h"
#include "document/LineReader.h"
#include "text/Utf8Codec.h"

namespace tabrix {

std::unique_ptr<IByteDecoder> DecoderFor(FileEncoding encoding) {
    switch (encoding) {
        case FileEncoding::Sjis: return nullptr;
        case FileEncoding::Utf8:
        case FileEncoding::Utf8Bom: return std::make_unique<Utf8ToCp932Decoder>();
        case FileEncoding::EucJp: return std::make_unique<EucBlockDecoder>();
    }
    return nullptr;
}

DecodeReport ReportOf(const CLineReader& reader, const IByteDecoder* decoder) {
    DecodeReport report;
    if (const auto* utf8 = dynamic_cast<const Utf8ToCp932Decoder*>(decoder)) {
        report.bom = utf8->hadBom();
        report.replaced = utf8->replaced();
    }
    report.line = reader.replacedLine();
    report.column = reader.replacedColumn();
    return report;
}

FileEncoding EncodingAfterRead(FileEncoding read, const DecodeReport& report) {
    if (read == FileEncoding::EucJp) return FileEncoding::Sjis;
    if (IsUtf8(read)) return report.bom ? FileEncoding::Utf8Bom : FileEncoding::Utf8;
    return read;
}

std::string ReplacedNotice(const DecodeReport& report) {
    if (report.replaced == 0) return {};
    char text[384];
    std::snprintf(text, sizeof text,
                  "S-JISに無い文字が%lld文字有った為、「?」（似た文字が有る場合はその文字）に置き換えました。\n"
                  "最初の文字は%lld行目の%lld文字目です。",
                  static_cast<long long>(report.replaced), static_cast<long long>(report.line),
                  static_cast<long long>(report.column));
    return text;
}

std::string InvalidUtf8Message(const std::string& path, std::int64_t line) {
    char text[96];
    std::snprintf(text, sizeof text, "の%lld行目にUTF-8ではないバイトが有る為、開けません。", static_cast<long long>(line));
    return path + text;
}

std::string NotCp932Message(const std::string& path, std::int64_t line) {
    char text[128];
    std::snprintf(text, sizeof text, "%lld行目にS-JISではないバイトが有る為、UTF-8で保存出来ません。\n",
                  static_cast<long long>(line));
    return text + path;
}

}  // namespace tabrix
