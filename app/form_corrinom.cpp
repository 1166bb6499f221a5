#include "app/form_corrinom.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>

#include "app/ajuste_fenetre.h"
#include "app/dialogues_qt.h"
#include "app/form_aide_htm.h"
#include "app/liste_rapport.h"
#include "app/modeles.h"
#include "app/texte_qt.h"
#include "import/ouvrir.h"
#include "reconcile/aides.h"
#include "reconcile/indications.h"
#include "reconcile/marques.h"
#include "reconcile/tri.h"
#include "session/ecriture.h"

namespace corrinom::app {

// The seam as the window's handlers use it: the boxes go to the operator (or a
// test's script), the hint panel is this window's second status panel.
class TFormCorrinom::DialoguesFenetre : public Dialogues {
 public:
  DialoguesFenetre(TFormCorrinom& fenetre, Dialogues& boites) : fenetre_(fenetre), boites_(boites) {}

  void message(std::string_view texte, std::string_view titre = {}) override { boites_.message(texte, titre); }
  Reponse question(std::string_view titre, std::string_view texte, Icone icone,
                   Reponse parDefaut) override {
    return boites_.question(titre, texte, icone, parDefaut);
  }
  void erreur(std::string_view texte, std::string_view titre = {}) override { boites_.erreur(texte, titre); }
  std::optional<int> choisirChamp(const DemandeChamp& demande) override {
    return boites_.choisirChamp(demande);
  }
  void debutAttente() override { boites_.debutAttente(); }
  void finAttente() override { boites_.finAttente(); }
  void indication(std::string_view texte) override {
    fenetre_.Indication(VersQt(texte));
    boites_.indication(texte);
  }

 private:
  TFormCorrinom& fenetre_;
  Dialogues& boites_;
};

namespace {

constexpr int kLargeurClient = 863;
constexpr int kHauteurClient = 497;

QWidget* Bande(QWidget* parent, const char* nom, int hauteur) {
  auto* w = new QWidget(parent);
  w->setObjectName(QString::fromLatin1(nom));
  if (hauteur > 0) w->setFixedHeight(hauteur);
  return w;
}

QPushButton* Bouton(QWidget* parent, const char* nom, const QString& texte, const QRect& place) {
  auto* b = new QPushButton(texte, parent);
  b->setObjectName(QString::fromLatin1(nom));
  b->setGeometry(place);
  b->setAutoDefault(false);
  return b;
}

// One mark picture and its counter label in "Travail à faire".
QLabel* Compteur(QWidget* parent, const char* nom, int marque, QPoint texte) {
  auto* image = new QLabel(parent);
  image->setObjectName(QString::fromLatin1(nom) + QStringLiteral("Image"));
  image->setPixmap(ImageListRougeVertGris::Image(marque).pixmap(16, 16));
  image->setGeometry(texte.x() - 20, texte.y() - 1, 16, 16);
  auto* l = new QLabel(QStringLiteral("0"), parent);
  l->setObjectName(QString::fromLatin1(nom));
  l->setGeometry(texte.x(), texte.y(), 176, 16);
  return l;
}

// Keeps a child docked along the bottom of its parent, full width, at its height.
class DockeEnBas : public QObject {
 public:
  explicit DockeEnBas(QWidget* enfant) : QObject(enfant), enfant_(enfant) {
    enfant->parentWidget()->installEventFilter(this);
  }
  bool eventFilter(QObject* objet, QEvent* e) override {
    if (objet == enfant_->parentWidget() && e->type() == QEvent::Resize) {
      const QSize taille = enfant_->parentWidget()->size();
      enfant_->setGeometry(0, taille.height() - enfant_->height(), taille.width(), enfant_->height());
    }
    return false;
  }

 private:
  QWidget* enfant_;
};

void LargeursColonnes(ListeRapport* vue, const int* largeurs, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) vue->header()->resizeSection(static_cast<int>(i), largeurs[i]);
}

}  // namespace

