#include "app/form_corrinom.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenu>
#include <QProgressDialog>
#include <QShortcut>
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

#include "app/fenetres_qt.h"
#include "app/dialogues_qt.h"
#include "app/form_aide_htm.h"
#include "app/form_changements.h"
#include "app/form_ressemblance.h"
#include "app/liste_rapport.h"
#include "app/modeles.h"
#include "app/texte_qt.h"
#include "session/progression.h"
#include "window/compteurs.h"
#include "window/confort.h"
#include "window/controles.h"
#include "window/fenetres_annexes.h"
#include "window/images_marques.h"

namespace corrinom::app {

namespace {

using fenetre::Controle;
using fenetre::Redessin;

// A control's facts by name; every name used here is in the table.
const Controle& Fait(std::string_view nom) {
  const Controle* c = fenetre::TrouveControle(nom);
  Q_ASSERT(c);
  return *c;
}

QString Nom(std::string_view nom) {
  return QString::fromLatin1(nom.data(), static_cast<qsizetype>(nom.size()));
}

QWidget* Bande(QWidget* parent, const QString& nom, int hauteur) {
  auto* w = new QWidget(parent);
  w->setObjectName(nom);
  if (hauteur > 0) w->setFixedHeight(hauteur);
  return w;
}

QWidget* Bande(QWidget* parent, std::string_view nom) { return Bande(parent, Nom(nom), Fait(nom).place.hauteur); }

QGroupBox* Cadre(QWidget* parent, std::string_view nom) {
  auto* g = new QGroupBox(VersQt(Fait(nom).texte), parent);
  g->setObjectName(Nom(nom));
  return g;
}

// One counter label of "Travail à faire" and the mark picture before it.
QLabel* Compteur(QWidget* parent, std::string_view nom) {
  const Controle& i = Fait(std::string(nom) + "Image");
  auto* image = new QLabel(parent);
  image->setObjectName(Nom(i.nom));
  image->setPixmap(ImageListRougeVertGris::Image(*i.marque).pixmap(16, 16));
  image->setGeometry(RectQt(i.place));
  const Controle& c = Fait(nom);
  auto* l = new QLabel(VersQt(c.texte), parent);
  l->setObjectName(Nom(nom));
  l->setGeometry(RectQt(c.place));
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

// One of the two report lists, filling its group box below `margeHaut`, its columns
// at their widths.
ListeRapport* Liste(QGroupBox* cadre, int margeHaut, ListeSource source, const QByteArray& jeton,
                    QAbstractItemModel* modele) {
  auto* dans = new QVBoxLayout(cadre);
  dans->setContentsMargins(2, margeHaut, 2, 2);
  const bool comptes = source == ListeSource::Comptes;
  auto* vue = new ListeRapport(source, jeton, cadre);
  vue->setObjectName(comptes ? QStringLiteral("ListViewUsers") : QStringLiteral("ListViewRebus"));
  vue->setModel(modele);
  vue->setAccepte(comptes ? &fenetre::LogiqueFenetre::ListViewUsersDragOver
                          : &fenetre::LogiqueFenetre::ListViewRebusDragOver);
  const auto colonnes = fenetre::ColonnesListe(vue->objectName().toStdString());
  for (std::size_t i = 0; i < colonnes.size(); ++i)
    vue->header()->resizeSection(static_cast<int>(i), colonnes[i].largeur);
  dans->addWidget(vue);
  return vue;
}

}  // namespace

TFormCorrinom::TFormCorrinom(EtatRapprochement& etat, MagasinComptes& magasin,
                             const QString& nomBase, Dialogues* boites, QWidget* parent)
    : QMainWindow(parent), etat_(etat) {
  if (!boites) {
    boitesQt_ = std::make_unique<DialoguesQt>(this);
    boites = boitesQt_.get();
  }
  dialogues_ = std::make_unique<fenetre::DialoguesFenetre>(
      *boites, [this](std::string_view texte) { Indication(VersQt(texte)); });
  logique_ = std::make_unique<fenetre::LogiqueFenetre>(etat, magasin, *dialogues_,
                                                       static_cast<fenetre::VueFenetre&>(*this));
  // Drags carry this token so that a drop can tell our own lists from anything else.
  jeton_ = QByteArray::number(QApplication::applicationPid()) + '-' +
           QByteArray::number(QRandomGenerator::global()->generate64(), 16);

  setObjectName(Nom(fenetre::kNomFenetre));
  setWindowTitle(VersQt(fenetre::kTitreFenetre));
  setWindowIcon(QIcon(QStringLiteral(":/images/corrinom.png")));
  setFont(PoliceFenetres());

  CreeControles();
  CreeBarreEtat(nomBase);
  OrdreFocus();
  NommeControles(*this);
  CreeRaccourcis();
  resize(fenetre::kTailleClient.largeur, fenetre::kTailleClient.hauteur);
  if (QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen()) {
    PlaceFenetre(static_cast<int>(std::lround(ecran->logicalDotsPerInch())), ecran->availableGeometry());
  }
  logique_->FormCreate();
  panneaux_[0]->setText(VersQt(fenetre::TextePanneauVersion()));
}

TFormCorrinom::~TFormCorrinom() {
  // The lists ask the window's logic for their rows until they are gone, and a
  // window taken down hides them once more: they go before the logic does.
  delete takeCentralWidget();
}

void TFormCorrinom::CreeControles() {
  auto* centre = new QWidget(this);
  centre->setObjectName(QStringLiteral("Centre"));
  auto* pile = new QVBoxLayout(centre);
  pile->setContentsMargins(0, 0, 0, 0);
  pile->setSpacing(0);
  setCentralWidget(centre);

  CreeBandeHaut(centre);

  // Splitter1 between PanelHaut and GroupBox1; Splitter2 inside PanelHaut. Qt's
  // splitters are the handles between the widgets they hold.
  const int epaisseur1 = Fait("Splitter1").place.hauteur;
  const int epaisseur2 = Fait("Splitter2").place.largeur;
  auto* Splitter1 = new QSplitter(Qt::Vertical, centre);
  Splitter1->setObjectName(QStringLiteral("Splitter1"));
  Splitter1->setHandleWidth(epaisseur1);
  Splitter1->setChildrenCollapsible(false);
  pile->addWidget(Splitter1, 1);

  auto* PanelHaut = new QSplitter(Qt::Horizontal, Splitter1);
  PanelHaut->setObjectName(QStringLiteral("PanelHaut"));
  PanelHaut->setHandleWidth(epaisseur2);
  PanelHaut->setChildrenCollapsible(false);
  CreeGroupeAides(PanelHaut);

  modeleRebus_ = new ModeleRebus(etat_, this);
  ListViewRebus_ = Liste(Cadre(PanelHaut, "GroupBox4"), 2, ListeSource::Rebus, jeton_, modeleRebus_);
  PanelHaut->handle(1)->setObjectName(QStringLiteral("Splitter2"));
  PanelHaut->setStretchFactor(0, 0);
  PanelHaut->setStretchFactor(1, 1);
  const int largeurAides = Fait("GroupBox3").place.largeur;
  PanelHaut->setSizes({largeurAides, fenetre::kTailleClient.largeur - largeurAides - epaisseur2});

  QGroupBox* GroupBox1 = Cadre(Splitter1, "GroupBox1");
  modeleComptes_ = new ModeleComptes(etat_, *logique_, this);
  // The search line stands on the caption's line: the list starts below it.
  ListViewUsers_ = Liste(GroupBox1, 8, ListeSource::Comptes, jeton_, modeleComptes_);
  auto* delegue = new DelegueLettresChangees(ListViewUsers_);
  ListViewUsers_->setItemDelegateForColumn(1 + kNouveauNom, delegue);
  ListViewUsers_->setItemDelegateForColumn(1 + kNouveauxPrenoms, delegue);
  CreeLigneRecherche(GroupBox1);
  ListViewUsers_->setIconSize(QSize(16, 16));
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setSizes({Fait("PanelHaut").place.hauteur, 200});

  CreeBandeBas(centre);

  connect(ListViewUsers_->header(), &QHeaderView::sectionClicked, this,
          &TFormCorrinom::ListViewUsersColumnClick);
  connect(ListViewRebus_->header(), &QHeaderView::sectionClicked, this,
          &TFormCorrinom::ListViewRebusColumnClick);
  connect(ListViewUsers_, &ListeRapport::Depose, this, &TFormCorrinom::ListViewUsersDragDrop);
  connect(ListViewRebus_, &ListeRapport::Depose, this, &TFormCorrinom::ListViewRebusDragDrop);
  connect(ListViewUsers_, &ListeRapport::ToucheSuppr, this, &TFormCorrinom::ListViewUsersKeyDown);
  SuitFocus(ListViewUsers_);
  SuitFocus(ListViewRebus_);

  for (ListeRapport* liste : {ListViewUsers_, ListViewRebus_}) {
    liste->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(liste, &QWidget::customContextMenuRequested, this, [this, liste](const QPoint& point) {
      const std::unique_ptr<QMenu> menu =
          MenuContextuel(liste == ListViewUsers_ ? ListeSource::Comptes : ListeSource::Rebus);
      menu->exec(liste->viewport()->mapToGlobal(point));
    });
  }
}

namespace {

// Keeps the search line at the right of GroupBox1's caption whatever its width.
class PlaceLigneRecherche : public QObject {
 public:
  PlaceLigneRecherche(QWidget* cadre, QWidget* libelle, QWidget* edition, QWidget* choix, QWidget* nombre)
      : QObject(cadre), cadre_(cadre), libelle_(libelle), edition_(edition), choix_(choix), nombre_(nombre) {
    cadre->installEventFilter(this);
  }
  bool eventFilter(QObject* objet, QEvent* e) override {
    if (objet == cadre_ && e->type() == QEvent::Resize) {
      const auto p = fenetre::PlaceRecherche(cadre_->width(), 96);
      libelle_->setGeometry(RectQt(p.libelle));
      edition_->setGeometry(RectQt(p.edition));
      choix_->setGeometry(RectQt(p.choix));
      nombre_->setGeometry(RectQt(p.nombre));
    }
    return false;
  }

