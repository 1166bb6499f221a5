// Shared pieces of the window tests: a real account base in a temporary folder,
// the window over it with a scripted operator, and synthetic drag and drop.
#pragma once

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "accounts/store/base_demo.h"
#include "accounts/store/magasin_en_panne.h"
#include "accounts/store/magasin_sqlite.h"
#include "app/form_corrinom.h"
#include "app/liste_rapport.h"
#include "operator/dialogues_script.h"
#include "reconcile/etat.h"
#include "reconcile/marques.h"
#include "session/enumeration.h"

namespace corrinom::app::test {

// A fresh copy of the demo base in a folder of its own, opened: `magasin` is
// null, and `erreur` says why, when either step failed.
struct BaseDemoTemporaire {
  QTemporaryDir dossier;
  std::string chemin = dossier.filePath(QStringLiteral("demo.db")).toStdString();
  std::string erreur;
  std::unique_ptr<MagasinSqlite> magasin =
      EcritBaseDemo(chemin, erreur) ? MagasinSqlite::Ouvre(chemin, erreur) : nullptr;
};

// A TAVO account: full name "NOM Prenoms", the record with the name's length in
// field 7 and the birth date in field 9.
inline CompteBase CompteTavo(const std::string& login, const std::string& nom,
                             const std::string& prenoms, const std::string& date) {
  CompteBase c;
  c.compte.name = ChampTexte::de(login);
  c.compte.full_name = ChampTexte::de(prenoms.empty() ? nom : nom + " " + prenoms);
  c.compte.usr_comment = ChampTexte::de("TAVO;E;3A;;;;" + std::to_string(nom.size()) + ";;" + date +
                                        ";;;0;0");
  return c;
}

// A window over a fresh account base, with every box answered by a script.
struct Banc {
  QTemporaryDir dossier;
  std::unique_ptr<MagasinSqlite> magasin;
  std::unique_ptr<MagasinEnPanne> pannes;  // the window's store: the base, failing on demand
  EtatRapprochement etat;
  DialoguesScript script;
  std::unique_ptr<TFormCorrinom> fenetre;

  explicit Banc(const std::vector<CompteBase>& comptes, const QString& nomBase = {}) {
    std::string erreur;
    const std::string chemin = dossier.filePath(QStringLiteral("comptes.db")).toStdString();
    magasin = MagasinSqlite::OuvreOuCree(chemin, erreur);
    if (magasin && !comptes.empty()) magasin->ajoute(comptes, erreur);
    if (magasin) ChargeUtilisateurs(*magasin, etat, script);
    script.appels.clear();
    pannes = std::make_unique<MagasinEnPanne>(*magasin);
    fenetre = std::make_unique<TFormCorrinom>(etat, *pannes, nomBase, &script);
  }

  // The account as the base holds it now.
  CompteStocke Compte(const std::string& login) {
    CompteStocke c;
    magasin->lit(login, c);
    return c;
  }

  // Attaches a person to row i as exact matching would, and shows it.
  void Attache(std::size_t i, const std::string& nom, const std::string& prenoms,
               const std::string& date) {
    AttachePersonne(etat.comptes[i], nom, prenoms, date);
    MarqueLigne(etat.comptes[i]);
    fenetre->Rafraichit();
  }
};

// Sends a whole synthetic drag over and drop onto a list's viewport at the height of
// `y`. Returns whether the list accepted the drag while it moved over it.
inline bool GlisseDepose(ListeRapport* vue, QMimeData* donnees, int y, bool deposer = true) {
  const QPoint p(30, y);
  QWidget* cible = vue->viewport();
  QDragEnterEvent entree(p, Qt::MoveAction, donnees, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cible, &entree);
  QDragMoveEvent survol(p, Qt::MoveAction, donnees, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(cible, &survol);
  const bool accepte = survol.isAccepted();
  if (deposer) {
    QDropEvent depot(QPointF(p), Qt::MoveAction, donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cible, &depot);
  }
  return accepte;
}

// The height of row i's line in a list's viewport.
inline int HauteurLigne(ListeRapport* vue, int i) {
  return vue->visualRect(vue->model()->index(i, 0)).center().y();
}

}  // namespace corrinom::app::test
