// A generated Sconet-like student export: BEE_ELEVES, PARAMETRES, DONNEES,
// ELEVES and one ELEVE of twenty child elements per pupil, declared
// ISO-8859-15, with accented names. Invented people only.
#pragma once

#include <cstdio>
#include <string>

namespace corrinom::bench {

inline std::string GenereEleves(int eleves) {
  static const char* const kNoms[] = {"LEF\xC8VRE", "MARTIN", "C\xD4T\xC9", "DUBOIS", "NO\xCBL", "GAR\xC7ON",
                                      "BERNARD-L\xC9GER", "DURAND", "\xC9TIENNE", "ROUSSEAU"};
  static const char* const kPrenoms[] = {"Ana\xEFs", "J\xE9r\xF4me", "Zo\xE9", "L\xE9o", "Ma\xEBl",
                                         "Fran\xE7ois", "H\xE9lo\xEFse", "Ga\xEBtan", "Ir\xE8ne", "No\xE9mie"};
  std::string s;
  s.reserve(static_cast<std::size_t>(eleves) * 1000 + 1000);
  s += "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?>\n"
       "<BEE_ELEVES VERSION=\"3.1\">\n"
       "  <PARAMETRES>\n    <UAJ>0000000A</UAJ>\n    <ANNEE_SCOLAIRE>2026</ANNEE_SCOLAIRE>\n"
       "    <DATE_EXPORT>01/09/2026</DATE_EXPORT>\n    <HORODATAGE>01/09/2026 08:00:00</HORODATAGE>\n"
       "  </PARAMETRES>\n  <DONNEES>\n    <ELEVES>\n";
  char tampon[2048];
  for (int i = 0; i < eleves; ++i) {
    const char* nom = kNoms[i % 10];
    const char* prenom = kPrenoms[(i / 10) % 10];
    const char* prenom2 = kPrenoms[(i / 7) % 10];
    std::snprintf(tampon, sizeof tampon,
                  "      <ELEVE ELEVE_ID=\"%d\" ELENOET=\"%d\">\n"
                  "        <ID_NATIONAL>%09dAB</ID_NATIONAL>\n"
                  "        <ELENOET>%d</ELENOET>\n"
                  "        <NOM_DE_FAMILLE>%s</NOM_DE_FAMILLE>\n"
                  "        <NOM_USAGE>%s</NOM_USAGE>\n"
                  "        <PRENOM>%s</PRENOM>\n"
                  "        <PRENOM2>%s</PRENOM2>\n"
                  "        <PRENOM3/>\n"
                  "        <DATE_NAISS>%02d/%02d/%04d</DATE_NAISS>\n"
                  "        <DOUBLEMENT>N</DOUBLEMENT>\n"
                  "        <CODE_PAYS>100</CODE_PAYS>\n"
                  "        <CODE_SEXE>%d</CODE_SEXE>\n"
                  "        <VILLE_NAISS>Saint-\xC9tienne</VILLE_NAISS>\n"
                  "        <CODE_DEPARTEMENT_NAISS>042</CODE_DEPARTEMENT_NAISS>\n"
                  "        <CODE_COMMUNE_INSEE_NAISS>42218</CODE_COMMUNE_INSEE_NAISS>\n"
                  "        <CODE_REGIME>2</CODE_REGIME>\n"
                  "        <DATE_ENTREE>02/09/2024</DATE_ENTREE>\n"
                  "        <CODE_MEF>%011ld</CODE_MEF>\n"
                  "        <CODE_STATUT>ST</CODE_STATUT>\n"
                  "        <ADHESION_TRANSPORT>0</ADHESION_TRANSPORT>\n"
                  "        <ID_ELEVE_ETAB>%d</ID_ELEVE_ETAB>\n"
                  "      </ELEVE>\n",
                  1000 + i, 5000 + i, 100000 + i, 5000 + i, nom, nom, prenom, prenom2, 1 + i % 28, 1 + i % 12,
                  2008 + i % 6, 1 + i % 2, 10010005110L + i % 7, 700 + i);
    s += tampon;
  }
  s += "    </ELEVES>\n  </DONNEES>\n</BEE_ELEVES>\n";
  return s;
}

}  // namespace corrinom::bench
