#include "app/form_corrinom.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenu>
#include <QProgressDialog>
#include <QShortcut>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyleOptionGroupBox>
#include <QVBoxLayout>
#include <cmath>
#include <functional>
#include <utility>

#include "app/fenetres_qt.h"
#include "app/dialogues_qt.h"
#include "app/form_aide_htm.h"
#include "app/form_changements.h"
#include "app/form_ressemblance.h"
#include "app/liste_rapport.h"
#include "app/modeles.h"
#include "app/texte_qt.h"
#include "session/progression.h"
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

QGroupBox* Cadre(QWidget* parent, std::string_view nom) {
  auto* g = new QGroupBox(VersQt(Fait(nom).texte), parent);
  g->setObjectName(VersQt(nom));
  return g;
}

// Calls `place` each time `parent` changes size, for children that follow its
// size without a layout.
class SuitTaille : public QObject {
 public:
  SuitTaille(QWidget* parent, std::function<void()> place) : QObject(parent), place_(std::move(place)) {
    parent->installEventFilter(this);
  }
  bool eventFilter(QObject* objet, QEvent* e) override {
    if (objet == parent() && e->type() == QEvent::Resize) place_();
    return false;
  }

 private:
  std::function<void()> place_;
};

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

  setObjectName(VersQt(fenetre::kNomFenetre));
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

  for (std::string_view bande : {"Panel1", "Panel2"}) pile->addWidget(CreeBande(centre, bande));

  // Splitter1 between PanelHaut and GroupBox1; Splitter2 inside PanelHaut. Qt's
  // splitters are the handles between the widgets they hold; the second side
  // takes what the window gains.
  const auto separateur = [](Qt::Orientation sens, QWidget* parent, const QString& nom, int epaisseur) {
    auto* s = new QSplitter(sens, parent);
    s->setObjectName(nom);
    s->setHandleWidth(epaisseur);
    s->setChildrenCollapsible(false);
    return s;
  };
  const int epaisseur2 = Fait("Splitter2").place.largeur;
  QSplitter* Splitter1 = separateur(Qt::Vertical, centre, QStringLiteral("Splitter1"), Fait("Splitter1").place.hauteur);
  pile->addWidget(Splitter1, 1);

  QSplitter* PanelHaut = separateur(Qt::Horizontal, Splitter1, QStringLiteral("PanelHaut"), epaisseur2);
  CreeGroupeAides(PanelHaut);
  ListViewRebus_ = CreeListe(Cadre(PanelHaut, "GroupBox4"), 2, ListeSource::Rebus);
  PanelHaut->handle(1)->setObjectName(QStringLiteral("Splitter2"));
  PanelHaut->setStretchFactor(1, 1);
  const int largeurAides = Fait("GroupBox3").place.largeur;
  PanelHaut->setSizes({largeurAides, fenetre::kTailleClient.largeur - largeurAides - epaisseur2});

  QGroupBox* GroupBox1 = Cadre(Splitter1, "GroupBox1");
  // The search line stands on the caption's line: the list starts below it.
  ListViewUsers_ = CreeListe(GroupBox1, 8, ListeSource::Comptes);
  auto* delegue = new DelegueLettresChangees(ListViewUsers_);
  ListViewUsers_->setItemDelegateForColumn(1 + kNouveauNom, delegue);
  ListViewUsers_->setItemDelegateForColumn(1 + kNouveauxPrenoms, delegue);
  // The search line at the right of GroupBox1's caption whatever its width.
  CreeControlesFixes(GroupBox1, "GroupBox1", fenetre::ControlesRecherche());
  new SuitTaille(GroupBox1, [GroupBox1] {
    QStyleOptionGroupBox legende;
    legende.initFrom(GroupBox1);
    legende.text = GroupBox1->title();
    legende.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    legende.textAlignment = GroupBox1->alignment();
    const int fin =
        GroupBox1->style()->subControlRect(QStyle::CC_GroupBox, &legende, QStyle::SC_GroupBoxLabel, GroupBox1).right();
    for (const auto& [nom, place] : fenetre::PlaceLigneRecherche({0, 0, GroupBox1->width(), 0}, 96, fin + 1))
      GroupBox1->findChild<QWidget*>(VersQt(nom))->setGeometry(RectQt(place));
  });
  EditRecherche_ = GroupBox1->findChild<QLineEdit*>(VersQt(fenetre::kNomEditRecherche));
  EditRecherche_->setClearButtonEnabled(true);
  ComboMarques_ = GroupBox1->findChild<QComboBox*>(VersQt(fenetre::kNomComboMarques));
  connect(EditRecherche_, &QLineEdit::textChanged, this,
          [this](const QString& texte) { logique_->EditRechercheChange(VersCp1252(texte)); });
  ListViewUsers_->setIconSize(QSize(16, 16));
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setSizes({Fait("PanelHaut").place.hauteur, 200});

  pile->addWidget(CreeBande(centre, "Panel3"));
  EditNomFich_ = findChild<QLineEdit*>(QStringLiteral("EditNomFich"));
  connect(EditNomFich_, &QLineEdit::returnPressed, this, &TFormCorrinom::EditNomFichEntree);
}

