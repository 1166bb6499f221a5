// Helpers shared by the XML tests: a compact one-line description of a
// document, so that table rows can say what tree they expect.
#pragma once

#include <string>

#include "xml/xml.h"

namespace corrinom::test {

// Nodes separated by blanks: E:name(a=1,b=2){children}, T:name|value, C:name,
// D:name, P:name|value. Attributes and braces appear only when not empty.
std::string DecritNoeuds(const TXMLNodes& nodes);

// Loads bytes; returns the description, or "!" followed by the message of the
// EXMLException. After a refusal it also checks that the document is cleared.
std::string Charge(const std::string& octets);

}  // namespace corrinom::test