QFont PoliceFenetres() {
  // The windows are laid out for an 8 point "MS Sans Serif", a narrow face; where it
  // is missing, the faces of the same width come first, so that the captions fit
  // their controls.
  QFont police;
  police.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"), QStringLiteral("Arial")});
  police.setStyleHint(QFont::SansSerif);
  police.setPointSize(8);
  return police;
}

TFormCorrinom::TFormCorrinom(EtatRapprochement& etat, MagasinComptes& magasin,
                             const QString& nomBase, Dialogues* boites, QWidget* parent)
    : QMainWindow(parent), etat_(etat), magasin_(magasin) {
  if (!boites) {
    boitesQt_ = std::make_unique<DialoguesQt>(this);
    boites = boitesQt_.get();
  }
  dialogues_ = std::make_unique<DialoguesFenetre>(*this, *boites);
  // Drags carry this token so that a drop can tell our own lists from anything else.
  jeton_ = QByteArray::number(QApplication::applicationPid()) + '-' +
           QByteArray::number(QRandomGenerator::global()->generate64(), 16);

  setObjectName(QStringLiteral("FormCorrinom"));
  setWindowTitle(QStringLiteral("Correction des noms et pr\u00E9noms des utilisateurs TAVO"));
  setWindowIcon(QIcon(QStringLiteral(":/images/corrinom.png")));
  setFont(PoliceFenetres());

  CreeControles();
  CreeBarreEtat(nomBase);
  OrdreFocus();
  resize(kLargeurClient, kHauteurClient);
  FormCreate();
}

TFormCorrinom::~TFormCorrinom() = default;

void TFormCorrinom::CreeControles() {
  auto* centre = new QWidget(this);
  centre->setObjectName(QStringLiteral("Centre"));
  auto* pile = new QVBoxLayout(centre);
  pile->setContentsMargins(0, 0, 0, 0);
  pile->setSpacing(0);
  setCentralWidget(centre);

  CreeBandeHaut(centre);

  // Splitter1 between PanelHaut and GroupBox1; Splitter2 inside PanelHaut.
  auto* Splitter1 = new QSplitter(Qt::Vertical, centre);
  Splitter1->setObjectName(QStringLiteral("Splitter1"));
  Splitter1->setHandleWidth(3);
  Splitter1->setChildrenCollapsible(false);
  pile->addWidget(Splitter1, 1);

  auto* PanelHaut = new QSplitter(Qt::Horizontal, Splitter1);
  PanelHaut->setObjectName(QStringLiteral("PanelHaut"));
  PanelHaut->setHandleWidth(3);
  PanelHaut->setChildrenCollapsible(false);
  CreeGroupeAides(PanelHaut);

  auto* GroupBox4 = new QGroupBox(QStringLiteral("Utilisateurs non trouv\u00E9s"), PanelHaut);
  GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
  auto* dans4 = new QVBoxLayout(GroupBox4);
  dans4->setContentsMargins(2, 2, 2, 2);
  ListViewRebus_ = new ListeRapport(ListeSource::Rebus, jeton_, GroupBox4);
  ListViewRebus_->setObjectName(QStringLiteral("ListViewRebus"));
  modeleRebus_ = new ModeleRebus(etat_, this);
  ListViewRebus_->setModel(modeleRebus_);
  ListViewRebus_->setAccepte(&corrinom::ListViewRebusDragOver);
  LargeursColonnes(ListViewRebus_, ModeleRebus::kLargeurs.data(), ModeleRebus::kLargeurs.size());
  dans4->addWidget(ListViewRebus_);
  // The handle between the two group boxes is the band's vertical splitter.
  PanelHaut->handle(1)->setObjectName(QStringLiteral("Splitter2"));
  PanelHaut->setStretchFactor(0, 0);
  PanelHaut->setStretchFactor(1, 1);
  PanelHaut->setSizes({461, kLargeurClient - 461 - 3});

  auto* GroupBox1 = new QGroupBox(QStringLiteral("Liste des utilisateurs TAVO"), Splitter1);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* dans1 = new QVBoxLayout(GroupBox1);
  dans1->setContentsMargins(2, 2, 2, 2);
  ListViewUsers_ = new ListeRapport(ListeSource::Comptes, jeton_, GroupBox1);
  ListViewUsers_->setObjectName(QStringLiteral("ListViewUsers"));
  modeleComptes_ = new ModeleComptes(etat_, this);
  ListViewUsers_->setModel(modeleComptes_);
  ListViewUsers_->setAccepte(&corrinom::ListViewUsersDragOver);
  ListViewUsers_->setIconSize(QSize(16, 16));
  LargeursColonnes(ListViewUsers_, ModeleComptes::kLargeurs.data(), ModeleComptes::kLargeurs.size());
  dans1->addWidget(ListViewUsers_);
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setSizes({168, 200});

  CreeBandeBas(centre);

  connect(ListViewUsers_->header(), &QHeaderView::sectionClicked, this,
          &TFormCorrinom::ListViewUsersColumnClick);
  connect(ListViewRebus_->header(), &QHeaderView::sectionClicked, this,
          &TFormCorrinom::ListViewRebusColumnClick);
  connect(ListViewUsers_, &ListeRapport::Depose, this, &TFormCorrinom::ListViewUsersDragDrop);
  connect(ListViewRebus_, &ListeRapport::Depose, this, &TFormCorrinom::ListViewRebusDragDrop);
  connect(ListViewUsers_, &ListeRapport::ToucheSuppr, this, &TFormCorrinom::ListViewUsersKeyDown);
  SuitFocus(ListViewUsers_, "ListViewUsers");
  SuitFocus(ListViewRebus_, "ListViewRebus");
}

