#include "script/template_catalogue.hpp"

#include "app/shown_texts.hpp"

#include <string>

namespace script {

namespace {

// A text as a PO string: quotes and backslashes escaped, a line break kept as \n and the
// string continued on the next line, so a two-line dialogue line reads as two lines.
std::string poString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n\"\n\"";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

}  // namespace

void writeTemplateCatalogue(std::ostream& out) {
    out << "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n";
    for (const app::ShownText& text : app::allShownTexts())
        out << "\n#. " << text.where << "\nmsgid " << poString(text.source) << "\nmsgstr \"\"\n";
}

}  // namespace script
