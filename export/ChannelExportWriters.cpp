// The CSV and web page forms of an exported channel list.
#include "export/ChannelExport.h"

#include <string_view>

namespace {

void AppendLatin1(std::string& out, unsigned char byte) {
    if (byte < 0x80) {
        out += static_cast<char>(byte);
    } else {
        out += static_cast<char>(0xC0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3F));
    }
}

// A spreadsheet takes a cell that begins with one of these as a formula (or, after a tab or a
// carriage return, may trim its way to one).
bool LooksLikeFormula(const std::string& text) {
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

void AppendCsvField(std::string& out, const std::string& text) {
    const bool quoted = text.find_first_of(",\"\r\n") != std::string::npos;
    if (quoted)
        out += '"';
    if (LooksLikeFormula(text))
        out += '\'';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    if (quoted)
        out += '"';
}

// HTML allows no control characters in text: they show as the replacement character, and a line
// break or tab as a space.
void AppendHtmlByte(std::string& out, unsigned char byte) {
    switch (byte) {
    case '&':
        out += "&amp;";
        return;
    case '<':
        out += "&lt;";
        return;
    case '>':
        out += "&gt;";
        return;
    case '"':
        out += "&quot;";
        return;
    case '\'':
        out += "&#39;";
        return;
    case '\t':
    case '\n':
    case '\r':
        out += ' ';
        return;
    default:
        break;
    }
    if (byte < 0x20 || byte == 0x7F)
        out += "\xEF\xBF\xBD";
    else
        out += static_cast<char>(byte);
}

// UTF-8 text escaped for HTML text and attributes; the C1 control characters (U+0080..U+009F)
// as the replacement character too.
std::string Html(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else if (byte >= 0x80) {
            out += text[i];
        } else {
            AppendHtmlByte(out, byte);
        }
    }
    return out;
}

// Print first: black on white, thin rules, small type so that the eleven columns fit across a
// landscape A4 page; the header row repeats on every page and no row is split between two.
const char* const kStyle = R"(@page { size: A4 landscape; margin: 12mm; }
body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; font-size: 10pt; color: #000; background: #fff; }
h1 { font-size: 15pt; margin: 0 0 4px 0; }
p.scope { margin: 0 0 12px 0; }
h2 { font-size: 12pt; margin: 16px 0 6px 0; page-break-after: avoid; break-after: avoid; }
table { border-collapse: collapse; width: 100%; margin: 0; }
thead { display: table-header-group; }
tr { page-break-inside: avoid; break-inside: avoid; }
th, td { border: 1px solid #888; padding: 2px 4px; text-align: start; vertical-align: top; }
th { background-color: #e8e8e8; font-weight: bold; }
td.num { text-align: right; white-space: nowrap; }
td.c { text-align: center; }
p.empty { font-style: italic; }
@media print {
  body { font-size: 7.5pt; }
  h1 { font-size: 12pt; }
  h2 { font-size: 10pt; }
}
)";

// Column classes: numbers right-aligned, the short codes centred.
const char* CellClass(int column) {
    switch (column) {
    case EXPORT_NUMBER:
    case EXPORT_FREQUENCY:
    case EXPORT_SYMBOL_RATE:
    case EXPORT_SERVICE_ID:
    case EXPORT_POSITION:
        return " class=\"num\"";
    case EXPORT_POLARITY:
        return " class=\"c\"";
    default:
        return "";
    }
}

void AppendTable(std::string& out, const ChannelExport& list, bool radio) {
    size_t count = 0;
    for (const ChannelRow& row : list.rows)
        count += row.radio == radio ? 1 : 0;
    out += "<h2>" + Html(ListHeading(list, radio, count)) + "</h2>\n";
    if (count == 0) {
        out += "<p class=\"empty\">" + Html(list.texts.noChannels) + "</p>\n";
        return;
    }
    out += "<table>\n<thead>\n<tr>";
    for (const std::string& heading : list.texts.headings) {
        out += "<th>";
        out += Html(heading);
        out += "</th>";
    }
    out += "</tr>\n</thead>\n<tbody>\n";
    for (const ChannelRow& row : list.rows) {
        if (row.radio != radio)
            continue;
        out += "<tr>";
        for (int column = 0; column < EXPORT_COLUMN_COUNT; ++column) {
            out += "<td";
            out += CellClass(column);
            out += '>';
            out += Html(row.cells[static_cast<size_t>(column)]);
            out += "</td>";
        }
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n";
}

} // namespace

std::string Latin1ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        AppendLatin1(out, static_cast<unsigned char>(c));
    return out;
}

std::string ListHeading(const ChannelExport& list, bool radio, size_t count) {
    const ExportTexts& texts = list.texts;
    return (radio ? texts.radioList : texts.tvList) + " (" +
           FillIn(count == 1 ? texts.oneChannel : texts.channels, std::to_string(count)) + ")";
}

std::string ChannelCsv(const ChannelExport& list) {
    std::string out = "\xEF\xBB\xBF";
    out.reserve(list.rows.size() * 80 + 128);
    for (int column = 0; column < EXPORT_COLUMN_COUNT; ++column) {
        if (column > 0)
            out += ',';
        AppendCsvField(out, list.texts.headings[static_cast<size_t>(column)]);
    }
    out += "\r\n";
    for (const ChannelRow& row : list.rows) {
        for (int column = 0; column < EXPORT_COLUMN_COUNT; ++column) {
            if (column > 0)
                out += ',';
            AppendCsvField(out, row.cells[static_cast<size_t>(column)]);
        }
        out += "\r\n";
    }
    return out;
}

std::string ChannelHtml(const ChannelExport& list, const std::string& fileName) {
    std::string title = Html(FillIn(list.texts.title, fileName));
    if (!list.stamp.empty())
        title += ", " + Html(list.stamp);
    // A page in a right-to-left language (Arabic) runs right to left, as the editor's windows do.
    const std::string& language = list.texts.language;
    const bool rightToLeft = language == "ar" || language == "fa" || language == "he" || language == "ur";
    std::string out = "<!DOCTYPE html>\n<html lang=\"" + Html(language) + (rightToLeft ? "\" dir=\"rtl" : "") +
                      "\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    out.reserve(list.rows.size() * 300 + 4096);
    out += title;
    out += "</title>\n<style>\n";
    out += kStyle;
    out += "</style>\n</head>\n<body>\n<h1>";
    out += title;
    out += "</h1>\n<p class=\"scope\">";
    out += Html(list.scopeText);
    out += "</p>\n";
    if (list.coversTv)
        AppendTable(out, list, false);
    if (list.coversRadio)
        AppendTable(out, list, true);
    out += "</body>\n</html>\n";
    return out;
}