void TFormCorrinom::CreeBandeHaut(QWidget* centre) {
  auto* pile = static_cast<QVBoxLayout*>(centre->layout());

  QWidget* Panel1 = Bande(centre, "Panel1", 29);
  auto* titre = new QLabel(QStringLiteral("Programme \u00E0 utiliser lorsque des noms ou pr\u00E9noms ont "
                                          "\u00E9t\u00E9 chang\u00E9s dans des fichiers \u00E0 importer"),
                           Panel1);
  titre->setObjectName(QStringLiteral("Panel1Caption"));
  titre->setAlignment(Qt::AlignCenter);
  auto* dans1 = new QHBoxLayout(Panel1);
  dans1->setContentsMargins(0, 0, 0, 0);
  dans1->addWidget(titre);
  pile->addWidget(Panel1);

  // Panel2: the file name row on top, then Bevel1 and Label3 docked at its bottom.
  QWidget* Panel2 = Bande(centre, "Panel2", 72);
  auto* dans2 = new QVBoxLayout(Panel2);
  dans2->setContentsMargins(0, 0, 0, 0);
  dans2->setSpacing(0);
  QWidget* ligne = Bande(Panel2, "Panel2Haut", 72 - 27 - 12);
  auto* Label1 = new QLabel(QStringLiteral("Nom du fichier contenant les utilisateurs modifi\u00E9s"), ligne);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->move(0, 8);
  Label1->adjustSize();
  EditNomFich_ = new QLineEdit(ligne);
  EditNomFich_->setObjectName(QStringLiteral("EditNomFich"));
  EditNomFich_->setGeometry(236, 4, 389, 21);
  QPushButton* ButtonOuvrir = Bouton(ligne, "ButtonOuvrir", QStringLiteral("Ouvrir"), QRect(632, 4, 61, 21));
  connect(ButtonOuvrir, &QPushButton::clicked, this, &TFormCorrinom::ButtonOuvrirClick);
  dans2->addWidget(ligne);

  auto* Bevel1 = new QFrame(Panel2);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFixedHeight(12);
  auto* trait = new QFrame(Bevel1);
  trait->setFrameShape(QFrame::HLine);
  trait->setFrameShadow(QFrame::Sunken);
  auto* dansBevel = new QVBoxLayout(Bevel1);
  dansBevel->setContentsMargins(0, 0, 0, 0);
  dansBevel->addWidget(trait, 0, Qt::AlignTop);
  dans2->addWidget(Bevel1);

  auto* Label3 = new QLabel(QStringLiteral("Utilisez le bouton Aide pour obtenir des conseils sur "
                                           "l'utilisation de ce programme."),
                            Panel2);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setWordWrap(true);
  Label3->setFixedHeight(27);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  dans2->addWidget(Label3);
  pile->addWidget(Panel2);

  SuitFocus(EditNomFich_, "EditNomFich");
  SuitFocus(ButtonOuvrir, "ButtonOuvrir");
}

