#include "bench/ressemblance/ecole.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "reconcile/cles.h"
#include "text/encodage.h"
#include "text/noms.h"
#include "text/octets.h"

namespace corrinom::banc {
namespace {

// Our own lists, written in UTF-8 here and turned into CP1252 once. The common names
// come first: a name is drawn with a weight falling as 1/rank, so the head of each
// list comes back often and the tail rarely, as in a real school.
const char* const kNomsCourants[] = {
    "MARTIN",   "BERNARD",        "DUBOIS",   "THOMAS",    "ROBERT",    "RICHARD",    "PETIT",
    "DURAND",   "LEROY",          "MOREAU",   "SIMON",     "LAURENT",   "LEFEBVRE",   "MICHEL",
    "GARCIA",   "DAVID",          "BERTRAND", "ROUX",      "VINCENT",   "FOURNIER",   "MOREL",
    "GIRARD",   "ANDRE",          "LEFEVRE",  "MERCIER",   "DUPONT",    "LAMBERT",    "BONNET",
    "FRANCOIS", "MARTINEZ",       "LEGRAND",  "GARNIER",   "FAURE",     "ROUSSEAU",   "BLANC",
    "GUERIN",   "MULLER",         "HENRY",    "ROUSSEL",   "NICOLAS",   "PERRIN",     "MORIN",
    "MATHIEU",  "CLEMENT",        "GAUTHIER", "DUMONT",    "LOPEZ",     "FONTAINE",   "CHEVALIER",
    "ROBIN",    "MASSON",         "SANCHEZ",  "GERARD",    "NGUYEN",    "BOYER",      "DENIS",
    "LEMAIRE",  "DUVAL",          "JOLY",     "GAUTIER",   "ROGER",     "ROCHE",      "ROY",
    "NOEL",     "MEYER",          "LUCAS",    "MEUNIER",   "JEAN",      "PEREZ",      "MARCHAND",
    "DUFOUR",   "BLANCHARD",      "MARIE",    "BARBIER",   "BRUN",      "DUMAS",      "BRUNET",
    "SCHMITT",  "LEROUX",         "COLIN",    "FERNANDEZ", "PIERRE",    "RENARD",     "ARNAUD",
    "ROLLAND",  "CARON",          "AUBERT",   "GIRAUD",    "LECLERC",   "VIDAL",      "BOURGEOIS",
    "RENAUD",   "LEMOINE",        "PICARD",   "GAILLARD",  "PHILIPPE",  "LECLERCQ",   "LACROIX",
    "FABRE",    "DUPUIS",         "OLIVIER",  "RODRIGUEZ", "DA SILVA",  "HUBERT",     "LOUIS",
    "CHARLES",  "GUILLOT",        "RIVIERE",  "LE GALL",   "GUILLAUME", "ADAM",       "MAILLARD",
    "COLLET",   "BAILLY",         "HERVE",    "MARECHAL",  "BERGER",    "CARPENTIER", "DESCHAMPS",
    "LEBRUN",   "BOUCHER",        "CORDIER",  "POIRIER",   "CHAUVIN",   "HUET",       "PERRET",
    "TESSIER",  "DE LA FONTAINE", "LE ROUX"};

const char* const kNomsDAilleurs[] = {
    "BENALI",     "HADDAD",   "MANSOURI",  "BOUZID",   "CHERIF",   "DIALLO",    "TRAORE",
    "KONATE",     "DIOP",     "N'DIAYE",   "SYLLA",    "CAMARA",   "FERREIRA",  "PEREIRA",
    "DOS SANTOS", "OLIVEIRA", "RODRIGUES", "TRAN",     "PHAM",     "YILMAZ",    "KAYA",
    "DEMIR",      "ROSSI",    "RUSSO",     "ESPOSITO", "KOWALSKI", "NOWAK",     "SCHNEIDER",
    "WEBER",      "BEN SAID", "EL AMRANI", "AIT ALI",  "KEITA",    "COULIBALY", "BENSALEM",
    "OUALI",      "MOREIRA",  "GONCALVES", "LE",       "VO"};

// Family names that come back often in one area (an island, a valley).
const char* const kNomsLocaux[] = {"PAYET",    "HOARAU",  "GRONDIN", "TECHER", "HOAREAU",
                                   "FONTAINE", "RIVIERE", "BOYER",   "LEBON",  "ROBERT",
                                   "NATIVEL",  "MAILLOT", "TURPIN",  "ETHEVE"};

// Syllables of invented French-sounding last names (BORNET, CHAMARD, VILLERON...).
const char* const kDebuts[] = {
    "BA",  "BE",  "BO",  "BOU", "CA",  "CHA", "CHE", "CO",  "DE",  "DU",  "FA", "FE", "FO", "GA",
    "GE",  "GO",  "GRA", "LA",  "LE",  "LI",  "LO",  "MA",  "ME",  "MI",  "MO", "NA", "PA", "PE",
    "PI",  "PO",  "RA",  "RE",  "RI",  "RO",  "SA",  "SE",  "TA",  "TE",  "VA", "VE", "VI", "BRI",
    "CLA", "TRI", "PRE", "FLO", "GRE", "MAR", "VIL", "BER", "COR", "MON", "SAU"};
const char* const kMilieux[] = {"",   "L",  "R",  "N", "S", "T",  "RN", "RT", "ND",
                                "NT", "LL", "SS", "V", "G", "CH", "M",  "LM", "RC"};
const char* const kFins[] = {"ARD", "AUD", "EAU",  "ET",   "IER",   "IN",   "OT",   "AND",
                             "ENT", "ON",  "EUX",  "AUX",  "ERT",   "ELLE", "IOT",  "AIS",
                             "Y",   "OUX", "IGNY", "ERON", "ARDIN", "ILLE", "ARET", "OUZE",
                             "AC",  "AT",  "ASSE", "EL",   "ERIE",  "ERET", "IAUX", "OIS"};

const char* const kGarcons[] = {
    "Lucas",     "Hugo",   "Gabriel", "Louis",   "Raphaël",       "Arthur",  "Jules",    "Adam",
    "Maël",      "Léo",    "Nathan",  "Ethan",   "Noah",          "Mathis",  "Théo",     "Tom",
    "Sacha",     "Timéo",  "Nolan",   "Enzo",    "Mohamed",       "Yanis",   "Rayan",    "Kylian",
    "Ilyes",     "Axel",   "Evan",    "Aaron",   "Maxime",        "Antoine", "Clément",  "Baptiste",
    "Alexandre", "Paul",   "Victor",  "Martin",  "Samuel",        "Noé",     "Valentin", "Thomas",
    "Quentin",   "Romain", "Bastien", "Florian", "Julien",        "Mathéo",  "Lenny",    "Malo",
    "Eliott",    "Robin",  "Amir",    "Imran",   "Kenzo",         "Liam",    "Sohan",    "Gaspard",
    "Basile",    "Côme",   "Elouan",  "Titouan", "Jean-Baptiste", "Ali",     "Lyes",     "Issa",
    "Tiago",     "Diego",  "Oscar",   "Marius",  "Aurélien",      "Yann"};
const char* const kFilles[] = {
    "Emma",     "Jade",      "Louise",    "Alice",    "Chloé",       "Lina",      "Léa",
    "Rose",     "Anna",      "Mila",      "Inès",     "Ambre",       "Julia",     "Mia",
    "Léna",     "Manon",     "Juliette",  "Lou",      "Zoé",         "Camille",   "Lola",
    "Agathe",   "Jeanne",    "Lucie",     "Éva",      "Nina",        "Sarah",     "Romane",
    "Inaya",    "Maëlys",    "Charlotte", "Clara",    "Lana",        "Margaux",   "Léonie",
    "Anaïs",    "Océane",    "Elsa",      "Capucine", "Lisa",        "Sofia",     "Yasmine",
    "Salomé",   "Louna",     "Maëlle",    "Nour",     "Célia",       "Héloïse",   "Apolline",
    "Mathilde", "Noémie",    "Emmy",      "Kenza",    "Aya",         "Eden",      "Lyna",
    "Victoire", "Constance", "Élise",     "Alix",     "Anne-Sophie", "Marie-Lou", "Ana",
    "Eve",      "Iris",      "Luna",      "Maya",     "Selma",       "Thaïs",     "Zélie"};
// Second and third first names, and the staff's first names.
const char* const kClassiques[] = {
    "Marie",     "Anne",       "Jean",     "Pierre",    "Louis",    "Joseph",   "Claire",
    "Sophie",    "Paul",       "Michel",   "Catherine", "Philippe", "Nathalie", "Isabelle",
    "Sylvie",    "Christophe", "Stéphane", "Laurent",   "Sandrine", "Valérie",  "Frédéric",
    "Véronique", "Patrick",    "Olivier",  "Céline",    "Éric",     "François", "Hélène",
    "Jacques",   "Élisabeth",  "Rémi",     "Thérèse",   "André",    "Bernard",  "Françoise",
    "Dominique", "Martine",    "Henri",    "Alain"};

// First names with other spellings of the same sound, as corrections bring them.
const std::vector<std::vector<const char*>> kVariantes = {
    {"Kylian", "Kilian", "Killian", "Kyllian"},
    {"Maëlys", "Maelis", "Maëlis", "Maylis"},
    {"Ilyes", "Ilies", "Iliès", "Illyes"},
    {"Chloé", "Cloé", "Kloé"},
    {"Mathis", "Mathys", "Matis", "Mattis"},
    {"Raphaël", "Rafaël", "Rafael"},
    {"Théo", "Téo"},
    {"Timéo", "Thiméo", "Tyméo"},
    {"Mathéo", "Mattéo", "Matéo"},
    {"Inès", "Iness", "Ynès"},
    {"Léna", "Lénna", "Lénaa"},
    {"Lina", "Lyna", "Linna"},
    {"Sofia", "Sophia"},
    {"Yanis", "Yannis", "Ianis"},
    {"Rayan", "Rayane", "Raian"},
    {"Maël", "Mahel", "Maëll"},
    {"Eliott", "Eliot", "Elliot", "Elliott"},
    {"Anaïs", "Anaïss", "Annaïs"},
    {"Noémie", "Noémy", "Naomie"},
    {"Emmy", "Emy", "Emmie"},
    {"Yasmine", "Yasmina", "Jasmine"},
    {"Salomé", "Salomée"},
    {"Margaux", "Margot", "Margo"},
    {"Héloïse", "Éloïse", "Heloise"},
    {"Mohamed", "Mohammed", "Mohamad"},
    {"Nathan", "Natan", "Nathane"},
    {"Ethan", "Etan", "Ethane"},
    {"Louna", "Luna"},
    {"Maëlle", "Maelle", "Maël"},
    {"Célia", "Sélia", "Cellia"},
    {"Lyes", "Lies", "Lyès"},
    {"Thaïs", "Taïs", "Thaïss"},
    {"Kenza", "Kenzah"},
    {"Clément", "Clémant"},
    {"Aurélien", "Aurélian"},
    {"Léo", "Léon"},
};

// Letters a tired hand or a misheard name swaps for one another.
const std::pair<char, char> kConfusions[] = {
    {'B', 'P'}, {'D', 'T'}, {'M', 'N'}, {'S', 'Z'}, {'C', 'K'}, {'G', 'J'}, {'F', 'V'},
    {'I', 'Y'}, {'E', 'A'}, {'O', 'U'}, {'L', 'R'}, {'E', 'I'}, {'C', 'S'}, {'R', 'T'}};

// Respellings of one sound; one that fits the name is picked at random.
const std::pair<const char*, const char*> kHomophones[] = {
    {"EAU", "O"}, {"AU", "O"},  {"PH", "F"}, {"TH", "T"}, {"QU", "K"}, {"CK", "K"},
    {"AI", "E"},  {"EI", "E"},  {"Y", "I"},  {"SS", "S"}, {"LL", "L"}, {"TT", "T"},
    {"C", "K"},   {"O", "AU"},  {"F", "PH"}, {"T", "TH"}, {"I", "Y"},  {"S", "Z"},
    {"EN", "AN"}, {"AN", "EN"}, {"GU", "G"}, {"ER", "EZ"}};

std::string Cp1252(const char* utf8) { return Utf8VersCp1252Personne(utf8); }

class Alea {
 public:
  explicit Alea(unsigned graine) : g_(graine) {}
  std::size_t sous(std::size_t n) { return n ? static_cast<std::size_t>(g_() % n) : 0; }
  bool pourcent(int p) { return static_cast<int>(g_() % 100) < p; }
  int entre(int a, int b) {
    return a + static_cast<int>(sous(static_cast<std::size_t>(b - a + 1)));
  }

