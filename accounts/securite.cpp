// The security object of start-up.
#include "accounts/securite.h"

#include "text/erreurs.h"

namespace corrinom {

TamponSid SidConnu(std::uint64_t autorite, std::initializer_list<std::uint32_t> sousAutorites) {
  TamponSid sid{};
  sid[0] = 1;  // revision
  sid[1] = static_cast<std::uint8_t>(sousAutorites.size());
  for (int i = 0; i < 6; ++i) sid[2 + i] = static_cast<std::uint8_t>(autorite >> (8 * (5 - i)));
  std::size_t p = 8;
  for (const std::uint32_t s : sousAutorites) {
    for (int i = 0; i < 4; ++i) sid[p++] = static_cast<std::uint8_t>(s >> (8 * i));
  }
  return sid;
}

std::string TexteSid(const TamponSid& sid) {
  const std::size_t n = sid[1];
  if (sid[0] != 1 || 8 + 4 * n > sid.size()) return {};
  std::uint64_t autorite = 0;
  for (int i = 0; i < 6; ++i) autorite = (autorite << 8) | sid[2 + i];
  std::string r = "S-1-" + std::to_string(autorite);
  for (std::size_t k = 0; k < n; ++k) {
    std::uint32_t s = 0;
    for (int i = 3; i >= 0; --i) s = (s << 8) | sid[8 + 4 * k + static_cast<std::size_t>(i)];
    r += '-';
    r += std::to_string(s);
  }
  return r;
}

namespace {

constexpr std::string_view kEchecPrivileges = "Impossible d'obtenir les privil\xE8ges n\xE9" "cessaires ";

}  // namespace

TSecurRep::TSecurRep(ServicesSecurite& services) : services_(services) {
  resultatPrivileges = ActivePrivileges();
  NomsGroupesLocaux();
  const struct {
    std::string_view nom;
    TamponSid& sid;
    std::string_view ligne;
  } groupes[] = {
      {NomGroupeAdministrateurs, SidAdministrateurs, "le groupe Administrateurs"},
      {NomGroupeTout, SidTout, "le groupe Tout le monde"},
      {"SYSTEM", SidSysteme, "le groupe SYSTEM"},
  };
  for (const auto& g : groupes) {
    if (SidDeNom(g.nom, g.sid, {})) continue;
    derniereErreur_ = services_.derniereErreur();
    if (!listeEchecs_.empty()) listeEchecs_ += '\n';
    listeEchecs_ += g.ligne;
  }
}

std::string TSecurRep::ActivePrivileges() {
  if (!services_.ouvreJeton())
    return std::string(kEchecPrivileges) + "(Opt) " +
           services_.messageSysteme(services_.derniereErreur());
  std::vector<IdPrivilege> liste;
  for (const std::string_view nom : kPrivileges) {
    const std::optional<IdPrivilege> id = services_.chercheValeurPrivilege(nom);
    if (!id) {
      const std::uint32_t e = services_.derniereErreur();
      services_.fermeJeton();
      return std::string(kEchecPrivileges) + "(Lpv) " + services_.messageSysteme(e);
    }
    liste.push_back(*id);
  }
  std::string r;
  if (!services_.ajustePrivileges(liste))
    r = std::string(kEchecPrivileges) + "(Atp) " +
        services_.messageSysteme(services_.derniereErreur());
  services_.fermeJeton();
  return r;
}

void TSecurRep::NomsGroupesLocaux() {
  if (std::string n = NomDeSid(SidConnu(5, {32, 544})); !n.empty()) NomGroupeAdministrateurs = n;
  if (std::string n = NomDeSid(SidConnu(1, {0})); !n.empty()) NomGroupeTout = n;
  TamponSid sid{};
  if (!SidDeNom(NomAdministrateur, sid, {}, 128) && SidDeNom("Administrators", sid, {}, 128))
    NomAdministrateur = "Administrator";
}

bool TSecurRep::SidDeNom(std::string_view nom, TamponSid& sid, std::string_view serveur,
                         std::uint32_t tailleDomaine) {
  return services_.chercheNom(nom, serveur, sid, tailleDomaine);
}

std::string TSecurRep::NomDeSid(const TamponSid& sid) {
  return services_.chercheSid(sid).value_or(std::string());
}

std::string TSecurRep::MessageEchec() const {
  return "Impossible de trouver les groupes.\nSid non trouv\xE9 pour\n" + listeEchecs_ +
         MessErreur(static_cast<std::int32_t>(derniereErreur_));
}

}  // namespace corrinom
