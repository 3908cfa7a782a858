#include "xlsx_writer.h"

#include <map>

#include "zip_writer.h"

namespace lz::fixtures {

namespace {

constexpr const char* kDeclaration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
constexpr const char* kMainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRelNs =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr const char* kPackageRelNs =
    "http://schemas.openxmlformats.org/package/2006/relationships";

std::string relationship(const std::string& id, const std::string& type,
                         const std::string& target) {
    return "<Relationship Id=\"" + id + "\" Type=\"" + kRelNs + "/" + type + "\" Target=\"" +
           target + "\"/>";
}

// Shared strings in order of first use.
class StringTable {
public:
    int indexOf(const std::string& text) {
        auto [it, added] = index_.emplace(text, static_cast<int>(strings_.size()));
        if (added) {
            strings_.push_back(text);
        }
        ++uses_;
        return it->second;
    }
    const std::vector<std::string>& strings() const { return strings_; }
    int uses() const { return uses_; }

private:
    std::map<std::string, int> index_;
    std::vector<std::string> strings_;
    int uses_ = 0;
};

std::string sheetXml(const XlsxWorksheet& sheet, StringTable* table) {
    std::string xml = kDeclaration;
    xml += "<worksheet xmlns=\"" + std::string(kMainNs) + "\" xmlns:r=\"" + kRelNs + "\">";
    xml += "<sheetData>";
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        const auto& cells = sheet.rows[r];
        if (cells.empty()) {
            continue;
        }
        const int row = static_cast<int>(r) + 1;
        xml += "<row r=\"" + std::to_string(row) + "\">";
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const XlsxCell& cell = cells[c];
            if (cell.kind == XlsxCell::Kind::Empty && cell.style == 0) {
                continue;
            }
            xml += "<c r=\"" + cellReference(static_cast<int>(c), row) + "\"";
            if (cell.style != 0) {
                xml += " s=\"" + std::to_string(cell.style) + "\"";
            }
            switch (cell.kind) {
                case XlsxCell::Kind::Empty:
                    xml += "/>";
                    break;
                case XlsxCell::Kind::Number:
                    xml += "><v>" + cell.value + "</v></c>";
                    break;
                case XlsxCell::Kind::Text:
                    if (table) {
                        xml += " t=\"s\"><v>" + std::to_string(table->indexOf(cell.value)) +
                               "</v></c>";
                    } else {
                        xml += " t=\"inlineStr\"><is><t xml:space=\"preserve\">" +
                               xmlEscaped(cell.value) + "</t></is></c>";
                    }
                    break;
            }
        }
        xml += "</row>";
    }
    xml += "</sheetData>";
    if (!sheet.merged.empty()) {
        xml += "<mergeCells count=\"" + std::to_string(sheet.merged.size()) + "\">";
        for (const std::string& range : sheet.merged) {
            xml += "<mergeCell ref=\"" + range + "\"/>";
        }
        xml += "</mergeCells>";
    }
    xml += "</worksheet>";
    return xml;
}

std::string stylesXml(const XlsxWorkbook& workbook) {
    std::string xml = kDeclaration;
    xml += "<styleSheet xmlns=\"" + std::string(kMainNs) + "\">";
    if (!workbook.numberFormats.empty()) {
        xml += "<numFmts count=\"" + std::to_string(workbook.numberFormats.size()) + "\">";
        for (const XlsxNumberFormat& format : workbook.numberFormats) {
            xml += "<numFmt numFmtId=\"" + std::to_string(format.id) + "\" formatCode=\"" +
                   xmlEscaped(format.code) + "\"/>";
        }
        xml += "</numFmts>";
    }
    xml +=
        "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"宋体\"/><charset val=\"134\"/>"
        "</font></fonts><fills count=\"1\"><fill><patternFill patternType=\"none\"/></fill>"
        "</fills><borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border>"
        "</borders><cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
        "borderId=\"0\"/></cellStyleXfs>";
    xml += "<cellXfs count=\"" + std::to_string(workbook.cellFormats.size()) + "\">";
    for (int format : workbook.cellFormats) {
        xml += "<xf numFmtId=\"" + std::to_string(format) +
               "\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"" +
               (format != 0 ? " applyNumberFormat=\"1\"" : "") + "/>";
    }
    xml += "</cellXfs></styleSheet>";
    return xml;
}

}  // namespace