  // An index below n with a weight of 1 / (index + decalage): the head comes back
  // often, the more so as decalage is small.
  std::size_t zipf(std::size_t n, double decalage = 10) {
    double total = 0;
    for (std::size_t i = 0; i < n; ++i) total += 1.0 / (static_cast<double>(i) + decalage);
    double r = std::uniform_real_distribution<double>(0, total)(g_);
    for (std::size_t i = 0; i < n; ++i) {
      r -= 1.0 / (static_cast<double>(i) + decalage);
      if (r <= 0) return i;
    }
    return n - 1;
  }

  template <class T, std::size_t N>
  T un(const T (&liste)[N]) {
    return liste[sous(N)];
  }

  std::mt19937& moteur() { return g_; }

 private:
  std::mt19937 g_;
};

struct Eleve {
  std::string nom;                   // upper case, CP1252
  std::vector<std::string> prenoms;  // CP1252, case and accents kept
  int jour = 1, mois = 1, annee = 2012;
  bool fille = false;
  bool personnel = false;
  int jumeau = -1;  // the twin's index, if any
};

std::string TexteDate(int jour, int mois, int annee) {
  char t[32];
  std::snprintf(t, sizeof t, "%02d/%02d/%04d", jour, mois, annee);
  return t;
}

std::string Joint(const std::vector<std::string>& mots) {
  std::string r;
  for (const std::string& m : mots) {
    if (!r.empty()) r += ' ';
    r += m;
  }
  return r;
}

class Generateur {
 public:
  Generateur(const FormeEcole& forme, unsigned graine) : forme_(forme), alea_(graine) {}