void TFormCorrinom::CreeGroupeAides(QWidget* parent) {
  auto* GroupBox3 = new QGroupBox(QStringLiteral("Aide au rapprochement"), parent);
  GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
  GroupBox3->setMinimumWidth(120);

  // The two buttons at their fixed places; the counters docked at the bottom.
  Button3_ = Bouton(GroupBox3, "Button3",
                    QStringLiteral("Rapprocher ceux qui ont le m\u00EAme nom et le m\u00EAme premier pr\u00E9nom"),
                    QRect(12, 20, 337, 25));
  Button6_ = Bouton(GroupBox3, "Button6", QStringLiteral("Rapprocher en fonction de la date de naissance"),
                    QRect(12, 48, 337, 25));
  connect(Button3_, &QPushButton::clicked, this, &TFormCorrinom::Button3Click);
  connect(Button6_, &QPushButton::clicked, this, &TFormCorrinom::Button6Click);

  auto* GroupBoxResume = new QGroupBox(QStringLiteral("Travail \u00E0 faire"), GroupBox3);
  GroupBoxResume->setObjectName(QStringLiteral("GroupBoxResume"));
  GroupBoxResume->setGeometry(0, 168 - 74, 461, 74);
  compteurs_[0] = Compteur(GroupBoxResume, "LabelRienAFaire", kMarqueGris, QPoint(32, 22));
  compteurs_[1] = Compteur(GroupBoxResume, "LabelDejaBon", kMarqueVert, QPoint(32, 42));
  compteurs_[2] = Compteur(GroupBoxResume, "LabelAFaireMineur", kMarqueRose, QPoint(228, 24));
  compteurs_[3] = Compteur(GroupBoxResume, "LabelAFaire", kMarqueRouge, QPoint(228, 42));
  new DockeEnBas(GroupBoxResume);

  SuitFocus(Button3_, "Button3");
  SuitFocus(Button6_, "Button6");
}

void TFormCorrinom::CreeBandeBas(QWidget* centre) {
  auto* pile = static_cast<QVBoxLayout*>(centre->layout());
  QWidget* Panel3 = Bande(centre, "Panel3", 37);
  Panel3->setMinimumWidth(0);
  QPushButton* Button1 = Bouton(Panel3, "Button1", QStringLiteral("Effectuer les changements dans le serveur"),
                                QRect(88, 8, 277, 21));
  QPushButton* Button2 = Bouton(Panel3, "Button2", QStringLiteral("Quitter"), QRect(380, 8, 150, 21));
  QPushButton* Button4 = Bouton(Panel3, "Button4", QStringLiteral("Aide"), QRect(540, 8, 150, 21));
  connect(Button1, &QPushButton::clicked, this, &TFormCorrinom::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TFormCorrinom::Button2Click);
  connect(Button4, &QPushButton::clicked, this, &TFormCorrinom::Button4Click);
  pile->addWidget(Panel3);
  SuitFocus(Button1, "Button1");
  SuitFocus(Button2, "Button2");
  SuitFocus(Button4, "Button4");
}