ListeRapport* TFormCorrinom::CreeListe(QGroupBox* cadre, int margeHaut, ListeSource source) {
  auto* dans = new QVBoxLayout(cadre);
  dans->setContentsMargins(2, margeHaut, 2, 2);
  auto* vue = new ListeRapport(source, jeton_, cadre);
  vue->setObjectName(VersQt(fenetre::NomListe(source)));
  vue->setModel(new ModeleListe(source, etat_, *logique_, this));
  const auto colonnes = fenetre::ColonnesListe(fenetre::NomListe(source));
  for (std::size_t i = 0; i < colonnes.size(); ++i)
    vue->header()->resizeSection(static_cast<int>(i), colonnes[i].largeur);
  dans->addWidget(vue);

  connect(vue->header(), &QHeaderView::sectionClicked, this,
          [this, source](int colonne) { logique_->ColonneClic(source, colonne); });
  connect(vue, &ListeRapport::Depose, this, [this, source](ListeSource depuis, std::optional<std::size_t> ligne) {
    logique_->Depose(source, depuis, ligne ? std::optional<int>(static_cast<int>(*ligne)) : std::nullopt);
  });
  if (source == ListeSource::Comptes)
    connect(vue, &ListeRapport::ToucheSuppr, this, [this] { logique_->ListViewUsersKeyDown(fenetre::kToucheSuppr); });
  vue->installEventFilter(this);  // the focus hints
  vue->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(vue, &QWidget::customContextMenuRequested, this, [this, vue, source](const QPoint& point) {
    MenuContextuel(source)->exec(vue->viewport()->mapToGlobal(point));
  });
  return vue;
}

void TFormCorrinom::CreeRaccourcis() {
  using fenetre::ActionClavier;
  const auto raccourci = [this](const QKeySequence& touches, ActionClavier action) {
    auto* r = new QShortcut(touches, this);
    r->setContext(Qt::WindowShortcut);
    connect(r, &QShortcut::activated, this, [this, action] {
      // In an edit box the keys keep their usual meaning.
      if (auto* edition = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        if (action == ActionClavier::Annuler) edition->undo();
        if (action == ActionClavier::Retablir) edition->redo();
        return;
      }
      logique_->Execute(action);
    });
  };
  // The letters' key codes are Qt's too; Entrée is either of the two keys.
  for (const fenetre::Raccourci& r : fenetre::kRaccourcis) {
    const Qt::KeyboardModifiers avec = Qt::ControlModifier | (r.majuscule ? Qt::ShiftModifier : Qt::NoModifier);
    if (r.touche != fenetre::kToucheEntree) {
      raccourci(QKeyCombination(avec, Qt::Key(r.touche)), r.action);
    } else {
      for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Enter}) raccourci(QKeyCombination(avec, k), r.action);
    }
  }
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

QWidget* TFormCorrinom::CreeBande(QWidget* parent, std::string_view nom) {
  // A band of the table at its height: its text centred on it, its controls at
  // their fixed places, the controls docked at its bottom stacked there in order.
  const Controle& c = Fait(nom);
  auto* bande = new QWidget(parent);
  bande->setObjectName(VersQt(nom));
  bande->setFixedHeight(c.place.hauteur);
  auto* pile = new QVBoxLayout(bande);
  pile->setContentsMargins(0, 0, 0, 0);
  pile->setSpacing(0);
  if (!c.texte.empty()) {
    auto* titre = new QLabel(VersQt(c.texte), bande);
    titre->setObjectName(VersQt(nom) + QStringLiteral("Caption"));
    titre->setAlignment(Qt::AlignCenter);
    pile->addWidget(titre);
  }
  CreeControlesFixes(bande, nom);
  bool enBas = false;
  for (const Controle& enfant : fenetre::Controles()) {
    if (enfant.parent != nom || enfant.ancrage != fenetre::Ancrage::Bas) continue;
    if (!std::exchange(enBas, true)) pile->addStretch(1);
    QWidget* w = CreeControle(bande, enfant);
    w->setFixedHeight(enfant.place.hauteur);
    pile->addWidget(w);
  }
  return bande;
}

