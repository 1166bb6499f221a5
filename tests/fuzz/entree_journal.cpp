// The change journal's reader and the restore. Read from memory and from a file,
// a journal gives the same lines; restored on a small set of accounts, with or
// without writing, it changes the full name and field 7 of the comment of TAVO
// accounts only, and only where the dry run said it would.
#include <cstdio>
#include <map>

#include "accounts/usr_comment.h"
#include "session/journal.h"
#include "session/restauration.h"
#include "tests/fuzz/entrees.h"
#include "tests/session/outils.h"
#include "text/encodage.h"

namespace corrinom::fuzz {
namespace {

test::MagasinMemoire Comptes() {
  test::MagasinMemoire m;
  m.comptes["dupont.j"] = test::Compte("dupont.j", "DUPONT Jean", "TAVO;E;2026;;;;6;;12/05/2011;;;0;0");
  m.comptes["martin.l"] = test::Compte("martin.l", "MARTIN-PETIT Lea", "TAVO;E;2026;;;;12;;03/09/2011;;;0;0");
  m.comptes["prof"] = test::Compte("prof", "PROF Paul", "");
  m.comptes["a"] = test::Compte("a", "", "TAVO");
  return m;
}

// What a restore may change: the full name, and the comment but for field 7.
bool SeulsNomEtLongueurChangent(const CompteStocke& avant, const CompteStocke& apres) {
  CompteStocke a = avant, b = apres;
  a.full_name = b.full_name;
  if (RemplaceLongueurNom(a.usr_comment.texte, 0) != RemplaceLongueurNom(b.usr_comment.texte, 0)) return false;
  a.usr_comment = b.usr_comment;
  return a == b;
}

}  // namespace

void RestaureJournalFuzz(const std::uint8_t* data, std::size_t size) {
  const std::string_view octets(reinterpret_cast<const char*>(data), size);
  std::vector<LigneJournal> lignes, deFichier;
  std::string erreur;
  const bool lu = LitJournal(octets, lignes, erreur);
  Exige(lu == erreur.empty(), "a refusal says why");
  const std::string& fichier = FichierTemporaire(octets, ".csv");
  Exige(LitFichierJournal(fichier, deFichier, erreur) == lu, "from a file as from memory");
  Exige(deFichier.size() == lignes.size(), "the same lines from a file");
  if (!lu) return;
  for (const LigneJournal& l : lignes) {
    Exige(CaracteresUtf8Imprimables(l.changement.ancienNomComplet).has_value() &&
              CaracteresUtf8Imprimables(l.changement.nouveauNomComplet).has_value(),
          "only printable names are read");
  }

  const std::vector<HistoriqueCompte> historiques = HistoriquesDuJournal(lignes);
  test::MagasinMemoire essai = Comptes();
  const Restauration prevue = Restaure(historiques, essai, nullptr);
  Exige(essai.ecritures == 0, "a dry run writes nothing");

  test::MagasinMemoire m = Comptes();
  const test::MagasinMemoire avant = Comptes();
  const std::string sien = FichierTemporaire("", ".restauration.csv");
  std::remove(sien.c_str());
  auto journal = JournalChangements::OuvreFichier(sien, "m", erreur);
  Exige(journal != nullptr, "the restore's own journal opens");
  const Restauration faite = Restaure(historiques, m, journal.get());
  Exige(faite.comptes.size() == prevue.comptes.size(), "one outcome per account");
  for (std::size_t i = 0; i < faite.comptes.size(); ++i) {
    Exige((prevue.comptes[i].issue == IssueRestauration::ARestaurer) ==
              (faite.comptes[i].issue == IssueRestauration::Restaure),
          "restored where the dry run said so");
  }
  for (const auto& [login, compte] : m.comptes) {
    const CompteStocke& a = avant.comptes.at(login);
    Exige(SeulsNomEtLongueurChangent(a, compte), "only the full name and field 7 change");
    Exige(a == compte || LitUsrComment(a.usr_comment.texte).Marqueur == kMarqueurTavo,
          "only TAVO accounts change");
  }
}

}  // namespace corrinom::fuzz
