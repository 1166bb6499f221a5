// The main window with Qt: the two report lists, the matching aids, the counters of
// "Travail à faire", the buttons and the status bar. A shell over window/: it builds
// its controls from window/controles.h, draws the core's state and hands every
// event to LogiqueFenetre, which decides what it does. It holds no working data.
#pragma once

#include <QByteArray>
#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>
#include <span>

#include "reconcile/deplacements.h"
#include "operator/dialogues.h"
#include "reconcile/etat.h"
#include "window/controles.h"
#include "window/dialogues_fenetre.h"
#include "window/logique_fenetre.h"

class QComboBox;
class QFileDialog;
class QMenu;
class QProgressDialog;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace corrinom {
class MagasinComptes;
}

namespace corrinom::app {

class DialoguesQt;
class ListeRapport;

class TFormCorrinom : public QMainWindow, private fenetre::VueFenetre {
  Q_OBJECT

 public:
  // `etat` holds the accounts as start-up loaded them; `magasin` is the store they
  // were read from and that changes are written to. `nomBase` names an embedded base
  // in a third status label (empty for the system's store). `boites` answers the
  // operator's boxes (null: real Qt dialogs); the hint panel is always this window's.
  TFormCorrinom(EtatRapprochement& etat, MagasinComptes& magasin, const QString& nomBase = {},
                Dialogues* boites = nullptr, QWidget* parent = nullptr);
  ~TFormCorrinom() override;

  // Places the window: centred on `ecran` at its design size, then AjusteFenetre with
  // that resolution.
  void PlaceFenetre(int dpi, const QRect& ecran);

  // A click on a button of the window by its name (tests, the screenshot program).
  void Clic(std::string_view bouton);
  void OuvreFichier(const QString& nomFichier);  // what follows the open-file dialog

  // The keyboard move (Ctrl+Entrée) and the context menus of the two lists.
  void PlaceSurCompteSelectionne();
  std::unique_ptr<QMenu> MenuContextuel(ListeSource liste);

  // Where the write runs of this window keep their journals (the store's name
  // in the journal lines and on the printed change list).
  void ChoisitJournal(DestinationJournal journal) { logique_->ChoisitJournal(std::move(journal)); }

  // Brings every view back in line with the core's state.
  void Rafraichit() { logique_->RedessineTout(); }

  // The open-file dialog's filter in Qt's syntax, and the dialog as "Ouvrir" runs it.
  static QStringList FiltresOuvrir();
  std::unique_ptr<QFileDialog> CreeOpenDialog1();

  // Identifies this window in drag data.
  const QByteArray& JetonGlisse() const { return jeton_; }

  QLineEdit* EditNomFich() const { return EditNomFich_; }
  QLineEdit* EditRecherche() const { return EditRecherche_; }
  QComboBox* ComboMarques() const { return ComboMarques_; }
  QLabel* LabelNombreComptes() const;
  // The write's progress window while it is shown, else null.
  QProgressDialog* FenetreProgression() const { return progression_; }
  ListeRapport* ListViewUsers() const { return ListViewUsers_; }
  ListeRapport* ListViewRebus() const { return ListViewRebus_; }
  QLabel* Panneau(int i) const { return panneaux_.at(static_cast<std::size_t>(i)); }
  QLabel* PanneauBase() const { return panneauBase_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* objet, QEvent* e) override;

 private:

  void CreeControles();
  // A band of the table (Panel1, Panel2, Panel3) with its controls.
  QWidget* CreeBande(QWidget* parent, std::string_view nom);
  void CreeGroupeAides(QWidget* parent);
  void CreeBarreEtat(const QString& nomBase);
  // ComboMarques, its choices with their mark pictures, answered by the logic.
  QComboBox* CreeComboMarques(QWidget* parent);
  void CreeRaccourcis();
  void OrdreFocus();
  // The controls of `table` at fixed places in `parent` (named `nom` in the
  // table), in the table's order.
  void CreeControlesFixes(QWidget* parent, std::string_view nom,
                          std::span<const fenetre::Controle> table = fenetre::Controles());
  // One control of a table, named, of its kind; Clic answers the buttons, and the
  // focus hints follow those in the focus order.
  QWidget* CreeControle(QWidget* parent, const fenetre::Controle& c);
  // One of the two report lists, filling its group box below `margeHaut`, over its model.
  ListeRapport* CreeListe(QGroupBox* cadre, int margeHaut, ListeSource source);
  void ButtonOuvrirClick();
  void EditNomFichEntree();  // Entrée in EditNomFich
  void Indication(const QString& texte);

  // What the window's logic asks of this shell.
  std::optional<std::size_t> LigneSelectionnee(ListeSource liste) const override;
  void Redessine(fenetre::Redessin quoi, const fenetre::Selections& selection) override;
  void MontreTexte(std::string_view nom, std::string_view texte) override;
  void ActiveControle(std::string_view nom, bool actif) override;
  void MontreAide() override;
  void MontreNomFichier(std::u16string_view texte) override;
  void ProgressionEcriture(const std::optional<std::string>& texte) override;
  bool ArretEcritureDemande() const override { return arret_; }
  void MontreChangements(const std::vector<LigneChangement>& lignes, std::string_view magasin) override;
  bool MontreRessemblance(fenetre::RevueRessemblance& revue) override;

  EtatRapprochement& etat_;
  std::unique_ptr<DialoguesQt> boitesQt_;
  std::unique_ptr<fenetre::DialoguesFenetre> dialogues_;
  std::unique_ptr<fenetre::LogiqueFenetre> logique_;
  QByteArray jeton_;
  QProgressDialog* progression_ = nullptr;
  bool arret_ = false;

  QLineEdit* EditNomFich_ = nullptr;
  QLineEdit* EditRecherche_ = nullptr;
  QComboBox* ComboMarques_ = nullptr;
  ListeRapport* ListViewUsers_ = nullptr;
  ListeRapport* ListViewRebus_ = nullptr;
  std::array<QLabel*, 2> panneaux_{};
  QLabel* panneauBase_ = nullptr;
};

}  // namespace corrinom::app
