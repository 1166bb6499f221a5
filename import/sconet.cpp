#include "import/sconet.h"

#include "operator/dialogues.h"
#include "text/encodage.h"
#include "text/fichier.h"
#include "text/noms.h"
#include "xml/xml.h"

namespace corrinom {

namespace {

bool EstElementNomme(const TXMLNode* noeud, std::string_view nom) {
  return noeud != nullptr && noeud->Kind() == nkElement && EgalSansCasse(noeud->Name(), nom);
}

// What a reader found in the document before any person is read.
struct Structure {
  const TXMLNode* liste = nullptr;  // ELEVES or INDIVIDUS
  std::string message;              // empty on success
};

// DONNEES at the top level or one level below, then `nomListe` directly under it.
Structure ChercheStructure(const DocumentSconet& document, std::string_view nomListe) {
  Structure s;
  if (!document.doc) {
    s.message = "Erreur en lisant le fichier " + NomFichierAffiche(document.nomFichier);
    return s;
  }
  const TXMLNodes& noeuds = document.doc->Nodes();
  const TXMLNode* donnees = nullptr;
  for (int i = 0; i < noeuds.Count() && donnees == nullptr; ++i)
    donnees = ChercheBalise("DONNEES", noeuds.Items(i), 1, 2);
  if (donnees == nullptr) {
    s.message = "Type de fichier incorrect, Balise \"DONNEES\" non trouv\xE9" "e.";
    return s;
  }
  s.liste = ChercheBalise(nomListe, donnees, 1, 2);
  if (s.liste == nullptr)
    s.message = "Type de fichier incorrect, Balise \"" + std::string(nomListe) +
                "\" non trouv\xE9" "e.";
  return s;
}

// Shows a reader's failure; a failure without a text still says something.
int Echec(Dialogues& dialogues, std::string message) {
  if (message.empty()) message = "Erreur";
  dialogues.message(message);
  return kLectureEchouee;
}

// Reads one ELEVE element; false when the pupil is dropped.
bool LitEleve(const TXMLNode& eleve, TUserXML& u) {
  // Current exports carry NOM_DE_FAMILLE and NOM_USAGE instead of NOM; NOM still
  // wins when a file has it, then the usage name, then the family name.
  std::string nomUsage;
  std::string nomDeFamille;
  const int n = eleve.ChildCount();
  for (int i = 0; i < n; ++i) {
    const TXMLNode* champ = eleve.GetChild(i);
    if (champ == nullptr || champ->Kind() != nkElement) continue;
    const std::string& nom = champ->Name();
    if (EgalSansCasse(nom, "DATE_SORTIE")) {
      if (!TexteBalise(*champ).empty()) return false;  // the pupil has left the school
    } else if (EgalSansCasse(nom, "NOM")) {
      u.Nom = TexteBalise(*champ);
    } else if (EgalSansCasse(nom, "PRENOM")) {
      u.Prenom = TexteBalise(*champ);
    } else if (EgalSansCasse(nom, "PRENOM2")) {
      u.Prenom2 = TexteBalise(*champ);
    } else if (EgalSansCasse(nom, "PRENOM3")) {
      u.Prenom3 = TexteBalise(*champ);
    } else if (EgalSansCasse(nom, "DATE_NAISS")) {
      u.DateNaiss = TexteBalise(*champ);
    } else if (EgalSansCasse(nom, "NOM_USAGE")) {
      nomUsage = TexteBalise(*champ);
    } else if (EgalSansCasse(nom, "NOM_DE_FAMILLE")) {
      nomDeFamille = TexteBalise(*champ);
    }
  }
  if (u.Nom.empty()) u.Nom = !nomUsage.empty() ? nomUsage : nomDeFamille;
  return !u.Nom.empty();
}

bool LitIndividu(const TXMLNode& individu, TUserXML& u) {
  const int n = individu.ChildCount();
  for (int i = 0; i < n; ++i) {
    const TXMLNode* champ = individu.GetChild(i);
    if (champ == nullptr || champ->Kind() != nkElement) continue;
    const std::string& nom = champ->Name();
    if (EgalSansCasse(nom, "NOM_USAGE"))
      u.Nom = TexteBalise(*champ);
    else if (EgalSansCasse(nom, "PRENOM"))
      u.Prenom = TexteBalise(*champ);
    else if (EgalSansCasse(nom, "DATE_NAISSANCE"))
      u.DateNaiss = ConvertitDate(TexteBalise(*champ));
  }
  return !u.Nom.empty();
}

template <typename LitPersonne>
std::vector<TUserXML> Collecte(const TXMLNode& liste, std::string_view nomElement, LitPersonne lit) {
  std::vector<TUserXML> personnes;
  const int n = liste.ChildCount();
  for (int i = 0; i < n; ++i) {
    const TXMLNode* e = liste.GetChild(i);
    if (!EstElementNomme(e, nomElement)) continue;
    TUserXML u;
    if (lit(*e, u)) personnes.push_back(std::move(u));
  }
  return personnes;
}

// Every user of the file becomes a person, matched exactly as it comes; the
// counts and the summary follow.
template <typename Prenoms>
int RemetPersonnes(const std::vector<TUserXML>& users, Prenoms prenoms, RemisePersonnes& remise) {
  remise.videNonTrouves();
  for (const TUserXML& u : users) {
    Personne p;
    p.Nom = MajusculeNom(u.Nom);
    p.Prenoms = prenoms(u);
    p.DateNaiss = u.DateNaiss;
    remise.rapprocheExact(p);
  }
  remise.afficheNombresEtResume();
  return kLectureReussie;
}

}  // namespace

DocumentSconet::DocumentSconet() = default;
DocumentSconet::~DocumentSconet() = default;
DocumentSconet::DocumentSconet(DocumentSconet&&) noexcept = default;
DocumentSconet& DocumentSconet::operator=(DocumentSconet&&) noexcept = default;

const TXMLNode* ChercheBalise(std::string_view nom, const TXMLNode* noeud, int profondeur,
                              int maximum) {
  if (noeud == nullptr || noeud->Kind() != nkElement) return nullptr;
  if (EgalSansCasse(noeud->Name(), nom)) return noeud;
  if (noeud->ChildCount() == 0 || profondeur >= maximum) return nullptr;
  for (int i = 0; i < noeud->ChildCount(); ++i) {
    if (const TXMLNode* r = ChercheBalise(nom, noeud->GetChild(i), profondeur + 1, maximum))
      return r;
  }
  return nullptr;
}

std::string TexteBalise(const TXMLNode& element) {
  const TXMLNode* premier = element.GetChild(0);
  if (premier != nullptr && premier->Kind() == nkText) return premier->Name();
  return {};
}

std::string ConvertitDate(std::string_view s) {
  if (s.size() == 10 && !(s[2] == '/' && s[5] == '/') && s[4] == '-' && s[7] == '-') {
    std::string r;
    r.reserve(10);
    r.append(s.substr(8, 2)).append("/").append(s.substr(5, 2)).append("/").append(s.substr(0, 4));
    return r;
  }
  return std::string(s);
}

DocumentSconet ChargeDocumentSconet(const std::string& nomFichier) {
  DocumentSconet d;
  d.nomFichier = nomFichier;
  if (!EstFichierLisible(nomFichier)) return d;
  try {
    auto doc = std::make_unique<TXMLDoc>();
    doc->LoadFromFile(nomFichier);
    d.doc = std::move(doc);
  } catch (...) {
    // Whatever went wrong (missing file, parse refusal, memory), the readers say
    // "Erreur en lisant le fichier".
    d.doc.reset();
  }
  return d;
}

std::vector<TUserXML> ElevesDuDocument(const TXMLNode& eleves) {
  return Collecte(eleves, "ELEVE", LitEleve);
}

std::vector<TUserXML> IndividusDuDocument(const TXMLNode& individus) {
  return Collecte(individus, "INDIVIDU", LitIndividu);
}

int LitElevesXML(const DocumentSconet& document, bool sonde, RemisePersonnes& remise,
                 Dialogues& dialogues) {
  const Structure s = ChercheStructure(document, "ELEVES");
  if (sonde) return s.liste != nullptr ? kLectureReussie : kLectureEchouee;
  if (s.liste == nullptr) return Echec(dialogues, s.message);

  return RemetPersonnes(ElevesDuDocument(*s.liste), [](const TUserXML& u) {
    return AssemblePrenoms(NettoieTexte(u.Prenom), NettoieTexte(u.Prenom2), NettoieTexte(u.Prenom3));
  }, remise);
}

int LitElevesXML(const std::string& nomFichier, bool sonde, RemisePersonnes& remise,
                 Dialogues& dialogues) {
  return LitElevesXML(ChargeDocumentSconet(nomFichier), sonde, remise, dialogues);
}

int LitIndividusXML(const DocumentSconet& document, RemisePersonnes& remise, Dialogues& dialogues) {
  const Structure s = ChercheStructure(document, "INDIVIDUS");
  if (s.liste == nullptr) return Echec(dialogues, s.message);

  return RemetPersonnes(IndividusDuDocument(*s.liste),
                        [](const TUserXML& u) { return NettoieTexte(u.Prenom); }, remise);
}

int LitIndividusXML(const std::string& nomFichier, RemisePersonnes& remise, Dialogues& dialogues) {
  return LitIndividusXML(ChargeDocumentSconet(nomFichier), remise, dialogues);
}

}  // namespace corrinom
