#include "import/texte_delimite.h"


#include "import/cherche_champ.h"
#include "operator/dialogues.h"
#include "text/encodage.h"
#include "text/erreurs.h"
#include "text/fichier.h"
#include "text/noms.h"
#include "text/octets.h"

namespace corrinom {

namespace {

// Where the field after `debut` ends: at the next separator, or, in a quoted
// file, at the next separator outside double quotes; the line's length when
// none follows.
//
// In a quoted file a double quote opens or closes quotes only where a quoted field
// can have one: as the field's first character after blanks, just before a
// separator or the line's end (blanks between allowed), or as one of a "" pair,
// which stands for one quote and leaves the state as it was. Any other quote is an
// ordinary character, so that one stray quote inside a field (« "Jean "Jo" ») does
// not swallow the rest of the line.
std::size_t FinDuChamp(std::string_view ligne, std::size_t debut, const FormatTexte& format) {
  if (!format.guillemets) {
    const std::size_t p = ligne.find(format.separateur, debut);
    return p == std::string_view::npos ? ligne.size() : p;
  }
  auto blanc = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  bool dansGuillemets = false;
  bool queDesBlancs = true;  // nothing but blanks before position i in this field
  for (std::size_t i = debut; i < ligne.size(); ++i) {
    const char c = ligne[i];
    if (c == '"') {
      if (queDesBlancs) {
        dansGuillemets = !dansGuillemets;
      } else if (i + 1 < ligne.size() && ligne[i + 1] == '"') {
        ++i;
      } else {
        std::size_t j = i + 1;
        while (j < ligne.size() && blanc(ligne[j])) ++j;
        if (j == ligne.size() || ligne[j] == format.separateur) dansGuillemets = !dansGuillemets;
      }
    } else if (c == format.separateur && !dansGuillemets) {
      return i;
    }
    if (!blanc(c)) queDesBlancs = false;
  }
  return ligne.size();
}

// The raw text of field n, or nothing when the line has fewer than n separators.
bool ChampBrut(std::string_view ligne, int n, const FormatTexte& format, std::string_view& champ) {
  if (n < 0) return false;
  std::size_t debut = 0;
  for (int k = 0; k < n; ++k) {
    const std::size_t fin = FinDuChamp(ligne, debut, format);
    if (fin == ligne.size()) return false;
    debut = fin + 1;
  }
  champ = ligne.substr(debut, FinDuChamp(ligne, debut, format) - debut);
  return true;
}

struct Recherche {
  const char* titre;
  const char* message;
  const char* defaut;
};

// The chooser's texts for each piece of information.
const Recherche kRechercheNom{"Champ des noms",
                              "Aide pour trouver le nom du champ qui contient les noms", "NOM"};
const Recherche kRecherchePrenom1{
    "Champ des premiers pr\xE9noms",
    "Aide pour trouver le nom du champ qui contient les premiers pr\xE9noms", "Pr\xE9nom 1"};
const Recherche kRecherchePrenom2{
    "Champ des deuxi\xE8mes pr\xE9noms",
    "Aide pour trouver le nom du champ qui contient les deuxi\xE8mes pr\xE9noms", "Pr\xE9nom 2"};
const Recherche kRecherchePrenom3{
    "Champ des troisi\xE8mes pr\xE9noms",
    "Aide pour trouver le nom du champ qui contient les troisi\xE8mes pr\xE9noms", "Pr\xE9nom 3"};
const Recherche kRechercheDate{
    "Champ dates de naissance",
    "Aide pour trouver le nom du champ qui contient les dates de naissance", "NE(E) LE"};

// Asks the operator for a field the header does not name, and looks the answer up.
int ChoisitEtCherche(Dialogues& dialogues, const std::string& nomFichier, std::string_view entete,
                     const FormatTexte& format, const Recherche& r) {
  TFormChercheChamp chercheChamp(dialogues);
  const std::string choisi = chercheChamp.ChoisirChamp(nomFichier, r.titre, r.defaut, r.message);
  return IndiceChamp(entete, choisi, format);
}

}  // namespace

FormatTexte FormatDeLEntete(std::string_view entete) {
  FormatTexte f;
  f.separateur = entete.find(';') != std::string_view::npos ? ';' : ',';
  f.guillemets = entete.size() >= 3 && entete.front() == '"' && entete.back() == '"';
  return f;
}

std::string TexteDuFichier(std::string contenu) {
  const std::size_t zero = contenu.find('\0');
  if (zero != std::string::npos) contenu.resize(zero);
  if (CommenceParBomUtf8(contenu) || EstUtf8MultiOctets(contenu))
    return Utf8VersCp1252Personne(contenu);
  return contenu;
}

std::vector<std::string_view> DecoupeLignes(std::string_view texte) {
  std::vector<std::string_view> lignes;
  std::size_t debut = 0;
  const std::size_t n = texte.size();
  while (debut < n) {
    std::size_t fin = debut;
    while (fin < n && texte[fin] != '\r' && texte[fin] != '\n') ++fin;
    lignes.push_back(texte.substr(debut, fin - debut));
    if (fin < n && texte[fin] == '\r' && fin + 1 < n && texte[fin + 1] == '\n') ++fin;
    debut = fin + 1;
  }
  return lignes;
}

bool LitLignesFichier(const std::string& nomFichier, LignesFichier& resultat, int& codeErreur) {
  resultat.vide();
  codeErreur = 0;
  std::string contenu;
  if (const LectureFichier lecture = LitFichier(nomFichier, contenu, /*arretAuZero=*/true);
      !lecture) {
    codeErreur = lecture.code;
    return false;
  }
  resultat.texte = TexteDuFichier(std::move(contenu));
  resultat.lignes = DecoupeLignes(resultat.texte);
  return true;
}

std::vector<std::string_view> DecoupeChamps(std::string_view ligne, const FormatTexte& format) {
  std::vector<std::string_view> champs;
  std::size_t debut = 0;
  for (;;) {
    const std::size_t fin = FinDuChamp(ligne, debut, format);
    champs.push_back(ligne.substr(debut, fin - debut));
    if (fin == ligne.size()) break;
    debut = fin + 1;
  }
  return champs;
}

std::string EnleveGuillemets(std::string_view champ, const FormatTexte& format) {
  if (!format.guillemets || champ.size() < 2 || champ.front() != '"' || champ.back() != '"')
    return std::string(champ);
  const std::string_view dedans = champ.substr(1, champ.size() - 2);
  std::string r;
  r.reserve(dedans.size());
  for (std::size_t i = 0; i < dedans.size(); ++i) {
    r.push_back(dedans[i]);
    // A doubled quote inside the quotes stands for one.
    if (dedans[i] == '"' && i + 1 < dedans.size() && dedans[i + 1] == '"') ++i;
  }
  return r;
}

namespace {

// A field's value: in a quoted file the blanks around the quotes go first, so
// that « "DUPONT" » still loses its quotes; then the quotes; then the blanks.
std::string Nettoie(std::string_view champ, const FormatTexte& format) {
  if (format.guillemets) champ = Rogne(champ);
  return std::string(Rogne(EnleveGuillemets(champ, format)));
}

}  // namespace

int IndiceChamp(std::string_view entete, std::string_view nom, const FormatTexte& format) {
  int indice = 0;
  std::size_t debut = 0;
  // Walks the header field by field; a separator at its very end leaves no
  // empty field to compare.
  while (debut < entete.size()) {
    const std::size_t fin = FinDuChamp(entete, debut, format);
    if (EgalSansCasse(Nettoie(entete.substr(debut, fin - debut), format), nom)) return indice;
    if (fin == entete.size()) break;
    debut = fin + 1;
    ++indice;
  }
  return -1;
}

std::string ValeurChamp(std::string_view ligne, int indice, const FormatTexte& format) {
  std::string_view champ;
  if (!ChampBrut(ligne, indice, format, champ)) return {};
  return Nettoie(champ, format);
}

std::string ExtraitChamp(std::string_view ligne, int n, const FormatTexte& format) {
  std::string_view champ;
  if (!ChampBrut(ligne, n, format, champ)) return {};
  return std::string(champ);
}

bool LitFichierTexte(const std::string& nomFichier, RemisePersonnes& remise, Dialogues& dialogues) {
  if (nomFichier.empty()) return false;

  bool remis = false;
  {
    LignesFichier fichier;
    int code = 0;
    if (!LitLignesFichier(nomFichier, fichier, code)) {
      if (code != 0)
        dialogues.message("Erreur en lisant le fichier " + NomFichierAffiche(nomFichier) + " " +
                          MessErreur(code));
      else
        dialogues.message("Fichier vide");
    } else if (fichier.lignes.size() < 2) {
      dialogues.message("Fichier vide");
    } else {
      const std::string_view entete = fichier.lignes.front();
      const FormatTexte format = FormatDeLEntete(entete);

      int iNom = IndiceChamp(entete, "NOM", format);
      if (iNom < 0) iNom = ChoisitEtCherche(dialogues, nomFichier, entete, format, kRechercheNom);

      if (iNom < 0) {
        dialogues.message("Abandon");
      } else {
        int iPrenom1 = IndiceChamp(entete, "PRENOM", format);
        if (iPrenom1 < 0) iPrenom1 = IndiceChamp(entete, "Pr\xE9nom 1", format);
        if (iPrenom1 < 0)
          iPrenom1 = ChoisitEtCherche(dialogues, nomFichier, entete, format, kRecherchePrenom1);

        int iPrenom2 = -1;
        if (iPrenom1 >= 0) {
          iPrenom2 = IndiceChamp(entete, "Pr\xE9nom 2", format);
          if (iPrenom2 < 0)
            iPrenom2 = ChoisitEtCherche(dialogues, nomFichier, entete, format, kRecherchePrenom2);
        }
        int iPrenom3 = -1;
        if (iPrenom2 >= 0) {
          iPrenom3 = IndiceChamp(entete, "Pr\xE9nom 3", format);
          if (iPrenom3 < 0)
            iPrenom3 = ChoisitEtCherche(dialogues, nomFichier, entete, format, kRecherchePrenom3);
        }
        int iDate = IndiceChamp(entete, "NE(E) LE", format);
        if (iDate < 0) iDate = ChoisitEtCherche(dialogues, nomFichier, entete, format, kRechercheDate);

        remise.videNonTrouves();
        for (std::size_t i = 1; i < fichier.lignes.size(); ++i) {
          const std::string_view ligne = fichier.lignes[i];
          Personne p;
          p.Prenoms = AssemblePrenoms(NettoieTexte(ValeurChamp(ligne, iPrenom1, format)),
                                      NettoieTexte(ValeurChamp(ligne, iPrenom2, format)),
                                      NettoieTexte(ValeurChamp(ligne, iPrenom3, format)));
          p.DateNaiss = ValeurChamp(ligne, iDate, format);
          p.Nom = MajusculeNom(ValeurChamp(ligne, iNom, format));
          remise.rapprocheExact(p);
        }
        remis = true;
      }
    }
  }  // the lines are released before the lists are sorted and counted

  remise.trieNonTrouves();
  remise.afficheNombresEtResume();
  return remis;
}

}  // namespace corrinom
