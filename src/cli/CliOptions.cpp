#include "cli/CliOptions.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "cli/CliSession.h"
#include "cli/EditCommand.h"
#include "cli/FilterArgs.h"
#include "text/Cp932.h"

namespace tabrix {

std::optional<char> ParseDelimiterName(const std::string& name) {
    if (name == "csv") return ',';
    if (name == "tab") return '\t';
    if (name == "space") return ' ';
    std::string cp932;
    if (Utf8ToCp932(name, cp932) && cp932.size() == 1) return cp932[0];
    return std::nullopt;
}

std::string DelimiterName(char delimiter) {
    switch (delimiter) {
        case ',': return "csv";
        case '\t': return "tab";
        case ' ': return "space";
        default: {
            char hex[8];
            std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(delimiter));
            return hex;
        }
    }
}

const char* EncodingName(FileEncoding encoding) {
    switch (encoding) {
        case FileEncoding::Sjis: return "sjis";
        case FileEncoding::Utf8: return "utf8";
        case FileEncoding::Utf8Bom: return "utf8-bom";
        case FileEncoding::EucJp: return "eucjp";
    }
    return "sjis";
}

FileEncoding OutputEncoding(const CliOptions& options, FileEncoding read) {
    return options.outEncoding.value_or(IsUtf8(read) ? read : FileEncoding::Sjis);
}

namespace {

// A decimal number of a command-line option; the dialog's checks judge its range.
bool ParseCount(const std::string& text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// The names --encoding (input) or --out-encoding (output) takes.
std::optional<FileEncoding> ParseEncodingName(const std::string& name, bool output) {
    for (const FileEncoding e : {FileEncoding::Sjis, FileEncoding::Utf8, FileEncoding::Utf8Bom, FileEncoding::EucJp}) {
        const bool allowed = output ? e != FileEncoding::EucJp : e != FileEncoding::Utf8Bom;
        if (allowed && name == EncodingName(e)) return e;
    }
    return std::nullopt;
}

}  // namespace

bool ParseCliOptions(int argc, char** argv, CliOptions& options, std::string& error) {
    if (argc < 2) {
        error = "usage: tabrix-cli info|save|check|edit FILE... [options]";
        return false;
    }
    options.command = argv[1];
    auto value = [&](int& i, const std::string& flag, std::string& out) {
        if (i + 1 >= argc) {
            error = flag + " needs a value";
            return false;
        }
        out = argv[++i];
        return true;
    };
    auto toCp932 = [&](const std::string& utf8, std::string& out) {
        if (Utf8ToCp932(utf8, out)) return true;
        error = "not representable in Shift-JIS: " + utf8;
        return false;
    };
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string v;
        if (arg == "--delim" || arg == "--out-delim") {
            if (!value(i, arg, v)) return false;
            if (arg == "--out-delim" && v == "excel") {
                options.outExcel = true;
                continue;
            }
            const auto d = ParseDelimiterName(v);
            if (!d) {
                error = "bad delimiter: " + v + " (csv, tab, space or one character)";
                return false;
            }
            (arg == "--delim" ? options.open.delimiter : options.outDelimiter) = d;
        } else if (arg == "--encoding" || arg == "--out-encoding") {
            if (!value(i, arg, v)) return false;
            const bool output = arg == "--out-encoding";
            const auto e = ParseEncodingName(v, output);
            if (!e) {
                error = "bad encoding: " + v + (output ? " (sjis, utf8 or utf8-bom)" : " (sjis, utf8 or eucjp)");
                return false;
            }
            (output ? options.outEncoding : options.encoding) = e;
        } else if (arg == "--quote") {
            options.open.quote = true;
        } else if (arg == "--title") {
            options.open.title = true;
        } else if (arg == "--out-quote") {
            options.outQuote = true;
        } else if (arg == "--out-no-quote") {
            options.outQuote = false;
        } else if (arg == "--sheet" || arg == "--first" || arg == "--last") {
            if (!value(i, arg, v)) return false;
            int number = 0;
            if (!ParseCount(v, number)) {
                error = arg + " needs a number: " + v;
                return false;
            }
            if (arg == "--sheet") options.open.sheet = number;
            else (arg == "--first" ? options.open.firstRow : options.open.lastRow) = number;
        } else if (arg == "--sheets") {
            options.listSheets = true;
        } else if (arg == "--set") {
            if (!value(i, arg, v)) return false;
            const std::size_t eq = v.find('=');
            if (eq == std::string::npos || eq == 0) {
                error = "--set needs NAME=VALUE";
                return false;
            }
            std::string text;
            if (!toCp932(v.substr(eq + 1), text)) return false;
            options.settings.emplace_back(v.substr(0, eq), text);
        } else if (arg == "--errors" || arg == "--fix" || arg == "--defdir") {
            if (!value(i, arg, v)) return false;
            std::string path;
            if (v == "-" && arg == "--errors")
                path = v;
            else if (!toCp932(v, path))
                return false;
            (arg == "--errors" ? options.errorsFile : arg == "--fix" ? options.fixFile : options.defDir) = path;
        } else if (const int arity = options.command == "edit"   ? EditOptionArity(arg)
                                     : options.command == "ctrl" ? CtrlOptionArity(arg)
                                                                 : -1;
                   arity >= 0) {
            std::string text;
            if (arity == 1 && (!value(i, arg, v) || !toCp932(v, text))) return false;
            options.commandOptions.emplace_back(arg, text);
        } else if (const int arity = CommandOptionArity(std::vector<std::string>(argv + i, argv + std::min(argc, i + 3)), 0);
                   arity >= 0) {
            if (i + arity >= argc) {
                error = arg + " needs " + std::to_string(arity) + " values";
                return false;
            }
            for (int k = 0; k <= arity; ++k) options.commandArgs.emplace_back(argv[i + k]);
            i += arity;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = "unknown option: " + arg;
            return false;
        } else {
            std::string path;
            if (!toCp932(arg, path)) return false;
            options.files.push_back(path);
        }
    }
    return true;
}

bool ApplySettings(const CliOptions& options, Settings& settings, std::string& error) {
    for (const auto& [name, text] : options.settings) {
        if (!SetSettingByName(settings, name, text)) {
            error = "--set " + name + ": unknown setting or bad value";
            return false;
        }
    }
    return true;
}

}  // namespace tabrix