 private:
  QWidget *cadre_, *libelle_, *edition_, *choix_, *nombre_;
};

}  // namespace

void TFormCorrinom::CreeLigneRecherche(QGroupBox* GroupBox1) {
  auto* libelle = new QLabel(VersQt(fenetre::kTexteLibelleRecherche), GroupBox1);
  libelle->setObjectName(Nom(fenetre::kNomLibelleRecherche));
  libelle->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  EditRecherche_ = new QLineEdit(GroupBox1);
  EditRecherche_->setObjectName(Nom(fenetre::kNomEditRecherche));
  EditRecherche_->setClearButtonEnabled(true);
  ComboMarques_ = new QComboBox(GroupBox1);
  ComboMarques_->setObjectName(Nom(fenetre::kNomComboMarques));
  // Each choice of one mark shows its picture; the others an empty place of the same size.
  QPixmap vide(16, 16);
  vide.fill(Qt::transparent);
  for (std::size_t i = 0; i < kTextesChoixMarques.size(); ++i) {
    const std::optional<Marque> marque = fenetre::MarqueDuChoix(static_cast<ChoixMarques>(i));
    ComboMarques_->addItem(marque ? ImageListRougeVertGris::Image(*marque) : QIcon(vide),
                           VersQt(kTextesChoixMarques[i]));
  }
  LabelNombreComptes_ = new QLabel(GroupBox1);
  LabelNombreComptes_->setObjectName(Nom(fenetre::kNomLabelNombreComptes));
  LabelNombreComptes_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  new PlaceLigneRecherche(GroupBox1, libelle, EditRecherche_, ComboMarques_, LabelNombreComptes_);
  connect(EditRecherche_, &QLineEdit::textChanged, this,
          [this](const QString& texte) { logique_->EditRechercheChange(VersCp1252(texte)); });
  connect(ComboMarques_, &QComboBox::currentIndexChanged, this,
          [this](int choix) { logique_->ComboMarquesChange(choix); });
  SuitFocus(EditRecherche_);
  SuitFocus(ComboMarques_);
}

void TFormCorrinom::Raccourci(const QKeySequence& touches, fenetre::ActionClavier action) {
  auto* raccourci = new QShortcut(touches, this);
  raccourci->setContext(Qt::WindowShortcut);
  connect(raccourci, &QShortcut::activated, this, [this, action] {
    // In an edit box the keys keep their usual meaning.
    if (auto* edition = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
      if (action == fenetre::ActionClavier::Annuler) edition->undo();
      if (action == fenetre::ActionClavier::Retablir) edition->redo();
      return;
    }
    logique_->Execute(action);
  });
}

void TFormCorrinom::CreeRaccourcis() {
  using fenetre::ActionClavier;
  Raccourci(QKeySequence(Qt::CTRL | Qt::Key_Z), ActionClavier::Annuler);
  Raccourci(QKeySequence(Qt::CTRL | Qt::Key_Y), ActionClavier::Retablir);
  Raccourci(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), ActionClavier::Retablir);
  Raccourci(QKeySequence(Qt::CTRL | Qt::Key_Return), ActionClavier::Placer);
  Raccourci(QKeySequence(Qt::CTRL | Qt::Key_Enter), ActionClavier::Placer);
}

std::unique_ptr<QMenu> TFormCorrinom::MenuContextuel(ListeSource liste) {
  auto menu = std::make_unique<QMenu>(this);
  const auto entrees = liste == ListeSource::Comptes ? logique_->MenuComptes() : logique_->MenuRebus();
  for (const fenetre::EntreeMenu& e : entrees) {
    QAction* action = menu->addAction(VersQt(e.ligne()));
    action->setEnabled(e.actif);
    connect(action, &QAction::triggered, this, [this, a = e.action] { logique_->Execute(a); });
  }
  return menu;
}

void TFormCorrinom::Annule() { logique_->Annule(); }
void TFormCorrinom::Retablit() { logique_->Retablit(); }
void TFormCorrinom::PlaceSurCompteSelectionne() { logique_->PlaceSurCompteSelectionne(); }

void TFormCorrinom::MontreNomFichier(std::u16string_view texte) {
  EditNomFich_->setText(QString::fromUtf16(texte.data(), static_cast<qsizetype>(texte.size())));
}

void TFormCorrinom::ProgressionEcriture(const std::optional<std::string>& texte) {
  if (!texte) {
    delete progression_;
    progression_ = nullptr;
    return;
  }
  if (!progression_) {
    arret_ = false;
    progression_ = new QProgressDialog(this);
    progression_->setObjectName(QStringLiteral("ProgressionEcriture"));
    progression_->setWindowModality(Qt::WindowModal);
    progression_->setCancelButtonText(VersQt(kBoutonArreter));
    progression_->setRange(0, 0);
    progression_->setMinimumDuration(0);
    progression_->setAutoClose(false);
    progression_->setAutoReset(false);
    // Arrêter and the close box both ask to stop after the account being written.
    connect(progression_, &QProgressDialog::canceled, this, [this] { arret_ = true; });
    progression_->show();
  }
  // The count is the window's title too: it shows in the task bar.
  progression_->setWindowTitle(VersQt(*texte));
  progression_->setLabelText(VersQt(*texte));
  QApplication::processEvents();
}

void TFormCorrinom::CreeBandeHaut(QWidget* centre) {
  auto* pile = static_cast<QVBoxLayout*>(centre->layout());

  QWidget* Panel1 = Bande(centre, "Panel1");
  auto* titre = new QLabel(VersQt(Fait("Panel1").texte), Panel1);
  titre->setObjectName(QStringLiteral("Panel1Caption"));
  titre->setAlignment(Qt::AlignCenter);
  auto* dans1 = new QHBoxLayout(Panel1);
  dans1->setContentsMargins(0, 0, 0, 0);
  dans1->addWidget(titre);
  pile->addWidget(Panel1);

  // Panel2: the file name row on top, then Bevel1 and Label3 docked at its bottom.
  const Controle& bevel = Fait("Bevel1");
  const Controle& advice = Fait("Label3");
  QWidget* Panel2 = Bande(centre, "Panel2");
  auto* dans2 = new QVBoxLayout(Panel2);
  dans2->setContentsMargins(0, 0, 0, 0);
  dans2->setSpacing(0);
  QWidget* ligne = Bande(Panel2, QStringLiteral("Panel2Haut"),
                         Fait("Panel2").place.hauteur - advice.place.hauteur - bevel.place.hauteur);
  const Controle& label1 = Fait("Label1");
  auto* Label1 = new QLabel(VersQt(label1.texte), ligne);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->move(label1.place.x, label1.place.y);
  Label1->adjustSize();
  EditNomFich_ = new QLineEdit(ligne);
  EditNomFich_->setObjectName(QStringLiteral("EditNomFich"));
  EditNomFich_->setGeometry(RectQt(Fait("EditNomFich").place));
  BoutonRelie(ligne, "ButtonOuvrir", &TFormCorrinom::ButtonOuvrirClick);
  connect(EditNomFich_, &QLineEdit::returnPressed, this, &TFormCorrinom::EditNomFichEntree);
  dans2->addWidget(ligne);

  auto* Bevel1 = new QFrame(Panel2);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFixedHeight(bevel.place.hauteur);
  auto* trait = new QFrame(Bevel1);
  trait->setFrameShape(QFrame::HLine);
  trait->setFrameShadow(QFrame::Sunken);
  auto* dansBevel = new QVBoxLayout(Bevel1);
  dansBevel->setContentsMargins(0, 0, 0, 0);
  dansBevel->addWidget(trait, 0, Qt::AlignTop);
  dans2->addWidget(Bevel1);

  auto* Label3 = new QLabel(VersQt(advice.texte), Panel2);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setWordWrap(true);
  Label3->setFixedHeight(advice.place.hauteur);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  dans2->addWidget(Label3);
  pile->addWidget(Panel2);

  SuitFocus(EditNomFich_);
}

void TFormCorrinom::CreeGroupeAides(QWidget* parent) {
  QGroupBox* GroupBox3 = Cadre(parent, "GroupBox3");
  GroupBox3->setMinimumWidth(120);

  // The three buttons at their fixed places; the counters docked at the bottom.
  BoutonRelie(GroupBox3, "Button3", &TFormCorrinom::Button3Click);
  BoutonRelie(GroupBox3, "Button6", &TFormCorrinom::Button6Click);
  BoutonRelie(GroupBox3, "Button7", &TFormCorrinom::Button7Click);

  QGroupBox* GroupBoxResume = Cadre(GroupBox3, "GroupBoxResume");
  GroupBoxResume->setGeometry(RectQt(Fait("GroupBoxResume").place));
  for (std::size_t i = 0; i < compteurs_.size(); ++i)
    compteurs_[i] = Compteur(GroupBoxResume, fenetre::kCompteurs[i]);
  new DockeEnBas(GroupBoxResume);
}

void TFormCorrinom::CreeBandeBas(QWidget* centre) {
  auto* pile = static_cast<QVBoxLayout*>(centre->layout());
  QWidget* Panel3 = Bande(centre, "Panel3");
  Panel3->setMinimumWidth(0);
  BoutonRelie(Panel3, "Button1", &TFormCorrinom::Button1Click);
  BoutonRelie(Panel3, "Button2", &TFormCorrinom::Button2Click);
  BoutonRelie(Panel3, "Button4", &TFormCorrinom::Button4Click);
  BoutonRelie(Panel3, "ButtonChangements", &TFormCorrinom::ButtonChangementsClick);
  pile->addWidget(Panel3);
}

void TFormCorrinom::CreeBarreEtat(const QString& nomBase) {
  QStatusBar* StatusBar1 = statusBar();
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(true);
  for (std::size_t i = 0; i < panneaux_.size(); ++i) {
    auto* p = new QLabel(StatusBar1);
    p->setObjectName(QStringLiteral("Panel%1").arg(i));
    p->setFrameShape(QFrame::StyledPanel);
    p->setFrameShadow(QFrame::Sunken);
    panneaux_[i] = p;
  }
  // The version panel at its width; the hint panel takes what is left, however
  // long its text (which its tooltip shows whole).
  panneaux_[0]->setFixedWidth(fenetre::kPanneauxEtat[0]);
  panneaux_[1]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  StatusBar1->addWidget(panneaux_[0]);
  StatusBar1->addWidget(panneaux_[1], 1);
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
  QWidget* avant = nullptr;
  for (std::string_view nom : fenetre::OrdreFocusAvecRecherche()) {
    auto* w = findChild<QWidget*>(Nom(nom));
    if (!w) continue;
    w->setFocusPolicy(Qt::StrongFocus);
    if (avant) setTabOrder(avant, w);
    avant = w;
  }
}

void TFormCorrinom::SuitFocus(QWidget* controle) { controle->installEventFilter(this); }

void TFormCorrinom::BoutonRelie(QWidget* parent, std::string_view nom, void (TFormCorrinom::*clic)()) {
  QPushButton* b = Bouton(parent, Fait(nom));
  connect(b, &QPushButton::clicked, this, clic);
  SuitFocus(b);
}

bool TFormCorrinom::eventFilter(QObject* objet, QEvent* e) {
  if (e->type() == QEvent::FocusIn) {
    logique_->FocusEntre(objet->objectName().toStdString());
  } else if (e->type() == QEvent::FocusOut) {
    // A box opening over the window, or another window taking over, takes the focus
    // from the window, not from the control.
    const auto raison = static_cast<QFocusEvent*>(e)->reason();
    logique_->FocusSort(raison == Qt::ActiveWindowFocusReason || raison == Qt::PopupFocusReason);
  }
  return QMainWindow::eventFilter(objet, e);
}

void TFormCorrinom::PlaceFenetre(int dpi, const QRect& ecran) {
  PlaceCentree(*this, fenetre::kTailleClient.largeur, fenetre::kTailleClient.hauteur, dpi, ecran);
}

void TFormCorrinom::Indication(const QString& texte) {
  // A text longer than the panel shows whole in its tooltip.
  panneaux_[1]->setText(texte);
  panneaux_[1]->setToolTip(texte);
}

std::optional<std::size_t> TFormCorrinom::LigneSelectionnee(ListeSource liste) const {
  switch (liste) {
    case ListeSource::Comptes: {
      const std::optional<std::size_t> vue = ListViewUsers_->LigneSelectionnee();
      return vue ? logique_->LigneEtat(static_cast<int>(*vue)) : std::nullopt;
    }
    case ListeSource::Rebus: return ListViewRebus_->LigneSelectionnee();
    case ListeSource::Autre: break;
  }
  return std::nullopt;
}

void TFormCorrinom::Redessine(Redessin quoi, const fenetre::Selections& selection) {
  // Models are reset as a whole, which loses the scrolled position: it is put back.
  const int defileComptes = ListViewUsers_->verticalScrollBar()->value();
  const int defileRebus = ListViewRebus_->verticalScrollBar()->value();
  if (fenetre::Contient(quoi, Redessin::LignesComptes)) modeleComptes_->Rafraichit();
  if (fenetre::Contient(quoi, Redessin::LignesRebus)) modeleRebus_->Rafraichit();
  std::optional<std::size_t> choisie;
  if (selection.comptes)
    if (const std::optional<int> vue = logique_->LigneVue(*selection.comptes))
      choisie = static_cast<std::size_t>(*vue);
  ListViewUsers_->SelectionneLigne(choisie);
  ListViewRebus_->SelectionneLigne(selection.rebus);
  ListViewUsers_->verticalScrollBar()->setValue(defileComptes);
  ListViewRebus_->verticalScrollBar()->setValue(defileRebus);
  // When the filter shows other rows, the selected account stays in sight.
  if (choisie && fenetre::Contient(quoi, Redessin::SelectionEnVue)) {
    ListViewUsers_->scrollTo(modeleComptes_->index(static_cast<int>(*choisie), 0));
  }
  if (fenetre::Contient(quoi, Redessin::Indications)) {
    ListViewUsers_->setToolTip(VersQt(etat_.indicationComptes));
    ListViewRebus_->setToolTip(VersQt(etat_.indicationRebus));
  }
  LabelNombreComptes_->setText(VersQt(logique_->TexteNombreComptes()));
  if (fenetre::Contient(quoi, Redessin::Compteurs)) {
    const auto textes = fenetre::TextesCompteurs(etat_.compteurs);
    for (std::size_t i = 0; i < compteurs_.size(); ++i) compteurs_[i]->setText(VersQt(textes[i]));
  }
}

void TFormCorrinom::ActiveControle(std::string_view nom, bool actif) {
  if (auto* w = findChild<QWidget*>(Nom(nom))) w->setEnabled(actif);
}

void TFormCorrinom::MontreAide() { corrinom::app::MontreAide(this); }

void TFormCorrinom::MontreChangements(const std::vector<LigneChangement>& lignes,
                                      std::string_view magasin) {
  TFormChangements liste(lignes, QString::fromUtf8(magasin.data(), static_cast<qsizetype>(magasin.size())),
                         [this](const std::string& j) { return logique_->RestaureJournal(j); }, this);
  liste.exec();
}

bool TFormCorrinom::MontreRessemblance(fenetre::RevueRessemblance& revue) {
  TFormRessemblance fenetre(revue, this);
  return fenetre.exec() == QDialog::Accepted;
}

std::optional<std::vector<LigneChangement>> TFormCorrinom::RestaureJournal(const QString& journal) {
  return logique_->RestaureJournal(journal.toUtf8().toStdString());
}

QStringList TFormCorrinom::FiltresOuvrir() {
  // Qt reads the patterns from the last parentheses, separated by blanks; the
  // labels before them are the ones the operator sees. "*" and not "*.*": here a
  // file without a full stop in its name is a file too.
  QStringList filtres;
  for (const fenetre::FiltreFichiers& f : fenetre::kFiltresOuvrir) {
    const QString motifs = f.motifs == "*.*" ? QStringLiteral("*") : VersQt(f.motifs).replace(';', ' ');
    filtres << VersQt(f.libelle) + QStringLiteral(" (") + motifs + QLatin1Char(')');
  }
  return filtres;
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
  if (logique_->Occupee()) return;
  std::unique_ptr<QFileDialog> dialogue = CreeOpenDialog1();
  if (dialogue->exec() != QDialog::Accepted) return;
  const QStringList choisis = dialogue->selectedFiles();
  if (choisis.isEmpty()) return;
  OuvreFichier(QDir::toNativeSeparators(choisis.front()));
}

void TFormCorrinom::OuvreFichier(const QString& nomFichier) {
  if (logique_->Occupee()) return;
  const QString avant = EditNomFich_->text();
  EditNomFich_->setText(nomFichier);
  logique_->OuvreFichier(VueUtf16(nomFichier), VueUtf16(avant));
}

void TFormCorrinom::EditNomFichEntree() {
  const QString texte = EditNomFich_->text();
  logique_->EditNomFichEntree(VueUtf16(texte));
}

void TFormCorrinom::Button3Click() { logique_->Button3Click(); }
void TFormCorrinom::Button6Click() { logique_->Button6Click(); }
void TFormCorrinom::Button7Click() { logique_->Button7Click(); }
void TFormCorrinom::Button1Click() { logique_->Button1Click(); }
void TFormCorrinom::Button2Click() { close(); }
void TFormCorrinom::Button4Click() { logique_->Button4Click(); }
void TFormCorrinom::ButtonChangementsClick() { logique_->ButtonChangementsClick(); }

void TFormCorrinom::closeEvent(QCloseEvent* e) {
  if (logique_->FormCloseQuery()) e->accept();
  else e->ignore();
}

void TFormCorrinom::ListViewUsersColumnClick(int colonne) { logique_->ListViewUsersColumnClick(colonne); }
void TFormCorrinom::ListViewRebusColumnClick(int colonne) { logique_->ListViewRebusColumnClick(colonne); }

void TFormCorrinom::ListViewUsersDragDrop(ListeSource source, std::optional<std::size_t> cible) {
  // The list shows the filter's rows: the row under the drop, in the whole list.
  if (cible) cible = logique_->LigneEtat(static_cast<int>(*cible));
  logique_->ListViewUsersDragDrop(source, cible);
}

void TFormCorrinom::ListViewRebusDragDrop(ListeSource source, std::optional<std::size_t> cible) {
  logique_->ListViewRebusDragDrop(source, cible);
}

void TFormCorrinom::ListViewUsersKeyDown() { logique_->ListViewUsersKeyDown(fenetre::kToucheSuppr); }

}  // namespace corrinom::app
