#include "app/dialogues_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "app/form_cherche_champ.h"
#include "app/texte_qt.h"
#include "window/dialogues_fenetre.h"

namespace corrinom::app {

namespace {

QString Legende(std::string_view titre) { return VersQt(fenetre::LegendeBoite(titre)); }

QMessageBox::Icon IconeQt(Icone i) {
  switch (i) {
    case Icone::Question: return QMessageBox::Question;
    case Icone::Information: return QMessageBox::Information;
    case Icone::Avertissement: return QMessageBox::Warning;
    case Icone::Erreur: return QMessageBox::Critical;
    case Icone::Aucune: break;
  }
  return QMessageBox::NoIcon;
}

void MontreBoite(QWidget* proprietaire, QMessageBox::Icon icone, std::string_view titre,
                 std::string_view texte) {
  QMessageBox boite(icone, Legende(titre), VersQt(texte), QMessageBox::NoButton, proprietaire);
  boite.setTextFormat(Qt::PlainText);
  QPushButton* ok = boite.addButton(VersQt(fenetre::kTexteBoutonOk), QMessageBox::AcceptRole);
  boite.setDefaultButton(ok);
  boite.setEscapeButton(ok);
  boite.exec();
}

}  // namespace

DialoguesQt::DialoguesQt(QWidget* proprietaire, std::function<void(const QString&)> panneau)
    : proprietaire_(proprietaire), panneau_(std::move(panneau)) {}

QWidget* DialoguesQt::Proprietaire() const {
  QWidget* modale = QApplication::activeModalWidget();
  for (QWidget* w = modale; w && proprietaire_; w = w->parentWidget())
    if (w == proprietaire_) return modale;
  return proprietaire_;
}

void DialoguesQt::message(std::string_view texte, std::string_view titre) {
  MontreBoite(Proprietaire(), QMessageBox::NoIcon, titre, texte);
}

void DialoguesQt::erreur(std::string_view texte, std::string_view titre) {
  MontreBoite(Proprietaire(), QMessageBox::Critical, titre, texte);
}

QMessageBox* DialoguesQt::CreeQuestion(QWidget* proprietaire, std::string_view titre,
                                       std::string_view texte, Icone icone, Reponse parDefaut) {
  auto* boite = new QMessageBox(IconeQt(icone), Legende(titre), VersQt(texte),
                                QMessageBox::NoButton, proprietaire);
  boite->setTextFormat(Qt::PlainText);
  // The roles of the buttons in the row's order.
  constexpr QMessageBox::ButtonRole kRoles[] = {QMessageBox::YesRole, QMessageBox::NoRole, QMessageBox::RejectRole};
  for (std::size_t i = 0; i < fenetre::kBoutonsQuestion.size(); ++i) {
    QPushButton* b = boite->addButton(VersQt(fenetre::kBoutonsQuestion[i].texte), kRoles[i]);
    b->setObjectName(VersQt(fenetre::kBoutonsQuestion[i].nom));
    if (kRoles[i] == QMessageBox::RejectRole) boite->setEscapeButton(b);
    if (fenetre::kBoutonsQuestion[i].reponse == parDefaut) boite->setDefaultButton(b);
  }
  return boite;
}

Reponse DialoguesQt::question(std::string_view titre, std::string_view texte, Icone icone,
                              Reponse parDefaut) {
  std::unique_ptr<QMessageBox> boite(CreeQuestion(Proprietaire(), titre, texte, icone, parDefaut));
  boite->exec();
  // The answer of the button clicked; none clicked is Annuler.
  const QAbstractButton* b = boite->clickedButton();
  return fenetre::ReponseDuBouton(b ? VersCp1252(b->objectName()) : std::string());
}

std::optional<int> DialoguesQt::choisirChamp(const DemandeChamp& demande) {
  TFormChercheChamp dialogue(Proprietaire());
  return dialogue.ChoisirChamp(demande);
}

void DialoguesQt::debutAttente() {
  ++attente_;
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void DialoguesQt::finAttente() {
  if (attente_ == 0) return;
  --attente_;
  QApplication::restoreOverrideCursor();
}

void DialoguesQt::indication(std::string_view texte) {
  if (panneau_) panneau_(VersQt(texte));
}

}  // namespace corrinom::app
