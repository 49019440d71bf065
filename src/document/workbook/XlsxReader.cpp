#include "document/workbook/XlsxReader.h"

#include <zip.h>

#include <charconv>
#include <map>

#include "document/workbook/ZipXml.h"

namespace tabrix {

namespace {

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool IsTrue(std::string_view v) { return v == "1" || v == "true"; }

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

struct Relationship {
    std::string type;
    std::string target;
};

class RelsHandler : public CZipXmlHandler {
public:
    std::map<std::string, Relationship> byId;
    void startElement(std::string_view local, const char** attrs) override {
        if (local != "Relationship" || attribute(attrs, "TargetMode") == "External") return;
        byId[std::string(attribute(attrs, "Id"))] = {std::string(attribute(attrs, "Type")),
                                                     std::string(attribute(attrs, "Target"))};
    }
    void endElement(std::string_view) override {}
    void characters(std::string_view) override {}
    // The target of the first relationship whose type ends so.
    std::string targetOfType(std::string_view typeTail) const {
        for (const auto& [id, rel] : byId)
            if (EndsWith(rel.type, typeTail)) return rel.target;
        return {};
    }
};

class WorkbookHandler : public CZipXmlHandler {
public:
    struct Sheet {
        std::string name;  // UTF-8
        std::string relId;
    };
    std::vector<Sheet> sheets;
    bool date1904 = false;
    void startElement(std::string_view local, const char** attrs) override {
        if (local == "workbookPr") date1904 = IsTrue(attribute(attrs, "date1904"));
        if (local == "sheet") sheets.push_back({std::string(attribute(attrs, "name")), std::string(attribute(attrs, "id"))});
    }
    void endElement(std::string_view local) override {
        if (local == "sheets") stopParsing();
    }
    void characters(std::string_view) override {}
};

class StylesHandler : public CZipXmlHandler {
public:
    std::map<int, NumberKind> formats;
    std::vector<int> xfFormats;
    void startElement(std::string_view local, const char** attrs) override {
        if (local == "numFmt") {
            int id = 0;
            if (ParseNumber(attribute(attrs, "numFmtId"), id)) formats[id] = FormatCodeKind(attribute(attrs, "formatCode"));
        } else if (local == "cellXfs") {
            m_inCellXfs = true;
        } else if (local == "xf" && m_inCellXfs) {
            int id = 0;
            ParseNumber(attribute(attrs, "numFmtId"), id);
            xfFormats.push_back(id);
        }
    }
    void endElement(std::string_view local) override {
        if (local == "cellXfs") stopParsing();
    }
    void characters(std::string_view) override {}

private:
    bool m_inCellXfs = false;
};

// Text of <t> elements, whether direct or in rich-text runs, leaving out the
// phonetic runs (rPh) that Japanese workbooks add to their strings.
class TextCollector {
public:
    void start(std::string_view local) {
        if (local == "rPh") ++m_phonetic;
        if (local == "t" && m_phonetic == 0) m_inText = true;
    }
    void end(std::string_view local) {
        if (local == "rPh") --m_phonetic;
        if (local == "t") m_inText = false;
    }
    void characters(std::string_view text) {
        if (m_inText) m_text.append(text);
    }
    std::string& text() { return m_text; }
    void reset() {
        m_text.clear();
        m_inText = false;
        m_phonetic = 0;
    }

private:
    std::string m_text;
    bool m_inText = false;
    int m_phonetic = 0;
};

class SharedStringsHandler : public CZipXmlHandler {
public:
    SharedStringsHandler(std::string& arena, std::vector<CXlsxReader::SharedString>& strings)
        : m_arena(arena), m_strings(strings) {}
    void startElement(std::string_view local, const char**) override {
        if (local == "si") {
            m_inItem = true;
            m_text.reset();
        } else if (m_inItem) {
            m_text.start(local);
        }
    }
    void endElement(std::string_view local) override {
        if (local != "si") {
            if (m_inItem) m_text.end(local);
            return;
        }
        m_inItem = false;
        CellAlterations changed;
        const std::size_t from = m_arena.size();
        AppendCellUtf8(m_text.text(), true, m_arena, changed);
        m_strings.push_back({from, static_cast<std::uint32_t>(m_arena.size() - from),
                             static_cast<std::uint32_t>(changed.replaced), static_cast<std::uint32_t>(changed.controls)});
    }
    void characters(std::string_view text) override { m_text.characters(text); }

private:
    std::string& m_arena;
    std::vector<CXlsxReader::SharedString>& m_strings;
    TextCollector m_text;
    bool m_inItem = false;
};

class SheetHandler : public CZipXmlHandler {
public:
    SheetHandler(CXlsxReader& reader, int first, int last, const WorkbookRowVisitor& visit)
        : m_reader(reader), m_first(first), m_last(last), m_visit(visit), m_cells(kWorkbookColumns) {}

