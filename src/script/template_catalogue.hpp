// The template a translator starts a new language from: every shown text as a gettext entry.
#pragma once

#include <ostream>

namespace script {

// Writes a PO template (the Czech source texts as msgids, empty translations), each entry
// with a comment saying where the game shows it.
void writeTemplateCatalogue(std::ostream& out);

}  // namespace script
