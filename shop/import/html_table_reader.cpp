#include "shop/import/html_table_reader.h"

#include <algorithm>
#include <vector>

namespace lz::shop {

namespace {

constexpr int kMaxSpan = 1000;
constexpr int kMaxColumn = 16384;

bool isSpace(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r') || c == QLatin1Char('\f');
}

bool isNameChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char(':');
}

struct Tag {
    QString name;  // lower-case
    bool end = false;
    QStringView attributes;
};

// The value of an attribute such as rowspan="2", or empty.
QString attribute(QStringView attributes, QLatin1String name) {
    qsizetype i = 0;
    while (i < attributes.size()) {
        while (i < attributes.size() &&
               (isSpace(attributes[i]) || attributes[i] == QLatin1Char('/'))) {
            ++i;
        }
        const qsizetype start = i;
        while (i < attributes.size() && !isSpace(attributes[i]) &&
               attributes[i] != QLatin1Char('=') && attributes[i] != QLatin1Char('/')) {
            ++i;
        }
        const QStringView key = attributes.sliced(start, i - start);
        while (i < attributes.size() && isSpace(attributes[i])) {
            ++i;
        }
        QStringView value;
        if (i < attributes.size() && attributes[i] == QLatin1Char('=')) {
            ++i;
            while (i < attributes.size() && isSpace(attributes[i])) {
                ++i;
            }
            if (i < attributes.size() &&
                (attributes[i] == QLatin1Char('"') || attributes[i] == QLatin1Char('\''))) {
                const QChar quote = attributes[i++];
                const qsizetype end = attributes.indexOf(quote, i);
                const qsizetype stop = end < 0 ? attributes.size() : end;
                value = attributes.sliced(i, stop - i);
                i = stop + 1;
            } else {
                const qsizetype valueStart = i;
                while (i < attributes.size() && !isSpace(attributes[i])) {
                    ++i;
                }
                value = attributes.sliced(valueStart, i - valueStart);
            }
        }
        if (key.compare(name, Qt::CaseInsensitive) == 0) {
            return value.toString();
        }
        if (key.isEmpty() && i < attributes.size()) {
            ++i;
        }
    }
    return {};
}

int spanOf(QStringView attributes, QLatin1String name) {
    bool ok = false;
    const int value = attribute(attributes, name).trimmed().toInt(&ok);
    return ok ? std::clamp(value, 1, kMaxSpan) : 1;
}

// Appends the character a reference such as "&amp;" or "&#20013;" stands for, and returns
// how many characters of the text it took (1 for a lone "&").
qsizetype appendReference(QStringView text, qsizetype at, QString& out) {
    const qsizetype semicolon = text.indexOf(QLatin1Char(';'), at + 1);
    if (semicolon < 0 || semicolon - at > 10) {
        out.append(QLatin1Char('&'));
        return 1;
    }
    const QStringView name = text.sliced(at + 1, semicolon - at - 1);
    char32_t code = 0;
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const bool hex =
            name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'));
        code = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            code = 0xFFFD;
        }
    } else {
        static const struct {
            const char* name;
            char32_t code;
        } named[] = {{"amp", '&'},       {"lt", '<'},       {"gt", '>'},       {"quot", '"'},
                     {"apos", '\''},     {"nbsp", 0x00A0},  {"yen", 0x00A5},   {"times", 0x00D7},
                     {"middot", 0x00B7}, {"mdash", 0x2014}, {"ndash", 0x2013}, {"deg", 0x00B0}};
        for (const auto& entry : named) {
            if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
                code = entry.code;
                break;
            }
        }
        if (code == 0) {
            out.append(QLatin1Char('&'));
            return 1;
        }
    }
    out.append(QString::fromUcs4(&code, 1));
    return semicolon - at + 1;
}

// Walks a page tag by tag and hands the tables' structure to a visitor.
class PageWalker {
public:
    explicit PageWalker(QStringView html) : html_(html) {}