    void startElement(std::string_view local, const char** attrs) override {
        if (m_inCell) {
            if (local == "v") {
                m_inValue = true;
                m_hasValue = true;
            } else if (local == "f") {
                m_hasFormula = true;
            } else if (local == "is") {
                m_inInline = true;
            } else if (m_inInline) {
                m_inlineText.start(local);
            }
            return;
        }
        if (local == "c") {
            startCell(attrs);
        } else if (local == "row") {
            int r = 0;
            m_row = ParseNumber(attribute(attrs, "r"), r) && r > 0 ? r : m_row + 1;
            m_col = 0;
            if (m_row > m_last) stopParsing();
        }
    }

    void endElement(std::string_view local) override {
        if (m_inCell) {
            if (local == "c") {
                endCell();
            } else if (local == "v") {
                m_inValue = false;
            } else if (local == "is") {
                m_inInline = false;
            } else if (m_inInline) {
                m_inlineText.end(local);
            }
            return;
        }
        if (local == "row") {
            if (m_count > 0 && !m_visit(m_row, std::span<const std::string>(m_cells.data(), m_count), m_alt))
                stopParsing();
            for (std::size_t c = 0; c < m_count; ++c) m_cells[c].clear();
            m_count = 0;
            m_alt = {};
        } else if (local == "sheetData") {
            stopParsing();
        }
    }

    void characters(std::string_view text) override {
        if (m_inValue) {
            m_value.append(text);
        } else if (m_inInline) {
            m_inlineText.characters(text);
        }
    }

private:
    void startCell(const char** attrs) {
        const std::string_view ref = attribute(attrs, "r");
        const int col = ref.empty() ? 0 : ColumnOfReference(ref);
        m_col = col > 0 ? col : m_col + 1;
        if (m_row < m_first || m_row > m_last) return;  // passed over without a look
        m_inCell = true;
        m_type = attribute(attrs, "t");
        std::size_t style = 0;
        m_style = ParseNumber(attribute(attrs, "s"), style) ? style : 0;
        m_value.clear();
        m_hasValue = m_hasFormula = m_inValue = m_inInline = false;
        m_inlineText.reset();
    }

    void endCell() {
        m_inCell = false;
        m_scratch.clear();
        const bool beyond = m_col > kWorkbookColumns;
        std::string& out = beyond ? m_scratch : m_cells[static_cast<std::size_t>(m_col - 1)];
        out.clear();
        cellText(out);
        if (beyond) {
            if (!out.empty()) ++m_alt.beyondLastColumn;
            return;
        }
        if (!out.empty() && static_cast<std::size_t>(m_col) > m_count) m_count = static_cast<std::size_t>(m_col);
    }

    void cellText(std::string& out) {
        const std::string_view t = m_type;
        if (t == "inlineStr") {
            AppendCellUtf8(m_inlineText.text(), true, out, m_alt);
            return;
        }
        if (!m_hasValue) {
            if (m_hasFormula) ++m_alt.noCachedValue;
            return;
        }
        if (t == "s") {
            std::size_t index = 0;
            const auto& strings = m_reader.sharedStrings();
            if (ParseNumber(std::string_view(m_value), index) && index < strings.size()) {
                const CXlsxReader::SharedString& s = strings[index];
                out.append(m_reader.sharedText(), s.offset, s.length);
                m_alt.replaced += s.replaced;
                m_alt.controls += s.controls;
            }
        } else if (t == "str") {
            AppendCellUtf8(m_value, true, out, m_alt);
        } else if (t == "b") {
            out += IsTrue(m_value) ? "TRUE" : "FALSE";
        } else if (t == "e") {
            AppendCellUtf8(m_value, false, out, m_alt);
        } else if (t == "d") {
            if (!AppendIsoDateText(m_value, out)) AppendCellUtf8(m_value, false, out, m_alt);
        } else {
            double value = 0;
            if (!ParseNumber(std::string_view(m_value), value)) {
                AppendCellUtf8(m_value, false, out, m_alt);
            } else if (!AppendSerialText(value, m_reader.kindOfStyle(m_style), m_reader.date1904(), out)) {
                AppendNumberText(value, out);
            }
        }
    }