  Ecole genere();

 private:
  std::string nomInvente() {
    std::string nom = alea_.un(kDebuts);
    std::string milieu = alea_.un(kMilieux);
    const std::string fin = alea_.un(kFins);
    auto voyelle = [](char c) {
      return std::string_view("AEIOUY").find(c) != std::string_view::npos;
    };
    if (milieu.empty() && voyelle(nom.back()) && voyelle(fin.front())) milieu = "R";
    return nom + milieu + fin;
  }

  std::string nomDeFamille() {
    if (alea_.pourcent(forme_.pourcentNomsLocaux))
      return kNomsLocaux[alea_.zipf(std::size(kNomsLocaux))];
    const std::size_t tirage = alea_.sous(100);
    std::string nom;
    if (tirage < 25)
      nom = kNomsCourants[alea_.zipf(std::size(kNomsCourants), 20)];
    else if (tirage < 40)
      nom = kNomsDAilleurs[alea_.sous(std::size(kNomsDAilleurs))];
    else
      nom = nomInvente();
    if (alea_.pourcent(4)) nom += (alea_.pourcent(70) ? "-" : " ") + nomInvente();
    return nom;
  }

  std::string prenom(bool fille) {
    return fille ? Cp1252(kFilles[alea_.zipf(std::size(kFilles))])
                 : Cp1252(kGarcons[alea_.zipf(std::size(kGarcons))]);
  }