    // Calls onTag for each tag and onText for each run of text between tags.
    template <typename TagFn, typename TextFn>
    void walk(TagFn onTag, TextFn onText) {
        qsizetype i = 0;
        while (i < html_.size()) {
            const qsizetype lt = html_.indexOf(QLatin1Char('<'), i);
            const qsizetype textEnd = lt < 0 ? html_.size() : lt;
            if (textEnd > i) {
                onText(html_.sliced(i, textEnd - i));
            }
            if (lt < 0) {
                return;
            }
            i = lt;
            if (html_.sliced(i).startsWith(QLatin1String("<!--"))) {
                const qsizetype end = html_.indexOf(QLatin1String("-->"), i + 4);
                i = end < 0 ? html_.size() : end + 3;
                continue;
            }
            const QChar next = i + 1 < html_.size() ? html_[i + 1] : QChar();
            if (next == QLatin1Char('!') || next == QLatin1Char('?')) {
                const qsizetype end = html_.indexOf(QLatin1Char('>'), i);
                i = end < 0 ? html_.size() : end + 1;
                continue;
            }
            Tag tag;
            qsizetype j = i + 1;
            if (next == QLatin1Char('/')) {
                tag.end = true;
                ++j;
            }
            const qsizetype nameStart = j;
            while (j < html_.size() && isNameChar(html_[j])) {
                ++j;
            }
            if (j == nameStart) {
                onText(html_.sliced(i, 1));  // a lone "<" is text
                i = i + 1;
                continue;
            }
            tag.name = html_.sliced(nameStart, j - nameStart).toString().toLower();
            const qsizetype attributesStart = j;
            QChar quote;
            while (j < html_.size() && (!quote.isNull() || html_[j] != QLatin1Char('>'))) {
                if (quote.isNull() &&
                    (html_[j] == QLatin1Char('"') || html_[j] == QLatin1Char('\''))) {
                    quote = html_[j];
                } else if (html_[j] == quote) {
                    quote = QChar();
                }
                ++j;
            }
            tag.attributes = html_.sliced(attributesStart, j - attributesStart);
            i = j < html_.size() ? j + 1 : html_.size();
            onTag(tag);
            // Scripts and styles hold text that is no content.
            if (!tag.end &&
                (tag.name == QLatin1String("script") || tag.name == QLatin1String("style"))) {
                const qsizetype end =
                    html_.indexOf(QStringLiteral("</") + tag.name, i, Qt::CaseInsensitive);
                i = end < 0 ? html_.size() : end;
            }
        }
    }

private:
    QStringView html_;
};

// Builds the rows of one table from its tags.
class TableGrid {
public:
    explicit TableGrid(SheetBuilder& builder) : builder_(builder) {}