std::string cellReference(int column, int row) {
    std::string letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    }
    return letters + std::to_string(row);
}

std::string xmlEscaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::vector<std::pair<std::string, std::string>> xlsxParts(const XlsxWorkbook& workbook) {
    const std::string root = workbook.absoluteTargets ? "/" : "";
    const std::string xl = workbook.absoluteTargets ? "/xl/" : "";
    StringTable table;
    std::vector<std::pair<std::string, std::string>> sheets;
    for (std::size_t k = 0; k < workbook.sheets.size(); ++k) {
        sheets.emplace_back(
            "xl/worksheets/sheet" + std::to_string(k + 1) + ".xml",
            sheetXml(workbook.sheets[k], workbook.sharedStrings ? &table : nullptr));
    }

    std::string types = kDeclaration;
    types +=
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>";
    for (const auto& [name, xml] : sheets) {
        types += "<Override PartName=\"/" + name +
                 "\" ContentType=\"application/"
                 "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
    }
    types +=
        "<Override PartName=\"/xl/styles.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>";
    if (workbook.sharedStrings) {
        types +=
            "<Override PartName=\"/xl/sharedStrings.xml\" ContentType=\"application/"
            "vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>";
    }
    types += "</Types>";

    std::string packageRels = kDeclaration;
    packageRels += "<Relationships xmlns=\"" + std::string(kPackageRelNs) + "\">" +
                   relationship("rId1", "officeDocument", root + "xl/workbook.xml") +
                   "</Relationships>";

    std::string book = kDeclaration;
    book += "<workbook xmlns=\"" + std::string(kMainNs) + "\" xmlns:r=\"" + kRelNs +
            "\"><workbookPr defaultThemeVersion=\"124226\"/><bookViews><workbookView/>"
            "</bookViews><sheets>";
    std::string bookRels = kDeclaration;
    bookRels += "<Relationships xmlns=\"" + std::string(kPackageRelNs) + "\">";
    for (std::size_t k = 0; k < workbook.sheets.size(); ++k) {
        const std::string id = "rId" + std::to_string(k + 1);
        book += "<sheet name=\"" + xmlEscaped(workbook.sheets[k].name) + "\" sheetId=\"" +
                std::to_string(k + 1) + "\"" +
                (workbook.sheets[k].hidden ? " state=\"hidden\"" : "") + " r:id=\"" + id + "\"/>";
        bookRels +=
            relationship(id, "worksheet", xl + "worksheets/sheet" + std::to_string(k + 1) + ".xml");
    }
    book += "</sheets></workbook>";
    const std::size_t next = workbook.sheets.size() + 1;
    bookRels += relationship("rId" + std::to_string(next), "styles", xl + "styles.xml");
    if (workbook.sharedStrings) {
        bookRels += relationship("rId" + std::to_string(next + 1), "sharedStrings",
                                 xl + "sharedStrings.xml");
    }
    bookRels += "</Relationships>";

    std::vector<std::pair<std::string, std::string>> parts = {
        {"[Content_Types].xml", types},
        {"_rels/.rels", packageRels},
        {"xl/workbook.xml", book},
        {"xl/_rels/workbook.xml.rels", bookRels},
        {"xl/styles.xml", stylesXml(workbook)},
    };
    for (auto& sheet : sheets) {
        parts.push_back(std::move(sheet));
    }
    if (workbook.sharedStrings) {
        std::string strings = kDeclaration;
        strings += "<sst xmlns=\"" + std::string(kMainNs) + "\" count=\"" +
                   std::to_string(table.uses()) + "\" uniqueCount=\"" +
                   std::to_string(table.strings().size()) + "\">";
        for (const std::string& text : table.strings()) {
            strings += "<si><t xml:space=\"preserve\">" + xmlEscaped(text) + "</t></si>";
        }
        strings += "</sst>";
        parts.emplace_back("xl/sharedStrings.xml", strings);
    }
    return parts;
}

bool writeXlsx(const std::filesystem::path& path, const XlsxWorkbook& workbook) {
    std::vector<ZipEntry> entries;
    for (auto& [name, bytes] : xlsxParts(workbook)) {
        entries.push_back(ZipEntry{name, std::move(bytes), true});
    }
    return writeZip(path, entries);
}

}  // namespace lz::fixtures