  std::vector<std::string> prenoms(bool fille) {
    std::vector<std::string> p{prenom(fille)};
    const std::size_t autres = alea_.sous(100) < 40 ? 0 : alea_.sous(100) < 65 ? 1 : 2;
    for (std::size_t i = 0; i < autres; ++i) {
      std::string autre = alea_.pourcent(50) ? Cp1252(alea_.un(kClassiques)) : prenom(fille);
      if (std::find(p.begin(), p.end(), autre) == p.end()) p.push_back(std::move(autre));
    }
    return p;
  }

  // A collège: four years of birth, and a few pupils a year ahead or behind.
  void dateEleve(Eleve& e) {
    e.annee = alea_.pourcent(6) ? (alea_.pourcent(70) ? 2010 : 2015) : alea_.entre(2011, 2014);
    e.mois = alea_.entre(1, 12);
    e.jour = alea_.entre(1, 28);
  }

  Eleve nouvelEleve() {
    Eleve e;
    e.fille = alea_.pourcent(50);
    e.nom = nomDeFamille();
    e.prenoms = prenoms(e.fille);
    dateEleve(e);
    return e;
  }

  Eleve membrePersonnel() {
    Eleve e;
    e.personnel = true;
    e.nom = nomDeFamille();
    e.prenoms = {Cp1252(kClassiques[alea_.zipf(std::size(kClassiques))])};
    e.annee = alea_.entre(1960, 1998);
    e.mois = alea_.entre(1, 12);
    e.jour = alea_.entre(1, 28);
    return e;
  }