void TFormCorrinom::CreeGroupeAides(QWidget* parent) {
  QGroupBox* GroupBox3 = Cadre(parent, "GroupBox3");
  GroupBox3->setMinimumWidth(120);

  // The three buttons at their fixed places; the counters docked at the bottom.
  CreeControlesFixes(GroupBox3, "GroupBox3");
  QGroupBox* GroupBoxResume = Cadre(GroupBox3, "GroupBoxResume");
  GroupBoxResume->setGeometry(RectQt(Fait("GroupBoxResume").place));
  CreeControlesFixes(GroupBoxResume, "GroupBoxResume");
  new SuitTaille(GroupBox3, [GroupBox3, GroupBoxResume] {
    const int hauteur = GroupBoxResume->height();
    GroupBoxResume->setGeometry(0, GroupBox3->height() - hauteur, GroupBox3->width(), hauteur);
  });
}

void TFormCorrinom::CreeBarreEtat(const QString& nomBase) {
  QStatusBar* StatusBar1 = statusBar();
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(true);
  const auto panneau = [StatusBar1](const QString& nom, const QString& texte) {
    auto* p = new QLabel(texte, StatusBar1);
    p->setObjectName(nom);
    p->setFrameShape(QFrame::StyledPanel);
    p->setFrameShadow(QFrame::Sunken);
    return p;
  };
  for (std::size_t i = 0; i < panneaux_.size(); ++i) panneaux_[i] = panneau(QStringLiteral("Panel%1").arg(i), {});
  // The version panel at its width; the hint panel takes what is left, however
  // long its text (which its tooltip shows whole).
  panneaux_[0]->setFixedWidth(fenetre::kPanneauxEtat[0]);
  panneaux_[1]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  StatusBar1->addWidget(panneaux_[0]);
  StatusBar1->addWidget(panneaux_[1], 1);
  if (!nomBase.isEmpty()) {
    // An embedded base is named for good, so that nobody takes it for the server.
    panneauBase_ = panneau(QStringLiteral("PanelBase"), nomBase);
    StatusBar1->addPermanentWidget(panneauBase_);
  }
}

void TFormCorrinom::OrdreFocus() {
  QWidget* avant = nullptr;
  for (std::string_view nom : fenetre::OrdreFocusAvecRecherche()) {
    auto* w = findChild<QWidget*>(VersQt(nom));
    if (!w) continue;
    w->setFocusPolicy(Qt::StrongFocus);
    if (avant) setTabOrder(avant, w);
    avant = w;
  }
}

void TFormCorrinom::CreeControlesFixes(QWidget* parent, std::string_view nom, std::span<const Controle> table) {
  for (const Controle& c : table) {
    if (c.parent != nom || c.ancrage != fenetre::Ancrage::Aucun) continue;
    QWidget* w = CreeControle(parent, c);
    if (c.style & fenetre::kTailleDuTexte) {
      w->move(c.place.x, c.place.y);
      w->adjustSize();
    } else {
      w->setGeometry(RectQt(c.place));
    }
  }
}

QWidget* TFormCorrinom::CreeControle(QWidget* parent, const Controle& c) {
  QWidget* w = nullptr;
  switch (c.genre) {
    case fenetre::Genre::Bouton: {
      QPushButton* b = Bouton(parent, c);
      connect(b, &QPushButton::clicked, this, [this, n = c.nom] { Clic(n); });
      w = b;
      break;
    }
    case fenetre::Genre::Edition: w = new QLineEdit(parent); break;
    case fenetre::Genre::Choix: w = CreeComboMarques(parent); break;
    case fenetre::Genre::Image: {
      auto* image = new QLabel(parent);
      image->setPixmap(ImageListRougeVertGris::Image(*c.marque).pixmap(16, 16));
      w = image;
      break;
    }
    case fenetre::Genre::Trait: {
      // A sunken line along the top edge.
      w = new QFrame(parent);
      auto* trait = new QFrame(w);
      trait->setFrameShape(QFrame::HLine);
      trait->setFrameShadow(QFrame::Sunken);
      auto* dans = new QVBoxLayout(w);
      dans->setContentsMargins(0, 0, 0, 0);
      dans->addWidget(trait, 0, Qt::AlignTop);
      break;
    }
    default: {
      auto* libelle = new QLabel(VersQt(c.texte), parent);
      if (c.style & fenetre::kTexteADroite) libelle->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (c.style & fenetre::kTexteALaLigne) {
        libelle->setWordWrap(true);
        libelle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      }
      w = libelle;
      break;
    }
  }
  w->setObjectName(VersQt(c.nom));
  if (c.tabulation >= 0) w->installEventFilter(this);  // the focus hints
  return w;
}