void TFormCorrinom::CreeBarreEtat(const QString& nomBase) {
  QStatusBar* StatusBar1 = statusBar();
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(true);
  const int largeurs[2] = {220, 300};
  for (int i = 0; i < 2; ++i) {
    auto* p = new QLabel(StatusBar1);
    p->setObjectName(QStringLiteral("Panel%1").arg(i));
    p->setFixedWidth(largeurs[i]);
    p->setFrameShape(QFrame::StyledPanel);
    p->setFrameShadow(QFrame::Sunken);
    StatusBar1->addWidget(p);
    panneaux_[static_cast<std::size_t>(i)] = p;
  }
  if (!nomBase.isEmpty()) {
    // An embedded base is named for good, so that nobody takes it for the server.
    panneauBase_ = new QLabel(nomBase, StatusBar1);
    panneauBase_->setObjectName(QStringLiteral("PanelBase"));
    panneauBase_->setFrameShape(QFrame::StyledPanel);
    panneauBase_->setFrameShadow(QFrame::Sunken);
    StatusBar1->addPermanentWidget(panneauBase_);
  }
}

void TFormCorrinom::OrdreFocus() {
  const char* ordre[] = {"EditNomFich", "ButtonOuvrir", "Button3", "Button6", "ListViewRebus",
                         "ListViewUsers", "Button1", "Button2", "Button4"};
  QWidget* avant = nullptr;
  for (const char* nom : ordre) {
    auto* w = findChild<QWidget*>(QString::fromLatin1(nom));
    if (!w) continue;
    w->setFocusPolicy(Qt::StrongFocus);
    if (avant) setTabOrder(avant, w);
    avant = w;
  }
}

void TFormCorrinom::SuitFocus(QWidget* controle, const char* nom) {
  controle->setProperty("nomControle", QString::fromLatin1(nom));
  controle->installEventFilter(this);
}

bool TFormCorrinom::eventFilter(QObject* objet, QEvent* e) {
  if (e->type() == QEvent::FocusIn) {
    // The window getting the keyboard back (a box closed over it) gives the focus to
    // the control that had it: that is no entry into a control.
    if (objet != controleFocus_) {
      controleFocus_ = objet;
      const QByteArray nom = objet->property("nomControle").toString().toLatin1();
      AfficheIndicationFocus(*dialogues_, std::string_view(nom.constData(), static_cast<std::size_t>(nom.size())));
    }
  } else if (e->type() == QEvent::FocusOut) {
    const auto raison = static_cast<QFocusEvent*>(e)->reason();
    // Nor is a box opening over the window, or another window taking over.
    if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason) {
      controleFocus_ = nullptr;
      ButtonExitEffaceStatusbar(*dialogues_);
    }
  }
  return QMainWindow::eventFilter(objet, e);
}

void TFormCorrinom::PlaceFenetre(int dpi, const QRect& ecran) {
  resize(kLargeurClient, kHauteurClient);
  const QSize ext = frameGeometry().size();
  move(ecran.x() + (ecran.width() - ext.width()) / 2, ecran.y() + (ecran.height() - ext.height()) / 2);
  AjusteFenetre(*this, dpi, ecran);
}

void TFormCorrinom::FormCreate() {
  if (QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen()) {
    PlaceFenetre(static_cast<int>(std::lround(ecran->logicalDotsPerInch())), ecran->availableGeometry());
  }
  // The accounts were loaded at start-up; the counters are recounted once more, and
  // the lists' hints stay as they are until the first operation that sets them.
  AfficheResume(etat_);
  Rafraichit();
  panneaux_[0]->setText(QString::fromLatin1(kTexteVersion));
}

void TFormCorrinom::Indication(const QString& texte) {
  // The panel is narrower than the longest texts; the whole text stays in its tooltip.
  panneaux_[1]->setText(texte);
  panneaux_[1]->setToolTip(texte);
}

