#include "document/workbook/CellText.h"

#include <cstdio>

namespace tabrix {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The unit of an _xHHHH_ escape at pos, or -1.
int EscapeAt(std::string_view text, std::size_t pos) {
    if (pos + 7 > text.size() || text[pos] != '_' || text[pos + 1] != 'x' || text[pos + 6] != '_') return -1;
    int unit = 0;
    for (std::size_t i = pos + 2; i < pos + 6; ++i) {
        const int h = HexValue(text[i]);
        if (h < 0) return -1;
        unit = unit << 4 | h;
    }
    return unit;
}

// Decodes the UTF-8 sequence at pos (the parser only delivers well-formed text).
char32_t DecodeUtf8(std::string_view s, std::size_t& pos) {
    const unsigned char c = static_cast<unsigned char>(s[pos]);
    std::size_t n = c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (pos + n > s.size()) n = s.size() - pos;
    char32_t cp = n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
    for (std::size_t i = 1; i < n; ++i) cp = cp << 6 | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
    pos += n;
    return cp;
}

void AppendUtf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | cp >> 6));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | cp >> 12));
        out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

std::string AlterationsMessage(const CellAlterations& a) {
    if (!a.any()) return {};
    std::string text = "EXCELファイルの読み込みで、次のデータを変更しました。";
    char line[160];
    auto add = [&](std::int64_t count, const char* format) {
        if (count == 0) return;
        std::snprintf(line, sizeof line, format, static_cast<long long>(count));
        text += line;
    };
    add(a.replaced, "\n・シフトJISで表せない文字を「?」に置換：%lld 文字");
    add(a.controls, "\n・セル内の改行・タブ等の制御文字を削除：%lld 文字");
    add(a.noCachedValue, "\n・計算結果が保存されていない数式セルを空白で読込：%lld セル");
    add(a.beyondLastColumn, "\n・IV列(256列目)より右のセルを読み飛ばし：%lld セル");
    return text;
}

void AppendCellUtf8(std::string_view utf8, bool escapes, std::string& out, CellAlterations& alterations) {
    Utf16CellText units(out, alterations);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const unsigned char c = static_cast<unsigned char>(utf8[pos]);
        if (c == '_' && escapes) {
            const int unit = EscapeAt(utf8, pos);
            if (unit >= 0) {
                units.put(static_cast<char16_t>(unit));
                pos += 7;
                continue;
            }
        }
        if (c < 0x80) {
            units.finish();
            AppendCellChar(c, out, alterations);
            ++pos;
            continue;
        }
        const char32_t cp = DecodeUtf8(utf8, pos);
        if (cp > 0xFFFF) {
            units.finish();
            AppendCellChar(cp, out, alterations);
        } else {
            units.put(static_cast<char16_t>(cp));
        }
    }
    units.finish();
}

void Utf16CellText::put(char16_t unit) {
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        if (m_high) {
            AppendCellChar(0x10000 + ((m_high - 0xD800) << 10) + (unit - 0xDC00), m_out, m_alt);
            m_high = 0;
        } else {
            AppendCellChar(0xFFFD, m_out, m_alt);
        }
        return;
    }
    finish();
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        m_high = unit;
        return;
    }
    AppendCellChar(unit, m_out, m_alt);
}

void Utf16CellText::finish() {
    if (!m_high) return;
    m_high = 0;
    AppendCellChar(0xFFFD, m_out, m_alt);
}

void FieldToCellUtf8(std::string_view field, std::string& out, CellOutput& result) {
    out.clear();
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < field.size();) {
        if (units >= kMaxCellUnits) {
            result.cut = true;
            return;
        }
        const unsigned char c = static_cast<unsigned char>(field[pos]);
        if (c < 0x80) {
            if (c == '_' && EscapeAt(field, pos) >= 0) {
                // The escape counts against the limit as the writer sees it.
                if (units + 7 > kMaxCellUnits) {
                    result.cut = true;
                    return;
                }
                out += "_x005F";
                units += 6;
            }
            out.push_back(static_cast<char>(c));
            ++pos;
            ++units;
            continue;
        }
        bool valid = true;
        char32_t cp = DecodeCp932(field, pos, valid);
        if (!valid) {
            ++result.badBytes;
            cp = '?';
        }
        AppendUtf8(cp, out);
        ++units;
    }
}

void FieldToCellUtf16(std::string_view field, std::u16string& out, CellOutput& result) {
    out.clear();
    for (std::size_t pos = 0; pos < field.size();) {
        if (out.size() >= kMaxCellUnits) {
            result.cut = true;
            return;
        }
        bool valid = true;
        char32_t cp = DecodeCp932(field, pos, valid);
        if (!valid) {
            ++result.badBytes;
            cp = '?';
        }
        out.push_back(static_cast<char16_t>(cp));
    }
}

}  // namespace tabrix