    void startRow() {
        endRow();
        ++rowNumber_;
        column_ = 0;
        inRow_ = true;
    }
    void endRow() {
        endCell();
        inRow_ = false;
    }
    void startCell(QStringView attributes) {
        endCell();
        if (!inRow_) {
            startRow();
        }
        // Skip the columns that cells of rows above still cover.
        while (column_ < static_cast<int>(coveredUntil_.size()) &&
               coveredUntil_[column_] >= rowNumber_) {
            ++column_;
        }
        const int rows = spanOf(attributes, QLatin1String("rowspan"));
        const int columns = spanOf(attributes, QLatin1String("colspan"));
        cellColumn_ = column_;
        if (column_ + columns > kMaxColumn) {
            builder_.fail(QString::fromUtf8("表格的列太多"));
            return;
        }
        if (rows > 1 || columns > 1) {
            builder_.addMerged(
                MergedRange{rowNumber_, rowNumber_ + rows - 1, column_, column_ + columns - 1});
            if (coveredUntil_.size() < static_cast<std::size_t>(column_ + columns)) {
                coveredUntil_.resize(static_cast<std::size_t>(column_ + columns), 0);
            }
            for (int k = 0; k < columns; ++k) {
                coveredUntil_[static_cast<std::size_t>(column_ + k)] = rowNumber_ + rows - 1;
            }
        }
        column_ += columns;
        inCell_ = true;
        text_.clear();
    }
    void endCell() {
        if (!inCell_) {
            return;
        }
        inCell_ = false;
        builder_.addCell(rowNumber_, cellColumn_, text_.trimmed());
        text_.clear();
    }
    // Text inside a cell, white space collapsed to single spaces.
    void addText(QStringView raw) {
        if (!inCell_) {
            return;
        }
        for (qsizetype i = 0; i < raw.size(); ++i) {
            const QChar c = raw[i];
            if (c == QLatin1Char('&')) {
                i += appendReference(raw, i, text_) - 1;
            } else if (isSpace(c)) {
                addSpace();
            } else {
                text_.append(c);
            }
        }
        if (text_.size() > builder_.maxCellUnits()) {
            builder_.addCell(rowNumber_, cellColumn_, text_);  // fails: too large
            inCell_ = false;
        }
    }
    void addSpace() {
        if (inCell_ && !text_.isEmpty() && !text_.endsWith(QLatin1Char(' '))) {
            text_.append(QLatin1Char(' '));
        }
    }

private:
    SheetBuilder& builder_;
    std::vector<int> coveredUntil_;
    int rowNumber_ = 0;
    int column_ = 0;
    int cellColumn_ = 0;
    bool inRow_ = false;
    bool inCell_ = false;
    QString text_;
};

bool isCellTag(const QString& name) {
    return name == QLatin1String("td") || name == QLatin1String("th");
}

// Visits the page's outermost tables: `visit(index, tag-or-text)` sees the tags and text
// inside table `index` with the nesting depth.
template <typename InsideFn>
void walkTables(QStringView html, InsideFn inside) {
    int depth = 0;
    int index = -1;
    PageWalker(html).walk(
        [&](const Tag& tag) {
            if (tag.name == QLatin1String("table")) {
                if (!tag.end) {
                    if (depth++ == 0) {
                        ++index;
                        inside(index, 1, &tag, QStringView(), true);
                        return;
                    }
                } else if (depth > 0) {
                    if (--depth == 0) {
                        inside(index, 1, &tag, QStringView(), true);
                        return;
                    }
                }
            }
            if (depth > 0) {
                inside(index, depth, &tag, QStringView(), false);
            }
        },
        [&](QStringView text) {
            if (depth > 0) {
                inside(index, depth, nullptr, text, false);
            }
        });
}

}  // namespace

QStringList htmlTableNames(QStringView html) {
    int count = 0;
    walkTables(html, [&](int index, int, const Tag*, QStringView, bool) {
        count = std::max(count, index + 1);
    });
    QStringList names;
    for (int k = 1; k <= count; ++k) {
        names.append(QStringLiteral("表格%1").arg(k));
    }
    return names;
}

bool readHtmlTable(QStringView html, int index, SheetBuilder& builder) {
    TableGrid grid(builder);
    bool found = false;
    walkTables(
        html, [&](int tableIndex, int depth, const Tag* tag, QStringView text, bool tableEdge) {
            if (tableIndex != index || builder.failed()) {
                return;
            }
            found = true;
            if (tableEdge) {
                if (tag->end) {
                    grid.endRow();
                }
                return;
            }
            if (tag == nullptr) {
                grid.addText(text);
                return;
            }
            if (depth > 1) {
                grid.addSpace();  // an inner table's cells and rows stay apart in the outer cell
                return;
            }
            if (tag->name == QLatin1String("tr")) {
                tag->end ? grid.endRow() : grid.startRow();
            } else if (isCellTag(tag->name)) {
                tag->end ? grid.endCell() : grid.startCell(tag->attributes);
            } else if (tag->name == QLatin1String("br") || tag->name == QLatin1String("p") ||
                       tag->name == QLatin1String("div")) {
                grid.addSpace();
            }
        });
    return found;
}

}  // namespace lz::shop