    CXlsxReader& m_reader;
    int m_first;
    int m_last;
    const WorkbookRowVisitor& m_visit;
    std::vector<std::string> m_cells;
    std::size_t m_count = 0;
    CellAlterations m_alt;  // of the row being read
    int m_row = 0;
    int m_col = 0;
    bool m_inCell = false;
    bool m_inValue = false;
    bool m_inInline = false;
    bool m_hasValue = false;
    bool m_hasFormula = false;
    std::string m_type;
    std::size_t m_style = 0;
    std::string m_value;
    std::string m_scratch;
    TextCollector m_inlineText;
};

std::string RelsPartOf(const std::string& part) {
    const std::size_t slash = part.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
    return folder + "_rels/" + part.substr(slash == std::string::npos ? 0 : slash + 1) + ".rels";
}

}  // namespace

std::string ResolvePartPath(const std::string& sourcePart, std::string_view target) {
    std::vector<std::string> parts;
    auto push = [&parts](std::string_view path) {
        std::size_t start = 0;
        while (start <= path.size()) {
            std::size_t slash = path.find('/', start);
            if (slash == std::string_view::npos) slash = path.size();
            const std::string_view piece = path.substr(start, slash - start);
            if (piece == "..") {
                if (!parts.empty()) parts.pop_back();
            } else if (!piece.empty() && piece != ".") {
                parts.emplace_back(piece);
            }
            start = slash + 1;
        }
    };
    if (target.empty() || target[0] != '/') {
        const std::size_t slash = sourcePart.rfind('/');
        if (slash != std::string::npos) push(std::string_view(sourcePart).substr(0, slash));
    }
    push(target);
    std::string path;
    for (const std::string& p : parts) path += (path.empty() ? "" : "/") + p;
    return path;
}

int ColumnOfReference(std::string_view reference) {
    int col = 0;
    for (char c : reference) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') break;
        col = col * 26 + (c - 'A' + 1);
        if (col > 1 << 20) return 1 << 20;  // far beyond any sheet; no overflow
    }
    return col;
}

CXlsxReader::~CXlsxReader() {
    if (m_zip) zip_discard(m_zip);
}

CXlsxReader::Status CXlsxReader::open(const std::string& fsPath) {
    int error = 0;
    m_zip = zip_open(fsPath.c_str(), ZIP_RDONLY, &error);
    if (!m_zip) return error == ZIP_ER_NOZIP ? Status::NotPackage : Status::Damaged;

    RelsHandler packageRels;
    if (ParseZipXml(m_zip, "_rels/.rels", packageRels) == ZipXmlResult::Damaged) return Status::Damaged;
    std::string workbookPart = packageRels.targetOfType("/officeDocument");
    workbookPart = workbookPart.empty() ? std::string("xl/workbook.xml") : ResolvePartPath("", workbookPart);

    WorkbookHandler workbook;
    if (ParseZipXml(m_zip, workbookPart, workbook) != ZipXmlResult::Done) return Status::Damaged;
    m_date1904 = workbook.date1904;
    RelsHandler rels;
    if (ParseZipXml(m_zip, RelsPartOf(workbookPart), rels) != ZipXmlResult::Done) return Status::Damaged;

    CellAlterations ignored;
    for (const WorkbookHandler::Sheet& sheet : workbook.sheets) {
        const auto it = rels.byId.find(sheet.relId);
        if (it == rels.byId.end() || !EndsWith(it->second.type, "/worksheet")) continue;
        std::string name;
        AppendCellUtf8(sheet.name, false, name, ignored);
        m_sheets.push_back(std::move(name));
        m_sheetParts.push_back(ResolvePartPath(workbookPart, it->second.target));
    }
    const std::string styles = rels.targetOfType("/styles");
    if (!styles.empty() && !readStyles(ResolvePartPath(workbookPart, styles))) return Status::Damaged;
    const std::string shared = rels.targetOfType("/sharedStrings");
    if (!shared.empty() && !readSharedStrings(ResolvePartPath(workbookPart, shared))) return Status::Damaged;
    return Status::Ok;
}

bool CXlsxReader::readStyles(const std::string& part) {
    StylesHandler handler;
    if (ParseZipXml(m_zip, part, handler) == ZipXmlResult::Damaged) return false;
    for (int id : handler.xfFormats) {
        const auto it = handler.formats.find(id);
        m_styleKinds.push_back(it != handler.formats.end() ? it->second : BuiltinFormatKind(id));
    }
    return true;
}

bool CXlsxReader::readSharedStrings(const std::string& part) {
    SharedStringsHandler handler(m_sharedText, m_shared);
    return ParseZipXml(m_zip, part, handler) != ZipXmlResult::Damaged;
}

bool CXlsxReader::readRows(std::size_t sheet, int first, int last, const WorkbookRowVisitor& visit) {
    if (sheet >= m_sheetParts.size()) return false;
    SheetHandler handler(*this, first, last, visit);
    return ParseZipXml(m_zip, m_sheetParts[sheet], handler) == ZipXmlResult::Done;
}

}  // namespace tabrix