  // Corrections. Each changes e in place; the caller checks that exact matching no
  // longer pairs the two versions and draws again otherwise.
  void nomFaute(Eleve& e);
  void nomCompose(Eleve& e);
  void nomUsage(Eleve& e);
  void nomPrononciation(Eleve& e);
  void prenomVariante(Eleve& e);
  void prenomsOrdre(Eleve& e);
  void prenomAjoute(Eleve& e);
  void dateFaute(Eleve& e);
  void corrige(Eleve& e, Correction c);

  Correction tireCorrection() {
    int total = 0;
    for (const int p : forme_.melange) total += p;
    int r = static_cast<int>(alea_.sous(static_cast<std::size_t>(total)));
    for (std::size_t i = 0; i < kSortesCorrection; ++i) {
      r -= forme_.melange[i];
      if (r < 0) return static_cast<Correction>(i);
    }
    return Correction::NomFaute;
  }

  // The texts exact matching compares, folded as it folds them.
  static std::string CleExacte(const Eleve& e) {
    return detail::CleNom(MajusculeNom(e.nom)) + '|' + detail::CleNom(Joint(e.prenoms)) + '|' +
           TexteDate(e.jour, e.mois, e.annee);
  }

  LigneRebus personne(const Eleve& e) const {
    std::vector<std::string> p;
    for (const std::string& x : e.prenoms) p.push_back(NettoieTexte(x));
    return {MajusculeNom(e.nom), Joint(p), TexteDate(e.jour, e.mois, e.annee)};
  }

  LigneCompte compte(const Eleve& e, const std::string& login) {
    // Accounts were made by older tools: the last name upper-cased without accents,
    // the first names sometimes without accents or in capitals, as exact matching
    // still recognises.
    std::string prenoms = NettoieNom(alea_.pourcent(forme_.pourcentUnPrenom) ? e.prenoms.front()
                                                                              : Joint(e.prenoms));
    if (alea_.pourcent(25))
      prenoms = EnleveAccents(prenoms);
    else if (alea_.pourcent(8))
      prenoms = MajusculeAscii(EnleveAccents(prenoms));
    std::string date = TexteDate(e.jour, e.mois, e.annee);
    if (e.personnel && alea_.pourcent(10)) date.clear();
    return LigneCompte::Libre(login, NettoieNom(MajusculeSimple(e.nom)), prenoms, date);
  }

  std::string login(const Eleve& e) {
    std::string base;
    for (const char c : NettoieNom(MajusculeSimple(e.nom)))
      if (c >= 'A' && c <= 'Z' && base.size() < 8) base += static_cast<char>(c - 'A' + 'a');
    const std::string p = MajusculeAscii(EnleveAccents(e.prenoms.front()));
    if (!p.empty() && p[0] >= 'A' && p[0] <= 'Z')
      base.insert(base.begin(), static_cast<char>(p[0] - 'A' + 'a'));
    std::string l = base;
    for (int n = 2; !logins_.insert(l).second; ++n) l = base + std::to_string(n);
    return l;
  }