void TFormCorrinom::Rafraichit() {
  // The models are reset as a whole; the selection and the scrolled position are
  // kept, so that a move deep in a long list leaves the operator where they were.
  const std::optional<std::size_t> selComptes = ListViewUsers_->LigneSelectionnee();
  const std::optional<std::size_t> selRebus = ListViewRebus_->LigneSelectionnee();
  const int defileComptes = ListViewUsers_->verticalScrollBar()->value();
  const int defileRebus = ListViewRebus_->verticalScrollBar()->value();
  modeleComptes_->Rafraichit();
  modeleRebus_->Rafraichit();
  ListViewUsers_->SelectionneLigne(selComptes);
  ListViewRebus_->SelectionneLigne(selRebus);
  ListViewUsers_->verticalScrollBar()->setValue(defileComptes);
  ListViewRebus_->verticalScrollBar()->setValue(defileRebus);
  ListViewUsers_->setToolTip(VersQt(etat_.indicationComptes));
  ListViewRebus_->setToolTip(VersQt(etat_.indicationRebus));
  compteurs_[0]->setText(VersQt(etat_.LabelRienAFaire));
  compteurs_[1]->setText(VersQt(etat_.LabelDejaBon));
  compteurs_[2]->setText(VersQt(etat_.LabelAFaireMineur));
  compteurs_[3]->setText(VersQt(etat_.LabelAFaire));
}

QStringList TFormCorrinom::FiltresOuvrir() {
  // Qt reads the patterns from the last parentheses, separated by blanks; the
  // labels before them are the ones the operator sees. "*" and not "*.*": here a
  // file without a full stop in its name is a file too.
  return {QStringLiteral("Fichiers Sconet (*.xml;*.csv;*.txt) (*.xml *.csv *.txt)"),
          QStringLiteral("Tous les fichiers (*)")};
}

std::unique_ptr<QFileDialog> TFormCorrinom::CreeOpenDialog1() {
  auto dialogue = std::make_unique<QFileDialog>(this);
  dialogue->setObjectName(QStringLiteral("OpenDialog1"));
  dialogue->setAcceptMode(QFileDialog::AcceptOpen);
  dialogue->setFileMode(QFileDialog::AnyFile);  // the file need not exist
  dialogue->setOption(QFileDialog::HideNameFilterDetails, true);
  dialogue->setNameFilters(FiltresOuvrir());
  dialogue->selectNameFilter(FiltresOuvrir().front());
  dialogue->setDefaultSuffix(QString());
  const QString initial = EditNomFich_->text();
  if (!initial.isEmpty()) dialogue->selectFile(initial);
  return dialogue;
}

void TFormCorrinom::ButtonOuvrirClick() {
  if (occupe_) return;
  std::unique_ptr<QFileDialog> dialogue = CreeOpenDialog1();
  if (dialogue->exec() != QDialog::Accepted) return;
  const QStringList choisis = dialogue->selectedFiles();
  if (choisis.isEmpty()) return;
  OuvreFichier(QDir::toNativeSeparators(choisis.front()));
}

void TFormCorrinom::OuvreFichier(const QString& nomFichier) {
  if (occupe_) return;
  EditNomFich_->setText(nomFichier);
  if (nomFichier.isEmpty()) return;
  // The readers open files by the system's own spelling of the name (UTF-8 on
  // Linux, the ANSI code page on Windows) and convert it only to show it.
  const QByteArray systeme = QFile::encodeName(nomFichier);
  if (QFile::decodeName(systeme) != nomFichier) {
    // A name the system's code page cannot hold would be another file's name.
    dialogues_->message(
        VersCp1252(QStringLiteral("Le nom de ce fichier contient des caract\u00E8res que Corrinom ne sait "
                                  "pas lire :\n%1\nRenommez le fichier ou son dossier, puis ouvrez-le "
                                  "\u00E0 nouveau.")
                       .arg(nomFichier)));
    return;
  }
  const std::string nom = systeme.toStdString();
  occupe_ = true;
  corrinom::ButtonOuvrirClick(etat_, *dialogues_, nom);
  occupe_ = false;
  Rafraichit();
}

