# Turns the demo base's TSV text into a C++ source file holding its bytes.
# Called at build time with -DENTREE=<tsv> -DSORTIE=<cpp>.
file(READ ${ENTREE} octets HEX)
string(LENGTH "${octets}" longueur)
math(EXPR taille "${longueur} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," tableau "${octets}")
string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n" tableau "${tableau}")
file(WRITE ${SORTIE}
"// Generated from resources/demo/comptes.tsv; do not edit.\n"
"#include <cstddef>\n"
"namespace corrinom {\n"
"extern const unsigned char kDonneesDemo[];\n"
"extern const std::size_t kTailleDonneesDemo;\n"
"const unsigned char kDonneesDemo[] = {\n${tableau}0};\n"
"const std::size_t kTailleDonneesDemo = ${taille};\n"
"}  // namespace corrinom\n")