QComboBox* TFormCorrinom::CreeComboMarques(QWidget* parent) {
  auto* choix = new QComboBox(parent);
  // Each choice of one mark shows its picture; the others an empty place of the same size.
  QPixmap vide(16, 16);
  vide.fill(Qt::transparent);
  for (std::size_t i = 0; i < kTextesChoixMarques.size(); ++i) {
    const std::optional<Marque> marque = fenetre::MarqueDuChoix(static_cast<ChoixMarques>(i));
    choix->addItem(marque ? ImageListRougeVertGris::Image(*marque) : QIcon(vide), VersQt(kTextesChoixMarques[i]));
  }
  connect(choix, &QComboBox::currentIndexChanged, this, [this](int i) { logique_->ComboMarquesChange(i); });
  return choix;
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

QLabel* TFormCorrinom::LabelNombreComptes() const {
  return findChild<QLabel*>(VersQt(fenetre::kNomLabelNombreComptes));
}

void TFormCorrinom::Indication(const QString& texte) {
  // A text longer than the panel shows whole in its tooltip.
  panneaux_[1]->setText(texte);
  panneaux_[1]->setToolTip(texte);
}

std::optional<std::size_t> TFormCorrinom::LigneSelectionnee(ListeSource liste) const {
  if (liste == ListeSource::Autre) return std::nullopt;
  const std::optional<std::size_t> vue =
      (liste == ListeSource::Comptes ? ListViewUsers_ : ListViewRebus_)->LigneSelectionnee();
  return vue ? logique_->LigneEtat(liste, static_cast<int>(*vue)) : std::nullopt;
}

void TFormCorrinom::Redessine(Redessin quoi, const fenetre::Selections& selection) {
  // Models are reset as a whole, which loses the scrolled position: it is put back.
  const int defileComptes = ListViewUsers_->verticalScrollBar()->value();
  const int defileRebus = ListViewRebus_->verticalScrollBar()->value();
  for (const auto& [liste, partie] : {std::pair(ListViewUsers_, Redessin::LignesComptes),
                                      std::pair(ListViewRebus_, Redessin::LignesRebus)})
    if (fenetre::Contient(quoi, partie)) static_cast<ModeleListe*>(liste->model())->Rafraichit();
  std::optional<std::size_t> choisie;
  if (const std::optional<int> vue = logique_->LigneVue(ListeSource::Comptes, selection.comptes))
    choisie = static_cast<std::size_t>(*vue);
  ListViewUsers_->SelectionneLigne(choisie);
  ListViewRebus_->SelectionneLigne(selection.rebus);
  ListViewUsers_->verticalScrollBar()->setValue(defileComptes);
  ListViewRebus_->verticalScrollBar()->setValue(defileRebus);
  // When the filter shows other rows, the selected account stays in sight.
  if (choisie && fenetre::Contient(quoi, Redessin::SelectionEnVue)) {
    ListViewUsers_->scrollTo(ListViewUsers_->model()->index(static_cast<int>(*choisie), 0));
  }
  if (fenetre::Contient(quoi, Redessin::Indications)) {
    ListViewUsers_->setToolTip(VersQt(etat_.indicationComptes));
    ListViewRebus_->setToolTip(VersQt(etat_.indicationRebus));
  }
}

void TFormCorrinom::MontreTexte(std::string_view nom, std::string_view texte) {
  if (auto* libelle = findChild<QLabel*>(VersQt(nom))) libelle->setText(VersQt(texte));
}

void TFormCorrinom::ActiveControle(std::string_view nom, bool actif) {
  if (auto* w = findChild<QWidget*>(VersQt(nom))) w->setEnabled(actif);
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

void TFormCorrinom::Clic(std::string_view bouton) {
  if (bouton == "ButtonOuvrir") ButtonOuvrirClick();
  else if (bouton == "Button2") close();
  else logique_->Clic(bouton);
}

void TFormCorrinom::closeEvent(QCloseEvent* e) {
  if (logique_->FormCloseQuery()) e->accept();
  else e->ignore();
}

}  // namespace corrinom::app