void TFormCorrinom::LanceAide(QPushButton* bouton, void (*aide)(EtatRapprochement&, Dialogues&)) {
  if (occupe_) return;
  occupe_ = true;
  bouton->setEnabled(false);
  aide(etat_, *dialogues_);
  bouton->setEnabled(true);
  occupe_ = false;
  Rafraichit();
}

void TFormCorrinom::Button3Click() { LanceAide(Button3_, &RapprocheNomPrenom); }
void TFormCorrinom::Button6Click() { LanceAide(Button6_, &RapprocheDateNaissance); }

void TFormCorrinom::Button1Click() {
  if (occupe_) return;
  occupe_ = true;
  corrinom::Button1Click(etat_, magasin_, *dialogues_);
  occupe_ = false;
  Rafraichit();
}

void TFormCorrinom::Button2Click() { close(); }

void TFormCorrinom::Button4Click() {
  if (occupe_) return;
  occupe_ = true;
  MontreAide(this);
  occupe_ = false;
}

void TFormCorrinom::closeEvent(QCloseEvent* e) {
  // While a handler runs (one of its boxes is open) the window stays: its work is
  // not finished and nothing it has not confirmed may be written.
  if (occupe_) {
    e->ignore();
    return;
  }
  occupe_ = true;
  const bool peutFermer = FormCloseQuery(etat_, magasin_, *dialogues_);
  occupe_ = false;
  Rafraichit();
  if (peutFermer) e->accept();
  else e->ignore();
}

void TFormCorrinom::ListViewUsersColumnClick(int colonne) {
  if (occupe_) return;
  // The selection follows its row to the row's new place: a Delete pressed after a
  // sort acts on the row the operator chose. Logins are unique.
  const std::optional<std::size_t> avant = ListViewUsers_->LigneSelectionnee();
  const std::string login = avant ? etat_.comptes[*avant].login : std::string();
  corrinom::ListViewUsersColumnClick(etat_, *dialogues_, colonne);
  std::optional<std::size_t> apres;
  for (std::size_t i = 0; avant && i < etat_.comptes.size() && !apres; ++i)
    if (etat_.comptes[i].login == login) apres = i;
  ListViewUsers_->SelectionneLigne(apres);
  Rafraichit();
}

void TFormCorrinom::ListViewRebusColumnClick(int colonne) {
  if (occupe_) return;
  const std::optional<std::size_t> avant = ListViewRebus_->LigneSelectionnee();
  const LigneRebus personne = avant ? etat_.rebus[*avant] : LigneRebus{};
  corrinom::ListViewRebusColumnClick(etat_, *dialogues_, colonne);
  std::optional<std::size_t> apres;
  for (std::size_t i = 0; avant && i < etat_.rebus.size() && !apres; ++i)
    if (etat_.rebus[i] == personne) apres = i;
  ListViewRebus_->SelectionneLigne(apres);
  Rafraichit();
}

void TFormCorrinom::ListViewUsersDragDrop(ListeSource source, std::optional<std::size_t> cible) {
  if (occupe_) return;
  std::optional<std::size_t> selection;
  if (source == ListeSource::Comptes) selection = ListViewUsers_->LigneSelectionnee();
  else if (source == ListeSource::Rebus) selection = ListViewRebus_->LigneSelectionnee();
  if (corrinom::ListViewUsersDragDrop(etat_, *dialogues_, source, selection, cible)) Rafraichit();
}

void TFormCorrinom::ListViewRebusDragDrop(ListeSource source, std::optional<std::size_t> cible) {
  if (occupe_) return;
  const std::optional<std::size_t> selection =
      source == ListeSource::Comptes ? ListViewUsers_->LigneSelectionnee() : std::nullopt;
  if (corrinom::ListViewRebusDragDrop(etat_, *dialogues_, source, selection, cible)) Rafraichit();
}

void TFormCorrinom::ListViewUsersKeyDown() {
  if (occupe_) return;
  if (corrinom::ListViewUsersKeyDown(etat_, kToucheSuppr, ListViewUsers_->LigneSelectionnee())) Rafraichit();
}

}  // namespace corrinom::app