  const FormeEcole& forme_;
  Alea alea_;
  std::unordered_set<std::string> logins_;
};

void Generateur::nomFaute(Eleve& e) {
  std::string& n = e.nom;
  if (n.size() < 3) {
    n += n.back();
    return;
  }
  // A position inside a word, away from the first letter now and then.
  std::size_t i = 1 + alea_.sous(n.size() - 1);
  while (i < n.size() && (n[i] < 'A' || n[i] > 'Z')) ++i;
  if (i >= n.size()) i = n.size() - 1;
  switch (alea_.sous(5)) {
    case 0: {  // a letter replaced by one it is easily taken for
      const auto& [a, b] = kConfusions[alea_.sous(std::size(kConfusions))];
      for (std::size_t k = 0; k < n.size(); ++k) {
        const std::size_t j = (i + k) % n.size();
        if (n[j] == a) {
          n[j] = b;
          return;
        }
        if (n[j] == b) {
          n[j] = a;
          return;
        }
      }
      n[i] = static_cast<char>('A' + alea_.sous(26));
      return;
    }
    case 1:
      n.erase(i, 1);
      return;  // dropped
    case 2:
      n.insert(i, 1, n[i]);
      return;  // doubled
    case 3:    // two swapped
      if (i + 1 < n.size())
        std::swap(n[i], n[i + 1]);
      else
        std::swap(n[i - 1], n[i]);
      return;
    default:
      n.insert(i, 1, static_cast<char>('A' + alea_.sous(26)));
      return;  // added
  }
}

void Generateur::nomCompose(Eleve& e) {
  const std::size_t sep = e.nom.find_first_of(" -");
  if (sep != std::string::npos && sep > 2) {
    switch (alea_.sous(3)) {
      case 0:
        e.nom = e.nom.substr(0, sep);
        return;  // the second name dropped
      case 1:
        e.nom = e.nom.substr(sep + 1);
        return;  // the first one dropped
      default:
        e.nom[sep] = e.nom[sep] == '-' ? ' ' : '-';
        return;
    }
  }
  const std::string autre = nomDeFamille();
  const std::string lien = alea_.pourcent(65) ? "-" : " ";
  e.nom = alea_.pourcent(75) ? e.nom + lien + autre : autre + lien + e.nom;
}

void Generateur::nomUsage(Eleve& e) {
  std::string autre;
  do autre = nomDeFamille();
  while (autre == e.nom);
  e.nom = autre;
}

void Generateur::nomPrononciation(Eleve& e) {
  std::vector<std::pair<std::size_t, std::size_t>> possibles;  // (rule, position)
  for (std::size_t r = 0; r < std::size(kHomophones); ++r) {
    const std::string_view de = kHomophones[r].first;
    for (std::size_t p = e.nom.find(de); p != std::string::npos; p = e.nom.find(de, p + 1))
      possibles.emplace_back(r, p);
  }
  if (possibles.empty()) return nomFaute(e);
  const auto [r, p] = possibles[alea_.sous(possibles.size())];
  e.nom.replace(p, std::string_view(kHomophones[r].first).size(), kHomophones[r].second);
}

void Generateur::prenomVariante(Eleve& e) {
  std::string& p = e.prenoms.front();
  for (const auto& groupe : kVariantes) {
    for (const char* v : groupe) {
      if (Cp1252(v) != p) continue;
      std::string autre;
      do autre = Cp1252(groupe[alea_.sous(groupe.size())]);
      while (autre == p);
      p = autre;
      return;
    }
  }
  // No known variant: a typo inside the name.
  if (p.size() < 3) {
    p += p.back();
    return;
  }
  const std::size_t i = 1 + alea_.sous(p.size() - 2);
  switch (alea_.sous(4)) {
    case 0:
      p.erase(i, 1);
      break;
    case 1:
      p.insert(i, 1, p[i]);
      break;
    case 2:
      std::swap(p[i], p[i + 1]);
      break;
    default:
      p[i] = static_cast<char>('a' + alea_.sous(26));
      break;
  }
}

void Generateur::prenomsOrdre(Eleve& e) {
  if (e.prenoms.size() < 2) return prenomAjoute(e);
  const std::size_t i = alea_.sous(e.prenoms.size() - 1);
  std::swap(e.prenoms[i], e.prenoms[i + 1]);
}

void Generateur::prenomAjoute(Eleve& e) {
  if (e.prenoms.size() >= 2 && alea_.pourcent(50)) {
    e.prenoms.erase(e.prenoms.begin() + static_cast<std::ptrdiff_t>(alea_.sous(e.prenoms.size())));
    return;
  }
  std::string autre = alea_.pourcent(50) ? Cp1252(alea_.un(kClassiques)) : prenom(e.fille);
  const std::size_t ou = alea_.sous(e.prenoms.size() + 1);
  e.prenoms.insert(e.prenoms.begin() + static_cast<std::ptrdiff_t>(ou), std::move(autre));
}

void Generateur::dateFaute(Eleve& e) {
  switch (alea_.sous(5)) {
    case 0:
      if (e.jour <= 12 && e.jour != e.mois) {
        std::swap(e.jour, e.mois);
        return;
      }
      [[fallthrough]];
    case 1: {  // one digit typed wrong
      std::string t = TexteDate(e.jour, e.mois, e.annee);
      const std::size_t positions[] = {0, 1, 3, 4, 8, 9};
      const std::size_t i = positions[alea_.sous(std::size(positions))];
      char c;
      do c = static_cast<char>('0' + alea_.sous(10));
      while (c == t[i]);
      t[i] = c;
      int j = std::stoi(t.substr(0, 2)), m = std::stoi(t.substr(3, 2)), a = std::stoi(t.substr(6));
      if (j >= 1 && j <= 31 && m >= 1 && m <= 12) {
        e.jour = j, e.mois = m, e.annee = a;
        return;
      }
      e.jour = e.jour == 28 ? 27 : e.jour + 1;
      return;
    }
    case 2:
      e.jour = e.jour == 1 ? 2 : e.jour - 1;
      return;
    case 3:
      e.mois = e.mois == 12 ? 11 : e.mois + 1;
      return;
    default:
      e.annee += alea_.pourcent(50) ? 1 : -1;
      return;
  }
}

void Generateur::corrige(Eleve& e, Correction c) {
  switch (c) {
    case Correction::NomFaute:
      return nomFaute(e);
    case Correction::NomCompose:
      return nomCompose(e);
    case Correction::NomUsage:
      return nomUsage(e);
    case Correction::NomPrononciation:
      return nomPrononciation(e);
    case Correction::PrenomVariante:
      return prenomVariante(e);
    case Correction::PrenomsOrdre:
      return prenomsOrdre(e);
    case Correction::PrenomAjoute:
      return prenomAjoute(e);
    case Correction::DateFaute:
      return dateFaute(e);
    case Correction::Double: {
      const auto a = static_cast<Correction>(alea_.sous(kSortesCorrection - 1));
      Correction b;
      do b = static_cast<Correction>(alea_.sous(kSortesCorrection - 1));
      while (b == a);
      corrige(e, a);
      corrige(e, b);
      return;
    }
  }
}

Ecole Generateur::genere() {
  const std::size_t personnel =
      forme_.comptes * static_cast<std::size_t>(forme_.pourcentPersonnel) / 100;
  const std::size_t eleves = forme_.comptes - personnel + forme_.nouveaux;

  // The pupils, with their families: twins share the last name and the birth date,
  // siblings the last name only.
  std::vector<Eleve> tous;
  tous.reserve(eleves + personnel);
  while (tous.size() < eleves) {
    Eleve e = nouvelEleve();
    if (!tous.empty() && alea_.pourcent(forme_.pourcentFratries)) {
      const Eleve& aine = tous[alea_.sous(tous.size())];
      if (!aine.personnel) e.nom = aine.nom;
    }
    tous.push_back(e);
    if (tous.size() < eleves &&
        alea_.pourcent(forme_.pourcentJumeaux / 2 + (forme_.pourcentJumeaux & 1))) {
      Eleve jumeau = nouvelEleve();
      jumeau.nom = e.nom;
      jumeau.jour = e.jour, jumeau.mois = e.mois, jumeau.annee = e.annee;
      while (jumeau.prenoms.front() == e.prenoms.front()) jumeau.prenoms = prenoms(jumeau.fille);
      jumeau.jumeau = static_cast<int>(tous.size()) - 1;
      tous.back().jumeau = static_cast<int>(tous.size());
      tous.push_back(std::move(jumeau));
    }
  }
  for (std::size_t i = 0; i < personnel; ++i) tous.push_back(membrePersonnel());

  // Who left, who came, who was corrected; the staff stay as they are.
  enum Sort { Stable, Corrige, Parti, Nouveau };
  std::vector<Sort> sorts(tous.size(), Stable);
  std::vector<std::size_t> ordre(eleves);
  for (std::size_t i = 0; i < eleves; ++i) ordre[i] = i;
  std::shuffle(ordre.begin(), ordre.end(), alea_.moteur());
  std::size_t k = 0;
  for (std::size_t i = 0; i < forme_.corriges; ++i) sorts[ordre[k++]] = Corrige;
  for (std::size_t i = 0; i < forme_.partis; ++i) sorts[ordre[k++]] = Parti;
  for (std::size_t i = 0; i < forme_.nouveaux; ++i) sorts[ordre[k++]] = Nouveau;

  // The traps: new pupils born the day a departed pupil was, or of a departed
  // pupil's family.
  std::vector<std::size_t> partis;
  for (std::size_t i = 0; i < tous.size(); ++i)
    if (sorts[i] == Parti) partis.push_back(i);
  for (std::size_t i = 0; i < tous.size() && !partis.empty(); ++i) {
    if (sorts[i] != Nouveau || tous[i].jumeau >= 0) continue;
    const Eleve& parti = tous[partis[alea_.sous(partis.size())]];
    if (alea_.pourcent(forme_.pourcentPiegesFamille)) {
      tous[i].nom = parti.nom;
      if (alea_.pourcent(30))
        tous[i].jour = parti.jour, tous[i].mois = parti.mois, tous[i].annee = parti.annee;
      while (tous[i].prenoms.front() == parti.prenoms.front())
        tous[i].prenoms = prenoms(tous[i].fille);
    } else if (alea_.pourcent(forme_.pourcentPiegesDate)) {
      tous[i].jour = parti.jour, tous[i].mois = parti.mois, tous[i].annee = parti.annee;
    }
  }

  // Both versions of each pupil, each one distinct from every other pupil's as exact
  // matching sees them; a corrected pupil's versions no longer match each other.
  Ecole ecole;
  ecole.corrige.assign(tous.size(), 0);
  std::unordered_set<std::string> cles;
  std::vector<std::pair<std::size_t, LigneRebus>> fichier;  // (class, person)
  for (std::size_t i = 0; i < tous.size(); ++i) {
    Eleve ancien = tous[i];
    Eleve nouveau = tous[i];
    if (sorts[i] == Corrige) {
      for (int essai = 0; essai < 20 && CleExacte(ancien) == CleExacte(nouveau); ++essai) {
        nouveau = tous[i];
        corrige(nouveau, tireCorrection());
      }
      if (CleExacte(ancien) == CleExacte(nouveau)) nouveau.annee += 1;
      // Half the time the account holds the mistake and the file the right text.
      if (alea_.pourcent(50)) std::swap(ancien, nouveau);
    }
    const bool aUnCompte = sorts[i] != Nouveau;
    const bool aUnePersonne = sorts[i] != Parti;
    if ((aUnCompte && !cles.insert(CleExacte(ancien)).second) ||
        (aUnePersonne && CleExacte(nouveau) != CleExacte(ancien) &&
         !cles.insert(CleExacte(nouveau)).second))
      continue;  // a namesake born the same day: this pupil is left out
    if (sorts[i] == Corrige) {
      ecole.corrige[i] = 1;
      ++ecole.nombreCorriges;
    }
    if (aUnCompte) {
      const std::string l = login(ancien);
      ecole.comptes.push_back(compte(ancien, l));
      ecole.eleveDuCompte[l] = static_cast<int>(i);
    }
    if (aUnePersonne) {
      LigneRebus p = personne(nouveau);
      ecole.eleveDeLaPersonne[Identite(p.nom, p.prenoms, p.dateNaiss)] = static_cast<int>(i);
      const std::size_t classe = nouveau.personnel ? 1000000 : alea_.sous(eleves / 28 + 1);
      fichier.emplace_back(classe, std::move(p));
    }
  }

  // The server lists the accounts by login; the export lists the pupils class by
  // class, alphabetically, then the staff.
  std::sort(ecole.comptes.begin(), ecole.comptes.end(),
            [](const LigneCompte& a, const LigneCompte& b) { return a.login < b.login; });
  std::sort(fichier.begin(), fichier.end(), [](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first < b.first;
    if (a.second.nom != b.second.nom) return a.second.nom < b.second.nom;
    return a.second.prenoms < b.second.prenoms;
  });
  for (auto& [classe, p] : fichier) ecole.fichier.push_back(std::move(p));
  return ecole;
}

}  // namespace

std::string Identite(const std::string& nom, const std::string& prenoms, const std::string& date) {
  return nom + '\x1F' + prenoms + '\x1F' + date;
}

Ecole GenereEcole(const FormeEcole& forme, unsigned graine) {
  return Generateur(forme, graine).genere();
}

std::vector<FormeEcole> FormesEvaluation() {
  std::vector<FormeEcole> formes(6);
  formes[0].nom = "college";
  formes[1].nom = "noms";
  formes[1].melange = {25, 20, 20, 10, 5, 2, 3, 5, 10};
  formes[2].nom = "prenoms-dates";
  formes[2].melange = {5, 3, 3, 2, 25, 10, 15, 25, 12};
  formes[3].nom = "pieges";
  formes[3].pourcentJumeaux = 6;
  formes[3].pourcentFratries = 25;
  formes[3].pourcentPiegesDate = 100;
  formes[3].pourcentPiegesFamille = 35;
  formes[3].pourcentNomsLocaux = 30;
  formes[4].nom = "doubles";
  formes[4].melange = {10, 5, 5, 4, 8, 3, 5, 10, 50};
  formes[5].nom = "un-prenom";
  formes[5].pourcentUnPrenom = 60;
  return formes;
}

}  // namespace corrinom::banc
